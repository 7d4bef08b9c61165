#pragma once
// The subcommands of vireo-cli, one file (or folder) each. Every command takes
// its own arguments (without the command name) and returns the process exit
// status. A command registers itself at static initialisation:
//   static const CommandRegistration reg{"name", cmdName, "name [ARGS]"};
#include <QStringList>

#include <vector>

struct CliCommand {
    const char *name;
    int (*run)(const QStringList &);
    const char *usage;
};

// Every registered command, in the order the usage lists them (by name).
std::vector<CliCommand> &cliCommands();

struct CommandRegistration {
    CommandRegistration(const char *name, int (*run)(const QStringList &), const char *usage)
    {
        cliCommands().push_back({name, run, usage});
    }
};

int cmdInfo(const QStringList &args);      // info [--json] FILE...
int cmdTag(const QStringList &args);       // tag FILE [--v1] [--v2] ...
int cmdScan(const QStringList &args);      // scan [MUSICDIR]
int cmdRebuild(const QStringList &args);   // rebuild [MUSICDIR]
int cmdList(const QStringList &args);      // list [--json] [--v2|--v1]
int cmdExportCsv(const QStringList &args); // export-csv FILE
int cmdCompilation(const QStringList &args); // compilation list|add NAME|remove NAME
int cmdSettings(const QStringList &args);  // settings dump|get NAME|set NAME VALUE
