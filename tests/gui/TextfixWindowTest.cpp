// The "文字化け修復" window over a real store of real MP3 files: suspects listed
// with repairs checked and "uncertain" rows unchecked, sorting by confidence,
// apply with the file rewritten, the track record following, and the table
// judged again.
#include "core/library/LibraryStore.h"
#include "core/platform/CodePage.h"
#include "core/platform/FileAccess.h"
#include "core/textfix/RepairListModel.h"
#include "gui/shell/MainMediator.h"
#include "gui/shell/StoreAccess.h"
#include "gui/textfix/TextfixCommand.h"
#include "gui/textfix/TextfixWindow.h"
#include "tests/core/library/LibraryTestUtil.h"
#include "tests/support/TestSupport.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QtTest>

using namespace vireo;
using namespace vireo::gui;
using namespace vireo::textfix;

namespace {

struct FixedStore : vireo::gui::StoreAccess {
    TID3TagUseful *s = nullptr;
    TID3TagUseful *store() const override { return s; }
};

} // namespace

class TextfixWindowTest : public QObject {
    Q_OBJECT
private slots:
    void listsChecksSortsAndApplies()
    {
        QVERIFY(setTagCodePage("CP932"));
        test::TempProgramFolder home;
        const QString utf8File = home.file(QStringLiteral("music/a/01.mp3"));
        const QString koreanFile = home.file(QStringLiteral("music/b/02.mp3"));
        const QString fineFile = home.file(QStringLiteral("music/a/03.mp3"));
        test::writeFile(utf8File, test::silentMpegFrames(2) + test::id3v1Block(QStringView(u"ありがとう").toUtf8(), "Band"));
        test::writeFile(koreanFile, test::silentMpegFrames(2) + test::id3v1Block(encodeWith("CP949", u"사랑해요"), "x"));
        test::writeFile(fineFile, test::silentMpegFrames(2) + test::id3v1Block(encodeWith("CP932", u"夜空"), "y"));
        TID3TagUseful store(home.file(QStringLiteral("vireo")));
        store.setSaveCachesOnDestroy(false);
        for (const QString &f : {utf8File, koreanFile, fineFile}) {
            const FileStat st = statFile(f);
            store.FindOrRead(f, st.dosDate, st.size);
        }
        const QByteArray koreanBefore = test::readFile(koreanFile);

        TextfixWindow window(store);
        window.show();
        RepairListModel *model = window.model();
        QCOMPARE(model->rowCount(), 2);
        for (int r = 0; r < model->rowCount(); ++r) {
            const Suspect &s = model->suspects()[r];
            QVERIFY(s.file != fineFile);
            QCOMPARE(model->isChecked(r), s.detection.verdict == Verdict::Repair);
            if (s.file == koreanFile)
                QCOMPARE(s.detection.verdict, Verdict::Uncertain);
        }
        // Sorted by confidence, highest first: the repair above the uncertain row.
        QAbstractItemModel *shown = window.table()->model();
        const double first = shown->index(0, RepairListModel::Confidence).data(RepairListModel::SortRole).toDouble();
        const double last = shown->index(1, RepairListModel::Confidence).data(RepairListModel::SortRole).toDouble();
        QVERIFY(first >= last);
        QCOMPARE(shown->index(0, RepairListModel::After).data().toString(), QStringLiteral("ありがとう"));
        QCOMPARE(shown->index(0, RepairListModel::Before).data().toString(), decodeWith("CP932", QStringView(u"ありがとう").toUtf8()));
        // The header sorts the other way on a click.
        window.table()->sortByColumn(RepairListModel::Confidence, Qt::AscendingOrder);
        QVERIFY(shown->index(0, RepairListModel::Confidence).data(RepairListModel::SortRole).toDouble() <= last);

        QSignalSpy applied(&window, &TextfixWindow::repairsApplied);
        QTest::mouseClick(window.applyButton(), Qt::LeftButton);
        QCOMPARE(applied.count(), 1);
        QCOMPARE(applied.first().first().toStringList(), QStringList{utf8File});
        QCOMPARE(test::readFile(utf8File).right(128).mid(3, 10), encodeWith("CP932", u"ありがとう"));
        QCOMPARE(test::readFile(koreanFile), koreanBefore);
        QCOMPARE(store.FindTrack(utf8File)->V1.Title.text(), QStringLiteral("ありがとう"));
        QCOMPARE(store.FindTrack(utf8File)->FileDate, statFile(utf8File).dosDate);
        // Judged again: only the uncertain row is left, still unchecked.
        QCOMPARE(model->rowCount(), 1);
        QVERIFY(!model->isChecked(0));
        QCOMPARE(window.lastReport().fieldsWritten, 1);
    }

    void aSelectionLimitsTheSearch()
    {
        test::TempProgramFolder home;
        TID3TagUseful store(home.file(QStringLiteral("vireo")));
        store.setSaveCachesOnDestroy(false);
        auto add = [&](const QString &path, const QByteArray &title) {
            auto t = std::make_unique<TID3ListItem>(path, 1);
            TID3v1Record v1;
            v1.Title = title;
            t->SetV1(v1);
            return store.Tracks().Add(std::move(t));
        };
        const TID3ListItem *a = add(QStringLiteral("/m/a.mp3"), "Mot\xF6rhead");
        add(QStringLiteral("/m/b.mp3"), "Caf\xE9 del Mar");
        TextfixWindow all(store);
        QCOMPARE(all.model()->rowCount(), 2);
        TextfixWindow some(store, {a});
        QCOMPARE(some.model()->rowCount(), 1);
        QCOMPARE(some.model()->suspects().first().detection.proposed, QStringLiteral("Motörhead"));
    }

    void theMenuCommandOpensTheWindowAndTheViewsFollowARepair()
    {
        QVERIFY(setTagCodePage("CP932"));
        test::TempProgramFolder home;
        const QString file = home.file(QStringLiteral("music/a/01.mp3"));
        test::writeFile(file, test::silentMpegFrames(2) + test::id3v1Block(QStringView(u"ありがとう").toUtf8(), "Band"));
        TID3TagUseful store(home.file(QStringLiteral("vireo")));
        store.setSaveCachesOnDestroy(false);
        const FileStat st = statFile(file);
        store.FindOrRead(file, st.dosDate, st.size);

        QWidget main;
        MainMediator mediator;
        FixedStore access;
        TextfixCommand command(access, mediator, &main);
        QCOMPARE(command.action()->text(), QStringLiteral("文字化け修復..."));
        command.action()->trigger(); // no library yet: nothing opens
        QVERIFY(!command.openWindow());

        access.s = &store;
        QSignalSpy rebuild(&mediator, &MainMediator::treesRebuildRequested);
        command.action()->trigger();
        TextfixWindow *w = command.openWindow();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("文字化け修復"));
        QCOMPARE(w->model()->rowCount(), 1);
        QTest::mouseClick(w->applyButton(), Qt::LeftButton);
        QCOMPARE(rebuild.count(), 1);
        QCOMPARE(store.FindTrack(file)->V1.Title.text(), QStringLiteral("ありがとう"));
        w->close();
        QTRY_VERIFY(!command.openWindow());
    }
};

QTEST_MAIN(TextfixWindowTest)
#include "TextfixWindowTest.moc"
