#pragma once
// A library of made-up track records for the view tests and a row filler that
// makes the cells from a record the way the store does for the columns the
// views sort by.
#include "core/library/TrackRecord.h"
#include "core/views/TrackSource.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace vireo::views::test {

struct TrackSpec {
    QString Path = QStringLiteral("/m/a/x.mp3");
    std::optional<QString> V1Artist; // has an ID3v1 tag when V1Artist or V1Album is set
    std::optional<QString> V1Album;
    std::optional<QString> V2Artist; // has an ID3v2 tag when V2Artist or V2Album is set
    std::optional<QString> V2Album;
    int Compilation = -1;
    bool Exists = true;
    int Genre = 255;
    QString Title;
    int Track = 0;
};

class TestLibrary : public VectorTrackSource {
public:
    TestLibrary();
    TID3ListItem *add(const TrackSpec &spec);
    // Both tags with the same artist and album.
    TID3ListItem *add(const QString &path, const QString &artist, const QString &album, int track = 0);
private:
    std::vector<std::unique_ptr<TID3ListItem>> m_owned;
};

// Cells of a row: folder, file name, track number, title, artist, album, ... as the store fills them.
TrackRow testRow(const TID3ListItem *t, bool markMissing, bool showV2);

} // namespace vireo::views::test
