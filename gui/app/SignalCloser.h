#pragma once
// Turns SIGTERM and SIGINT into an ordinary close of the main window, so a
// logout or a kill still saves the settings and caches.
#include <QObject>

class QSocketNotifier;
class QWidget;

namespace vireo::gui {

class SignalCloser : public QObject {
    Q_OBJECT
public:
    // Blocks the two signals in the calling thread; call it before any other
    // thread exists so every thread inherits the mask.
    static void blockTerminationSignals();
    // Watches the blocked signals and closes `window` when one arrives.
    SignalCloser(QWidget *window, QObject *parent = nullptr);
    ~SignalCloser() override;

private:
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QWidget *m_window;
};

} // namespace vireo::gui
