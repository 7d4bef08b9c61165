// The main window over a real folder of MP3 files: start-up scan, browsing
// through the trees, tabs, columns, search, folder view and filter, and a
// clean close and restart.
#include "core/library/ExistenceCheck.h"
#include "gui/app/AppServices.h"
#include "core/library/LibraryStore.h"
#include "gui/app/SingleInstance.h"
#include "gui/app/VireoMainForm.h"
#include "gui/fileops/CsvExportCommand.h"
#include "tests/gui/helpers/GuiFixture.h"
#include "gui/library/FindFileForm.h"
#include "gui/library/ScanController.h"
#include "core/platform/FileAccess.h"
#include "core/settings/ProfileFile.h"
#include "gui/views/TrackListController.h"
#include "gui/views/TreesController.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTableView>
#include <QTreeView>
#include <QtTest>

#include <unistd.h>

using namespace vireo::gui;
using namespace vireo::gui::test;

namespace {

constexpr int kTitleColumn = 5;
constexpr int kTrackColumn = 4;
constexpr int kArtistColumn = 6;

QModelIndex topLevel(QTreeView *tree, const QString &startsWith)
{
    QAbstractItemModel *m = tree->model();
    for (int r = 0; r < m->rowCount(); ++r)
        if (m->index(r, 0).data().toString().startsWith(startsWith))
            return m->index(r, 0);
    return {};
}

void clickNode(QTreeView *tree, const QModelIndex &index)
{
    QVERIFY(index.isValid());
    tree->scrollTo(index);
    const QRect r = tree->visualRect(index);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, r.center());
}

QStringList titles(const WindowParts &w) { return columnTexts(w.area.ListView_MAIN->model(), kTitleColumn); }
// The titles as a sorted list, where the order is the file system's.
QStringList titleSet(const WindowParts &w)
{
    QStringList t = titles(w);
    t.sort();
    return t;
}

int indexOfLine(const QStringList &lines, const QString &line, int from = 0)
{
    for (int i = from; i < lines.size(); ++i)
        if (lines[i] == line)
            return i;
    return -1;
}

