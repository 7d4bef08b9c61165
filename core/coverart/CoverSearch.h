#pragma once
// One cover search over the configured sources, one after another: the
// search request of each source, then every match's pictures, each checked
// before it is offered. Matches arrive one by one (hitReady); the search
// ends with finished(), once, carrying the first failure when any request
// failed (the other sources still ran) or success.
//
// Requests to MusicBrainz keep to one a second through the shared pacer and
// back off on 503. cancel() (and destruction) drop every running request;
// nothing is reported after it.
#include "core/coverart/CoverResult.h"
#include "core/coverart/CoverSearchSettings.h"
#include "core/coverart/HttpClient.h"
#include "core/coverart/RequestPacer.h"

#include <QElapsedTimer>
#include <QObject>

namespace vireo::coverart {

class CoverSearch : public QObject {
    Q_OBJECT
public:
    CoverSearch(HttpClient &client, RequestPacer &musicBrainzPacer, QObject *parent = nullptr);
    ~CoverSearch() override;

    void setSettings(const CoverSearchSettings &settings) { m_settings = settings; }
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    void setMaxResultsPerSource(int n) { m_maxResults = n; }

    // Starts a search for the keywords of artist and album. Does nothing
    // while a search runs.
    void start(const QString &artist, const QString &album);
    void cancel();
    bool isRunning() const { return m_running; }

    // The headers a source's requests carry.
    static QList<QPair<QByteArray, QByteArray>> headersFor(CoverSource source);

signals:
    void hitReady(const vireo::coverart::CoverHit &hit);
    void finished(const vireo::Result &result);

private:
    void nextSource();
    void sendSearch(int attempt);
    void onSearchAnswer(const HttpResponse &response, int attempt);
    void nextPicture();
    void onPicture(const HttpResponse &response);
    void noteFailure(const Result &failure);
    void finish();
    bool acceptPicture(const QByteArray &data, PictureInfo &info) const;
    template <typename F> auto guarded(F f);

    HttpClient &m_client;
    RequestPacer &m_pacer;
    CoverSearchSettings m_settings;
    int m_timeoutMs = 15000;
    int m_maxResults = 10;
    QElapsedTimer m_clock;

    bool m_running = false;
    quint64 m_generation = 0;
    QString m_artist, m_album;
    int m_sourceIndex = -1;
    CoverSource m_source = CoverSource::Classic;
    QString m_searchUrl;
    QList<CoverResult> m_results;
    int m_resultIndex = 0;
    int m_pictureIndex = 0;
    CoverHit m_hit;
    Result m_firstFailure;
};

} // namespace vireo::coverart
