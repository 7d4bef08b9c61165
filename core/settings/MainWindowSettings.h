#pragma once
// The main window's settings as plain values, and the two procedures that
// move them between the settings file and this structure: the settings
// load at start-up and the settings save at shutdown.
//
// How a window uses it: at start it calls loadSettings() and copies the
// structure to its controls; at close it copies its controls into the
// structure and calls saveSettings(). The load and save read and write the
// keys in their fixed order (so a file made from nothing has the sections
// [MainForm], [MusicList], [ArticetList], [MP3Param], [AlbumList]) and log
// their start and end lines themselves.
//
// Colours are ColorValue in their stored form (SettingValues.h): an RGB
// value 0x00BBGGRR, or a system colour (isSystemColor) that the window maps
// to its palette role (clWindow → Base, clWindowText → Text, clBtnFace →
// Button, clHighlight → Highlight). Fonts are FontValue (face name, points,
// colour, style bits, character set). Messages of the store that the user
// must see reach TRegManager::setMessageHandler (the window shows them in
// an error box); a failed save returns its message for one box.
//
// Every member starts at its catalogue default (so a default-constructed
// structure equals what a load gives with no settings file). The comment
// of each member names its catalogue entry.
#include "core/settings/RegManager.h"
#include "core/settings/SettingValues.h"
#include "core/views/ColumnTags.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace vireo {

struct MainWindowSettings {
    // ---- main window geometry ----------------------------------------
    // The normal (restored) rectangle, also while the window is maximised:
    // the save writes it as the window's normal geometry.
    int top = 93;     // MainForm_Top     [MainForm] Top
    int left = 127;   // MainForm_Left    [MainForm] Left
    int height = 600; // MainForm_Height  [MainForm] Height
    int width = 800;  // MainForm_Width   [MainForm] Width
    // MainMaxWindow [MainForm] Maximized: written by the save, never read
    // by the load (a start does not maximise the window).
    bool maximized = false;

    // ---- fonts and colours ------------------------------------------
    // ListView_MAIN_FONT [MusicList] FONT_*: the track list's font.
    FontValue trackListFont{QStringLiteral("Tahoma"), 8, colors::Black, 0, 0};
    // ListView_MAIN_Color [MusicList] Color: the track list's background.
    ColorValue trackListColor = colors::Window;
    // ArtistList_FONT [ArticetList] FONT_*: the artist tree's font; the
    // window gives it to the album tree and the playlist tree as well.
    FontValue treeFont{QStringLiteral("ＭＳ Ｐゴシック"), 9, colors::Black, 0, 128};
    // ArtistList_Color [ArticetList] Color: background of the three trees.
    ColorValue treeColor = colors::Window;
    // LVM_ListColor1 / LVM_ListColor2 [MusicList]: alternating row colours.
    ColorValue rowColor1 = 0x00FFE8E8;
    ColorValue rowColor2 = colors::Window;

    // ---- folders and players ----------------------------------------
    QString musicFolder;        // MP3Dir [MP3Param] MP3Dir: the folder scanned at start
    QString playerPath;         // MP3Player [MP3Param] Palyer: player program
    QString playerOption;       // MP3PlayerOption: its options
    // MP3Playdef [MP3Param] Playdef: 0 the program associated with M3U
    // playlists, 1 the program in playerPath, 2 the built-in player.
    int playDefault = 0;
    QString playDefaultOption;  // MP3PlaydefOption: options for the associated program
    // MP3FavDir [MP3Param] FavDir: where playlist files are kept; defaults
    // to the user's music folder with a final "/".
    QString playlistFolder;
    bool externalTagEditorOn = false; // ID3TAGEditorFlg: use the external tag editor
    QString externalTagEditor;        // ID3TAGEditor: its path
    // Tool1..Tool3 [MP3Param]: external tool paths; Tool1Param..Tool3Param:
    // 0 one track at a time, 1 all tracks through a playlist.
    std::array<QString, 3> tools;
    std::array<int, 3> toolParams = {0, 0, 0};
    // ArtistNameChangeDlgFlg / AlbumNameChangeDlgFlg: read at start, used
    // by nothing, not saved.
    bool artistNameChangeDlg = false;
    bool albumNameChangeDlg = false;

