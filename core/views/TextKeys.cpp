#include "TextKeys.h"

#include <QChar>

namespace vireo::views {

QString foldKey(QStringView text)
{
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
