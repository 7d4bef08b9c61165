#include "gui/help/HelpCommands.h"

#include "core/coverart/CoverSearchSettings.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialog>

namespace vireo::gui {

QString programVersion()
{
    return QStringLiteral(VIREO_VERSION);
}

QUrl helpPage(const QString &configured)
{
    const QUrl url(configured.trimmed(), QUrl::StrictMode);
    if (configured.trimmed().isEmpty() || !url.isValid() || url.host().isEmpty()
        || (url.scheme() != u"http" && url.scheme() != u"https"))
        return {};
    return url;
}

QUrl helpPage()
{
    return helpPage(coverart::projectAddress());
}

void connectHelpCommands(QAction *contents, QAction *search, QAction *about, QDialog *aboutBox,
                         std::function<bool(const QUrl &)> open)
{
    if (!open)
        open = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    auto openHelp = [open] {
        const QUrl page = helpPage();
        if (!page.isEmpty())
            open(page);
    };
    if (contents)
        QObject::connect(contents, &QAction::triggered, contents, openHelp);
    if (search)
        QObject::connect(search, &QAction::triggered, search, openHelp);
    if (about && aboutBox)
        QObject::connect(about, &QAction::triggered, aboutBox, [aboutBox] { aboutBox->exec(); });
}

} // namespace vireo::gui