    // ---- track list ---------------------------------------------------
    // Column widths by tag (index 1..10; index 0 unused), from the keys
    // LVM_FileNameWidth (1), LVM_TrackWidth (2), LVM_TittleWidth (3),
    // LVM_ArtistWidth (4), LVM_AlbumWidth (5), LVM_YearWidth (6),
    // LVM_GenreWidth (7), LVM_CommentWidth (8), LVM_FolderWidth (9),
    // LVM_ID3InfoWidth (10). A width of 0 means the column is hidden and its
    // hide/show menu command is unchecked. Columns without a tag (position 1,
    // the lyrics column) start at width 0, which their minimum width raises
    // (20 for the lyrics column).
    std::array<int, 11> columnWidths = {0, 0, 50, 200, 100, 200, 50, 50, 50, 0, 50};
    // The width given back to a hidden column when it is shown again, by tag.
    std::array<int, 11> restoreWidths = trackcolumn::kRestoreWidth;
    // LastSortColumn [MusicList] LVM_SortColumn: position (from 0) of the
    // column last sorted by; start-up sorts by it again.
    int lastSortColumn = 1;

    // ---- panels and trees -------------------------------------------
    int treePanelWidth = 177;      // ArtistListWidth [ArticetList] Width
    bool treePanelVisible = true;  // ArtistListVisible [MainForm]
    // ID3INFOVisible [MainForm]: the lower tab area (file information, copy
    // list, play list) is open and "ファイル情報ウィンドウ" checked.
    bool infoAreaVisible = false;
    // ViewGenreFlg [ArticetList]: keep the hidden genres for the next run.
    bool keepHiddenGenres = true;
    // ViewGenre [ArticetList] OutViewGenre (comma text): genres left out of
    // the trees and the folder view. The load fills it only when
    // keepHiddenGenres is on; the save always writes it.
    QStringList hiddenGenres;
    bool allAlbumTabs = false;     // AllAlbumTabFlg [AlbumList]: every album name on the album tabs
    bool showTitleNums = false;    // ShowTitleNums [ArticetList]: "曲数表示" in the trees
    bool showAlbumArtist = false;  // ShowAlbumArtist [AlbumList]: "アーティスト名表示" in the album tree
    // ShowNoExistMP3Data [MP3Param]: leave out tracks whose file is missing.
    bool hideMissingTracks = true;

    // ---- library store flags ----------------------------------------
    // The window hands these to the library store after the load and takes
    // them back from it before the save.
    bool preferV2 = true;          // ID3v2Main: PreferV2, and the check of "ID3v2表示"
    bool cacheOnly = false;        // FirstCacheFlg: CacheOnly
    bool genreCodeInText = true;   // SaveGenreCode: GenreCodeInText

    // ---- cover art ------------------------------------------------------
    bool coverListVisible = true;     // JKListVisible: cover-art list window shown
    int coverListSize = 1;            // JKListSize: cell size step 1..3 (64 × step pixels)
    bool coverListAlbumNames = false; // JKListAlbumname: "アルバム名表示" checked
    bool artworkVisible = false;      // JacketShow: artwork window shown

    // ---- network and look -------------------------------------------
    int proxyUse = 0;          // ProxyUse: 0 direct, 1 automatic, 2 the proxy below
    QString proxyAddress;      // ProxyAddress
    QString proxyPort;         // ProxyPort, as text
    QString skin = QStringLiteral("Nexos4"); // Skin: theme name, written back as the current theme
    bool useSkin = false;      // UseSkin: held and written back unchanged

    MainWindowSettings();
    bool operator==(const MainWindowSettings &) const = default;
};

// The catalogue name of the width key of a column tag 1..10.
QStringView columnWidthEntry(int tag);

// The settings load: sets the store's file to programPath(".ini"), logs
// "パラメタの読み込み開始", reads every entry into `settings` in the fixed
// order, calls loadCaches where the library caches are loaded (just before
// FirstCacheFlg, SaveGenreCode and ID3v2Main are read), and logs
// "パラメタの読み込み終了". A colour text that is not a colour gives the
// entry's default with a log line; nothing stops the load. A settings file
// that is there but cannot be read (binary, damaged) is logged and returned
// as the failure, for the window to tell the user.
Result loadSettings(TRegManager &store, MainWindowSettings &settings,
                    const std::function<void()> &loadCaches = {});

// The settings save: logs "パラメタ保存開始", writes every saved entry in
// the fixed order (each write replaces the file safely), logs
// "パラメタ保存終了". A key whose write fails is logged once and the save
// goes on with the next key; the result is then the first failure's
// message ("<file> に書き込めません"), for the window to show once.
Result saveSettings(TRegManager &store, const MainWindowSettings &settings);

} // namespace vireo
