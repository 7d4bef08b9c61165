#pragma once
// The player bar: the playback commands of the track-list toolbar ("シャッフル",
// "ALL Play", "Select Play", "Add", and "QuickPlay" with its label, "Play",
// "ポーズ", "Stop"). Made by buildPlayerBar; the playback controller owns it
// and gives the commands their behaviour. Until it exists every command is
// present but disabled.
//
// installPlayerBar places the commands into the track-list toolbar: the list
// commands at the toolbar's player slot, the quick-play group at its end.
class QAction;
class QLabel;
class QMainWindow;

namespace vireo::gui {

struct TrackAreaWidgets;

struct PlayerBarWidgets {
    QAction *shuffle = nullptr, *allPlay = nullptr, *selectPlay = nullptr, *add = nullptr;
    QAction *quickPlay = nullptr;
    QLabel *quickPlayLabel = nullptr;
    QAction *play = nullptr, *pause = nullptr, *stop = nullptr;
};

PlayerBarWidgets buildPlayerBar(QMainWindow *window);
void installPlayerBar(TrackAreaWidgets &area, const PlayerBarWidgets &bar);

} // namespace vireo::gui
