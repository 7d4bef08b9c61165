// The file commands in the main window over real MP3 files: the ordered copy
// from the track list into the copy tab and on to a folder, the clipboard
// after "ファイルコピー ", "ファイル削除" into a Trash in a test data home,
// a drag out of the track list and a drop of files onto the artist tree.
#include "core/fileops/ShellHelpers.h"
#include "core/library/LibraryStore.h"
#include "core/library/TrackRecord.h"
#include "core/playback/PlayListPlayer.h"
#include "gui/playback/PlaybackServices.h"
#include "core/views/LibraryViews.h"
#include "gui/app/AppServices.h"
#include "gui/app/VireoMainForm.h"
#include "gui/editing/EditingMessages.h"
#include "gui/fileops/CopyTab.h"
#include "gui/fileops/CopyTabController.h"
#include "gui/fileops/DragAndDrop.h"
#include "gui/fileops/FileOpsCommands.h"
#include "gui/fileops/FileOpsPrompts.h"
#include "gui/shell/LowerPanelWidgets.h"
#include "tests/gui/helpers/GuiFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

using namespace vireo;
using namespace vireo::gui;
using namespace vireo::gui::test;

namespace {

class ScriptedPrompts : public FileOpsPrompts {
public:
    bool answer = true;
    QStringList asked, warned, informed;
    bool askYesNo(QWidget *, const QString &text) override { asked << text; return answer; }
    bool askOkCancel(QWidget *, const QString &text) override { asked << text; return answer; }
    void warn(QWidget *, const QString &text) override { warned << text; }
    void inform(QWidget *, const QString &text) override { informed << text; }
};

// Selects the given rows of the track list (display positions).
void selectRows(QTableView *list, const QList<int> &rows)
{
    list->clearSelection();
    for (int r : rows)
        list->selectionModel()->select(list->model()->index(r, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QString pathOfRow(TVireoMainForm &form, int row)
{
    const TID3ListItem *t = form.services().browse().table().track(row);
    return t ? t->FileName : QString();
}

// Distinct file names, so a copy of any rows into one folder never collides.
QList<Song> songs()
{
    return {
        {QStringLiteral("Alpha/First/a1.mp3"), QStringLiteral("Alpha"), QStringLiteral("First"),
         QStringLiteral("Morning"), 1, 20},
        {QStringLiteral("Alpha/First/a2.mp3"), QStringLiteral("Alpha"), QStringLiteral("First"),
         QStringLiteral("Noon"), 2, 30},
        {QStringLiteral("Beta/Only/b1.mp3"), QStringLiteral("Beta"), QStringLiteral("Only"),
         QStringLiteral("Zebra"), 1, 40},
        {QStringLiteral("Beta/Only/b2.mp3"), QStringLiteral("Beta"), QStringLiteral("Only"),
         QStringLiteral("Apple"), 2, 20},
        {QStringLiteral("Gamma/Live/g1.mp3"), QStringLiteral("Gamma"), QStringLiteral("Live"),
         QStringLiteral("Encore"), 1, 20},
    };
}

QModelIndex topLevelNamed(QAbstractItemModel *model, const QString &text)
{
    for (int r = 0; r < model->rowCount(); ++r)
        if (model->index(r, 0).data().toString().section(u' ', 0, 0) == text)
            return model->index(r, 0);
    return {};
}

} // namespace

class FileOpsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dataHome.isValid());
        // The Trash of these tests lives here, never in the real home.
        qputenv("XDG_DATA_HOME", m_dataHome.path().toUtf8());
    }

    void orderedCopyFillsTheCopyTabAndCopiesInOrder()
    {
        GuiFixture fx(songs());
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        ScriptedPrompts prompts;
        form.fileOps().setPrompts(&prompts);
        QVERIFY(form.lowerPanel().PageControl_AD->isTabEnabled(LowerPanelWidgets::FileCopyPage));

        w.menus.showAll->trigger();
        QTableView *list = w.area.ListView_MAIN;
        QVERIFY(list->model()->rowCount() >= 4);
        selectRows(list, {3, 0, 2});
        QVERIFY(w.area.ctxOrderedCopy->isEnabled());
        w.area.ctxOrderedCopy->trigger();

        CopyTabController &copy = form.fileOps().copyTab();
        QCOMPARE(copy.list().count(), 3);
        // Display order, not the order of the clicks.
        QCOMPARE(copy.list().paths(), (QStringList{pathOfRow(form, 0), pathOfRow(form, 2), pathOfRow(form, 3)}));
        QCOMPARE(copy.list().at(2).Caption, QStringLiteral("3"));

        QTemporaryDir target;
        CopyTab &tab = form.fileOps().tab();
        tab.ComboBox2->setEditText(target.path());
        QVERIFY(!tab.LB_DiskFreeList->text().endsWith(QStringLiteral(" / 0MB")));
        QSignalSpy finished(&copy, &CopyTabController::copyFinished);
        tab.Btn_SelCopy->click();
        copy.waitForCopy();
        QTRY_COMPARE(finished.size(), 1);
        for (int i = 0; i < 3; ++i) {
            const QString copied = target.filePath(QFileInfo(copy.list().at(i).path()).fileName());
            QVERIFY2(QFileInfo::exists(copied), qPrintable(copied));
            QVERIFY(copy.list().at(i).Copied);
        }
        QVERIFY(prompts.warned.isEmpty());
        QCOMPARE(prompts.informed.size(), 1); // "ファイルコピー終了"
        // Only the complete files are there: no temporary names left.
        QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
        form.fileOps().setPrompts(nullptr);
    }

