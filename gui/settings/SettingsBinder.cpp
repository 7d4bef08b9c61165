#include "gui/settings/SettingsBinder.h"

#include "gui/app/AppServices.h"
#include "gui/app/LayoutController.h"
#include "gui/app/MainWidgets.h"
#include "core/app/AppSession.h"
#include "core/library/LibraryStore.h"
#include "core/views/LibraryViews.h"
#include "core/settings/MainWindowSettings.h"
#include "gui/views/TrackListController.h"
#include "gui/views/TrackListModel.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QPalette>
#include <QSplitter>
#include <QTableView>
#include <QTreeView>

namespace vireo::gui {

QColor toQColor(uint32_t value)
{
    if (isSystemColor(value)) {
        const QPalette pal = QApplication::palette();
        switch (systemColorIndex(value)) {
        case 5: return pal.color(QPalette::Base);
        case 8: return pal.color(QPalette::Text);
        case 13: return pal.color(QPalette::Highlight);
        case 14: return pal.color(QPalette::HighlightedText);
        case 15: return pal.color(QPalette::Button);
        case 16: return pal.color(QPalette::Dark);
        case 17: return pal.color(QPalette::Disabled, QPalette::Text);
        case 18: return pal.color(QPalette::ButtonText);
        case 20: return pal.color(QPalette::Light);
        case 21: return pal.color(QPalette::Shadow);
        case 22: return pal.color(QPalette::Midlight);
        case 23: return pal.color(QPalette::ToolTipText);
        case 24: return pal.color(QPalette::ToolTipBase);
        case 4: return pal.color(QPalette::Window);
        case 7: return pal.color(QPalette::WindowText);
        default: return pal.color(QPalette::Window);
        }
    }
    if (value == colors::None || value == colors::Default)
        return {};
    return QColor(colorRed(value), colorGreen(value), colorBlue(value));
}

QFont toQFont(const FontValue &font)
{
    QFont f(font.name);
    if (font.size > 0)
        f.setPointSize(font.size);
    f.setBold(font.style & FontValue::Bold);
    f.setItalic(font.style & FontValue::Italic);
    f.setUnderline(font.style & FontValue::Underline);
    f.setStrikeOut(font.style & FontValue::StrikeOut);
    return f;
}

FontValue fromQFont(const QFont &f, const FontValue &base)
{
    FontValue out = base;
    out.name = f.family();
    if (f.pointSize() > 0)
        out.size = f.pointSize();
    out.style = (f.bold() ? FontValue::Bold : 0) | (f.italic() ? FontValue::Italic : 0) |
                (f.underline() ? FontValue::Underline : 0) | (f.strikeOut() ? FontValue::StrikeOut : 0);
    return out;
}

namespace {
void setBackground(QWidget *widget, uint32_t colour)
{
    const QColor c = toQColor(colour);
    if (!c.isValid())
        return;
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, c);
    widget->setPalette(pal);
}

void setTextColour(QWidget *widget, uint32_t colour)
{
    const QColor c = toQColor(colour);
    if (!c.isValid())
        return;
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Text, c);
    widget->setPalette(pal);
}
} // namespace

SettingsBinder::SettingsBinder(MainWidgets &widgets, AppServices &services, LayoutController &l,
                               TrackListController &t)
    : w(widgets), app(services), layout(l), list(t)
{
}

void SettingsBinder::apply(const MainWindowSettings &s)
{
    w.window->setGeometry(s.left, s.top, s.width, s.height);

    w.ListView_MAIN->setFont(toQFont(s.trackListFont));
    setBackground(w.ListView_MAIN, s.trackListColor);
    setTextColour(w.ListView_MAIN, s.trackListFont.color);
    for (QTreeView *t : {w.TreeView_Artist, w.TreeView_Album, w.TreeView_Fav}) {
        t->setFont(toQFont(s.treeFont));
        setBackground(t, s.treeColor);
        setTextColour(t, s.treeFont.color);
    }

    list.setColumnWidth(1, 0);
    for (int tag = 1; tag <= 10; ++tag) {
        list.setWidthOfTag(tag, s.columnWidths[size_t(tag)]);
        list.setRestoreWidth(tag, s.restoreWidths[size_t(tag)]);
    }
    app.browse().table().setLastSortColumn(s.lastSortColumn);

    QList<int> sizes = w.mainSplitter->sizes();
    if (sizes.size() == 2) {
        const int total = sizes[0] + sizes[1];
        sizes[0] = s.treePanelWidth;
        sizes[1] = qMax(100, total - s.treePanelWidth);
        w.mainSplitter->setSizes(sizes);
    }
    layout.setTreePanelVisible(s.treePanelVisible);
    layout.setLowerPanelOpen(s.infoAreaVisible);

    app.views().setHiddenGenres(s.hiddenGenres);
    app.browse().setAllAlbumTabFlg(s.allAlbumTabs);

    if (TID3TagUseful *store = app.store()) {
        store->CacheOnly = s.cacheOnly;
        store->GenreCodeInText = s.genreCodeInText;
        store->PreferV2 = s.preferV2;
    }
    {
        const QSignalBlocker block(w.actions.id3v2Show);
        w.actions.id3v2Show->setEnabled(true);
        w.actions.id3v2Show->setChecked(s.preferV2);
    }
    app.browse().setShowV2(s.preferV2);

    list.model().setRowColours(toQColor(s.rowColor1), toQColor(s.rowColor2));
    app.views().setShowTitleNums(s.showTitleNums);
    app.views().setShowAlbumArtist(s.showAlbumArtist);
    {
        const QSignalBlocker b1(w.actions.showCounts), b2(w.actions.showAlbumArtist);
        w.actions.showCounts->setChecked(s.showTitleNums);
        w.actions.showAlbumArtist->setChecked(s.showAlbumArtist);
    }
    layout.applySkin(s.skin);
    app.views().setShowNoExistMP3Data(s.hideMissingTracks);
    app.session().setMusicFolder(s.musicFolder);
    app.session().setLastFolder(s.musicFolder);
}

void SettingsBinder::collect(MainWindowSettings &s) const
{
    s.maximized = w.window->isMaximized();
    const QRect normal = w.window->normalGeometry();
    if (normal.isValid()) {
        s.top = normal.top();
        s.left = normal.left();
        s.height = normal.height();
        s.width = normal.width();
    }
    s.trackListFont = fromQFont(w.ListView_MAIN->font(), s.trackListFont);
    s.treeFont = fromQFont(w.TreeView_Artist->font(), s.treeFont);
    for (int tag = 1; tag <= 10; ++tag)
        s.columnWidths[size_t(tag)] = list.widthOfTag(tag);
    s.treePanelVisible = layout.treePanelVisible();
    s.infoAreaVisible = layout.lowerPanelOpen();
    const QList<int> sizes = w.mainSplitter->sizes();
    if (!sizes.isEmpty() && sizes[0] > 0)
        s.treePanelWidth = sizes[0];
    s.hiddenGenres = app.views().hiddenGenres();
    if (TID3TagUseful *store = app.store()) {
        s.preferV2 = store->PreferV2;
        s.cacheOnly = store->CacheOnly;
        s.genreCodeInText = store->GenreCodeInText;
    }
    s.lastSortColumn = app.browse().table().lastSortColumn();
    s.showTitleNums = app.views().showTitleNums();
    s.showAlbumArtist = app.views().showAlbumArtist();
    s.skin = layout.skin();
    s.hideMissingTracks = app.views().showNoExistMP3Data();
    s.musicFolder = app.session().musicFolder();
}

} // namespace vireo::gui
