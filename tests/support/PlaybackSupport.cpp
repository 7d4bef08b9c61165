#include "tests/support/PlaybackSupport.h"

#include "tests/support/TestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cmath>

namespace vireo::test {

void ensureCoreApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "vireo-test";
    static char *argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
}

bool waitUntil(const std::function<bool()> &pred, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

void spin(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

bool makeMp3(const QString &path, double seconds, int kbps)
{
    const int rate = 44100;
    const qsizetype frames = qsizetype(seconds * rate);
    QByteArray pcm(frames * 4, Qt::Uninitialized);
    auto *s = reinterpret_cast<qint16 *>(pcm.data());
    for (qsizetype i = 0; i < frames; ++i) {
        const qint16 v = qint16(3000 * std::sin(2 * M_PI * 440.0 * double(i) / rate));
        s[2 * i] = v;
        s[2 * i + 1] = v;
    }
    QProcess lame;
    lame.start(QStringLiteral(VIREO_LAME),
               {QStringLiteral("--quiet"), QStringLiteral("-r"), QStringLiteral("-s"), QStringLiteral("44.1"),
                QStringLiteral("--bitwidth"), QStringLiteral("16"), QStringLiteral("--signed"),
                QStringLiteral("--little-endian"), QStringLiteral("-m"), QStringLiteral("j"),
                QStringLiteral("--cbr"), QStringLiteral("-b"), QString::number(kbps), QStringLiteral("-"), path});
    if (!lame.waitForStarted(10000))
        return false;
    lame.write(pcm);
    lame.closeWriteChannel();
    return lame.waitForFinished(60000) && lame.exitCode() == 0 && QFile::exists(path);
}

PrivatePulse::PrivatePulse()
{
    m_oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    m_oldServer = qgetenv("PULSE_SERVER");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
    qunsetenv("PULSE_SERVER");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_dir.path());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("pulseaudio"),
            {QStringLiteral("-n"), QStringLiteral("--daemonize=yes"), QStringLiteral("--exit-idle-time=-1"),
             QStringLiteral("--load=module-null-sink sink_name=vnull"),
             QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1")});
    if (!p.waitForStarted(10000) || !p.waitForFinished(20000) || p.exitCode() != 0) {
        m_why = QStringLiteral("pulseaudio did not start: ") + QString::fromLocal8Bit(p.readAllStandardError());
        return;
    }
    m_ok = !pactl({QStringLiteral("info")}).isNull();
    if (!m_ok)
        m_why = QStringLiteral("pactl cannot reach the private server");
}

PrivatePulse::~PrivatePulse()
{
    if (m_ok)
        (void)pactl({QStringLiteral("exit")});
    if (m_oldRuntime.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", m_oldRuntime);
    if (!m_oldServer.isNull())
        qputenv("PULSE_SERVER", m_oldServer);
}

QByteArray PrivatePulse::pactl(const QStringList &args) const
{
    QProcess p;
    p.start(QStringLiteral("pactl"), args);
    if (!p.waitForStarted(5000) || !p.waitForFinished(10000) || p.exitCode() != 0)
        return QByteArray();
    QByteArray out = p.readAllStandardOutput();
    if (out.isNull())
        out = QByteArray("");
    return out;
}

PrivateBus::PrivateBus()
{
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(10000))
        return;
    QElapsedTimer t;
    t.start();
    while (!m_daemon.canReadLine() && t.elapsed() < 10000)
        m_daemon.waitForReadyRead(200);
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
}

PrivateBus::~PrivateBus()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000)) {
            m_daemon.kill();
            m_daemon.waitForFinished(5000);
        }
    }
}

} // namespace vireo::test
