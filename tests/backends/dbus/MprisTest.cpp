// The remote player and Vireo's own MPRIS service on a private session bus.
// The remote target is a small MPRIS player written here, living on its own
// thread and connection as another program would.
#include "backends/audio/GstAudioDevice.h"
#include "backends/dbus/MprisRemoteBus.h"
#include "backends/dbus/MprisService.h"
#include "core/playback/PlayListPlayer.h"
#include "core/playback/RemotePlayer.h"
#include "core/playback/TrackArt.h"
#include "core/formats/ID3v2.h"
#include "tests/support/TestSupport.h"

#include "tests/support/PlaybackSupport.h"

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QMutex>
#include <QThread>
#include <QTemporaryDir>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <gtest/gtest.h>

using namespace vireo;

class FakeTrackList : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.TrackList")
    Q_PROPERTY(bool CanEditTracks READ canEdit)
public:
    FakeTrackList(QObject *parent, bool editable) : QDBusAbstractAdaptor(parent), m_editable(editable) {}
    bool canEdit() const { return m_editable; }
    QStringList calls() const
    {
        QMutexLocker l(&m_lock);
        return m_calls;
    }
public slots:
    void AddTrack(const QString &uri, const QDBusObjectPath &after, bool setCurrent)
    {
        QMutexLocker l(&m_lock);
        m_calls << uri + u' ' + after.path() + u' ' + (setCurrent ? u't' : u'f');
    }
private:
    bool m_editable;
    mutable QMutex m_lock;
    QStringList m_calls;
};

namespace {

// Another program's player: its own connection, its own thread.
class FakePlayer {
public:
    FakePlayer(const QString &address, const QString &name, bool editable)
        : m_conn(QDBusConnection::connectToBus(address, name))
    {
        m_object = new QObject;
        m_trackList = new FakeTrackList(m_object, editable);
        m_object->moveToThread(&m_thread);
        m_thread.start();
        m_conn.registerObject(QStringLiteral("/org/mpris/MediaPlayer2"), m_object,
                              QDBusConnection::ExportAdaptors);
        m_registered = m_conn.registerService(QStringLiteral("org.mpris.MediaPlayer2.") + name);
    }
    ~FakePlayer()
    {
        m_conn.unregisterObject(QStringLiteral("/org/mpris/MediaPlayer2"));
        QDBusConnection::disconnectFromBus(m_conn.name());
        m_thread.quit();
        m_thread.wait();
        delete m_object;
    }
    bool registered() const { return m_registered; }
    QStringList calls() const { return m_trackList->calls(); }
private:
    QDBusConnection m_conn;
    QThread m_thread;
    QObject *m_object = nullptr;
    FakeTrackList *m_trackList = nullptr;
    bool m_registered = false;
};

class Mpris : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ensureCoreApplication();
        bus = std::make_unique<test::PrivateBus>();
        if (!bus->ok())
            GTEST_SKIP() << "dbus-daemon did not start";
        conn = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(bus->address(), QStringLiteral("vireo")));
        ASSERT_TRUE(conn->isConnected());
    }
    void TearDown() override
    {
        if (conn)
            QDBusConnection::disconnectFromBus(QStringLiteral("vireo"));
        conn.reset();
        bus.reset();
    }
    std::unique_ptr<test::PrivateBus> bus;
    std::unique_ptr<QDBusConnection> conn;
};

TEST_F(Mpris, NoPlayerIsNotFound)
{
    MprisRemoteBus remoteBus(*conn);
    TSCMPX_ctl remote(&remoteBus);
    EXPECT_FALSE(remote.Find());
    EXPECT_FALSE(remote.AddFile(QStringLiteral("/music/a.mp3")));
}

TEST_F(Mpris, PlayerWithoutEditableTrackListIsNoTarget)
{
    FakePlayer player(bus->address(), QStringLiteral("plain"), false);
    ASSERT_TRUE(player.registered());
    MprisRemoteBus remoteBus(*conn);
    TSCMPX_ctl remote(&remoteBus);
    EXPECT_FALSE(remote.AddFile(QStringLiteral("/music/a.mp3")));
    EXPECT_TRUE(player.calls().isEmpty());
}

