#include "core/playback/TcmxMP3.h"

#include "core/platform/Paths.h"

namespace vireo {

QString playerErrorText(int code, const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("原因不明のエラー");
    return QString::asprintf("%d - %s", code, text.toUtf8().constData());
}

int secondsFromMs(qint64 ms)
{
    if (ms < 0)
        return 0;
    return int((ms / 1000) % 60 + (ms / 60000) * 60);
}

QString progressCaption(int seconds)
{
    return QString::asprintf("%.2d:%.2d", seconds / 60, seconds % 60);
}

TcmxMP3::TcmxMP3(QString fileName, std::unique_ptr<AudioDevice> device)
    : m_fileName(std::move(fileName)), m_device(std::move(device))
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &TcmxMP3::progressStep);
    m_device->onEnd = [this] {
        Stop();
        emit ended();
    };
    m_device->onError = [this](const Result &r) {
        Stop();
        emit failed(r.message());
    };
}

TcmxMP3::~TcmxMP3()
{
    m_timer.stop();
    if (m_device) {
        m_device->onEnd = nullptr;
        m_device->onError = nullptr;
        m_device->close();
    }
}

ResultOf<std::unique_ptr<TcmxMP3>> TcmxMP3::Create(const QString &fileName,
                                                   const AudioDeviceFactory &factory)
{
    std::unique_ptr<AudioDevice> device = factory ? factory() : nullptr;
    if (!device)
        return Result::failure(ErrorCode::Unsupported, playerErrorText(0, QString()));
    Result r = device->open(fileName);
    if (!r) {
        device->close();
        return r;
    }
    const qint64 ms = device->lengthMs();
    device->close();
    std::unique_ptr<TcmxMP3> p(new TcmxMP3(fileName, std::move(device)));
    p->m_lengthSeconds = secondsFromMs(ms);
    return p;
}

Result TcmxMP3::Play()
{
    if (!m_device->isOpen()) {
        Result r = m_device->open(m_fileName);
        if (!r) {
            m_device->close();
            return r;
        }
    }
    Result r = m_device->play();
    if (!r)
        return r;
    if (m_reportsProgress) {
        m_timer.start();
        // The first step runs at once, from the event loop, so a step that
        // moves the play list on never runs inside Play itself.
        QMetaObject::invokeMethod(this, &TcmxMP3::progressStep, Qt::QueuedConnection);
    }
    return Result::success();
}

void TcmxMP3::Stop()
{
    m_timer.stop();
    if (m_device->isOpen()) {
        (void)m_device->stop();
        m_device->close();
    }
}

Result TcmxMP3::Pause()
{
    if (!m_device->isOpen() || m_device->mode() != PlayerMode::Playing)
        return Result::success();
    Result r = m_device->pause();
    if (r)
        m_timer.stop();
    return r;
}

Result TcmxMP3::Resume()
{
    if (!m_device->isOpen() || m_device->mode() != PlayerMode::Paused)
        return Result::success();
    Result r = m_device->resume();
    if (r && m_reportsProgress)
        m_timer.start();
    return r;
}

PlayerMode TcmxMP3::Mode() const
{
    return m_device->isOpen() ? m_device->mode() : PlayerMode::NoDevice;
}

int TcmxMP3::Position() const
{
    return m_device->isOpen() ? secondsFromMs(m_device->positionMs()) : 0;
}

qint64 TcmxMP3::PositionMs() const { return m_device->isOpen() ? m_device->positionMs() : 0; }

QString TcmxMP3::Name() const
{
    const QString name = extractFileName(m_fileName);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.left(dot) : name;
}

void TcmxMP3::progressStep()
{
    // A step queued before Stop finds the device closed and does nothing.
    if (!m_timer.isActive() || !m_device->isOpen())
        return;
    emit progress(Position());
}

} // namespace vireo
