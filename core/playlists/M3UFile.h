#pragma once
// One M3U playlist: its path and its entries, exactly as the lines hold them
// (full paths, relative paths or bare names). Reads the marked Unicode forms
// and unmarked text; saves the Unicode form (FF FE, UTF-16LE, CR LF after
// every entry). The plain form (system code page, CR LF) is written by
// writePlainPlaylist for the temporary playlist and for new playlists.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace vireo {

// Splits playlist bytes into entries: the encoding comes from the first bytes
// (FF FE, FE FF, EF BB BF, else UTF-8 when valid, else the tag code page);
// lines end at CR, LF or U+2028 with CR LF counted once; "#" lines are dropped.
QStringList parseM3U(QByteArrayView bytes);
// The Unicode form: FF FE, then each entry and CR LF as UTF-16LE.
QByteArray renderM3UUnicode(const QStringList &entries);
// The plain form: each path in the system code page (UTF-8) and CR LF.
QByteArray renderM3UPlain(const QStringList &paths);
// Creates or replaces path with the plain form of paths. The old file stays
// untouched when the new one cannot be written completely.
Result writePlainPlaylist(const QString &path, const QStringList &paths);

class TM3UFile {
public:
    // Makes the object and reads the file at once; fails (no object) when the
    // file cannot be read.
    static ResultOf<TM3UFile> Create(const QString &fileName);
    // An object for a file that is not read (for example a playlist about to be
    // saved under a new name).
    explicit TM3UFile(QString fileName, QStringList entries = {})
        : m_fileName(std::move(fileName)), m_entries(std::move(entries)) {}

    // Empties the entries and reads the file again. On failure the entries are empty.
    Result Load();
    // Writes the entries to the file in the Unicode form, replacing it. On
    // failure the file on disk and the entries are unchanged.
    Result Save() const;

    const QString &FileName() const { return m_fileName; }
    const QStringList &Entries() const { return m_entries; }
    QStringList &Entries() { return m_entries; }

private:
    QString m_fileName;
    QStringList m_entries;
};

// An entry resolved against the playlist's folder: absolute entries stay as
// they are, relative ones and bare names are joined to the folder. Windows
// separators in relative entries become "/".
QString resolveM3UEntry(const QString &playlistPath, const QString &entry);

} // namespace vireo
