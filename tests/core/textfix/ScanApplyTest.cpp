// The library scan from track records (no file opened) with the agreement of
// a folder's texts, and the write-back of repairs to real files: the field
// must still hold what the scan saw, and a tag whose bytes the tag code page
// could not read is not rewritten.
#include "core/editing/SaveBatch.h"
#include "core/editing/UndoJournal.h"
#include "core/formats/ID3v2.h"
#include "core/library/LibraryStore.h"
#include "core/platform/CodePage.h"
#include "core/platform/FileAccess.h"
#include "core/textfix/TextfixApply.h"
#include "core/textfix/TextfixScan.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::textfix;

namespace {

class Scan : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(setTagCodePage("CP932")); }
    TID3ListItem *track(const QString &path)
    {
        m_tracks.push_back(std::make_unique<TID3ListItem>(path, 1));
        return m_tracks.back().get();
    }
    static void v2(TID3ListItem *t, int encoding, const QString &title, const QString &artist = {})
    {
        TID3v2Record r;
        r.MajorVersion = 3;
        r.TextEncoding = uint16_t(encoding);
        r.Title = title;
        r.Artist = artist;
        t->SetV2(r);
    }
    static void v1(TID3ListItem *t, const QByteArray &title)
    {
        TID3v1Record r;
        r.Title = title;
        t->SetV1(r);
    }
    QList<const TID3ListItem *> all() const
    {
        QList<const TID3ListItem *> l;
        for (const auto &t : m_tracks)
            l.append(t.get());
        return l;
    }
    static const Suspect *find(const ScanReport &r, const QString &file, TagField f)
    {
        for (const Suspect &s : r.suspects)
            if (s.file == file && s.field == f)
                return &s;
        return nullptr;
    }
    std::vector<std::unique_ptr<TID3ListItem>> m_tracks;
};

TEST_F(Scan, EncodingZeroTextsAreJudgedByTheirBytesAndRepeatsEachGetARow)
{
    // A Shift-JIS tag of encoding 0 reads right here: the cache holds the
    // decoded text, the scan judges the bytes behind it.
    for (int i = 1; i <= 3; ++i)
        v2(track(QStringLiteral("/m/a/%1.mp3").arg(i)), 0, QStringLiteral("曲%1").arg(i), QStringLiteral("アイドル"));
    const ScanReport r = scanTracks(all());
    EXPECT_EQ(r.tracks, 3);
    for (int i = 1; i <= 3; ++i) {
        const Suspect *s = find(r, QStringLiteral("/m/a/%1.mp3").arg(i), TagField::V2Artist);
        ASSERT_NE(s, nullptr) << i;
        EXPECT_EQ(s->stored.declared, Declared::Id3v2Latin1);
        EXPECT_EQ(s->detection.current, QStringLiteral("ƒAƒCƒhƒ‹"));
        EXPECT_EQ(s->detection.proposed, QStringLiteral("アイドル"));
    }
    // A middle dot glued to Latin letters stands for a byte Shift-JIS could not read.
    v2(track(QStringLiteral("/m/b/1.mp3")), 0, QStringLiteral("Caf・ del Mar"));
    const ScanReport r2 = scanTracks(all());
    const Suspect *cafe = find(r2, QStringLiteral("/m/b/1.mp3"), TagField::V2Title);
    EXPECT_TRUE(cafe == nullptr || cafe->detection.verdict != Verdict::Repair);
}

