#include "tests/backends/net/LoopbackHttpServer.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace vireo::test {

LoopbackHttpServer::LoopbackHttpServer(QObject *parent) : QObject(parent)
{
    m_clock.start();
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::onConnection);
}

QString LoopbackHttpServer::base() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

void LoopbackHttpServer::route(const QByteArray &path, const Answer &answer)
{
    m_routes[path] = {answer};
}

void LoopbackHttpServer::routeSequence(const QByteArray &path, const QList<Answer> &answers)
{
    m_routes[path] = answers;
}

QList<SeenRequest> LoopbackHttpServer::seenFor(const QByteArray &path) const
{
    QList<SeenRequest> out;
    for (const SeenRequest &s : m_seen) {
        const QByteArray target = s.target.startsWith("http://") ? QUrl(QString::fromLatin1(s.target)).path().toLatin1()
                                                                 : s.target.split('?').first();
        if (target == path)
            out << s;
    }
    return out;
}

Answer LoopbackHttpServer::answerFor(const QByteArray &path)
{
    auto it = m_routes.find(path);
    if (it == m_routes.end() || it->isEmpty()) {
        Answer a;
        a.status = 404;
        a.body = "not found";
        return a;
    }
    Answer a = it->first();
    if (it->size() > 1)
        it->removeFirst();
    return a;
}

void LoopbackHttpServer::onConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onData(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void LoopbackHttpServer::onData(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    buffer.remove(0, end + 4);
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    SeenRequest seen;
    seen.target = requestLine.value(1);
    seen.atMs = m_clock.elapsed();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            seen.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    m_seen << seen;

    Answer answer;
    if (seen.target.startsWith("http://")) {
        // Only a proxy answers absolute-form requests.
        const QUrl url(QString::fromLatin1(seen.target));
        if (m_origin)
            answer = m_origin->answerFor(url.path(QUrl::FullyEncoded).toLatin1());
        else
            answer = Answer{400, "absolute-form request to an origin server", "text/plain", 0, {}};
    } else {
        answer = answerFor(seen.target.split('?').first());
    }

    QByteArray reply = "HTTP/1.1 " + QByteArray::number(answer.status) + " Status\r\n";
    reply += "Content-Type: " + answer.contentType + "\r\n";
    reply += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    for (const auto &[name, value] : answer.headers)
        reply += name + ": " + value + "\r\n";
    reply += "Connection: close\r\n\r\n" + answer.body;
    QPointer<QTcpSocket> guard(socket);
    auto send = [this, guard, reply] {
        --m_pending;
        if (!guard || guard->state() != QAbstractSocket::ConnectedState)
            return;
        guard->write(reply);
        guard->disconnectFromHost();
    };
    ++m_pending;
    if (answer.delayMs > 0)
        QTimer::singleShot(answer.delayMs, this, send);
    else
        send();
}

QByteArray gifBytes(int width, int height)
{
    QByteArray d("GIF89a");
    d += char(width & 0xFF);
    d += char(width >> 8);
    d += char(height & 0xFF);
    d += char(height >> 8);
    d += QByteArray("\x00\x00\x00;", 4);
    return d;
}

} // namespace vireo::test
