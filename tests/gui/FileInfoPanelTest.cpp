// The file information page over real MP3 files: the stream boxes, the tag
// grid and its buttons, the artwork (a JPEG, a PNG stored as "image/jpeg",
// a damaged JPEG showing "NO IMAGE" and logged once), missing and unreadable files.
#include "core/formats/ID3v2.h"
#include "core/library/EventLog.h"
#include "core/library/TrackRecord.h"
#include "core/settings/MainWindowSettings.h"
#include "gui/fileinfo/ArtworkView.h"
#include "gui/fileinfo/FileInfoController.h"
#include "gui/fileinfo/FileInfoPanel.h"
#include "tests/support/TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

using namespace vireo;
using namespace vireo::fileinfo;
using namespace vireo::views;

namespace {

QByteArray encoded(const QColor &colour, const char *format, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

} // namespace

class FileInfoPanelTest : public QObject {
    Q_OBJECT

    vireo::test::TempProgramFolder m_dir;

    // A real stream with an ID3v2 tag holding the picture (none when empty).
    QString mp3(const char *name, const QByteArray &picture, const QString &mime)
    {
        const QString path = m_dir.file(QString::fromLatin1(name));
        vireo::test::writeFile(path, vireo::test::silentMpegFrames(3000));
        TID3v2 tag;
        tag.setTitle(QStringLiteral("題名"));
        if (!picture.isEmpty()) {
            tag.Picture().MimeType = mime;
            tag.Picture().ImageData = picture;
        }
        if (!tag.SaveTag(path))
            qFatal("cannot tag %s", name);
        return path;
    }
    static TID3ListItem track(const QString &path, bool v1, bool v2)
    {
        TID3ListItem t(path, 0);
        t.Exists = true;
        if (v1) {
            TID3v1Record r;
            r.Title = "Old title";
            r.Genre = 255;
            t.SetV1(r);
        }
        if (v2) {
            TID3v2Record r;
            r.Title = QStringLiteral("題名");
            r.Composer = QStringLiteral("作曲");
            t.SetV2(r);
        }
        return t;
    }
    int logCount(const QString &text) const
    {
        QFile f(eventLog().unicodeLogPath());
        if (!f.open(QIODevice::ReadOnly))
            return 0;
        const QByteArray raw = f.readAll();
        return int(QString::fromUtf16(reinterpret_cast<const char16_t *>(raw.constData()), raw.size() / 2)
                       .count(text));
    }
    static QRgb artworkCentre(FileInfoPanel &panel)
    {
        const QImage img = panel.artworkWindow()->grab().toImage();
        return img.pixel(img.width() / 2, img.height() / 2);
    }

private slots:
    void initTestCase()
    {
        eventLog().setFolder(m_dir.path());
        setLoggingEnabled(true);
    }

    void bothTagsEndInTheV2ViewWithTheStream()
    {
        FileInfoPanel panel;
        panel.resize(900, 230);
        FileInfoController c(panel);
        TID3ListItem t = track(mp3("both.mp3", encoded(Qt::blue, "JPG", QSize(400, 200)),
                                   QStringLiteral("image/jpeg")), true, true);
        c.showTrack(&t);
        QCOMPARE(panel.fileNameLabel()->text(), t.FileName);
        QVERIFY(panel.v1Button()->isEnabled() && panel.v2Button()->isEnabled());
        QVERIFY(panel.v2Button()->isChecked());
        QCOMPARE(panel.grid()->rowCount(), 12);
        QCOMPARE(panel.grid()->item(11, 0)->text(), QStringLiteral("作曲者"));
        QCOMPARE(panel.grid()->item(11, 1)->text(), QStringLiteral("作曲"));
        QCOMPARE(panel.streamBox(BitRateBox)->text(), QStringLiteral("CBR 128 kbit/s"));
        QCOMPARE(panel.streamBox(SampleRateBox)->text(), QStringLiteral("44.1 KHz"));
        QCOMPARE(panel.streamBox(DurationBox)->text(), QStringLiteral("1分18秒"));
        QVERIFY(panel.noImageLabel()->isHidden());
        const QColor centre(artworkCentre(panel));
        QVERIFY2(centre.blue() > 200 && centre.red() < 40, qPrintable(centre.name()));
        // Kept proportions: 400 × 200 in a 199-wide area is 199 × 99 or so.
        QVERIFY(qAbs(panel.artwork()->image().height() * 2 - panel.artwork()->image().width()) <= 2);

        panel.v1Button()->click();
        QVERIFY(panel.v1Button()->isChecked() && !panel.v2Button()->isChecked());
        QCOMPARE(panel.grid()->rowCount(), 7);
        QCOMPARE(panel.grid()->item(0, 1)->text(), QStringLiteral("Old title"));
        QCOMPARE(panel.grid()->item(5, 1)->text(), QString()); // genre 255
    }

