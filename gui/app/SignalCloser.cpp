#include "gui/app/SignalCloser.h"

#include "gui/app/VireoMainForm.h"

#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace vireo::gui {

namespace {
sigset_t terminationSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    return set;
}
} // namespace

void SignalCloser::blockTerminationSignals()
{
    sigset_t set = terminationSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

SignalCloser::SignalCloser(QWidget *window, QObject *parent) : QObject(parent), m_window(window)
{
    sigset_t set = terminationSignals();
    m_fd = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (m_fd < 0)
        return;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        signalfd_siginfo info;
        while (::read(m_fd, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        }
        if (auto *form = qobject_cast<TVireoMainForm *>(m_window))
            form->setQuietClose(true);
        if (m_window)
            m_window->close();
    });
}

SignalCloser::~SignalCloser()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace vireo::gui
