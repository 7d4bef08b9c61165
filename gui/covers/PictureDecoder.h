#pragma once
// Decoding of cover and artwork pictures: by their content (whatever the file
// name or the tag's MIME type says), straight to the size they are shown at.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace vireo::covers {

// Decodes bytes scaled to exactly `size` pixels (proportions not kept). A
// null image and the decoder's message in *error when the bytes are not a
// picture Qt can read.
QImage decodePictureScaled(const QByteArray &bytes, QSize size, QString *error);
// Decodes bytes scaled to fit within `box` pixels keeping the proportions
// (never larger than the picture itself).
QImage decodePictureToFit(const QByteArray &bytes, QSize box, QString *error);

} // namespace vireo::covers
