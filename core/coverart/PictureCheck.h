#pragma once
// What a fetched picture is, from its first bytes: JPEG, PNG or GIF and its
// size in pixels, without decoding it.
#include "core/coverart/CoverResult.h"

namespace vireo::coverart {

// The first two bytes are FF D8 and the last two FF D9.
bool IsJpegData(const QByteArray &data);

// The format and the size its header states; Unknown (0 x 0) for anything
// else, for a JPEG whose frame header cannot be found and for a header that
// is cut short.
PictureInfo inspectPicture(const QByteArray &data);

} // namespace vireo::coverart
