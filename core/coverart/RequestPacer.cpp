#include "core/coverart/RequestPacer.h"

#include <algorithm>

namespace vireo::coverart {

qint64 RequestPacer::delayBefore(qint64 now) const
{
    if (!m_sentAny && m_nextAllowed == 0)
        return 0;
    return std::max<qint64>(0, m_nextAllowed - now);
}

void RequestPacer::noteSent(qint64 now)
{
    m_sentAny = true;
    m_nextAllowed = std::max(m_nextAllowed, now + m_interval);
}

qint64 RequestPacer::backOff(qint64 now, int attempt, int retryAfterSeconds)
{
    if (attempt >= m_maxRetries)
        return -1;
    qint64 wait;
    if (retryAfterSeconds >= 0)
        wait = std::min<qint64>(qint64(retryAfterSeconds) * 1000, 60000);
    else
        wait = m_interval << std::min(attempt, 6);
    wait = std::max(wait, m_interval);
    m_nextAllowed = std::max(m_nextAllowed, now + wait);
    return m_nextAllowed - now;
}

} // namespace vireo::coverart
