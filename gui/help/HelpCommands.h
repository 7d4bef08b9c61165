#pragma once
// The help menu: "目次(&C)" and "ﾄﾋﾟｯｸの検索(&S)..." open the project's
// README page when the build configured one (VIREO_PROJECT_URL) and do
// nothing otherwise; "バージョン情報(&A)..." shows the about box with the
// version of the CMake project.
#include <QString>
#include <QUrl>

#include <functional>

class QAction;
class QDialog;

namespace vireo::gui {

// The version compiled in from the CMake project.
QString programVersion();
// The page the help commands open, or an empty URL when none is configured
// (or the configured text is not an http(s) address).
QUrl helpPage(const QString &configured);
QUrl helpPage();

// Connects the three commands. `open` opens a URL (QDesktopServices by
// default); it is not called when no page is configured.
void connectHelpCommands(QAction *contents, QAction *search, QAction *about, QDialog *aboutBox,
                         std::function<bool(const QUrl &)> open = {});

} // namespace vireo::gui