// Bytes no settings file or list holds: a PNG header, then every byte value.
QByteArray binaryBytes()
{
    QByteArray b("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    for (int i = 0; i < 512; ++i)
        b += char(i % 256);
    return b;
}

// Answers every modal message box that opens while it lives (the start-up
// scan's and the close's boxes over a damaged settings file) and keeps their texts.
struct BoxAnswerer {
    QStringList texts;
    QTimer timer;
    BoxAnswerer()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->done(QMessageBox::Ok);
            }
        });
        timer.start(10);
    }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startupScanBuildsTheTrees()
    {
        GuiFixture fx;
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        QCOMPARE(topLevelTexts(w.tree.TreeView_Artist->model()),
                 QStringList({"コンピレーション", "Alpha", "Beta", "Gamma"}));
        QCOMPARE(topLevelTexts(w.tree.TreeView_Album->model()),
                 QStringList({"First", "Live", "Only", "Second"}));
        QCOMPARE(w.status.SpTBXLabelItem2->text(), QStringLiteral("MP3ファイル数：6"));
        QVERIFY(w.status.SpTBXLabelItem4->text().isEmpty());
        // The list stays empty until the user picks something.
        QCOMPARE(w.area.ListView_MAIN->model()->rowCount(), 0);
        const QStringList log = fx.logLines();
        QVERIFY(log.value(0).startsWith("コンピレーション"));
        const int load = indexOfLine(log, "パラメタの読み込み開始");
        const int scan = indexOfLine(log, "MP3データ読み込み開始");
        const int done = indexOfLine(log, "初期化処理終了");
        QVERIFY(load > 0 && scan > load && done > scan);
        QVERIFY(indexOfLine(log, "検出したMP3ファイル数：6ファイル") > scan);
    }

    void artistSelectionFillsTabsAndAlbumTabNarrows()
    {
        GuiFixture fx;
        WindowParts w = parts(fx.start());
        clickNode(w.tree.TreeView_Artist, topLevel(w.tree.TreeView_Artist, "Alpha"));
        QCOMPARE(tabCaptions(w.area.TabControl1), QStringList({"全曲", "First", "Second"}));
        QCOMPARE(w.area.TabControl1->currentIndex(), 0);
        QCOMPARE(titleSet(w), QStringList({"Evening", "Morning", "Noon"}));
        w.area.TabControl1->setCurrentIndex(2);
        QCOMPARE(titles(w), QStringList({"Evening"}));
        // An album node activates its tab.
        const QModelIndex alpha = topLevel(w.tree.TreeView_Artist, "Alpha");
        w.tree.TreeView_Artist->expand(alpha);
        clickNode(w.tree.TreeView_Artist, w.tree.TreeView_Artist->model()->index(0, 0, alpha));
        QCOMPARE(w.area.TabControl1->currentIndex(), 1);
        QCOMPARE(titleSet(w), QStringList({"Morning", "Noon"}));
    }

    void columnClickSortsAndToggles()
    {
        GuiFixture fx;
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        w.menus.showAll->trigger();
        QCOMPARE(w.area.ListView_MAIN->model()->rowCount(), 6);
        QHeaderView *header = w.area.ListView_MAIN->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(kTitleColumn) + 5, 5));
        QCOMPARE(titles(w), QStringList({"Apple", "Encore", "Evening", "Morning", "Noon", "Zebra"}));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(kTitleColumn) + 5, 5));
        QCOMPARE(titles(w), QStringList({"Zebra", "Noon", "Morning", "Evening", "Encore", "Apple"}));
        // Tracks without a number come first ascending.
        form.trackList().columnClick(kTrackColumn);
        QCOMPARE(columnTexts(w.area.ListView_MAIN->model(), kTrackColumn).first(), QString());
        form.trackList().columnClick(kTrackColumn);
        QCOMPARE(columnTexts(w.area.ListView_MAIN->model(), kTrackColumn).last(), QString());
        // Alternating colours: the first row has the second colour.
        const QVariant first = w.area.ListView_MAIN->model()->index(0, 3).data(Qt::BackgroundRole);
        const QVariant second = w.area.ListView_MAIN->model()->index(1, 3).data(Qt::BackgroundRole);
        QVERIFY(first != second);
    }

    void hiddenColumnStaysHiddenAfterRestart()
    {
        GuiFixture fx;
        {
            TVireoMainForm &form = fx.start();
            WindowParts w = parts(form);
            QAction *artist = w.area.columnByTag.value(4);
            form.trackList().setColumnWidth(kArtistColumn, 120);
            artist->trigger();
            QVERIFY(!artist->isChecked());
            QCOMPARE(form.trackList().columnWidth(kArtistColumn), 0);
            artist->trigger();
            QCOMPARE(form.trackList().columnWidth(kArtistColumn), 120);
            artist->trigger();
            // The file-name column starts hidden; showing it gives the restore width.
            QAction *fileName = w.area.columnByTag.value(1);
            QVERIFY(!fileName->isChecked());
            fileName->trigger();
            QCOMPARE(form.trackList().widthOfTag(1), 200);
            fx.close();
        }
        QCOMPARE(vireo::readProfileString(fx.iniPath(), u"MusicList", u"LVM_ArtistWidth", "x"),
                 QStringLiteral("0"));
        TVireoMainForm &again = fx.start();
        QCOMPARE(again.trackList().columnWidth(kArtistColumn), 0);
        QVERIFY(!again.trackArea().columnByTag.value(4)->isChecked());
        QCOMPARE(again.trackList().widthOfTag(1), 200);
    }

    void lastSortColumnIsSortedAgainAtTheNextStart()
    {
        GuiFixture fx;
        {
            TVireoMainForm &form = fx.start();
            form.trackList().columnClick(kTitleColumn);
            form.trackList().columnClick(kTitleColumn); // descending now; the next start sorts ascending
            fx.close();
        }
        QCOMPARE(vireo::readProfileString(fx.iniPath(), u"MusicList", u"LVM_SortColumn", "x"),
                 QString::number(kTitleColumn));
        WindowParts w = parts(fx.start());
        w.menus.showAll->trigger();
        QCOMPARE(titles(w), QStringList({"Apple", "Encore", "Evening", "Morning", "Noon", "Zebra"}));
    }

    void csvExportWritesEveryTrack()
    {
        GuiFixture fx;
        TVireoMainForm &form = fx.start();
        const QString out = fx.programFolder() + "library.csv";
        QVERIFY(form.findChild<CsvExportCommand *>()->exportTo(out));
        const QList<QByteArray> lines = vireo::test::readFile(out).split('\n');
        QCOMPARE(lines.size(), 8); // header, six tracks, and the empty rest after the last CR LF
        QVERIFY(lines[0].startsWith("\"" + QStringLiteral("ファイル名").toUtf8() + "\""));
        QVERIFY(lines[0].endsWith('\r'));
    }

    void searchListsMatchesUnderOneTab()
    {
        GuiFixture fx;
        WindowParts w = parts(fx.start());
        w.tree.PageControl1->setCurrentIndex(3);
        w.search.SearchEdit->setText("e");
        w.search.v1_cbx->setChecked(true);
        w.search.v2_cbx->setChecked(true);
        w.search.searchFields[2]->setChecked(true); // タイトル
        QTest::mouseClick(w.search.Btn_Search, Qt::LeftButton);
        QCOMPARE(tabCaptions(w.area.TabControl1), QStringList({"検索結果"}));
        QCOMPARE(titleSet(w), QStringList({"Apple", "Encore", "Evening", "Zebra"}));
        w.search.SearchEdit->setText("NOON");
        QTest::mouseClick(w.search.Btn_Search, Qt::LeftButton);
        QCOMPARE(titles(w), QStringList({"Noon"}));
        w.search.SearchEdit->clear();
        QTest::mouseClick(w.search.Btn_Search, Qt::LeftButton);
        QCOMPARE(w.area.ListView_MAIN->model()->rowCount(), 0);
    }

    void folderViewAddsOneNodePerOpenedFolder()
    {
        GuiFixture fx;
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        const QString beta = fx.musicFolder() + "Beta";
        form.scans().openFolder(beta);
        form.scans().openFolder(beta);
        QAbstractItemModel *m = w.tree.TreeView_SelectFolder->model();
        QCOMPARE(m->rowCount(), 2);
        QCOMPARE(m->index(0, 0).data().toString(), beta + "/");
        const QModelIndex artist = m->index(0, 0, m->index(0, 0));
        QCOMPARE(artist.data().toString(), QStringLiteral("Beta"));
        QCOMPARE(w.status.SpTBXLabelItem2->text(), QStringLiteral("MP3ファイル数：2"));
        clickNode(w.tree.TreeView_SelectFolder, artist);
        QCOMPARE(titleSet(w), QStringList({"Apple", "Zebra"}));
    }

    void deleteFromCacheAndSelectionSize()
    {
        GuiFixture fx;
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        w.menus.showAll->trigger();
        form.trackList().columnClick(kTitleColumn); // Apple, Encore, ...
        QTableView *list = w.area.ListView_MAIN;
        list->selectRow(0); // Apple, 1,251,000 bytes
        QCOMPARE(w.status.selectionSize->text(), QStringLiteral("1.2"));
        list->selectRow(5); // Zebra alone, 2,502,000 bytes
        QCOMPARE(w.status.selectionSize->text(), QStringLiteral("2.4"));
        list->selectionModel()->select(list->model()->index(0, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(w.status.selectionSize->text(), QStringLiteral("3.6"));
        w.menus.selectAll->trigger();
        QCOMPARE(w.status.selectionSize->text(), QStringLiteral("3.6"));
        list->selectRow(0);
        w.area.ctxDeleteFromCache->trigger();
        QCOMPARE(list->model()->rowCount(), 5);
        QVERIFY(!titles(w).contains("Apple"));
        QCOMPARE(form.services().store()->TrackCount(), 5);
        // The tree keeps the node until the next build.
        QCOMPARE(w.tree.TreeView_Artist->model()->rowCount(), 4);
    }

    void cleanCloseWritesSettingsThenCachesAndRestartReadsNoFile()
    {
        GuiFixture fx;
        fx.start();
        QFile::copy(fx.musicFolder() + "Beta/Only/01.mp3", fx.programFolder() + "$$vire$$.m3u");
        fx.close();
        const QStringList log = fx.logLines();
        const int closing = indexOfLine(log, "終了処理開始");
        const int saveStart = indexOfLine(log, "パラメタ保存開始", closing);
        const int saveEnd = indexOfLine(log, "パラメタ保存終了", saveStart);
        const int release = indexOfLine(log, "MP3リスト開放", saveEnd);
        const int released = indexOfLine(log, "MP3リスト開放", release + 1);
        QVERIFY(closing >= 0 && saveStart > closing && saveEnd > saveStart);
        QVERIFY(release > saveEnd && released > release);
        QCOMPARE(log.last(), QStringLiteral("Vireo終了"));
        QVERIFY(!QFile::exists(fx.programFolder() + "$$vire$$.m3u"));
        const QFileInfo ini(fx.iniPath()), v1(fx.programFolder() + "vireo.3dt"),
            v2(fx.programFolder() + "vireo.2dt");
        QVERIFY(v1.exists() && v2.exists());
        QVERIFY(ini.lastModified() <= v1.lastModified());
        QVERIFY(v1.lastModified() <= v2.lastModified());

        fx.setIni("MP3Param", "FirstCacheFlg", "1");
        const uint64_t opened = vireo::FileReader::openCount();
        TVireoMainForm &again = fx.start();
        QCOMPARE(vireo::FileReader::openCount() - opened, uint64_t(0));
        QCOMPARE(again.treePanel().TreeView_Artist->model()->rowCount(), 4);
        QVERIFY(QFile::exists(fx.programFolder() + "vireo_uni.bak"));
        QVERIFY(indexOfLine(fx.logLines(), "キャッシュのみ読み込み設定ＯＦＦ") < 0);
    }

    void trustedCachesStartShowsTheWindowBeforeCheckingFiles()
    {
        GuiFixture fx;
        fx.start();
        fx.close();
        fx.setIni("MP3Param", "FirstCacheFlg", "1");
        const QString gone = fx.musicFolder() + "Beta/Only/01.mp3";
        QVERIFY(QFile::remove(gone));
        TVireoMainForm &form = fx.start();
        vireo::TID3ListItem *track = form.services().store()->FindTrack(gone);
        QVERIFY(track);
        QVERIFY(form.scans().existenceCheck()); // left for after the window
        QTRY_VERIFY(!track->Exists);
        QVERIFY(!form.scans().existenceCheck()->isRunning());
        const QString kept = fx.musicFolder() + "Alpha/First/01.mp3";
        vireo::TID3ListItem *other = form.services().store()->FindTrack(kept);
        QVERIFY(other && other->Exists);
    }

    // Without any settings file the start shows the window, then asks for
    // the music folder (instead of the empty-folder message) and reads it.
    void firstStartAsksForTheMusicFolder()
    {
        GuiFixture fx;
        QVERIFY(QFile::remove(fx.iniPath()));
        TVireoMainForm &form = fx.start();
        QCOMPARE(form.services().store()->TrackCount(), 0);
        int asked = 0;
        form.scans().setFolderPrompt([&] {
            ++asked;
            return fx.musicFolder();
        });
        QTRY_COMPARE(asked, 1);
        QTRY_COMPARE(form.services().store()->TrackCount(), 6);
        QVERIFY(topLevelTexts(form.treePanel().TreeView_Artist->model()).contains("Alpha"));
        fx.close();
        // The folder was kept: the next start reads it and asks nothing.
        TVireoMainForm &again = fx.start();
        again.scans().setFolderPrompt([&] { ++asked; return QString(); });
        QCOMPARE(again.services().store()->TrackCount(), 6);
        QTest::qWait(50);
        QCOMPARE(asked, 1);
    }

    // One window per program folder: a second start is told and stops; a
    // folder where no lock file can be made does not stop the start.
    void secondWindowOverTheSameFolderStops()
    {
        vireo::test::TempProgramFolder home;
        const QString folder = home.path();
        vireo::InstanceLock first, second;
        QStringList told;
        auto tell = [&](const QString &m) { told.append(m); };
        QVERIFY(takeProgramFolder(folder, first, tell));
        QVERIFY(first.held());
        QVERIFY(!takeProgramFolder(folder, second, tell));
        QCOMPARE(told, QStringList{vireo::AlreadyRunningMessage(folder)});
        QVERIFY(!second.held());
        first = vireo::InstanceLock();
        QVERIFY(takeProgramFolder(folder, second, tell));
        QVERIFY(second.held());
        // A program folder that does not exist yet is made.
        vireo::InstanceLock fresh;
        QVERIFY(takeProgramFolder(folder + "new/", fresh, tell));
        QVERIFY(fresh.held());
        if (::geteuid() != 0) {
            const QString locked = folder + "ro/";
            QDir().mkpath(locked);
            QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            vireo::InstanceLock none;
            QVERIFY(takeProgramFolder(locked, none, tell));
            QVERIFY(!none.held());
            QCOMPARE(told.size(), 1);
        }
    }

    void dropOnTheTrackListAddsFiles()
    {
        GuiFixture fx;
        TVireoMainForm &form = fx.start();
        const QString extra = fx.programFolder() + "extra/new.mp3";
        QVERIFY(writeSong(extra, {"", "Delta", "Fresh", "New", 1, 20}));
        bool asked = false;
        form.scans().setDropQuestion([&] { asked = true; return true; });
        auto *mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(extra)});
        QWidget *target = form.trackArea().ListView_MAIN->viewport();
        QDragEnterEvent enter(QPoint(10, 30), Qt::CopyAction, mime, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 30), Qt::CopyAction, mime, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        delete mime;
        QVERIFY(asked);
        QCOMPARE(form.services().store()->TrackCount(), 7);
        QVERIFY(topLevelTexts(form.treePanel().TreeView_Artist->model()).contains("Delta"));
        QCOMPARE(form.statusWidgets().SpTBXLabelItem2->text(), QStringLiteral("MP3ファイル数：7"));
    }

    // A settings file or compilation list that is there but is binary is
    // told once, after the window is shown, and neither file is written over.
    void damagedProgramFilesAreToldOnceAtStart_data()
    {
        QTest::addColumn<bool>("ini");
        QTest::addColumn<bool>("cpi");
        QTest::newRow("settings file") << true << false;
        QTest::newRow("compilation list") << false << true;
        QTest::newRow("both") << true << true;
    }
    void damagedProgramFilesAreToldOnceAtStart()
    {
        QFETCH(bool, ini);
        QFETCH(bool, cpi);
        GuiFixture fx;
        const QString cpiPath = fx.programFolder() + "vireo.cpi";
        const QByteArray bad = binaryBytes();
        for (const QString &path : {ini ? fx.iniPath() : QString(), cpi ? cpiPath : QString()})
            if (!path.isEmpty())
                vireo::test::writeFile(path, bad);
        BoxAnswerer boxes;
        TVireoMainForm &form = fx.start();
        QStringList told;
        form.setStartupNotice([&](const QString &message) { told << message; });
        QVERIFY(told.isEmpty()); // not before the window is up
        QTRY_COMPARE(told.size(), 1);
        const QString message = told.first();
        QCOMPARE(message.contains(fx.iniPath() + ": "), ini);
        QCOMPARE(message.contains(cpiPath + ": "), cpi);
        QVERIFY2(message.contains(QStringLiteral("読めません")), qPrintable(message));
        QTest::qWait(50);
        QCOMPARE(told.size(), 1);
        fx.close();
        for (const QString &path : {ini ? fx.iniPath() : QString(), cpi ? cpiPath : QString()})
            if (!path.isEmpty())
                QCOMPARE(vireo::test::readFile(path), bad);
        // The start-up's own boxes did not carry the notice; over a good
        // settings file there were none.
        for (const QString &text : boxes.texts)
            QVERIFY2(!text.contains(QStringLiteral("読めません")), qPrintable(text));
        if (!ini)
            QCOMPARE(boxes.texts, QStringList());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
