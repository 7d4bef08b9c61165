// The bulk tag editor window over three real files: what it collects, the
// boxes that follow "ID3v2有効", and a save with a per-row track number.
#include "core/editing/UndoJournal.h"
#include "core/library/LibraryStore.h"
#include "core/platform/FileAccess.h"
#include "gui/editing/BulkEditDialog.h"
#include "gui/editing/EditingMessages.h"
#include "tests/core/library/LibraryTestUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace vireo;
using namespace vireo::gui::editing;

class BulkEditDialogTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TempProgramFolder> home;
    std::unique_ptr<TID3TagUseful> store;
    std::unique_ptr<vireo::editing::UndoJournal> journal;
    QList<TID3ListItem *> tracks;
    QStringList paths;

private slots:
    void init()
    {
        home = std::make_unique<test::TempProgramFolder>();
        store = std::make_unique<TID3TagUseful>(home->file(QStringLiteral("vireo")));
        store->setSaveCachesOnDestroy(false);
        journal = std::make_unique<vireo::editing::UndoJournal>(home->file(QStringLiteral("undo")));
        tracks.clear();
        paths.clear();
        const char *artists[] = {"Alpha", "Beta", "Alpha"};
        for (int i = 0; i < 3; ++i) {
            const QString p = home->file(QStringLiteral("%1.mp3").arg(i));
            test::writeFile(p, test::mp3File(test::id3v23Tag({{"TIT2", QStringLiteral("T%1").arg(i)},
                                                                {"TPE1", QString::fromLatin1(artists[i])}}),
                                             test::id3v1Block({"T", artists[i], "", "", "", 0, 255})));
            const FileStat st = statFile(p);
            tracks.append(store->FindOrRead(p, st.dosDate, st.size));
            paths.append(p);
        }
        setMessageHook([](QMessageBox::Icon, const QString &, QMessageBox::StandardButtons) { return QMessageBox::Yes; });
    }
    void cleanup() { setMessageHook({}); }

    void collectsTheTracks()
    {
        TID3AllSetDlg dlg(*store, journal.get());
        dlg.load(tracks);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("ID3TAG一括設定"));
        QCOMPARE(dlg.ArtistComb->count(), 2);
        QCOMPARE(dlg.ArtistComb->currentText(), QStringLiteral("Alpha"));
        QCOMPARE(dlg.StringGrid_v1->rowCount(), 3);
        QCOMPARE(dlg.StringGrid_v2->columnCount(), 9);
        QCOMPARE(dlg.StringGrid_v1->item(1, 0)->text(), paths[1]);
        QVERIFY(!(dlg.StringGrid_v1->item(1, 0)->flags() & Qt::ItemIsEditable));
        QVERIFY(dlg.ID3v1Chk->isChecked());
        QVERIFY(dlg.ID3v2Chk->isChecked());
        QVERIFY(dlg.Chk_Composer->isChecked());
        dlg.ID3v2Chk->setChecked(false);
        QVERIFY(!dlg.Chk_Composer->isChecked());
        QVERIFY(!dlg.Chk_Encode->isChecked());
        QVERIFY(dlg.Chk_Title->isChecked());
        dlg.ID3v2Chk->setChecked(true);
        QVERIFY(dlg.Chk_URL->isChecked());
        QCOMPARE(dlg.GenreComb->itemText(0), QString());
    }

    void savesArtistAndPerRowTrack()
    {
        TID3AllSetDlg dlg(*store, journal.get());
        dlg.load(tracks);
        dlg.show();
        dlg.ArtistComb->setCurrentText(QStringLiteral("Gamma"));
        dlg.Chk_Title->setChecked(false);
        dlg.StringGrid_v1->item(0, 1)->setText(QStringLiteral("300"));
        dlg.StringGrid_v2->item(0, 1)->setText(QStringLiteral("300"));
        QTest::mouseClick(dlg.Btn_Set, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(dlg.outcome().ok());
        QCOMPARE(dlg.confirmedArtist(), QStringLiteral("Gamma"));
        for (const QString &p : paths)
            QCOMPARE(store->FindTrack(p)->V2.Artist, QStringLiteral("Gamma"));
        QCOMPARE(int(store->FindTrack(paths[0])->V1.Track), 44);
        QCOMPARE(int(store->FindTrack(paths[0])->V2.TrackNumber), 300);
        QCOMPARE(store->FindTrack(paths[1])->V2.Title, QStringLiteral("T1"));
        QVERIFY(!dlg.ProgressBar1->isVisible());
    }
};

QTEST_MAIN(BulkEditDialogTest)
#include "BulkEditDialogTest.moc"
