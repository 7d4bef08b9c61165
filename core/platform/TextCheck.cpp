#include "core/platform/TextCheck.h"

#include <QList>

#include <algorithm>

namespace vireo {
namespace {

// Only the start is looked at: a binary file shows itself in its first
// kilobytes, and a huge text file is not read twice.
constexpr qsizetype kLookedAt = 64 * 1024;

bool isAllowedControl(unsigned c)
{
    return c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == 0x1A; // 0x1A: old editors' end mark
}

template <typename Unit> QString causeOf(const Unit *p, qsizetype n)
{
    // A NUL ends the text (lists and caches are read up to it; editors and
    // copy tools pad with them); a file whose text ends before half of it
    // while more than NULs follow is binary.
    const qsizetype end = std::find(p, p + n, Unit(0)) - p;
    if (end < n && (n - end) * 2 > n && !std::all_of(p + end, p + n, [](Unit u) { return u == 0; }))
        return QStringLiteral("NUL バイトを含みます（テキストではありません）");
    qsizetype controls = 0;
    for (qsizetype i = 0; i < end; ++i) {
        const unsigned c = unsigned(p[i]);
        if (c < 0x20 && !isAllowedControl(c))
            ++controls;
    }
    // A stray control character in a hand-edited file is not yet binary.
    if (controls > 8 && controls * 100 > end)
        return QStringLiteral("制御文字が多すぎます（テキストではありません）");
    return QString();
}

} // namespace

QString notTextCause(QByteArrayView bytes, bool utf16)
{
    const bool le = bytes.size() >= 2 && uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xFE;
    const bool be = bytes.size() >= 2 && uchar(bytes[0]) == 0xFE && uchar(bytes[1]) == 0xFF;
    if (le || be) {
        if (!utf16)
            return QStringLiteral("UTF-16 で書かれています（UTF-8 か Shift-JIS のテキストにしてください）");
        const QByteArrayView body = bytes.sliced(2, std::min<qsizetype>(bytes.size() - 2, kLookedAt) & ~qsizetype(1));
        QList<char16_t> units(body.size() / 2);
        for (qsizetype i = 0; i < units.size(); ++i) {
            const uchar a = uchar(body[2 * i]), b = uchar(body[2 * i + 1]);
            units[i] = le ? char16_t(a | (b << 8)) : char16_t((a << 8) | b);
        }
        return causeOf(units.constData(), units.size());
    }
    const qsizetype n = std::min<qsizetype>(bytes.size(), kLookedAt);
    return causeOf(reinterpret_cast<const uchar *>(bytes.data()), n);
}

} // namespace vireo
