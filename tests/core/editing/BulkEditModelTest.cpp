// The bulk tag editor's model over real files: what the boxes collect, the
// field rules of the save (read back by mutagen), and files that fail.
#include "tests/core/editing/EditingTestUtil.h"

#include "core/editing/BulkEditModel.h"

#include <QFile>

using namespace vireo;
using namespace vireo::editing;
using namespace vireo::test;

namespace {

class BulkEdit : public EditingFixture {
protected:
    QList<QString> paths;
    void SetUp() override
    {
        EditingFixture::SetUp();
        V1Fields a{"One", "Alpha", "Red", "1999", "c1", 1, 17};
        V1Fields b{"Two", "Beta", "Blue", "2000", "c2", 2, 8};
        paths = {song(QStringLiteral("1.mp3"), {{"TIT2", QStringLiteral("One")}, {"TPE1", QStringLiteral("Alpha")},
                                                {"TRCK", QStringLiteral("1")}}, &a),
                 song(QStringLiteral("2.mp3"), {{"TIT2", QStringLiteral("Two")}, {"TPE1", QStringLiteral("Beta")},
                                                {"TCON", QStringLiteral("Jazz")}}, &b),
                 song(QStringLiteral("3.mp3"), {{"TIT2", QStringLiteral("Three")}, {"TPE1", QStringLiteral("Alpha")}})};
    }
    BulkEditModel load()
    {
        BulkEditModel m(*store, journal.get());
        for (const QString &p : paths)
            m.addTrack(track(p));
        m.prepareShow();
        return m;
    }
};

TEST_F(BulkEdit, ThreeTracksOfTwoArtistsGetTheFirstArtistSeen)
{
    BulkEditModel m = load();
    EXPECT_EQ(m.artist.items, (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta")}));
    EXPECT_EQ(m.artist.text, u"Alpha");
    EXPECT_TRUE(m.v1Enabled);
    EXPECT_TRUE(m.v2Enabled());
    EXPECT_EQ(m.rowCount(), 3);
    EXPECT_EQ(m.v1Grid[3][BulkEditModel::V1Title], QString()); // no ID3v1: its empty record
    EXPECT_EQ(m.v2Grid[3][BulkEditModel::V2Title], u"Three");
    EXPECT_EQ(m.selGenre.items, (QStringList{QStringLiteral("Rock"), QStringLiteral("Jazz")}));
    const SaveOutcome out = m.save();
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(out.done, 3);
    for (const QString &p : paths) {
        EXPECT_EQ(store->FindTrack(p)->V2.Artist, u"Alpha");
        EXPECT_EQ(store->FindTrack(p)->V1.Artist.text(), u"Alpha");
        if (haveMutagen()) {
            const MutagenView v = mutagenView(p);
            EXPECT_EQ(v.v2.value(QLatin1String("TPE1")).toString(), u"Alpha") << p.toStdString();
            EXPECT_EQ(v1Field(v, "artist"), "Alpha");
        }
    }
}

TEST_F(BulkEdit, OnlyTrackTickedWritesEachRowsNumberAndNothingElse)
{
    BulkEditModel m = load();
    m.chkArtist = m.chkAlbum = m.chkYear = m.chkGenre = m.chkTitle = m.chkComment = false;
    m.setV2Enabled(false);
    m.setV2Enabled(true); // the five ID3v2-only boxes follow the ID3v2 box
    EXPECT_TRUE(m.chkComposer);
    m.chkEncodedBy = m.chkCopyright = m.chkOriginal = m.chkUrl = m.chkComposer = false;
    m.v1Grid[1][BulkEditModel::V1Track] = QStringLiteral("300");
    m.v2Grid[1][BulkEditModel::V2Track] = QStringLiteral("300");
    m.v1Grid[2][BulkEditModel::V1Track] = QStringLiteral("9");
    m.v2Grid[2][BulkEditModel::V2Track] = QStringLiteral("9");
    ASSERT_TRUE(m.save().ok());
    const TID3ListItem *t1 = store->FindTrack(paths[0]);
    EXPECT_EQ(t1->V1.Track, 44); // 300 modulo 256
    EXPECT_EQ(t1->V2.TrackNumber, 300);
    EXPECT_EQ(t1->V1.Title.text(), u"One");
    EXPECT_EQ(t1->V2.Artist, u"Alpha");
    EXPECT_EQ(store->FindTrack(paths[1])->V1.Track, 9);
    EXPECT_EQ(store->FindTrack(paths[1])->V2.Artist, u"Beta");
    if (haveMutagen()) {
        const MutagenView v = mutagenView(paths[0]);
        EXPECT_EQ(v.v2.value(QLatin1String("TRCK")).toString(), u"300");
        EXPECT_EQ(QByteArray::fromHex(v.v1.value(QLatin1String("comment")).toString().toLatin1()).at(29), 44);
    }
}

TEST_F(BulkEdit, FieldCutsOfId3v1)
{
    BulkEditModel m = load();
    m.setV2Enabled(false);
    m.chkAlbum = m.chkGenre = m.chkTitle = m.chkComment = m.chkTrack = false;
    m.year.text = QStringLiteral("20011");
    m.artist.text = QStringLiteral("A234567890123456789012345678901"); // 31 bytes
    ASSERT_TRUE(m.save().ok());
    const TID3ListItem *t = store->FindTrack(paths[0]);
    EXPECT_EQ(t->V1.Year.text(), u"2001");
    EXPECT_EQ(t->V1.Artist.bytes(), "A23456789012345678901234567890");
    EXPECT_EQ(t->V1.Comment.text(), u"c1");
    EXPECT_EQ(t->V1.Album.text(), u"Red");
}

TEST_F(BulkEdit, TitleKeepsItsThirtiethByteZero)
{
    BulkEditModel m = load();
    m.setV2Enabled(false);
    m.v1Grid[1][BulkEditModel::V1Title] = QStringLiteral("123456789012345678901234567890");
    ASSERT_TRUE(m.save().ok());
    EXPECT_EQ(store->FindTrack(paths[0])->V1.Title.bytes(), "12345678901234567890123456789");
}

TEST_F(BulkEdit, GenreWithCodeInText)
{
    store->GenreCodeInText = true;
    BulkEditModel m = load();
    m.genreChoices.select(int(m.genreChoices.items.indexOf(QStringLiteral("Rock"))));
    m.copyChosenGenre();
    EXPECT_EQ(m.selGenre.selected, 0); // already listed: that entry is selected
    ASSERT_TRUE(m.save().ok());
    EXPECT_EQ(store->FindTrack(paths[1])->V1.Genre, 17);
    EXPECT_TRUE(readFile(paths[1]).contains("(17)Rock")); // the text as written, before any reader reads it
}

TEST_F(BulkEdit, AnsiWarningNamesTheText)
{
    BulkEditModel m = load();
    m.artist.text = QStringLiteral("Beyoncé");
    EXPECT_FALSE(m.checkBeforeSave().isEmpty());
    m.encodingIndex = 1;
    EXPECT_TRUE(m.checkBeforeSave().isEmpty());
}

TEST_F(BulkEdit, GridCopiesCarryTheHeaderAndRowObjects)
{
    BulkEditModel m = load();
    m.v1Grid[2][BulkEditModel::V1Title] = QStringLiteral("Changed");
    m.copyV1ToV2();
    EXPECT_EQ(m.v2Grid[0][0], u"ファイル名");
    EXPECT_EQ(m.v2Grid[2][BulkEditModel::V2Title], u"Changed");
    EXPECT_EQ(m.v2Tracks[2], m.v1Tracks[2]);
    EXPECT_EQ(m.v2Grid[2].size(), BulkEditModel::V2Columns);
}

TEST_F(BulkEdit, AFailedFileIsListedAndTheOthersAreWritten)
{
    BulkEditModel m = load();
    ASSERT_TRUE(QFile::remove(paths[1]));
    m.artist.text = QStringLiteral("Gamma");
    const SaveOutcome out = m.save();
    EXPECT_EQ(out.done, 3);
    ASSERT_EQ(out.failures.size(), 1);
    EXPECT_EQ(out.failures[0].path, paths[1]);
    EXPECT_EQ(out.failures[0].result.code(), ErrorCode::NotFound);
    EXPECT_TRUE(out.failureList().contains(paths[1]));
    EXPECT_EQ(store->FindTrack(paths[0])->V2.Artist, u"Gamma");
    EXPECT_EQ(store->FindTrack(paths[2])->V2.Artist, u"Gamma");
    EXPECT_NE(store->FindTrack(paths[1])->V2.Artist, u"Gamma"); // read again from (no) file
}

TEST_F(BulkEdit, ReadOnlyFileIsListed)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files";
    BulkEditModel m = load();
    m.setV2Enabled(false); // the ID3v2 writer lifts the read-only mark by design
    m.artist.text = QStringLiteral("Gamma");
    QFile::setPermissions(paths[0], QFile::ReadOwner);
    const SaveOutcome out = m.save();
    QFile::setPermissions(paths[0], QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_EQ(out.failures.size(), 1);
    EXPECT_EQ(out.failures[0].result.code(), ErrorCode::ReadOnly);
    EXPECT_EQ(store->FindTrack(paths[0])->V1.Artist.text(), u"Alpha");
    EXPECT_EQ(store->FindTrack(paths[1])->V1.Artist.text(), u"Gamma");
}

TEST_F(BulkEdit, CancelStopsBetweenFiles)
{
    BulkEditModel m = load();
    m.artist.text = QStringLiteral("Gamma");
    const SaveOutcome out = m.save([](int index, int, const QString &) { return index < 1; });
    EXPECT_TRUE(out.cancelled);
    EXPECT_EQ(out.done, 1);
    EXPECT_EQ(store->FindTrack(paths[0])->V2.Artist, u"Gamma");
    EXPECT_EQ(store->FindTrack(paths[1])->V2.Artist, u"Beta");
}

} // namespace
