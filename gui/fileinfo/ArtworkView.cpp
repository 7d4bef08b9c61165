#include "gui/fileinfo/ArtworkView.h"

#include "gui/covers/PictureDecoder.h"

#include <QPainter>

namespace vireo::fileinfo {

ArtworkView::ArtworkView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ArtWorkImage"));
}

bool ArtworkView::setPicture(const QByteArray &bytes, QString *error)
{
    m_bytes = bytes;
    if (!decode(error)) {
        m_bytes.clear();
        m_image = QImage();
        update();
        return false;
    }
    update();
    return true;
}

void ArtworkView::clear()
{
    m_bytes.clear();
    m_image = QImage();
    update();
}

bool ArtworkView::decode(QString *error)
{
    const qreal dpr = devicePixelRatioF();
    const QSize box = (size().isEmpty() ? QSize(199, 199) : size()) * dpr;
    QString why;
    QImage image = covers::decodePictureToFit(m_bytes, box, &why);
    if (image.isNull()) {
        if (error)
            *error = why;
        return false;
    }
    // A small picture is enlarged to fit as well.
    const QSize fitted = image.size().scaled(box, Qt::KeepAspectRatio);
    if (fitted != image.size())
        image = image.scaled(fitted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(dpr);
    m_image = image;
    return true;
}

void ArtworkView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_bytes.isEmpty())
        decode(nullptr);
}

void ArtworkView::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter p(this);
    const QSizeF shown = m_image.deviceIndependentSize();
    const QPointF at((width() - shown.width()) / 2.0, (height() - shown.height()) / 2.0);
    p.drawImage(at, m_image);
}

} // namespace vireo::fileinfo
