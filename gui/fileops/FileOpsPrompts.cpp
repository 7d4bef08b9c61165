#include "gui/fileops/FileOpsPrompts.h"

#include "core/fileops/FileOpsTexts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace vireo::gui {

bool FileOpsPrompts::askOkCancel(QWidget *parent, const QString &text)
{
    return QMessageBox::information(parent, QApplication::applicationDisplayName(), text,
                                    QMessageBox::Ok | QMessageBox::Cancel)
        == QMessageBox::Ok;
}

bool FileOpsPrompts::askYesNo(QWidget *parent, const QString &text)
{
    return QMessageBox::warning(parent, QApplication::applicationDisplayName(), text,
                                QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

void FileOpsPrompts::warn(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, QApplication::applicationDisplayName(), text);
}

void FileOpsPrompts::inform(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}

bool FileOpsPrompts::pickFolder(QWidget *parent, QString &path)
{
    const QString chosen =
        QFileDialog::getExistingDirectory(parent, fileops::texts::folderPickerTitle(), path);
    if (chosen.isEmpty())
        return false;
    path = chosen;
    return true;
}

} // namespace vireo::gui
