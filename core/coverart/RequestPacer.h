#pragma once
// MusicBrainz asks each client for at most one request a second and answers
// 503 when a client asks faster. The pacer decides when the next request
// may go and how long to back off after a 503; times are milliseconds of
// one monotonic clock, given by the caller.
#include <QtGlobal>

namespace vireo::coverart {

class RequestPacer {
public:
    explicit RequestPacer(qint64 intervalMs = 1000, int maxRetries = 3)
        : m_interval(intervalMs), m_maxRetries(maxRetries) {}

    // How long to wait at `now` before the next request may be sent.
    qint64 delayBefore(qint64 now) const;
    // A request went out at `now`.
    void noteSent(qint64 now);
    // A 503 arrived at `now` for the attempt numbered `attempt` (0 = first
    // try). Gives the wait before the retry (the Retry-After seconds when
    // the answer gave them, else 1 s, 2 s, 4 s, ...) and holds every request
    // back until then; -1 when the retries are used up.
    qint64 backOff(qint64 now, int attempt, int retryAfterSeconds);

    qint64 interval() const { return m_interval; }

private:
    qint64 m_interval;
    int m_maxRetries;
    qint64 m_nextAllowed = 0;
    bool m_sentAny = false;
};

} // namespace vireo::coverart
