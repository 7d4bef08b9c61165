#pragma once
// Renders trees as one-line texts for compact expectations, and compares two
// builds node by node, payloads and payload sharing included.
#include "core/views/NodeData.h"
#include "core/views/TreeBuilder.h"

#include <QString>
#include <string>

namespace vireo::views::test {

// "text#count{child,child}" for artist nodes, joined by " | ".
std::string renderArtists(const std::vector<TreeNode> &nodes);
std::string renderNames(const std::vector<TreeNode> &nodes);
// Empty when equal; else a description of the first difference.
std::string diffTrees(const LibraryTrees &a, const LibraryTrees &b);
std::string diffNodes(const std::vector<TreeNode> &a, const std::vector<TreeNode> &b, const std::string &where);

} // namespace vireo::views::test
