// The main window's editing commands over real files: the tree menu's artist
// and album rename (name dialog, the save, the trees rebuilt with the new
// node selected, and undo), the external tag editor started on the selected
// file, and the tools menu's text repair entry.
#include "core/formats/ID3v1.h"
#include "core/formats/ID3v2.h"
#include "gui/app/VireoMainForm.h"
#include "gui/editing/EditingMessages.h"
#include "gui/editing/NameDialog.h"
#include "tests/gui/helpers/GuiFixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

using namespace vireo;
using namespace vireo::gui;
using namespace vireo::gui::test;

namespace {

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
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
}

// Answers the name dialog that the next command opens.
void answerNameDialog(const QString &name)
{
    QTimer::singleShot(0, [name] {
        auto *dlg = qobject_cast<vireo::gui::editing::TMdlgForm *>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        dlg->Edit_NewParam->setText(name);
        QTest::mouseClick(dlg->okButton, Qt::LeftButton);
    });
}

QAction *action(TVireoMainForm &form, const char *name)
{
    return form.findChild<QAction *>(QString::fromLatin1(name));
}

QString v2Field(const QString &path, bool album)
{
    TID3v2 tag;
    if (!tag.LoadTag(path))
        return QStringLiteral("<unreadable>");
    return album ? tag.Album() : tag.Artist();
}

} // namespace

class TreeRenameTest : public QObject {
    Q_OBJECT
    QStringList messages;

private slots:
    void init()
    {
        messages.clear();
        vireo::gui::editing::setMessageHook([this](QMessageBox::Icon, const QString &text, QMessageBox::StandardButtons) {
            messages.append(text);
            return QMessageBox::Ok;
        });
    }
    void cleanup() { vireo::gui::editing::setMessageHook({}); }

