#pragma once
// One ID3v2 frame as found in a tag (any version), the walk that finds the
// frames of a tag, and the ID3v2.3 frame form the writer puts on disk.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringList>

#include <cstdint>

namespace vireo {

// A frame in ID3v2.3 form: identifier, the two flag bytes as 2.3 defines
// them, and the body exactly as written after the 10-byte frame header
// (for a compressed or encrypted frame that includes the 2.3 extra bytes).
struct Id3v2Frame {
    QByteArray id;
    uint8_t statusFlags = 0;
    uint8_t formatFlags = 0;
    QByteArray body;
};

// ID3v2.3 frame format flags.
enum : uint8_t {
    V23Compressed = 0x80,
    V23Encrypted = 0x40,
    V23Grouped = 0x20,
};

// A frame as read from a tag: identifier of its own version, its content
// with unsynchronisation undone and compression removed (when it was not
// also encrypted), and what its flags said.
struct Id3v2RawFrame {
    QByteArray id;        // 3 letters for 2.2, else 4
    int version = 3;      // major version of the tag it came from
    uint8_t statusFlags = 0; // as stored, in the tag's own version
    uint8_t formatFlags = 0;
    QByteArray data;      // content (decoded where possible)
    bool encrypted = false;   // data is still encrypted (and maybe compressed)
    bool compressed = false;  // only meaningful when encrypted
    uint32_t decompressedSize = 0; // from the frame when compressed
    uint8_t encryptionMethod = 0;
    bool grouped = false;
    uint8_t groupId = 0;
    bool readable() const { return !encrypted; }
};

// The most bytes one frame's content may take when read (compressed frames
// are inflated to at most this); larger frames are skipped.
constexpr qsizetype kMaxId3v2FrameData = qsizetype(16) << 20;

// What a walk over the frames could not read.
struct Id3v2WalkReport {
    int skipped = 0;      // frames skipped (flags cut short, too large, broken compression)
    QByteArray unparsed;  // their bytes as stored, then any bytes after the last frame that are not padding
    QStringList problems; // one line per skipped frame or unreadable rest
    qsizetype end = 0;    // where the walk stopped
};

// Walks the frames of a tag. `frames` is the tag's bytes after the 10-byte
// header and up to the tag's end (unsynchronisation of a 2.2/2.3 tag
// already undone, extended header still in front when extendedHeader is
// set). Never reads outside `frames`.
QList<Id3v2RawFrame> walkId3v2Frames(QByteArrayView frames, int majorVersion,
                                     bool extendedHeader, bool tagUnsynchronised,
                                     Id3v2WalkReport *report = nullptr);

// Renders a frame in ID3v2.3 form: header (plain big-endian size) and body.
QByteArray renderId3v2Frame(const Id3v2Frame &frame);

// The whole length of the tag whose first 10 bytes are `header`: size
// field + 10, + 10 more for a 2.4 footer; 0 when there is no "ID3" or the
// file is shorter than that (a bogus size).
int64_t id3v2WholeTagLength(QByteArrayView header, int64_t fileSize);

// True for an identifier of 3 (2.2) or 4 letters A-Z and digits 0-9.
bool isValidFrameId(QByteArrayView id);

} // namespace vireo
