#include "core/settings/SettingsCatalogue.h"

#include "core/settings/SettingsTexts.h"
#include "core/platform/Paths.h"

#include <QStandardPaths>

#include <array>

namespace vireo {
namespace {

using F = SettingForm;
constexpr QStringView MainForm = u"MainForm";
constexpr QStringView MusicList = u"MusicList";
constexpr QStringView ArticetList = u"ArticetList";
constexpr QStringView MP3Param = u"MP3Param";
constexpr QStringView AlbumList = u"AlbumList";

constexpr std::array<CatalogueRow, 66> kCatalogue = {{
    {u"MainForm_Top", MainForm, u"Top", u"93", F::Integer},
    {u"MainForm_Left", MainForm, u"Left", u"127", F::Integer},
    {u"MainForm_Height", MainForm, u"Height", u"600", F::Integer},
    {u"MainForm_Width", MainForm, u"Width", u"800", F::Integer},
    {u"MainMaxWindow", MainForm, u"Maximized", u"1", F::Boolean},
    {u"ListView_MAIN_FONT", MusicList, u"FONT", u"Tahoma,8,clBlack,0,0", F::Font},
    {u"ListView_MAIN_Color", MusicList, u"Color", u"clWindow", F::Color},
    {u"LVM_FileNameWidth", MusicList, u"LVM_FileNameWidth", u"0", F::Integer},
    {u"LVM_TittleWidth", MusicList, u"LVM_TittleWidth", u"200", F::Integer},
    {u"LVM_ArtistWidth", MusicList, u"LVM_ArtistWidth", u"100", F::Integer},
    {u"LVM_AlbumWidth", MusicList, u"LVM_AlbumWidth", u"200", F::Integer},
    {u"LVM_YearWidth", MusicList, u"LVM_YearWidth", u"50", F::Integer},
    {u"LVM_GenreWidth", MusicList, u"LVM_GenreWidth", u"50", F::Integer},
    {u"LVM_CommentWidth", MusicList, u"LVM_CommentWidth", u"50", F::Integer},
    {u"LVM_ID3InfoWidth", MusicList, u"LVM_ID3InfoWidth", u"50", F::Integer},
    {u"LVM_ListColor1", MusicList, u"LVM_ListColor1", u"$00FFE8E8", F::Color},
    {u"LVM_ListColor2", MusicList, u"LVM_ListColor2", u"clWindow", F::Color},
    {u"ArtistListWidth", ArticetList, u"Width", u"177", F::Integer},
    {u"ArtistList_FONT", ArticetList, u"FONT", u"ＭＳ Ｐゴシック,9,clBlack,0,128", F::Font},
    {u"ArtistList_Color", ArticetList, u"Color", u"clWindow", F::Color},
    {u"ArtistListVisible", MainForm, u"ArtistListVisible", u"1", F::Boolean},
    {u"MP3Dir", MP3Param, u"MP3Dir", u"", F::Text},
    {u"MP3Player", MP3Param, u"Palyer", u"", F::Text},
    {u"MP3PlayerOption", MP3Param, u"MP3PlayerOption", u"", F::Text},
    {u"MP3Playdef", MP3Param, u"Playdef", u"0", F::Integer},
    {u"MP3PlaydefOption", MP3Param, u"MP3PlaydefOption", u"", F::Text},
    {u"ArtistNameChangeDlgFlg", MP3Param, u"ArtistNameChangeDlgFlg", u"0", F::Boolean},
    {u"AlbumNameChangeDlgFlg", MP3Param, u"AlbumNameChangeDlgFlg", u"0", F::Boolean},
    // The default is the user's music folder (see catalogueDefault).
    {u"MP3FavDir", MP3Param, u"FavDir", u"", F::Text},
    {u"MP3DirDefOpen", MP3Param, u"DefOpen", u"1", F::Boolean},
    {u"MP3CacheFlg", MP3Param, u"CacheOn", u"1", F::Boolean},
    {u"ID3INFOVisible", MainForm, u"ID3INFOVisible", u"0", F::Boolean},
    {u"LVM_TrackWidth", MusicList, u"LVM_TrackWidth", u"50", F::Integer},
    {u"LVM_FolderWidth", MusicList, u"LVM_FolderWidth", u"0", F::Integer},
    {u"ID3TAGEditor", MP3Param, u"ID3TAGEditor", u"", F::Text},
    {u"ID3TAGEditorFlg", MP3Param, u"ID3TAGEditorFlg", u"", F::Boolean},
    {u"Tool1", MP3Param, u"Tool1", u"", F::Text},
    {u"Tool2", MP3Param, u"Tool2", u"", F::Text},
    {u"Tool3", MP3Param, u"Tool3", u"", F::Text},
    {u"LastSortColumn", MusicList, u"LVM_SortColumn", u"1", F::Integer},
    {u"ViewGenre", ArticetList, u"OutViewGenre", u"", F::CommaText},
    {u"ViewGenreFlg", ArticetList, u"ViewGenreFlg", u"1", F::Boolean},
    {u"ShowTitleNums", ArticetList, u"ShowTitleNums", u"False", F::Boolean},
    {u"AllAlbumTabFlg", AlbumList, u"AllAlbumTabFlg", u"0", F::Boolean},
    {u"ID3v2Main", MP3Param, u"ID3v2Main", u"1", F::Boolean},
    {u"FirstCacheFlg", MP3Param, u"FirstCacheFlg", u"0", F::Boolean},
    {u"UseSkin", MP3Param, u"UseSkin", u"False", F::Boolean},
    {u"BGSkinFile", MP3Param, u"BGSkinFile", u"", F::Text},
    {u"LastUpdate", MP3Param, u"LastUpdate", u"", F::Text},
    {u"ProxyUse", MP3Param, u"ProxyUse", u"0", F::Integer},
    {u"ProxyAddress", MP3Param, u"ProxyAddress", u"", F::Text},
    {u"ProxyPort", MP3Param, u"ProxyPort", u"", F::Text},
    {u"Skin", MP3Param, u"Skin", u"Nexos4", F::Text},
    {u"LastActiveDate", MP3Param, u"LastActiveDate", u"", F::Text},
    {u"SaveGenreCode", MP3Param, u"SaveGenreCode", u"True", F::Boolean},
    {u"V2DefaultCharCode", MP3Param, u"V2DefaultCharCode", u"0", F::Integer},
    {u"Tool1Param", MP3Param, u"Tool1Param", u"0", F::Integer},
    {u"Tool2Param", MP3Param, u"Tool2Param", u"0", F::Integer},
    {u"Tool3Param", MP3Param, u"Tool3Param", u"0", F::Integer},
    {u"JacketShow", MP3Param, u"JacketShow", u"False", F::Boolean},
    {u"JKListVisible", MP3Param, u"JKListVisible", u"True", F::Boolean},
    {u"JKListSize", MP3Param, u"JKListSize", u"1", F::Integer},
    {u"ShowAlbumArtist", AlbumList, u"ShowAlbumArtist", u"False", F::Boolean},
    {u"JKListAlbumname", MP3Param, u"JKListAlbumname", u"False", F::Boolean},
    {u"ShowNoExistMP3Data", MP3Param, u"ShowNoExistMP3Data", u"True", F::Boolean},
    {u"DeleteNoExistMP3Data", MP3Param, u"DeleteNoExistMP3Data", u"False", F::Boolean},
}};

} // namespace

std::span<const CatalogueRow> settingsCatalogue() { return kCatalogue; }

const CatalogueRow *findCatalogueRow(QStringView name)
{
    for (const CatalogueRow &row : kCatalogue)
        if (name.compare(row.name, Qt::CaseInsensitive) == 0)
            return &row;
    return nullptr;
}

QString defaultPlaylistFolder()
{
    QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (music.isEmpty())
        music = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    return includeTrailingSlash(music);
}

QString catalogueDefault(const CatalogueRow &row)
{
    if (row.name == u"MP3FavDir")
        return defaultPlaylistFolder();
    return row.defaultValue.toString();
}

void fillSettingsCatalogue(TRegItems &items)
{
    for (const CatalogueRow &row : kCatalogue)
        items.Add({row.name.toString(), row.section.toString(), row.key.toString(), catalogueDefault(row)});
}

std::unique_ptr<TRegManager> makeSettingsStore()
{
    auto store = std::make_unique<TRegManager>();
    fillSettingsCatalogue(store->RegItems);
    store->IniFileName = programPath(u".ini");
    return store;
}

QString readSettingText(TRegManager &store, const CatalogueRow &row)
{
    TRegFiler &filer = store.Filer(row.name);
    switch (row.form) {
    case SettingForm::Integer:
        return QString::number(filer.ReadInteger());
    case SettingForm::Boolean:
        return boolText(filer.ReadBool());
    case SettingForm::Color:
        return colorToText(filer.ReadColor());
    case SettingForm::Font: {
        FontValue font = fontFromText(row.defaultValue).value_or(FontValue{});
        filer.ReadFont(font);
        return fontToText(font);
    }
    case SettingForm::Text:
    case SettingForm::CommaText:
        break;
    }
    return filer.ReadText();
}

Result writeSettingText(TRegManager &store, const CatalogueRow &row, const QString &text)
{
    auto unfit = [&] {
        return Result::failure(settingstexts::unfitValue(row.name, text));
    };
    switch (row.form) {
    case SettingForm::Integer: {
        const auto v = parseIntegerText(text);
        if (!v)
            return unfit();
        return store.Filer(row.name).WriteInteger(*v);
    }
    case SettingForm::Boolean: {
        const QString up = text.toUpper();
        bool on;
        if (up == u"TRUE" || up == u"YES" || up == u"ON")
            on = true;
        else if (up == u"FALSE" || up == u"NO" || up == u"OFF")
            on = false;
        else if (const auto v = parseIntegerText(text))
            on = (*v & 0xFF) != 0;
        else
            return unfit();
        return store.Filer(row.name).WriteBool(on);
    }
    case SettingForm::Color: {
        const auto c = colorFromText(text);
        if (!c)
            return unfit();
        return store.Filer(row.name).WriteColor(*c);
    }
    case SettingForm::Font: {
        const auto f = fontFromText(text);
        if (!f)
            return unfit();
        return store.Filer(row.name).WriteFont(*f);
    }
    case SettingForm::Text:
    case SettingForm::CommaText:
        break;
    }
    return store.Filer(row.name).WriteText(text);
}

} // namespace vireo
