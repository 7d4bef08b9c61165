#include "gui/fileops/CsvExportCommand.h"

#include "gui/app/AppServices.h"
#include "gui/app/MainTexts.h"
#include "gui/app/MainWidgets.h"
#include "core/fileops/CsvExport.h"
#include "core/library/LibraryStore.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>

namespace vireo::gui {

CsvExportCommand::CsvExportCommand(MainWidgets &widgets, AppServices &services, QObject *parent)
    : QObject(parent), w(widgets), app(services)
{
    connect(w.actions.csvOutput, &QAction::triggered, this, &CsvExportCommand::run);
}

void CsvExportCommand::run()
{
    QFileDialog dialog(w.window, QString(), QDir::homePath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setNameFilters({QStringLiteral("CSVファイル(*.csv)"), QStringLiteral("全ファイル名(*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    exportTo(dialog.selectedFiles().constFirst());
}

bool CsvExportCommand::exportTo(const QString &path)
{
    const TID3TagUseful *store = app.store();
    if (!store)
        return false;
    const Result r = ExportCsv(*store, path);
    if (!r.ok())
        QMessageBox::critical(w.window, text::kAppTitle, r.message());
    return r.ok();
}

} // namespace vireo::gui
