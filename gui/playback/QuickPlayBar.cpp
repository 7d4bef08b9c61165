#include "gui/playback/QuickPlayBar.h"

#include "core/playback/PlayCommands.h"
#include "gui/playback/PlaybackTexts.h"

#include <QAction>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

namespace vireo::gui {

QProgressBar *makeQuickPlayProgressBar(QWidget *parent)
{
    auto *bar = new QProgressBar(parent);
    bar->setObjectName(QStringLiteral("SpTBXProgressBar1"));
    bar->setRange(0, 0);
    bar->setValue(0);
    bar->setTextVisible(true);
    bar->setFormat(QString());
    bar->setMaximumWidth(160);
    return bar;
}

void showQuickPlay(const QuickPlayControls &c, bool on)
{
    if (c.label) {
        QFont f = c.label->font();
        f.setBold(on);
        c.label->setFont(f);
        if (on) {
            c.label->setStyleSheet(QStringLiteral("color: #0000FF;"));
            auto *glow = new QGraphicsDropShadowEffect(c.label);
            glow->setColor(QColor(0xC0, 0xC0, 0xC0));
            glow->setOffset(1, 1);
            glow->setBlurRadius(3);
            c.label->setGraphicsEffect(glow);
        } else {
            c.label->setStyleSheet(QString());
            c.label->setGraphicsEffect(nullptr);
        }
    }
    for (QAction *a : {c.play, c.pause, c.stop})
        if (a)
            a->setEnabled(on);
    if (c.bar)
        c.bar->setEnabled(on);
    if (c.toggle && c.toggle->isChecked() != on)
        c.toggle->setChecked(on);
}

void bindQuickPlay(const QuickPlayControls &c, PlayCommands *commands, PlayerSlot *quickPlayer)
{
    c.toggle->setCheckable(true);
    c.toggle->setEnabled(true);
    QObject::connect(c.toggle, &QAction::toggled, commands, &PlayCommands::setQuickPlay);
    QObject::connect(commands, &PlayCommands::quickPlayChanged, c.toggle, [c](bool on) { showQuickPlay(c, on); });
    QObject::connect(c.pause, &QAction::triggered, quickPlayer, &PlayerSlot::pauseToggle);
    QObject::connect(c.stop, &QAction::triggered, quickPlayer, &PlayerSlot::stop);
    if (QProgressBar *bar = c.bar) {
        QObject::connect(quickPlayer, &PlayerSlot::barRangeChanged, bar, [bar](int max) { bar->setRange(0, max); });
        QObject::connect(quickPlayer, &PlayerSlot::barPositionChanged, bar,
                         [bar](int s, const QString &caption) {
                             bar->setValue(s);
                             bar->setFormat(caption);
                         });
    }
    showQuickPlay(c, commands->quickPlayOn());
}

namespace {
QToolButton *button(QWidget *parent, QAction *action, const char *name)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setDefaultAction(action);
    return b;
}
QAction *action(QObject *parent, const QString &text)
{
    auto *a = new QAction(text, parent);
    a->setEnabled(false);
    return a;
}
} // namespace

QuickPlayBar::QuickPlayBar(QWidget *parent) : QWidget(parent)
{
    auto *lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    m_c.toggle = action(this, texts::kQuickPlay);
    m_c.toggle->setCheckable(true);
    m_c.play = action(this, texts::kPlay);
    m_c.pause = action(this, texts::kPause);
    m_c.stop = action(this, texts::kStop);
    m_c.label = new QLabel(texts::kQuickPlay, this);
    m_c.bar = makeQuickPlayProgressBar(this);
    m_toggle = button(this, m_c.toggle, "btn_ClickPlay");
    m_play = button(this, m_c.play, "Btn1_Play");
    m_pause = button(this, m_c.pause, "Btn1_Pause");
    m_stop = button(this, m_c.stop, "Btn1_Stop");
    for (QWidget *w : std::initializer_list<QWidget *>{m_toggle, m_c.label, m_play, m_pause, m_stop, m_c.bar})
        lay->addWidget(w);
    showQuickPlay(m_c, false);
}

void QuickPlayBar::bind(PlayCommands *commands, PlayerSlot *quickPlayer)
{
    bindQuickPlay(m_c, commands, quickPlayer);
    connect(m_c.play, &QAction::triggered, this, &QuickPlayBar::playRequested);
}

} // namespace vireo::gui
