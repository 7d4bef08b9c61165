#pragma once
// The garbled-text detector: from a tag text as stored (its bytes and the
// encoding the tag declares) to a verdict: the encoding the bytes really are
// in, the repaired text, and a confidence. It weighs evidence rather than
// one rule: which candidate code pages decode the bytes and give them back
// unchanged, how much the result reads like Japanese, Chinese, Korean or
// Western text (kana, common kanji, accented letters in their places), and
// the byte patterns that mis-decoding leaves ("ƒAƒCƒh", "Ã©", "繧｢").
// A repair is proposed only when encoding the proposal in the believed
// encoding (and, for a Unicode text, decoding that again the wrong way)
// gives back exactly what is stored; otherwise the verdict is Uncertain.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vireo::textfix {

// How a stored text is declared.
enum class Declared {
    Id3v1,       // ID3v1 bytes; read in the tag code page
    Id3v2Latin1, // ID3v2 text of encoding 0; read in the tag code page here, as ISO-8859-1 elsewhere
    Id3v2Utf16,  // encoding 1 (byte-order mark honoured, little-endian without one)
    Id3v2Utf16BE,// encoding 2
    Id3v2Utf8,   // encoding 3
};

enum class Verdict { Genuine, Repair, Uncertain };

struct Detection {
    Verdict verdict = Verdict::Genuine;
    QString current;     // how the text reads now (ID3v2 encoding 0: as other programs read it)
    QString proposed;    // the repaired text; empty when there is none
    QByteArray believed; // the encoding the text was really written in ("CP932", "UTF-8", "CP1252", "GBK", ...)
    QByteArray misread;  // Unicode texts: the code page that garbled it; else empty
    double confidence = 0; // 0..1
    QString reason;      // a short English phrase for reports
    bool hasProposal() const { return !proposed.isEmpty(); }
};

// Judges stored bytes. Id3v2Utf16/BE/Utf8 bytes are decoded first (lone
// surrogates and invalid sequences are kept as they decode) and judged as text.
Detection detect(QByteArrayView bytes, Declared declared);
// Judges a text already decoded from a Unicode frame (encodings 1 to 3).
Detection detectUnicodeText(QStringView text);

// How much a text reads like real text, per non-ASCII character (about -6
// for nonsense to +2 for plain kana); nonAscii receives their number. The
// hint chooses which commonness of ideographs counts (0 any, 1 Japanese,
// 2 simplified Chinese, 3 traditional Chinese, 4 Korean).
double plausibility(QStringView text, int hint = 0, int *nonAscii = nullptr);

// Strict decoding: the text, or a null QString when the bytes are not a
// valid sequence of the code page or do not encode back to themselves.
QString decodeStrict(const QByteArray &codePage, QByteArrayView bytes);
// CP1252 with the five bytes it leaves undefined read as ISO-8859-1 controls:
// what Windows programs produce; always succeeds and is reversible.
QString decodeWestern(QByteArrayView bytes);
// The bytes that decodeWestern turns into text, or null when a character has none.
QByteArray encodeWestern(QStringView text, bool *usedCp1252 = nullptr);

QString verdictName(Verdict v); // "genuine", "repair", "uncertain"

} // namespace vireo::textfix
