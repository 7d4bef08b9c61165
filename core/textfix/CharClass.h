#pragma once
// What kind of character a UTF-16 unit is, for judging whether a decoded tag
// text reads like real Japanese, Chinese, Korean or Western text. The table
// is built once from the code pages themselves (which kanji are JIS level 1,
// which hanzi GB2312 level 1 or common Big5, which hangul KS X 1001).
#include <QChar>

#include <cstdint>

namespace vireo::textfix {

enum class CharKind : uint8_t {
    Other,
    Control,      // C0 and C1 controls, NUL, DEL
    Bad,          // replacement character, private use, lone surrogate
    AsciiLetter,
    AsciiOther,   // digits, space, punctuation
    LatinLetter,  // Latin-1 and Latin Extended-A letters
    LatinRare,    // letters of CP1252's 0x80-0x9F row (Š š Œ œ Ž ž Ÿ ƒ excluded)
    Typographic,  // ’ ‘ “ ” – — …
    MojiSymbol,   // ‚ ƒ „ † ‡ ˆ ‰ ‹ › • ˜ ™ €: the marks of CP932 read as CP1252
    Latin1Symbol, // ¡ ¢ £ ¤ ¥ ¦ § ¨ ª « ¬ ¯ ± ´ µ ¶ ¸ ¹ º » ¼ ¾ ¿ × ÷ and no-break space
    SoftSymbol,   // © ® ° · ½ ² ³: common in real titles
    Kana,         // hiragana, katakana, prolonged sound mark, middle dot
    HalfKana,     // halfwidth katakana
    CjkPunct,     // ideographic space and punctuation, fullwidth forms
    Symbol,       // other symbols a CJK code page holds (arrows, stars, notes)
    GreekCyrillic,
    Han,          // an ideograph; see the commonness bits
    Hangul,
};

enum HanBits : uint8_t {
    JisLevel1 = 1,  // JIS X 0208 first level: the common kanji
    JisLevel2 = 2,  // JIS X 0208 second level
    JisVendor = 4,  // only in CP932's NEC and IBM extensions
    GbLevel1 = 8,   // GB2312 first level: the common simplified hanzi
    GbLevel2 = 16,  // GB2312 second level
    Big5Common = 32, // Big5 frequently used characters
    KsCommon = 64,  // hangul syllables and hanja of KS X 1001
};

struct CharInfo {
    CharKind kind = CharKind::Other;
    uint8_t bits = 0;
};

// The class of one UTF-16 unit (surrogates are Bad; callers pair them).
CharInfo charInfo(char16_t unit);
// Whether a character is a letter of Latin script (ASCII or not).
bool isLatinLetterKind(CharKind k);
bool isCjkKind(CharKind k);

} // namespace vireo::textfix
