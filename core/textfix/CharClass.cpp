#include "core/textfix/CharClass.h"

#include "core/platform/CodePage.h"

#include <array>
#include <memory>

namespace vireo::textfix {
namespace {

using Table = std::array<CharInfo, 0x10000>;

// Decodes every two-byte code of a rectangle of a code page and marks the
// characters that decode and encode back to the same bytes.
void markDoubleBytes(Table &t, const QByteArray &codePage, int leadFrom, int leadTo, int trailFrom,
                     int trailTo, uint8_t bit, bool onlyHanOrHangul = true)
{
    for (int lead = leadFrom; lead <= leadTo; ++lead) {
        QByteArray row;
        row.reserve((trailTo - trailFrom + 1) * 2);
        for (int trail = trailFrom; trail <= trailTo; ++trail) {
            if (trail == 0x7F)
                continue;
            char pair[2] = {char(lead), char(trail)};
            const QByteArray bytes(pair, 2);
            const QString s = decodeWith(codePage, bytes);
            if (s.size() != 1 || encodeWith(codePage, s) != bytes)
                continue;
            CharInfo &ci = t[s[0].unicode()];
            if (onlyHanOrHangul && ci.kind != CharKind::Han && ci.kind != CharKind::Hangul)
                continue;
            ci.bits |= bit;
        }
    }
}

std::unique_ptr<Table> buildTable()
{
    auto t = std::make_unique<Table>();
    Table &a = *t;
    for (int u = 0; u < 0x10000; ++u) {
        CharKind k = CharKind::Other;
        const QChar c{char16_t(u)};
        if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0))
            k = CharKind::Control;
        else if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z'))
            k = CharKind::AsciiLetter;
        else if (u < 0x80)
            k = CharKind::AsciiOther;
        else if (u == 0xD7 || u == 0xF7 || u == 0xA0 || (u > 0xA0 && u < 0xC0))
            k = CharKind::Latin1Symbol;
        else if (u < 0x250 && c.isLetter())
            k = CharKind::LatinLetter;
        else if (u >= 0x370 && u < 0x530)
            k = CharKind::GreekCyrillic;
        else if ((u >= 0x3041 && u <= 0x309F) || (u >= 0x30A0 && u <= 0x30FF))
            k = CharKind::Kana;
        else if (u >= 0xFF61 && u <= 0xFF9F)
            k = CharKind::HalfKana;
        else if ((u >= 0x3000 && u <= 0x303F) || (u >= 0xFF01 && u <= 0xFF60) || (u >= 0xFFE0 && u <= 0xFFEE))
            k = CharKind::CjkPunct;
        else if ((u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) || (u >= 0xF900 && u <= 0xFAFF))
            k = CharKind::Han;
        else if (u >= 0xAC00 && u <= 0xD7A3)
            k = CharKind::Hangul;
        else if ((u >= 0xD800 && u <= 0xDFFF) || (u >= 0xE000 && u <= 0xF8FF) || u == 0xFFFD || u >= 0xFFF0)
            k = CharKind::Bad;
        else if (c.isSymbol() || c.isPunct())
            k = CharKind::Symbol;
        a[u].kind = k;
    }
    for (char16_t u : {u'’', u'‘', u'“', u'”', u'–', u'—', u'…'})
        a[u].kind = CharKind::Typographic;
    for (char16_t u : {u'‚', u'ƒ', u'„', u'†', u'‡', u'ˆ', u'‰', u'‹', u'›', u'•', u'˜', u'™', u'€'})
        a[u].kind = CharKind::MojiSymbol;
    for (char16_t u : {u'Š', u'š', u'Œ', u'œ', u'Ž', u'ž', u'Ÿ'})
        a[u].kind = CharKind::LatinRare;
    for (char16_t u : {u'©', u'®', u'°', u'·', u'½', u'²', u'³'})
        a[u].kind = CharKind::SoftSymbol;

    // Commonness of ideographs and hangul by where the code pages put them.
    markDoubleBytes(a, "CP932", 0x88, 0x98, 0x40, 0xFC, JisLevel1);
    // Row 47 ends at 0x9872; the rest of lead 0x98 belongs to level 2.
    for (int trail = 0x73; trail <= 0xFC; ++trail) {
        char pair[2] = {char(0x98), char(trail)};
        const QString s = decodeWith("CP932", QByteArray(pair, 2));
        if (s.size() == 1)
            a[s[0].unicode()].bits &= uint8_t(~JisLevel1);
    }
    markDoubleBytes(a, "CP932", 0x98, 0xEA, 0x40, 0xFC, JisLevel2);
    for (int u = 0; u < 0x10000; ++u)
        if (a[u].bits & JisLevel1)
            a[u].bits &= uint8_t(~JisLevel2);
    markDoubleBytes(a, "CP932", 0xED, 0xEE, 0x40, 0xFC, JisVendor);
    markDoubleBytes(a, "CP932", 0xFA, 0xFC, 0x40, 0xFC, JisVendor);
    markDoubleBytes(a, "GBK", 0xB0, 0xD7, 0xA1, 0xFE, GbLevel1);
    markDoubleBytes(a, "GBK", 0xD8, 0xF7, 0xA1, 0xFE, GbLevel2);
    markDoubleBytes(a, "BIG5", 0xA4, 0xC6, 0x40, 0xFE, Big5Common);
    markDoubleBytes(a, "CP949", 0xB0, 0xC8, 0xA1, 0xFE, KsCommon);
    markDoubleBytes(a, "CP949", 0xCA, 0xFD, 0xA1, 0xFE, KsCommon);
    return t;
}

const Table &table()
{
    static const std::unique_ptr<Table> t = buildTable();
    return *t;
}

} // namespace

CharInfo charInfo(char16_t unit) { return table()[unit]; }

bool isLatinLetterKind(CharKind k)
{
    return k == CharKind::AsciiLetter || k == CharKind::LatinLetter || k == CharKind::LatinRare;
}

bool isCjkKind(CharKind k)
{
    return k == CharKind::Kana || k == CharKind::HalfKana || k == CharKind::Han || k == CharKind::Hangul
        || k == CharKind::CjkPunct;
}

} // namespace vireo::textfix
