#pragma once
// The search page: reads the text and the ticked boxes and runs the search.
#include <QObject>

namespace vireo::gui {

class AppServices;
class BrowseController;
struct MainWidgets;

class SearchController : public QObject {
    Q_OBJECT
public:
    SearchController(MainWidgets &w, AppServices &app, BrowseController &browse, QObject *parent = nullptr);
    void search();

private:
    MainWidgets &w;
    AppServices &app;
    BrowseController &browse;
};

} // namespace vireo::gui
