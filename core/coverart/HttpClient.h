#pragma once
// The web client the cover search talks through. The program's client runs
// over Qt Network (backends/net); the core only states what it needs: one
// asynchronous GET at a time per caller, with headers, a timeout, a size
// limit and a way to drop every running request.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>

namespace vireo::coverart {

struct HttpRequest {
    QString url;
    QList<QPair<QByteArray, QByteArray>> headers;
    int timeoutMs = 15000;
    qint64 maxBytes = 32 * 1024 * 1024;
};

struct HttpResponse {
    // The transport's outcome: a failure (Network, Timeout, TooLarge,
    // Cancelled) when no complete answer arrived. An HTTP error status is a
    // success here; the caller judges `status`.
    Result transport;
    int status = 0;
    QByteArray body;
    QByteArray contentType;
    // Seconds from a Retry-After header, or -1.
    int retryAfterSeconds = -1;
};

class HttpClient {
public:
    virtual ~HttpClient() = default;
    // Starts a GET; `done` runs once, later, on the caller's thread — also
    // with a Cancelled failure when cancelAll() drops the request.
    virtual void get(const HttpRequest &request, std::function<void(const HttpResponse &)> done) = 0;
    // Drops every running request of this client.
    virtual void cancelAll() = 0;
};

} // namespace vireo::coverart
