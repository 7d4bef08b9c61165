#pragma once
// The editing dialogs' message boxes, through one function so the window
// tests can answer them without a modal loop.
#include <QMessageBox>

#include <functional>

namespace vireo::gui::editing {

// Shows a modal message box and returns the button pressed.
QMessageBox::StandardButton showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// Tests install a hook that answers instead of a box; an empty hook restores the boxes.
using MessageHook = std::function<QMessageBox::StandardButton(QMessageBox::Icon, const QString &,
                                                              QMessageBox::StandardButtons)>;
void setMessageHook(MessageHook hook);

} // namespace vireo::gui::editing
