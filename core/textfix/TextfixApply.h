#pragma once
// Writing chosen repairs back to the files: the file's tags are read again
// and each field must still hold what the scan saw, else it is skipped. An
// ID3v2 repair rewrites the tag as UTF-16 with a byte-order mark (so every
// program reads it); an ID3v1 repair is written in the tag code page when
// that can hold the text, and otherwise the text goes to the ID3v2 tag and
// the ID3v1 bytes stay as they are. The library's track records follow, so
// the caches written afterwards hold the new values.
#include "core/textfix/TextfixScan.h"

#include <QList>
#include <QString>

#include <functional>

namespace vireo {
class TID3TagUseful;
namespace editing {
class UndoJournal;
}
}

namespace vireo::textfix {

struct FileOutcome {
    QString file;
    bool ok = false;
    int fieldsWritten = 0;
    QStringList notes;   // fields skipped and why, or where a text went
    QString error;       // why the file could not be written
};

struct ApplyReport {
    QList<FileOutcome> files;
    int fieldsWritten = 0;
    int filesFailed = 0;
    QString journalError; // why the repairs cannot be taken back, when they cannot
};

// The suspects of a list that reach the minimum confidence and are repairs
// (uncertain ones are never applied automatically).
QList<Suspect> selectForApply(const QList<Suspect> &suspects, double minConfidence);

// Writes the repairs of the chosen suspects (any verdict: the user chose
// them), file by file. `store` (may be null) has its track records updated.
// progress: (files done, files in all), never required. With a journal, the
// repairs are one save that undo takes back: every file's tag bytes are kept
// before the first file changes.
ApplyReport applyRepairs(const QList<Suspect> &chosen, TID3TagUseful *store,
                         const std::function<void(qsizetype, qsizetype)> &progress = {},
                         editing::UndoJournal *journal = nullptr);

} // namespace vireo::textfix
