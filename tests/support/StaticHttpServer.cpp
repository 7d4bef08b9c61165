#include "tests/support/StaticHttpServer.h"

#include "tests/support/TestSupport.h"

#include <QRegularExpression>

namespace vireo::test {

StaticHttpServer::StaticHttpServer()
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(QStringLiteral(VIREO_PYTHON3),
                    {QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"), QStringLiteral("0"),
                     QStringLiteral("--bind"), QStringLiteral("127.0.0.1"), QStringLiteral("--directory"),
                     m_root.path()});
    if (!m_process.waitForStarted(5000))
        return;
    static const QRegularExpression portLine(QStringLiteral("port (\\d+)"));
    QByteArray seen;
    for (int i = 0; i < 50 && m_port == 0; ++i) {
        m_process.waitForReadyRead(200);
        seen += m_process.readAll();
        const auto m = portLine.match(QString::fromLatin1(seen));
        if (m.hasMatch())
            m_port = quint16(m.captured(1).toUInt());
    }
}

StaticHttpServer::~StaticHttpServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
}

void StaticHttpServer::put(const QString &path, const QByteArray &bytes)
{
    QString file = m_root.path() + path;
    if (file.endsWith(u'/'))
        file += QStringLiteral("index.html");
    writeFile(file, bytes);
}

} // namespace vireo::test
