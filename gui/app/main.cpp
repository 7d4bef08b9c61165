// The desktop program: one main window over the music library.
#include "app/MainTexts.h"
#include "app/SignalCloser.h"
#include "app/VireoMainForm.h"

#include <QApplication>

int main(int argc, char **argv)
{
    vireo::gui::SignalCloser::blockTerminationSignals();
    QApplication app(argc, argv);
    QApplication::setApplicationName(vireo::gui::text::kAppTitle);
    QApplication::setApplicationVersion(QStringLiteral(VIREO_VERSION));
    vireo::gui::TVireoMainForm form;
    vireo::gui::SignalCloser closer(&form);
    form.show();
    return QApplication::exec();
}
