#include "gui/covers/PictureDecoder.h"

#include <QBuffer>
#include <QImageReader>

namespace vireo::covers {

namespace {

QImage decode(const QByteArray &bytes, QSize box, bool keepAspect, QString *error)
{
    QByteArray data = bytes; // QBuffer wants a non-const array; this shares the bytes
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    QSize target = box;
    if (keepAspect) {
        const QSize natural = reader.size();
        if (natural.isValid())
            target = natural.width() <= box.width() && natural.height() <= box.height()
                ? natural : natural.scaled(box, Qt::KeepAspectRatio);
        else
            target = QSize(); // unknown until decoded: scale afterwards
    }
    if (target.isValid() && !target.isEmpty())
        reader.setScaledSize(target);
    QImage image = reader.read();
    if (image.isNull()) {
        if (error)
            *error = reader.errorString();
        return image;
    }
    if (keepAspect && !target.isValid() && (image.width() > box.width() || image.height() > box.height()))
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (!keepAspect && image.size() != box) // a decoder that ignored the scaled size
        image = image.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The fast drawing formats.
    if (image.hasAlphaChannel())
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    else
        image.convertTo(QImage::Format_RGB32);
    return image;
}

} // namespace

QImage decodePictureScaled(const QByteArray &bytes, QSize size, QString *error)
{
    return decode(bytes, size, false, error);
}

QImage decodePictureToFit(const QByteArray &bytes, QSize box, QString *error)
{
    return decode(bytes, box, true, error);
}

} // namespace vireo::covers
