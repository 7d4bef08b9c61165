#include "core/library/ExistenceCheck.h"

#include "core/platform/FileAccess.h"

#include <QThread>

namespace vireo {

QStringList MissingFiles(const QStringList &paths, const std::atomic_bool *stop)
{
    QStringList missing;
    for (const QString &path : paths) {
        if (stop && stop->load(std::memory_order_relaxed))
            break;
        if (!fileExists(path))
            missing.append(path);
    }
    return missing;
}

BackgroundExistenceCheck::BackgroundExistenceCheck(QObject *parent) : QObject(parent) {}

BackgroundExistenceCheck::~BackgroundExistenceCheck() { cancel(); }

bool BackgroundExistenceCheck::isRunning() const { return m_thread && m_thread->isRunning(); }

void BackgroundExistenceCheck::cancel()
{
    if (!m_thread)
        return;
    m_stop->store(true);
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

void BackgroundExistenceCheck::start(const QStringList &paths)
{
    cancel();
    auto stop = std::make_shared<std::atomic_bool>(false);
    m_stop = stop;
    // cancel() waits for the thread, so this object outlives it; the result
    // is queued to this object's thread and dropped when the check was
    // cancelled (or the object destroyed) meanwhile.
    m_thread = QThread::create([this, paths, stop] {
        QStringList missing = MissingFiles(paths, stop.get());
        if (stop->load())
            return;
        QMetaObject::invokeMethod(
            this,
            [this, stop, missing = std::move(missing)] {
                if (!stop->load())
                    emit finished(missing);
            },
            Qt::QueuedConnection);
    });
    m_thread->start(QThread::LowPriority);
}

} // namespace vireo
