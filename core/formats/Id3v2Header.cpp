#include "core/formats/Id3v2Header.h"

#include "core/formats/Syncsafe.h"

namespace vireo {

std::optional<Id3v2Header> Id3v2Header::parse(QByteArrayView bytes)
{
    if (bytes.size() < Size || !bytes.startsWith("ID3"))
        return std::nullopt;
    const uchar *h = reinterpret_cast<const uchar *>(bytes.data());
    Id3v2Header header;
    header.majorVersion = h[3];
    header.revision = h[4];
    header.flags = h[5];
    header.bodySize = syncsafeValue(h + 6);
    header.syncsafeSize = isSyncsafe(h + 6);
    return header;
}

QByteArray Id3v2Header::render() const
{
    QByteArray out("ID3");
    out += char(majorVersion);
    out += char(revision);
    out += char(flags);
    out += syncsafeBytes(bodySize);
    return out;
}

} // namespace vireo
