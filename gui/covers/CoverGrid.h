#pragma once
// JacketListGrid: paints the strip's cells (black ground, grey shadow, the
// cover or the album name, the optional caption with its soft shadow) and
// turns presses and pointer rests into cells.
#include <QWidget>

namespace vireo::covers {

class CoverStrip;

class CoverGrid : public QWidget {
    Q_OBJECT
public:
    explicit CoverGrid(CoverStrip &strip);
    // The cell's rectangle in this widget (empty when it is not in view).
    QRect cellRect(int column) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void paintCell(class QPainter &p, int column, int x, qreal dpr);
    CoverStrip &m_strip;
};

} // namespace vireo::covers
