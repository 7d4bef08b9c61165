#pragma once
// The search page: which tracks of the library hold a text in the ticked
// fields of the ticked tag versions (Unicode, without regard to case).
#include "core/views/TrackSource.h"

#include <QString>

namespace vireo::views {

enum SearchField : unsigned {
    SearchFileName = 1u << 0,       // "ファイル名" (both versions)
    SearchArtist = 1u << 1,         // "アーティスト名" (both)
    SearchTitle = 1u << 2,          // "タイトル" (both)
    SearchAlbum = 1u << 3,          // "アルバム名" (both)
    SearchComment = 1u << 4,        // "コメント" (both)
    SearchYear = 1u << 5,           // "YEAR" (ID3v2 only)
    SearchEncodedBy = 1u << 6,      // "エンコード" (ID3v2 only)
    SearchCopyright = 1u << 7,      // "著作権" (ID3v2 only)
    SearchOriginalArtist = 1u << 8, // "オリジナルアーティスト" (ID3v2 only)
    SearchUrl = 1u << 9,            // "URL" (ID3v2 only)
    SearchComposer = 1u << 10,      // "作曲者" (ID3v2 only)
};

struct SearchRequest {
    QString Text;
    bool V1 = false;       // "ID3v1"
    bool V2 = false;       // "ID3v2"
    unsigned Fields = 0;   // SearchField bits
};

// The text searched for one track and one tag version: the ticked fields in
// their fixed order joined by ",,". Empty when the version is not ticked or the tag is absent.
QString searchTextV1(const TID3ListItem &track, unsigned fields);
QString searchTextV2(const TID3ListItem &track, unsigned fields);
// Unicode case-insensitive containment; an empty needle matches nothing.
bool searchMatches(const QString &haystack, const QString &needle);
bool trackMatches(const TID3ListItem &track, const SearchRequest &request);

// The matching tracks of the library, in library order, each once.
TrackList SearchTracks(const TrackSource &library, const SearchRequest &request);

} // namespace vireo::views
