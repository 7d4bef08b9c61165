#pragma once
// The existence check of the library's files, off the user-interface thread:
// a start with trusted caches shows the window first and learns afterwards
// which files have gone, then marks them.
#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>

class QThread;

namespace vireo {

// The paths that name no existing file (a folder counts as missing), in
// their order. Stops early, with what it has, once stop is set.
QStringList MissingFiles(const QStringList &paths, const std::atomic_bool *stop = nullptr);

// Runs MissingFiles on a thread of its own; finished() arrives in the
// thread that started it. Destroying it (or cancel()) stops the thread
// between two files and waits for it; finished() is then not sent.
class BackgroundExistenceCheck : public QObject {
    Q_OBJECT
public:
    explicit BackgroundExistenceCheck(QObject *parent = nullptr);
    ~BackgroundExistenceCheck() override;

    // Starts a check; one already running is cancelled first.
    void start(const QStringList &paths);
    void cancel();
    bool isRunning() const;

signals:
    void finished(const QStringList &missing);

private:
    std::shared_ptr<std::atomic_bool> m_stop;
    QThread *m_thread = nullptr;
};

} // namespace vireo
