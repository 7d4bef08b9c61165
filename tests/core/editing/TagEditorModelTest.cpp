// The tag editor's model over real files: filling, the change test, the save
// of each side (read back by mutagen), the refusals and warnings before a
// save, and a file that cannot be written.
#include "tests/core/editing/EditingTestUtil.h"

#include "core/editing/EditingTexts.h"
#include "core/editing/TagEditorModel.h"
#include "core/editing/TagWriteBack.h"
#include "core/platform/CodePage.h"

#include <QFile>

using namespace vireo;
using namespace vireo::editing;
using namespace vireo::test;

namespace {

QByteArray pngBytes()
{
    // A 1x1 PNG.
    return QByteArray::fromHex("89504e470d0a1a0a0000000d49484452000000010000000108060000001f15c4890000000d4944415478da63f8cfc0f01f0005000201a5f6c6d80000000049454e44ae426082");
}

class TagEditor : public EditingFixture {
protected:
    V1Fields v1{"Morning", "Band", "First", "2001", "hello", 3, 17};
    QString both()
    {
        return song(QStringLiteral("both.mp3"),
                    {{"TIT2", QStringLiteral("Morning")}, {"TPE1", QStringLiteral("Band")},
                     {"TALB", QStringLiteral("First")}, {"TRCK", QStringLiteral("3")}},
                    &v1);
    }
};

TEST_F(TagEditor, FileWithOnlyId3v2OpensWithAnEmptyDisabledLeftSide)
{
    const QString path = song(QStringLiteral("v2.mp3"), {{"TIT2", QStringLiteral("曲")}, {"TPE1", QStringLiteral("歌手")},
                                                          {"TRCK", QStringLiteral("7")}, {"TCON", QStringLiteral("Rock")}});
    TagEditorModel m(*store, journal.get());
    m.open(track(path));
    EXPECT_FALSE(m.v1.enabled);
    EXPECT_TRUE(m.v1.title.isEmpty());
    EXPECT_TRUE(m.v1.genre.isEmpty());
    EXPECT_FALSE(m.v1.trackChecked);
    EXPECT_TRUE(m.v2.enabled);
    EXPECT_EQ(m.v2.title, u"曲");
    EXPECT_EQ(m.v2.artist, u"歌手");
    EXPECT_EQ(m.v2.track, u"7");
    EXPECT_EQ(m.v2.genre, u"Rock");
    EXPECT_EQ(m.v2.encodingIndex, 1); // UTF-16 with BOM shows "Unicode"
    EXPECT_FALSE(m.hasChanges());
}

TEST_F(TagEditor, NothingChangedWritesNothing)
{
    const QString path = both();
    const QByteArray before = readFile(path);
    TagEditorModel m(*store, journal.get());
    m.open(track(path));
    EXPECT_FALSE(m.hasChanges());
    EXPECT_FALSE(m.rebuildNeeded());
    EXPECT_EQ(readFile(path), before);
    EXPECT_TRUE(journal->list().isEmpty());
}

TEST_F(TagEditor, NewPictureOnlyIsEmbeddedWithTheMimeTypeOfItsContent)
{
    const QString path = both();
    // A PNG named .jpg: the content decides.
    const QString picture = home.file(QStringLiteral("cover.jpg"));
    writeFile(picture, pngBytes());
    TagEditorModel m(*store, journal.get());
    m.open(track(path));
    ASSERT_TRUE(m.choosePicture(picture).ok());
    EXPECT_EQ(m.v2.pictureMime, u"image/png");
    EXPECT_TRUE(m.hasChanges());
    ASSERT_TRUE(m.save().ok());
    EXPECT_TRUE(m.track()->V2.PictureSourceFile.isEmpty()); // not embedded again by a later save
    if (!haveMutagen())
        GTEST_SKIP() << "mutagen missing";
    const MutagenView v = mutagenView(path);
    EXPECT_EQ(v.v2.value(QLatin1String("APIC:mime")).toString(), u"image/png");
    EXPECT_EQ(v.v2.value(QLatin1String("APIC:size")).toInt(), pngBytes().size());
    EXPECT_EQ(v.v2.value(QLatin1String("TIT2")).toString(), u"Morning");
    EXPECT_EQ(v1Field(v, "title"), "Morning");
}

TEST_F(TagEditor, PictureTypeComesFromContent)
{
    const QString bmp = home.file(QStringLiteral("pic.BMP"));
    QByteArray b("BM");
    b.append(QByteArray(60, '\0'));
    writeFile(bmp, b);
    const QString text = home.file(QStringLiteral("notes.png"));
    writeFile(text, "just text, not a picture");
    TagEditorModel m(*store);
    m.open(track(both()));
    ASSERT_TRUE(m.choosePicture(bmp).ok());
    EXPECT_EQ(m.v2.pictureMime, u"image/bmp");
    const Result r = m.choosePicture(text);
    EXPECT_EQ(r.code(), ErrorCode::BadData);
    EXPECT_EQ(m.v2.pictureFile, bmp); // the refused file changed nothing
}

TEST_F(TagEditor, UncheckingId3v1WarnsAndTheSaveRemovesIt)
{
    const QString path = both();
    TagEditorModel m(*store, journal.get());
    m.open(track(path));
    EXPECT_EQ(m.setV1Enabled(false), texts::v1WillBeRemoved());
    EXPECT_TRUE(m.hasChanges());
    ASSERT_TRUE(m.save().ok());
    EXPECT_NE(readFile(path).right(128).left(3), "TAG");
    EXPECT_FALSE(m.track()->HasV1);
    EXPECT_TRUE(m.track()->HasV2);
}

TEST_F(TagEditor, DoubleByteTitleIsCutToThirtyBytes)
{
    const QString path = both();
    TagEditorModel m(*store);
    m.open(track(path));
    m.v1.title = QString(20, QChar(0x3042)); // あ x 20 = 40 bytes in CP932
    ASSERT_TRUE(m.hasChanges());
    ASSERT_TRUE(m.save().ok());
    EXPECT_EQ(m.track()->V1.Title.bytes(), toTagCodePage(QString(15, QChar(0x3042))));
    if (haveMutagen()) {
        EXPECT_EQ(v1Field(mutagenView(path), "title"), toTagCodePage(QString(15, QChar(0x3042))));
    }
}

TEST_F(TagEditor, UnknownGenreCodeShowsTheEmptyEntryAndIsSavedAs255)
{
    v1.genre = 200;
    const QString path = both();
    TagEditorModel m(*store);
    m.open(track(path));
    EXPECT_TRUE(m.v1.genre.isEmpty());
    EXPECT_TRUE(m.hasChanges()); // 200 is no list entry
    ASSERT_TRUE(m.save().ok());
    EXPECT_EQ(m.track()->V1.Genre, 255);
}

TEST_F(TagEditor, UncheckingTrackNoKeepsTheWholeThirtyCharacterComment)
{
    const QString path = both();
    TagEditorModel m(*store);
    m.open(track(path));
    m.setTrackChecked(false);
    m.v1.track.clear();
    m.v1.comment = QStringLiteral("123456789012345678901234567890");
    ASSERT_TRUE(m.save().ok());
    EXPECT_EQ(m.track()->V1.Track, 0);
    EXPECT_EQ(m.track()->V1.Comment.bytes(), "123456789012345678901234567890");
    // Checking it again cuts bytes 29 and 30.
    m.open(m.track());
    m.setTrackChecked(true);
    EXPECT_EQ(m.v1.comment, u"1234567890123456789012345678");
}

TEST_F(TagEditor, TrackAbove255IsRefusedForId3v1)
{
    TagEditorModel m(*store);
    m.open(track(both()));
    m.v1.track = QStringLiteral("256");
    EXPECT_EQ(m.checkBeforeSave().error, texts::trackTooLarge());
    m.v1.track = QStringLiteral("255");
    EXPECT_TRUE(m.checkBeforeSave().error.isEmpty());
    m.v1.trackChecked = false; // an unchecked track is not written
    m.v1.track = QStringLiteral("999");
    EXPECT_TRUE(m.checkBeforeSave().error.isEmpty());
}

TEST_F(TagEditor, AnsiEncodingWarnsAboutTextTheCodePageCannotHold)
{
    TagEditorModel m(*store);
    m.open(track(both()));
    m.v2.artist = QStringLiteral("Beyoncé ☃");
    m.v2.encodingIndex = 0;
    EXPECT_TRUE(m.checkBeforeSave().warning.contains(QStringLiteral("Beyoncé")));
    m.v2.encodingIndex = 1;
    EXPECT_TRUE(m.checkBeforeSave().warning.isEmpty());
    m.v2.artist = QStringLiteral("歌手");
    m.v2.encodingIndex = 0;
    EXPECT_TRUE(m.checkBeforeSave().warning.isEmpty());
}

TEST_F(TagEditor, CopiesBetweenTheSides)
{
    TagEditorModel m(*store);
    m.open(track(both()));
    m.v2.genre = QStringLiteral("Not A Genre");
    m.v2.track = QString();
    m.copyV2ToV1();
    EXPECT_TRUE(m.v1.genre.isEmpty());
    EXPECT_FALSE(m.v1.trackChecked);
    m.v2.genre = QStringLiteral("Jazz");
    m.v2.track = QStringLiteral("12");
    m.copyV2ToV1();
    EXPECT_EQ(m.v1.genre, u"Jazz");
    EXPECT_TRUE(m.v1.trackChecked);
    EXPECT_EQ(m.v1.track, u"12");
    m.setV2Enabled(false);
    m.v1.title = QStringLiteral("X");
    m.copyV1ToV2();
    EXPECT_TRUE(m.v2.enabled);
    EXPECT_EQ(m.v2.title, u"X");
}

TEST_F(TagEditor, ArtistChangeNeedsARebuildEvenWhenTheTitleChangedToo)
{
    const QString path = both();
    TagEditorModel m(*store);
    m.open(track(path));
    m.setV2Enabled(false);
    m.v1.title = QStringLiteral("New title");
    m.v1.artist = QStringLiteral("New band");
    EXPECT_TRUE(m.hasChanges());
    EXPECT_TRUE(m.rebuildNeeded());
}

TEST_F(TagEditor, VanishedFileIsNamedAndTheRecordFollowsTheFile)
{
    const QString path = both();
    TagEditorModel m(*store, journal.get());
    m.open(track(path));
    m.v1.artist = QStringLiteral("Other");
    m.v2.artist = QStringLiteral("Other");
    ASSERT_TRUE(QFile::remove(path));
    const Result r = m.save();
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.code(), ErrorCode::NotFound);
    EXPECT_TRUE(r.message().contains(path));
    EXPECT_FALSE(m.track()->HasV1); // read again: the file has nothing
    EXPECT_NE(store->FindTrack(path)->V1.Artist.text(), u"Other");
}

