#include "core/textfix/TextDetector.h"

#include "core/formats/Id3v2Text.h"
#include "core/platform/CodePage.h"
#include "core/textfix/CharClass.h"

#include <QStringDecoder>

#include <algorithm>
#include <cmath>

namespace vireo::textfix {
namespace {

// CP1252's row 0x80-0x9F; 0 marks the five undefined bytes.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

enum Hint { AnyHan = 0, Japanese = 1, Simplified = 2, Traditional = 3, Korean = 4 };

double hanScore(uint8_t bits, int hint)
{
    switch (hint) {
    case Japanese:
        return (bits & JisLevel1) ? 1.5 : (bits & JisLevel2) ? -0.5 : (bits & JisVendor) ? -2.5 : -1.5;
    case Simplified:
        return (bits & GbLevel1) ? 1.5 : (bits & GbLevel2) ? 0.2 : -1.5;
    case Traditional:
        return (bits & Big5Common) ? 1.2 : -1.5;
    case Korean:
        return (bits & KsCommon) ? 0.2 : -1.5;
    default:
        return std::max({hanScore(bits, Japanese), hanScore(bits, Simplified), hanScore(bits, Traditional)});
    }
}

bool hasNonAscii(QByteArrayView b)
{
    return std::any_of(b.begin(), b.end(), [](char c) { return uchar(c) >= 0x80; });
}

bool hasNonAscii(QStringView t)
{
    return std::any_of(t.begin(), t.end(), [](QChar c) { return c.unicode() >= 0x80; });
}

// A CP1252 byte of the range 0x80-0xBF read as text: what UTF-8 trail bytes
// become when UTF-8 is read as CP1252.
bool isWesternTrailChar(char16_t u)
{
    if (u >= 0x80 && u <= 0xBF)
        return true;
    for (char16_t h : kCp1252High)
        if (h && h == u)
            return true;
    return false;
}

struct Candidate {
    QByteArray codePage;
    QString text;
    double score = -99;
    int nonAscii = 0;
    bool valid() const { return !text.isNull(); }
};

Candidate candidate(const QByteArray &codePage, QByteArrayView bytes, int hint)
{
    Candidate c;
    c.codePage = codePage;
    c.text = codePage == "CP1252" ? decodeWestern(bytes) : decodeStrict(codePage, bytes);
    if (c.valid()) {
        c.score = plausibility(c.text, hint, &c.nonAscii);
        if (codePage == "UTF-8")
            c.score += 0.5; // valid multi-byte UTF-8 rarely happens by chance
    }
    return c;
}

const Candidate &better(const Candidate &a, const Candidate &b) { return b.score > a.score ? b : a; }

double confidenceOf(double margin, int nonAscii)
{
    const double c = 1.0 - std::exp(-margin * std::sqrt(double(std::max(nonAscii, 1))) / 2.0);
    return std::clamp(c, 0.0, 0.99);
}

// The shared decision over the reading of today and the other readings.
// `roundTrip` tells whether a proposal gives the stored form back.
template <typename RoundTrip>
Detection decide(const Candidate &cur, const QList<Candidate> &others, const QList<Candidate> &eastAsian,
                 RoundTrip roundTrip)
{
    Detection d;
    d.current = cur.text;
    Candidate best;
    for (const Candidate &c : others)
        if (c.valid())
            best = better(best, c);
    Candidate ea;
    for (const Candidate &c : eastAsian)
        if (c.valid())
            ea = better(ea, c);
    const double curScore = cur.valid() ? cur.score : -6.0;

    auto uncertain = [&](const Candidate &c, const QString &why) {
        d.verdict = Verdict::Uncertain;
        d.proposed = c.text;
        d.believed = c.codePage;
        d.confidence = std::clamp(0.3 + 0.05 * (c.score - curScore), 0.05, 0.5);
        d.reason = why;
        return d;
    };

    if (best.valid() && best.score >= 0.8 && best.score - curScore >= 1.5 && best.text != cur.text) {
        if (ea.valid() && ea.score >= 0.8 && ea.score >= best.score - 0.5)
            return uncertain(ea.score > best.score ? ea : best,
                             QStringLiteral("reads as %1 and as %2").arg(QString::fromLatin1(best.codePage),
                                                                        QString::fromLatin1(ea.codePage)));
        if (!roundTrip(best))
            return uncertain(best, QStringLiteral("the repair would not give the stored bytes back"));
        d.verdict = Verdict::Repair;
        d.proposed = best.text;
        d.believed = best.codePage;
        d.confidence = confidenceOf(best.score - std::max(curScore, -3.0), best.nonAscii);
        d.reason = QStringLiteral("reads as %1").arg(QString::fromLatin1(best.codePage));
        return d;
    }
    if (cur.valid() && cur.score >= 0) {
        if (ea.valid() && ea.score >= 0.8 && ea.score >= cur.score + 1.0 && ea.text != cur.text)
            return uncertain(ea, QStringLiteral("may be %1 text").arg(QString::fromLatin1(ea.codePage)));
        d.reason = QStringLiteral("reads well as stored");
        return d;
    }
    const Candidate &any = better(best, ea);
    if (any.valid() && any.score > 0 && any.text != cur.text)
        return uncertain(any, QStringLiteral("no reading is convincing"));
    d.verdict = Verdict::Uncertain;
    d.reason = QStringLiteral("no reading is convincing");
    return d;
}

QList<Candidate> eastAsianCandidates(QByteArrayView bytes)
{
    return {candidate("GBK", bytes, Simplified), candidate("BIG5", bytes, Traditional),
            candidate("CP949", bytes, Korean)};
}

// Texts a Japanese reading explains so well that no other code page competes:
// they hold kana and no nonsense.
bool clearlyJapanese(const Candidate &c)
{
    if (!c.valid() || c.score < 1.2)
        return false;
    return std::any_of(c.text.begin(), c.text.end(),
                       [](QChar ch) { return charInfo(ch.unicode()).kind == CharKind::Kana; });
}

Detection detectStoredBytes(QByteArrayView bytes, Declared declared)
{
    const QByteArray tagPage = tagCodePage();
    const bool v1 = declared == Declared::Id3v1;
    const QByteArray stored = bytes.toByteArray();
    if (!hasNonAscii(bytes)) {
        Detection d;
        d.current = QString::fromLatin1(stored);
        d.reason = QStringLiteral("plain ASCII");
        return d;
    }
    // Today's reading: the tag code page for ID3v1, ISO-8859-1 (as CP1252)
    // for ID3v2 encoding 0, which is how every other program reads it.
    const QByteArray curPage = v1 ? tagPage : QByteArray("CP1252");
    const Candidate cur = candidate(curPage, bytes, Japanese);
    QList<Candidate> others;
    for (const QByteArray &cp : {QByteArray("CP932"), QByteArray("UTF-8"), QByteArray("CP1252"), tagPage})
        if (cp != curPage && std::none_of(others.begin(), others.end(), [&](const Candidate &c) { return c.codePage == cp; }))
            others.append(candidate(cp, bytes, Japanese));
    QList<Candidate> ea;
    const Candidate *jp = nullptr;
    for (const Candidate &c : others)
        if (c.codePage == "CP932")
            jp = &c;
    if (curPage == "CP932")
        jp = &cur;
    if (!jp || !clearlyJapanese(*jp))
        ea = eastAsianCandidates(bytes);
    Detection d = decide(cur, others, ea, [&](const Candidate &c) {
        return c.codePage == "CP1252" ? encodeWestern(c.text) == stored : encodeWith(c.codePage, c.text) == stored;
    });
    if (!cur.valid())
        d.current = fromTagCodePage(bytes); // shown with replacement marks, as the program shows it
    return d;
}

// Shift-JIS as Windows writes it: the bytes 0x80, 0xA0 and 0xFD-0xFF, which
// the code page leaves undefined, are read as U+0080 and U+F8F0-U+F8F3.
// Null when a character has no byte form or does not come back unchanged.
QByteArray encodeWindows932(QStringView text)
{
    QByteArray out;
    qsizetype runStart = 0;
    auto flush = [&](qsizetype end) {
        if (end <= runStart)
            return true;
        const QStringView run = text.sliced(runStart, end - runStart);
        const QByteArray b = encodeWith("CP932", run);
        if (decodeWith("CP932", b) != run)
            return false;
        out.append(b);
        return true;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        char single = 0;
        if (u == 0x80)
            single = char(0x80);
        else if (u == 0xF8F0)
            single = char(0xA0);
        else if (u >= 0xF8F1 && u <= 0xF8F3)
            single = char(0xFD + (u - 0xF8F1));
        else
            continue;
        if (!flush(i))
            return QByteArray();
        out.append(single);
        runStart = i + 1;
    }
    if (!flush(text.size()))
        return QByteArray();
    if (out.isNull())
        out = QByteArray("");
    return out;
}

} // namespace

QString verdictName(Verdict v)
{
    switch (v) {
    case Verdict::Repair: return QStringLiteral("repair");
    case Verdict::Uncertain: return QStringLiteral("uncertain");
    default: return QStringLiteral("genuine");
    }
}

QString decodeWestern(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        char16_t u = b;
        if (b >= 0x80 && b < 0xA0 && kCp1252High[b - 0x80])
            u = kCp1252High[b - 0x80];
        out[i] = QChar(u);
    }
    return out;
}

