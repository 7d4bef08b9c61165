#pragma once
// One match of a cover search: its title, the source that gave it and the
// addresses of its pictures from the smallest to the largest.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vireo::coverart {

enum class CoverSource { Classic, MusicBrainz, Deezer };

// "amazon", "MusicBrainz", "Deezer": the name a panel shows.
QString sourceName(CoverSource source);
// The command-line and settings word of a source: "classic", "mb", "deezer".
QString sourceKey(CoverSource source);
// The source of a word ("mb", "musicbrainz", "deezer", "classic", "amazon";
// any case), or nothing.
bool sourceFromKey(QStringView key, CoverSource &source);

struct CoverResult {
    CoverSource source = CoverSource::Classic;
    QString title;            // the text to show; "&" stands for itself
    QStringList pictureUrls;  // small, medium, large (those the answer names)
};

enum class PictureFormat { Unknown, Jpeg, Png, Gif };

struct PictureInfo {
    PictureFormat format = PictureFormat::Unknown;
    int width = 0;
    int height = 0;
    bool usable() const { return format != PictureFormat::Unknown && width > 0 && height > 0; }
};

// A fetched picture that passed its source's check.
struct CoverPicture {
    QString url;
    QByteArray data;
    PictureInfo info;
};

// A match with the pictures that arrived and passed.
struct CoverHit {
    CoverResult result;
    QList<CoverPicture> pictures;
    // The largest picture (by area), or null when there is none.
    const CoverPicture *largest() const;
};

} // namespace vireo::coverart