    void v1OnlyTrackLeavesV2Disabled()
    {
        FileInfoPanel panel;
        FileInfoController c(panel);
        TID3ListItem t = track(mp3("v1.mp3", {}, {}), true, false);
        c.showTrack(&t);
        QVERIFY(!panel.v2Button()->isEnabled());
        QVERIFY(panel.v1Button()->isChecked());
        QCOMPARE(panel.grid()->rowCount(), 7);
        QVERIFY(!panel.noImageLabel()->isHidden());
    }

    void pictureDecodedByContentAndDamagedShowsNoImage()
    {
        FileInfoPanel panel;
        panel.resize(900, 230);
        FileInfoController c(panel);
        TID3ListItem png = track(mp3("png.mp3", encoded(Qt::green, "PNG", QSize(50, 50)),
                                     QStringLiteral("image/jpeg")), false, true);
        c.showTrack(&png);
        QVERIFY(panel.noImageLabel()->isHidden());
        QVERIFY(QColor(artworkCentre(panel)).green() > 200);

        const QByteArray damaged = encoded(Qt::red, "JPG", QSize(64, 64)).left(120);
        TID3ListItem bad = track(mp3("bad.mp3", damaged, QStringLiteral("image/jpeg")), false, true);
        const int before = logCount(QStringLiteral("bad.mp3"));
        c.showTrack(&bad);
        c.showTrack(&bad);
        QVERIFY(!panel.noImageLabel()->isHidden());
        QVERIFY(panel.artwork()->image().isNull()); // not the previous track's picture
        QCOMPARE(panel.streamBox(BitRateBox)->text(), QStringLiteral("CBR 128 kbit/s")); // the boxes still filled
        QCOMPARE(logCount(QStringLiteral("bad.mp3")) - before, 1);
    }

    void missingAndUnreadableFiles()
    {
        FileInfoPanel panel;
        FileInfoController c(panel);
        QSignalSpy cannot(&c, &FileInfoController::cannotRead);
        QSignalSpy exists(&c, &FileInfoController::existsChanged);
        TID3ListItem good = track(mp3("good.mp3", encoded(Qt::blue, "JPG", QSize(20, 20)),
                                      QStringLiteral("image/jpeg")), false, true);
        c.showTrack(&good);
        TID3ListItem gone = track(m_dir.file(QStringLiteral("gone.mp3")), false, false);
        c.showTrack(&gone);
        QVERIFY(!gone.Exists);
        QCOMPARE(exists.count(), 1);
        QCOMPARE(cannot.count(), 0); // no message for a vanished file
        QVERIFY(panel.streamBox(FileSizeBox)->text().isEmpty());
        QVERIFY(!panel.noImageLabel()->isHidden());
        QCOMPARE(panel.grid()->rowCount(), 0); // no tags: not the previous track's rows
        QVERIFY(!panel.v1Button()->isEnabled() && !panel.v2Button()->isEnabled());

        const QString tiny = m_dir.file(QStringLiteral("tiny.mp3"));
        vireo::test::writeFile(tiny, QByteArray(100, 'x'));
        TID3ListItem t = track(tiny, false, false);
        c.showTrack(&t);
        QCOMPARE(cannot.count(), 1);
        QCOMPARE(cannot.at(0).at(0).toString(), QStringLiteral("Can not read data from the file: ") + tiny);
    }

    void artworkToggle()
    {
        FileInfoPanel panel;
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(panel.artworkAction()->text(), QStringLiteral("アートワーク表示"));
        QVERIFY(panel.artworkWindow()->isVisible());
        panel.artworkAction()->trigger();
        QVERIFY(!panel.artworkWindow()->isVisible());
        QCOMPARE(panel.artworkWindow()->width(), 199);
        MainWindowSettings s;
        s.artworkVisible = true;
        panel.collectSettings(s);
        QVERIFY(!s.artworkVisible); // JacketShow
        s.artworkVisible = true;
        panel.applySettings(s);
        QVERIFY(panel.artworkWindow()->isVisible());
        QVERIFY(panel.artworkAction()->isChecked());
    }
};

QTEST_MAIN(FileInfoPanelTest)
#include "FileInfoPanelTest.moc"