QByteArray encodeWestern(QStringView text, bool *usedCp1252)
{
    QByteArray out;
    out.reserve(text.size());
    bool used = false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x100) {
            // A C1 control stands for its own byte only where CP1252 leaves
            // the byte undefined or the text was read as ISO-8859-1.
            out.append(char(u));
            continue;
        }
        int found = -1;
        for (int i = 0; i < 32; ++i)
            if (kCp1252High[i] == u)
                found = i;
        if (found < 0)
            return QByteArray();
        out.append(char(0x80 + found));
        used = true;
    }
    if (usedCp1252)
        *usedCp1252 = used;
    return out;
}

QString decodeStrict(const QByteArray &codePage, QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QStringLiteral("");
    QString text;
    if (codePage == "UTF-8") {
        QStringDecoder dec(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = dec.decode(bytes);
        if (dec.hasError())
            return QString();
        if (text.toUtf8() != bytes)
            return QString();
        return text;
    }
    text = decodeWith(codePage, bytes);
    if (encodeWith(codePage, text) != bytes)
        return QString();
    return text;
}

double plausibility(QStringView t, int hint, int *nonAsciiOut)
{
    int nonAscii = 0;
    double sum = 0;
    bool onlyHalfKana = true;
    for (QChar c : t) {
        const CharKind k = charInfo(c.unicode()).kind;
        if (c.unicode() >= 0x80 && k != CharKind::HalfKana)
            onlyHalfKana = false;
    }
    auto kindAt = [&](qsizetype i) {
        return i < 0 || i >= t.size() ? CharKind::AsciiOther : charInfo(t[i].unicode()).kind;
    };
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char16_t u = t[i].unicode();
        const CharInfo ci = charInfo(u);
        const CharKind prev = kindAt(i - 1), next = kindAt(i + 1);
        double s = 0;
        switch (ci.kind) {
        case CharKind::AsciiLetter:
            continue;
        case CharKind::AsciiOther:
            if (u == 0)
                break;
            continue;
        case CharKind::Control:
        case CharKind::Bad:
            s = -6;
            break;
        case CharKind::Kana:
            s = (hint == AnyHan || hint == Japanese) ? 2.0 : 0.0;
            if (u == 0x30FB && (prev == CharKind::AsciiLetter || next == CharKind::AsciiLetter))
                s = -2; // a middle dot glued to Latin letters stands for an unreadable byte
            break;
        case CharKind::HalfKana:
            s = onlyHalfKana ? 0.5 : -2.0;
            if (prev == CharKind::AsciiLetter || next == CharKind::AsciiLetter)
                s = -2.0;
            break;
        case CharKind::CjkPunct:
            s = 0.5;
            break;
        case CharKind::Symbol:
            s = -0.3;
            break;
        case CharKind::GreekCyrillic:
            s = -1.5;
            break;
        case CharKind::Han:
            s = hanScore(ci.bits, hint);
            break;
        case CharKind::Hangul:
            s = (hint == AnyHan || hint == Korean) ? ((ci.bits & KsCommon) ? 2.0 : -1.0) : -2.0;
            break;
        case CharKind::LatinLetter: {
            s = 1.5;
            if (u >= 0xC2 && u <= 0xF4 && i + 1 < t.size() && isWesternTrailChar(t[i + 1].unicode())) {
                // UTF-8 lead and trail read as CP1252: "Ã©", "ã‚¢".
                s = -5;
                sum += s;
                ++nonAscii;
                ++i;
                ++nonAscii;
                sum += -5;
                continue;
            }
            const bool lowerHere = t[i].isLower();
            if (next == CharKind::AsciiLetter && lowerHere && t[i + 1].isUpper())
                s -= 2.0;
            if (next == CharKind::LatinLetter && t[i + 1].isUpper() != t[i].isUpper())
                s -= 2.0;
            if (!isLatinLetterKind(next) && !isLatinLetterKind(prev))
                s -= 1.0; // an accented letter alone between non-letters
            if (next != CharKind::AsciiLetter && next != CharKind::AsciiOther && next != CharKind::LatinLetter)
                s -= 1.5;
            if (prev != CharKind::AsciiLetter && prev != CharKind::AsciiOther && prev != CharKind::LatinLetter)
                s -= 1.5;
            break;
        }
        case CharKind::LatinRare:
            s = (isLatinLetterKind(prev) && isLatinLetterKind(next)) ? 0.3 : -1.5;
            break;
        case CharKind::Typographic:
            s = (u == u'’' && prev == CharKind::AsciiLetter && next == CharKind::AsciiLetter) ? 1.0 : 0.0;
            if (isCjkKind(prev) || isCjkKind(next))
                s = -1.0;
            break;
        case CharKind::MojiSymbol:
            s = -2.5;
            break;
        case CharKind::Latin1Symbol:
            s = -1.5;
            break;
        case CharKind::SoftSymbol:
            s = -0.3;
            break;
        case CharKind::Other:
            s = -1.0;
            break;
        }
        if (isCjkKind(ci.kind) && prev == CharKind::AsciiLetter && next == CharKind::AsciiLetter)
            s -= 3.0; // one ideograph inside a Latin word
        else if (isCjkKind(ci.kind) && hint >= Simplified && (prev == CharKind::AsciiLetter || next == CharKind::AsciiLetter))
            s -= 2.0; // Chinese and Korean text rarely touches Latin letters
        sum += s;
        ++nonAscii;
    }
    if (nonAsciiOut)
        *nonAsciiOut = nonAscii;
    return nonAscii ? sum / nonAscii : 0.0;
}

