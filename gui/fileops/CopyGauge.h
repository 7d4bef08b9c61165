#pragma once
// A gauge of the copy tab: a progress bar drawn in a given colour (sky blue
// normally, red when the planned files do not fit).
#include <QProgressBar>

namespace vireo::gui {

class CopyGauge : public QProgressBar {
    Q_OBJECT
public:
    explicit CopyGauge(QWidget *parent = nullptr);
    void setColour(uint32_t rgb);
    uint32_t colour() const { return m_rgb; }

private:
    uint32_t m_rgb = 0;
};

} // namespace vireo::gui
