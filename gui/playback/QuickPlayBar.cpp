#include "gui/playback/QuickPlayBar.h"

#include "core/playback/PlayCommands.h"
#include "gui/playback/PlaybackTexts.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

namespace vireo::gui {

namespace {
QToolButton *button(QWidget *parent, const char *name, const QString &text, bool checkable = false)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setCheckable(checkable);
    return b;
}
} // namespace

QuickPlayBar::QuickPlayBar(QWidget *parent) : QWidget(parent)
{
    auto *lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    m_toggle = button(this, "btn_ClickPlay", texts::kQuickPlay, true);
    m_label = new QLabel(texts::kQuickPlay, this);
    m_play = button(this, "Btn1_Play", texts::kPlay);
    m_pause = button(this, "Btn1_Pause", texts::kPause);
    m_stop = button(this, "Btn1_Stop", texts::kStop);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("SpTBXProgressBar1"));
    m_bar->setRange(0, 0);
    m_bar->setValue(0);
    m_bar->setTextVisible(true);
    m_bar->setFormat(QString());
    m_bar->setMaximumWidth(160);
    for (QWidget *w : std::initializer_list<QWidget *>{m_toggle, m_label, m_play, m_pause, m_stop, m_bar})
        lay->addWidget(w);
    showQuickPlay(false);
}

void QuickPlayBar::showQuickPlay(bool on)
{
    QFont f = m_label->font();
    f.setBold(on);
    m_label->setFont(f);
    if (on) {
        m_label->setStyleSheet(QStringLiteral("color: #0000FF;"));
        auto *glow = new QGraphicsDropShadowEffect(m_label);
        glow->setColor(QColor(0xC0, 0xC0, 0xC0));
        glow->setOffset(1, 1);
        glow->setBlurRadius(3);
        m_label->setGraphicsEffect(glow);
    } else {
        m_label->setStyleSheet(QString());
        m_label->setGraphicsEffect(nullptr);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{m_play, m_pause, m_stop, m_bar})
        w->setEnabled(on);
    if (m_toggle->isChecked() != on)
        m_toggle->setChecked(on);
}

void QuickPlayBar::bind(PlayCommands *commands, PlayerSlot *quickPlayer)
{
    connect(m_toggle, &QToolButton::toggled, commands, &PlayCommands::setQuickPlay);
    connect(commands, &PlayCommands::quickPlayChanged, this, &QuickPlayBar::showQuickPlay);
    connect(m_play, &QToolButton::clicked, this, &QuickPlayBar::playRequested);
    connect(m_pause, &QToolButton::clicked, quickPlayer, &PlayerSlot::pauseToggle);
    connect(m_stop, &QToolButton::clicked, quickPlayer, &PlayerSlot::stop);
    connect(quickPlayer, &PlayerSlot::barRangeChanged, m_bar, [this](int max) { m_bar->setRange(0, max); });
    connect(quickPlayer, &PlayerSlot::barPositionChanged, m_bar, [this](int s, const QString &caption) {
        m_bar->setValue(s);
        m_bar->setFormat(caption);
    });
    showQuickPlay(commands->quickPlayOn());
}

} // namespace vireo::gui