    void fileCopyPutsTheFormsFileManagersPaste()
    {
        GuiFixture fx(songs());
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        w.menus.showAll->trigger();
        QTableView *list = w.area.ListView_MAIN;
        selectRows(list, {1, 4});
        w.area.ctxFileCopy->trigger();
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        const QStringList expected{pathOfRow(form, 1), pathOfRow(form, 4)};
        QCOMPARE(LocalPathsOf(data), expected);
        const QByteArray gnome = data->data(QStringLiteral("x-special/gnome-copied-files"));
        QVERIFY(gnome.startsWith("copy\n"));
        QVERIFY(gnome.contains(QUrl::fromLocalFile(expected[1]).toEncoded()));
        QCOMPARE(data->text(), PlainTextPaths(expected));
    }

    void deleteMovesToTheTrashAndTheTrackLeaves()
    {
        GuiFixture fx(songs());
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        ScriptedPrompts prompts;
        form.fileOps().setPrompts(&prompts);
        w.menus.showAll->trigger();
        QTableView *list = w.area.ListView_MAIN;
        const int rows = list->model()->rowCount();
        const QString doomed = pathOfRow(form, 1);
        const QString kept = pathOfRow(form, 2);

        // The track is in the copy list too: it leaves it with the library.
        selectRows(list, {1});
        w.area.ctxOrderedCopy->trigger();
        QCOMPARE(form.fileOps().copyTab().list().count(), 1);

        // No: nothing happens.
        prompts.answer = false;
        w.area.ctxDeleteFile->trigger();
        QCOMPARE(prompts.asked.size(), 1);
        QVERIFY(prompts.asked[0].contains(QFileInfo(doomed).fileName()));
        QVERIFY(QFileInfo::exists(doomed));
        QCOMPARE(list->model()->rowCount(), rows);

        prompts.answer = true;
        selectRows(list, {1});
        w.area.ctxDeleteFile->trigger();
        QVERIFY(!QFileInfo::exists(doomed));
        const QString trashed = m_dataHome.filePath(QStringLiteral("Trash/files/") + QFileInfo(doomed).fileName());
        QVERIFY2(QFileInfo::exists(trashed) || QDir(m_dataHome.filePath(QStringLiteral("Trash/files"))).count() > 2,
                 qPrintable(trashed));
        QCOMPARE(list->model()->rowCount(), rows - 1);
        QVERIFY(!form.services().store()->FindTrack(doomed));
        QCOMPARE(form.fileOps().copyTab().list().count(), 0);

        // A file the Trash refuses stays, in the list and on disk, and the user is told.
        form.fileOps().setTrash([](const QString &path) {
            return Result::failure(ErrorCode::Failed, path + QStringLiteral(": no trash on this file system"));
        });
        const int keptRow = form.services().browse().table().rowOfTrack(form.services().store()->FindTrack(kept));
        selectRows(list, {keptRow});
        w.area.ctxDeleteFile->trigger();
        QVERIFY(QFileInfo::exists(kept));
        QCOMPARE(list->model()->rowCount(), rows - 1);
        QVERIFY(form.services().store()->FindTrack(kept));
        QCOMPARE(prompts.warned.size(), 1);
        form.fileOps().setPrompts(nullptr);
    }

