// vireo-cli: the core library from the command line, for scripts, benchmarks and checks.
#include "cli/commands.h"
#include "core/settings/TagCodePageSetting.h"

#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstring>

std::vector<CliCommand> &cliCommands()
{
    static std::vector<CliCommand> list;
    return list;
}

namespace {
const CommandRegistration builtin[] = {
    {"info", cmdInfo, "info [--json] FILE..."},
    {"tag", cmdTag, "tag FILE [--v1] [--v2] [--title T] [--artist A] [--album B] [--year Y] [--comment C] "
                    "[--track N] [--genre G] [--composer X] [--encoded-by X] [--copyright X] "
                    "[--original-artist X] [--url X] [--encoding 0|1|3] [--picture IMAGE] [--strip-v1] [--strip-v2]"},
    {"scan", cmdScan, "scan [MUSICDIR]"},
    {"rebuild", cmdRebuild, "rebuild [MUSICDIR]"},
    {"list", cmdList, "list [--json] [--v2|--v1]"},
    {"export-csv", cmdExportCsv, "export-csv FILE"},
    {"compilation", cmdCompilation, "compilation list|add NAME|remove NAME"},
    {"settings", cmdSettings, "settings dump|get NAME|set NAME VALUE"},
};

std::vector<CliCommand> sortedCommands()
{
    std::vector<CliCommand> list = cliCommands();
    std::stable_sort(list.begin(), list.end(),
                     [](const CliCommand &a, const CliCommand &b) { return std::strcmp(a.name, b.name) < 0; });
    return list;
}

int usage()
{
    std::fputs("usage: vireo-cli COMMAND [ARGS]\n", stderr);
    for (const CliCommand &c : sortedCommands())
        std::fprintf(stderr, "  vireo-cli %s\n", c.usage);
    return 2;
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h"))
        return usage();
    const QString name = args.takeFirst();
    // ID3v1 texts and the ID3v1 cache follow the tag code page of the settings file.
    vireo::applyTagCodePageSetting();
    for (const CliCommand &c : cliCommands())
        if (name == QLatin1String(c.name))
            return c.run(args);
    std::fprintf(stderr, "vireo-cli: unknown command \"%s\"\n", qPrintable(name));
    return usage();
}
