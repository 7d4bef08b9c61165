// vireo-cli compilation list|add NAME|remove NAME: the compilation list.
#include "cli/LibrarySession.h"
#include "cli/commands.h"

#include <cstdio>

int cmdCompilation(const QStringList &args)
{
    const QString usage = QStringLiteral("usage: vireo-cli compilation list|add NAME|remove NAME");
    if (args.isEmpty()) {
        cliError(usage);
        return 2;
    }
    const QString verb = args.first();
    const bool list = verb == QLatin1String("list");
    const bool add = verb == QLatin1String("add");
    const bool remove = verb == QLatin1String("remove");
    if ((list && args.size() != 1) || ((add || remove) && args.size() != 2) || !(list || add || remove)) {
        cliError(usage);
        return 2;
    }
    LibrarySession session;
    vireo::TID3TagUseful &store = session.store();
    if (list) {
        for (const QString &name : store.Compilations()) {
            const QByteArray bytes = (name + u'\n').toUtf8();
            std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        }
    } else {
        vireo::Result r = add ? store.AddCompilation(args[1]) : store.RemoveCompilation(args[1]);
        if (!r) {
            cliError(r.message());
            session.finish();
            return 1;
        }
    }
    return session.finish() ? 0 : 1;
}
