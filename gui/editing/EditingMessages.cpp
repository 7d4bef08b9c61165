#include "gui/editing/EditingMessages.h"

#include <QApplication>

namespace vireo::gui::editing {

namespace {
MessageHook &hook()
{
    static MessageHook h;
    return h;
}
}

void setMessageHook(MessageHook h)
{
    hook() = std::move(h);
}

QMessageBox::StandardButton showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons)
{
    if (hook())
        return hook()(icon, text, buttons);
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace vireo::gui::editing