TEST_F(Mpris, AddFileAppendsTheUriWithoutPlayingIt)
{
    MprisRemoteBus remoteBus(*conn);
    TSCMPX_ctl remote(&remoteBus, QStringLiteral("org.mpris.MediaPlayer2.vireo"));
    EXPECT_FALSE(remote.Find());
    // A player started after Vireo is found: every Add searches again.
    FakePlayer plain(bus->address(), QStringLiteral("aplain"), false);
    FakePlayer player(bus->address(), QStringLiteral("editor"), true);
    ASSERT_TRUE(player.registered());
    ASSERT_TRUE(remote.AddFile(QStringLiteral("/music/曲 1.mp3")));
    EXPECT_EQ(remote.player(), QStringLiteral("org.mpris.MediaPlayer2.editor"));
    EXPECT_EQ(player.calls(),
              QStringList{QStringLiteral("file:///music/%E6%9B%B2%201.mp3 /org/mpris/MediaPlayer2/TrackList/NoTrack f")});
    EXPECT_TRUE(plain.calls().isEmpty());
}

// Calls on Vireo's service from another connection, as playerctl does; the
// event loop runs while waiting so the service (on this thread) answers.
class Controller {
public:
    explicit Controller(const QString &address)
        : m_conn(QDBusConnection::connectToBus(address, QStringLiteral("controller"))) {}
    ~Controller() { QDBusConnection::disconnectFromBus(QStringLiteral("controller")); }
    QDBusMessage call(const QString &iface, const QString &method, const QVariantList &args = {})
    {
        QDBusMessage m = QDBusMessage::createMethodCall(QStringLiteral("org.mpris.MediaPlayer2.vireo"),
                                                        QStringLiteral("/org/mpris/MediaPlayer2"), iface, method);
        m.setArguments(args);
        QDBusPendingCall pending = m_conn.asyncCall(m, 5000);
        test::waitUntil([&] { return pending.isFinished(); }, 6000);
        return pending.reply();
    }
    QVariant property(const QString &iface, const QString &name)
    {
        const QDBusMessage r = call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                    {iface, name});
        if (r.type() != QDBusMessage::ReplyMessage || r.arguments().isEmpty())
            return QVariant();
        return r.arguments().first().value<QDBusVariant>().variant();
    }
    QVariant player(const QString &name) { return property(QStringLiteral("org.mpris.MediaPlayer2.Player"), name); }
    bool player_call(const QString &method)
    {
        return call(QStringLiteral("org.mpris.MediaPlayer2.Player"), method).type() == QDBusMessage::ReplyMessage;
    }
private:
    QDBusConnection m_conn;
};

