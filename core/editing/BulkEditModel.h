#pragma once
// The bulk tag editor's state and rules without a window: the boxes that give
// one artist, album, year and genre to every track, the two grids of per-track
// values (one row per track, the same track in the same row of both), the
// field boxes that choose what is written, and the save over all rows.
#include "core/editing/SaveBatch.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vireo {
class TID3ListItem;
class TID3TagUseful;
}

namespace vireo::editing {

class UndoJournal;

// An editable box with the entries found and the text shown.
struct ComboState {
    QStringList items;
    QString text;
    int selected = -1;
    void addUnique(const QString &item);
    void select(int index);
};

class BulkEditModel {
public:
    // Grid columns.
    enum V1Column { V1File, V1Track, V1Title, V1Comment, V1Columns };
    enum V2Column { V2File, V2Track, V2Title, V2Comment, V2EncodedBy, V2Copyright, V2OriginalArtist, V2Url,
                    V2Composer, V2Columns };
    static QStringList v1Header();
    static QStringList v2Header();
    // "ANSI", "Unicode", "UTF-8" (the list is sorted).
    static QStringList encodingEntries();

    explicit BulkEditModel(TID3TagUseful &store, UndoJournal *journal = nullptr);

    // Every box ticked, the combo boxes and both grids emptied, both tag boxes unticked.
    void reset();
    // Adds a track: ticks the tag boxes it has tags for, collects its values
    // into the boxes and appends its row to both grids.
    void addTrack(TID3ListItem *track);
    // Before the dialog shows: the first entry of the artist, album and year boxes selected.
    void prepareShow();

    // Tag boxes; the five ID3v2-only field boxes follow the ID3v2 box.
    bool v1Enabled = false;
    bool v2Enabled() const { return m_v2Enabled; }
    void setV2Enabled(bool on);
    int encodingIndex = -1; // -1: no choice (ANSI)

    bool chkArtist = true, chkAlbum = true, chkYear = true, chkGenre = true;
    bool chkTrack = true, chkTitle = true, chkComment = true;
    bool chkEncodedBy = true, chkCopyright = true, chkOriginal = true, chkUrl = true, chkComposer = true;

    ComboState artist, album, year, selGenre;
    ComboState genreChoices; // GenreComb: the empty entry and every genre name, sorted

    // "<<": the chosen genre of GenreComb into SelGenreComb, and selected there.
    void copyChosenGenre();

    // The grids: row 0 is the header.
    QList<QStringList> v1Grid, v2Grid;
    QList<TID3ListItem *> v1Tracks, v2Tracks; // row objects (row 0: none)
    int rowCount() const { return int(v1Grid.size()) - 1; }
    void copyV1ToV2(); // "v1->v2": columns 0 to 3 with the row objects, header included
    void copyV2ToV1(); // "v2->v1"

    // A warning to confirm before saving (texts the tag code page cannot hold
    // with the "ANSI" encoding); empty when none.
    QString checkBeforeSave() const;

    // "更新して終了": writes every row; failures are listed, the others go on.
    SaveOutcome save(const SaveProgress &progress = {});
    // The artist and album boxes' texts when the save was confirmed.
    QString confirmedArtist() const { return m_confirmedArtist; }
    QString confirmedAlbum() const { return m_confirmedAlbum; }

private:
    Result writeRow(TID3ListItem &t, int row);
    bool anyV1Field() const;
    bool anyV2Field() const;

    TID3TagUseful &m_store;
    UndoJournal *m_journal;
    bool m_v2Enabled = false;
    QString m_confirmedArtist, m_confirmedAlbum;
};

// Trims blanks and control characters (codes 0 to 32) at both ends.
QString trimBlanks(const QString &text);

} // namespace vireo::editing
