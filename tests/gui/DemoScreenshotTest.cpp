// A picture of the main window over the bundled demo collection, saved to
// the build folder: an artist chosen, its album tabs and its tracks listed.
#include "gui/app/VireoMainForm.h"
#include "tests/gui/helpers/GuiFixture.h"

#include <QDir>
#include <QTabBar>
#include <QTableView>
#include <QTreeView>
#include <QtTest>

using namespace vireo::gui;
using namespace vireo::gui::test;

class DemoScreenshotTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowOverTheDemoCollection()
    {
        const QString demo = QStringLiteral(VIREO_SOURCE_DIR "/demo/");
        if (!QDir(demo).exists())
            QSKIP("no demo collection");
        GuiFixture fx(QList<Song>{});
        fx.setIni("MP3Param", "MP3Dir", demo);
        fx.setIni("MusicList", "LVM_FileNameWidth", "160");
        // The cover strip with album names and the file information panel with its artwork.
        fx.setIni("MainForm", "ID3INFOVisible", "1");
        fx.setIni("MP3Param", "JacketShow", "1");
        fx.setIni("MP3Param", "JKListSize", "2");
        fx.setIni("MP3Param", "JKListAlbumname", "1");
        TVireoMainForm &form = fx.start();
        form.resize(1100, 760);
        WindowParts w = parts(form);
        QTreeView *tree = w.tree.TreeView_Artist;
        QVERIFY(tree->model()->rowCount() > 1);
        QModelIndex artist = tree->model()->index(1, 0);
        for (int r = 1; r < tree->model()->rowCount(); ++r)
            if (tree->model()->index(r, 0).data().toString().startsWith(QStringLiteral("Vireo Ensemble")))
                artist = tree->model()->index(r, 0);
        tree->expand(artist);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(artist).center());
        QVERIFY(w.area.TabControl1->count() >= 2);
        QVERIFY(w.area.ListView_MAIN->model()->rowCount() > 0);
        w.area.ListView_MAIN->selectRow(0);
        w.area.ListView_MAIN->setCurrentIndex(w.area.ListView_MAIN->model()->index(0, 0));
        QApplication::processEvents();
        const QImage shot = form.grab().toImage();
        QVERIFY(!shot.isNull());
        const QString out = QStringLiteral(VIREO_BINARY_DIR "/gui-screenshot.png");
        QVERIFY(shot.save(out));
        qInfo("screenshot: %s", qPrintable(out));
    }
};

QTEST_MAIN(DemoScreenshotTest)
#include "DemoScreenshotTest.moc"