    void renamesAnArtistAndUndoTakesItBack()
    {
        GuiFixture fx;
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        const QString first = fx.musicFolder() + QStringLiteral("/Alpha/First/01.mp3");
        QFile f(first);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray original = f.readAll();
        f.close();

        clickNode(w.tree.TreeView_Artist, topLevel(w.tree.TreeView_Artist, QStringLiteral("Alpha")));
        QAction *artistRename = action(form, "treeArtistRename");
        QAction *albumRename = action(form, "treeAlbumRename");
        QVERIFY(artistRename && albumRename);
        emit w.tree.treeMenu->aboutToShow();
        QVERIFY(artistRename->isEnabled());
        QVERIFY(!albumRename->isEnabled());

        answerNameDialog(QStringLiteral("Omega Ensemble With A Very Long Name"));
        artistRename->trigger();
        QVERIFY(messages.isEmpty());
        const QStringList artists = topLevelTexts(w.tree.TreeView_Artist->model());
        QVERIFY(!artists.join(u'|').contains(QStringLiteral("Alpha")));
        QVERIFY(w.tree.TreeView_Artist->currentIndex().data().toString().startsWith(QStringLiteral("Omega")));
        for (const char *file : {"/Alpha/First/01.mp3", "/Alpha/First/02.mp3", "/Alpha/Second/01.mp3"})
            QCOMPARE(v2Field(fx.musicFolder() + QString::fromLatin1(file), false),
                     QStringLiteral("Omega Ensemble With A Very Long Name"));
        TID3v1 v1;
        QVERIFY(v1.LoadTag(first));
        QCOMPARE(v1.Artist(), QByteArray("Omega Ensemble With A Very Lon")); // the first 30 bytes
        QCOMPARE(v2Field(fx.musicFolder() + QStringLiteral("/Beta/Only/01.mp3"), false), QStringLiteral("Beta"));

        // "直前の保存を取り消す": the files are back, and so is the artist node.
        action(form, "UndoLastSave")->trigger();
        QCOMPARE(messages.size(), 1);
        QFile again(first);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), original);
        QVERIFY(topLevelTexts(w.tree.TreeView_Artist->model()).join(u'|').contains(QStringLiteral("Alpha")));
        fx.close();
    }

    void renamesAnAlbumFromTheArtistTree()
    {
        GuiFixture fx;
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        const QModelIndex alpha = topLevel(w.tree.TreeView_Artist, QStringLiteral("Alpha"));
        clickNode(w.tree.TreeView_Artist, alpha);
        w.tree.TreeView_Artist->expand(alpha);
        const QModelIndex firstAlbum = w.tree.TreeView_Artist->model()->index(0, 0, alpha);
        QCOMPARE(firstAlbum.data().toString(), QStringLiteral("First"));
        clickNode(w.tree.TreeView_Artist, firstAlbum);
        QCOMPARE(w.area.ListView_MAIN->model()->rowCount(), 2);
        emit w.tree.treeMenu->aboutToShow();
        QVERIFY(!action(form, "treeArtistRename")->isEnabled());
        QVERIFY(action(form, "treeAlbumRename")->isEnabled());

        // "キャンセル" changes nothing.
        QTimer::singleShot(0, [] {
            auto *dlg = qobject_cast<vireo::gui::editing::TMdlgForm *>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            QTest::keyClick(dlg, Qt::Key_Escape);
        });
        action(form, "treeAlbumRename")->trigger();
        QCOMPARE(v2Field(fx.musicFolder() + QStringLiteral("/Alpha/First/01.mp3"), true), QStringLiteral("First"));

        answerNameDialog(QStringLiteral("初めて"));
        action(form, "treeAlbumRename")->trigger();
        for (const char *file : {"/Alpha/First/01.mp3", "/Alpha/First/02.mp3"})
            QCOMPARE(v2Field(fx.musicFolder() + QString::fromLatin1(file), true), QStringLiteral("初めて"));
        QCOMPARE(v2Field(fx.musicFolder() + QStringLiteral("/Alpha/Second/01.mp3"), true), QStringLiteral("Second"));
        // The trees are rebuilt and the renamed album is selected under its artist.
        const QModelIndex current = w.tree.TreeView_Artist->currentIndex();
        QCOMPARE(current.data().toString(), QStringLiteral("初めて"));
        QVERIFY(current.parent().data().toString().startsWith(QStringLiteral("Alpha")));
        fx.close();
    }

    void externalTagEditorGetsTheQuotedPathAsOneArgument()
    {
        GuiFixture fx;
        const QString out = fx.programFolder() + QStringLiteral("/editor-args.txt");
        const QString script = fx.programFolder() + QStringLiteral("/editor.sh");
        {
            QFile s(script);
            QVERIFY(s.open(QIODevice::WriteOnly));
            s.write("#!/bin/sh\n{ pwd; echo \"$#\"; printf '%s\\n' \"$1\"; } > \"" + out.toUtf8() + ".tmp\"\nmv \""
                    + out.toUtf8() + ".tmp\" \"" + out.toUtf8() + "\"\n");
            s.close();
            s.setPermissions(s.permissions() | QFile::ExeOwner);
        }
        fx.setIni(QStringLiteral("MP3Param"), QStringLiteral("ID3TAGEditorFlg"), QStringLiteral("1"));
        fx.setIni(QStringLiteral("MP3Param"), QStringLiteral("ID3TAGEditor"), script);
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        clickNode(w.tree.TreeView_Artist, topLevel(w.tree.TreeView_Artist, QStringLiteral("Beta")));
        w.area.ListView_MAIN->selectRow(0);
        w.area.editTag->trigger();
        QVERIFY(!QApplication::activeModalWidget()); // no built-in dialog
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
        QVERIFY(lines.size() >= 3);
        QCOMPARE(QFileInfo(lines[0]).canonicalFilePath(), QFileInfo(fx.programFolder()).canonicalFilePath());
        QCOMPARE(lines[1], QStringLiteral("1"));
        QVERIFY2(lines[2].contains(QStringLiteral("/Beta/Only/")) && QFileInfo(lines[2]).isFile(), qPrintable(lines[2]));
        fx.close();
    }

    void toolsMenuOpensTheTextRepairWindow()
    {
        GuiFixture fx;
        TVireoMainForm &form = fx.start();
        auto *tools = form.menuBar()->findChild<QMenu *>(QStringLiteral("ToolsMenu"));
        QVERIFY(tools);
        QStringList captions;
        for (QAction *a : tools->actions())
            captions.append(a->text());
        QVERIFY(captions.join(u'|').contains(QStringLiteral("文字化け修復")));
        // It sits before the options menu.
        const QList<QAction *> menus = form.menuBar()->actions();
        const qsizetype at = menus.indexOf(tools->menuAction());
        QVERIFY(at > 0 && at + 1 < menus.size());
        QVERIFY(menus[at + 1]->text().startsWith(QStringLiteral("オプション")));
        fx.close();
    }
};

QTEST_MAIN(TreeRenameTest)
#include "TreeRenameTest.moc"
