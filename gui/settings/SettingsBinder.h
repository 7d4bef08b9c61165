#pragma once
// Moves the main window's settings between the plain settings structure and
// the window's controls: applied after the load, collected before the save.
#include <QColor>
#include <QFont>

namespace vireo {
struct MainWindowSettings;
struct FontValue;
}

namespace vireo::gui {

class AppServices;
class LayoutController;
class TrackListController;
struct MainWidgets;

// A stored colour as the window shows it: system colours become the matching
// roles of the application palette.
QColor toQColor(uint32_t value);
QFont toQFont(const FontValue &font);
// Keeps the stored colour and character set of `base`, which a QFont does not hold.
FontValue fromQFont(const QFont &font, const FontValue &base);

class SettingsBinder {
public:
    SettingsBinder(MainWidgets &w, AppServices &app, LayoutController &layout, TrackListController &list);

    void apply(const MainWindowSettings &s);
    void collect(MainWindowSettings &s) const;

private:
    MainWidgets &w;
    AppServices &app;
    LayoutController &layout;
    TrackListController &list;
};

} // namespace vireo::gui
