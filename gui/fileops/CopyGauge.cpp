#include "gui/fileops/CopyGauge.h"

#include "core/fileops/AdvancedFileCopy.h"

#include <QPalette>

namespace vireo::gui {

CopyGauge::CopyGauge(QWidget *parent) : QProgressBar(parent)
{
    setTextVisible(false);
    setColour(SkyBlueRgb);
}

void CopyGauge::setColour(uint32_t rgb)
{
    if (rgb == m_rgb)
        return;
    m_rgb = rgb;
    QPalette p = palette();
    p.setColor(QPalette::Highlight, QColor::fromRgb(rgb));
    setPalette(p);
}

} // namespace vireo::gui
