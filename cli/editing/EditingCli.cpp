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

SaveProgressLine::SaveProgressLine(QString label)
    : m_label(std::move(label)), m_line(std::make_shared<ProgressLine>())
{
}

void SaveProgressLine::update(qint64 done, qint64 total, const QString &path)
{
    m_line->update(m_label, done, total, path);
}

vireo::editing::SaveProgress SaveProgressLine::callback()
{
    return [line = m_line, label = m_label](int index, int total, const QString &path) {
        line->update(label, index, total, path);
        return true;
    };
}
