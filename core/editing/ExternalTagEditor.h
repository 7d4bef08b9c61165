#pragma once
// "ID3Tag編集" with an outside tag editor (settings ID3TAGEditorFlg and
// ID3TAGEditor): the program is started on the file, its full path quoted as
// the parameter text, in the program folder. Built as data so the exact
// command can be checked and logged.
#include <QString>
#include <QStringList>

namespace vireo::editing {

struct ExternalEditorCommand {
    QString program;       // the ID3TAGEditor setting
    QString parameters;    // the parameter text: the path in double quotes
    QStringList arguments; // what the program receives: the path, as one argument
    QString workingFolder; // the program folder without its final "/"
};

// The external editor is used when the setting is on and names a program.
bool useExternalTagEditor(bool flag, const QString &program);

ExternalEditorCommand buildExternalEditorCommand(const QString &program, const QString &filePath,
                                                 const QString &programFolder);

} // namespace vireo::editing
