#pragma once
// "CSV出力": asks for a file name and writes the library there as CSV.
#include <QObject>

namespace vireo::gui {

class AppServices;
struct MainWidgets;

class CsvExportCommand : public QObject {
    Q_OBJECT
public:
    CsvExportCommand(MainWidgets &w, AppServices &app, QObject *parent = nullptr);
    // Writes the CSV file; false (with a message box) when it cannot be written.
    bool exportTo(const QString &path);

private:
    void run();

    MainWidgets &w;
    AppServices &app;
};

} // namespace vireo::gui
