#pragma once
// Test helpers for playback: an application object for event delivery,
// waiting on the event loop, real MP3 files made with lame, and private
// instances of the sound server and the session bus.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

namespace vireo::test {

// Makes the process's QCoreApplication once (timers and queued calls need it).
void ensureCoreApplication();
// Runs the event loop until pred() holds or timeoutMs has passed; returns pred().
bool waitUntil(const std::function<bool()> &pred, int timeoutMs);
// Runs the event loop for ms milliseconds.
void spin(int ms);

// An MP3 of `seconds` seconds of a quiet tone made with lame at the given bit
// rate (CBR); false when lame is missing or failed.
bool makeMp3(const QString &path, double seconds, int kbps = 128);

// A PulseAudio server with one null sink "vnull", started in a temporary
// XDG_RUNTIME_DIR that this process then uses; stopped on destruction.
class PrivatePulse {
public:
    PrivatePulse();
    ~PrivatePulse();
    bool ok() const { return m_ok; }
    QString why() const { return m_why; }
    // Runs pactl against this server; returns its output, or a null array on failure.
    QByteArray pactl(const QStringList &args) const;
private:
    QTemporaryDir m_dir;
    QByteArray m_oldRuntime, m_oldServer;
    bool m_ok = false;
    QString m_why;
};

// A private session bus (dbus-daemon --session); its address is in address().
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    bool ok() const { return !m_address.isEmpty(); }
    QString address() const { return m_address; }
private:
    QProcess m_daemon;
    QString m_address;
};

} // namespace vireo::test
