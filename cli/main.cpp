// vireo-cli: the core library from the command line, for scripts, benchmarks and checks.
#include "cli/commands.h"
#include "core/platform/HugePageHeap.h"
#include "core/settings/TagCodePageSetting.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

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

// The options a command's usage names, and whether each takes a value
// ("--title T" does, "--json" does not).
struct OptionSpec {
    QString name;
    bool takesValue;
};

std::vector<OptionSpec> optionsOf(const CliCommand &c)
{
    std::vector<OptionSpec> list;
    static const QRegularExpression re(QStringLiteral("(--[a-z0-9-]+)(?:[ =]([^\\s\\[\\]|-][^\\s\\[\\]]*))?"));
    auto it = re.globalMatch(QString::fromUtf8(c.usage));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        list.push_back({m.captured(1), m.capturedLength(2) > 0});
    }
    return list;
}

// Refuses what the command's usage does not name, so a mistyped option is
// never taken as a file name; "--" ends the options. Returns the offending
// argument, or an empty string when all are known.
QString unknownOption(const CliCommand &c, const QStringList &args)
{
    const std::vector<OptionSpec> known = optionsOf(c);
    static const QRegularExpression number(QStringLiteral("^-[0-9]"));
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--"))
            break;
        if (!a.startsWith(QLatin1Char('-')) || a == QLatin1String("-") || number.match(a).hasMatch())
            continue;
        const QString name = a.section(QLatin1Char('='), 0, 0);
        auto found = std::find_if(known.begin(), known.end(), [&](const OptionSpec &o) { return o.name == name; });
        if (found == known.end())
            return a;
        if (found->takesValue && !a.contains(QLatin1Char('=')))
            ++i; // its value may begin with "-"
    }
    return {};
}

int commandUsage(const CliCommand &c, FILE *out)
{
    std::fprintf(out, "usage: vireo-cli %s\n", c.usage);
    return out == stdout ? 0 : 2;
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
    // Commands that build the records of the whole library.
    static const char *const libraryCommands[] = {"scan", "rebuild", "list", "export-csv", "rename", "textfix"};
    if (argc > 1 && std::any_of(std::begin(libraryCommands), std::end(libraryCommands),
                                [&](const char *c) { return std::strcmp(argv[1], c) == 0; }))
        vireo::restartWithHugePageHeap(argv);
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h"))
        return usage();
    const QString name = args.takeFirst();
    // ID3v1 texts and the ID3v1 cache follow the tag code page of the settings file.
    vireo::applyTagCodePageSetting();
    for (const CliCommand &c : cliCommands()) {
        if (name != QLatin1String(c.name))
            continue;
        const qsizetype end = args.indexOf(QStringLiteral("--"));
        const QStringList options = end < 0 ? args : args.mid(0, end);
        if (options.contains(QStringLiteral("--help")) || options.contains(QStringLiteral("-h")))
            return commandUsage(c, stdout);
        const QString bad = unknownOption(c, args);
        if (!bad.isEmpty()) {
            std::fprintf(stderr, "vireo-cli %s: unknown option \"%s\"\n", c.name, qPrintable(bad));
            return commandUsage(c, stderr);
        }
        return c.run(args);
    }
    std::fprintf(stderr, "vireo-cli: unknown command \"%s\"\n", qPrintable(name));
    return usage();
}
