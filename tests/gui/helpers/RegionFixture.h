#pragma once
// One region or dialog of the main window over a small library, without the
// window and without the start-up scan: a temporary program folder, real
// tagged MP3 files read into a real store, the browsing state over it, a
// mediator and a bare main window to own the region's widgets.
//
//   RegionFixture fx;                      // the standard songs, already in the store
//   TreesController trees(fx.views(), fx.session(), fx.mediator(), fx.images(), &fx.window());
//   fx.place(trees.widgets().Panel_ArticetList);
#include "core/app/AppSession.h"
#include "core/views/LibraryViews.h"
#include "core/views/StoreTrackSource.h"
#include "gui/shell/DataModule.h"
#include "gui/shell/MainMediator.h"
#include "gui/shell/StoreAccess.h"
#include "tests/gui/helpers/GuiFixture.h"

#include <QMainWindow>

#include <memory>

namespace vireo::gui::test {

class RegionFixture : public StoreAccess {
public:
    explicit RegionFixture(const QList<Song> &songs = standardSongs());
    ~RegionFixture() override;

    TID3TagUseful *store() const override { return m_store.get(); }
    views::LibraryViews &views() { return m_views; }
    AppSession &session() { return m_session; }
    MainMediator &mediator() { return m_mediator; }
    const DataModule &images() const { return m_images; }
    QMainWindow &window() { return m_window; }
    QString musicFolder() const { return m_music; }

    // Reads one more file into the store (as a scan would).
    void addFile(const QString &path);
    // Shows a region's root widget as the window's content.
    void place(QWidget *region);

private:
    vireo::test::TempProgramFolder m_program;
    QString m_music;
    AppSession m_session;
    std::unique_ptr<TID3TagUseful> m_store;
    views::StoreTrackSource m_source;
    views::LibraryViews m_views{m_source};
    MainMediator m_mediator;
    DataModule m_images;
    QMainWindow m_window;
};

} // namespace vireo::gui::test
