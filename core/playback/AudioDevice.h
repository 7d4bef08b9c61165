#pragma once
// The sound output the built-in player drives: one file at a time, length and
// position in milliseconds, play from the current position with an end
// notification, pause, resume, stop, close. The program's implementation is
// GStreamer's playbin (backends/audio); the core only sees this interface.
#include "core/platform/Result.h"

#include <QString>

#include <functional>
#include <memory>

namespace vireo {

// Modes as the player reports them.
enum class PlayerMode {
    NotReady = 0, Stopped = 1, Playing = 2, Recording = 3, Seeking = 4,
    Paused = 5, Open = 6, NoDevice = 7,
};

class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    // Opens the file (the decoder is ready and the length known).
    virtual Result open(const QString &path) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual qint64 lengthMs() = 0;
    virtual qint64 positionMs() = 0;
    // Plays from the current position; at the end onEnd runs on the thread
    // that owns the device (the user-interface thread), never after stop() or
    // close() has returned.
    virtual Result play() = 0;
    virtual Result pause() = 0;
    virtual Result resume() = 0;
    virtual Result stop() = 0;
    virtual PlayerMode mode() const = 0;

    // Set by the owner. onError reports a failure that happens while playing
    // (a file that turns out to be unplayable, a vanished file, a lost output).
    std::function<void()> onEnd;
    std::function<void(const Result &)> onError;
};

using AudioDeviceFactory = std::function<std::unique_ptr<AudioDevice>()>;

// "%d - %s" with the device's error code and text, or "原因不明のエラー" when
// the device has no text for the code.
QString playerErrorText(int code, const QString &text);

} // namespace vireo
