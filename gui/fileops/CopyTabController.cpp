#include "gui/fileops/CopyTabController.h"

#include "core/fileops/AdvancedFileCopy.h"
#include "core/fileops/FileOpsTexts.h"
#include "gui/fileops/CopyGauge.h"
#include "gui/fileops/CopyListModel.h"
#include "gui/fileops/CopyTab.h"
#include "gui/fileops/FileOpsPrompts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QThread>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>

namespace vireo::gui {

CopyTabController::CopyTabController(CopyTab &tab, TAdvancedFileCopy &planner,
                                     FileOpsPrompts &prompts, QObject *parent)
    : QObject(parent), m_tab(tab), m_planner(planner), m_prompts(prompts), m_list(planner),
      m_model(new CopyListModel(m_list, this))
{
    m_tab.ListView_Select->setModel(m_model);
    m_tab.ListView_Select->header()->resizeSection(0, 50);

    connect(m_tab.Button1, &QPushButton::clicked, this, &CopyTabController::browse);
    connect(m_tab.ComboBox2, &QComboBox::editTextChanged, this, &CopyTabController::destinationChanged);
    connect(m_tab.Btn_SelCopy, &QPushButton::clicked, this, &CopyTabController::startCopy);
    connect(m_tab.Btn_CancelCopy, &QPushButton::clicked, this, &CopyTabController::cancelCopy);
    connect(m_tab.Button2, &QPushButton::clicked, this, &CopyTabController::clear);
    connect(m_tab.btn_SelUp, &QToolButton::clicked, this, &CopyTabController::moveUp);
    connect(m_tab.btn_SelDown, &QToolButton::clicked, this, &CopyTabController::moveDown);
    connect(m_tab.ppFCUp, &QAction::triggered, this, &CopyTabController::moveUp);
    connect(m_tab.ppFCDown, &QAction::triggered, this, &CopyTabController::moveDown);
    connect(m_tab.ppFCDelete, &QAction::triggered, this, &CopyTabController::removeSelected);
    connect(m_tab.ListView_Select, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        m_tab.popup->popup(m_tab.ListView_Select->viewport()->mapToGlobal(pos));
    });
    connect(m_tab.ListView_Select, &QAbstractItemView::doubleClicked, this,
            &CopyTabController::playSelectionRequested);
    ShowCopySpace();
}

CopyTabController::~CopyTabController()
{
    // Closing during a copy: the file in progress is abandoned (its temporary
    // file removed) and no message is shown any more.
    if (m_thread) {
        m_job->cancel();
        m_thread->wait();
        delete m_thread;
        QApplication::restoreOverrideCursor();
    }
}

void CopyTabController::appendRows(const std::vector<const ListRow *> &selectedInDisplayOrder)
{
    if (m_list.appendRows(selectedInDisplayOrder) > 0)
        m_model->reload();
    ShowCopySpace();
}

void CopyTabController::forgetTracks(const std::vector<const TID3ListItem *> &tracks)
{
    if (isCopying())
        return; // the copy holds its own paths; the rows go with the next edit
    if (m_list.removeTracks(tracks) > 0)
        m_model->reload();
    ShowCopySpace();
}

void CopyTabController::relink(const std::function<TID3ListItem *(const QString &path)> &find)
{
    // While copying, rows keep their places: the copy marks them by position.
    if (m_list.relink(find, isCopying()) > 0)
        m_model->reload();
    ShowCopySpace();
}

void CopyTabController::browse()
{
    QString path = m_tab.ComboBox2->currentIndex() >= 0 ? m_tab.ComboBox2->currentText() : QString();
    if (m_prompts.pickFolder(m_tab.window(), path)) {
        m_tab.ComboBox2->addItem(path);
        m_tab.ComboBox2->setCurrentIndex(m_tab.ComboBox2->count() - 1);
        m_tab.ComboBox2->setEditText(path);
        destinationChanged();
    }
    ShowCopySpace();
}

void CopyTabController::destinationChanged()
{
    (void)m_planner.SetDestination(m_tab.ComboBox2->currentText());
    ShowCopySpace();
}

int CopyTabController::currentRow() const
{
    const QModelIndexList rows = m_tab.ListView_Select->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    const QModelIndex current = m_tab.ListView_Select->currentIndex();
    if (current.isValid() && m_tab.ListView_Select->selectionModel()->isRowSelected(current.row(), {}))
        return current.row();
    return rows.first().row();
}

