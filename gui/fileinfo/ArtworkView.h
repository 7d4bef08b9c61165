#pragma once
// ArtWorkImage: a picture centred and scaled to fit while keeping its
// proportions, decoded from its bytes (by content) straight to the size it is
// shown at, in device pixels.
#include <QByteArray>
#include <QImage>
#include <QWidget>

namespace vireo::fileinfo {

class ArtworkView : public QWidget {
    Q_OBJECT
public:
    explicit ArtworkView(QWidget *parent = nullptr);
    // Shows the picture; false (and nothing shown) when it cannot be decoded,
    // with the decoder's message in *error.
    bool setPicture(const QByteArray &bytes, QString *error = nullptr);
    void clear();
    bool hasPicture() const { return !m_bytes.isEmpty(); }
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool decode(QString *error);
    QByteArray m_bytes;
    QImage m_image;
};

} // namespace vireo::fileinfo
