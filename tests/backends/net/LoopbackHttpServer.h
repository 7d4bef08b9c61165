#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for the web client's tests: it
// answers GETs from a table of recorded answers (a slow one, a 503, ...),
// records every request it saw with its headers and arrival time, and in
// proxy mode answers absolute-form requests ("GET http://host/path") from
// another server's table, as an HTTP proxy on loopback would.
#include "tests/support/PictureBytes.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

namespace vireo::test {

struct Answer {
    int status = 200;
    QByteArray body;
    QByteArray contentType = "application/octet-stream";
    int delayMs = 0;
    QList<QPair<QByteArray, QByteArray>> headers;
};

struct SeenRequest {
    QByteArray target; // as sent: "/path?query" or, through a proxy, "http://host/path"
    QHash<QByteArray, QByteArray> headers; // names in lower case
    qint64 atMs = 0;
};

class LoopbackHttpServer : public QObject {
    Q_OBJECT
public:
    explicit LoopbackHttpServer(QObject *parent = nullptr);
    quint16 port() const { return m_server.serverPort(); }
    QString base() const; // "http://127.0.0.1:<port>"

    // Answers for a path (without query). Several answers are given in turn;
    // the last one repeats.
    void route(const QByteArray &path, const Answer &answer);
    void routeSequence(const QByteArray &path, const QList<Answer> &answers);
    // Answers absolute-form requests from `origin`'s table.
    void actAsProxyFor(LoopbackHttpServer *origin) { m_origin = origin; }

    const QList<SeenRequest> &seen() const { return m_seen; }
    QList<SeenRequest> seenFor(const QByteArray &path) const;
    // Answers still waiting to be sent (slow routes).
    int pending() const { return m_pending; }

private:
    void onConnection();
    void onData(QTcpSocket *socket);
    Answer answerFor(const QByteArray &path);

    QTcpServer m_server;
    QHash<QByteArray, QList<Answer>> m_routes;
    QList<SeenRequest> m_seen;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    LoopbackHttpServer *m_origin = nullptr;
    QElapsedTimer m_clock;
    int m_pending = 0;
};

// Header-only pictures: enough for the header check, no image library.
QByteArray gifBytes(int width, int height);

} // namespace vireo::test
