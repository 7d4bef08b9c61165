#pragma once
// The mute toggle and the volume slider of the play-list toolbar, over the
// desktop's master volume. The slider shows what the mixer reports; the
// mixer's in-update flag keeps a shown value from being written back.
#include <QWidget>

class QSlider;
class QToolButton;

namespace vireo {
class TMixer;
}

namespace vireo::gui {

class VolumeBar : public QWidget {
    Q_OBJECT
public:
    explicit VolumeBar(QWidget *parent = nullptr);
    // Binds the controls to the mixer and shows its state; without a master
    // line the controls stay inert (disabled).
    void bind(TMixer *mixer);

    QSlider *slider() const { return m_slider; }   // TrackBarVolume
    QToolButton *muteButton() const { return m_mute; } // SpTBXItem5

private:
    QSlider *m_slider;
    QToolButton *m_mute;
};

} // namespace vireo::gui
