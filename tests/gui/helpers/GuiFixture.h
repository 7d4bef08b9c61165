#pragma once
// A program folder and a music folder of real, tagged MP3 files for the
// window tests, and small helpers to read the window's state.
#include "gui/app/LayoutController.h"
#include "gui/shell/MenuWidgets.h"
#include "gui/shell/SearchPageWidgets.h"
#include "gui/shell/StatusBarWidgets.h"
#include "gui/shell/TrackAreaWidgets.h"
#include "gui/shell/TreePanelWidgets.h"
#include "tests/support/TestSupport.h"

#include <QString>
#include <QStringList>

#include <memory>

class QAbstractItemModel;
class QTabBar;

namespace vireo::gui {
class AppServices;
class TVireoMainForm;
}

namespace vireo::gui::test {

struct Song {
    QString file;    // relative to the music folder
    QString artist;
    QString album;
    QString title;
    int track = 0;
    int sizeFrames = 20;
    bool v1 = true;  // also an ID3v1 tag (ASCII values only)
};

// The songs of the standard fixture: three artists, five albums, one track without a number.
QList<Song> standardSongs();

// Writes a real MP3 file: silent frames, an ID3v2.3 tag written by mutagen and
// optionally an ID3v1 tag.
bool writeSong(const QString &path, const Song &song);

class GuiFixture {
public:
    explicit GuiFixture(const QList<Song> &songs = standardSongs());
    ~GuiFixture();

    QString programFolder() const { return m_program.path(); }
    QString musicFolder() const { return m_music; }
    QString iniPath() const { return m_program.file(QStringLiteral("vireo.ini")); }
    // Writes one setting key (before the window starts).
    void setIni(const QString &section, const QString &key, const QString &value);

    // Starts the program's main window (runs the whole start-up).
    TVireoMainForm &start();
    // Closes the window as the close box does and forgets it.
    void close();
    TVireoMainForm *form() const { return m_form.get(); }

    // The Unicode log's text, with the lines in order.
    QStringList logLines() const;

private:
    vireo::test::TempProgramFolder m_program;
    QString m_music;
    std::unique_ptr<AppServices> m_app;
    std::unique_ptr<TVireoMainForm> m_form;
};

// The main window's regions and its layout controller, by name.
struct WindowParts {
    TreePanelWidgets &tree;
    SearchPageWidgets &search;
    TrackAreaWidgets &area;
    MenuWidgets &menus;
    StatusBarWidgets &status;
    LayoutController &layout;
};
WindowParts parts(TVireoMainForm &form);

// Texts of a tree view's top-level rows.
QStringList topLevelTexts(QAbstractItemModel *model);
// The texts of one column of the track list, top to bottom.
QStringList columnTexts(QAbstractItemModel *model, int column);
// Captions of a tab bar.
QStringList tabCaptions(QTabBar *bar);

} // namespace vireo::gui::test
