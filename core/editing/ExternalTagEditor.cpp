#include "core/editing/ExternalTagEditor.h"

#include "core/platform/Paths.h"

namespace vireo::editing {

bool useExternalTagEditor(bool flag, const QString &program)
{
    return flag && !program.trimmed().isEmpty();
}

ExternalEditorCommand buildExternalEditorCommand(const QString &program, const QString &filePath,
                                                 const QString &programFolder)
{
    ExternalEditorCommand c;
    c.program = program.trimmed();
    c.parameters = u'"' + filePath + u'"';
    // The quoted parameter text stands for exactly one argument: the path is
    // passed as it is, so spaces, quotes and shell characters in it stay its own.
    c.arguments = {filePath};
    c.workingFolder = excludeTrailingSlash(programFolder);
    return c;
}

} // namespace vireo::editing
