#pragma once
// Quick play on the track-list toolbar: the "QuickPlay" toggle with its label,
// Play, pause, Stop and the progress bar of the quick-play player. The bar
// asks for the track list's first selected row through a provider.
#include <QWidget>

#include <functional>

class QLabel;
class QProgressBar;
class QToolButton;

namespace vireo {
class PlayCommands;
class PlayerSlot;
}

namespace vireo::gui {

class QuickPlayBar : public QWidget {
    Q_OBJECT
public:
    explicit QuickPlayBar(QWidget *parent = nullptr);
    void bind(PlayCommands *commands, PlayerSlot *quickPlayer);

    QToolButton *toggle() const { return m_toggle; }      // btn_ClickPlay
    QLabel *label() const { return m_label; }
    QToolButton *playButton() const { return m_play; }     // Btn1_Play
    QToolButton *pauseButton() const { return m_pause; }   // Btn1_Pause
    QToolButton *stopButton() const { return m_stop; }     // Btn1_Stop
    QProgressBar *progress() const { return m_bar; }       // SpTBXProgressBar1

signals:
    // Btn1_Play: play the track list's selected row (the owner knows the list).
    void playRequested();

private:
    void showQuickPlay(bool on);

    QToolButton *m_toggle, *m_play, *m_pause, *m_stop;
    QLabel *m_label;
    QProgressBar *m_bar;
};

} // namespace vireo::gui
