#include "core/settings/CommaText.h"

namespace vireo {
namespace {

bool isBlankOrControl(QChar c) { return c.unicode() <= u' '; }

bool needsQuotes(QStringView item)
{
    for (QChar c : item)
        if (isBlankOrControl(c) || c == u'"' || c == u',')
            return true;
    return false;
}

} // namespace

QString writeCommaText(const QStringList &items)
{
    if (items.size() == 1 && items.first().isEmpty())
        return QStringLiteral("\"\"");
    QString out;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += u',';
        const QString &item = items[i];
        if (needsQuotes(item)) {
            QString quoted = item;
            quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            out += u'"' + quoted + u'"';
        } else {
            out += item;
        }
    }
    return out;
}

QStringList readCommaText(QStringView text)
{
    QStringList items;
    const qsizetype n = text.size();
    qsizetype p = 0;
    auto skipBlanks = [&] {
        while (p < n && isBlankOrControl(text[p]))
            ++p;
    };
    skipBlanks();
    while (p < n) {
        QString item;
        if (text[p] == u'"') {
            ++p;
            while (p < n) {
                if (text[p] == u'"') {
                    if (p + 1 < n && text[p + 1] == u'"') {
                        item += u'"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += text[p++];
            }
        } else {
            const qsizetype start = p;
            while (p < n && !isBlankOrControl(text[p]) && text[p] != u',')
                ++p;
            item = text.mid(start, p - start).toString();
        }
        items << item;
        skipBlanks();
        if (p < n && text[p] == u',') {
            if (p + 1 == n)
                items << QString();
            ++p;
            skipBlanks();
        }
    }
    return items;
}

} // namespace vireo
