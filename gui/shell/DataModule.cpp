#include "gui/shell/DataModule.h"

#include <QPainter>
#include <QPixmap>

namespace vireo::gui {

namespace {

QPixmap blank(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    return pm;
}

QIcon noteIcon(const QColor &colour, bool crossed)
{
    QPixmap pm = blank(16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(150), 1.2));
    p.setBrush(colour);
    p.drawEllipse(QRectF(2.5, 10, 5, 4));
    p.drawEllipse(QRectF(8.5, 9, 5, 4));
    p.drawLine(QPointF(7.2, 12), QPointF(7.2, 3));
    p.drawLine(QPointF(13.2, 11), QPointF(13.2, 2));
    p.drawLine(QPointF(7.2, 3), QPointF(13.2, 2));
    if (crossed) {
        p.setPen(QPen(QColor(200, 0, 0), 2));
        p.drawLine(2, 2, 14, 14);
        p.drawLine(14, 2, 2, 14);
    }
    return QIcon(pm);
}

QIcon discIcon(const QColor &colour, bool open)
{
    QPixmap pm = blank(16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(open ? colour.lighter(130) : colour);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(6, 6, 4, 4));
    return QIcon(pm);
}

} // namespace

QIcon DataModule::badge(const QString &mark, const QColor &colour)
{
    QPixmap pm = blank(24);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(150), 1));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 5, 5);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(mark.size() > 2 ? 8 : 11);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, mark);
    return QIcon(pm);
}

DataModule::DataModule()
{
    m_rows.resize(5);
    m_rows[0] = noteIcon(QColor(70, 130, 200), false);
    m_rows[1] = noteIcon(QColor(150, 150, 150), false);
    m_rows[2] = noteIcon(QColor(190, 190, 190), false);
    m_rows[3] = noteIcon(QColor(160, 160, 160), true);
    m_rows[4] = noteIcon(QColor(60, 170, 90), false);
    m_tree.resize(17);
    m_tree[0] = noteIcon(QColor(220, 150, 40), false);
    m_tree[2] = discIcon(QColor(90, 110, 190), false);
    m_tree[3] = discIcon(QColor(90, 110, 190), true);
    m_tree[16] = discIcon(QColor(190, 80, 120), false);
    m_tree[4] = noteIcon(QColor(60, 150, 80), false); // playlist
    m_tree[5] = noteIcon(QColor(60, 150, 80), true);  // playlist selected
}

QIcon DataModule::rowImage(int index) const
{
    return index >= 0 && index < m_rows.size() ? m_rows[index] : QIcon();
}

QIcon DataModule::treeImage(int index) const
{
    return index >= 0 && index < m_tree.size() ? m_tree[index] : QIcon();
}

} // namespace vireo::gui

namespace vireo::gui {

QIcon DataModule::treeIcon(int index, int selectedIndex) const
{
    QIcon icon = treeImage(index);
    if (selectedIndex >= 0 && selectedIndex != index) {
        const QIcon sel = treeImage(selectedIndex);
        icon.addPixmap(sel.pixmap(16, 16), QIcon::Selected);
    }
    return icon;
}

} // namespace vireo::gui
