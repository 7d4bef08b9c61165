#pragma once
// The search page: reads the text and the ticked boxes and runs the search.
// Owns the search page's widgets; the root installs them on the left panel.
#include "gui/shell/SearchPageWidgets.h"

#include <QObject>

namespace vireo::views {
class LibraryViews;
}

namespace vireo::gui {

class MainMediator;

class SearchController : public QObject {
    Q_OBJECT
public:
    SearchController(views::LibraryViews &views, MainMediator &mediator, QObject *parent = nullptr);

    SearchPageWidgets &widgets() { return w; }
    void search();
    // Start-up clears the "ID3v2" box.
    void clearV2Box();

private:
    views::LibraryViews &m_views;
    MainMediator &mediator;
    SearchPageWidgets w;
};

} // namespace vireo::gui
