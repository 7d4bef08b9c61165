#include "core/settings/MainWindowSettings.h"

#include "core/settings/ProfileFile.h"

#include "core/settings/CommaText.h"
#include "core/settings/SettingsCatalogue.h"
#include "core/settings/SettingsTexts.h"
#include "core/library/EventLog.h"
#include "core/platform/Paths.h"

namespace vireo {

MainWindowSettings::MainWindowSettings() : playlistFolder(defaultPlaylistFolder()) {}

QStringView columnWidthEntry(int tag)
{
    static constexpr std::array<QStringView, 11> names = {
        u"", u"LVM_FileNameWidth", u"LVM_TrackWidth", u"LVM_TittleWidth", u"LVM_ArtistWidth",
        u"LVM_AlbumWidth", u"LVM_YearWidth", u"LVM_GenreWidth", u"LVM_CommentWidth",
        u"LVM_FolderWidth", u"LVM_ID3InfoWidth"};
    return tag >= 1 && tag <= trackcolumn::kTagCount ? names[size_t(tag)] : QStringView();
}

namespace {

// Short hands over the store's one filer.
struct Reader {
    TRegManager &store;
    int integer(QStringView name) { return store.Filer(name).ReadInteger(); }
    bool boolean(QStringView name) { return store.Filer(name).ReadBool(); }
    QString text(QStringView name) { return store.Filer(name).ReadText(); }
    ColorValue color(QStringView name) { return store.Filer(name).ReadColor(); }
    void font(QStringView name, FontValue &f) { store.Filer(name).ReadFont(f); }
};

// Every write is attempted; a failed one is logged once with its entry and
// the first failure becomes the save's result.
struct Writer {
    TRegManager &store;
    Result first = Result::success();
    void keep(QStringView name, Result r)
    {
        if (r.ok())
            return;
        WriteLog(name.toString() + QStringLiteral(": ") + r.message());
        if (first.ok())
            first = std::move(r);
    }
    void integer(QStringView name, int v) { keep(name, store.Filer(name).WriteInteger(v)); }
    void boolean(QStringView name, bool v) { keep(name, store.Filer(name).WriteBool(v)); }
    void text(QStringView name, const QString &v) { keep(name, store.Filer(name).WriteText(v)); }
    void color(QStringView name, ColorValue v) { keep(name, store.Filer(name).WriteColor(v)); }
    void font(QStringView name, const FontValue &v) { keep(name, store.Filer(name).WriteFont(v)); }
};

} // namespace

Result loadSettings(TRegManager &store, MainWindowSettings &s, const std::function<void()> &loadCaches)
{
    store.IniFileName = programPath(u".ini");
    WriteLog(settingstexts::kLoadStart);
    const Result fileCheck = checkProfileFile(store.IniFileName);
    if (!fileCheck)
        WriteLog(fileCheck.message());
    Reader r{store};

    s.top = r.integer(u"MainForm_Top");
    s.left = r.integer(u"MainForm_Left");
    s.height = r.integer(u"MainForm_Height");
    s.width = r.integer(u"MainForm_Width");

    r.font(u"ListView_MAIN_FONT", s.trackListFont);
    s.trackListColor = r.color(u"ListView_MAIN_Color");
    r.font(u"ArtistList_FONT", s.treeFont);
    s.treeColor = r.color(u"ArtistList_Color");

    s.useSkin = r.boolean(u"UseSkin");

    s.musicFolder = r.text(u"MP3Dir");
    s.playerPath = r.text(u"MP3Player");
    s.playerOption = r.text(u"MP3PlayerOption");
    s.playDefault = r.integer(u"MP3Playdef");
    s.playDefaultOption = r.text(u"MP3PlaydefOption");
    s.playlistFolder = r.text(u"MP3FavDir");
    s.externalTagEditorOn = r.boolean(u"ID3TAGEditorFlg");
    s.externalTagEditor = r.text(u"ID3TAGEditor");
    // Looked up in this spelling; the catalogue lookup ignores case.
    s.tools[0] = r.text(u"TooL1");
    s.tools[1] = r.text(u"TooL2");
    s.tools[2] = r.text(u"TooL3");
    s.toolParams[0] = r.integer(u"Tool1Param");
    s.toolParams[1] = r.integer(u"Tool2Param");
    s.toolParams[2] = r.integer(u"Tool3Param");
    s.artistNameChangeDlg = r.boolean(u"ArtistNameChangeDlgFlg");
    s.albumNameChangeDlg = r.boolean(u"AlbumNameChangeDlgFlg");

    s.columnWidths[0] = 0;
    for (size_t pos = 1; pos < trackcolumn::kTagOfPosition.size(); ++pos)
        if (const int tag = trackcolumn::kTagOfPosition[pos])
            s.columnWidths[size_t(tag)] = r.integer(columnWidthEntry(tag));
    s.restoreWidths = trackcolumn::kRestoreWidth;

    s.lastSortColumn = r.integer(u"LastSortColumn");
    s.treePanelWidth = r.integer(u"ArtistListWidth");
    s.treePanelVisible = r.boolean(u"ArtistListVisible");
    s.infoAreaVisible = r.boolean(u"ID3INFOVisible");

    s.keepHiddenGenres = r.boolean(u"ViewGenreFlg");
    s.hiddenGenres.clear();
    if (s.keepHiddenGenres)
        s.hiddenGenres = readCommaText(r.text(u"ViewGenre"));
    s.allAlbumTabs = r.boolean(u"AllAlbumTabFlg");

    if (loadCaches)
        loadCaches();
    s.cacheOnly = r.boolean(u"FirstCacheFlg");
    s.genreCodeInText = r.boolean(u"SaveGenreCode");
    s.preferV2 = r.boolean(u"ID3v2Main");

    s.rowColor1 = r.color(u"LVM_ListColor1");
    s.rowColor2 = r.color(u"LVM_ListColor2");
    s.showTitleNums = r.boolean(u"ShowTitleNums");
    s.showAlbumArtist = r.boolean(u"ShowAlbumArtist");

    s.proxyUse = r.integer(u"ProxyUse");
    s.proxyAddress = r.text(u"ProxyAddress");
    s.proxyPort = r.text(u"ProxyPort");

    s.coverListVisible = r.boolean(u"JKListVisible");
    s.coverListSize = r.integer(u"JKListSize");
    s.coverListAlbumNames = r.boolean(u"JKListAlbumname");
    s.artworkVisible = r.boolean(u"JacketShow");

    s.skin = r.text(u"Skin");
    s.hideMissingTracks = r.boolean(u"ShowNoExistMP3Data");

    WriteLog(settingstexts::kLoadEnd);
    return fileCheck;
}

Result saveSettings(TRegManager &store, const MainWindowSettings &s)
{
    WriteLog(settingstexts::kSaveStart);
    Writer w{store};

    w.boolean(u"MainMaxWindow", s.maximized);
    w.integer(u"MainForm_Top", s.top);
    w.integer(u"MainForm_Left", s.left);
    w.integer(u"MainForm_Height", s.height);
    w.integer(u"MainForm_Width", s.width);

    w.font(u"ListView_MAIN_FONT", s.trackListFont);
    w.color(u"ListView_MAIN_Color", s.trackListColor);
    w.font(u"ArtistList_FONT", s.treeFont);
    w.color(u"ArtistList_Color", s.treeColor);

    w.text(u"MP3Dir", s.musicFolder);
    w.text(u"MP3Player", s.playerPath);
    w.integer(u"MP3Playdef", s.playDefault);
    w.text(u"MP3PlayerOption", s.playerOption);
    w.text(u"MP3PlaydefOption", s.playDefaultOption);
    w.text(u"MP3FavDir", s.playlistFolder);
    w.boolean(u"ID3TAGEditorFlg", s.externalTagEditorOn);
    w.text(u"ID3TAGEditor", s.externalTagEditor);
    w.text(u"Tool1", s.tools[0]);
    w.text(u"Tool2", s.tools[1]);
    w.text(u"Tool3", s.tools[2]);

    for (size_t pos = 1; pos < trackcolumn::kTagOfPosition.size(); ++pos)
        if (const int tag = trackcolumn::kTagOfPosition[pos])
            w.integer(columnWidthEntry(tag), s.columnWidths[size_t(tag)]);

    w.boolean(u"ArtistListVisible", s.treePanelVisible);
    w.boolean(u"ID3INFOVisible", s.infoAreaVisible);
    w.integer(u"ArtistListWidth", s.treePanelWidth);

    w.text(u"ViewGenre", writeCommaText(s.hiddenGenres));
    w.boolean(u"ViewGenreFlg", s.keepHiddenGenres);
    w.boolean(u"AllAlbumTabFlg", s.allAlbumTabs);

    w.boolean(u"ID3v2Main", s.preferV2);
    w.boolean(u"FirstCacheFlg", s.cacheOnly);
    w.boolean(u"SaveGenreCode", s.genreCodeInText);

    w.integer(u"LastSortColumn", s.lastSortColumn);
    w.color(u"LVM_ListColor1", s.rowColor1);
    w.color(u"LVM_ListColor2", s.rowColor2);

    w.boolean(u"UseSkin", s.useSkin);
    w.boolean(u"ShowTitleNums", s.showTitleNums);
    w.boolean(u"ShowAlbumArtist", s.showAlbumArtist);
    w.integer(u"ProxyUse", s.proxyUse);
    w.text(u"ProxyAddress", s.proxyAddress);
    w.text(u"ProxyPort", s.proxyPort);

    w.text(u"Skin", s.skin);

    w.boolean(u"JKListVisible", s.coverListVisible);
    w.boolean(u"JacketShow", s.artworkVisible);
    w.integer(u"Tool1Param", s.toolParams[0]);
    w.integer(u"Tool2Param", s.toolParams[1]);
    w.integer(u"Tool3Param", s.toolParams[2]);
    w.integer(u"JKListSize", s.coverListSize);
    w.boolean(u"JKListAlbumname", s.coverListAlbumNames);
    w.boolean(u"ShowNoExistMP3Data", s.hideMissingTracks);

    WriteLog(settingstexts::kSaveEnd);
    return std::move(w.first);
}

} // namespace vireo
