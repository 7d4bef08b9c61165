#pragma once
// What the editing commands share: printing a save's outcome with its
// progress on stderr.
#include "core/editing/SaveBatch.h"

// Prints "N files written" and every failure (path and reason); returns the exit status.
int reportSave(const char *command, const vireo::editing::SaveOutcome &out);
// Progress on stderr every 100 files (and for the last one).
vireo::editing::SaveProgress stderrProgress();
