#pragma once
// The table of suspects the repair window shows: a check box per row
// (repairs checked, "uncertain" rows unchecked at first), before and after
// side by side, the verdict and the confidence. Sorting by any column goes
// through a QSortFilterProxyModel; the sort role gives numbers for the
// confidence column.
#include "core/textfix/TextfixScan.h"

#include <QAbstractTableModel>

namespace vireo::textfix {

class RepairListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Check, File, Field, Declared_, Before, After, VerdictColumn, Confidence, ColumnCount_ };
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit RepairListModel(QObject *parent = nullptr);

    void setSuspects(QList<Suspect> suspects);
    const QList<Suspect> &suspects() const { return m_suspects; }
    QList<Suspect> checkedSuspects() const;
    void setAllChecked(bool on);
    bool isChecked(int row) const { return m_checked.value(row); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<Suspect> m_suspects;
    QList<bool> m_checked;
};

} // namespace vireo::textfix
