#include "core/editing/TagEditorModel.h"

#include "core/editing/EditingTexts.h"
#include "core/editing/SaveBatch.h"
#include "core/editing/TagWriteBack.h"
#include "core/formats/GenreTable.h"
#include "core/formats/ID3v2.h"
#include "core/library/LibraryStore.h"
#include "core/library/TrackRecord.h"
#include "core/platform/CodePage.h"
#include "core/platform/FileAccess.h"

#include <algorithm>

#include <iconv.h>

namespace vireo::editing {

namespace {

uint8_t genreCodeOfEntry(const QString &entry)
{
    return entry.isEmpty() ? NoGenre : GenreCode(entry);
}

// The number of a digits-only edit; 0 when empty.
int editNumber(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n > 0 ? n : 0;
}

// Labels of texts the tag code page cannot hold.
void collectLossy(QStringList &out, const char *label, const QString &text)
{
    if (!text.isEmpty() && throughTagCodePage(text) != text)
        out.append(QString::fromUtf8(label) + QStringLiteral("：") + text);
}

} // namespace

TagEditorModel::TagEditorModel(TID3TagUseful &store, UndoJournal *journal) : m_store(store), m_journal(journal) {}

QStringList TagEditorModel::genreEntries()
{
    QStringList names;
    FillGenreList(names);
    std::stable_sort(names.begin(), names.end(),
                     [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    names.prepend(QString());
    return names;
}

QStringList TagEditorModel::encodingEntries()
{
    return {QStringLiteral("ANSI"), QStringLiteral("Unicode"), QStringLiteral("UTF-8")};
}

int TagEditorModel::encodingCode(int index)
{
    return index == 1 ? 1 : index == 2 ? 3 : 0;
}

int TagEditorModel::encodingIndexOf(int code)
{
    return code == 1 || code == 2 ? 1 : code == 3 ? 2 : 0;
}

QStringList TagEditorModel::v1CodePageEntries()
{
    return {QString(), QStringLiteral("CP1252"), QStringLiteral("ISO-8859-1"), QStringLiteral("UTF-8"),
            QStringLiteral("CP932"), QStringLiteral("CP936"), QStringLiteral("CP949"), QStringLiteral("CP950"),
            QStringLiteral("CP1251"), QStringLiteral("CP1250")};
}

QString TagEditorModel::decodeV1(QByteArrayView bytes) const
{
    // The fields end at their first zero byte, whatever the code page.
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes = bytes.first(nul);
    return m_v1CodePage.isEmpty() ? fromTagCodePage(bytes) : decodeWith(m_v1CodePage, bytes);
}

QByteArray TagEditorModel::encodeV1(QStringView text) const
{
    return m_v1CodePage.isEmpty() ? toTagCodePage(text) : encodeWith(m_v1CodePage, text);
}

void TagEditorModel::setV1CodePage(const QByteArray &name)
{
    m_v1CodePage = name;
    if (!name.isEmpty()) {
        const iconv_t cd = ::iconv_open("UTF-8", name.constData());
        if (cd == iconv_t(-1))
            m_v1CodePage.clear(); // not a code page the converter knows
        else
            ::iconv_close(cd);
    }
    if (m_track && m_track->HasV1 && v1.enabled)
        fillV1();
}

void TagEditorModel::open(TID3ListItem *track)
{
    m_v1CodePage.clear();
    m_track = track;
    m_rebuild = false;
    v1 = TagEditorV1Side();
    v2 = TagEditorV2Side();
    v1.enabled = track->HasV1;
    v2.enabled = track->HasV2;
    if (v1.enabled)
        fillV1();
    fillV2();
}

void TagEditorModel::fillV1()
{
    const TID3v1Record &r = m_track->V1;
    v1.title = decodeV1(r.Title.bytes());
    v1.artist = decodeV1(r.Artist.bytes());
    v1.album = decodeV1(r.Album.bytes());
    v1.year = decodeV1(r.Year.bytes());
    v1.comment = decodeV1(r.Comment.bytes());
    v1.genre = r.Genre < GenreCount ? GenreName(r.Genre) : QString();
    v1.trackChecked = r.Track != 0;
    v1.track = r.Track != 0 ? QString::number(r.Track) : QString();
}

void TagEditorModel::fillV2()
{
    const bool enabled = v2.enabled;
    v2 = TagEditorV2Side();
    v2.enabled = enabled;
    v2.compilation = m_track->CompilationIndex >= 0;
    TID3v2 tag;
    if (tag.LoadTag(m_track->FileName) && tag.Present()) {
        v2.title = tag.Title();
        v2.artist = tag.Artist();
        v2.album = tag.Album();
        v2.year = tag.Year();
        v2.genre = tag.Genre();
        v2.comment = tag.Comment();
        v2.encodedBy = tag.EncodedBy();
        v2.copyright = tag.Copyright();
        v2.originalArtist = tag.OriginalArtist();
        v2.url = tag.Url();
        v2.composer = tag.Composer();
        v2.track = tag.TrackNumber() > 0 ? QString::number(tag.TrackNumber()) : QString();
        v2.encodingIndex = encodingIndexOf(tag.TextEncoding());
        if (!tag.Picture().MimeType.isEmpty()) {
            v2.pictureMime = tag.Picture().MimeType;
            v2.pictureData = tag.Picture().ImageData;
        }
    }
    m_shownEncoding = v2.encodingIndex;
}

void TagEditorModel::setTrackChecked(bool on)
{
    v1.trackChecked = on;
    if (v1.comment.size() > commentLimit()) {
        QByteArray bytes = encodeV1(v1.comment);
        bytes.remove(28, 2);
        v1.comment = decodeV1(bytes);
    }
}

QString TagEditorModel::setV1Enabled(bool on)
{
    v1.enabled = on;
    return !on && m_track && m_track->HasV1 ? texts::v1WillBeRemoved() : QString();
}

QString TagEditorModel::setV2Enabled(bool on)
{
    v2.enabled = on;
    return on ? QString() : texts::v2WillBeRemoved();
}

void TagEditorModel::copyV1ToV2()
{
    v2.enabled = true;
    v2.title = v1.title;
    v2.artist = v1.artist;
    v2.album = v1.album;
    v2.year = v1.year;
    v2.genre = v1.genre;
    v2.comment = v1.comment;
    if (!v1.track.isEmpty())
        v2.track = v1.track;
}

void TagEditorModel::copyV2ToV1()
{
    v1.enabled = true;
    v1.title = v2.title;
    v1.artist = v2.artist;
    v1.album = v2.album;
    v1.year = v2.year;
    const QStringList entries = genreEntries();
    v1.genre = entries.contains(v2.genre) ? v2.genre : QString();
    v1.comment = v2.comment;
    if (editNumber(v2.track) > 0) {
        v1.track = QString::number(editNumber(v2.track));
        v1.trackChecked = true;
    } else {
        v1.track.clear();
        v1.trackChecked = false;
    }
}

Result TagEditorModel::choosePicture(const QString &path)
{
    QByteArray data;
    if (!readWholeFile(path, data))
        return Result::failure(ErrorCode::NotFound, path + QStringLiteral(": cannot read the file"));
    const QString mime = pictureMimeFromContent(data.left(16));
    if (mime.isEmpty())
        return Result::failure(ErrorCode::BadData, texts::pictureUnknown().arg(path));
    v2.pictureFile = path;
    v2.pictureMime = mime;
    v2.pictureData = data;
    return Result::success();
}

bool TagEditorModel::hasChanges()
{
    bool changed = false;
    const TID3ListItem &t = *m_track;
    if (v1.enabled) {
        const TID3v1Record &r = t.V1;
        const int track = editNumber(v1.track);
        const bool trackDiffers = r.Track != 0 ? (v1.track.isEmpty() || track != r.Track) : !v1.track.isEmpty();
        const bool differs[] = {v1.title != decodeV1(r.Title.bytes()),   v1.artist != decodeV1(r.Artist.bytes()),
                                v1.album != decodeV1(r.Album.bytes()),   v1.year != decodeV1(r.Year.bytes()),
                                v1.comment != decodeV1(r.Comment.bytes()), genreCodeOfEntry(v1.genre) != r.Genre,
                                trackDiffers};
        changed = std::any_of(std::begin(differs), std::end(differs), [](bool d) { return d; });
        // A new artist or album moves the track in the trees, whatever else changed.
        if (differs[1] || differs[2])
            m_rebuild = true;
    } else if (t.HasV1) {
        changed = true;
    }
    if (v2.enabled) {
        const TID3v2Record &r = t.V2;
        const bool artist = v2.artist != r.Artist, album = v2.album != r.Album;
        if (artist || album)
            m_rebuild = true;
        if (v2.title != r.Title || artist || album || editNumber(v2.track) != r.TrackNumber || v2.year != r.Year
            || v2.genre != r.Genre || v2.comment != r.Comment || v2.encodedBy != r.EncodedBy
            || v2.copyright != r.Copyright || v2.originalArtist != r.OriginalArtist || v2.url != r.Url
            || v2.composer != r.Composer || v2.encodingIndex != m_shownEncoding || !v2.pictureFile.isEmpty()
            || v2.compilation != (t.CompilationIndex >= 0))
            changed = true;
    } else if (t.HasV2) {
        changed = true;
    }
    return changed;
}

TagEditorModel::SaveCheck TagEditorModel::checkBeforeSave() const
{
    SaveCheck c;
    // The ID3v1 track is one byte.
    if (v1.enabled && v1.trackChecked && editNumber(v1.track) > 255) {
        c.error = texts::trackTooLarge();
        return c;
    }
    QStringList lossy;
    if (v1.enabled) {
        // In the code page chosen for this file's ID3v1 tag.
        const auto v1Lossy = [&](const char *label, const QString &text) {
            if (!text.isEmpty() && decodeV1(encodeV1(text)) != text)
                lossy.append(QString::fromUtf8(label) + QStringLiteral("：") + text);
        };
        v1Lossy("ID3v1 Title", v1.title);
        v1Lossy("ID3v1 Artist", v1.artist);
        v1Lossy("ID3v1 Album", v1.album);
        v1Lossy("ID3v1 Comment", v1.comment);
    }
    if (v2.enabled && v2.encodingIndex == 0) {
        collectLossy(lossy, "Title", v2.title);
        collectLossy(lossy, "Artist", v2.artist);
        collectLossy(lossy, "Album", v2.album);
        collectLossy(lossy, "Genre", v2.genre);
        collectLossy(lossy, "Comment", v2.comment);
        collectLossy(lossy, "エンコード", v2.encodedBy);
        collectLossy(lossy, "著作権", v2.copyright);
        collectLossy(lossy, "ｵﾘｼﾞﾅﾙ", v2.originalArtist);
        collectLossy(lossy, "URL", v2.url);
        collectLossy(lossy, "作曲者", v2.composer);
    }
    if (!lossy.isEmpty())
        c.warning = texts::ansiLosesCharacters().arg(lossy.join(QLatin1Char('\n')));
    return c;
}

Result TagEditorModel::save()
{
    const bool writeV1Side = v1.enabled;
    const bool writeV2Side = v2.enabled;
    Result first;
    const auto note = [&first](const Result &r) {
        if (!r && first.ok())
            first = r;
    };
    const TrackWrite write = [&](TID3ListItem &t) -> Result {
        if (writeV1Side) {
            TID3v1Record &r = t.V1;
            r.Title = encodeV1(v1.title);
            r.Artist = encodeV1(v1.artist);
            r.Album = encodeV1(v1.album);
            r.Year = encodeV1(v1.year);
            r.Genre = genreCodeOfEntry(v1.genre);
            r.Comment = encodeV1(v1.comment).left(commentLimit());
            r.Track = v1.trackChecked && !v1.track.isEmpty() ? uint8_t(editNumber(v1.track)) : 0;
            note(writeV1(t, m_store.V1Reader()));
        } else if (t.HasV1) {
            note(removeV1(t, m_store.V1Reader()));
        }
        if (writeV2Side) {
            TID3v2Record &r = t.V2;
            const bool ansi = v2.encodingIndex == 0;
            r.Title = v2.title;
            r.Artist = v2.artist;
            r.Album = v2.album;
            r.TrackNumber = uint16_t(std::min(editNumber(v2.track), 65535));
            r.Year = v2.year;
            r.Genre = m_store.GenreText(ansi ? throughTagCodePage(v2.genre) : v2.genre);
            r.Comment = v2.comment;
            r.EncodedBy = v2.encodedBy;
            r.Copyright = v2.copyright;
            r.OriginalArtist = v2.originalArtist;
            r.Url = v2.url;
            r.Composer = v2.composer;
            r.TextEncoding = uint16_t(encodingCode(v2.encodingIndex));
            if (!v2.pictureFile.isEmpty()) {
                r.PictureSourceFile = v2.pictureFile;
                r.PictureMimeType = v2.pictureMime;
            }
            note(writeV2(t));
            // The chosen picture is embedded once, not again by a later save of the record.
            r.PictureSourceFile.clear();
            r.PictureMimeType.clear();
        } else if (t.HasV2) {
            note(removeV2(t));
        }
        return first;
    };
    const SaveOutcome out = runSave(m_store, m_journal, QStringLiteral("tag edit: ") + m_track->FileName,
                                    {m_track}, write);
    if (!out.tracks.isEmpty())
        m_track = out.tracks.first();
    if (writeV2Side) {
        const Result c = v2.compilation ? m_store.AddCompilation(v2.album) : m_store.RemoveCompilation(v2.album);
        m_rebuild = true;
        if (first.ok() && !c)
            return c;
    }
    return first;
}

} // namespace vireo::editing
