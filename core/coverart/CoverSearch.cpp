#include "core/coverart/CoverSearch.h"

#include "core/coverart/CoverResultScan.h"
#include "core/coverart/CoverSearchTexts.h"
#include "core/coverart/CoverSearchUrl.h"
#include "core/coverart/PictureCheck.h"

#include <QPointer>
#include <QTimer>

namespace vireo::coverart {

// Wraps a handler so it runs only while this object lives and the search
// that asked is still the current one.
template <typename F> auto CoverSearch::guarded(F f)
{
    return [self = QPointer<CoverSearch>(this), generation = m_generation, f](auto &&...args) {
        if (self && self->m_running && self->m_generation == generation)
            f(std::forward<decltype(args)>(args)...);
    };
}

CoverSearch::CoverSearch(HttpClient &client, RequestPacer &musicBrainzPacer, QObject *parent)
    : QObject(parent), m_client(client), m_pacer(musicBrainzPacer)
{
    m_clock.start();
}

CoverSearch::~CoverSearch()
{
    cancel();
}

QList<QPair<QByteArray, QByteArray>> CoverSearch::headersFor(CoverSource source)
{
    if (source == CoverSource::Classic)
        return {{"Accept", "text/html, */*"}, {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"}};
    return {{"Accept", "application/json, image/*;q=0.9, */*;q=0.5"}, {"User-Agent", musicBrainzUserAgent()}};
}

void CoverSearch::start(const QString &artist, const QString &album)
{
    if (m_running)
        return;
    m_running = true;
    ++m_generation;
    m_artist = artist;
    m_album = album;
    m_sourceIndex = -1;
    m_firstFailure = Result();
    if (m_settings.sources.isEmpty()) {
        noteFailure(Result::failure(ErrorCode::InvalidArgument, texts::noSources()));
        // Report later, as every other outcome is.
        QTimer::singleShot(0, this, guarded([this] { finish(); }));
        return;
    }
    QTimer::singleShot(0, this, guarded([this] { nextSource(); }));
}

void CoverSearch::cancel()
{
    if (!m_running)
        return;
    m_running = false;
    ++m_generation;
    m_client.cancelAll();
}

void CoverSearch::noteFailure(const Result &failure)
{
    if (m_firstFailure.ok())
        m_firstFailure = failure;
}

void CoverSearch::finish()
{
    m_running = false;
    ++m_generation;
    emit finished(m_firstFailure);
}

void CoverSearch::nextSource()
{
    ++m_sourceIndex;
    if (m_sourceIndex >= m_settings.sources.size()) {
        finish();
        return;
    }
    m_source = m_settings.sources[m_sourceIndex];
    m_results.clear();
    switch (m_source) {
    case CoverSource::Classic:
        if (m_settings.classicHost.isEmpty() || m_settings.classicHost.contains(u'/')) {
            noteFailure(Result::failure(ErrorCode::InvalidArgument,
                                        texts::badHost(QStringLiteral("CoverSearchHost"), m_settings.classicHost)));
            nextSource();
            return;
        }
        m_searchUrl = BuildSearchUrl(searchKeywords(m_artist, m_album), m_settings.classicHost);
        break;
    case CoverSource::MusicBrainz: {
        const QString base = normalizedBase(m_settings.musicBrainzBase);
        if (base.isEmpty()) {
            noteFailure(Result::failure(ErrorCode::InvalidArgument,
                                        texts::badHost(QStringLiteral("MusicBrainzHost"), m_settings.musicBrainzBase)));
            nextSource();
            return;
        }
        m_searchUrl = buildMusicBrainzUrl(base, m_artist, m_album, m_maxResults);
        break;
    }
    case CoverSource::Deezer: {
        const QString base = normalizedBase(m_settings.deezerBase);
        if (base.isEmpty()) {
            noteFailure(Result::failure(ErrorCode::InvalidArgument,
                                        texts::badHost(QStringLiteral("DeezerHost"), m_settings.deezerBase)));
            nextSource();
            return;
        }
        m_searchUrl = buildDeezerUrl(base, m_artist, m_album);
        break;
    }
    }
    sendSearch(0);
}

void CoverSearch::sendSearch(int attempt)
{
    if (m_source == CoverSource::MusicBrainz) {
        const qint64 wait = m_pacer.delayBefore(m_clock.elapsed());
        if (wait > 0) {
            QTimer::singleShot(int(wait), this, guarded([this, attempt] { sendSearch(attempt); }));
            return;
        }
        m_pacer.noteSent(m_clock.elapsed());
    }
    HttpRequest request{m_searchUrl, headersFor(m_source), m_timeoutMs, 8 * 1024 * 1024};
    m_client.get(request, guarded([this, attempt](const HttpResponse &r) { onSearchAnswer(r, attempt); }));
}

void CoverSearch::onSearchAnswer(const HttpResponse &response, int attempt)
{
    const QString source = sourceName(m_source);
    if (!response.transport) {
        noteFailure(response.transport);
        nextSource();
        return;
    }
    if (response.status == 503 && m_source == CoverSource::MusicBrainz) {
        const qint64 wait = m_pacer.backOff(m_clock.elapsed(), attempt, response.retryAfterSeconds);
        if (wait < 0) {
            noteFailure(Result::failure(ErrorCode::Network, texts::busy(source)));
            nextSource();
            return;
        }
        QTimer::singleShot(int(wait), this, guarded([this, attempt] { sendSearch(attempt + 1); }));
        return;
    }
    if (response.status != 200) {
        noteFailure(Result::failure(ErrorCode::Network,
                                    texts::requestFailed(m_searchUrl, QStringLiteral("HTTP %1").arg(response.status))));
        nextSource();
        return;
    }
    ResultOf<QList<CoverResult>> parsed = [&] {
        switch (m_source) {
        case CoverSource::MusicBrainz:
            return parseMusicBrainzReleases(response.body, normalizedBase(m_settings.coverArtBase));
        case CoverSource::Deezer:
            return parseDeezerAlbums(response.body);
        case CoverSource::Classic:
            break;
        }
        return scanClassicResults(response.body);
    }();
    if (!parsed) {
        noteFailure(parsed.status());
        nextSource();
        return;
    }
    m_results = parsed.value().mid(0, m_maxResults);
    m_resultIndex = 0;
    m_pictureIndex = 0;
    if (!m_results.isEmpty())
        m_hit = CoverHit{m_results.first(), {}};
    nextPicture();
}

void CoverSearch::nextPicture()
{
    while (m_resultIndex < m_results.size()) {
        const CoverResult &result = m_results[m_resultIndex];
        if (m_pictureIndex < result.pictureUrls.size()) {
            HttpRequest request{result.pictureUrls[m_pictureIndex], headersFor(m_source), m_timeoutMs,
                                16 * 1024 * 1024};
            m_client.get(request, guarded([this](const HttpResponse &r) { onPicture(r); }));
            return;
        }
        // Every picture of this match has been asked for.
        const bool show = m_source == CoverSource::Classic || !m_hit.pictures.isEmpty();
        ++m_resultIndex;
        m_pictureIndex = 0;
        const CoverHit done = m_hit;
        if (m_resultIndex < m_results.size())
            m_hit = CoverHit{m_results[m_resultIndex], {}};
        if (show) {
            const quint64 generation = m_generation;
            emit hitReady(done);
            if (!m_running || generation != m_generation) // cancelled by a receiver
                return;
        }
    }
    nextSource();
}

bool CoverSearch::acceptPicture(const QByteArray &data, PictureInfo &info) const
{
    if (m_source == CoverSource::Classic && !IsJpegData(data))
        return false;
    info = inspectPicture(data);
    return info.usable();
}

void CoverSearch::onPicture(const HttpResponse &response)
{
    const QString url = m_results[m_resultIndex].pictureUrls[m_pictureIndex];
    ++m_pictureIndex;
    if (!response.transport) {
        // A picture that does not arrive costs only itself; the first such
        // failure is reported when the search ends.
        noteFailure(response.transport);
    } else if (response.status == 200) {
        PictureInfo info;
        if (acceptPicture(response.body, info))
            m_hit.pictures << CoverPicture{url, response.body, info};
    }
    // Other statuses (a release without that picture answers 404) are
    // simply no picture.
    nextPicture();
}

} // namespace vireo::coverart
