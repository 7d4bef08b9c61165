#include "core/formats/Id3v2Convert.h"

#include "core/formats/Id3v2Text.h"
#include "core/formats/Syncsafe.h"

#include <QHash>
#include <QRegularExpression>

namespace vireo {

QByteArray id3v22To23Id(QByteArrayView id)
{
    static const QHash<QByteArray, QByteArray> map = [] {
        static const char *const pairs[][2] = {
            {"BUF", "RBUF"}, {"CNT", "PCNT"}, {"COM", "COMM"}, {"CRA", "AENC"}, {"ETC", "ETCO"},
            {"EQU", "EQUA"}, {"GEO", "GEOB"}, {"IPL", "IPLS"}, {"LNK", "LINK"}, {"MCI", "MCDI"},
            {"MLL", "MLLT"}, {"PIC", "APIC"}, {"POP", "POPM"}, {"REV", "RVRB"}, {"RVA", "RVAD"},
            {"SLT", "SYLT"}, {"STC", "SYTC"}, {"TAL", "TALB"}, {"TBP", "TBPM"}, {"TCM", "TCOM"},
            {"TCO", "TCON"}, {"TCR", "TCOP"}, {"TDA", "TDAT"}, {"TDY", "TDLY"}, {"TEN", "TENC"},
            {"TFT", "TFLT"}, {"TIM", "TIME"}, {"TKE", "TKEY"}, {"TLA", "TLAN"}, {"TLE", "TLEN"},
            {"TMT", "TMED"}, {"TOA", "TOPE"}, {"TOF", "TOFN"}, {"TOL", "TOLY"}, {"TOR", "TORY"},
            {"TOT", "TOAL"}, {"TP1", "TPE1"}, {"TP2", "TPE2"}, {"TP3", "TPE3"}, {"TP4", "TPE4"},
            {"TPA", "TPOS"}, {"TPB", "TPUB"}, {"TRC", "TSRC"}, {"TRD", "TRDA"}, {"TRK", "TRCK"},
            {"TSI", "TSIZ"}, {"TSS", "TSSE"}, {"TT1", "TIT1"}, {"TT2", "TIT2"}, {"TT3", "TIT3"},
            {"TXT", "TEXT"}, {"TXX", "TXXX"}, {"TYE", "TYER"}, {"UFI", "UFID"}, {"ULT", "USLT"},
            {"WAF", "WOAF"}, {"WAR", "WOAR"}, {"WAS", "WOAS"}, {"WCM", "WCOM"}, {"WCP", "WCOP"},
            {"WPB", "WPUB"}, {"WXX", "WXXX"},
            // Frames that common taggers add to 2.2 tags.
            {"TCP", "TCMP"}, {"TST", "TSOT"}, {"TSA", "TSOA"}, {"TSP", "TSOP"}, {"TS2", "TSO2"},
            {"TSC", "TSOC"},
        };
        QHash<QByteArray, QByteArray> m;
        for (const auto &p : pairs)
            m.insert(QByteArray(p[0]), QByteArray(p[1]));
        return m;
    }();
    return map.value(id.toByteArray());
}

namespace {

bool needsReencoding(uint8_t enc) { return enc == 2 || enc == 3; }

// A string in the 2.3 form of a frame that had encoding `enc`.
QByteArray encodeFor23(const QString &text, uint8_t enc)
{
    return encodeId3v2String(text, needsReencoding(enc) ? 1 : enc);
}
uint8_t encodingFor23(uint8_t enc) { return needsReencoding(enc) ? 1 : enc; }

// Splits off one terminated string starting at pos; pos moves past it.
QString takeString(QByteArrayView data, qsizetype &pos, uint8_t enc)
{
    qsizetype end = findId3v2Terminator(data, pos, enc);
    const qsizetype stop = end < 0 ? data.size() : end;
    const QString s = decodeId3v2String(data.sliced(pos, stop - pos), enc);
    pos = end < 0 ? data.size() : end + id3v2TerminatorLength(enc);
    return s;
}

QByteArray takeLatin1(QByteArrayView data, qsizetype &pos)
{
    qsizetype end = data.indexOf('\0', pos);
    const qsizetype stop = end < 0 ? data.size() : end;
    QByteArray s = data.sliced(pos, stop - pos).toByteArray();
    pos = end < 0 ? data.size() : end + 1;
    return s;
}

QStringList valuesOf(QByteArrayView data, uint8_t enc)
{
    QStringList values = decodeId3v2Strings(data, enc);
    while (!values.isEmpty() && values.last().isEmpty())
        values.removeLast();
    return values;
}

// Text frames ("T..." other than "TXXX"): one value, joined with "/".
QByteArray convertTextBody(const QByteArray &data, int version)
{
    if (data.isEmpty())
        return data;
    const uint8_t enc = uint8_t(data[0]);
    if (enc > 3)
        return data;
    const QStringList values = valuesOf(QByteArrayView(data).sliced(1), enc);
    if (!needsReencoding(enc) && (version < 4 || values.size() <= 1))
        return data;
    QByteArray out(1, char(encodingFor23(enc)));
    out += encodeFor23(values.join(u'/'), enc);
    return out;
}

QByteArray convertTxxxBody(const QByteArray &data, int version)
{
    if (data.isEmpty() || uint8_t(data[0]) > 3)
        return data;
    const uint8_t enc = uint8_t(data[0]);
    qsizetype pos = 1;
    const QString desc = takeString(data, pos, enc);
    const QStringList values = valuesOf(QByteArrayView(data).sliced(pos), enc);
    if (!needsReencoding(enc) && (version < 4 || values.size() <= 1))
        return data;
    QByteArray out(1, char(encodingFor23(enc)));
    out += encodeFor23(desc, enc) + id3v2Terminator(encodingFor23(enc));
    out += encodeFor23(values.join(u'/'), enc);
    return out;
}

// enc, 3-byte language, [description, terminator,] text ("COMM", "USLT", "USER").
QByteArray convertLanguageBody(const QByteArray &data, bool hasDescription)
{
    if (data.size() < 4 || !needsReencoding(uint8_t(data[0])))
        return data;
    const uint8_t enc = uint8_t(data[0]);
    qsizetype pos = 4;
    QByteArray out(1, char(1));
    out += data.mid(1, 3);
    if (hasDescription)
        out += encodeFor23(takeString(data, pos, enc), enc) + id3v2Terminator(1);
    out += encodeFor23(takeString(data, pos, enc), enc);
    return out;
}

QByteArray convertWxxxBody(const QByteArray &data)
{
    if (data.isEmpty() || !needsReencoding(uint8_t(data[0])))
        return data;
    const uint8_t enc = uint8_t(data[0]);
    qsizetype pos = 1;
    QByteArray out(1, char(1));
    out += encodeFor23(takeString(data, pos, enc), enc) + id3v2Terminator(1);
    out += data.mid(pos);
    return out;
}

// enc, MIME type, [picture type], [file name,] description, binary data.
QByteArray convertBinaryBody(const QByteArray &data, bool picture)
{
    if (data.isEmpty() || !needsReencoding(uint8_t(data[0])))
        return data;
    const uint8_t enc = uint8_t(data[0]);
    qsizetype pos = 1;
    QByteArray out(1, char(1));
    out += takeLatin1(data, pos) + '\0';
    if (picture) {
        if (pos >= data.size())
            return data;
        out += data[pos++];
    } else {
        out += encodeFor23(takeString(data, pos, enc), enc) + id3v2Terminator(1);
    }
    out += encodeFor23(takeString(data, pos, enc), enc) + id3v2Terminator(1);
    out += data.mid(pos);
    return out;
}

QStringList peopleList(const QByteArray &data, uint8_t *enc)
{
    if (data.isEmpty() || uint8_t(data[0]) > 3)
        return {};
    *enc = uint8_t(data[0]);
    return decodeId3v2Strings(QByteArrayView(data).sliced(1), *enc);
}

QByteArray peopleBody(const QStringList &list, uint8_t enc)
{
    const uint8_t e = encodingFor23(enc);
    QByteArray out(1, char(e));
    for (const QString &s : list)
        out += encodeId3v2String(s, e) + id3v2Terminator(e);
    return out;
}

QByteArray textBody(const QString &text)
{
    return QByteArray(1, '\0') + text.toLatin1();
}

// The extra bytes and flags of a frame that could not be decoded (encrypted).
Id3v2Frame opaqueFrame(const Id3v2RawFrame &raw, const QByteArray &id)
{
    Id3v2Frame f;
    f.id = id;
    QByteArray prefix;
    if (raw.compressed) {
        f.formatFlags |= V23Compressed;
        prefix += bigEndian32Bytes(raw.decompressedSize);
    }
    f.formatFlags |= V23Encrypted;
    prefix += char(raw.encryptionMethod);
    if (raw.grouped) {
        f.formatFlags |= V23Grouped;
        prefix += char(raw.groupId);
    }
    f.body = prefix + raw.data;
    return f;
}

uint8_t statusFlagsFor23(const Id3v2RawFrame &raw)
{
    if (raw.version == 3)
        return raw.statusFlags & 0xE0;
    if (raw.version == 4)
        return uint8_t((raw.statusFlags & 0x70) << 1);
    return 0;
}

} // namespace

QList<Id3v2Frame> convertFramesToV23(const QList<Id3v2RawFrame> &frames, QList<QByteArray> *dropped)
{
    QList<Id3v2Frame> out;
    QString recordingTime;
    QStringList people;
    uint8_t peopleEncoding = 0;
    qsizetype peopleIndex = -1;
    bool haveDate = false, haveTime = false, haveOriginalYear = false;
    for (const Id3v2RawFrame &raw : frames) {
        if (raw.id == "TDAT" || raw.id == "TDA")
            haveDate = true;
        if (raw.id == "TIME" || raw.id == "TIM")
            haveTime = true;
        if (raw.id == "TORY" || raw.id == "TOR")
            haveOriginalYear = true;
    }

    for (const Id3v2RawFrame &raw : frames) {
        QByteArray id = raw.id;
        QByteArray data = raw.data;
        if (raw.version == 2) {
            id = id3v22To23Id(raw.id);
            if (id.isEmpty()) {
                dropped->append(raw.id);
                continue;
            }
            if (raw.id == "PIC") {
                // enc, 3-letter image format, type, description, data.
                if (data.size() < 5)
                    continue;
                const QByteArray format = data.mid(1, 3).toUpper();
                const QByteArray mime = format == "JPG" ? QByteArray("image/jpeg")
                                      : format == "PNG" ? QByteArray("image/png")
                                      : "image/" + format.toLower();
                data = data.left(1) + mime + '\0' + data.mid(4);
            } else if (raw.id == "LNK" && data.size() >= 3) {
                const QByteArray linked = id3v22To23Id(QByteArrayView(data).first(3));
                if (linked.isEmpty()) {
                    dropped->append(raw.id);
                    continue;
                }
                data = linked + data.mid(3);
            }
        }
        if (id == "ASPI" || id == "SEEK" || id == "SIGN") {
            // Positions in the file and signatures of the old tag mean nothing in a new one.
            dropped->append(id);
            continue;
        }
        if (!raw.readable()) {
            Id3v2Frame f = opaqueFrame(raw, id);
            f.statusFlags = statusFlagsFor23(raw);
            out.append(f);
            continue;
        }
        if (id == "TDRC") {
            recordingTime = decodeId3v2TextBody(data, 4);
            continue;
        }
        if (id == "TIPL" || id == "TMCL" || (id == "IPLS" && raw.version == 4)) {
            uint8_t enc = 0;
            const QStringList list = peopleList(data, &enc);
            if (people.isEmpty())
                peopleEncoding = enc;
            people += list;
            if (peopleIndex < 0) {
                peopleIndex = out.size();
                Id3v2Frame f;
                f.id = "IPLS";
                out.append(f);
            }
            continue;
        }
        if (id == "TDOR") {
            const QString year = decodeId3v2TextBody(data, 4).left(4);
            if (haveOriginalYear || year.isEmpty())
                continue;
            id = "TORY";
            data = textBody(year);
            haveOriginalYear = true;
        } else if (id == "TXXX") {
            data = convertTxxxBody(data, raw.version);
        } else if (id.startsWith('T')) {
            data = convertTextBody(data, raw.version);
        } else if (id == "COMM" || id == "USLT") {
            data = convertLanguageBody(data, true);
        } else if (id == "USER") {
            data = convertLanguageBody(data, false);
        } else if (id == "WXXX") {
            data = convertWxxxBody(data);
        } else if (id == "APIC") {
            data = convertBinaryBody(data, true);
        } else if (id == "GEOB") {
            data = convertBinaryBody(data, false);
        } else if (id == "IPLS") {
            uint8_t enc = 0;
            const QStringList list = peopleList(data, &enc);
            if (needsReencoding(enc))
                data = peopleBody(list, enc);
        }
        Id3v2Frame f;
        f.id = id;
        f.statusFlags = statusFlagsFor23(raw);
        if (raw.grouped) {
            f.formatFlags |= V23Grouped;
            data.prepend(char(raw.groupId));
        }
        f.body = data;
        out.append(f);
    }
    if (peopleIndex >= 0)
        out[peopleIndex].body = peopleBody(people, peopleEncoding);

    // "TDRC" 2004-05-01T10:20 gives "TDAT" 0105 and "TIME" 1020 when the tag has neither.
    static const QRegularExpression dateRe(QStringLiteral("^\\d{4}-(\\d{2})-(\\d{2})(?:T(\\d{2}):(\\d{2}))?"));
    const QRegularExpressionMatch m = dateRe.match(recordingTime);
    if (m.hasMatch()) {
        if (!haveDate)
            out.append({QByteArray("TDAT"), 0, 0, textBody(m.captured(2) + m.captured(1))});
        if (!haveTime && m.hasCaptured(3))
            out.append({QByteArray("TIME"), 0, 0, textBody(m.captured(3) + m.captured(4))});
    }
    return out;
}

} // namespace vireo
