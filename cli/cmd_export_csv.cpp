// vireo-cli export-csv FILE: the library as CSV ("CSV出力").
#include "cli/LibrarySession.h"
#include "cli/commands.h"

#include "core/fileops/CsvExport.h"

int cmdExportCsv(const QStringList &args)
{
    if (args.size() != 1 || args.first().isEmpty()) {
        cliError(QStringLiteral("usage: vireo-cli export-csv FILE"));
        return 2;
    }
    LibrarySession session;
    if (vireo::Result r = vireo::ExportCsv(session.store(), args.first()); !r) {
        cliError(r.message());
        session.finish();
        return 1;
    }
    return session.finish() ? 0 : 1;
}
