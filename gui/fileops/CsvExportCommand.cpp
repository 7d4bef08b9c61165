#include "gui/fileops/CsvExportCommand.h"

#include "core/fileops/CsvExport.h"
#include "core/library/LibraryStore.h"
#include "gui/shell/MainTexts.h"
#include "gui/shell/StoreAccess.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace vireo::gui {

CsvExportCommand::CsvExportCommand(const StoreAccess &store, QWidget *w, QObject *parent)
    : QObject(parent), m_store(store), window(w)
{
}

void CsvExportCommand::run()
{
    QFileDialog dialog(window, QString(), QDir::homePath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setNameFilters({QStringLiteral("CSVファイル(*.csv)"), QStringLiteral("全ファイル名(*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    exportTo(dialog.selectedFiles().constFirst());
}

bool CsvExportCommand::exportTo(const QString &path)
{
    const TID3TagUseful *store = m_store.store();
    if (!store)
        return false;
    const Result r = ExportCsv(*store, path);
    if (!r.ok())
        QMessageBox::critical(window, text::kAppTitle, r.message());
    return r.ok();
}

} // namespace vireo::gui
