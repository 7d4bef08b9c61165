#include "gui/fileops/FileClipboard.h"

#include "core/fileops/ShellHelpers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vireo::gui {

void PutFilesOnClipboard(const QStringList &paths)
{
    QGuiApplication::clipboard()->setMimeData(MakeFileMimeData(paths));
}

} // namespace vireo::gui
