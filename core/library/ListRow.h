#pragma once
// One row of a track list as the library store fills it: the track it shows,
// an empty caption, 11 cells in column order and the image index.
#include <QString>
#include <QStringList>

namespace vireo {

class TID3ListItem;

// Entries of the shared list-row image list.
enum ListRowImage : int {
    RowImageV1 = 0,      // ID3v1 values shown
    RowImageNoTag = 2,   // no tag shown
    RowImageMissing = 3, // file missing
    RowImageV2 = 4,      // ID3v2 values shown
};

// Cell positions, in column order.
enum ListRowCell : int {
    CellLyrics = 0, CellFolder, CellFileName, CellTrack, CellTitle, CellArtist,
    CellAlbum, CellYear, CellGenre, CellComment, CellTagInfo,
    ListRowCellCount = 11
};

struct ListRow {
    TID3ListItem *Data = nullptr; // borrowed from the library store
    QString Caption;              // always empty
    QStringList Cells;            // ListRowCellCount texts
    int ImageIndex = RowImageNoTag;
};

// The column captions of the 11 cells: "歌詞", "フォルダ名", "ファイル名", "Track",
// "タイトル", "アーティスト", "アルバム", "Year", "Genre", "Comment", "ID3Info".
const QStringList &ListRowCaptions();

// The folder cell of a path: up to its last "/", without that "/" unless it
// is the first character or follows another "/".
QString ListRowFolder(const QString &path);
// The file-name cell: the text after the last "/".
QString ListRowFileName(const QString &path);

} // namespace vireo
