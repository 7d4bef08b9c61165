#include "core/library/ListRow.h"

#include "core/formats/GenreTable.h"
#include "core/library/LibraryStore.h"
#include "core/platform/FileAccess.h"

namespace vireo {
namespace {

QString trimRight(const QString &s)
{
    qsizetype n = s.size();
    while (n > 0 && s[n - 1].unicode() <= 32)
        --n;
    return n == s.size() ? s : s.left(n);
}

} // namespace

const QStringList &ListRowCaptions()
{
    static const QStringList captions = {
        QStringLiteral("歌詞"), QStringLiteral("フォルダ名"), QStringLiteral("ファイル名"),
        QStringLiteral("Track"), QStringLiteral("タイトル"), QStringLiteral("アーティスト"),
        QStringLiteral("アルバム"), QStringLiteral("Year"), QStringLiteral("Genre"),
        QStringLiteral("Comment"), QStringLiteral("ID3Info"),
    };
    return captions;
}

QString ListRowFolder(const QString &path)
{
    const qsizetype i = path.lastIndexOf(u'/');
    if (i < 0)
        return QString();
    // The root folder keeps its "/", as does a "//" run.
    if (i == 0 || path[i - 1] == u'/')
        return path.left(i + 1);
    return path.left(i);
}

QString ListRowFileName(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

void TID3TagUseful::FillListRow(TID3ListItem *track, ListRow &row, bool markMissing, bool showV2) const
{
    row.Data = track;
    row.Caption.clear();
    row.Cells = QStringList(ListRowCellCount);
    row.Cells[CellTagInfo] = QStringLiteral("-");
    row.ImageIndex = RowImageNoTag;
    if (!track)
        return;
    QStringList &c = row.Cells;
    c[CellFolder] = ListRowFolder(track->FileName);
    c[CellFileName] = ListRowFileName(track->FileName);

    if (!CacheOnly && !fileExists(track->FileName)) {
        if (markMissing)
            row.ImageIndex = RowImageMissing;
        return;
    }
    if (showV2 && track->HasV2) {
        const TID3v2Record &v = track->V2;
        row.ImageIndex = RowImageV2;
        if (v.TrackNumber != 0)
            c[CellTrack] = QString::number(v.TrackNumber);
        c[CellTitle] = trimRight(v.Title);
        c[CellArtist] = trimRight(v.Artist);
        c[CellAlbum] = trimRight(v.Album);
        c[CellYear] = trimRight(v.Year);
        c[CellGenre] = v.Genre;
        c[CellComment] = trimRight(v.Comment);
        c[CellTagInfo] = track->TagVersionLabel() + TID3ListItem::EncodingName(v.TextEncoding);
    } else if (track->HasV1) {
        const TID3v1Record &v = track->V1;
        row.ImageIndex = RowImageV1;
        if (v.Track != 0) {
            c[CellTrack] = QString::number(v.Track);
            c[CellTagInfo] = QStringLiteral("ID3v1.1");
        } else {
            c[CellTagInfo] = QStringLiteral("ID3v1.0");
        }
        c[CellTitle] = v.Title.text();
        c[CellArtist] = v.Artist.text();
        c[CellAlbum] = v.Album.text();
        c[CellYear] = v.Year.text();
        c[CellGenre] = v.Genre < GenreCount ? m_genreNames.value(v.Genre) : QString();
        c[CellComment] = v.Comment.text();
    }
}

ListRow TID3TagUseful::FillListRow(TID3ListItem *track, bool markMissing, bool showV2) const
{
    ListRow row;
    FillListRow(track, row, markMissing, showV2);
    return row;
}

} // namespace vireo