TEST_F(Scan, AJapaneseFolderSettlesItsAmbiguousTextButAKoreanOneDoesNot)
{
    // Halfwidth katakana in an encoding-0 frame: alone, not convincing.
    const QString half = decodeWith("CP932", encodeWith("CP932", u"ｱｲﾄﾞﾙ"));
    ASSERT_EQ(half, QStringLiteral("ｱｲﾄﾞﾙ"));
    v2(track(QStringLiteral("/m/jp/1.mp3")), 0, half);
    v2(track(QStringLiteral("/m/jp/2.mp3")), 1, decodeWestern(encodeWith("CP932", u"夜空の向こう")));
    v2(track(QStringLiteral("/m/jp/3.mp3")), 1, decodeWestern(encodeWith("CP932", u"ありがとう")));
    v2(track(QStringLiteral("/m/ko/1.mp3")), 0, half);
    v2(track(QStringLiteral("/m/ko/2.mp3")), 1, QStringLiteral("사랑해요"));
    v2(track(QStringLiteral("/m/ko/3.mp3")), 1, decodeWestern(encodeWith("CP932", u"ありがとう")));
    v2(track(QStringLiteral("/m/ko/4.mp3")), 1, decodeWestern(encodeWith("CP932", u"夜空")));

    ScanOptions alone;
    alone.useAgreement = false;
    const ScanReport withoutAgreement = scanTracks(all(), alone); // the suspect points into it
    const Suspect *before = find(withoutAgreement, QStringLiteral("/m/jp/1.mp3"), TagField::V2Title);
    ASSERT_NE(before, nullptr);
    EXPECT_EQ(before->detection.verdict, Verdict::Uncertain);

    const ScanReport r = scanTracks(all());
    const Suspect *jp = find(r, QStringLiteral("/m/jp/1.mp3"), TagField::V2Title);
    ASSERT_NE(jp, nullptr);
    EXPECT_EQ(jp->detection.verdict, Verdict::Repair);
    EXPECT_TRUE(jp->byAgreement);
    EXPECT_EQ(jp->detection.proposed, half);
    const Suspect *ko = find(r, QStringLiteral("/m/ko/1.mp3"), TagField::V2Title);
    ASSERT_NE(ko, nullptr);
    EXPECT_EQ(ko->detection.verdict, Verdict::Uncertain);
    EXPECT_FALSE(ko->byAgreement);
}

TEST_F(Scan, AnId3v1TextSettledInTheId3v2TagIsNoLongerASuspect)
{
    TID3ListItem *t = track(QStringLiteral("/m/w/1.mp3"));
    v1(t, "Mot\xF6rhead");
    EXPECT_NE(find(scanTracks(all()), t->FileName, TagField::V1Title), nullptr);
    v2(t, 1, QStringLiteral("Motörhead"));
    EXPECT_EQ(find(scanTracks(all()), t->FileName, TagField::V1Title), nullptr);
}

TEST_F(Scan, OnlyRepairsAtTheConfidenceAreChosenForApply)
{
    Suspect a, b, c;
    a.detection.verdict = Verdict::Repair;
    a.detection.confidence = 0.9;
    a.detection.proposed = QStringLiteral("x");
    b = a;
    b.detection.confidence = 0.7;
    c = a;
    c.detection.verdict = Verdict::Uncertain;
    EXPECT_EQ(selectForApply({a, b, c}, 0.8).size(), 1);
    EXPECT_EQ(selectForApply({a, b, c}, 0.5).size(), 2);
}

// ID3v2.3 tag of text frames in encoding 0 with the given bytes.
QByteArray latin1Tag(const QList<QPair<QByteArray, QByteArray>> &frames)
{
    QByteArray body;
    for (const auto &[id, text] : frames) {
        const QByteArray data = QByteArray(1, '\0') + text;
        body += id;
        for (int shift : {24, 16, 8, 0})
            body += char((data.size() >> shift) & 0xFF);
        body += QByteArray(2, '\0') + data;
    }
    body += QByteArray(16, '\0');
    QByteArray tag("ID3\x03\x00\x00", 6);
    for (int shift : {21, 14, 7, 0})
        tag += char((body.size() >> shift) & 0x7F);
    return tag + body;
}

