// The undo journal: a single, a bulk and a rename save taken back byte for
// byte (tags that grew past their padding included), files changed since
// left alone and named, and the journal's limits.
#include "tests/core/editing/EditingTestUtil.h"

#include "core/editing/BulkEditModel.h"
#include "core/editing/Rename.h"
#include "core/editing/SaveBatch.h"
#include "core/editing/TagEditorModel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QUrl>

#include <unistd.h>

using namespace vireo;
using namespace vireo::editing;
using namespace vireo::test;

namespace {

class Undo : public EditingFixture {
protected:
    QStringList paths;
    QList<QByteArray> before;
    void SetUp() override
    {
        EditingFixture::SetUp();
        V1Fields a{"One", "Alpha", "Red", "1999", "", 1, 17};
        paths = {song(QStringLiteral("1.mp3"), {{"TIT2", QStringLiteral("One")}, {"TPE1", QStringLiteral("Alpha")}}, &a),
                 song(QStringLiteral("2.mp3"), {{"TIT2", QStringLiteral("Two")}, {"TPE1", QStringLiteral("Alpha")}}),
                 song(QStringLiteral("3.mp3"), {}, &a), song(QStringLiteral("4.mp3"), {})};
        for (const QString &p : paths) {
            before.append(readFile(p));
            track(p);
        }
    }
    void expectRestored(const UndoOutcome &out, int files)
    {
        EXPECT_TRUE(out.hadEntry);
        EXPECT_EQ(out.restored.size(), files);
        EXPECT_TRUE(out.changedSince.isEmpty());
        EXPECT_TRUE(out.failed.isEmpty()) << out.failed.join(u'\n').toStdString();
        for (int i = 0; i < paths.size(); ++i)
            EXPECT_EQ(readFile(paths[i]), before[i]) << paths[i].toStdString();
    }
};

TEST_F(Undo, SingleSaveIsTakenBackByteForByte)
{
    TagEditorModel m(*store, journal.get());
    m.open(store->FindTrack(paths[0]));
    m.v1.title = QStringLiteral("Changed");
    m.v2.title = QString(3000, QLatin1Char('x')); // past the padding: the tag is rewritten through a copy
    ASSERT_TRUE(m.save().ok());
    ASSERT_NE(readFile(paths[0]), before[0]);
    ASSERT_EQ(journal->list().size(), 1);
    expectRestored(undoLastSave(*store, *journal), 1);
    EXPECT_EQ(store->FindTrack(paths[0])->V1.Title.text(), u"One"); // the library follows
    EXPECT_TRUE(journal->list().isEmpty());
    EXPECT_FALSE(undoLastSave(*store, *journal).hadEntry);
}

TEST_F(Undo, BulkSaveOverFilesWithAndWithoutTagsIsTakenBack)
{
    BulkEditModel m(*store, journal.get());
    for (const QString &p : paths)
        m.addTrack(store->FindTrack(p));
    m.prepareShow();
    m.v1Enabled = true;
    m.setV2Enabled(true);
    m.artist.text = QStringLiteral("Everyone");
    ASSERT_TRUE(m.save().ok());
    expectRestored(undoLastSave(*store, *journal), 4);
}

TEST_F(Undo, RenameIsTakenBackAndAFileChangedSinceIsLeftAlone)
{
    ASSERT_TRUE(renameArtist(*store, journal.get(), artistTracks(*store, QStringLiteral("Alpha")),
                             QStringLiteral("Omega")).ok());
    // Another program changes file 2 after the save.
    QByteArray other = readFile(paths[1]);
    other[other.size() - 200] = 'Z';
    writeFile(paths[1], other);
    const UndoOutcome out = undoLastSave(*store, *journal);
    EXPECT_EQ(out.changedSince, QStringList{paths[1]});
    EXPECT_EQ(readFile(paths[0]), before[0]);
    EXPECT_EQ(readFile(paths[2]), before[2]);
    EXPECT_EQ(readFile(paths[1]), other);
}

TEST_F(Undo, TwoSavesAreTakenBackNewestFirst)
{
    ASSERT_TRUE(renameArtist(*store, journal.get(), {store->FindTrack(paths[0])}, QStringLiteral("B")).ok());
    const QByteArray middle = readFile(paths[0]);
    ASSERT_TRUE(renameArtist(*store, journal.get(), {store->FindTrack(paths[0])}, QStringLiteral("C")).ok());
    const QList<UndoEntryInfo> list = journal->list();
    ASSERT_EQ(list.size(), 2);
    EXPECT_TRUE(list[0].description.endsWith(u'C'));
    ASSERT_EQ(undoLastSave(*store, *journal).restored.size(), 1);
    EXPECT_EQ(readFile(paths[0]), middle);
    ASSERT_EQ(undoLastSave(*store, *journal).restored.size(), 1);
    EXPECT_EQ(readFile(paths[0]), before[0]);
}

TEST_F(Undo, JournalKeepsItsLimits)
{
    journal->setLimits(3, 1 << 20);
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(renameArtist(*store, journal.get(), {store->FindTrack(paths[0])}, QString::number(i)).ok());
    const QList<UndoEntryInfo> list = journal->list();
    ASSERT_EQ(list.size(), 3);
    EXPECT_TRUE(list[0].description.endsWith(u'4'));
    EXPECT_TRUE(list[2].description.endsWith(u'2'));

    // A save larger than the whole journal is done, but is not undoable.
    journal->setLimits(3, 100);
    const SaveOutcome big = renameArtist(*store, journal.get(), {store->FindTrack(paths[0])}, QStringLiteral("Big"));
    EXPECT_TRUE(big.ok());
    EXPECT_EQ(big.journal.code(), ErrorCode::TooLarge);
    EXPECT_EQ(store->FindTrack(paths[0])->V2.Artist, u"Big");
    // Older entries are dropped until the journal fits again.
    EXPECT_LE(journal->list().size(), 1);
}

TEST_F(Undo, SaveThatChangesNothingLeavesNoEntry)
{
    ASSERT_TRUE(renameArtist(*store, journal.get(), {store->FindTrack(paths[0])}, QStringLiteral("Alpha")).ok());
    const qsizetype entries = journal->list().size(); // the first may have rewritten the tag in our own layout
    ASSERT_TRUE(renameArtist(*store, journal.get(), {store->FindTrack(paths[0])}, QStringLiteral("Alpha")).ok());
    EXPECT_EQ(journal->list().size(), entries); // the second changed no byte
}

TEST_F(Undo, EveryFileIsKeptBeforeTheFirstOneChanges)
{
    QList<TID3ListItem *> tracks;
    for (const QString &p : paths)
        tracks.append(store->FindTrack(p));
    int calls = 0;
    QByteArray indexAtFirstWrite;
    const SaveOutcome out = runSave(*store, journal.get(), QStringLiteral("t"), tracks, [&](TID3ListItem &t) {
        if (calls++ == 0) {
            const QStringList dirs = QDir(journal->folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            if (dirs.size() == 1)
                indexAtFirstWrite = readFile(journal->folder() + dirs.first() + QStringLiteral("/index.tsv"));
        }
        t.V2.Artist = QStringLiteral("Kept");
        return t.WriteV2ToFile();
    });
    ASSERT_TRUE(out.ok());
    // Before the first file changed, the journal on disk named every file of the save.
    for (const QString &p : paths)
        EXPECT_TRUE(indexAtFirstWrite.contains(QUrl::toPercentEncoding(p))) << p.toStdString();
    EXPECT_EQ(indexAtFirstWrite.count("\nB\t"), paths.size());
    expectRestored(undoLastSave(*store, *journal), int(paths.size()));
}

TEST_F(Undo, ASaveCutShortByACrashIsTakenBackWhereTheAudioIsUnchanged)
{
    ASSERT_TRUE(renameArtist(*store, journal.get(), artistTracks(*store, QStringLiteral("Alpha")),
                             QStringLiteral("Crash")).ok());
    // What a crash after the files changed leaves: the kept bytes, no notes of the writes.
    const QString dir = journal->folder() + journal->list().first().id;
    QByteArray index = readFile(dir + QStringLiteral("/index.tsv"));
    QList<QByteArray> kept;
    for (const QByteArray &line : index.split('\n'))
        if (!line.startsWith("P\t") && line != "E")
            kept.append(line);
    writeFile(dir + QStringLiteral("/index.tsv"), kept.join('\n'));
    expectRestored(undoLastSave(*store, *journal), 3);
}

TEST_F(Undo, AFileTheSaveDidNotChangeIsNotTouched)
{
    // The second track cannot be written: the save goes on and undo leaves it alone.
    QFile::setPermissions(paths[1], QFile::ReadOwner);
    const SaveOutcome out = renameArtist(*store, journal.get(), artistTracks(*store, QStringLiteral("Alpha")),
                                         QStringLiteral("Other"));
    QFile::setPermissions(paths[1], QFile::ReadOwner | QFile::WriteOwner);
    if (::geteuid() != 0) { // root writes read-only files
        EXPECT_EQ(out.failures.size(), 1);
    }
    const UndoOutcome undone = undoLastSave(*store, *journal);
    EXPECT_TRUE(undone.changedSince.isEmpty());
    EXPECT_TRUE(undone.failed.isEmpty());
    for (int i = 0; i < paths.size(); ++i)
        EXPECT_EQ(readFile(paths[i]), before[i]);
}

TEST_F(Undo, ARenameOverManyFilesIsTakenBackInOrder)
{
    // More files than the journal reads at once, read on several threads:
    // each file must get its own kept bytes back.
    for (int i = 0; i < 600; ++i) {
        const QString title = QStringLiteral("Song %1").arg(i); // tags of different lengths
        paths.append(song(QStringLiteral("many%1.mp3").arg(i),
                          {{"TIT2", title + QString(i % 7, QLatin1Char('x'))}, {"TPE1", QStringLiteral("Alpha")}}));
        before.append(readFile(paths.last()));
        track(paths.last());
    }
    const SaveOutcome out = renameArtist(*store, journal.get(), artistTracks(*store, QStringLiteral("Alpha")),
                                         QString(300, QLatin1Char('M'))); // past the padding of every tag
    ASSERT_TRUE(out.ok());
    ASSERT_EQ(out.done, 603);
    expectRestored(undoLastSave(*store, *journal), 603);
}

TEST_F(Undo, AnEntryOfTheEarlierFormatIsStillTakenBack)
{
    // Entries written by the earlier version hold SHA-1 hashes under format 2.
    const auto sha1 = [](const TagRegions &r) {
        return QCryptographicHash::hash(r.head + r.tail + r.audioEnds, QCryptographicHash::Sha1).toHex();
    };
    ASSERT_TRUE(renameArtist(*store, journal.get(), {store->FindTrack(paths[0])}, QStringLiteral("Old")).ok());
    const QString dir = journal->folder() + journal->list().first().id;
    writeFile(home.file(QStringLiteral("before.mp3")), before[0]);
    const TagRegions pre = readTagRegions(home.file(QStringLiteral("before.mp3")));
    const TagRegions post = readTagRegions(paths[0]);
    QList<QByteArray> lines = readFile(dir + QStringLiteral("/index.tsv")).split('\n');
    for (QByteArray &line : lines) {
        QList<QByteArray> c = line.split('\t');
        if (c[0] == "vireo-undo")
            c[1] = "2";
        else if (c[0] == "B")
            c[5] = sha1(pre), c[6] = QCryptographicHash::hash(pre.audioEnds, QCryptographicHash::Sha1).toHex();
        else if (c[0] == "P")
            c[3] = sha1(post);
        line = c.join('\t');
    }
    writeFile(dir + QStringLiteral("/index.tsv"), lines.join('\n'));
    expectRestored(undoLastSave(*store, *journal), 1);
}

TEST(UndoRegions, RegionsAcrossTheReadBoundaries)
{
    TempProgramFolder home;
    const QString path = home.file(QStringLiteral("x.mp3"));
    struct Case {
        QByteArray head, audio, tail;
    };
    const QByteArray bigTag = id3v23Tag({{"COMM", QString(20000, QLatin1Char('c'))}}); // past the first read
    const QByteArray audio = silentMpegFrames(8);
    const Case cases[] = {
        {bigTag, audio, id3v1Block({})},
        {bigTag, QByteArray(10, 'a'), id3v1Block({})},
        {id3v23Tag({{"TIT2", QStringLiteral("t")}}), QByteArray(3, 'a'), id3v1Block({})},
        {QByteArray(), QByteArray(), id3v1Block({})},
        {QByteArray(), QByteArray(50, 'a'), QByteArray()},
    };
    for (const Case &c : cases) {
        writeFile(path, c.head + c.audio + c.tail);
        const TagRegions r = readTagRegions(path);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.head, c.head);
        EXPECT_EQ(r.tail, c.tail);
        const qsizetype probe = std::min<qsizetype>(c.audio.size(), 1024);
        EXPECT_EQ(r.audioEnds, c.audio.left(probe) + c.audio.right(probe));
    }
}

TEST(UndoRegions, TagRegionsOfAFile)
{
    TempProgramFolder home;
    const QString path = home.file(QStringLiteral("x.mp3"));
    const QByteArray tag = id3v23Tag({{"TIT2", QStringLiteral("t")}});
    writeFile(path, tag + silentMpegFrames(2) + id3v1Block({}));
    const TagRegions r = readTagRegions(path);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.headLength, tag.size());
    EXPECT_EQ(r.tailLength, 128);
    writeFile(path, silentMpegFrames(2));
    EXPECT_EQ(readTagRegions(path).headLength, 0);
    EXPECT_EQ(readTagRegions(path).tailLength, 0);
    EXPECT_FALSE(readTagRegions(home.file(QStringLiteral("none.mp3"))).ok);
}

} // namespace
