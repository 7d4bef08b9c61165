// The playlist tab and the playlist editor in the running main window: the
// tab lists the playlist folder, a playlist's tracks fill the track list,
// and the editor makes, saves and changes playlists beside the main window.
#include "core/library/LibraryStore.h"
#include "core/playlists/M3UFile.h"
#include "core/playlists/PlaylistTexts.h"
#include "core/views/LibraryViews.h"
#include "gui/app/AppServices.h"
#include "gui/app/VireoMainForm.h"
#include "gui/playlists/FavMakeForm.h"
#include "gui/playlists/PlaylistCommands.h"
#include "gui/playlists/PlaylistTabController.h"
#include "tests/gui/helpers/GuiFixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTreeView>
#include <QtTest>

using namespace vireo;
using namespace vireo::gui;
using namespace vireo::gui::test;

namespace {

struct PlaylistWindow {
    GuiFixture fx;
    QString lists;
    QString mix;

    PlaylistWindow()
    {
        lists = fx.programFolder() + QStringLiteral("lists/");
        const QString rel = QDir(lists).relativeFilePath(fx.musicFolder());
        mix = lists + QStringLiteral("mix.m3u");
        vireo::test::writeFile(mix, (rel + QStringLiteral("/Beta/Only/01.mp3\r\nnot-here.mp3\r\n") +
                                     fx.musicFolder() + QStringLiteral("Alpha/First/01.mp3\r\n") + rel +
                                     QStringLiteral("/Beta/Only/01.mp3\r\n"))
                                        .toUtf8());
        vireo::test::writeFile(lists + QStringLiteral("sub/x.M3U"), "#EXTM3U\r\n");
        vireo::test::writeFile(lists + QStringLiteral("z.m3u8"), "a.mp3\r\n");
        fx.setIni(QStringLiteral("MP3Param"), QStringLiteral("FavDir"), lists);
    }
    TVireoMainForm &start()
    {
        TVireoMainForm &form = fx.start();
        TFavMakeForm &editor = form.playlists().editor();
        TFavMakeForm::Dialogs d;
        d.ask = [this](const QString &q) {
            questions << q;
            return answers.isEmpty() ? false : answers.takeFirst();
        };
        d.chooseOpen = [this](const QString &) { return openName; };
        d.chooseSave = [this](const QString &) { return saveName; };
        d.error = [this](const QString &m) { errors << m; };
        editor.setDialogs(d);
        return form;
    }
    int rowOf(QTreeView *tree, const QString &caption)
    {
        for (int r = 0; r < tree->model()->rowCount(); ++r)
            if (tree->model()->index(r, 0).data().toString() == caption)
                return r;
        return -1;
    }

    QStringList questions;
    QList<bool> answers;
    QString openName, saveName;
    QStringList errors;
};

QStringList editorColumn(TFavMakeForm &editor, int column)
{
    QStringList out;
    QAbstractItemModel *m = editor.ListView_Fav->model();
    for (int r = 0; r < m->rowCount(); ++r)
        out << m->index(r, column).data().toString();
    return out;
}

} // namespace

