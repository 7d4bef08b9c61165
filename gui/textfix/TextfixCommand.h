#pragma once
// "文字化け修復...": the command that opens the repair window over the library.
// It owns its action; the composition root creates it (createControllers)
// and puts action() into a menu. After repairs it asks for the trees to be
// rebuilt and shows the outcome in the status bar, so the views follow.
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace vireo::gui {

class MainMediator;
class StoreAccess;
class TextfixWindow;

class TextfixCommand : public QObject {
    Q_OBJECT
public:
    TextfixCommand(const StoreAccess &store, MainMediator &mediator, QWidget *window, QObject *parent = nullptr);

    QAction *action() const { return m_action; }
    // The open window, or null.
    TextfixWindow *openWindow() const { return m_open; }

public slots:
    // Opens the window (window-modal, not blocking); nothing without a library.
    void run();

private:
    const StoreAccess &m_store;
    MainMediator &m_mediator;
    QWidget *m_window;
    QAction *m_action;
    QPointer<TextfixWindow> m_open;
};

} // namespace vireo::gui
