#pragma once
// The cover search's web client over Qt Network: asynchronous GETs with the
// caller's headers, a transfer timeout, a size limit, the proxy from the
// settings, cookies kept for the client's life, and redirects followed
// (the Cover Art Archive answers with one).
#include "core/coverart/CoverSearchSettings.h"
#include "core/coverart/HttpClient.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>

#include <vector>

class QNetworkReply;

namespace vireo::net {

class NetworkHttpClient : public QObject, public coverart::HttpClient {
    Q_OBJECT
public:
    explicit NetworkHttpClient(QObject *parent = nullptr);
    ~NetworkHttpClient() override;

    // A direct connection, or the HTTP proxy of the choice.
    void setProxy(const coverart::ProxyChoice &proxy);

    void get(const coverart::HttpRequest &request,
             std::function<void(const coverart::HttpResponse &)> done) override;
    void cancelAll() override;

    int runningCount() const { return int(m_running.size()); }

private:
    struct Running {
        QPointer<QNetworkReply> reply;
        std::function<void(const coverart::HttpResponse &)> done;
        QString url;
        qint64 maxBytes = 0;
        bool tooLarge = false;
    };
    void complete(QNetworkReply *reply);

    QNetworkAccessManager m_manager;
    std::vector<Running> m_running;
};

} // namespace vireo::net
