#pragma once
// The application object with the program-wide error handler: an error that
// escapes any command is logged as " Error:" and its message, and the program
// goes on without showing it.
#include <QApplication>

namespace vireo::gui {

class VireoApplication : public QApplication {
    Q_OBJECT
public:
    VireoApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Logs an escaped error the way the handler does.
void logEscapedError(const QString &message);

} // namespace vireo::gui
