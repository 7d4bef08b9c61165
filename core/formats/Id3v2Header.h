#pragma once
// The 10-byte header at the start of an ID3v2 tag: "ID3", major version,
// revision, flags and the syncsafe size of everything after the header
// (footer excluded).
#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <optional>

namespace vireo {

struct Id3v2Header {
    static constexpr int Size = 10;

    enum : uint8_t {
        Unsynchronised = 0x80,
        ExtendedOrCompressed = 0x40, // extended header in 2.3/2.4, compression in 2.2
        Experimental = 0x20,
        FooterPresent = 0x10,        // 2.4 only
    };

    uint8_t majorVersion = 3;
    uint8_t revision = 0;
    uint8_t flags = 0;
    uint32_t bodySize = 0; // bytes after the header, as the size field says
    bool syncsafeSize = true; // no top bit set in the size field

    // The header in the first 10 bytes, or nothing when they do not start
    // with "ID3" or are fewer than 10. The size field is taken as stored
    // (top bits included); isSyncsafeSize() tells whether it was clean.
    static std::optional<Id3v2Header> parse(QByteArrayView bytes);
    // The 10 bytes; bodySize must be below 2^28.
    QByteArray render() const;

    bool unsynchronised() const { return flags & Unsynchronised; }
    bool hasExtendedHeader() const { return majorVersion >= 3 && (flags & ExtendedOrCompressed); }
    bool compressedV22() const { return majorVersion == 2 && (flags & ExtendedOrCompressed); }
    bool hasFooter() const { return majorVersion == 4 && (flags & FooterPresent); }
    bool knownVersion() const { return majorVersion >= 2 && majorVersion <= 4; }
    // Header, body and (2.4) footer.
    int64_t wholeLength() const { return int64_t(bodySize) + Size + (hasFooter() ? Size : 0); }
};

} // namespace vireo
