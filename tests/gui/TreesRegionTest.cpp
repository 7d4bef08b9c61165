// The left panel alone over a small store: the trees, the song-count filter
// and the node texts, without the window and without a start-up scan.
#include "gui/views/TreeNodeModel.h"
#include "gui/views/TreesController.h"
#include "tests/gui/helpers/RegionFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

using namespace vireo::gui;
using namespace vireo::gui::test;

class TreesRegionTest : public QObject {
    Q_OBJECT
private slots:
    void songCountFilter()
    {
        RegionFixture fx;
        TreesController trees(fx.views(), fx.session(), fx.mediator(), fx.images(), &fx.window());
        fx.place(trees.widgets().Panel_ArticetList);
        trees.rebuildTrees();
        TreePanelWidgets &w = trees.widgets();
        QCOMPARE(w.TreeView_Artist->model()->rowCount(), 4);
        w.Edit1->setText("2");
        w.ComboBox1->setCurrentIndex(2); // と等しい
        QTest::mouseClick(w.Btn_NumSet, Qt::LeftButton);
        QCOMPARE(topLevelTexts(w.TreeView_Artist->model()), QStringList({"Beta"}));
        w.Edit1->setText("abc");
        QTest::mouseClick(w.Btn_NumSet, Qt::LeftButton);
        QCOMPARE(topLevelTexts(w.TreeView_Artist->model()), QStringList({"Beta"}));
        QTest::mouseClick(w.Btn_NumReset, Qt::LeftButton);
        QCOMPARE(w.TreeView_Artist->model()->rowCount(), 4);
        // With counts shown the artist nodes carry them.
        trees.setShowCounts(true);
        const QStringList texts = topLevelTexts(w.TreeView_Artist->model());
        QVERIFY2(texts.contains(QStringLiteral("Alpha (3)")), qPrintable(texts.join(u',')));
    }

    void artistChoiceAsksForTheTrackListThroughTheMediator()
    {
        RegionFixture fx;
        TreesController trees(fx.views(), fx.session(), fx.mediator(), fx.images(), &fx.window());
        fx.place(trees.widgets().Panel_ArticetList);
        trees.rebuildTrees();
        QSignalSpy rows(&fx.mediator(), &MainMediator::trackRowsChanged);
        QSignalSpy tabs(&fx.mediator(), &MainMediator::albumTabsChanged);
        QTreeView *tree = trees.widgets().TreeView_Artist;
        const QModelIndex alpha = tree->model()->index(1, 0);
        QCOMPARE(alpha.data().toString(), QStringLiteral("Alpha"));
        tree->setCurrentIndex(alpha);
        QCOMPARE(rows.count(), 1);
        QCOMPARE(tabs.count(), 1);
        QCOMPARE(fx.views().browse().table().rowCount(), 3);
        // While starting up the tree handlers do nothing.
        fx.session().setStartingUp(true);
        tree->setCurrentIndex(tree->model()->index(2, 0));
        QCOMPARE(rows.count(), 1);
    }
};

QTEST_MAIN(TreesRegionTest)
#include "TreesRegionTest.moc"
