#include "core/textfix/RepairListModel.h"

#include "core/textfix/TextfixTexts.h"

namespace vireo::textfix {

RepairListModel::RepairListModel(QObject *parent) : QAbstractTableModel(parent) {}

void RepairListModel::setSuspects(QList<Suspect> suspects)
{
    beginResetModel();
    m_suspects = std::move(suspects);
    m_checked.clear();
    for (const Suspect &s : m_suspects)
        m_checked.append(s.detection.verdict == Verdict::Repair);
    endResetModel();
}

QList<Suspect> RepairListModel::checkedSuspects() const
{
    QList<Suspect> out;
    for (qsizetype i = 0; i < m_suspects.size(); ++i)
        if (m_checked[i])
            out.append(m_suspects[i]);
    return out;
}

void RepairListModel::setAllChecked(bool on)
{
    for (bool &c : m_checked)
        c = on;
    if (!m_suspects.isEmpty())
        emit dataChanged(index(0, Check), index(rowCount() - 1, Check), {Qt::CheckStateRole});
}

int RepairListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_suspects.size()); }
int RepairListModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount_; }

QVariant RepairListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_suspects.size())
        return {};
    const Suspect &s = m_suspects[index.row()];
    const Detection &d = s.detection;
    if (index.column() == Check && role == Qt::CheckStateRole)
        return m_checked[index.row()] ? Qt::Checked : Qt::Unchecked;
    if (role == SortRole) {
        switch (index.column()) {
        case Check: return m_checked[index.row()] ? 1 : 0;
        case Confidence: return d.confidence;
        case VerdictColumn: return int(d.verdict);
        default: return data(index, Qt::DisplayRole);
        }
    }
    if (role == Qt::ToolTipRole && (index.column() == VerdictColumn || index.column() == After))
        return d.reason;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case File: return s.file;
    case Field: return fieldName(s.field);
    case Declared_:
        return d.believed.isEmpty() ? QString() : QString::fromLatin1(d.believed);
    case Before: return d.current;
    case After: return d.proposed;
    case VerdictColumn: return d.verdict == Verdict::Repair ? texts::verdictRepair() : texts::verdictUncertain();
    case Confidence: return QString::number(d.confidence, 'f', 2);
    default: return {};
    }
}

bool RepairListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != Check || role != Qt::CheckStateRole || index.row() >= m_suspects.size())
        return false;
    m_checked[index.row()] = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags RepairListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == Check)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant RepairListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case File: return texts::columnFile();
    case Field: return texts::columnField();
    case Declared_: return texts::columnDeclared();
    case Before: return texts::columnBefore();
    case After: return texts::columnAfter();
    case VerdictColumn: return texts::columnVerdict();
    case Confidence: return texts::columnConfidence();
    default: return QString();
    }
}

} // namespace vireo::textfix
