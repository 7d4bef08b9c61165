#pragma once
// The ID3v2 byte-level helpers: 28-bit "syncsafe" numbers (four 7-bit
// groups), plain big-endian numbers, and undoing unsynchronisation.
#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

namespace vireo {

// Four 7-bit groups, most significant first; the top bits are not masked.
uint32_t syncsafeValue(const uchar *p);
// True when none of the four bytes has its top bit set.
bool isSyncsafe(const uchar *p);
QByteArray syncsafeBytes(uint32_t value); // value < 2^28

uint32_t bigEndian32(const uchar *p);
uint32_t bigEndian24(const uchar *p);
QByteArray bigEndian32Bytes(uint32_t value);

// Undoes unsynchronisation: every FF 00 becomes FF.
QByteArray removeUnsynchronisation(QByteArrayView bytes);

} // namespace vireo
