// The cover strip rendered offscreen: the picture and shadow at their insets,
// the selected cover drawn larger, covers found and decoded only when their
// cell is painted, a damaged JPEG showing "NO IMAGE" (logged once), a PNG
// stored under "image/jpeg", the device pixel ratio, paging, hint and menu.
#include "core/formats/ID3v2.h"
#include "core/library/EventLog.h"
#include "core/settings/MainWindowSettings.h"
#include "core/views/NodeData.h"
#include "gui/covers/CoverCache.h"
#include "gui/app/VireoMainForm.h"
#include "gui/covers/CoverStrip.h"
#include "gui/covers/CoverStripController.h"
#include "gui/fileinfo/FileInfoPanel.h"
#include "gui/shell/CoverStripWidgets.h"
#include "tests/gui/helpers/GuiFixture.h"
#include "tests/support/TestSupport.h"

#include <QBuffer>
#include <QDockWidget>
#include <QLabel>
#include <QTabBar>
#include <QTableView>
#include <QTreeView>
#include <QFile>
#include <QHelpEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

using namespace vireo;
using namespace vireo::covers;
using namespace vireo::views;

namespace {

const QColor kRed(220, 20, 20);
const QColor kGreen(20, 200, 40);

QByteArray encoded(const QColor &colour, const char *format, QSize size = QSize(300, 300))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

bool near(QRgb px, const QColor &c, int tolerance = 24)
{
    return qAbs(qRed(px) - c.red()) <= tolerance && qAbs(qGreen(px) - c.green()) <= tolerance
        && qAbs(qBlue(px) - c.blue()) <= tolerance;
}

} // namespace

class CoverStripTest : public QObject {
    Q_OBJECT

    vireo::test::TempProgramFolder m_dir;
    AlbumList m_albums;

