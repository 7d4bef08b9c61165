#include "gui/app/VireoApplication.h"

#include "gui/shell/MainTexts.h"
#include "core/library/EventLog.h"

#include <exception>

namespace vireo::gui {

void logEscapedError(const QString &message)
{
    WriteLog(QStringLiteral(" Error:") + message);
}

VireoApplication::VireoApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(text::kAppTitle);
    setApplicationDisplayName(text::kAppTitle);
    setApplicationVersion(QStringLiteral(VIREO_VERSION));
    // Wayland compositors find the icon and the name through the desktop entry.
    setDesktopFileName(QStringLiteral("vireo"));
}

bool VireoApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        logEscapedError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        logEscapedError(QStringLiteral("unknown error"));
    }
    return false;
}

} // namespace vireo::gui
