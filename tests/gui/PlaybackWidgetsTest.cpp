// The play-list page, the quick-play bar and the volume bar over the real
// core services (GStreamer with a fake real-time sink, real MP3s).
#include "backends/audio/GstAudioDevice.h"
#include "core/playback/Mixer.h"
#include "core/playback/PlayCommands.h"
#include "core/playback/PlayListPlayer.h"
#include "gui/playback/PlayListPage.h"
#include "gui/playback/PlaybackController.h"
#include "gui/playback/PlaybackServices.h"
#include "gui/playback/QuickPlayBar.h"
#include "gui/playback/VolumeBar.h"
#include "tests/support/PlaybackSupport.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using namespace vireo;
using namespace vireo::gui;

class PlaybackWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("VIREO_AUDIO_SINK", "fakesink sync=true");
        QString why;
        if (!GstAudioDevice::initialise(&why))
            QSKIP(qPrintable(why));
        m_a = m_dir.filePath(QStringLiteral("一.mp3"));
        m_b = m_dir.filePath(QStringLiteral("二.mp3"));
        QVERIFY(test::makeMp3(m_a, 3.0));
        QVERIFY(test::makeMp3(m_b, 3.0));
    }

    void playListPageDrivesThePlayer()
    {
        PlayListPlayer player(gstAudioDeviceFactory());
        PlayListPage page;
        page.bind(&player);
        player.setRows({PlayListEntry::fromPath(m_a), PlayListEntry::fromPath(m_b)});
        QCOMPARE(page.list()->topLevelItemCount(), 2);
        QCOMPARE(page.list()->topLevelItem(1)->text(5), QStringLiteral("二"));

        // Double click plays that row and puts the mark on it.
        QTreeWidgetItem *second = page.list()->topLevelItem(1);
        emit page.list()->itemDoubleClicked(second, 0);
        QCOMPARE(player.playingMark(), 1);
        QVERIFY(!second->icon(0).isNull());
        QVERIFY(page.list()->topLevelItem(0)->icon(0).isNull());
        QCOMPARE(page.progress()->maximum(), 3);
        QTRY_COMPARE_WITH_TIMEOUT(page.progress()->value(), 1, 2500);
        QCOMPARE(page.progress()->format(), QStringLiteral("00:01"));

        page.pauseButton()->click();
        QCOMPARE(player.mode(), PlayerMode::Paused);
        page.pauseButton()->click();
        QCOMPARE(player.mode(), PlayerMode::Playing);

        page.previousButton()->click();
        QCOMPARE(player.playingMark(), 0);
        QVERIFY(page.list()->topLevelItem(0)->isSelected());

        page.stopButton()->click();
        QCOMPARE(player.playingMark(), -1);
        QCOMPARE(page.progress()->value(), 0);
        QVERIFY(page.list()->topLevelItem(0)->icon(0).isNull());

        // Intro settings reach the player; the spin box goes 0 to 100.
        page.introButton()->click();
        QVERIFY(player.introPlay());
        page.introSeconds()->setValue(7);
        QCOMPARE(player.introSeconds(), 7);
        QCOMPARE(page.introSeconds()->maximum(), 100);

        page.list()->setCurrentItem(page.list()->topLevelItem(1)); // as a click selects it
        QCOMPARE(player.selected(), 1);
        page.deleteAction()->trigger();
        QCOMPARE(page.list()->topLevelItemCount(), 1);
    }

    void quickPlayToggleEnablesItsControlsAndStopsWhenOff()
    {
        PlayerSlot quick(gstAudioDeviceFactory());
        PlayListPlayer list(gstAudioDeviceFactory());
        PlayCommands::Services s;
        s.playList = &list;
        s.quickPlay = &quick;
        PlayCommands commands(s, m_dir.filePath(QStringLiteral("$$vire$$.m3u")));
        QuickPlayBar bar;
        bar.bind(&commands, &quick);
        QVERIFY(!bar.playButton()->isEnabled());
        QVERIFY(!bar.progress()->isEnabled());

        QVector<PlayListEntry> rows{PlayListEntry::fromPath(m_a), PlayListEntry::fromPath(m_b)};
        PlaybackController controller(&commands, &list, &quick,
                                      {[&] { return rows; }, [] { return std::vector<bool>{false, true}; }},
                                      nullptr);
        connect(&bar, &QuickPlayBar::playRequested, &controller, &PlaybackController::quickPlay);

        bar.playButton()->click(); // disabled: nothing plays
        QVERIFY(!quick.hasPlayer());
        bar.toggle()->click();
        QVERIFY(commands.quickPlayOn());
        QVERIFY(bar.playButton()->isEnabled());
        QVERIFY(bar.label()->font().bold());
        bar.playButton()->click();
        QVERIFY(quick.hasPlayer());
        QCOMPARE(quick.player()->FileName(), m_b);
        QTRY_COMPARE_WITH_TIMEOUT(bar.progress()->value(), 1, 2500);

        bar.toggle()->click(); // off: stops, resets the bar
        QVERIFY(!quick.hasPlayer());
        QCOMPARE(bar.progress()->value(), 0);
        QVERIFY(!bar.stopButton()->isEnabled());
        QVERIFY(!bar.label()->font().bold());
    }

    void volumeBarWithoutMixerIsInert()
    {
        VolumeBar bar;
        TMixer mixer(nullptr);
        bar.bind(&mixer);
        QVERIFY(!bar.isEnabled());
        QCOMPARE(bar.slider()->maximum(), 100);
        QCOMPARE(bar.slider()->value(), 0);
    }

    void servicesRunWithoutABusOrASoundServer()
    {
        const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
        QStringList log;
        {
            PlaybackServices services(m_dir.filePath(QStringLiteral("$$vire$$.m3u")),
                                      [] { return PlayerChoice{2, {}, {}, {}}; },
                                      [&](const QString &line) { log << line; });
            QVERIFY(services.commands().allPlay({PlayListEntry::fromPath(m_a)}).ok());
            QCOMPARE(services.playList().playingMark(), 0);
            VolumeBar bar;
            bar.bind(&services.mixer());
            QCOMPARE(bar.isEnabled(), services.mixer().hasMasterLine());
            services.stopAll();
            QVERIFY(!services.playList().slot().hasPlayer());
        }
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
    }

private:
    QTemporaryDir m_dir;
    QString m_a, m_b;
};

QTEST_MAIN(PlaybackWidgetsTest)
#include "PlaybackWidgetsTest.moc"
