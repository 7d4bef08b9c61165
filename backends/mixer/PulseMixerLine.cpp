#include "backends/mixer/PulseMixerLine.h"

#include <QThread>
#include <QElapsedTimer>

#include <pulse/pulseaudio.h>

#include <cmath>

namespace vireo {

quint32 channelFromPulse(quint32 v)
{
    const double c = std::nearbyint(double(v) * 65535.0 / double(PA_VOLUME_NORM));
    return quint32(std::min(c, 65535.0));
}

quint32 pulseFromChannel(quint32 c)
{
    return quint32(std::nearbyint(double(std::min<quint32>(c, 65535)) * double(PA_VOLUME_NORM) / 65535.0));
}

struct PulseMixerLine::Impl {
    PulseMixerLine *owner = nullptr;
    pa_threaded_mainloop *loop = nullptr;
    pa_context *ctx = nullptr;
    mutable QMutex lock; // guards the cached state below (read by the UI thread)
    bool ready = false;
    bool haveSink = false;
    QString defaultSink;
    uint32_t sinkIndex = PA_INVALID_INDEX;
    pa_cvolume volume{};
    bool mute = false;

    static void contextState(pa_context *, void *data)
    {
        pa_threaded_mainloop_signal(static_cast<Impl *>(data)->loop, 0);
    }

    static void serverInfo(pa_context *c, const pa_server_info *info, void *data)
    {
        auto *d = static_cast<Impl *>(data);
        if (info && info->default_sink_name) {
            const QString name = QString::fromUtf8(info->default_sink_name);
            bool changed;
            {
                QMutexLocker l(&d->lock);
                changed = name != d->defaultSink;
                d->defaultSink = name;
            }
            if (changed)
                pa_operation_unref(pa_context_get_sink_info_by_name(c, info->default_sink_name, &Impl::sinkInfo, d));
        }
        pa_threaded_mainloop_signal(d->loop, 0);
    }

    static void sinkInfo(pa_context *, const pa_sink_info *info, int eol, void *data)
    {
        auto *d = static_cast<Impl *>(data);
        if (eol || !info) {
            pa_threaded_mainloop_signal(d->loop, 0);
            return;
        }
        bool volumeChanged, muteChanged;
        {
            QMutexLocker l(&d->lock);
            if (QString::fromUtf8(info->name) != d->defaultSink)
                return;
            volumeChanged = !d->haveSink || !pa_cvolume_equal(&d->volume, &info->volume);
            muteChanged = !d->haveSink || d->mute != bool(info->mute);
            d->haveSink = true;
            d->sinkIndex = info->index;
            d->volume = info->volume;
            d->mute = info->mute;
        }
        if ((volumeChanged || muteChanged) && d->owner) {
            PulseMixerLine *o = d->owner;
            QMetaObject::invokeMethod(
                o, [o, volumeChanged, muteChanged] {
                    if (o->onChanged)
                        o->onChanged(volumeChanged, muteChanged);
                },
                Qt::QueuedConnection);
        }
        pa_threaded_mainloop_signal(d->loop, 0);
    }

    static void subscription(pa_context *c, pa_subscription_event_type_t t, uint32_t index, void *data)
    {
        auto *d = static_cast<Impl *>(data);
        const unsigned facility = t & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
        if (facility == PA_SUBSCRIPTION_EVENT_SERVER) {
            pa_operation_unref(pa_context_get_server_info(c, &Impl::serverInfo, d));
        } else if (facility == PA_SUBSCRIPTION_EVENT_SINK) {
            uint32_t ours;
            {
                QMutexLocker l(&d->lock);
                ours = d->sinkIndex;
            }
            if (index == ours)
                pa_operation_unref(pa_context_get_sink_info_by_index(c, index, &Impl::sinkInfo, d));
        }
    }

    static void success(pa_context *, int, void *data)
    {
        pa_threaded_mainloop_signal(static_cast<Impl *>(data)->loop, 0);
    }

