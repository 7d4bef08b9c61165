#include "gui/fileops/TrashCommand.h"

#include "gui/fileops/FileOpsPrompts.h"

namespace vireo::gui {

QStringList TrashCommand::run(QWidget *parent, const QString &fileNameCell, const QString &titleCell,
                              const QStringList &paths) const
{
    if (paths.isEmpty() || !m_prompts.askYesNo(parent, DeleteQuestion(fileNameCell, titleCell)))
        return {};
    const TrashReport report = TrashFiles(paths, m_trash);
    if (!report.allTrashed())
        m_prompts.warn(parent, report.refusedMessage());
    return report.trashed + report.vanished;
}

} // namespace vireo::gui
