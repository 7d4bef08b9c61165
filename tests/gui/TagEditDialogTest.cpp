// The tag editor window over real files: typing, unchecking a tag, the
// refusal of an ID3v1 track above 255 and the save, read back from the file.
#include "core/editing/EditingTexts.h"
#include "core/editing/UndoJournal.h"
#include "core/formats/ID3v2.h"
#include "core/library/LibraryStore.h"
#include "core/platform/FileAccess.h"
#include "gui/editing/EditingMessages.h"
#include "gui/editing/TagEditDialog.h"
#include "tests/core/library/LibraryTestUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace vireo;
using namespace vireo::gui::editing;

class TagEditDialogTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TempProgramFolder> home;
    std::unique_ptr<TID3TagUseful> store;
    std::unique_ptr<vireo::editing::UndoJournal> journal;
    QStringList messages;
    QString path;

    TID3ListItem *track()
    {
        const FileStat st = statFile(path);
        return store->FindOrRead(path, st.dosDate, st.size);
    }

private slots:
    void init()
    {
        home = std::make_unique<test::TempProgramFolder>();
        store = std::make_unique<TID3TagUseful>(home->file(QStringLiteral("vireo")));
        store->setSaveCachesOnDestroy(false);
        journal = std::make_unique<vireo::editing::UndoJournal>(home->file(QStringLiteral("undo")));
        path = home->file(QStringLiteral("song.mp3"));
        test::writeFile(path, test::mp3File(test::id3v23Tag({{"TIT2", QStringLiteral("Title")},
                                                              {"TPE1", QStringLiteral("Artist")}}),
                                            test::id3v1Block({"Title", "Artist", "Album", "2001", "", 4, 17})));
        messages.clear();
        setMessageHook([this](QMessageBox::Icon, const QString &text, QMessageBox::StandardButtons) {
            messages.append(text);
            return QMessageBox::Yes;
        });
    }
    void cleanup() { setMessageHook({}); }

    void fillsBothSidesAndTypesDigitsOnly()
    {
        TID3TagEditDlg dlg(*store, journal.get());
        dlg.load(track());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("曲情報編集（ID3TAG編集）"));
        QCOMPARE(dlg.Edit_FileName->text(), path);
        QVERIFY(dlg.Edit_FileName->isReadOnly());
        QVERIFY(dlg.ID3v1Chk->isChecked());
        QCOMPARE(dlg.Edit_Artist->text(), QStringLiteral("Artist"));
        QCOMPARE(dlg.ComboBox_Genre->currentText(), QStringLiteral("Rock"));
        QCOMPARE(dlg.Edit_TrackNo->text(), QStringLiteral("4"));
        QCOMPARE(dlg.Edit_Comment->maxLength(), 28); // the track box is checked
        QCOMPARE(dlg.Edit2_Artist->text(), QStringLiteral("Artist"));
        QCOMPARE(dlg.Edit_Title->maxLength(), 30);
        QCOMPARE(dlg.Edit2_TCOP->maxLength(), 100);
        dlg.Edit2_Track->clear();
        QTest::keyClicks(dlg.Edit2_Track, QStringLiteral("a1b2"));
        QCOMPARE(dlg.Edit2_Track->text(), QStringLiteral("12"));
        dlg.CheckBox1->setChecked(false);
        QVERIFY(!dlg.Edit_TrackNo->isEnabled());
        QCOMPARE(dlg.Edit_Comment->maxLength(), 30);
    }

    void unchecksId3v1AndSavesTheArtist()
    {
        TID3TagEditDlg dlg(*store, journal.get());
        dlg.load(track());
        dlg.show();
        dlg.Edit2_Artist->clear();
        dlg.Edit2_Artist->insert(QStringLiteral("新しい歌手")); // what an input method commits
        dlg.ID3v1Chk->setChecked(false);
        QCOMPARE(messages, QStringList{vireo::editing::texts::v1WillBeRemoved()});
        QVERIFY(!dlg.leftPanel->isEnabled());
        QTest::mouseClick(dlg.Btn_TagEditEnd, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(dlg.saved());
        QVERIFY(dlg.rebuildNeeded());
        TID3v2 tag;
        QVERIFY(tag.LoadTag(path));
        QCOMPARE(tag.Artist(), QStringLiteral("新しい歌手"));
        QVERIFY(!test::readFile(path).right(128).startsWith("TAG"));
        QVERIFY(!dlg.track()->HasV1);
        QCOMPARE(journal->list().size(), 1);
    }

    void refusesTrackAbove255AndStaysOpen()
    {
        TID3TagEditDlg dlg(*store, journal.get());
        dlg.load(track());
        dlg.show();
        const QByteArray before = test::readFile(path);
        dlg.Edit_TrackNo->setText(QStringLiteral("300"));
        QTest::mouseClick(dlg.Btn_TagEditEnd, Qt::LeftButton);
        QCOMPARE(messages, QStringList{vireo::editing::texts::trackTooLarge()});
        QVERIFY(dlg.isVisible());
        QVERIFY(!dlg.saved());
        QCOMPARE(test::readFile(path), before);
    }

    void readsThisFilesId3v1InTheChosenCodePage()
    {
        test::writeFile(path, test::mp3File(QByteArray(), test::id3v1Block({"Ace", "Mot\xF6rhead", "", "", "", 0, 255})));
        TID3TagEditDlg dlg(*store, journal.get());
        dlg.load(track());
        QCOMPARE(dlg.V1CodePage->currentIndex(), 0); // the tag code page
        QVERIFY(dlg.Edit_Artist->text() != QStringLiteral("Motörhead"));
        dlg.V1CodePage->setCurrentIndex(dlg.V1CodePage->findData(QStringLiteral("CP1252")));
        QCOMPARE(dlg.Edit_Artist->text(), QStringLiteral("Motörhead"));
        // "ID3v2へコピー" then carries the text that reads right into the Unicode tag.
        QTest::mouseClick(dlg.v1paste_Btn, Qt::LeftButton);
        QCOMPARE(dlg.Edit2_Artist->text(), QStringLiteral("Motörhead"));
        // The next file starts from the tag code page again.
        dlg.load(track());
        QCOMPARE(dlg.V1CodePage->currentIndex(), 0);
    }

    void saveWithoutChangesClosesWithoutWriting()
    {
        TID3TagEditDlg dlg(*store, journal.get());
        dlg.load(track());
        dlg.show();
        const QByteArray before = test::readFile(path);
        QTest::mouseClick(dlg.Btn_TagEditEnd, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(test::readFile(path), before);
    }
};

QTEST_MAIN(TagEditDialogTest)
#include "TagEditDialogTest.moc"
