#include "backends/audio/GstAudioDevice.h"

#include <QFile>
#include <QFileInfo>

#include <gst/gst.h>

#include <mutex>

namespace vireo {

namespace {
constexpr guint kPlayFlagAudio = 0x2; // playbin: audio only, no video, text or soft volume
constexpr GstClockTime kOpenTimeout = 10 * GST_SECOND;
} // namespace

struct GstCallbacks {
    static GstBusSyncReply bus(GstBus *, GstMessage *msg, gpointer data)
    {
        auto *d = static_cast<GstAudioDevice *>(data);
        if (GST_MESSAGE_TYPE(msg) == GST_MESSAGE_EOS) {
            const quint64 gen = d->m_generation.load();
            QMetaObject::invokeMethod(
                d, [d, gen] { d->deliver(true, Result(), gen); }, Qt::QueuedConnection);
        } else if (GST_MESSAGE_TYPE(msg) == GST_MESSAGE_ERROR) {
            GError *err = nullptr;
            gchar *debug = nullptr;
            gst_message_parse_error(msg, &err, &debug);
            const int code = err ? err->code : 0;
            const QString text = err && err->message ? QString::fromUtf8(err->message) : QString();
            g_clear_error(&err);
            g_free(debug);
            QString path;
            {
                QMutexLocker lock(&d->m_errorLock);
                if (!d->m_hasError) {
                    d->m_hasError = true;
                    d->m_errorCode = code;
                    d->m_errorText = text;
                }
                path = d->m_path;
            }
            const Result error = Result::failure(
                ErrorCode::IoError,
                playerErrorText(code, text.isEmpty() ? text : text + QStringLiteral(" (") + path + u')'));
            const quint64 gen = d->m_generation.load();
            QMetaObject::invokeMethod(
                d, [d, gen, error] { d->deliver(false, error, gen); }, Qt::QueuedConnection);
        }
        return GST_BUS_DROP;
    }

    static GstPadProbeReturn buffer(GstPad *, GstPadProbeInfo *, gpointer data)
    {
        auto *d = static_cast<GstAudioDevice *>(data);
        if (d->m_waitFirstBuffer.exchange(false))
            d->m_firstBufferMs.store(d->m_playClock.elapsed());
        return GST_PAD_PROBE_OK;
    }
};

bool GstAudioDevice::initialise(QString *why)
{
    static std::once_flag once;
    static bool ok = false;
    static QString reason;
    std::call_once(once, [] {
        GError *err = nullptr;
        if (!gst_init_check(nullptr, nullptr, &err)) {
            reason = QStringLiteral("GStreamer cannot start: ")
                     + QString::fromUtf8(err ? err->message : "unknown cause");
            g_clear_error(&err);
            return;
        }
        GstElementFactory *f = gst_element_factory_find("playbin");
        if (!f) {
            reason = QStringLiteral("GStreamer's playbin is missing (gstreamer1.0-plugins-base)");
            return;
        }
        gst_object_unref(f);
        ok = true;
    });
    if (why)
        *why = reason;
    return ok;
}

GstAudioDevice::GstAudioDevice() = default;

GstAudioDevice::~GstAudioDevice()
{
    if (!m_pipeline)
        return;
    gst_element_set_state(m_pipeline, GST_STATE_NULL);
    GstBus *bus = gst_element_get_bus(m_pipeline);
    gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
    gst_object_unref(bus);
    gst_object_unref(m_pipeline);
}

Result GstAudioDevice::makePipeline()
{
    m_pipeline = gst_element_factory_make("playbin", nullptr);
    if (!m_pipeline)
        return Result::failure(ErrorCode::Unsupported, QStringLiteral("GStreamer's playbin is missing"));
    g_object_set(m_pipeline, "flags", kPlayFlagAudio, nullptr);
    GstElement *sink = nullptr;
    const QByteArray desc = qgetenv("VIREO_AUDIO_SINK");
    if (!desc.isEmpty()) {
        GError *err = nullptr;
        sink = gst_parse_bin_from_description(desc.constData(), TRUE, &err);
        if (!sink) {
            const QString text = QString::fromUtf8(err ? err->message : "unknown cause");
            g_clear_error(&err);
            gst_object_unref(m_pipeline);
            m_pipeline = nullptr;
            return Result::failure(ErrorCode::InvalidArgument,
                                   QStringLiteral("VIREO_AUDIO_SINK \"%1\": %2")
                                       .arg(QString::fromUtf8(desc), text));
        }
    } else {
        sink = gst_element_factory_make("autoaudiosink", nullptr);
    }
    if (sink) {
        if (GstPad *pad = gst_element_get_static_pad(sink, "sink")) {
            gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, &GstCallbacks::buffer, this, nullptr);
            gst_object_unref(pad);
        }
        g_object_set(m_pipeline, "audio-sink", sink, nullptr);
    }
    GstBus *bus = gst_element_get_bus(m_pipeline);
    gst_bus_set_sync_handler(bus, &GstCallbacks::bus, this, nullptr);
    gst_object_unref(bus);
    return Result::success();
}

