// Playback in the main window: the play-list page is installed, ALL Play with
// the built-in player fills it and plays, quick play switches its controls,
// and the close stops the players.
#include "core/playback/PlayListPlayer.h"
#include "gui/app/AppServices.h"
#include "gui/app/VireoMainForm.h"
#include "gui/playback/PlayListPage.h"
#include "gui/playback/PlaybackServices.h"
#include "tests/gui/helpers/GuiFixture.h"

#include <QAction>
#include <QTableView>
#include <QTreeWidget>
#include <QtTest>

using namespace vireo;
using namespace vireo::gui;
using namespace vireo::gui::test;

class PlaybackWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("VIREO_AUDIO_SINK", "fakesink sync=true"); }

    void allPlayWithTheBuiltInPlayerFillsThePlayList()
    {
        GuiFixture fx;
        fx.setIni(QStringLiteral("MP3Param"), QStringLiteral("Playdef"), QStringLiteral("2"));
        TVireoMainForm &form = fx.start();
        WindowParts w = parts(form);
        auto *page = form.findChild<PlayListPage *>();
        QVERIFY(page);
        QTreeWidget *playList = page->list();
        QVERIFY(form.playerBar().allPlay->isEnabled());

        w.menus.showAll->trigger();
        const int rows = w.area.ListView_MAIN->model()->rowCount();
        QVERIFY(rows > 0);
        form.playerBar().allPlay->trigger();
        PlayListPlayer &player = form.services().playback()->playList();
        QCOMPARE(int(player.rows().size()), rows);
        QCOMPARE(playList->topLevelItemCount(), rows);
        QCOMPARE(player.playingMark(), 0);

        // Quick play: its controls follow the toggle.
        QVERIFY(!form.playerBar().play->isEnabled());
        form.playerBar().quickPlay->trigger();
        QVERIFY(form.playerBar().play->isEnabled());
        form.playerBar().quickPlay->trigger();
        QVERIFY(!form.playerBar().play->isEnabled());

        fx.close();
        const QStringList log = fx.logLines();
        const auto at = [&](const QString &t) {
            for (int i = 0; i < log.size(); ++i)
                if (log[i].endsWith(t))
                    return i;
            return -1;
        };
        QVERIFY(at(QStringLiteral("内蔵プレイヤー開放")) >= 0);
        QVERIFY(at(QStringLiteral("内蔵プレイヤー開放終了")) > at(QStringLiteral("内蔵プレイヤー開放")));
    }
};

QTEST_MAIN(PlaybackWindowTest)
#include "PlaybackWindowTest.moc"
