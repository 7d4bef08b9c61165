#include "gui/views/TreeNodeModel.h"

#include "gui/shell/DataModule.h"

namespace vireo::gui {

namespace {
const std::vector<views::TreeNode> &noNodes()
{
    static const std::vector<views::TreeNode> empty;
    return empty;
}
} // namespace

TreeNodeModel::TreeNodeModel(const DataModule &images, TextRule rule, QObject *parent)
    : QAbstractItemModel(parent), m_images(images), m_rule(std::move(rule))
{
}

void TreeNodeModel::setNodes(const std::vector<views::TreeNode> *nodes)
{
    beginResetModel();
    m_nodes = nodes;
    m_places.clear();
    if (m_nodes)
        indexNodes(*m_nodes, nullptr);
    endResetModel();
}

void TreeNodeModel::indexNodes(const std::vector<views::TreeNode> &nodes, const views::TreeNode *parent)
{
    for (size_t i = 0; i < nodes.size(); ++i) {
        m_places.insert(&nodes[i], Place{parent, int(i)});
        indexNodes(nodes[i].Children, &nodes[i]);
    }
}

void TreeNodeModel::refreshTexts()
{
    // Every node may change its text; a layout change repaints all without
    // losing the selection or the expanded state.
    emit layoutAboutToBeChanged();
    emit layoutChanged();
}

const std::vector<views::TreeNode> &TreeNodeModel::childrenOf(const views::TreeNode *parent) const
{
    if (parent)
        return parent->Children;
    return m_nodes ? *m_nodes : noNodes();
}

const views::TreeNode *TreeNodeModel::node(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<const views::TreeNode *>(index.internalPointer()) : nullptr;
}

const views::TreeNode *TreeNodeModel::parentNode(const QModelIndex &index) const
{
    const views::TreeNode *n = node(index);
    return n ? m_places.value(n).parent : nullptr;
}

QModelIndex TreeNodeModel::indexOf(const views::TreeNode *n) const
{
    auto it = m_places.constFind(n);
    if (it == m_places.constEnd())
        return {};
    return createIndex(it->row, 0, const_cast<views::TreeNode *>(n));
}

QModelIndex TreeNodeModel::index(int row, int column, const QModelIndex &parent) const
{
    const auto &children = childrenOf(node(parent));
    if (column != 0 || row < 0 || row >= int(children.size()))
        return {};
    return createIndex(row, 0, const_cast<views::TreeNode *>(&children[size_t(row)]));
}

QModelIndex TreeNodeModel::parent(const QModelIndex &child) const
{
    const views::TreeNode *p = parentNode(child);
    return p ? indexOf(p) : QModelIndex();
}

int TreeNodeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return int(childrenOf(node(parent)).size());
}

int TreeNodeModel::columnCount(const QModelIndex &) const { return 1; }

QVariant TreeNodeModel::data(const QModelIndex &index, int role) const
{
    const views::TreeNode *n = node(index);
    if (!n)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_rule ? m_rule(*n) : n->Text;
    case Qt::DecorationRole:
        return m_images.treeIcon(n->Image >= 0 ? n->Image : 0, n->SelectedImage);
    default:
        return {};
    }
}

} // namespace vireo::gui
