#include "core/views/TextKeys.h"

#include <QChar>

namespace vireo::views {

namespace {
bool foldsToItself(const QString &text)
{
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c < 0x80) {
            if (c >= u'A' && c <= u'Z')
                return false;
        } else if (QChar::isSurrogate(c) || QChar::toCaseFolded(char32_t(c)) != c) {
            return false;
        }
    }
    return true;
}
} // namespace

QString foldKey(const QString &text)
{
    // Most names (Japanese ones, lower-case ones) fold to themselves: share them.
    if (foldsToItself(text))
        return text;
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out.append(QChar(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c));
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            const char32_t folded = QChar::toCaseFolded(QChar::surrogateToUcs4(c, text[i + 1].unicode()));
            ++i;
            if (QChar::requiresSurrogates(folded)) {
                out.append(QChar(QChar::highSurrogate(folded)));
                out.append(QChar(QChar::lowSurrogate(folded)));
            } else {
                out.append(QChar(char16_t(folded)));
            }
            continue;
        }
        out.append(QChar(char16_t(QChar::toCaseFolded(char32_t(c)))));
    }
    return out;
}

} // namespace vireo::views
