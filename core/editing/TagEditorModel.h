#pragma once
// The tag editor's state and rules without a window: the ID3v1 side filled
// from the track record, the ID3v2 side from the file, the copies between the
// sides, the change test with its rebuild flag, the checks before a save and
// the save itself. The dialog mirrors these fields in its controls.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vireo {
class TID3ListItem;
class TID3TagUseful;
}

namespace vireo::editing {

class UndoJournal;

struct TagEditorV1Side {
    bool enabled = false;
    QString title, artist, album, year;
    QString genre; // the list entry: "" (the empty entry) or a genre name
    QString comment;
    bool trackChecked = false;
    QString track;
};

struct TagEditorV2Side {
    bool enabled = false;
    int encodingIndex = 0; // list position: 0 "ANSI", 1 "Unicode", 2 "UTF-8"
    QString title, artist, album, year, track, genre, comment;
    QString encodedBy, copyright, originalArtist, url, composer;
    QString pictureFile;    // "ファイル：": a picture chosen to embed
    QString pictureMime;    // "MIME TYPE："
    QByteArray pictureData; // the picture shown (embedded or chosen)
    bool compilation = false;
};

class TagEditorModel {
public:
    static constexpr int TextLimit = 30;
    static constexpr int YearLimit = 4;
    static constexpr int CopyrightLimit = 100;

    explicit TagEditorModel(TID3TagUseful &store, UndoJournal *journal = nullptr);

    // The empty entry first, then the 148 genre names sorted alphabetically.
    static QStringList genreEntries();
    // "ANSI", "Unicode", "UTF-8".
    static QStringList encodingEntries();
    static int encodingCode(int index);      // 0, 1, 3
    static int encodingIndexOf(int code);    // 1 and 2 -> "Unicode", unknown -> "ANSI"

    // Starts editing a record: both sides filled, rebuild flag cleared.
    void open(TID3ListItem *track);
    TID3ListItem *track() const { return m_track; }
    // "元に戻す" of each side.
    void fillV1();
    void fillV2();

    TagEditorV1Side v1;
    TagEditorV2Side v2;

    // The code page this file's ID3v1 tag is read and written in: empty for
    // the tag code page (the default), else a name the converter knows. A
    // Western file among Japanese ones then reads right without a global change.
    static QStringList v1CodePageEntries(); // "" first, then the names offered
    QByteArray v1CodePage() const { return m_v1CodePage; }
    // Shows the record's ID3v1 bytes again through the chosen code page (the
    // left side is refilled; an unknown name falls back to the tag code page).
    void setV1CodePage(const QByteArray &name);

    // The comment limit: 28 characters while the track box is checked, else 30.
    int commentLimit() const { return v1.trackChecked ? 28 : 30; }
    // Checking "TrackNo": when the comment is then longer than the limit,
    // bytes 29 and 30 of its tag code-page form are taken out.
    void setTrackChecked(bool on);
    // Unchecking a side; returns the message to show (empty for none).
    QString setV1Enabled(bool on);
    QString setV2Enabled(bool on);

    void copyV1ToV2(); // "ID3v2へコピー"
    void copyV2ToV1(); // "ID3v1へコピー"

    // "画像選択": the MIME type comes from the file's content; a file that is no
    // picture is refused with a message and nothing changes.
    Result choosePicture(const QString &path);

    // The change test; sets the rebuild flag.
    bool hasChanges();
    bool rebuildNeeded() const { return m_rebuild; }

    // Checks before a save: an error keeps the dialog open; a warning asks the
    // user whether to go on.
    struct SaveCheck {
        QString error;
        QString warning;
    };
    SaveCheck checkBeforeSave() const;

    // Writes both sides; the record is read again from the file afterwards
    // (track() is then the library's new record). A failure names the file
    // and the reason and the save goes on with the other side.
    Result save();

private:
    TID3TagUseful &m_store;
    UndoJournal *m_journal;
    TID3ListItem *m_track = nullptr;
    bool m_rebuild = false;
    int m_shownEncoding = 0;
    QByteArray m_v1CodePage;
    QString decodeV1(QByteArrayView bytes) const;
    QByteArray encodeV1(QStringView text) const;
};

} // namespace vireo::editing