TEST(Apply, ATagWithBytesTheTagCodePageCouldNotReadIsLeftAlone)
{
    ASSERT_TRUE(setTagCodePage("CP932"));
    test::TempProgramFolder home;
    const QString safe = home.file(QStringLiteral("a.mp3"));
    const QString lossy = home.file(QStringLiteral("b.mp3"));
    test::writeFile(safe, latin1Tag({{"TIT2", encodeWith("CP932", u"夜空の向こう")}, {"TALB", "Best"}})
                              + test::silentMpegFrames(2));
    test::writeFile(lossy, latin1Tag({{"TIT2", encodeWith("CP932", u"夜空の向こう")}, {"TALB", "Caf\xE9 del Mar"}})
                               + test::silentMpegFrames(2));
    TID3TagUseful store(home.file(QStringLiteral("vireo")));
    store.setSaveCachesOnDestroy(false);
    for (const QString &f : {safe, lossy}) {
        const FileStat st = statFile(f);
        store.FindOrRead(f, st.dosDate, st.size);
    }
    const QByteArray lossyBefore = test::readFile(lossy);
    const ScanReport r = scanLibrary(store);
    const QList<Suspect> chosen = selectForApply(r.suspects, 0.8);
    ASSERT_EQ(chosen.size(), 2);
    const ApplyReport done = applyRepairs(chosen, &store);
    EXPECT_EQ(done.fieldsWritten, 1);
    EXPECT_EQ(done.filesFailed, 1);
    EXPECT_EQ(test::readFile(lossy), lossyBefore);
    for (const FileOutcome &o : done.files) {
        if (o.file == lossy) {
            EXPECT_TRUE(o.error.contains(QStringLiteral("・"))) << o.error.toStdString();
        }
    }
    const TID3ListItem *t = store.FindTrack(safe);
    EXPECT_EQ(t->V2.TextEncoding, 1);
    EXPECT_EQ(t->V2.Title, QStringLiteral("夜空の向こう"));
    EXPECT_EQ(t->V2.Album, QStringLiteral("Best"));
    // The file reads back the same way, in UTF-16.
    TID3v2 again;
    ASSERT_TRUE(again.LoadTag(safe));
    EXPECT_EQ(again.TextEncoding(), 1);
    EXPECT_EQ(again.Title(), QStringLiteral("夜空の向こう"));
    // A second run finds nothing more to do in the repaired file.
    EXPECT_EQ(scanLibrary(store).suspects.size(), r.suspects.size() - 1);
}

TEST(Apply, RepairsAreOneSaveThatUndoTakesBack)
{
    ASSERT_TRUE(setTagCodePage("CP932"));
    test::TempProgramFolder home;
    QStringList files;
    QList<QByteArray> before;
    const char16_t *titles[] = {u"夜空の向こう", u"青い春", u"桜坂"};
    for (int i = 0; i < 3; ++i) {
        files.append(home.file(QStringLiteral("%1.mp3").arg(i)));
        test::writeFile(files.last(), latin1Tag({{"TIT2", encodeWith("CP932", QString::fromUtf16(titles[i]))},
                                                 {"TPE1", encodeWith("CP932", u"スピッツ")}})
                                          + test::silentMpegFrames(2));
        before.append(test::readFile(files.last()));
    }
    TID3TagUseful store(home.file(QStringLiteral("vireo")));
    store.setSaveCachesOnDestroy(false);
    for (const QString &f : files) {
        const FileStat st = statFile(f);
        store.FindOrRead(f, st.dosDate, st.size);
    }
    editing::UndoJournal journal(home.file(QStringLiteral("undo")));
    const ApplyReport done = applyRepairs(selectForApply(scanLibrary(store).suspects, 0.8), &store, {}, &journal);
    ASSERT_EQ(done.filesFailed, 0);
    ASSERT_TRUE(done.journalError.isEmpty()) << done.journalError.toStdString();
    for (int i = 0; i < 3; ++i)
        ASSERT_NE(test::readFile(files[i]), before[i]);
    const QList<editing::UndoEntryInfo> entries = journal.list();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.first().files, 3);
    const editing::UndoOutcome undone = editing::undoLastSave(store, journal);
    EXPECT_EQ(undone.restored.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(test::readFile(files[i]), before[i]);
    // The library follows the files back.
    EXPECT_EQ(store.FindTrack(files[0])->V2.TextEncoding, 0);
}

} // namespace