TEST_F(Mpris, MediaKeysControlThePlayList)
{
    qputenv("VIREO_AUDIO_SINK", "fakesink sync=true");
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.mp3")), b = dir.filePath(QStringLiteral("b.mp3"));
    QString why;
    if (!GstAudioDevice::initialise(&why) || !test::makeMp3(a, 4.0) || !test::makeMp3(b, 4.0))
        GTEST_SKIP() << "no GStreamer or lame " << qPrintable(why);

    PlayListPlayer list(gstAudioDeviceFactory());
    PlayListEntry ea = PlayListEntry::fromPath(a), eb = PlayListEntry::fromPath(b);
    eb.row.Cells[CellTitle] = QStringLiteral("二曲目");
    eb.row.Cells[CellArtist] = QStringLiteral("歌手");
    list.setRows({ea, eb});
    MprisService service(&list, nullptr);
    service.setArtLookup([](const QString &p) { return p + QStringLiteral(".jpg"); });
    ASSERT_TRUE(service.registerOn(*conn));

    Controller ctl(bus->address());
    EXPECT_EQ(ctl.property(QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("DesktopEntry")).toString(),
              QStringLiteral("vireo"));
    EXPECT_EQ(ctl.player(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Stopped"));

    ASSERT_TRUE(ctl.player_call(QStringLiteral("PlayPause")));
    EXPECT_EQ(list.playingMark(), 0);
    EXPECT_EQ(ctl.player(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Playing"));

    ASSERT_TRUE(ctl.player_call(QStringLiteral("Pause")));
    EXPECT_EQ(list.mode(), PlayerMode::Paused);
    EXPECT_EQ(ctl.player(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Paused"));
    ASSERT_TRUE(ctl.player_call(QStringLiteral("PlayPause")));
    EXPECT_EQ(list.mode(), PlayerMode::Playing);

    ASSERT_TRUE(ctl.player_call(QStringLiteral("Next")));
    EXPECT_EQ(list.playingMark(), 1);
    const QDBusMessage meta = ctl.call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                       {QStringLiteral("org.mpris.MediaPlayer2.Player"), QStringLiteral("Metadata")});
    ASSERT_EQ(meta.type(), QDBusMessage::ReplyMessage);
    const QVariantMap m = qdbus_cast<QVariantMap>(meta.arguments().first().value<QDBusVariant>().variant());
    EXPECT_EQ(m.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("二曲目"));
    EXPECT_EQ(m.value(QStringLiteral("xesam:artist")).toStringList(), QStringList{QStringLiteral("歌手")});
    EXPECT_EQ(m.value(QStringLiteral("mpris:length")).toLongLong(), 4000000);
    EXPECT_EQ(m.value(QStringLiteral("mpris:artUrl")).toString(), fileUri(b + QStringLiteral(".jpg")));

    ASSERT_TRUE(ctl.player_call(QStringLiteral("Previous")));
    EXPECT_EQ(list.playingMark(), 0);
    ASSERT_TRUE(ctl.player_call(QStringLiteral("Stop")));
    EXPECT_EQ(list.mode(), PlayerMode::NoDevice);
    EXPECT_EQ(ctl.player(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Stopped"));

    // Vireo's own service is never taken for a remote player.
    MprisRemoteBus remoteBus(*conn);
    TSCMPX_ctl remote(&remoteBus, QString::fromLatin1(MprisService::kServiceName));
    EXPECT_FALSE(remote.Find());
}

// The sound menu's picture: a file:// URL of the album's cover file, or of
// the embedded picture written once to the cache folder; none without a cover.
TEST_F(Mpris, ArtUrlNamesTheCoverFileOrTheCachedEmbeddedPicture)
{
    qputenv("VIREO_AUDIO_SINK", "fakesink sync=true");
    QTemporaryDir dir;
    const QString embedded = dir.filePath(QStringLiteral("Tagged/01.mp3"));
    const QString withFile = dir.filePath(QStringLiteral("Folder/01.mp3"));
    const QString bare = dir.filePath(QStringLiteral("Bare/01.mp3"));
    QString why;
    for (const QString &f : {embedded, withFile, bare})
        QDir().mkpath(QFileInfo(f).absolutePath());
    if (!GstAudioDevice::initialise(&why) || !test::makeMp3(embedded, 3.0) || !test::makeMp3(withFile, 3.0)
        || !test::makeMp3(bare, 3.0))
        GTEST_SKIP() << "no GStreamer or lame " << qPrintable(why);
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(40, 'p');
    {
        TID3v2 tag;
        ASSERT_TRUE(tag.LoadTag(embedded));
        tag.Picture().MimeType = QStringLiteral("image/png");
        tag.Picture().ImageData = png;
        ASSERT_TRUE(tag.SaveTag(embedded));
    }
    const QString folderJpg = dir.filePath(QStringLiteral("Folder/folder.jpg"));
    test::writeFile(folderJpg, QByteArray("\xFF\xD8\xFF\xE0", 4));

    PlayListPlayer list(gstAudioDeviceFactory());
    list.setRows({PlayListEntry::fromPath(embedded), PlayListEntry::fromPath(withFile), PlayListEntry::fromPath(bare)});
    TrackArtCache art(dir.filePath(QStringLiteral("cache")));
    MprisService service(&list, nullptr);
    service.setArtLookup([&](const QString &p) { return art.artFor(p, QString()); });
    ASSERT_TRUE(service.registerOn(*conn));
    Controller ctl(bus->address());
    const auto metadata = [&] {
        const QDBusMessage meta = ctl.call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                           {QStringLiteral("org.mpris.MediaPlayer2.Player"), QStringLiteral("Metadata")});
        return qdbus_cast<QVariantMap>(meta.arguments().value(0).value<QDBusVariant>().variant());
    };

    list.setSelected(0);
    list.play();
    const QString url = metadata().value(QStringLiteral("mpris:artUrl")).toString();
    ASSERT_TRUE(url.startsWith(QStringLiteral("file://"))) << qPrintable(url);
    const QString cached = QUrl(url).toLocalFile();
    EXPECT_TRUE(cached.startsWith(dir.filePath(QStringLiteral("cache/"))));
    EXPECT_TRUE(cached.endsWith(QStringLiteral(".png")));
    EXPECT_EQ(test::readFile(cached), png);
    EXPECT_EQ(metadata().value(QStringLiteral("mpris:artUrl")).toString(), url); // the same file again

    list.next();
    EXPECT_EQ(metadata().value(QStringLiteral("mpris:artUrl")).toString(), fileUri(folderJpg));
    list.next();
    EXPECT_FALSE(metadata().contains(QStringLiteral("mpris:artUrl")));
    list.stop();
}

} // namespace

#include "MprisTest.moc"
