// The desktop program: one main window over the music library.
#include "gui/app/AppServices.h"
#include "core/platform/HugePageHeap.h"
#include "core/platform/Paths.h"
#include "gui/app/SignalCloser.h"
#include "gui/app/SingleInstance.h"
#include "gui/app/VireoApplication.h"
#include "gui/app/VireoMainForm.h"

#include <QMessageBox>

#include <cstdio>
#include <cstring>

namespace {
const char kUsage[] =
    "usage: vireo [--version | --help]\n"
    "Vireo: a desktop program for a collection of MP3 files. It takes no other\n"
    "arguments: the music folder is chosen in the program (MP3Dir in vireo.ini).\n"
    "The command-line program is vireo-cli.\n";
}

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::printf("vireo %s\n", VIREO_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    vireo::restartWithHugePageHeap(argv);
    vireo::gui::SignalCloser::blockTerminationSignals();
    vireo::gui::VireoApplication app(argc, argv);
    // Qt has taken its own options (-platform, -style, ...); anything left is
    // not ours either.
    if (app.arguments().size() > 1) {
        std::fprintf(stderr, "vireo: unknown argument \"%s\"\n%s", qPrintable(app.arguments().at(1)), kUsage);
        return 2;
    }
    // A second window over the same program folder says so and stops.
    vireo::InstanceLock lock;
    if (!vireo::gui::takeProgramFolder(vireo::programFolder(), lock, [](const QString &message) {
            std::fprintf(stderr, "vireo: %s\n", qPrintable(message));
            QMessageBox::warning(nullptr, QStringLiteral("Vireo"), message);
        }))
        return 1;
    vireo::gui::AppServices services;
    vireo::gui::TVireoMainForm form(services);
    vireo::gui::SignalCloser closer(&form);
    form.show();
    return vireo::gui::VireoApplication::exec();
}
