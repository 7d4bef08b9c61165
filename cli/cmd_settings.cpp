// Placeholder until this command is built.
#include "commands.h"
#include <cstdio>

int cmdSettings(const QStringList &) { std::fputs("vireo-cli: not built yet\n", stderr); return 3; }
