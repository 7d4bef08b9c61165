#pragma once
// The text forms of setting values: integers (decimal or "$" hexadecimal),
// the boolean rules, colours by name or "$" and eight hexadecimal digits,
// and the plain font value the five font keys describe.
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace vireo {

// A colour in its stored form: below 0x1000000 it is 0x00BBGGRR; 0x80000000
// plus n is system colour n (0x80000005 the window background, ...);
// 0x1FFFFFFF is "no colour" and 0x20000000 "the default colour".
using ColorValue = uint32_t;

namespace colors {
constexpr ColorValue Black = 0x000000;
constexpr ColorValue White = 0xFFFFFF;
constexpr ColorValue None = 0x1FFFFFFF;
constexpr ColorValue Default = 0x20000000;
constexpr ColorValue SystemBase = 0x80000000;
constexpr ColorValue Window = SystemBase + 5;
constexpr ColorValue WindowText = SystemBase + 8;
constexpr ColorValue BtnFace = SystemBase + 15;
constexpr ColorValue Highlight = SystemBase + 13;
constexpr ColorValue HighlightText = SystemBase + 14;
} // namespace colors

constexpr bool isSystemColor(ColorValue c) { return (c & 0xFF000000u) == colors::SystemBase; }
// The system colour number n of 0x80000000 + n.
constexpr int systemColorIndex(ColorValue c) { return int(c & 0xFFu); }
constexpr int colorRed(ColorValue c) { return int(c & 0xFFu); }
constexpr int colorGreen(ColorValue c) { return int((c >> 8) & 0xFFu); }
constexpr int colorBlue(ColorValue c) { return int((c >> 16) & 0xFFu); }
constexpr ColorValue colorFromRgb(int r, int g, int b)
{
    return ColorValue(r & 0xFF) | (ColorValue(g & 0xFF) << 8) | (ColorValue(b & 0xFF) << 16);
}

// An integer text: optional sign and decimal digits within 32 bits, or "$"
// (or "0x") and up to eight hexadecimal digits. Anything else has no value.
std::optional<int32_t> parseIntegerText(QStringView text);
// Integer reading of a stored value: text that is not an integer is 0.
int32_t integerOrZero(QStringView text);

// The default of a boolean entry: "1", "TRUE" or "YES" in any case is "1",
// anything else (the empty text included) "0".
QString normalizedBoolDefault(QStringView defaultValue);
// A stored boolean: the integer value's low byte is non-zero ("2" is true,
// "256" and "TRUE" are false).
bool boolFromStored(QStringView stored);
inline QString boolText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

// The colour's name when it has one ("clWhite", "clWindow"), else "$" and
// eight upper-case hexadecimal digits ("$00FFE8E8").
QString colorToText(ColorValue c);
// A colour name in any case, or an integer text; nothing for anything else.
std::optional<ColorValue> colorFromText(QStringView text);

// A font as the five font keys store it.
struct FontValue {
    enum Style { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
    QString name;
    int size = 8;          // points
    ColorValue color = colors::Black;
    int style = 0;         // a set of Style bits
    int charset = 0;       // 0 ANSI, 1 default, 128 Shift-JIS
    bool operator==(const FontValue &) const = default;
};

// One-line form of a font for dumps and the command line:
// name,size,colour,style,charset ("Tahoma,8,clBlack,0,0"); the name may hold commas.
QString fontToText(const FontValue &font);
std::optional<FontValue> fontFromText(QStringView text);

} // namespace vireo
