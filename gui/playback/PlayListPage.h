#pragma once
// The "PlayList" page of the lower panel: its toolbar (previous, Play, pause,
// Stop, next, intro play with its seconds, the progress bar, volume and mute)
// and the play list ListView_Play with the playing mark in its "Play" column,
// "削除" (Del) and double-click play. It shows the play-list player's state
// and passes each command to it.
#include <QWidget>

class QProgressBar;
class QSpinBox;
class QToolButton;
class QTreeWidget;

namespace vireo {
class PlayListPlayer;
}

namespace vireo::gui {

class VolumeBar;

class PlayListPage : public QWidget {
    Q_OBJECT
public:
    explicit PlayListPage(QWidget *parent = nullptr);
    void bind(PlayListPlayer *player);

    QTreeWidget *list() const { return m_list; }         // ListView_Play
    QToolButton *previousButton() const { return m_prev; }
    QToolButton *playButton() const { return m_play; }   // Btn_Play
    QToolButton *pauseButton() const { return m_pause; } // Btn_pause
    QToolButton *stopButton() const { return m_stop; }   // Btn_Stop
    QToolButton *nextButton() const { return m_next; }
    QToolButton *introButton() const { return m_intro; } // Btn_IntroPlay
    QSpinBox *introSeconds() const { return m_introSeconds; } // Edit_PlayTimeEx
    QProgressBar *progress() const { return m_bar; }     // SpTBXProgressBar2
    VolumeBar *volume() const { return m_volume; }
    QAction *deleteAction() const { return m_delete; }

private:
    void fillRows();
    void showMark(int row);
    void showSelection(int row);

    PlayListPlayer *m_player = nullptr;
    QTreeWidget *m_list;
    QToolButton *m_prev, *m_play, *m_pause, *m_stop, *m_next, *m_intro;
    QSpinBox *m_introSeconds;
    QProgressBar *m_bar;
    VolumeBar *m_volume;
    QAction *m_delete;
    bool m_showing = false;
};

} // namespace vireo::gui
