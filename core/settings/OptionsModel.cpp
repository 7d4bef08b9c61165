#include "core/settings/OptionsModel.h"

#include "core/settings/RegManager.h"

#include <QCollator>

#include <algorithm>

namespace vireo {

QStringList sortedGenreNames(QStringList names)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(),
                     [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    return names;
}

OptionsState optionsFromSettings(const MainWindowSettings &s, bool cacheLoaded, const QStringList &genreNames,
                                 const QStringList &compilations, int v2DefaultCharCode,
                                 const coverart::CoverSearchSettings &coverSearch)
{
    OptionsState o;
    o.cacheLoaded = cacheLoaded;
    o.cacheOnly = s.cacheOnly;
    o.preferV2 = s.preferV2;
    o.hideMissingTracks = s.hideMissingTracks;
    o.allAlbumTabs = s.allAlbumTabs;
    o.keepHiddenGenres = s.keepHiddenGenres;
    o.musicFolder = s.musicFolder;
    o.playlistFolder = s.playlistFolder;
    o.tools = s.tools;
    for (int i = 0; i < 3; ++i)
        o.toolParams[size_t(i)] = s.toolParams[size_t(i)] != 0 ? 1 : 0;
    o.externalTagEditorOn = s.externalTagEditorOn;
    o.externalTagEditor = s.externalTagEditor;
    o.playDefault = (s.playDefault == 1 || s.playDefault == 2) ? s.playDefault : 0;
    o.playDefaultOption = s.playDefaultOption;
    o.playerPath = s.playerPath;
    o.playerOption = s.playerOption;
    o.genres = sortedGenreNames(genreNames);
    for (const QString &g : s.hiddenGenres)
        if (o.genres.contains(g) && !o.hiddenGenres.contains(g))
            o.hiddenGenres << g;
    o.compilations = compilations;
    o.v2DefaultCharCode = (v2DefaultCharCode >= 0 && v2DefaultCharCode <= 2) ? v2DefaultCharCode : -1;
    o.genreCodeInText = s.genreCodeInText;
    o.proxyUse = (s.proxyUse == 1 || s.proxyUse == 2) ? s.proxyUse : 0;
    o.proxyAddress = s.proxyAddress;
    o.proxyPort = s.proxyPort;
    o.coverSearch = coverSearch;
    return o;
}

QString folderWithSeparator(const QString &text)
{
    return text.endsWith(u'/') ? text : text + u'/';
}

OptionsOutcome applyOptions(const OptionsState &o, bool genresChanged, const QStringList &oldCompilations,
                            MainWindowSettings &s)
{
    OptionsOutcome out;
    s.musicFolder = folderWithSeparator(o.musicFolder);
    s.playlistFolder = folderWithSeparator(o.playlistFolder);

    s.playerPath = o.playerPath;
    s.playerOption = o.playerOption;
    s.playDefaultOption = o.playDefaultOption;
    s.externalTagEditor = o.externalTagEditor;
    s.externalTagEditorOn = o.externalTagEditorOn;
    out.toolsChanged = s.tools != o.tools;
    s.tools = o.tools;
    for (size_t i = 0; i < 3; ++i) {
        const int param = o.toolParams[i] == 0 ? 0 : 1;
        out.toolsChanged = out.toolsChanged || s.toolParams[i] != param;
        s.toolParams[i] = param;
    }

    s.keepHiddenGenres = o.keepHiddenGenres;
    s.allAlbumTabs = o.allAlbumTabs;
    s.cacheOnly = o.cacheOnly;
    out.preferenceChanged = s.preferV2 != o.preferV2;
    s.preferV2 = o.preferV2;
    s.playDefault = o.playDefault;
    s.proxyUse = o.proxyUse;
    s.proxyAddress = o.proxyAddress;
    s.proxyPort = o.proxyPort;
    s.hideMissingTracks = o.hideMissingTracks;
    s.genreCodeInText = o.genreCodeInText;

    s.hiddenGenres.clear();
    for (const QString &g : o.genres)
        if (o.hiddenGenres.contains(g))
            s.hiddenGenres << g;
    out.rebuildTrees = genresChanged;
    out.compilationsChanged = o.compilations != oldCompilations;
    return out;
}

Result writeImmediateOptions(TRegManager &store, const OptionsState &o)
{
    if (o.v2DefaultCharCode >= 0) {
        if (Result r = store.Filer(u"V2DefaultCharCode").WriteInteger(o.v2DefaultCharCode); !r)
            return r;
    }
    return coverart::writeCoverSearchSettings(store, o.coverSearch);
}

UiSample applyPreset(UiPreset preset, const UiSample &sample, const FontValue &defaultFont)
{
    UiSample out = sample;
    switch (preset) {
    case UiPreset::WhiteOnBlack:
        out.font.color = colors::White;
        out.background = colors::Black;
        break;
    case UiPreset::GreenOnBlack:
        out.font.color = colorFromRgb(0, 0xFF, 0);
        out.background = colors::Black;
        break;
    case UiPreset::BlackOnWhite:
        out.font.color = colors::Black;
        out.background = colors::White;
        break;
    case UiPreset::Default:
        out.font = defaultFont;
        out.background = colors::Window;
        break;
    }
    return out;
}

void applyUiSamples(MainWindowSettings &s, const UiSample &newSample, ColorValue row1, ColorValue row2,
                    bool trackList, bool trees)
{
    if (trackList) {
        s.trackListFont = newSample.font;
        s.trackListColor = newSample.background;
    }
    if (trees) {
        s.treeFont = newSample.font;
        s.treeColor = newSample.background;
        s.rowColor1 = row1;
        s.rowColor2 = row2;
    }
}

} // namespace vireo
