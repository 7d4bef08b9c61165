// The cover search window against HTTP servers on 127.0.0.1: panels and
// decoded pictures, the search command disabled while it runs, closing
// cancels, and saving asks before replacing folder.jpg.
#include "gui/coverart/FindNetJacketForm.h"

#include "backends/net/NetworkHttpClient.h"
#include "tests/support/StaticHttpServer.h"
#include "tests/support/TestSupport.h"

#include <QBuffer>
#include <QImage>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

using namespace vireo;
using namespace vireo::gui;

namespace {

QByteArray encoded(int w, int h, const char *format)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A JPEG whose header passes the check but whose data does not decode.
QByteArray brokenJpeg()
{
    QByteArray d("\xFF\xD8\xFF\xC0\x00\x11\x08\x03\xE8\x03\xE8\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 21);
    d += QByteArray("\xFF\xD9", 2);
    return d;
}

} // namespace

class CoverSearchWindowTest : public QObject {
    Q_OBJECT

    coverart::CoverSearchSettings deezerAt(const QString &base)
    {
        coverart::CoverSearchSettings s;
        s.sources = {coverart::CoverSource::Deezer};
        s.deezerBase = base;
        return s;
    }

private slots:
    void searchShowsDecodedPicturesAndSaves()
    {
        vireo::test::StaticHttpServer server;
        QVERIFY(server.started());
        QByteArray json = vireo::test::readFile(QStringLiteral(VIREO_TEST_DATA "/coverart/deezer_album_search.json"));
        json.replace("{BASE}", server.base().toLatin1());
        server.put(QStringLiteral("/search/album"), json);
        const QString cover = QStringLiteral("/images/cover/2e018122cb56986277102d2041a592c8/");
        server.put(cover + QStringLiteral("250x250-000000-80-0-0.jpg"), encoded(25, 25, "JPEG"));
        server.put(cover + QStringLiteral("500x500-000000-80-0-0.jpg"), encoded(50, 50, "PNG"));
        server.put(cover + QStringLiteral("1000x1000-000000-80-0-0.jpg"), brokenJpeg());
        // The second album's pictures are not there: it makes no panel.

        net::NetworkHttpClient client;
        coverart::RequestPacer pacer;
        TFindNetJacketForm form(client, pacer, deezerAt(server.base()));
        QStringList messages;
        form.setMessageSink([&](const QString &m) { messages << m; });
        QTemporaryDir album;
        form.OpenSearch(QStringLiteral("Daft Punk"), QStringLiteral("Discovery"), album.path());
        QCOMPARE(form.windowTitle(), QStringLiteral("Vireo カバーアート検索"));
        form.show();
        auto *button = form.findChild<QPushButton *>(QStringLiteral("SpTBXItem4"));
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!messages.isEmpty(), 15000);
        QCOMPARE(messages, QStringList{QStringLiteral("画像検索終了")});
        QVERIFY(button->isEnabled());
        QCOMPARE(form.panelCount(), 1);
        QCOMPARE(form.pictureCount(), 2); // the picture that does not decode is not offered
        QVERIFY(form.findChild<QWidget *>(QStringLiteral("NewImage1")));

        const QString target = album.filePath(QStringLiteral("folder.jpg"));
        // The PNG picture saved under a ".jpg" name is written as JPEG.
        QVERIFY(form.savePictureTo(1, target));
        const QByteArray saved = vireo::test::readFile(target);
        QVERIFY(saved.startsWith("\xFF\xD8"));
        QCOMPARE(QImage::fromData(saved).size(), QSize(50, 50));
        int asked = 0;
        form.setOverwriteQuestion([&](const QString &) { return ++asked, false; });
        QVERIFY(!form.savePictureTo(0, target));
        QCOMPARE(asked, 1);
        QCOMPARE(vireo::test::readFile(target), saved); // unchanged
        form.setOverwriteQuestion([&](const QString &) { return ++asked, true; });
        QVERIFY(form.savePictureTo(0, target));
        QCOMPARE(vireo::test::readFile(target), form.pictureData(0));

        // A second search replaces the panels.
        messages.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!messages.isEmpty(), 15000);
        QCOMPARE(form.panelCount(), 1);
    }

    void searchDisabledWhileRunningAndCloseCancels()
    {
        // A server that accepts and never answers.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        QList<QTcpSocket *> held;
        connect(&silent, &QTcpServer::newConnection, this, [&] {
            while (QTcpSocket *s = silent.nextPendingConnection())
                held << s;
        });
        net::NetworkHttpClient client;
        coverart::RequestPacer pacer;
        auto *form = new TFindNetJacketForm(client, pacer,
                                            deezerAt(QStringLiteral("http://127.0.0.1:%1").arg(silent.serverPort())));
        QStringList messages;
        form->setMessageSink([&](const QString &m) { messages << m; });
        form->OpenSearch(QStringLiteral("A"), QStringLiteral("B"), QDir::tempPath());
        form->show();
        auto *button = form->findChild<QPushButton *>(QStringLiteral("SpTBXItem4"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!button->isEnabled());
        QVERIFY(form->isSearching());
        QTRY_COMPARE(held.size(), 1);
        QTest::mouseClick(button, Qt::LeftButton); // disabled: nothing happens
        QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("CloseButton")), Qt::LeftButton);
        QVERIFY(!form->isSearching());
        QCOMPARE(client.runningCount(), 0);
        delete form;
        QTest::qWait(100);
        QVERIFY(messages.isEmpty());
    }
};

QTEST_MAIN(CoverSearchWindowTest)
#include "CoverSearchWindowTest.moc"
