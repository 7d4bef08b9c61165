#pragma once
// Quick play on the track-list toolbar: the "QuickPlay" toggle with its label,
// Play, pause, Stop and the progress bar of the quick-play player.
// bindQuickPlay gives behaviour to these controls wherever they live (the
// window's toolbar actions); QuickPlayBar is a standalone strip that makes
// its own.
#include <QWidget>

class QAction;
class QLabel;
class QProgressBar;
class QToolButton;

namespace vireo {
class PlayCommands;
class PlayerSlot;
}

namespace vireo::gui {

struct QuickPlayControls {
    QAction *toggle = nullptr; // btn_ClickPlay, checkable
    QAction *play = nullptr;   // Btn1_Play
    QAction *pause = nullptr;  // Btn1_Pause
    QAction *stop = nullptr;   // Btn1_Stop
    QLabel *label = nullptr;   // "QuickPlay" beside the toggle
    QProgressBar *bar = nullptr; // SpTBXProgressBar1
};

// Connects the controls: the toggle switches quick play (off stops and
// discards the quick-play player), Play/pause/Stop act on it, the bar shows
// its progress. `play` is left to the owner, who knows the track list.
void bindQuickPlay(const QuickPlayControls &c, PlayCommands *commands, PlayerSlot *quickPlayer);
// The label's look and the controls' enabled state for quick play on or off.
void showQuickPlay(const QuickPlayControls &c, bool on);
QProgressBar *makeQuickPlayProgressBar(QWidget *parent);

class QuickPlayBar : public QWidget {
    Q_OBJECT
public:
    explicit QuickPlayBar(QWidget *parent = nullptr);
    void bind(PlayCommands *commands, PlayerSlot *quickPlayer);

    const QuickPlayControls &controls() const { return m_c; }
    QToolButton *toggle() const { return m_toggle; }
    QLabel *label() const { return m_c.label; }
    QToolButton *playButton() const { return m_play; }
    QToolButton *pauseButton() const { return m_pause; }
    QToolButton *stopButton() const { return m_stop; }
    QProgressBar *progress() const { return m_c.bar; }

signals:
    // Btn1_Play: play the track list's selected row (the owner knows the list).
    void playRequested();

private:
    QuickPlayControls m_c;
    QToolButton *m_toggle, *m_play, *m_pause, *m_stop;
};

} // namespace vireo::gui
