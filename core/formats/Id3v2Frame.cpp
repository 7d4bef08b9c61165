#include "core/formats/Id3v2Frame.h"

#include "core/formats/Id3v2Header.h"
#include "core/formats/Syncsafe.h"

#include <zlib.h>

namespace vireo {

bool isValidFrameId(QByteArrayView id)
{
    if (id.size() != 3 && id.size() != 4)
        return false;
    for (char c : id)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

int64_t id3v2WholeTagLength(QByteArrayView header, int64_t fileSize)
{
    const std::optional<Id3v2Header> h = Id3v2Header::parse(header);
    if (!h)
        return 0;
    const int64_t length = h->wholeLength();
    return length > fileSize ? 0 : length;
}

QByteArray renderId3v2Frame(const Id3v2Frame &frame)
{
    QByteArray out;
    out.reserve(10 + frame.body.size());
    out += frame.id.left(4);
    out += bigEndian32Bytes(uint32_t(frame.body.size()));
    out += char(frame.statusFlags);
    out += char(frame.formatFlags);
    out += frame.body;
    return out;
}

namespace {

const uchar *at(QByteArrayView v, qsizetype pos) { return reinterpret_cast<const uchar *>(v.data()) + pos; }

enum class Inflated { Ok, Broken, TooLarge };

// Zlib data of an ID3v2 frame, inflated to at most `limit` bytes: the
// buffer grows with the output, never ahead of it from a size field.
Inflated inflateFrame(QByteArrayView zdata, int64_t limit, QByteArray &out)
{
    out.clear();
    if (zdata.isEmpty())
        return Inflated::Ok;
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return Inflated::Broken;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(zdata.data()));
    z.avail_in = uInt(zdata.size());
    char chunk[64 * 1024];
    int rc = Z_OK;
    while (rc == Z_OK) {
        z.next_out = reinterpret_cast<Bytef *>(chunk);
        z.avail_out = sizeof chunk;
        rc = inflate(&z, Z_NO_FLUSH);
        const qsizetype produced = qsizetype(sizeof chunk - z.avail_out);
        if (int64_t(out.size()) + produced > limit) {
            inflateEnd(&z);
            out.clear();
            return Inflated::TooLarge;
        }
        out.append(chunk, produced);
        if (rc == Z_BUF_ERROR && z.avail_in == 0)
            break; // the data ends before the stream does
        if (rc == Z_BUF_ERROR && produced > 0)
            rc = Z_OK;
    }
    inflateEnd(&z);
    if (rc != Z_STREAM_END || out.isEmpty()) {
        out.clear();
        return Inflated::Broken;
    }
    return Inflated::Ok;
}

// Where a version 4 frame of `size` bytes at `pos` would end must be the
// end of the frames, padding, or the header of another frame.
bool landsWell(QByteArrayView frames, qsizetype pos, int64_t size)
{
    const int64_t next = int64_t(pos) + 10 + size;
    if (next == frames.size())
        return true;
    if (next > frames.size())
        return false;
    if (frames[next] == '\0')
        return true;
    return next + 10 <= frames.size() && isValidFrameId(frames.sliced(next, 4));
}

qsizetype extendedHeaderLength(QByteArrayView frames, int version)
{
    if (frames.size() < 4)
        return frames.size();
    if (version == 3)
        return qsizetype(qMin<int64_t>(int64_t(bigEndian32(at(frames, 0))) + 4, frames.size()));
    return qsizetype(qMin<int64_t>(syncsafeValue(at(frames, 0)), frames.size()));
}

} // namespace

QList<Id3v2RawFrame> walkId3v2Frames(QByteArrayView frames, int version, bool extendedHeader,
                                     bool tagUnsynchronised, Id3v2WalkReport *report)
{
    QList<Id3v2RawFrame> out;
    Id3v2WalkReport unused;
    Id3v2WalkReport &r = report ? *report : unused;
    const int headerLength = version == 2 ? 6 : 10;
    qsizetype pos = extendedHeader && version >= 3 ? extendedHeaderLength(frames, version) : 0;
    while (pos + headerLength <= frames.size()) {
        const QByteArrayView id = frames.sliced(pos, version == 2 ? 3 : 4);
        if (!isValidFrameId(id))
            break; // padding, a footer or garbage
        int64_t size;
        if (version == 2) {
            size = bigEndian24(at(frames, pos + 3));
        } else if (version == 3) {
            size = bigEndian32(at(frames, pos + 4));
        } else {
            const uchar *p = at(frames, pos + 4);
            const int64_t plain = bigEndian32(p);
            const int64_t safe = syncsafeValue(p);
            if (isSyncsafe(p) && landsWell(frames, pos, safe))
                size = safe;
            else if (landsWell(frames, pos, plain))
                size = plain;
            else
                size = isSyncsafe(p) ? safe : plain;
        }
        const qsizetype frameStart = pos;
        Id3v2RawFrame f;
        f.id = id.toByteArray();
        f.version = version;
        if (version >= 3) {
            f.statusFlags = uchar(frames[pos + 8]);
            f.formatFlags = uchar(frames[pos + 9]);
        }
        const qsizetype bodyStart = pos + headerLength;
        const qsizetype bodyLength = qsizetype(qMin<int64_t>(size, frames.size() - bodyStart));
        QByteArrayView body = frames.sliced(bodyStart, bodyLength);
        pos = bodyStart + bodyLength;

        bool ok = true;
        if (version == 3) {
            qsizetype skip = 0;
            if (f.formatFlags & 0x80) {
                f.compressed = true;
                ok = body.size() >= skip + 4;
                if (ok)
                    f.decompressedSize = bigEndian32(at(body, skip));
                skip += 4;
            }
            if (ok && (f.formatFlags & 0x40)) {
                f.encrypted = true;
                ok = body.size() > skip;
                if (ok)
                    f.encryptionMethod = uchar(body[skip]);
                skip += 1;
            }
            if (ok && (f.formatFlags & 0x20)) {
                f.grouped = true;
                ok = body.size() > skip;
                if (ok)
                    f.groupId = uchar(body[skip]);
                skip += 1;
            }
            if (ok)
                body = body.sliced(skip);
        } else if (version == 4) {
            qsizetype skip = 0;
            if (f.formatFlags & 0x40) {
                f.grouped = true;
                ok = body.size() > skip;
                if (ok)
                    f.groupId = uchar(body[skip]);
                skip += 1;
            }
            if (ok && (f.formatFlags & 0x04)) {
                f.encrypted = true;
                ok = body.size() > skip;
                if (ok)
                    f.encryptionMethod = uchar(body[skip]);
                skip += 1;
            }
            if (ok && (f.formatFlags & 0x01)) {
                ok = body.size() >= skip + 4;
                if (ok)
                    f.decompressedSize = syncsafeValue(at(body, skip));
                skip += 4;
            }
            f.compressed = f.formatFlags & 0x08;
            if (ok)
                body = body.sliced(skip);
        }
        auto skip = [&](const char *why) {
            ++r.skipped;
            r.unparsed += frames.sliced(frameStart, pos - frameStart);
            r.problems.append(QStringLiteral("%1 frame of %2 bytes skipped: %3")
                                  .arg(QString::fromLatin1(f.id)).arg(size).arg(QLatin1String(why)));
        };
        if (!ok) {
            skip("its flag bytes are missing");
            continue;
        }
        if (body.size() > kMaxId3v2FrameData) {
            skip("larger than 16 MiB");
            continue;
        }
        QByteArray data = body.toByteArray();
        if (version == 4 && ((f.formatFlags & 0x02) || tagUnsynchronised))
            data = removeUnsynchronisation(data);
        if (f.compressed && !f.encrypted) {
            // At most the fixed limit, and at most what the frame says it holds.
            const int64_t limit = f.decompressedSize > 0 ? qMin<int64_t>(f.decompressedSize, kMaxId3v2FrameData)
                                                         : kMaxId3v2FrameData;
            QByteArray plain;
            const Inflated inflated = inflateFrame(data, limit, plain);
            if (inflated != Inflated::Ok) {
                skip(inflated == Inflated::TooLarge ? "it inflates beyond its stated size or 16 MiB"
                                                    : "its compressed data is broken");
                continue;
            }
            data = std::move(plain);
            f.compressed = false;
        }
        f.data = std::move(data);
        out.append(std::move(f));
    }
    // What follows the last frame is padding, unless something else is there.
    r.end = pos;
    for (qsizetype i = pos; i < frames.size(); ++i) {
        if (frames[i] != '\0') {
            qsizetype last = frames.size();
            while (last > i && frames[last - 1] == '\0')
                --last;
            r.unparsed += frames.sliced(pos, last - pos);
            r.problems.append(QStringLiteral("%1 bytes after the last readable frame are not padding").arg(last - pos));
            break;
        }
    }
    return out;
}

} // namespace vireo
