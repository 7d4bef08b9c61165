#pragma once
// The questions and messages of the file commands, and the folder picker.
// The window shows real message boxes; tests give answers of their own.
#include <QString>

class QWidget;

namespace vireo::gui {

class FileOpsPrompts {
public:
    virtual ~FileOpsPrompts() = default;
    // Information mark, OK and Cancel; true for OK.
    virtual bool askOkCancel(QWidget *parent, const QString &text);
    // Warning mark, Yes and No; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &text);
    // Warning mark and OK.
    virtual void warn(QWidget *parent, const QString &text);
    // A plain box with OK.
    virtual void inform(QWidget *parent, const QString &text);
    // "フォルダを選択してください。": starts at path (when not empty); on OK
    // replaces path and returns true, on cancel leaves it.
    virtual bool pickFolder(QWidget *parent, QString &path);
};

} // namespace vireo::gui
