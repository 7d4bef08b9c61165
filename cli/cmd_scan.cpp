// Placeholder until this command is built.
#include "commands.h"
#include <cstdio>

int cmdScan(const QStringList &) { std::fputs("vireo-cli: not built yet\n", stderr); return 3; }
int cmdRebuild(const QStringList &) { std::fputs("vireo-cli: not built yet\n", stderr); return 3; }
