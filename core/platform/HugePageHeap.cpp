#include "core/platform/HugePageHeap.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

namespace vireo {

namespace {

const char kTunables[] = "GLIBC_TUNABLES";
const char kHugeHeap[] = "glibc.malloc.hugetlb=1";
const char kRestarted[] = "VIREO_HUGE_PAGE_RESTART";

// True when the kernel gives huge pages to memory that asks for them and does
// not already give them to all memory.
bool hugePagesOnRequest()
{
    std::FILE *f = std::fopen("/sys/kernel/mm/transparent_hugepage/enabled", "r");
    if (!f)
        return false;
    char mode[128] = {};
    const bool read = std::fgets(mode, sizeof mode, f) != nullptr;
    std::fclose(f);
    return read && std::strstr(mode, "[madvise]") != nullptr;
}

} // namespace

void restartWithHugePageHeap(char **argv)
{
    if (std::getenv(kRestarted)) {
        unsetenv(kRestarted);
        unsetenv(kTunables);
        return;
    }
    const char *off = std::getenv("VIREO_HUGE_PAGES");
    if ((off && std::strcmp(off, "0") == 0) || std::getenv(kTunables) || !hugePagesOnRequest())
        return;
    setenv(kTunables, kHugeHeap, 1);
    setenv(kRestarted, "1", 1);
    execv("/proc/self/exe", argv);
    // Not restarted: go on as we are.
    unsetenv(kRestarted);
    unsetenv(kTunables);
}

} // namespace vireo