class PlaylistTabTest : public QObject {
    Q_OBJECT
private slots:
    void tabListsThePlaylistFolderAndShowsAPlaylist()
    {
        PlaylistWindow pw;
        TVireoMainForm &form = pw.start();
        WindowParts w = parts(form);
        QTreeView *tree = w.tree.TreeView_Fav;
        QVERIFY(tree);
        QCOMPARE(tree->objectName(), QStringLiteral("TreeView_Fav"));
        QStringList captions = topLevelTexts(tree->model());
        captions.sort();
        QCOMPARE(captions, QStringList({"mix.m3u", "x.M3U"}));

        const qsizetype tracksBefore = form.services().store()->TrackCount();
        w.tree.PageControl1->setCurrentIndex(TreePanelWidgets::PlaylistPage);
        tree->setCurrentIndex(tree->model()->index(pw.rowOf(tree, "mix.m3u"), 0));
        QCOMPARE(form.services().browse().viewMode(), views::ViewMode::Playlists);
        QAbstractItemModel *list = w.area.ListView_MAIN->model();
        QCOMPARE(list->rowCount(), 4);
        // The playlist's order (the default sort keeps it), a missing row, a duplicate.
        QCOMPARE(columnTexts(list, 5), QStringList({"Zebra", "", "Morning", "Zebra"}));
        QCOMPARE(form.services().browse().table().imageIndex(1), views::kRowImageMissing);
        QCOMPARE(form.services().store()->TrackCount(), tracksBefore);
        QCOMPARE(w.area.TabControl1->count(), 0);

        // Another view, then a click on the same playlist shows it again.
        w.menus.showAll->trigger();
        QVERIFY(form.services().browse().viewMode() != views::ViewMode::Playlists);
        w.tree.PageControl1->setCurrentIndex(TreePanelWidgets::PlaylistPage);
        const QModelIndex at = tree->currentIndex();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(at).center());
        QCOMPARE(form.services().browse().viewMode(), views::ViewMode::Playlists);
        QCOMPARE(list->rowCount(), 4);
    }

    void aFolderNamedLikeAPlaylistIsNoPlaylist()
    {
        PlaylistWindow pw;
        TVireoMainForm &form = pw.start();
        PlaylistTabController &tab = form.playlists().tab();
        QStringList messages;
        tab.setMessageSink([&](const QString &m) { messages << m; });
        QDir().mkpath(pw.lists + QStringLiteral("folder.m3u"));
        tab.reload();
        QCOMPARE(tab.files().Count(), 2);
        QVERIFY(messages.isEmpty());
    }

    void editorMakesAndChangesPlaylists()
    {
        PlaylistWindow pw;
        TVireoMainForm &form = pw.start();
        WindowParts w = parts(form);
        TFavMakeForm &editor = form.playlists().editor();
        QVERIFY(!editor.isVisible());

        // "お気に入りに追加" with two rows of the whole library selected.
        w.menus.showAll->trigger();
        QTableView *main = w.area.ListView_MAIN;
        QVERIFY(main->model()->rowCount() >= 2);
        main->selectionModel()->select(main->model()->index(1, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        main->selectionModel()->select(main->model()->index(0, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QVERIFY(w.area.ctxAddFavourite->isEnabled());
        w.area.ctxAddFavourite->trigger();
        QVERIFY(editor.isVisible());
        QVERIFY(form.isVisible());
        QCOMPARE(editor.windowTitle(), QStringLiteral("m3u作成～お気に入りの作成～"));
        QCOMPARE(editor.ListBox_FavFile->count(), 2);
        const QStringList firstTwo = {columnTexts(main->model(), 5)[0], columnTexts(main->model(), 5)[1]};
        QCOMPARE(editorColumn(editor, 5), firstTwo);
        QVERIFY(editor.editor().modified());

        // Save as: the plain form; then 上書き保存: the Unicode form.
        pw.saveName = pw.lists + QStringLiteral("新規.m3u");
        editor.saveAsAct->trigger();
        QVERIFY(pw.errors.isEmpty());
        const QByteArray plain = vireo::test::readFile(pw.saveName);
        QVERIFY(!plain.startsWith("\xFF\xFE"));
        QCOMPARE(plain.count("\r\n"), 2);
        QCOMPARE(editor.Label2->text(), QStringLiteral(" 編集中:") + pw.saveName);
        QCOMPARE(editor.ListBox_FavFile->count(), 3);
        QCOMPARE(editor.ListBox_FavFile->currentItem()->text(), QStringLiteral("新規.m3u"));
        editor.ListView_Fav->selectRow(1);
        editor.toolUp->trigger();
        QCOMPARE(editorColumn(editor, 5), QStringList({firstTwo[1], firstTwo[0]}));
        QTest::mouseClick(editor.Btn_Save, Qt::LeftButton);
        const QByteArray unicode = vireo::test::readFile(pw.saveName);
        QVERIFY(unicode.startsWith("\xFF\xFE"));
        QVERIFY(!editor.editor().modified());

        // A click on a playlist of the list loads it; with changes it asks first.
        editor.ListView_Fav->selectRow(0);
        editor.ctxDelete->trigger();
        QCOMPARE(editor.ListView_Fav->model()->rowCount(), 1);
        pw.answers = {false};
        QListWidgetItem *mixItem = editor.ListBox_FavFile->findItems("mix.m3u", Qt::MatchExactly).value(0);
        QVERIFY(mixItem);
        QTest::mouseClick(editor.ListBox_FavFile->viewport(), Qt::LeftButton, {},
                          editor.ListBox_FavFile->visualItemRect(mixItem).center());
        QCOMPARE(pw.questions, QStringList{playlists::kAskSave});
        QCOMPARE(editorColumn(editor, 5), QStringList({"Zebra", "", "Morning", "Zebra"}));
        QCOMPARE(editor.Label2->text(), QStringLiteral(" 編集中:") + pw.mix);
        QCOMPARE(vireo::test::readFile(pw.saveName), unicode); // the answer was No

        // Cancel drops a change; close keeps the rows for the next opening.
        editor.ListView_Fav->selectRow(0);
        editor.ctxDelete->trigger();
        QTest::mouseClick(editor.Btn_Cancel, Qt::LeftButton);
        QCOMPARE(editor.ListView_Fav->model()->rowCount(), 4);
        editor.ListView_Fav->selectRow(0);
        editor.toolDown->trigger();
        QVERIFY(editor.editor().modified());
        QTest::mouseClick(editor.Btn_Close, Qt::LeftButton);
        QVERIFY(!editor.isVisible());
        w.area.makePlaylist->trigger();
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.ListView_Fav->model()->rowCount(), 4);
        QVERIFY(!editor.editor().modified());

        // The editor keeps its playlist across a library refresh.
        w.menus.openDefault->trigger();
        QCOMPARE(form.playlists().tab().files().Count(), 3);
        editor.toolNew->trigger();
        QCOMPARE(editor.ListView_Fav->model()->rowCount(), 0);
        QCOMPARE(editor.Label2->text(), QStringLiteral(" 編集中:"));
    }

    void columnMenuHidesAndShowsColumns()
    {
        PlaylistWindow pw;
        TVireoMainForm &form = pw.start();
        TFavMakeForm &editor = form.playlists().editor();
        const QList<QAction *> items = editor.columnsMenu->actions();
        QCOMPARE(items.size(), 7);
        QCOMPARE(items[1]->text(), QStringLiteral("ﾀｲﾄﾙ"));
        QVERIFY(items[1]->isChecked());
        QCOMPARE(editor.ListView_Fav->columnWidth(5), 200);
        items[1]->trigger();
        QVERIFY(editor.ListView_Fav->isColumnHidden(5));
        items[1]->trigger();
        QVERIFY(!editor.ListView_Fav->isColumnHidden(5));
        QCOMPARE(editor.ListView_Fav->columnWidth(5), 200);
        // The file-name column starts hidden; its item shows it.
        QVERIFY(!items[0]->isChecked());
        items[0]->trigger();
        QVERIFY(!editor.ListView_Fav->isColumnHidden(3));
        QVERIFY(editor.ListView_Fav->columnWidth(3) > 0);
    }
};

QTEST_MAIN(PlaylistTabTest)
#include "PlaylistTabTest.moc"
