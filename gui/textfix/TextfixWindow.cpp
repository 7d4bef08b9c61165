#include "gui/textfix/TextfixWindow.h"

#include "core/editing/UndoJournal.h"
#include "core/library/LibraryStore.h"
#include "core/textfix/RepairListModel.h"
#include "core/textfix/TextfixTexts.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace vireo::gui {

using namespace vireo::textfix;

TextfixWindow::TextfixWindow(TID3TagUseful &store, QList<const TID3ListItem *> selection, QWidget *parent)
    : QDialog(parent), m_store(store), m_selection(std::move(selection))
{
    setObjectName(QStringLiteral("TextfixWindow"));
    setWindowTitle(texts::windowTitle());
    resize(900, 480);

    m_model = new RepairListModel(this);
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(RepairListModel::SortRole);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("TextfixTable"));
    m_table->setModel(m_proxy);
    m_table->setSortingEnabled(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setStretchLastSection(false);
    m_table->verticalHeader()->hide();

    m_status = new QLabel(this);
    m_progress = new QProgressBar(this);
    m_progress->setVisible(false);
    auto *checkAll = new QPushButton(texts::checkAllButton(), this);
    auto *uncheckAll = new QPushButton(texts::uncheckAllButton(), this);
    auto *again = new QPushButton(texts::rescanButton(), this);
    m_apply = new QPushButton(texts::applyButton(), this);
    m_apply->setObjectName(QStringLiteral("TextfixApply"));
    auto *close = new QPushButton(texts::closeButton(), this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(checkAll);
    buttons->addWidget(uncheckAll);
    buttons->addWidget(again);
    buttons->addStretch();
    buttons->addWidget(m_apply);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);

    connect(checkAll, &QPushButton::clicked, this, [this] { m_model->setAllChecked(true); });
    connect(uncheckAll, &QPushButton::clicked, this, [this] { m_model->setAllChecked(false); });
    connect(again, &QPushButton::clicked, this, &TextfixWindow::rescan);
    connect(m_apply, &QPushButton::clicked, this, &TextfixWindow::applyChecked);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    rescan();
}

void TextfixWindow::rescan()
{
    const ScanReport report = m_selection.isEmpty() ? scanLibrary(m_store) : scanTracks(m_selection);
    m_model->setSuspects(report.suspects);
    m_table->sortByColumn(RepairListModel::Confidence, Qt::DescendingOrder);
    m_table->resizeColumnsToContents();
    m_status->setText(texts::summary(report.tracks, report.suspects.size()));
    m_apply->setEnabled(!report.suspects.isEmpty());
}

void TextfixWindow::applyChecked()
{
    const QList<Suspect> chosen = m_model->checkedSuspects();
    if (chosen.isEmpty())
        return;
    m_apply->setEnabled(false);
    m_progress->setVisible(true);
    m_progress->setValue(0);
    // One save in the program folder's undo journal: "直前の保存を取り消す" takes it back.
    vireo::editing::UndoJournal journal;
    m_lastReport = applyRepairs(
        chosen, &m_store,
        [this](qsizetype done, qsizetype all) {
            m_progress->setMaximum(int(all));
            m_progress->setValue(int(done));
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        },
        &journal);
    QStringList files;
    QStringList problems;
    for (const FileOutcome &o : m_lastReport.files) {
        if (o.fieldsWritten > 0)
            files.append(o.file);
        if (!o.ok)
            problems.append(o.error);
    }
    m_progress->setVisible(false);
    // A selection's records were borrowed from the store and follow it;
    // the table is judged again so repaired rows leave it.
    rescan();
    QString status = texts::applied(m_lastReport.fieldsWritten, m_lastReport.filesFailed);
    if (!problems.isEmpty())
        status += u'\n' + problems.join(u'\n');
    if (!m_lastReport.journalError.isEmpty())
        status += u'\n' + m_lastReport.journalError;
    m_status->setText(status);
    if (!files.isEmpty())
        emit repairsApplied(files);
}

} // namespace vireo::gui
