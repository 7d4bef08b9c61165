#include "gui/covers/CoverGrid.h"

#include "core/views/FileInfoTexts.h"
#include "gui/covers/CoverCache.h"
#include "gui/covers/CoverStrip.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QToolTip>

namespace vireo::covers {

namespace {
const QColor kShadowGrey(0x80, 0x80, 0x80);
const QColor kCaptionShadow(0x77, 0x77, 0x77, 0x77);
} // namespace

CoverGrid::CoverGrid(CoverStrip &strip) : QWidget(&strip), m_strip(strip)
{
    setObjectName(QStringLiteral("JacketListGrid"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // The hint's background.
    setStyleSheet(QStringLiteral("QToolTip { background-color: #E2E2E2; color: black; }"));
}

QRect CoverGrid::cellRect(int column) const
{
    const views::StripView &v = m_strip.m_view;
    const int side = m_strip.cellSide();
    if (column < v.first || column >= v.count)
        return QRect();
    const int x = (column - v.first) * side;
    return x < width() ? QRect(x, 0, side, side) : QRect();
}

void CoverGrid::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.fillRect(event->rect(), Qt::black);
    const views::StripView &v = m_strip.m_view;
    if (m_strip.m_list.empty())
        return;
    const int side = m_strip.cellSide();
    // The painted device's ratio: a high-density screen (or a picture rendered
    // at a ratio) gets covers decoded at its own pixel size.
    // (The engine's device is the real target, also when painting is redirected.)
    const QPaintDevice *target = p.paintEngine() ? p.paintEngine()->paintDevice() : p.device();
    const qreal dpr = target ? target->devicePixelRatioF() : devicePixelRatioF();
    for (int c = v.first, x = 0; c < v.count && x < width(); ++c, x += side) {
        if (event->rect().intersects(QRect(x, 0, side, side)))
            paintCell(p, c, x, dpr);
    }
}

void CoverGrid::paintCell(QPainter &p, int column, int x, qreal dpr)
{
    const int side = m_strip.cellSide();
    const views::AlbumEntry &entry = m_strip.m_list[size_t(column)];
    p.save();
    p.translate(x, 0);
    p.setClipRect(0, 0, side, side);
    p.fillRect(0, 0, side, side, Qt::black);
    const QRect picture = views::coverPictureRect(side, column == m_strip.m_view.selected);
    p.fillRect(views::coverShadowRect(picture), kShadowGrey);

    CoverCache::Cover cover;
    if (entry.Data) {
        // Decoded at the cell's size in device pixels, so a high-density
        // screen gets a sharp picture.
        const int px = qRound(side * dpr);
        cover = m_strip.m_cache.cover(*entry.Data, QSize(px, px));
    }
    p.setFont(m_strip.cellFont());
    const QPoint caption = views::coverCaptionPosition(side, m_strip.captionFontHeight());
    const int lineHeight = QFontMetrics(m_strip.cellFont()).height();
    auto drawName = [&](QPoint at, const QColor &colour) {
        p.setPen(colour);
        p.drawText(QRect(at, QSize(side * 4, lineHeight)),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, entry.Name);
    };
    p.setRenderHint(QPainter::TextAntialiasing, true);
    if (cover.state == CoverCache::State::Picture) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(QRectF(picture), cover.image);
    } else {
        if (cover.state == CoverCache::State::Damaged) {
            p.setPen(Qt::white);
            p.drawText(picture, Qt::AlignCenter | Qt::TextWordWrap, views::kNoImage);
        }
        drawName(caption, Qt::white);
    }
    if (m_strip.showAlbumNames()) {
        drawName(caption + views::kCaptionShadowOffset, kCaptionShadow);
        drawName(caption, Qt::white);
    }
    p.restore();
}

void CoverGrid::mousePressEvent(QMouseEvent *event)
{
    const int column = views::coverColumnAt(m_strip.m_view, int(event->position().x()),
                                            m_strip.cellSide());
    if (column >= 0)
        m_strip.cellPressed(column, event->button() == Qt::LeftButton);
    QWidget::mousePressEvent(event);
}

void CoverGrid::contextMenuEvent(QContextMenuEvent *event)
{
    m_strip.popupMenu()->popup(event->globalPos());
}

void CoverGrid::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_strip.gridResized();
}

bool CoverGrid::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int column = views::coverColumnAt(m_strip.m_view, help->pos().x(), m_strip.cellSide());
        if (column < 0 || help->pos().y() >= m_strip.cellSide()) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        const views::AlbumEntry &e = m_strip.m_list[size_t(column)];
        const QString text = e.Name + u'\n' + (e.Data ? e.Data->Artist : QString());
        // Bound to the cell, so the next cell brings a new hint.
        QToolTip::showText(help->globalPos() + QPoint(0, 18), text, this, cellRect(column));
        return true;
    }
    return QWidget::event(event);
}

} // namespace vireo::covers
