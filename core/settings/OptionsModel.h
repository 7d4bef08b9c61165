#pragma once
// What the options dialog "環境設定" edits, and what its "OK" and "適用"
// commit. The dialog works on an OptionsState filled from the main window's
// settings (a copy: nothing changes until "OK"); "OK" writes the state back
// into the settings in the fixed order and tells the window what to redo.
#include "core/coverart/CoverSearchSettings.h"
#include "core/settings/MainWindowSettings.h"

#include <QString>
#include <QStringList>

#include <array>

namespace vireo {

class TRegManager;

struct OptionsState {
    // Page 0 "基本設定"
    bool cacheLoaded = false;      // shown only
    bool cacheOnly = false;        // FirstCacheFlg
    bool preferV2 = true;          // ID3v2Main
    bool hideMissingTracks = true; // ShowNoExistMP3Data
    bool allAlbumTabs = false;     // AllAlbumTabFlg
    bool keepHiddenGenres = true;  // ViewGenreFlg
    QString musicFolder;           // MP3Dir
    QString playlistFolder;        // MP3FavDir
    // Page 1 "MP3再生ツール"
    std::array<QString, 3> tools;
    std::array<int, 3> toolParams = {0, 0, 0}; // 0 "1曲毎", 1 "全曲(m3u)"
    bool externalTagEditorOn = false;
    QString externalTagEditor;
    int playDefault = 0;           // 0 associated program, 1 the program below, 2 built-in
    QString playDefaultOption;
    QString playerPath;
    QString playerOption;
    // Page 3 "表示設定"
    QStringList genres;            // every genre name, in the list's sorted order
    QStringList hiddenGenres;      // the unchecked ones
    QStringList compilations;
    // Page 4 "その他"
    int v2DefaultCharCode = 0;     // 0 ANSI, 1 Unicode(utf-16), 2 UTF-8
    bool genreCodeInText = true;   // SaveGenreCode
    int proxyUse = 0;              // 0 direct, 1 automatic (hidden), 2 manual
    QString proxyAddress;
    QString proxyPort;
    coverart::CoverSearchSettings coverSearch;
};

// The dialog's fill: the settings, the library store's state, the genre
// names (shown sorted; the hidden ones that are genre names unchecked) and
// the V2DefaultCharCode and cover-search keys read from the file now.
OptionsState optionsFromSettings(const MainWindowSettings &settings, bool cacheLoaded, const QStringList &genreNames,
                                 const QStringList &compilations, int v2DefaultCharCode,
                                 const coverart::CoverSearchSettings &coverSearch);

// The genre list's order: alphabetical without regard to case.
QStringList sortedGenreNames(QStringList names);

// A folder field on leaving it and on "OK": a "/" is added when the text
// does not end with one (so an empty field becomes "/").
QString folderWithSeparator(const QString &text);

// What the window must do after "OK".
struct OptionsOutcome {
    bool rebuildTrees = false;      // the genre checks were touched
    bool compilationsChanged = false;
    bool toolsChanged = false;      // the tool menu is set up again
    bool preferenceChanged = false; // ID3v2 preference: the views refill
};

// "OK", in order: the folders (with their separator), the player and tool
// fields, ViewGenreFlg and AllAlbumTabFlg, FirstCacheFlg, ID3v2Main,
// MP3Playdef, the proxy keys, ShowNoExistMP3Data, SaveGenreCode (the check
// box is stored, not only shown), the hidden genres (unchecked, in the
// list's order). `genresChanged` is the dialog's flag: set by any click on a
// genre check, cleared at each opening.
OptionsOutcome applyOptions(const OptionsState &state, bool genresChanged, const QStringList &oldCompilations,
                            MainWindowSettings &settings);

// The keys "OK" writes to the file at once: V2DefaultCharCode and the
// cover-search keys (the rest waits for the settings save at shutdown).
Result writeImmediateOptions(TRegManager &store, const OptionsState &state);

// The "ＵＩ設定" page: a font and a background for the samples.
struct UiSample {
    FontValue font;
    ColorValue background = colors::Window;
    bool operator==(const UiSample &) const = default;
};

enum class UiPreset { WhiteOnBlack, GreenOnBlack, BlackOnWhite, Default };
// "白/黒", "緑/黒", "黒/白" set the text colour and background; "ﾃﾞﾌｫﾙﾄに
// 戻す" gives the platform's title font (`defaultFont`) on the window colour.
UiSample applyPreset(UiPreset preset, const UiSample &sample, const FontValue &defaultFont);

// "適用": the track list takes the new sample when `trackList` is checked;
// the trees take it, and the row colours take row1 and row2, when `trees`
// is checked.
void applyUiSamples(MainWindowSettings &settings, const UiSample &newSample, ColorValue row1, ColorValue row2,
                    bool trackList, bool trees);

} // namespace vireo
