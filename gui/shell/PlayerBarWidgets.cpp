#include "gui/shell/PlayerBarWidgets.h"

#include "gui/shell/MainTexts.h"
#include "gui/shell/RegionBuild.h"
#include "gui/shell/TrackAreaWidgets.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QToolBar>

namespace vireo::gui {

using namespace text;

PlayerBarWidgets buildPlayerBar(QMainWindow *win)
{
    PlayerBarWidgets w;
    w.shuffle = makeCheckable(makeAction(win, kShuffle, "ShuffleBtn", false), false);
    w.allPlay = makeAction(win, kAllPlay, "Btn_ALLPlay", false);
    w.selectPlay = makeAction(win, kSelectPlay, "Btn_SelectPlay", false);
    w.add = makeAction(win, kAdd, "Btn_Add", false);
    w.quickPlay = makeCheckable(makeAction(win, kQuickPlay, "QuickPlayBtn", false), false);
    w.play = makeAction(win, kPlay, "Btn_QPlay", false);
    w.pause = makeAction(win, kPause, "Btn_QPause", false);
    w.stop = makeAction(win, kStop, "Btn_QStop", false);
    w.quickPlayLabel = new QLabel(win);
    w.quickPlayLabel->setObjectName(QStringLiteral("QuickPlayLabel"));
    return w;
}

void installPlayerBar(TrackAreaWidgets &area, const PlayerBarWidgets &bar)
{
    QToolBar *tb = area.TBXToolbar4;
    tb->insertActions(area.playerSlot, {bar.shuffle, bar.allPlay, bar.selectPlay, bar.add});
    tb->addAction(bar.quickPlay);
    tb->addWidget(bar.quickPlayLabel);
    tb->addAction(bar.play);
    tb->addAction(bar.pause);
    tb->addAction(bar.stop);
}

} // namespace vireo::gui
