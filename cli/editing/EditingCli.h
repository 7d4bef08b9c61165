#pragma once
// What the editing commands share: printing a save's outcome, and the
// progress line of a long save on a terminal.
#include "cli/ProgressLine.h"
#include "core/editing/SaveBatch.h"

#include <memory>

// Prints "N files written" and every failure (path and reason); returns the exit status.
int reportSave(const char *command, const vireo::editing::SaveOutcome &out);

// The progress of a save as a line on stderr, redrawn in place while stderr
// is a terminal (nothing otherwise). clear() before printing the results.
class SaveProgressLine {
public:
    explicit SaveProgressLine(QString label);
    vireo::editing::SaveProgress callback();
    // For saves that report (done, total) only.
    void update(qint64 done, qint64 total, const QString &path = QString());
    void clear() { m_line->clear(); }

private:
    QString m_label;
    std::shared_ptr<ProgressLine> m_line;
};
