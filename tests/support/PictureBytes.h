#pragma once
// The smallest pictures the header readers accept: a JPEG of its start mark,
// an optional JFIF APP0 segment, one frame header and its end mark; a PNG
// signature with its IHDR chunk. Neither decodes to pixels.
#include <QByteArray>

namespace vireo::test {

// sof is the frame marker: 0xC0 baseline, 0xC2 progressive.
QByteArray jpegBytes(int width, int height, bool withApp0 = true, unsigned char sof = 0xC0);
QByteArray pngBytes(quint32 width, quint32 height);

} // namespace vireo::test
