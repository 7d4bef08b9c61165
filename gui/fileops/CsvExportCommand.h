#pragma once
// "CSV出力": asks for a file name and writes the library there as CSV.
#include <QObject>

class QWidget;

namespace vireo::gui {

class StoreAccess;

class CsvExportCommand : public QObject {
    Q_OBJECT
public:
    // `window` owns the file dialog and the message box.
    CsvExportCommand(const StoreAccess &store, QWidget *window, QObject *parent = nullptr);
    // Asks for the file name, then exports.
    void run();
    // Writes the CSV file; false (with a message box) when it cannot be written.
    bool exportTo(const QString &path);

private:
    const StoreAccess &m_store;
    QWidget *window;
};

} // namespace vireo::gui
