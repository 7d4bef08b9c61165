#pragma once
// "ファイル削除": asks about the first selected row, then moves every selected
// file to the Trash. Only files the Trash took (or that were already gone)
// leave the list and the library; the user is told about the others, which
// are never deleted for good.
#include "core/fileops/ShellHelpers.h"

#include <QStringList>

class QWidget;

namespace vireo::gui {

class FileOpsPrompts;

class TrashCommand {
public:
    explicit TrashCommand(FileOpsPrompts &prompts, TrashFunction trash = {})
        : m_prompts(prompts), m_trash(std::move(trash))
    {
    }

    // fileNameCell and titleCell: the first selected row's cells; paths: all
    // selected rows' files. Returns the paths to remove from the list and the
    // library (none after No).
    QStringList run(QWidget *parent, const QString &fileNameCell, const QString &titleCell,
                    const QStringList &paths) const;

private:
    FileOpsPrompts &m_prompts;
    TrashFunction m_trash;
};

} // namespace vireo::gui
