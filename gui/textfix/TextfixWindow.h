#pragma once
// The "文字化け修復" window: the suspect texts of the whole library (or of the
// tracks it was given) with check boxes, before and after side by side, the
// verdict and the confidence, sortable by any column; "uncertain" rows start
// unchecked. "適用" writes the checked repairs with a progress bar and then
// announces the files it changed so the views can follow.
#include "core/textfix/TextfixApply.h"

#include <QDialog>
#include <QList>

class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace vireo {
class TID3ListItem;
class TID3TagUseful;
}

namespace vireo::textfix {
class RepairListModel;
}

namespace vireo::gui {

class TextfixWindow : public QDialog {
    Q_OBJECT
public:
    // Borrows the store; `selection` (borrowed tracks) limits the search, all
    // tracks when empty. The search runs at once, from the caches.
    TextfixWindow(TID3TagUseful &store, QList<const TID3ListItem *> selection = {}, QWidget *parent = nullptr);

    textfix::RepairListModel *model() const { return m_model; }
    QTableView *table() const { return m_table; }
    QPushButton *applyButton() const { return m_apply; }
    QLabel *statusLabel() const { return m_status; }
    QProgressBar *progressBar() const { return m_progress; }
    const textfix::ApplyReport &lastReport() const { return m_lastReport; }

public slots:
    void rescan();
    void applyChecked();

signals:
    // The files whose tags were rewritten; the track records already follow.
    void repairsApplied(const QStringList &files);

private:
    TID3TagUseful &m_store;
    QList<const TID3ListItem *> m_selection;
    textfix::RepairListModel *m_model;
    QSortFilterProxyModel *m_proxy;
    QTableView *m_table;
    QLabel *m_status;
    QProgressBar *m_progress;
    QPushButton *m_apply;
    textfix::ApplyReport m_lastReport;
};

} // namespace vireo::gui
