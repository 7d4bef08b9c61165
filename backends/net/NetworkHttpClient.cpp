#include "backends/net/NetworkHttpClient.h"

#include "core/coverart/CoverSearchTexts.h"

#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace vireo::net {

using coverart::HttpRequest;
using coverart::HttpResponse;

NetworkHttpClient::NetworkHttpClient(QObject *parent) : QObject(parent)
{
    m_manager.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    m_manager.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

NetworkHttpClient::~NetworkHttpClient()
{
    // Callers are told nothing more once the client goes.
    for (Running &r : m_running) {
        r.done = nullptr;
        if (r.reply) {
            r.reply->disconnect(this);
            r.reply->abort();
            r.reply->deleteLater();
        }
    }
    m_running.clear();
}

void NetworkHttpClient::setProxy(const coverart::ProxyChoice &proxy)
{
    if (proxy.useProxy)
        m_manager.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, proxy.host, proxy.port));
    else
        m_manager.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
}

void NetworkHttpClient::get(const HttpRequest &request, std::function<void(const HttpResponse &)> done)
{
    const QUrl url(request.url, QUrl::TolerantMode);
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https")) {
        HttpResponse r;
        r.transport = Result::failure(ErrorCode::InvalidArgument,
                                      coverart::texts::requestFailed(request.url, QStringLiteral("invalid address")));
        // Always answer later, never inside get().
        QTimer::singleShot(0, this, [done, r] { done(r); });
        return;
    }
    QNetworkRequest req(url);
    for (const auto &[name, value] : request.headers)
        req.setRawHeader(name, value);
    req.setTransferTimeout(request.timeoutMs);
    QNetworkReply *reply = m_manager.get(req);
    m_running.push_back({reply, std::move(done), request.url, request.maxBytes, false});
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64 total) {
        for (Running &r : m_running)
            if (r.reply == reply && r.maxBytes > 0 && (received > r.maxBytes || total > r.maxBytes)) {
                r.tooLarge = true;
                reply->abort();
            }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { complete(reply); });
}

void NetworkHttpClient::complete(QNetworkReply *reply)
{
    reply->deleteLater();
    auto it = std::find_if(m_running.begin(), m_running.end(), [&](const Running &r) { return r.reply == reply; });
    if (it == m_running.end())
        return;
    Running running = std::move(*it);
    m_running.erase(it);

    HttpResponse r;
    r.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    r.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    bool ok = false;
    const int retry = reply->rawHeader("Retry-After").trimmed().toInt(&ok);
    r.retryAfterSeconds = ok && retry >= 0 ? retry : -1;
    const QNetworkReply::NetworkError error = reply->error();
    if (running.tooLarge) {
        r.transport = Result::failure(ErrorCode::TooLarge,
                                      coverart::texts::requestFailed(running.url, QStringLiteral("answer too large")));
    } else if (error == QNetworkReply::OperationCanceledError) {
        // Qt reports a transfer timeout as a cancelled operation.
        r.transport = Result::failure(ErrorCode::Timeout, coverart::texts::timedOut(running.url));
    } else if (error != QNetworkReply::NoError && r.status == 0) {
        r.transport = Result::failure(ErrorCode::Network,
                                      coverart::texts::requestFailed(running.url, reply->errorString()));
    } else {
        r.body = reply->readAll();
    }
    if (running.done)
        running.done(r);
}

void NetworkHttpClient::cancelAll()
{
    std::vector<Running> running;
    running.swap(m_running);
    for (Running &r : running) {
        if (r.reply) {
            r.reply->disconnect(this);
            r.reply->abort();
            r.reply->deleteLater();
        }
    }
    for (Running &r : running) {
        HttpResponse response;
        response.transport = Result::failure(ErrorCode::Cancelled, coverart::texts::requestFailed(r.url, QStringLiteral("cancelled")));
        if (r.done) {
            auto done = r.done;
            QTimer::singleShot(0, this, [done, response] { done(response); });
        }
    }
}

} // namespace vireo::net
