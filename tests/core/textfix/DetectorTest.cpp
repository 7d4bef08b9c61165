// The garbled-text detector on hand-picked texts and on hostile input: any
// bytes, invalid sequences in every candidate, lone surrogates, NULs. Every
// proposed repair must give the stored form back.
#include "core/platform/CodePage.h"
#include "core/textfix/TextDetector.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::textfix;

namespace {

QByteArray utf16(const QString &t)
{
    QByteArray b("\xFF\xFE", 2);
    b.append(reinterpret_cast<const char *>(t.utf16()), t.size() * 2);
    return b;
}

// The stored form a repair must reproduce, checked independently of the detector.
bool roundTrips(QByteArrayView stored, Declared declared, const Detection &d)
{
    if (declared == Declared::Id3v1 || declared == Declared::Id3v2Latin1) {
        const QByteArray again = d.believed == "CP1252" ? encodeWestern(d.proposed) : encodeWith(d.believed, d.proposed);
        return again == stored;
    }
    const QString text = declared == Declared::Id3v2Utf8 ? QString::fromUtf8(stored)
                                                         : QString::fromUtf16(reinterpret_cast<const char16_t *>(stored.data() + 2), (stored.size() - 2) / 2);
    const QByteArray inner = encodeWith(d.believed, d.proposed);
    const QString misread = d.misread == "CP932" ? decodeWith("CP932", inner)
        : d.misread == "ISO-8859-1"             ? QString::fromLatin1(inner)
                                                : decodeWestern(inner);
    return misread == text;
}

class Detector : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(setTagCodePage("CP932")); }
};

struct Case {
    const char *name;
    Declared declared;
    QByteArray stored;
    Verdict verdict;
    QString proposed; // for Repair
    const char *believed;
};

class DetectorCases : public Detector, public ::testing::WithParamInterface<Case> {};

