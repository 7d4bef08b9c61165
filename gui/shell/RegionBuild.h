#pragma once
// Small helpers the region builders share: actions with their caption, name,
// shortcut and hint, and a page that holds one replaceable content widget.
#include <QKeySequence>
#include <QString>

class QAction;
class QObject;
class QWidget;

namespace vireo::gui {

QAction *makeAction(QObject *owner, const QString &caption, const char *name, bool enabled = true,
                    const QKeySequence &shortcut = {}, const QString &hint = {});
QAction *makeCheckable(QAction *action, bool checked);

// A page with a zero-margin layout holding `content` (may be null).
QWidget *makeHostPage(const char *name, QWidget *content, const QString &hint = {});
// Replaces what a host page shows by `content`; the previous content is deleted.
void replaceHostContent(QWidget *page, QWidget *content);

} // namespace vireo::gui