Detection detectUnicodeText(QStringView text)
{
    Detection none;
    none.current = text.toString();
    if (!hasNonAscii(text)) {
        none.reason = QStringLiteral("plain ASCII");
        return none;
    }
    Candidate cur;
    cur.codePage = "UTF-16";
    cur.text = text.toString();
    cur.score = plausibility(text, AnyHan, &cur.nonAscii);

    // Read as CP1252 or ISO-8859-1 by another program: the bytes it saw.
    bool usedCp1252 = false;
    const QByteArray western = encodeWestern(text, &usedCp1252);
    if (!western.isNull()) {
        QList<Candidate> others{candidate("CP932", western, Japanese), candidate("UTF-8", western, AnyHan)};
        QList<Candidate> ea;
        if (!clearlyJapanese(others[0]))
            ea = eastAsianCandidates(western);
        const bool westernBack = decodeWestern(western) == text || QString::fromLatin1(western) == text;
        Detection d = decide(cur, others, ea, [&](const Candidate &c) {
            return westernBack && encodeWith(c.codePage, c.text) == western;
        });
        if (d.verdict != Verdict::Genuine)
            d.misread = usedCp1252 ? QByteArray("CP1252") : QByteArray("ISO-8859-1");
        return d;
    }
    // UTF-8 read as CP932 ("繧｢繝ｼ"): always leaves second-level kanji or
    // halfwidth kana behind, so other texts are not tried.
    bool suspicious = false;
    for (QChar c : text) {
        const CharInfo ci = charInfo(c.unicode());
        if (ci.kind == CharKind::HalfKana || (ci.kind == CharKind::Han && !(ci.bits & JisLevel1)))
            suspicious = true;
    }
    if (suspicious) {
        const QByteArray sjis = encodeWindows932(text);
        if (!sjis.isNull()) {
            const QList<Candidate> others{candidate("UTF-8", sjis, AnyHan)};
            Detection d = decide(cur, others, {}, [&](const Candidate &c) { return c.text.toUtf8() == sjis; });
            if (d.verdict != Verdict::Genuine)
                d.misread = "CP932";
            return d;
        }
    }
    cur.score >= 0 ? none.reason = QStringLiteral("reads well as stored")
                   : none.reason = QStringLiteral("no other reading");
    return none;
}

Detection detect(QByteArrayView bytes, Declared declared)
{
    switch (declared) {
    case Declared::Id3v1:
    case Declared::Id3v2Latin1:
        return detectStoredBytes(bytes, declared);
    case Declared::Id3v2Utf16:
        return detectUnicodeText(decodeId3v2String(bytes, 1));
    case Declared::Id3v2Utf16BE:
        return detectUnicodeText(decodeId3v2String(bytes, 2));
    case Declared::Id3v2Utf8:
        return detectUnicodeText(decodeId3v2String(bytes, 3));
    }
    return {};
}

} // namespace vireo::textfix