    AlbumEntry album(const QString &name, const QString &artist)
    {
        const QString folder = m_dir.file(name);
        QDir().mkpath(folder);
        const QString track = folder + QStringLiteral("/01.mp3");
        vireo::test::writeFile(track, vireo::test::silentMpegFrames(2));
        TreeNode node = makeAlbumNode(name, artist, folder, -1, track);
        return AlbumEntry{name, node.Data};
    }
    int logCount(const QString &text) const
    {
        QFile f(eventLog().unicodeLogPath());
        if (!f.open(QIODevice::ReadOnly))
            return 0;
        const QByteArray raw = f.readAll();
        const QString log = QString::fromUtf16(reinterpret_cast<const char16_t *>(raw.constData()),
                                               raw.size() / 2);
        return int(log.count(text));
    }
    QImage shot(CoverStrip &strip) { return strip.grid()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

private slots:
    void initTestCase()
    {
        eventLog().setFolder(m_dir.path());
        setLoggingEnabled(true);
        // 0: album-named JPEG; 1: damaged folder.jpg; 2: nothing at all;
        // 3: a PNG in the tag stored as "image/jpeg"; 4..9: red folder.jpg each.
        m_albums.push_back(album(QStringLiteral("Red"), QStringLiteral("A")));
        vireo::test::writeFile(m_dir.file(QStringLiteral("Red/Red.jpg")), encoded(kRed, "JPG"));
        m_albums.push_back(album(QStringLiteral("Broken"), QStringLiteral("A")));
        // A real JPEG cut short inside its header tables.
        vireo::test::writeFile(m_dir.file(QStringLiteral("Broken/folder.jpg")), encoded(kRed, "JPG").left(120));
        m_albums.push_back(album(QStringLiteral("Plain"), QStringLiteral("B")));
        m_albums.push_back(album(QStringLiteral("Tagged"), QStringLiteral("C")));
        TID3v2 tag;
        tag.Picture().MimeType = QStringLiteral("image/jpeg");
        tag.Picture().ImageData = encoded(kGreen, "PNG", QSize(40, 30));
        QVERIFY(tag.SaveTag(m_dir.file(QStringLiteral("Tagged/01.mp3"))));
        for (int i = 4; i < 10; ++i) {
            const QString name = QStringLiteral("More%1").arg(i);
            m_albums.push_back(album(name, QStringLiteral("D")));
            vireo::test::writeFile(m_dir.file(name + QStringLiteral("/folder.jpg")), encoded(kRed, "JPG"));
        }
    }

    void picturesSitAtTheirInsets()
    {
        CoverCache cache;
        CoverStrip strip(cache);
        strip.setSizeStep(2);
        strip.resize(128 * 5 + 60, 128);
        strip.SetCovers(m_albums);
        const QImage img = shot(strip);
        QCOMPARE(strip.cellSide(), 128);
        // Unselected: the cover is inset by 12 on every side.
        QCOMPARE(QColor(img.pixel(11, 11)), QColor(Qt::black));
        QVERIFY(near(img.pixel(12, 12), kRed));
        QVERIFY(near(img.pixel(115, 115), kRed));
        // The grey shadow shows two pixels right of and below the cover.
        QCOMPARE(img.pixel(116, 60), qRgb(0x80, 0x80, 0x80));
        QCOMPARE(img.pixel(117, 60), qRgb(0x80, 0x80, 0x80));
        QCOMPARE(QColor(img.pixel(118, 60)), QColor(Qt::black));
        QCOMPARE(img.pixel(60, 117), qRgb(0x80, 0x80, 0x80));
        QCOMPARE(QColor(img.pixel(14, 116)), QColor(Qt::black)); // the shadow starts 3 pixels in
        QCOMPARE(img.pixel(15, 116), qRgb(0x80, 0x80, 0x80));

        // Selected: inset by 3, so it is drawn larger.
        strip.SelectCover(0, 0);
        const QImage sel = shot(strip);
        QCOMPARE(QColor(sel.pixel(2, 2)), QColor(Qt::black));
        QVERIFY(near(sel.pixel(3, 3), kRed));
        QVERIFY(near(sel.pixel(124, 124), kRed));
        QCOMPARE(sel.pixel(125, 60), qRgb(0x80, 0x80, 0x80));
        QCOMPARE(QColor(sel.pixel(127, 60)), QColor(Qt::black));
    }

    void damagedAndMislabelledPictures()
    {
        CoverCache cache;
        CoverStrip strip(cache);
        strip.resize(64 * 5 + 60, 64);
        strip.SetCovers(m_albums);
        const int before = logCount(QStringLiteral("Broken/folder.jpg"));
        QImage img = shot(strip);
        strip.grid()->repaint();
        img = shot(strip);
        // The damaged picture: no cover, "NO IMAGE" and the album name in white.
        const QRect p = coverPictureRect(64, false).translated(64, 0);
        int white = 0;
        for (int y = p.top(); y <= p.bottom(); ++y)
            for (int x = p.left(); x <= p.right(); ++x)
                white += QColor(img.pixel(x, y)).lightness() > 200;
        QVERIFY2(white > 10, "NO IMAGE is drawn");
        QVERIFY(!near(img.pixel(64 + 32, 32), kRed));
        QCOMPARE(logCount(QStringLiteral("Broken/folder.jpg")) - before, 1); // logged once
        QCOMPARE(cache.stats().failures, 1);
        // A PNG in the tag under "image/jpeg" is decoded by its content.
        QVERIFY(near(img.pixel(3 * 64 + 32, 32), kGreen));
        // No cover: the grey shadow square on black, the album name, no picture.
        QCOMPARE(QColor(img.pixel(2 * 64 + 2, 2)), QColor(Qt::black));
        QCOMPARE(img.pixel(2 * 64 + 32, 20), qRgb(0x80, 0x80, 0x80));
    }

    void coversAreFoundOnlyWhenPaintedAndReadOnce()
    {
        CoverCache cache;
        CoverStrip strip(cache);
        strip.SetCovers(m_albums);
        QCOMPARE(cache.stats().lookups, 0);
        strip.resize(60 + 64 * 2, 64); // the grid shows two cells and a bit
        shot(strip);
        const qint64 looked = cache.stats().lookups;
        QVERIFY(looked >= 2 && looked <= 3);
        const qint64 reads = cache.stats().reads;
        for (int i = 0; i < 5; ++i)
            shot(strip);
        QCOMPARE(cache.stats().reads, reads);
        strip.scrollToColumn(6);
        shot(strip);
        QVERIFY(cache.stats().lookups > looked);
        QVERIFY(cache.isCached(*m_albums[6].Data, QSize(64, 64)));
        QVERIFY(!cache.isCached(*m_albums[5].Data, QSize(64, 64)));
    }

    void aCoverSavedLaterShowsAfterTheFolderIsForgotten()
    {
        CoverCache cache;
        CoverStrip strip(cache);
        strip.resize(64 * 5 + 60, 64);
        AlbumList two{album(QStringLiteral("Later"), QStringLiteral("E")), m_albums[0]};
        strip.SetCovers(two);
        QVERIFY(!near(shot(strip).pixel(32, 32), kRed)); // no cover yet
        vireo::test::writeFile(m_dir.file(QStringLiteral("Later/folder.jpg")), encoded(kRed, "JPG"));
        QVERIFY(!near(shot(strip).pixel(32, 32), kRed)); // the lookup is remembered
        const qint64 reads = cache.stats().reads;
        cache.invalidateFolder(two[0].Data->Folder);
        QVERIFY(near(shot(strip).pixel(32, 32), kRed));
        QCOMPARE(cache.stats().reads, reads + 1); // the other album stays cached
        QVERIFY(cache.isCached(*two[1].Data, QSize(64, 64)));
    }

    void highDensityDrawsAtThePixelRatio()
    {
        CoverCache cache;
        CoverStrip strip(cache);
        strip.resize(60 + 64 * 3, 64);
        strip.SetCovers(m_albums);
        QImage target(strip.grid()->size() * 2, QImage::Format_RGB32);
        target.setDevicePixelRatio(2.0);
        target.fill(Qt::white);
        strip.grid()->render(&target);
        // Decoded at 128 × 128 device pixels, drawn with the insets doubled.
        QVERIFY(cache.isCached(*m_albums[0].Data, QSize(128, 128)));
        QVERIFY(!cache.isCached(*m_albums[0].Data, QSize(64, 64)));
        QCOMPARE(QColor(target.pixel(11, 11)), QColor(Qt::black));
        QVERIFY(near(target.pixel(12, 12), kRed));
        QVERIFY(near(target.pixel(115, 115), kRed));
        QCOMPARE(target.pixel(117, 60), qRgb(0x80, 0x80, 0x80));
    }

    void clicksAndButtonsOpenAlbums()
    {
        CoverCache cache;
        CoverStrip strip(cache);
        strip.resize(60 + 64 * 3, 64);
        strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&strip));
        strip.SetCovers(m_albums);
        QSignalSpy open(&strip, &CoverStrip::OpenCoverAlbum);
        QTest::mouseClick(strip.grid(), Qt::LeftButton, {}, QPoint(64 * 2 + 10, 10));
        QCOMPARE(open.count(), 1);
        QCOMPARE(open.takeFirst().at(0).toInt(), 2);
        QCOMPARE(strip.selectedColumn(), 2);