TEST_F(TagEditor, ReadOnlyFileIsReportedWithItsReason)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files";
    const QString path = both();
    TagEditorModel m(*store);
    m.open(track(path));
    m.v1.artist = QStringLiteral("Other");
    m.setV2Enabled(false);
    QFile::setPermissions(path, QFile::ReadOwner);
    const Result r = m.save();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(r.code(), ErrorCode::ReadOnly);
    EXPECT_EQ(m.track()->V1.Artist.text(), u"Band");
}

} // namespace

namespace {

// A Western file among Japanese ones: its ID3v1 bytes are CP1252.
class V1CodePage : public EditingFixture {
protected:
    QString path;
    void SetUp() override
    {
        EditingFixture::SetUp();
        V1Fields w{"Ace of Spades", "Mot\xF6rhead", "Caf\xE9 del Mar", "1980", "", 1, 17};
        path = song(QStringLiteral("w.mp3"), {}, &w);
    }
};

TEST_F(V1CodePage, TheChosenCodePageReadsAndWritesThisFileOnly)
{
    TagEditorModel m(*store, journal.get());
    m.open(track(path));
    EXPECT_TRUE(m.v1CodePage().isEmpty());
    EXPECT_NE(m.v1.artist, u"Motörhead"); // through the tag code page (CP932) it is nonsense
    m.setV1CodePage("CP1252");
    EXPECT_EQ(m.v1.artist, u"Motörhead");
    EXPECT_EQ(m.v1.album, u"Café del Mar");
    EXPECT_FALSE(m.hasChanges()); // a reading is no change: nothing is written
    m.v1.title = QStringLiteral("Overkill");
    EXPECT_TRUE(m.checkBeforeSave().warning.isEmpty());
    ASSERT_TRUE(m.hasChanges());
    ASSERT_TRUE(m.save().ok());
    const MutagenView v = mutagenView(path);
    EXPECT_EQ(v1Field(v, "title"), QByteArray("Overkill"));
    EXPECT_EQ(v1Field(v, "artist"), QByteArray("Mot\xF6rhead")); // kept in its own code page
    EXPECT_EQ(v1Field(v, "album"), QByteArray("Caf\xE9 del Mar"));
    // The next file opens in the tag code page again.
    m.open(track(path));
    EXPECT_TRUE(m.v1CodePage().isEmpty());
}

TEST_F(V1CodePage, TextTheChosenCodePageCannotHoldIsWarnedAbout)
{
    TagEditorModel m(*store, journal.get());
    m.open(track(path));
    m.setV1CodePage("CP1252");
    m.v1.title = QStringLiteral("夜");
    EXPECT_FALSE(m.checkBeforeSave().warning.isEmpty());
    m.setV1CodePage("no-such-code-page");
    EXPECT_TRUE(m.v1CodePage().isEmpty()); // unknown: the tag code page
}

} // namespace
