#pragma once
// An item model over a tree of core nodes (artist tree, album tree, folder
// view): shows each node's text through a text rule and its image.
#include "core/views/NodeData.h"

#include <QAbstractItemModel>
#include <QHash>

#include <functional>
#include <vector>

namespace vireo::gui {

class DataModule;

class TreeNodeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    using TextRule = std::function<QString(const views::TreeNode &)>;
    TreeNodeModel(const DataModule &images, TextRule rule, QObject *parent = nullptr);

    // Shows these nodes (borrowed; call again after every change to them).
    void setNodes(const std::vector<views::TreeNode> *nodes);
    // The node texts depend on a toggle that changed: redraw them all.
    void refreshTexts();

    const views::TreeNode *node(const QModelIndex &index) const;
    const views::TreeNode *parentNode(const QModelIndex &index) const;
    QModelIndex indexOf(const views::TreeNode *node) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    struct Place {
        const views::TreeNode *parent;
        int row;
    };
    void indexNodes(const std::vector<views::TreeNode> &nodes, const views::TreeNode *parent);
    const std::vector<views::TreeNode> &childrenOf(const views::TreeNode *parent) const;

    const DataModule &m_images;
    TextRule m_rule;
    const std::vector<views::TreeNode> *m_nodes = nullptr;
    QHash<const views::TreeNode *, Place> m_places;
};

} // namespace vireo::gui