    // Runs op to completion; the loop's lock is held by the caller.
    void wait(pa_operation *op)
    {
        if (!op)
            return;
        while (pa_operation_get_state(op) == PA_OPERATION_RUNNING)
            pa_threaded_mainloop_wait(loop);
        pa_operation_unref(op);
    }
};

PulseMixerLine::PulseMixerLine() : d(new Impl) { d->owner = this; }

PulseMixerLine::~PulseMixerLine()
{
    if (d->loop) {
        pa_threaded_mainloop_lock(d->loop);
        if (d->ctx) {
            pa_context_set_subscribe_callback(d->ctx, nullptr, nullptr);
            pa_context_set_state_callback(d->ctx, nullptr, nullptr);
            pa_context_disconnect(d->ctx);
            pa_context_unref(d->ctx);
        }
        pa_threaded_mainloop_unlock(d->loop);
        pa_threaded_mainloop_stop(d->loop);
        pa_threaded_mainloop_free(d->loop);
    }
    delete d;
}

bool PulseMixerLine::connectToServer(int timeoutMs, QString *why)
{
    auto fail = [&](const QString &cause) {
        if (why)
            *why = cause;
        return false;
    };
    if (d->loop)
        return available();
    d->loop = pa_threaded_mainloop_new();
    if (!d->loop)
        return fail(QStringLiteral("the sound server's main loop cannot be made"));
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(d->loop);
    d->ctx = pa_context_new(api, "Vireo");
    pa_context_set_state_callback(d->ctx, &Impl::contextState, d);
    if (pa_context_connect(d->ctx, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return fail(QStringLiteral("no sound server: %1").arg(QString::fromUtf8(pa_strerror(pa_context_errno(d->ctx)))));
    if (pa_threaded_mainloop_start(d->loop) < 0)
        return fail(QStringLiteral("the sound server's main loop cannot start"));

    QElapsedTimer clock;
    clock.start();
    pa_threaded_mainloop_lock(d->loop);
    pa_context_state_t state;
    while ((state = pa_context_get_state(d->ctx)) != PA_CONTEXT_READY) {
        if (!PA_CONTEXT_IS_GOOD(state) || clock.elapsed() > timeoutMs) {
            const QString cause = QString::fromUtf8(pa_strerror(pa_context_errno(d->ctx)));
            pa_threaded_mainloop_unlock(d->loop);
            return fail(QStringLiteral("no sound server: %1").arg(cause));
        }
        // Woken by the state callback; a short unlock keeps the timeout honest.
        pa_threaded_mainloop_unlock(d->loop);
        QThread::msleep(5);
        pa_threaded_mainloop_lock(d->loop);
    }
    d->ready = true;
    pa_context_set_subscribe_callback(d->ctx, &Impl::subscription, d);
    d->wait(pa_context_subscribe(
        d->ctx, pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SERVER),
        &Impl::success, d));
    d->wait(pa_context_get_server_info(d->ctx, &Impl::serverInfo, d));
    QString sink;
    {
        QMutexLocker l(&d->lock);
        sink = d->defaultSink;
    }
    if (!sink.isEmpty())
        d->wait(pa_context_get_sink_info_by_name(d->ctx, sink.toUtf8().constData(), &Impl::sinkInfo, d));
    pa_threaded_mainloop_unlock(d->loop);
    if (!available())
        return fail(QStringLiteral("the sound server has no output"));
    return true;
}

bool PulseMixerLine::available() const
{
    QMutexLocker l(&d->lock);
    return d->ready && d->haveSink;
}

QString PulseMixerLine::sinkName() const
{
    QMutexLocker l(&d->lock);
    return d->defaultSink;
}

std::vector<quint32> PulseMixerLine::channelValues() const
{
    QMutexLocker l(&d->lock);
    std::vector<quint32> out;
    if (!d->haveSink)
        return out;
    for (unsigned i = 0; i < d->volume.channels; ++i)
        out.push_back(channelFromPulse(d->volume.values[i]));
    return out;
}

void PulseMixerLine::setChannelValues(const std::vector<quint32> &values)
{
    if (!available() || values.empty())
        return;
    pa_cvolume v;
    uint32_t index;
    {
        QMutexLocker l(&d->lock);
        v = d->volume;
        index = d->sinkIndex;
        for (unsigned i = 0; i < v.channels && i < values.size(); ++i)
            v.values[i] = pulseFromChannel(values[i]);
        d->volume = v; // shown at once; the server's echo then finds nothing new
    }
    ++m_writes;
    pa_threaded_mainloop_lock(d->loop);
    d->wait(pa_context_set_sink_volume_by_index(d->ctx, index, &v, &Impl::success, d));
    pa_threaded_mainloop_unlock(d->loop);
}

bool PulseMixerLine::muted() const
{
    QMutexLocker l(&d->lock);
    return d->haveSink && d->mute;
}

void PulseMixerLine::setMuted(bool on)
{
    if (!available())
        return;
    uint32_t index;
    {
        QMutexLocker l(&d->lock);
        d->mute = on;
        index = d->sinkIndex;
    }
    ++m_writes;
    pa_threaded_mainloop_lock(d->loop);
    d->wait(pa_context_set_sink_mute_by_index(d->ctx, index, on, &Impl::success, d));
    pa_threaded_mainloop_unlock(d->loop);
}

} // namespace vireo
