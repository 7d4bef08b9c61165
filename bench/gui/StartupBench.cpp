// Times one start of the main window over the program folder in $VIREO_HOME
// (from process start to the window shown, and the close that writes the
// settings and caches) and reports the peak memory.
#include "gui/app/AppServices.h"
#include "gui/app/VireoApplication.h"
#include "gui/app/VireoMainForm.h"
#include "core/library/LibraryStore.h"

#include <QElapsedTimer>

#include <cstdio>
#include <sys/resource.h>

int main(int argc, char **argv)
{
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
    const qsizetype tracks = services->store() ? services->store()->TrackCount() : 0;
    QElapsedTimer closing;
    closing.start();
    form->close();
    const qint64 closed = closing.elapsed();
    form.reset();
    services.reset();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("tracks %lld\napplication ready %lld ms\nwindow shown %lld ms\nclose (settings and caches written) %lld ms\npeak resident %ld MB\n",
                static_cast<long long>(tracks), static_cast<long long>(appReady),
                static_cast<long long>(shown), static_cast<long long>(closed), usage.ru_maxrss / 1024);
    return 0;
}
