#pragma once
// "ファイルコピー ": puts files on the clipboard in the forms Linux file
// managers paste (text/uri-list, x-special/gnome-copied-files "copy", plain
// text), replacing what was there.
#include <QStringList>

namespace vireo::gui {

void PutFilesOnClipboard(const QStringList &paths);

} // namespace vireo::gui