    void dragFromTheTrackListOffersTheFilesAsACopy()
    {
        GuiFixture fx(songs());
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        w.menus.showAll->trigger();
        QTableView *list = w.area.ListView_MAIN;
        QStringList dragged;
        form.fileOps().dragSource().setDragRunner([&](QMimeData *data) {
            dragged = LocalPathsOf(data);
            delete data;
            return Qt::CopyAction;
        });
        selectRows(list, {0});
        QWidget *vp = list->viewport();
        const QPoint p = list->visualRect(list->model()->index(0, 2)).center();
        const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
            QMouseEvent e(type, QPointF(at), QPointF(vp->mapToGlobal(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(vp, &e);
        };
        send(QEvent::MouseButtonPress, p, Qt::LeftButton);
        QCOMPARE(form.fileOps().dragSource().state().start, p);
        send(QEvent::MouseMove, p + QPoint(0, 9), Qt::LeftButton);
        QVERIFY(dragged.isEmpty());
        send(QEvent::MouseMove, p + QPoint(0, 10), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, p + QPoint(0, 10), Qt::NoButton);
        QCOMPARE(dragged, QStringList{pathOfRow(form, 0)});
        QCOMPARE(w.status.SpTBXLabelItem4->text(), QStringLiteral("Copied successfully"));
    }

    void dropOnAnArtistGivesTheFilesThatArtist()
    {
        GuiFixture fx(songs());
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTreeView *tree = w.tree.TreeView_Artist;
        const QModelIndex beta = topLevelNamed(tree->model(), QStringLiteral("Beta"));
        QVERIFY(beta.isValid());
        const QString dropped = QDir(fx.musicFolder()).filePath(QStringLiteral("Gamma/Live/g1.mp3"));
        QVERIFY(QFileInfo::exists(dropped));

        QStringList questions;
        editing::setMessageHook([&](QMessageBox::Icon, const QString &text, QMessageBox::StandardButtons) {
            questions << text;
            return QMessageBox::Yes;
        });
        std::unique_ptr<QMimeData> data(MakeFileMimeData({dropped}));
        QWidget *vp = tree->viewport();
        const QPoint at = tree->visualRect(beta).center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(vp, &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(vp, &move);
        QCOMPARE(tree->currentIndex().data().toString(), QStringLiteral("Beta"));
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(vp, &drop);
        editing::setMessageHook({});

        QCOMPARE(questions.value(0), QStringLiteral("アーティスト名を変更しますか？"));
        const TID3ListItem *t = form.services().store()->FindTrack(dropped);
        QVERIFY(t);
        QCOMPARE(t->V2.Artist, QStringLiteral("Beta"));
        QCOMPARE(t->V2.Album, QStringLiteral("Live")); // an artist node leaves the album
        // The views follow: Beta is selected and lists the dropped track.
        QCOMPARE(tree->currentIndex().data().toString().section(u' ', 0, 0), QStringLiteral("Beta"));
        QVERIFY(columnTexts(w.area.ListView_MAIN->model(), 5).contains(QStringLiteral("Encore")));
        QVERIFY(w.status.SpTBXLabelItem4->text().startsWith(QStringLiteral("file(s) were copied.")));
        QVERIFY(!topLevelNamed(tree->model(), QStringLiteral("Gamma")).isValid());
    }

    // The tree menu's "ALL PLAY" plays the tracks under the node the right
    // click chose; "ALL ADD" adds them; a double click in the copy list plays
    // the track list's selection (not the copy list's row).
    void treeAllPlayAndCopyListDoubleClick()
    {
        qputenv("VIREO_AUDIO_SINK", "fakesink sync=true");
        GuiFixture fx(songs());
        fx.setIni(QStringLiteral("MP3Param"), QStringLiteral("Playdef"), QStringLiteral("2"));
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTreeView *tree = w.tree.TreeView_Artist;
        const QModelIndex beta = topLevelNamed(tree->model(), QStringLiteral("Beta"));
        QVERIFY(beta.isValid());
        const QPoint at = tree->visualRect(beta).center();
        QMouseEvent right(QEvent::MouseButtonPress, QPointF(at), QPointF(tree->viewport()->mapToGlobal(at)),
                          Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &right);
        auto *allPlay = form.findChild<QAction *>(QStringLiteral("treeAllPlay"));
        auto *allAdd = form.findChild<QAction *>(QStringLiteral("treeAllAdd"));
        QVERIFY(allPlay && allPlay->isEnabled() && allAdd && allAdd->isEnabled());
        allPlay->trigger();
        PlayListPlayer &player = form.services().playback()->playList();
        QStringList played;
        for (const PlayListEntry &e : player.rows())
            played << QFileInfo(e.path).fileName();
        played.sort();
        QCOMPARE(played, (QStringList{QStringLiteral("b1.mp3"), QStringLiteral("b2.mp3")}));
        // "ALL ADD" goes to a running external player whatever the choice;
        // with none on the bus nothing changes here.
        allAdd->trigger();
        QCOMPARE(player.rows().size(), 2);
        player.stop();

        QTableView *list = w.area.ListView_MAIN;
        selectRows(list, {0, 1});
        w.area.ctxOrderedCopy->trigger();
        selectRows(list, {1});
        QTreeView *copyList = form.fileOps().tab().ListView_Select;
        emit copyList->doubleClicked(copyList->model()->index(0, 0));
        QCOMPARE(player.rows().size(), 1);
        QCOMPARE(player.rows()[0].path, pathOfRow(form, 1));
        player.stop();
    }

private:
    QTemporaryDir m_dataHome;
};

QTEST_MAIN(FileOpsWindowTest)
#include "FileOpsWindowTest.moc"
