#include "gui/playback/VolumeBar.h"

#include "core/playback/Mixer.h"
#include "gui/playback/PlaybackTexts.h"

#include <QHBoxLayout>
#include <QSlider>
#include <QToolButton>

namespace vireo::gui {

VolumeBar::VolumeBar(QWidget *parent) : QWidget(parent)
{
    auto *lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    m_mute = new QToolButton(this);
    m_mute->setObjectName(QStringLiteral("SpTBXItem5"));
    m_mute->setText(texts::kMute);
    m_mute->setToolTip(texts::kMute);
    m_mute->setCheckable(true);
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("TrackBarVolume"));
    m_slider->setToolTip(texts::kVolumeHint);
    m_slider->setRange(0, 100);
    m_slider->setSingleStep(1);
    m_slider->setTickPosition(QSlider::NoTicks);
    m_slider->setValue(0);
    m_slider->setMaximumWidth(120);
    lay->addWidget(m_mute);
    lay->addWidget(m_slider);
    setEnabled(false);
}

void VolumeBar::bind(TMixer *mixer)
{
    if (!mixer || !mixer->hasMasterLine()) {
        setEnabled(false);
        return;
    }
    setEnabled(true);
    connect(mixer, &TMixer::volumeShown, m_slider, &QSlider::setValue);
    connect(mixer, &TMixer::muteShown, m_mute, &QToolButton::setChecked);
    connect(m_slider, &QSlider::valueChanged, mixer, &TMixer::sliderMoved);
    connect(m_mute, &QToolButton::clicked, mixer, &TMixer::muteClicked);
    mixer->refresh();
}

} // namespace vireo::gui
