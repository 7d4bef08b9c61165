#pragma once
// What a picture is, from its first bytes rather than a file name or a
// stated MIME type: JPEG, PNG, GIF or BMP, and its size in pixels.
#include "core/platform/Result.h"

#include <QByteArrayView>
#include <QString>

namespace vireo::views {

struct PictureInfo {
    QString mime;   // "image/jpeg", "image/png", "image/gif" or "image/bmp"
    int width = 0;
    int height = 0;
};

// Reads the picture's header. BadData when the bytes are none of the four
// formats or the header that holds the size is cut short or damaged.
ResultOf<PictureInfo> readPictureInfo(QByteArrayView bytes);

} // namespace vireo::views
