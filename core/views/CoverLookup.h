#pragma once
// The cover file of an album node, looked up on first use rather than when
// the node is made: the album-named ".jpg" in its folder, else "folder.jpg".
#include "core/views/NodeData.h"

namespace vireo::views {

// Runs the file lookup once per payload (later calls return the first answer);
// sets CoverLookedUp, CoverFile and CoverFound. Payloads of another kind give false.
// Logs "カバーアート画像ファイルが存在しない：" and the album when no file exists.
bool lookUpCoverFile(T_Vireo_NodeData &data);
// Forgets an earlier answer, so the next lookup looks again (after a cover search saved a file).
void forgetCoverLookup(T_Vireo_NodeData &data);

} // namespace vireo::views
