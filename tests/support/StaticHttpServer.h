#pragma once
// A real HTTP server on 127.0.0.1 for tests of whole programs: Debian's
// python3 serving a folder (query strings are ignored, a folder answers
// with its index.html). Started on a free port, stopped when this goes.
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace vireo::test {

class StaticHttpServer {
public:
    StaticHttpServer();
    ~StaticHttpServer();
    bool started() const { return m_port != 0; }
    quint16 port() const { return m_port; }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    // Puts a file at the given address path ("/search/album").
    void put(const QString &path, const QByteArray &bytes);

private:
    QTemporaryDir m_root;
    QProcess m_process;
    quint16 m_port = 0;
};

} // namespace vireo::test