Result GstAudioDevice::takeError(int fallbackCode, const QString &fallback)
{
    QMutexLocker lock(&m_errorLock);
    int code = fallbackCode;
    QString text = fallback;
    if (m_hasError) {
        code = m_errorCode;
        text = m_errorText;
    }
    m_hasError = false;
    if (!text.isEmpty())
        text += QStringLiteral(" (") + m_path + u')';
    const ErrorCode ec = QFileInfo::exists(m_path) ? ErrorCode::BadData : ErrorCode::NotFound;
    return Result::failure(ec, playerErrorText(code, text));
}

Result GstAudioDevice::open(const QString &path)
{
    QString why;
    if (!initialise(&why))
        return Result::failure(ErrorCode::Unsupported, why);
    if (m_open)
        close();
    if (!m_pipeline) {
        Result r = makePipeline();
        if (!r)
            return r;
    }
    {
        QMutexLocker lock(&m_errorLock);
        m_hasError = false;
        m_path = path;
    }
    GError *err = nullptr;
    gchar *uri = gst_filename_to_uri(QFile::encodeName(QFileInfo(path).absoluteFilePath()).constData(), &err);
    if (!uri) {
        g_clear_error(&err);
        return Result::failure(ErrorCode::InvalidArgument, playerErrorText(0, QStringLiteral("bad file name (") + path + u')'));
    }
    g_object_set(m_pipeline, "uri", uri, nullptr);
    g_free(uri);

    m_playClock.start();
    m_firstBufferMs.store(-1);
    m_waitFirstBuffer.store(true);
    GstStateChangeReturn ret = gst_element_set_state(m_pipeline, GST_STATE_PAUSED);
    if (ret == GST_STATE_CHANGE_ASYNC)
        ret = gst_element_get_state(m_pipeline, nullptr, nullptr, kOpenTimeout);
    bool failed;
    {
        QMutexLocker lock(&m_errorLock);
        failed = m_hasError;
    }
    if (ret == GST_STATE_CHANGE_FAILURE || ret == GST_STATE_CHANGE_ASYNC || failed) {
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
        m_waitFirstBuffer.store(false);
        return takeError(ret == GST_STATE_CHANGE_ASYNC ? 1 : 0,
                         ret == GST_STATE_CHANGE_ASYNC ? QStringLiteral("the file did not open in time")
                                                       : QString());
    }
    m_open = true;
    m_mode = PlayerMode::Stopped;
    return Result::success();
}

void GstAudioDevice::close()
{
    ++m_generation;
    if (m_pipeline)
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
    m_open = false;
    m_mode = PlayerMode::NoDevice;
}

qint64 GstAudioDevice::lengthMs()
{
    gint64 d = 0;
    if (!m_open || !gst_element_query_duration(m_pipeline, GST_FORMAT_TIME, &d) || d < 0)
        return 0;
    return d / GST_MSECOND;
}

qint64 GstAudioDevice::positionMs()
{
    gint64 p = 0;
    if (!m_open || !gst_element_query_position(m_pipeline, GST_FORMAT_TIME, &p) || p < 0)
        return 0;
    return p / GST_MSECOND;
}

Result GstAudioDevice::play()
{
    if (!m_open)
        return Result::failure(ErrorCode::Failed, playerErrorText(0, QString()));
    ++m_generation;
    if (gst_element_set_state(m_pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        return takeError(0, QString());
    m_mode = PlayerMode::Playing;
    return Result::success();
}

Result GstAudioDevice::pause()
{
    if (!m_open)
        return Result::success();
    if (gst_element_set_state(m_pipeline, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE)
        return takeError(0, QString());
    m_mode = PlayerMode::Paused;
    return Result::success();
}

Result GstAudioDevice::resume()
{
    if (!m_open)
        return Result::success();
    if (gst_element_set_state(m_pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        return takeError(0, QString());
    m_mode = PlayerMode::Playing;
    return Result::success();
}

Result GstAudioDevice::stop()
{
    ++m_generation;
    if (m_open)
        gst_element_set_state(m_pipeline, GST_STATE_READY);
    if (m_open)
        m_mode = PlayerMode::Stopped;
    return Result::success();
}

PlayerMode GstAudioDevice::mode() const { return m_open ? m_mode : PlayerMode::NoDevice; }

void GstAudioDevice::deliver(bool end, const Result &error, quint64 generation)
{
    // A message from a play that has since been stopped or closed is stale.
    if (generation != m_generation.load() || !m_open)
        return;
    if (m_mode != PlayerMode::Playing && m_mode != PlayerMode::Paused)
        return;
    m_mode = PlayerMode::Stopped;
    if (end) {
        if (onEnd)
            onEnd();
    } else if (onError) {
        onError(error);
    }
}

AudioDeviceFactory gstAudioDeviceFactory()
{
    return [] { return std::unique_ptr<AudioDevice>(new GstAudioDevice()); };
}

} // namespace vireo
