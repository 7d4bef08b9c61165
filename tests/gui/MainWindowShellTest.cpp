// The main window's commands: the right texts and shortcuts in the right
// places, later commands present but disabled, shared toggles kept in step.
#include "gui/app/VireoMainForm.h"
#include "tests/gui/helpers/GuiFixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QtTest>

using namespace vireo::gui;
using namespace vireo::gui::test;

namespace {
QAction *findAction(QWidget *root, const QString &caption)
{
    for (QAction *a : root->findChildren<QAction *>())
        if (a->text() == caption)
            return a;
    for (QMenu *m : root->findChildren<QMenu *>())
        for (QAction *a : m->actions())
            if (a->text() == caption)
                return a;
    return nullptr;
}
} // namespace

class MainWindowShellTest : public QObject {
    Q_OBJECT
private slots:
    void menuCommands_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("open folder") << QStringLiteral("フォルダを指定して開く(&N)") << true << QString();
        QTest::newRow("open default") << QStringLiteral("デフォルトフォルダを開く(&O)") << true << QString();
        QTest::newRow("rebuild") << QStringLiteral("キャッシュ再構築") << true << QString();
        QTest::newRow("csv") << QStringLiteral("CSV出力") << true << QString();
        QTest::newRow("exit") << QStringLiteral("終了(&x)") << true << QString();
        QTest::newRow("select all") << QStringLiteral("全選択(&A)") << true << QStringLiteral("Ctrl+A");
        QTest::newRow("cover list") << QStringLiteral("カバーアートリスト") << true << QString();
        QTest::newRow("options page 0") << QStringLiteral("デフォルトフォルダ設定") << false << QString();
        QTest::newRow("about") << QStringLiteral("バージョン情報(&A)...") << true << QString();
        QTest::newRow("ctx play") << QStringLiteral("プレイリストへ追加") << true << QStringLiteral("Ctrl+L");
        QTest::newRow("ctx all play") << QStringLiteral("全曲Play") << true << QStringLiteral("Ctrl+Alt+A");
        QTest::newRow("ctx ordered copy") << QStringLiteral("選択順にコピー") << true << QStringLiteral("Ctrl+Alt+C");
        QTest::newRow("ctx delete cache") << QStringLiteral("キャッシュから削除") << true << QString();
        QTest::newRow("id3v2 toggle") << QStringLiteral("ID3v2表示") << true << QString();
        QTest::newRow("shuffle") << QStringLiteral("シャッフル") << true << QString();
        QTest::newRow("make playlist") << QStringLiteral("Make Playlist") << true << QString();
        QTest::newRow("add favourite") << QStringLiteral("お気に入りに追加") << true << QString();
    }
    void menuCommands()
    {
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        QFETCH(QString, shortcut);
        GuiFixture fx(QList<vireo::gui::test::Song>{});
        TVireoMainForm &form = fx.start();
        QAction *a = findAction(&form, caption);
        QVERIFY2(a, qPrintable(caption));
        QCOMPARE(a->isEnabled(), enabled);
        QCOMPARE(a->shortcut().toString(), shortcut);
    }

    void treePanelToggleIsShared()
    {
        GuiFixture fx(QList<vireo::gui::test::Song>{});
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        QAction *toolbarToggle = nullptr;
        for (QAction *a : w.menus.TBXToolbar2->actions())
            if (a->text() == QStringLiteral("ツリー表示"))
                toolbarToggle = a;
        QVERIFY(toolbarToggle);
        toolbarToggle->trigger();
        QVERIFY(!w.menus.treePanel->isChecked());
        QVERIFY(!w.tree.Panel_ArticetList->isVisible());
        w.menus.treePanel->trigger();
        QVERIFY(toolbarToggle->isChecked());
        QVERIFY(w.tree.Panel_ArticetList->isVisible());
    }

    void layoutsMoveTheTreePanel()
    {
        GuiFixture fx(QList<vireo::gui::test::Song>{});
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        w.menus.layoutA->trigger();
        QCOMPARE(w.layout.mainSplitter()->orientation(), Qt::Vertical);
        w.menus.layoutB->trigger();
        QCOMPARE(w.layout.mainSplitter()->orientation(), Qt::Horizontal);
        QCOMPARE(w.layout.mainSplitter()->handleWidth(), 3);
    }

    void leftPagesCarryHints()
    {
        GuiFixture fx(QList<vireo::gui::test::Song>{});
        TVireoMainForm &form = fx.start();
        QTabWidget *pc = form.treePanel().PageControl1;
        QCOMPARE(pc->count(), 5);
        const QStringList hints = {"Artist & Album List", "Album List", "M3U Play List",
                                   "MP3 Finder", ""};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(pc->tabToolTip(i), hints[i]);
            QVERIFY(pc->tabText(i).isEmpty());
        }
    }
};

QTEST_MAIN(MainWindowShellTest)
#include "MainWindowShellTest.moc"