void CopyTabController::selectRow(int row)
{
    const QModelIndex index = m_model->index(row, 0);
    m_tab.ListView_Select->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void CopyTabController::moveUp()
{
    const int row = currentRow();
    if (row >= 0 && !isCopying()) {
        const int to = m_list.moveUp(row);
        m_model->reload();
        selectRow(to);
    }
    ShowCopySpace();
}

void CopyTabController::moveDown()
{
    const int row = currentRow();
    if (row >= 0 && !isCopying()) {
        const int to = m_list.moveDown(row);
        m_model->reload();
        selectRow(to);
    }
    ShowCopySpace();
}

void CopyTabController::removeSelected()
{
    if (isCopying())
        return;
    std::vector<int> rows;
    for (const QModelIndex &index : m_tab.ListView_Select->selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (!rows.empty()) {
        m_list.removeRows(rows);
        m_model->reload();
    }
    ShowCopySpace();
}

void CopyTabController::clear()
{
    if (isCopying())
        return;
    m_list.clear();
    m_model->reload();
    m_tab.Copying_Gauge->setValue(0);
    ShowCopySpace();
}

void CopyTabController::ShowCopySpace()
{
    const CopySpaceView view = m_planner.ShowCopySpace();
    m_tab.LB_DiskFreeList->setText(view.text);
    m_tab.FileCopyGauge->setValue(view.gauge);
    m_tab.FileCopyGauge->setColour(view.colourRgb);
}

void CopyTabController::setBusy(bool busy)
{
    for (QWidget *w : {static_cast<QWidget *>(m_tab.Btn_SelCopy), static_cast<QWidget *>(m_tab.Button2),
                       static_cast<QWidget *>(m_tab.btn_SelUp), static_cast<QWidget *>(m_tab.btn_SelDown),
                       static_cast<QWidget *>(m_tab.Button1), static_cast<QWidget *>(m_tab.ComboBox2)})
        w->setEnabled(!busy);
    m_tab.ppFCUp->setEnabled(!busy);
    m_tab.ppFCDown->setEnabled(!busy);
    m_tab.ppFCDelete->setEnabled(!busy);
    m_tab.Btn_CancelCopy->setEnabled(busy);
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

void CopyTabController::startCopy()
{
    namespace t = fileops::texts;
    if (isCopying())
        return;
    const QString destination = m_tab.ComboBox2->currentText();
    // An empty or missing destination would send the files to the root
    // folder or fail file by file: refuse once, with the reason.
    if (Result r = CheckCopyDestination(destination); !r) {
        m_prompts.warn(m_tab.window(), r.message());
        return;
    }
    (void)m_planner.SetDestination(destination);
    ShowCopySpace();
    if (m_planner.ExceedsFreeSpace() && !m_prompts.askOkCancel(m_tab.window(), t::overSpaceQuestion()))
        return;
    const QStringList sources = m_list.paths();
    const QList<int> bad = FindUnwritableNames(sources, fileSystemKindOf(destination));
    if (!bad.isEmpty() && !m_prompts.askOkCancel(m_tab.window(), UnwritableNamesMessage(sources, bad)))
        return;

    m_copyDestination = destination;
    m_failures.clear();
    m_tab.Copying_Gauge->setRange(0, std::max(1, int(sources.size())));
    m_tab.Copying_Gauge->setValue(0);
    setBusy(true);

    m_job = std::make_shared<OrderedCopy>(destination, sources, bad);
    m_summary = std::make_shared<CopySummary>();
    auto job = m_job;
    auto summary = m_summary;
    m_thread = QThread::create([this, job, summary] {
        *summary = job->run([this](int index, const QString &target, const Result &result) {
            QMetaObject::invokeMethod(
                this, [this, index, target, result] { rowDone(index, target, result); },
                Qt::QueuedConnection);
        });
    });
    connect(m_thread, &QThread::finished, this, &CopyTabController::copyEnded);
    m_thread->start();
}

void CopyTabController::cancelCopy()
{
    if (m_job)
        m_job->cancel();
}

void CopyTabController::rowDone(int index, const QString &target, const Result &result)
{
    if (result.ok()) {
        m_tab.Copying_Gauge->setValue(index + 1);
        m_list.setCopied(index);
        m_model->rowChanged(index);
        // The free space falls as the files arrive.
        (void)m_planner.SetDestination(m_copyDestination);
        ShowCopySpace();
    } else if (result.code() != ErrorCode::Cancelled) {
        m_failures << (result.message().isEmpty() ? target : result.message());
    }
}

void CopyTabController::copyEnded()
{
    namespace t = fileops::texts;
    QThread *thread = m_thread;
    m_thread = nullptr;
    thread->deleteLater();
    // Row reports queued before the thread ended arrive first.
    QCoreApplication::sendPostedEvents(this);
    const CopySummary summary = *m_summary;
    m_job.reset();
    setBusy(false);
    (void)m_planner.SetDestination(m_copyDestination);
    ShowCopySpace();
    if (!m_failures.isEmpty())
        m_prompts.warn(m_tab.window(), t::copyFailed() + u'\n' + m_failures.join(u'\n'));
    m_prompts.inform(m_tab.window(), summary.cancelled ? t::copyCancelled() : t::copyFinished());
    emit copyFinished(summary);
}

void CopyTabController::waitForCopy()
{
    if (m_thread) {
        m_thread->wait();
        QCoreApplication::sendPostedEvents(this);
        if (m_thread)
            copyEnded();
    }
}

} // namespace vireo::gui
