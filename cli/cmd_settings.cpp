// vireo-cli settings: the settings file of the program folder, entry by entry.
//   dump            every catalogue entry as Name=value, in catalogue order,
//                   as the settings load reads it (defaults included)
//   get NAME        one entry's value (the name in any case)
//   set NAME VALUE  one write through the settings store, in the entry's form
#include "cli/commands.h"

#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsCatalogue.h"

#include <QString>

#include <cstdio>

using namespace vireo;

namespace {

void printLine(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void printError(const QString &text)
{
    const QByteArray bytes = QByteArray("vireo-cli settings: ") + text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

int usage()
{
    std::fputs("usage: vireo-cli settings dump|get NAME|set NAME VALUE\n", stderr);
    return 2;
}

const CatalogueRow *rowOrComplain(const QString &name)
{
    const CatalogueRow *row = findCatalogueRow(name);
    if (!row)
        printError(QStringLiteral("[' ") + name + QStringLiteral(" '] is invalid."));
    return row;
}

} // namespace

int cmdSettings(const QStringList &args)
{
    if (args.isEmpty())
        return usage();
    const QString &sub = args.first();
    auto store = makeSettingsStore();
    store->setMessageHandler(printError);
    // A settings file that is not text reads as defaults and is never
    // written over: say so once, before any value is shown or refused.
    if (const Result bad = checkProfileFile(store->IniFileName); !bad)
        printError(bad.message());

    if (sub == u"dump" && args.size() == 1) {
        for (const CatalogueRow &row : settingsCatalogue())
            printLine(row.name.toString() + u'=' + readSettingText(*store, row));
        return 0;
    }
    if (sub == u"get" && args.size() == 2) {
        const CatalogueRow *row = rowOrComplain(args[1]);
        if (!row)
            return 1;
        printLine(readSettingText(*store, *row));
        return 0;
    }
    if (sub == u"set" && args.size() == 3) {
        const CatalogueRow *row = rowOrComplain(args[1]);
        if (!row)
            return 1;
        if (const Result r = writeSettingText(*store, *row, args[2]); !r) {
            printError(r.message());
            return 1;
        }
        return 0;
    }
    return usage();
}