        strip.SelectCover(0, 0);
        strip.previousButton()->click(); // "<" on the first cell changes nothing
        QCOMPARE(open.count(), 0);
        QCOMPARE(strip.selectedColumn(), 0);
        strip.SelectCover(0, int(m_albums.size()) - 1);
        QCOMPARE(strip.firstVisibleColumn(), int(m_albums.size()) - strip.view().fullyVisible);
        strip.nextButton()->click(); // ">" on the last one neither
        QCOMPARE(open.count(), 0);
        strip.previousButton()->click();
        QCOMPARE(open.count(), 1);
        QCOMPARE(open.takeFirst().at(0).toInt(), int(m_albums.size()) - 2);
    }

    void hintNamesAlbumAndArtist()
    {
        CoverCache cache;
        CoverStrip strip(cache);
        strip.resize(60 + 64 * 3, 64);
        strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&strip));
        strip.SetCovers(m_albums);
        const QPoint at(64 + 5, 5);
        QHelpEvent help(QEvent::ToolTip, at, strip.grid()->mapToGlobal(at));
        QApplication::sendEvent(strip.grid(), &help);
        QCOMPARE(QToolTip::text(), QStringLiteral("Broken\nA"));
        QToolTip::hideText();
    }

    void menuSizesAndCaptions()
    {
        CoverCache cache;
        CoverStrip strip(cache);
        strip.resize(60 + 192 * 2, 64);
        strip.SetCovers(m_albums);
        QStringList texts;
        for (QAction *a : strip.popupMenu()->actions())
            if (!a->isSeparator())
                texts << a->text();
        QCOMPARE(texts, (QStringList{QStringLiteral("画像検索（amazon)"), QStringLiteral("表示サイズ（小）"),
                                     QStringLiteral("表示サイズ（中）"), QStringLiteral("表示サイズ（大）"),
                                     QStringLiteral("アルバム名表示"), QStringLiteral("閉じる")}));
        strip.popupMenu()->actions().at(4)->trigger(); // 表示サイズ（大）
        QCOMPARE(strip.sizeStep(), 3);
        QCOMPARE(strip.height(), 192);
        QCOMPARE(strip.grid()->height(), 192);

        // Album names on the covers: white text over the red picture near the caption.
        const QImage plain = shot(strip);
        strip.setShowAlbumNames(true);
        const QImage named = shot(strip);
        const QPoint cap = coverCaptionPosition(192, strip.captionFontHeight());
        int changed = 0;
        for (int y = cap.y(); y < std::min(192, cap.y() + 20); ++y)
            for (int x = cap.x(); x < 80; ++x)
                changed += plain.pixel(x, y) != named.pixel(x, y);
        QVERIFY(changed > 20);
        // JKListSize and JKListAlbumname.
        MainWindowSettings s;
        strip.collectSettings(s);
        QCOMPARE(s.coverListSize, 3);
        QVERIFY(s.coverListAlbumNames);
        s.coverListSize = 0; // a hand-edited 0 is the small strip
        s.coverListAlbumNames = false;
        strip.applySettings(s);
        QCOMPARE(strip.cellSide(), 64);
        QVERIFY(!strip.showAlbumNames());
        QVERIFY(!strip.popupMenu()->actions().at(5)->isChecked());
        QSignalSpy search(&strip, &CoverStrip::coverSearchRequested);
        strip.SelectCover(0, 1);
        strip.searchAction()->trigger();
        QCOMPARE(search.count(), 1);
        QCOMPARE(search.at(0).at(0).toInt(), 1);
    }

    void cacheStaysWithinItsBudget()
    {
        CoverCache cache(3 * 64 * 64 * 4); // room for three small covers
        CoverStrip strip(cache);
        strip.resize(60 + 64 * 2, 64);
        strip.SetCovers(m_albums);
        for (int first = 0; first < int(m_albums.size()); ++first) {
            strip.scrollToColumn(first);
            shot(strip);
            QVERIFY(cache.stats().bytes <= cache.budget());
        }
        QVERIFY(cache.stats().evictions > 0);
    }

    void installedInTheMainWindow()
    {
        gui::test::GuiFixture fx;
        vireo::test::writeFile(fx.musicFolder() + QStringLiteral("/Alpha/Second/folder.jpg"), encoded(kRed, "JPG"));
        gui::TVireoMainForm &form = fx.start();
        CoverStrip &strip = form.covers().strip();
        QVERIFY(form.coverStrip().JacketListWindow->isVisibleTo(&form)); // JKListVisible defaults to shown
        QTreeView *tree = form.treePanel().TreeView_Artist;
        const QModelIndex alpha = tree->model()->index(1, 0);
        QCOMPARE(alpha.data().toString().left(5), QStringLiteral("Alpha"));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(alpha).center());
        QCOMPARE(int(strip.covers().size()), 2);
        QCOMPARE(strip.covers()[1].Name, QStringLiteral("Second"));
        // The second cover opens the second album tab (tab 0 is "全曲").
        emit strip.OpenCoverAlbum(1);
        QCOMPARE(form.trackArea().TabControl1->currentIndex(), 2);
        // The file information page follows the selected track.
        QTableView *list = form.trackArea().ListView_MAIN;
        QVERIFY(list->model()->rowCount() > 0);
        list->setCurrentIndex(list->model()->index(0, 0));
        QVERIFY(form.fileInfoPanel().fileNameLabel()->text().endsWith(QStringLiteral(".mp3")));
        // "カバーアートリスト" shows and hides the strip window.
        form.menus().coverArtList->trigger();
        QVERIFY(!form.coverStrip().JacketListWindow->isVisibleTo(&form));
    }
};

QTEST_MAIN(CoverStripTest)
#include "CoverStripTest.moc"
