#include "gui/shell/RegionBuild.h"

#include <QAction>
#include <QLayout>
#include <QVBoxLayout>
#include <QWidget>

namespace vireo::gui {

QAction *makeAction(QObject *owner, const QString &caption, const char *name, bool enabled,
                    const QKeySequence &shortcut, const QString &hint)
{
    auto *a = new QAction(caption, owner);
    a->setObjectName(QString::fromLatin1(name));
    a->setEnabled(enabled);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    if (!hint.isEmpty()) {
        a->setToolTip(hint);
        a->setStatusTip(hint);
    }
    return a;
}

QAction *makeCheckable(QAction *a, bool checked)
{
    a->setCheckable(true);
    a->setChecked(checked);
    return a;
}

QWidget *makeHostPage(const char *name, QWidget *content, const QString &hint)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty())
        page->setToolTip(hint);
    auto *lay = new QVBoxLayout(page);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(2);
    if (content)
        lay->addWidget(content, 1);
    return page;
}

void replaceHostContent(QWidget *page, QWidget *content)
{
    QLayout *lay = page->layout();
    while (QLayoutItem *item = lay->takeAt(0)) {
        if (QWidget *old = item->widget()) {
            old->hide();
            old->deleteLater();
        }
        delete item;
    }
    if (content) {
        lay->addWidget(content);
        content->show();
    }
    page->setEnabled(true);
}

} // namespace vireo::gui