TEST_P(DetectorCases, GivesTheExpectedVerdict)
{
    const Case &c = GetParam();
    const Detection d = detect(c.stored, c.declared);
    EXPECT_EQ(verdictName(d.verdict), verdictName(c.verdict)) << c.name << ": " << d.reason.toStdString() << " / "
                                                             << d.proposed.toStdString();
    if (c.verdict == Verdict::Repair) {
        EXPECT_EQ(d.proposed, c.proposed) << c.name;
        EXPECT_EQ(d.believed, QByteArray(c.believed)) << c.name;
        EXPECT_TRUE(roundTrips(c.stored, c.declared, d)) << c.name;
        EXPECT_GT(d.confidence, 0.5) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DetectorCases,
    ::testing::Values(
        Case{"v1 Shift-JIS", Declared::Id3v1, encodeWith("CP932", u"夜空の向こう"), Verdict::Genuine, {}, ""},
        Case{"v1 ASCII", Declared::Id3v1, "Greatest Hits", Verdict::Genuine, {}, ""},
        Case{"v1 CP1252 under CP932", Declared::Id3v1, "Mot\xF6rhead", Verdict::Repair, u"Motörhead"_qs, "CP1252"},
        Case{"v1 UTF-8", Declared::Id3v1, QStringView(u"アイドル").toUtf8(), Verdict::Repair, u"アイドル"_qs, "UTF-8"},
        Case{"latin1 frame with Shift-JIS", Declared::Id3v2Latin1, encodeWith("CP932", u"ラブソング"), Verdict::Repair,
             u"ラブソング"_qs, "CP932"},
        Case{"latin1 frame with one kanji", Declared::Id3v2Latin1, encodeWith("CP932", u"愛"), Verdict::Repair, u"愛"_qs, "CP932"},
        Case{"latin1 frame with UTF-8", Declared::Id3v2Latin1, QByteArray("Caf\xC3\xA9"), Verdict::Repair, u"Café"_qs, "UTF-8"},
        Case{"latin1 frame, real Latin-1", Declared::Id3v2Latin1, QByteArray("Beyonc\xE9"), Verdict::Genuine, {}, ""},
        Case{"latin1 frame, typographic quote", Declared::Id3v2Latin1, QByteArray("Don\x92t Stop"), Verdict::Genuine, {}, ""},
        Case{"utf16 CP932 read as CP1252", Declared::Id3v2Utf16, utf16(u"ƒAƒCƒhƒ‹"_qs), Verdict::Repair, u"アイドル"_qs, "CP932"},
        Case{"utf16 UTF-8 read as CP1252", Declared::Id3v2Utf16, utf16(u"BeyoncÃ©"_qs), Verdict::Repair, u"Beyoncé"_qs, "UTF-8"},
        Case{"utf16 UTF-8 read as CP932", Declared::Id3v2Utf16, utf16(decodeWith("CP932", QStringView(u"アイドル").toUtf8())),
             Verdict::Repair, u"アイドル"_qs, "UTF-8"},
        Case{"utf16 genuine Western", Declared::Id3v2Utf16, utf16(u"Sigur Rós"_qs), Verdict::Genuine, {}, ""},
        Case{"utf16 genuine Korean", Declared::Id3v2Utf16, utf16(u"보고 싶다"_qs), Verdict::Genuine, {}, ""},
        Case{"utf8 genuine Chinese", Declared::Id3v2Utf8, QStringView(u"月亮代表我的心").toUtf8(), Verdict::Genuine, {}, ""},
        Case{"v1 EUC-KR is never repaired", Declared::Id3v1, encodeWith("CP949", u"사랑해요"), Verdict::Uncertain, {}, ""},
        Case{"v1 GBK is never repaired", Declared::Id3v1, encodeWith("GBK", u"月亮代表我的心"), Verdict::Uncertain, {}, ""}));

TEST_F(Detector, HostileBytesNeverCrashAndEveryRepairRoundTrips)
{
    QRandomGenerator rng(1313);
    const Declared kinds[] = {Declared::Id3v1, Declared::Id3v2Latin1, Declared::Id3v2Utf16, Declared::Id3v2Utf16BE,
                              Declared::Id3v2Utf8};
    int repairs = 0;
    for (int i = 0; i < 20000; ++i) {
        QByteArray b(int(rng.bounded(1, 40)), '\0');
        for (char &c : b) // weighted toward the high half, where code pages differ
            c = char(rng.bounded(4) == 0 ? rng.bounded(0x20, 0x7F) : rng.bounded(256));
        const Declared k = kinds[i % 5];
        if (k == Declared::Id3v2Utf16)
            b.prepend("\xFF\xFE");
        const Detection d = detect(b, k);
        if (d.verdict == Verdict::Repair) {
            ++repairs;
            EXPECT_TRUE(roundTrips(b, k, d)) << b.toHex().constData();
        }
    }
    RecordProperty("random_repairs", repairs);
}

TEST_F(Detector, LoneSurrogatesNulsAndInvalidSequencesAreHandled)
{
    const QByteArray loneHigh("\xFF\xFE\x3D\xD8\x41\x00", 6);    // U+D83D then "A"
    const QByteArray loneLow("\xFF\xFE\x41\x00\x00\xDC", 6);     // "A" then U+DC00
    const QByteArray oddLength("\xFF\xFE\x41\x00\x42", 5);
    for (const QByteArray &b : {loneHigh, loneLow, oddLength}) {
        const Detection d = detect(b, Declared::Id3v2Utf16);
        EXPECT_NE(d.verdict, Verdict::Repair) << b.toHex().constData();
    }
    // Invalid in CP932, UTF-8, GBK, Big5 and CP949 alike: nothing to propose.
    const QByteArray invalidEverywhere("\xFF\xFF\x81\xFF", 4);
    const Detection none = detect(invalidEverywhere, Declared::Id3v1);
    EXPECT_NE(none.verdict, Verdict::Repair);
    EXPECT_FALSE(none.current.isNull());
    // A NUL in the middle of a garbled text makes it no text to repair.
    QByteArray withNul = encodeWith("CP932", u"アイ");
    withNul.insert(2, '\0');
    EXPECT_NE(detect(withNul, Declared::Id3v2Latin1).verdict, Verdict::Repair);
    EXPECT_EQ(detect(QByteArray(), Declared::Id3v1).verdict, Verdict::Genuine);
    EXPECT_EQ(detect(QByteArray(), Declared::Id3v2Utf16).verdict, Verdict::Genuine);
}

TEST_F(Detector, ATruncatedUtf8FieldIsNotRepairedButShownAsUncertain)
{
    // 31 bytes of UTF-8 cut to the 30 of an ID3v1 field: the last character is split.
    const QByteArray full = QStringView(u"Aはじまりの朝に咲く花火").toUtf8();
    const QByteArray cut = full.left(30);
    ASSERT_NE((cut.size() - 1) % 3, 0);
    const Detection d = detect(cut, Declared::Id3v1);
    EXPECT_NE(d.verdict, Verdict::Repair);
}

TEST_F(Detector, WesternReadingsOfRealWesternTextScoreAboveTheirMojibake)
{
    for (const char16_t *t : {u"Beyoncé", u"Crème Brûlée", u"São Paulo", u"Ação", u"Straße"}) {
        const QString real = QString::fromUtf16(t);
        const QString moji = decodeWestern(real.toUtf8());
        EXPECT_GT(plausibility(real), 0.5) << real.toStdString();
        EXPECT_LT(plausibility(moji), 0) << moji.toStdString();
    }
}

TEST_F(Detector, AnotherTagCodePageChangesWhatIsGenuine)
{
    ASSERT_TRUE(setTagCodePage("CP1252"));
    // A Western user's ID3v1 Latin text is fine; Shift-JIS bytes are the stranger now.
    EXPECT_EQ(detect("Mot\xF6rhead", Declared::Id3v1).verdict, Verdict::Genuine);
    const Detection d = detect(encodeWith("CP932", u"ありがとう"), Declared::Id3v1);
    EXPECT_EQ(d.verdict, Verdict::Repair);
    EXPECT_EQ(d.proposed, u"ありがとう");
    ASSERT_TRUE(setTagCodePage("CP932"));
}

} // namespace
