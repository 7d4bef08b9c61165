#include "core/formats/Id3v2Text.h"

#include "core/platform/CodePage.h"

namespace vireo {

int id3v2TerminatorLength(uint8_t encoding)
{
    return encoding == 1 || encoding == 2 ? 2 : 1;
}

qsizetype findId3v2Terminator(QByteArrayView bytes, qsizetype from, uint8_t encoding)
{
    if (from < 0)
        return -1;
    if (id3v2TerminatorLength(encoding) == 1) {
        for (qsizetype i = from; i < bytes.size(); ++i)
            if (bytes[i] == '\0')
                return i;
        return -1;
    }
    for (qsizetype i = from; i + 1 < bytes.size(); i += 2)
        if (bytes[i] == '\0' && bytes[i + 1] == '\0')
            return i;
    return -1;
}

static QString decodeUtf16(QByteArrayView bytes, bool little)
{
    const qsizetype n = bytes.size() / 2;
    QString out;
    out.reserve(n);
    for (qsizetype k = 0; k < n; ++k) {
        const uchar a = uchar(bytes[2 * k]);
        const uchar b = uchar(bytes[2 * k + 1]);
        const char16_t unit = little ? char16_t(a | (b << 8)) : char16_t((a << 8) | b);
        out.append(QChar(unit));
    }
    return out;
}

QString decodeId3v2String(QByteArrayView bytes, uint8_t encoding, bool *littleEndian)
{
    switch (encoding) {
    case 1:
    case 2: {
        bool little = littleEndian ? *littleEndian : encoding == 1;
        if (bytes.size() >= 2) {
            const uchar a = uchar(bytes[0]), b = uchar(bytes[1]);
            if (a == 0xFF && b == 0xFE) {
                little = true;
                bytes = bytes.sliced(2);
            } else if (a == 0xFE && b == 0xFF) {
                little = false;
                bytes = bytes.sliced(2);
            }
        }
        if (littleEndian)
            *littleEndian = little;
        return decodeUtf16(bytes, little);
    }
    case 3:
        if (bytes.size() >= 3 && uchar(bytes[0]) == 0xEF && uchar(bytes[1]) == 0xBB && uchar(bytes[2]) == 0xBF)
            bytes = bytes.sliced(3);
        return QString::fromUtf8(bytes);
    default:
        return fromTagCodePage(bytes);
    }
}

QStringList decodeId3v2Strings(QByteArrayView bytes, uint8_t encoding, qsizetype maxValues)
{
    QStringList out;
    bool little = encoding != 2;
    qsizetype pos = 0;
    const int tl = id3v2TerminatorLength(encoding);
    while (pos < bytes.size() && out.size() < maxValues) {
        qsizetype end = findId3v2Terminator(bytes, pos, encoding);
        if (end < 0)
            end = bytes.size();
        out.append(decodeId3v2String(bytes.sliced(pos, end - pos), encoding, &little));
        pos = end + tl;
    }
    return out;
}

QString trimControl(QStringView text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && text[b].unicode() <= 32)
        ++b;
    while (e > b && text[e - 1].unicode() <= 32)
        --e;
    return text.sliced(b, e - b).toString();
}

QString trimTrailingControl(QStringView text)
{
    qsizetype e = text.size();
    while (e > 0 && text[e - 1].unicode() <= 32)
        --e;
    return text.first(e).toString();
}

QString decodeId3v2TextBody(QByteArrayView body, int majorVersion)
{
    if (body.isEmpty())
        return QString();
    const uint8_t code = uint8_t(body[0]);
    if (code > 3) {
        // No valid encoding byte: the whole body is text in the tag code page.
        qsizetype end = body.indexOf('\0');
        return trimControl(fromTagCodePage(end < 0 ? body : body.first(end)));
    }
    // Older versions hold one value; a 2.4 frame's values are bounded.
    QStringList values = decodeId3v2Strings(body.sliced(1), code, majorVersion < 4 ? 1 : kMaxId3v2Values);
    if (code != 3)
        for (QString &v : values)
            v = trimControl(v);
    if (values.isEmpty())
        return QString();
    if (majorVersion < 4)
        return values.first();
    while (!values.isEmpty() && values.last().isEmpty())
        values.removeLast();
    return values.join(u'/');
}

QByteArray encodeId3v2String(QStringView text, uint8_t encoding, bool withMark)
{
    QByteArray out;
    switch (encoding) {
    case 1:
        if (withMark)
            out.append("\xFF\xFE", 2);
        for (QChar c : text) {
            out.append(char(c.unicode() & 0xFF));
            out.append(char(c.unicode() >> 8));
        }
        return out;
    case 2:
        for (QChar c : text) {
            out.append(char(c.unicode() >> 8));
            out.append(char(c.unicode() & 0xFF));
        }
        return out;
    case 3:
        return text.toUtf8();
    default:
        return toTagCodePage(text);
    }
}

QByteArray id3v2Terminator(uint8_t encoding)
{
    return QByteArray(id3v2TerminatorLength(encoding), '\0');
}

} // namespace vireo
