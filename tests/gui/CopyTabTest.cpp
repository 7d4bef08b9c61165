// The copy tab on the offscreen platform: the list commands through its
// buttons, the space figures and gauge, and the copy on its worker thread
// into real folders.
#include "core/fileops/AdvancedFileCopy.h"
#include "core/library/TrackRecord.h"
#include "gui/fileops/CopyGauge.h"
#include "gui/fileops/CopyListModel.h"
#include "gui/fileops/CopyTab.h"
#include "gui/fileops/CopyTabController.h"
#include "gui/fileops/FileOpsPrompts.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QToolButton>
#include <QTreeView>

#include <memory>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

using namespace vireo;
using namespace vireo::gui;

namespace {

// Answers questions as told and records every text shown.
class ScriptedPrompts : public FileOpsPrompts {
public:
    bool answer = true;
    QString folder;
    QStringList asked, warned, informed;
    bool askOkCancel(QWidget *, const QString &text) override { asked << text; return answer; }
    bool askYesNo(QWidget *, const QString &text) override { asked << text; return answer; }
    void warn(QWidget *, const QString &text) override { warned << text; }
    void inform(QWidget *, const QString &text) override { informed << text; }
    bool pickFolder(QWidget *, QString &path) override
    {
        if (folder.isEmpty())
            return false;
        path = folder;
        return true;
    }
};

} // namespace

class CopyTabTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::vector<std::unique_ptr<TID3ListItem>> tracks;
    std::vector<std::unique_ptr<ListRow>> rows;

    const ListRow *row(const QString &name, int frames, bool missing = false)
    {
        const QString path = dir->path() + QStringLiteral("/music/") + name;
        if (!missing && frames > 0)
            vireo::test::writeFile(path, vireo::test::silentMpegFrames(frames));
        auto track = std::make_unique<TID3ListItem>(path, 1);
        track->FileSize = QFileInfo(path).size();
        auto r = std::make_unique<ListRow>();
        r->Data = track.get();
        r->Cells = QStringList(ListRowCellCount, QString());
        r->Cells[CellFileName] = name;
        r->ImageIndex = missing ? RowImageMissing : RowImageV2;
        tracks.push_back(std::move(track));
        rows.push_back(std::move(r));
        return rows.back().get();
    }
    QString dest() const { return dir->path() + QStringLiteral("/stick"); }
    static QStringList captions(const CopyList &list)
    {
        QStringList out;
        for (const CopyRow &r : list.rows())
            out << r.Caption;
        return out;
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(dest()));
    }
    void cleanup()
    {
        rows.clear();
        tracks.clear();
        dir.reset();
    }

    void listCommandsAndFigures()
    {
        CopyTab tab;
        TAdvancedFileCopy planner;
        ScriptedPrompts prompts;
        CopyTabController c(tab, planner, prompts);
        QCOMPARE(tab.LB_DiskFreeList->text(), QStringLiteral("0MB / 0MB / 0MB"));
        QCOMPARE(tab.FileCopyGauge->value(), 0);

        c.appendRows({row(QStringLiteral("a.mp3"), 10), row(QStringLiteral("gone.mp3"), 0, true),
                      row(QStringLiteral("b.mp3"), 10), row(QStringLiteral("c.mp3"), 10)});
        QCOMPARE(c.model().rowCount(), 3);
        QCOMPARE(c.model().data(c.model().index(1, 0), Qt::DisplayRole).toString(), QStringLiteral("2"));
        QCOMPARE(c.model().data(c.model().index(1, 3), Qt::DisplayRole).toString(), QStringLiteral("b.mp3"));
        QCOMPARE(c.model().headerData(11, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("No"));

        tab.ComboBox2->setEditText(dest());
        QVERIFY(planner.DriveTotal() > 0);
        QVERIFY(tab.LB_DiskFreeList->text().startsWith(QStringLiteral("0MB / "))); // 12 KB rounds to 0
        QCOMPARE(tab.FileCopyGauge->colour(), SkyBlueRgb);

        // Up with the last row selected, through the button.
        tab.ListView_Select->setCurrentIndex(c.model().index(2, 0));
        QTest::mouseClick(tab.btn_SelUp, Qt::LeftButton);
        QCOMPARE(c.list().at(1).path().section(u'/', -1), QStringLiteral("c.mp3"));
        QCOMPARE(tab.ListView_Select->currentIndex().row(), 1);
        QTest::mouseClick(tab.btn_SelDown, Qt::LeftButton);
        QCOMPARE(c.list().at(2).path().section(u'/', -1), QStringLiteral("c.mp3"));

        // Delete the middle row: numbers are not renumbered.
        tab.ListView_Select->setCurrentIndex(c.model().index(1, 0));
        const int64_t before = planner.Planned();
        tab.ppFCDelete->trigger();
        QCOMPARE(captions(c.list()), (QStringList{"1", "3"}));
        QCOMPARE(planner.Planned(), before - c.list().at(0).Size);

        QTest::mouseClick(tab.Button2, Qt::LeftButton);
        QCOMPARE(c.model().rowCount(), 0);
        QCOMPARE(planner.Planned(), int64_t(0));
    }

    void browseAddsTheFolder()
    {
        CopyTab tab;
        TAdvancedFileCopy planner;
        ScriptedPrompts prompts;
        CopyTabController c(tab, planner, prompts);
        QTest::mouseClick(tab.Button1, Qt::LeftButton); // cancelled: nothing
        QCOMPARE(tab.ComboBox2->count(), 0);
        prompts.folder = dest();
        QTest::mouseClick(tab.Button1, Qt::LeftButton);
        QTest::mouseClick(tab.Button1, Qt::LeftButton); // the same folder may come twice
        QCOMPARE(tab.ComboBox2->count(), 2);
        QCOMPARE(tab.ComboBox2->currentText(), dest());
        QCOMPARE(planner.Destination(), dest());
    }

    void emptyDestinationIsRefused()
    {
        CopyTab tab;
        TAdvancedFileCopy planner;
        ScriptedPrompts prompts;
        CopyTabController c(tab, planner, prompts);
        c.appendRows({row(QStringLiteral("a.mp3"), 5)});
        QTest::mouseClick(tab.Btn_SelCopy, Qt::LeftButton);
        QVERIFY(!c.isCopying());
        QCOMPARE(prompts.warned.size(), 1);
        QVERIFY(prompts.informed.isEmpty());
    }

    void tooLittleSpaceAsksAndCancelCopiesNothing()
    {
        CopyTab tab;
        TAdvancedFileCopy planner([](const QString &) -> ResultOf<DriveSpace> { return DriveSpace{100000, 10}; });
        ScriptedPrompts prompts;
        prompts.answer = false;
        CopyTabController c(tab, planner, prompts);
        tab.ComboBox2->setEditText(dest());
        c.appendRows({row(QStringLiteral("a.mp3"), 5)});
        QCOMPARE(tab.FileCopyGauge->value(), 100);
        QCOMPARE(tab.FileCopyGauge->colour(), RedRgb);
        QTest::mouseClick(tab.Btn_SelCopy, Qt::LeftButton);
        QCOMPARE(prompts.asked.size(), 1);
        QVERIFY(prompts.asked[0].startsWith(QStringLiteral("コピーするファイルの合計サイズ")));
        QVERIFY(!c.isCopying());
        QVERIFY(QDir(dest()).isEmpty());
    }

    void copiesInOrderMarksRowsAndReportsFailures()
    {
        CopyTab tab;
        TAdvancedFileCopy planner;
        ScriptedPrompts prompts;
        CopyTabController c(tab, planner, prompts);
        tab.ComboBox2->setEditText(dest());
        c.appendRows({row(QStringLiteral("1.mp3"), 50), row(QStringLiteral("2.mp3"), 50),
                      row(QStringLiteral("3.mp3"), 50)});
        vireo::test::writeFile(dest() + QStringLiteral("/2.mp3"), "older");
        QTest::mouseClick(tab.Btn_SelCopy, Qt::LeftButton);
        c.waitForCopy();
        QVERIFY(!c.isCopying());
        QVERIFY(c.list().at(0).Copied);
        QVERIFY(!c.list().at(1).Copied);
        QVERIFY(c.list().at(2).Copied);
        QVERIFY(!c.model().data(c.model().index(0, 0), Qt::DecorationRole).isNull());
        QCOMPARE(tab.Copying_Gauge->value(), 3);
        QCOMPARE(prompts.warned.size(), 1);
        QVERIFY(prompts.warned[0].startsWith(QStringLiteral("ファイルコピー失敗\n")));
        QVERIFY(prompts.warned[0].contains(QStringLiteral("2.mp3")));
        QCOMPARE(prompts.informed, QStringList{QStringLiteral("ファイルコピー終了")});
        QCOMPARE(vireo::test::readFile(dest() + QStringLiteral("/2.mp3")), QByteArray("older"));
        QCOMPARE(vireo::test::readFile(dest() + QStringLiteral("/3.mp3")), vireo::test::silentMpegFrames(50));
        QVERIFY(tab.Btn_SelCopy->isEnabled());
    }

    // A source that blocks (a named pipe nobody writes yet) holds the worker:
    // the window goes on handling events, and "中止" stops before the next file.
    void copyRunsOffTheWindowThreadAndCancels()
    {
        CopyTab tab;
        TAdvancedFileCopy planner;
        ScriptedPrompts prompts;
        CopyTabController c(tab, planner, prompts);
        tab.ComboBox2->setEditText(dest());
        const ListRow *pipeRow = row(QStringLiteral("pipe.mp3"), 0);
        QVERIFY(QDir().mkpath(dir->path() + QStringLiteral("/music")));
        const QByteArray fifo = QFile::encodeName(pipeRow->Data->FileName);
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        c.appendRows({pipeRow, row(QStringLiteral("after.mp3"), 5)});
        QSignalSpy finished(&c, &CopyTabController::copyFinished);

        QTest::mouseClick(tab.Btn_SelCopy, Qt::LeftButton);
        QVERIFY(c.isCopying());
        QVERIFY(tab.Btn_CancelCopy->isEnabled());
        QVERIFY(!tab.Button2->isEnabled());
        QTest::qWait(50); // the window's events run while the worker waits
        QTest::mouseClick(tab.Btn_CancelCopy, Qt::LeftButton);
        // Meets the worker's open of the pipe, which then finds no regular file.
        const int writer = ::open(fifo.constData(), O_WRONLY);
        QVERIFY(writer >= 0);
        ::close(writer);
        QVERIFY(finished.wait(10000) || finished.size() == 1);
        QVERIFY(finished.first().first().value<CopySummary>().cancelled);
        QCOMPARE(prompts.informed, QStringList{QStringLiteral("ファイルコピー中止")});
        QVERIFY(!QFileInfo::exists(dest() + QStringLiteral("/after.mp3")));
        QCOMPARE(QDir(dest()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    }
};

QTEST_MAIN(CopyTabTest)
#include "CopyTabTest.moc"
