#include "tests/core/views/ViewsTestLibrary.h"

#include "core/formats/GenreTable.h"
#include "core/platform/CodePage.h"
#include "core/platform/Paths.h"

namespace vireo::views::test {

TestLibrary::TestLibrary()
{
    setRowFiller(&testRow);
}

TID3ListItem *TestLibrary::add(const TrackSpec &s)
{
    auto t = std::make_unique<TID3ListItem>(s.Path, 1);
    if (s.V1Artist || s.V1Album) {
        TID3v1Record r;
        r.Artist = toTagCodePage(s.V1Artist.value_or(QString()));
        r.Album = toTagCodePage(s.V1Album.value_or(QString()));
        r.Title = toTagCodePage(s.Title);
        r.Genre = uint8_t(s.Genre);
        r.Track = uint8_t(s.Track);
        t->SetV1(r);
    }
    if (s.V2Artist || s.V2Album) {
        TID3v2Record r;
        r.Artist = s.V2Artist.value_or(QString());
        r.Album = s.V2Album.value_or(QString());
        r.Title = s.Title;
        r.TrackNumber = uint16_t(s.Track);
        r.MajorVersion = 3;
        t->SetV2(r);
    }
    t->CompilationIndex = s.Compilation;
    t->Exists = s.Exists;
    TID3ListItem *raw = t.get();
    m_owned.push_back(std::move(t));
    tracks().push_back(raw);
    return raw;
}

TID3ListItem *TestLibrary::add(const QString &path, const QString &artist, const QString &album, int track)
{
    TrackSpec s;
    s.Path = path;
    s.V1Artist = artist;
    s.V1Album = album;
    s.V2Artist = artist;
    s.V2Album = album;
    s.Track = track;
    return add(s);
}

TrackRow testRow(const TID3ListItem *t, bool markMissing, bool showV2)
{
    TrackRow row;
    row.Cells[10] = QStringLiteral("-");
    if (!t->Exists) {
        if (markMissing)
            row.ImageIndex = kRowImageMissing;
        return row;
    }
    row.Cells[1] = extractFileDir(t->FileName);
    row.Cells[2] = extractFileName(t->FileName);
    if (showV2 && t->HasV2) {
        row.ImageIndex = kRowImageV2;
        if (t->V2.TrackNumber)
            row.Cells[3] = QString::number(t->V2.TrackNumber);
        row.Cells[4] = t->V2.Title;
        row.Cells[5] = t->V2.Artist;
        row.Cells[6] = t->V2.Album;
        row.Cells[10] = t->TagVersionLabel();
    } else if (t->HasV1) {
        row.ImageIndex = kRowImageV1;
        if (t->V1.Track)
            row.Cells[3] = QString::number(t->V1.Track);
        row.Cells[4] = t->V1.Title.text();
        row.Cells[5] = t->V1.Artist.text();
        row.Cells[6] = t->V1.Album.text();
        row.Cells[8] = GenreName(t->V1.Genre);
        row.Cells[10] = t->TagVersionLabel();
    }
    return row;
}

} // namespace vireo::views::test
