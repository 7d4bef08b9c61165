// Times one start of the main window over the program folder in $VIREO_HOME
// (from process start to the window shown, and the close that writes the
// settings and caches) and reports the peak memory.
#include "gui/app/AppServices.h"
#include "gui/app/VireoApplication.h"
#include "gui/app/VireoMainForm.h"
#include "core/library/LibraryStore.h"
#include "core/platform/HugePageHeap.h"

#include <QElapsedTimer>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace {
// Milliseconds since the kernel started this process (10 ms steps): unlike
// the clock in main, it counts the dynamic loading and any restart.
long long sinceProcessStart()
{
    std::FILE *f = std::fopen("/proc/self/stat", "r");
    if (!f)
        return -1;
    char buffer[1024] = {};
    const size_t n = std::fread(buffer, 1, sizeof buffer - 1, f);
    std::fclose(f);
    const char *p = std::strrchr(buffer, ')'); // the name may hold spaces
    if (!p || n == 0)
        return -1;
    unsigned long long start = 0;
    // Fields after the name: state is field 3, starttime field 22.
    if (std::sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %*d %*d %*d %*d %*d %*d %llu", &start) != 1)
        return -1;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const long long ticks = sysconf(_SC_CLK_TCK);
    return (now.tv_sec * 1000LL + now.tv_nsec / 1000000) - static_cast<long long>(start) * 1000 / ticks;
}
} // namespace

int main(int argc, char **argv)
{
    vireo::restartWithHugePageHeap(argv);
    QElapsedTimer clock;
    clock.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    vireo::gui::VireoApplication app(argc, argv);
    const qint64 appReady = clock.elapsed();
    auto services = std::make_unique<vireo::gui::AppServices>();
    auto form = std::make_unique<vireo::gui::TVireoMainForm>(*services);
    form->show();
    QApplication::processEvents();
    const qint64 shown = clock.elapsed();
    const long long shownSinceStart = sinceProcessStart();
    const qsizetype tracks = services->store() ? services->store()->TrackCount() : 0;
    QElapsedTimer closing;
    closing.start();
    form->close();
    const qint64 closed = closing.elapsed();
    form.reset();
    services.reset();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("process start to window shown %lld ms\n", shownSinceStart);
    std::printf("tracks %lld\napplication ready %lld ms\nwindow shown %lld ms\nclose (settings and caches written) %lld ms\npeak resident %ld MB\n",
                static_cast<long long>(tracks), static_cast<long long>(appReady),
                static_cast<long long>(shown), static_cast<long long>(closed), usage.ru_maxrss / 1024);
    return 0;
}
