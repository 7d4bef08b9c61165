// The desktop program: one main window over the music library.
#include "gui/app/AppServices.h"
#include "gui/app/SignalCloser.h"
#include "gui/app/VireoApplication.h"
#include "gui/app/VireoMainForm.h"

int main(int argc, char **argv)
{
    vireo::gui::SignalCloser::blockTerminationSignals();
    vireo::gui::VireoApplication app(argc, argv);
    vireo::gui::AppServices services;
    vireo::gui::TVireoMainForm form(services);
    vireo::gui::SignalCloser closer(&form);
    form.show();
    return vireo::gui::VireoApplication::exec();
}
