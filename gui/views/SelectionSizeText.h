#pragma once
// The running size of the track-list selection as the status bar shows it:
// megabytes to one decimal, added up as text.
#include <QString>

#include <cstdint>

namespace vireo::gui {

// A file size in MB: whole KB (remainder dropped) / 1024, rounded to one
// decimal with halves going to the even neighbour.
double fileSizeMegabytes(int64_t bytes);
// The label text plus one file's size, in the shortest general form
// (up to 15 significant digits, "0" for zero). Text that is no number counts as 0.
QString addSelectionSize(const QString &label, int64_t bytes);

} // namespace vireo::gui
