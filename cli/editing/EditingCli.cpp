#include "cli/editing/EditingCli.h"

#include "core/editing/TagWriteBack.h"

#include <cstdio>

int reportSave(const char *command, const vireo::editing::SaveOutcome &out)
{
    const int written = out.done - int(out.failures.size());
    std::printf("%d of %d files written\n", written, out.total);
    for (const vireo::editing::FileFailure &f : out.failures)
        std::fprintf(stderr, "vireo-cli %s: %s: %s (%s)\n", command, f.path.toUtf8().constData(),
                     vireo::editing::reasonText(f.result).toUtf8().constData(),
                     f.result.message().toUtf8().constData());
    if (!out.journal.ok())
        std::fprintf(stderr, "vireo-cli %s: %s\n", command, out.journal.message().toUtf8().constData());
    return out.failures.isEmpty() ? 0 : 1;
}

vireo::editing::SaveProgress stderrProgress()
{
    return [](int index, int total, const QString &) {
        if (total >= 100 && (index % 100 == 0))
            std::fprintf(stderr, "%d / %d\n", index, total);
        return true;
    };
}
