#pragma once
// Shows the browsing state in the window: the album tabs, the track list rows,
// the left page, and answers the tab strip, "全曲表示" and "ID3v2表示".
#include <QObject>

namespace vireo::gui {

class AppServices;
class TrackListModel;
struct MainWidgets;

class BrowseController : public QObject {
    Q_OBJECT
public:
    BrowseController(MainWidgets &w, AppServices &app, TrackListModel &model, QObject *parent = nullptr);

    // Takes what the last core operation changed and shows it.
    void apply();

signals:
    // The track list was refilled (the selection size starts again).
    void rowsChanged();

private:
    void showTabs();
    void tabClicked(int index);

    MainWidgets &w;
    AppServices &app;
    TrackListModel &model;
    bool m_showingTabs = false;
};

} // namespace vireo::gui
