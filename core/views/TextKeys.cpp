#include "core/views/TextKeys.h"

#include <QChar>

#include <algorithm>

namespace vireo::views {

namespace {
// The case folding of one UTF-16 unit that is not a surrogate.
inline char16_t foldUnit(char16_t c)
{
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
    if (c >= 0x3000 && c < 0xA000)
        return c; // kana and CJK ideographs have no case
    return char16_t(QChar::toCaseFolded(char32_t(c)));
}
} // namespace

QString foldKey(const QString &text)
{
    const qsizetype n = text.size();
    const char16_t *s = reinterpret_cast<const char16_t *>(text.utf16());
    // Most names (Japanese ones, lower-case ones) fold to themselves: share them.
    qsizetype i = 0;
    while (i < n && !QChar::isSurrogate(s[i]) && foldUnit(s[i]) == s[i])
        ++i;
    if (i == n)
        return text;
    QString out(n, Qt::Uninitialized);
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    std::copy(s, s + i, d);
    qsizetype k = i;
    for (; i < n; ++i) {
        const char16_t c = s[i];
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(s[i + 1])) {
            const char32_t folded = QChar::toCaseFolded(QChar::surrogateToUcs4(c, s[i + 1]));
            ++i;
            if (QChar::requiresSurrogates(folded)) {
                d[k++] = QChar::highSurrogate(folded);
                d[k++] = QChar::lowSurrogate(folded);
            } else {
                d[k++] = char16_t(folded);
            }
            continue;
        }
        d[k++] = QChar::isSurrogate(c) ? c : foldUnit(c);
    }
    out.truncate(k);
    return out;
}

} // namespace vireo::views
