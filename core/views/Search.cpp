#include "core/views/Search.h"

#include "core/views/RecordText.h"

namespace vireo::views {

namespace {

// Fields are joined by ",,"; the first ticked field (the artist) stands alone
// only when it is the artist: every later field is appended with ",," before
// it, whether or not anything came before.
void appendField(QString &text, bool first, const QString &value)
{
    if (!first)
        text += QStringLiteral(",,");
    text += value;
}

} // namespace

QString searchTextV1(const TID3ListItem &t, unsigned fields)
{
    if (!t.HasV1)
        return QString();
    QString text;
    if (fields & SearchArtist)
        appendField(text, true, v1FieldText(t.V1.Artist));
    if (fields & SearchTitle)
        appendField(text, false, v1FieldText(t.V1.Title));
    if (fields & SearchAlbum)
        appendField(text, false, v1FieldText(t.V1.Album));
    if (fields & SearchComment)
        appendField(text, false, v1FieldText(t.V1.Comment));
    if (fields & SearchFileName)
        appendField(text, false, t.FileName);
    return text;
}

QString searchTextV2(const TID3ListItem &t, unsigned fields)
{
    if (!t.HasV2)
        return QString();
    const auto &v = t.V2;
    QString text;
    if (fields & SearchArtist)
        appendField(text, true, v.Artist);
    if (fields & SearchTitle)
        appendField(text, false, v.Title);
    if (fields & SearchAlbum)
        appendField(text, false, v.Album);
    if (fields & SearchComment)
        appendField(text, false, v.Comment);
    if (fields & SearchFileName)
        appendField(text, false, t.FileName);
    if (fields & SearchYear)
        appendField(text, false, v.Year);
    if (fields & SearchEncodedBy)
        appendField(text, false, v.EncodedBy);
    if (fields & SearchCopyright)
        appendField(text, false, v.Copyright);
    if (fields & SearchOriginalArtist)
        appendField(text, false, v.OriginalArtist);
    if (fields & SearchUrl)
        appendField(text, false, v.Url);
    if (fields & SearchComposer)
        appendField(text, false, v.Composer);
    return text;
}

bool searchMatches(const QString &haystack, const QString &needle)
{
    return !needle.isEmpty() && haystack.contains(needle, Qt::CaseInsensitive);
}

bool trackMatches(const TID3ListItem &t, const SearchRequest &r)
{
    if (r.Text.isEmpty())
        return false;
    if (r.V1 && t.HasV1 && searchMatches(searchTextV1(t, r.Fields), r.Text))
        return true;
    return r.V2 && t.HasV2 && searchMatches(searchTextV2(t, r.Fields), r.Text);
}

TrackList SearchTracks(const TrackSource &library, const SearchRequest &request)
{
    TrackList found;
    if (request.Text.isEmpty())
        return found;
    const qsizetype n = library.trackCount();
    for (qsizetype i = 0; i < n; ++i) {
        TID3ListItem *t = library.trackAt(i);
        if (trackMatches(*t, request))
            found.push_back(t);
    }
    return found;
}

} // namespace vireo::views
