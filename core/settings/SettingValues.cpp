#include "core/settings/SettingValues.h"

#include <array>

namespace vireo {
namespace {

struct NamedColor {
    const char *name;
    ColorValue value;
};

const std::array<NamedColor, 51> kColorNames = {{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", 0x8000000A}, {"clActiveCaption", 0x80000002}, {"clAppWorkSpace", 0x8000000C},
    {"clBackground", 0x80000001}, {"clBtnFace", 0x8000000F}, {"clBtnHighlight", 0x80000014},
    {"clBtnShadow", 0x80000010}, {"clBtnText", 0x80000012}, {"clCaptionText", 0x80000009},
    {"clDefault", 0x20000000}, {"clGradientActiveCaption", 0x8000001B},
    {"clGradientInactiveCaption", 0x8000001C}, {"clGrayText", 0x80000011}, {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E}, {"clHotLight", 0x8000001A}, {"clInactiveBorder", 0x8000000B},
    {"clInactiveCaption", 0x80000003}, {"clInactiveCaptionText", 0x80000013}, {"clInfoBk", 0x80000018},
    {"clInfoText", 0x80000017}, {"clMenu", 0x80000004}, {"clMenuBar", 0x8000001E},
    {"clMenuHighlight", 0x8000001D}, {"clMenuText", 0x80000007}, {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0x80000000}, {"cl3DDkShadow", 0x80000015}, {"cl3DLight", 0x80000016},
    {"clWindow", 0x80000005}, {"clWindowFrame", 0x80000006},
}};

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

std::optional<int32_t> parseIntegerText(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    qsizetype prefix = 0;
    if (text.startsWith(u'$'))
        prefix = 1;
    else if (text.startsWith(u"0x", Qt::CaseInsensitive))
        prefix = 2;
    if (prefix > 0) {
        const QStringView hex = text.mid(prefix);
        if (hex.isEmpty())
            return std::nullopt;
        uint64_t v = 0;
        for (QChar c : hex) {
            const int d = hexDigit(c);
            if (d < 0)
                return std::nullopt;
            v = (v << 4) | uint64_t(d);
            if (v > 0xFFFFFFFFu)
                return std::nullopt;
        }
        return int32_t(uint32_t(v));
    }
    qsizetype i = 0;
    bool negative = false;
    if (text[0] == u'+' || text[0] == u'-') {
        negative = text[0] == u'-';
        i = 1;
    }
    if (i >= text.size())
        return std::nullopt;
    int64_t v = 0;
    for (; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < u'0' || u > u'9')
            return std::nullopt;
        v = v * 10 + (u - u'0');
        if (v > int64_t(1) << 31)
            return std::nullopt;
    }
    if (negative)
        v = -v;
    if (v > INT32_MAX || v < INT32_MIN)
        return std::nullopt;
    return int32_t(v);
}

int32_t integerOrZero(QStringView text) { return parseIntegerText(text).value_or(0); }

QString normalizedBoolDefault(QStringView defaultValue)
{
    const QString up = defaultValue.toString().toUpper();
    return up == u"1" || up == u"TRUE" || up == u"YES" ? QStringLiteral("1") : QStringLiteral("0");
}

bool boolFromStored(QStringView stored) { return (integerOrZero(stored) & 0xFF) != 0; }

QString colorToText(ColorValue c)
{
    for (const NamedColor &n : kColorNames)
        if (n.value == c)
            return QString::fromLatin1(n.name);
    return QStringLiteral("$%1").arg(c, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<ColorValue> colorFromText(QStringView text)
{
    for (const NamedColor &n : kColorNames)
        if (text.compare(QLatin1StringView(n.name), Qt::CaseInsensitive) == 0)
            return n.value;
    if (const auto v = parseIntegerText(text))
        return ColorValue(*v);
    return std::nullopt;
}

QString fontToText(const FontValue &font)
{
    return QStringLiteral("%1,%2,%3,%4,%5")
        .arg(font.name, QString::number(font.size), colorToText(font.color), QString::number(font.style),
             QString::number(font.charset));
}

std::optional<FontValue> fontFromText(QStringView text)
{
    // The four numbers come last, so the face name may hold anything.
    QStringView rest = text;
    std::array<QStringView, 4> fields;
    for (int i = 3; i >= 0; --i) {
        const qsizetype comma = rest.lastIndexOf(u',');
        if (comma < 0)
            return std::nullopt;
        fields[size_t(i)] = rest.mid(comma + 1).trimmed();
        rest = rest.left(comma);
    }
    const auto size = parseIntegerText(fields[0]);
    const auto color = colorFromText(fields[1]);
    const auto style = parseIntegerText(fields[2]);
    const auto charset = parseIntegerText(fields[3]);
    if (!size || *size <= 0 || !color || !style || !charset)
        return std::nullopt;
    FontValue f;
    f.name = rest.toString();
    f.size = *size;
    f.color = *color;
    f.style = *style;
    f.charset = *charset;
    return f;
}

} // namespace vireo
