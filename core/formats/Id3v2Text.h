#pragma once
// Text in ID3v2 frames: the four encoding codes (0 tag code page, 1 UTF-16
// with byte-order mark, 2 UTF-16 big-endian without mark, 3 UTF-8), their
// terminators, and the decoding and encoding of strings and string lists.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>

namespace vireo {

// 2 for the UTF-16 codes 1 and 2, else 1.
int id3v2TerminatorLength(uint8_t encoding);
// Position of the first terminator at or after `from`; for UTF-16 only
// positions an even number of bytes after `from` count. -1 when none.
qsizetype findId3v2Terminator(QByteArrayView bytes, qsizetype from, uint8_t encoding);

// Decodes one string (no terminator in it). Code 1 honours a byte-order
// mark (FF FE little-endian, FE FF big-endian); without one it keeps
// `littleEndian`, which is updated by a mark so that later strings of the
// same frame inherit it. Code 2 is big-endian unless a mark says otherwise.
// Codes other than 1, 2, 3 are read in the tag code page.
QString decodeId3v2String(QByteArrayView bytes, uint8_t encoding, bool *littleEndian = nullptr);
// Splits bytes into terminated strings and decodes each; a final empty
// string (from a trailing terminator) is not returned.
// At most this many values are taken from one frame (a frame full of
// separators would otherwise cost one string per byte).
constexpr qsizetype kMaxId3v2Values = 1000;
QStringList decodeId3v2Strings(QByteArrayView bytes, uint8_t encoding, qsizetype maxValues = kMaxId3v2Values);

// Removes leading and trailing characters of code 0 to 32.
QString trimControl(QStringView text);
QString trimTrailingControl(QStringView text);

// The text of a text-frame body (encoding byte first) as the fields show it:
// version 4 tags join several values with "/", older versions take the
// first; UTF-8 values are kept untrimmed, the others lose characters of
// code 0 to 32 at both ends. A code byte above 3 is read as part of the
// text in the tag code page.
QString decodeId3v2TextBody(QByteArrayView body, int majorVersion);

// Encoded text without terminator: code 1 gives FF FE and little-endian
// units (only when withMark), 2 big-endian units, 3 UTF-8, anything else
// the tag code page.
QByteArray encodeId3v2String(QStringView text, uint8_t encoding, bool withMark = true);
QByteArray id3v2Terminator(uint8_t encoding);

} // namespace vireo
