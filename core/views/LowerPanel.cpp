#include "core/views/LowerPanel.h"

namespace vireo::views {

LowerPanelState toggleLowerPanel(LowerPanelState s, bool fromTab)
{
    s.checked = fromTab ? true : !s.checked;
    if (!s.checked) {
        s.height = kLowerPanelCollapsedHeight;
        s.closeImage = kPanelCloseImageCollapsed;
    } else {
        if (s.height <= kLowerPanelCollapsedHeight)
            s.height = kLowerPanelOpenHeight;
        s.closeImage = kPanelCloseImageOpen;
    }
    return s;
}

LowerPanelState lowerPanelAtStart(bool id3InfoVisible, int height)
{
    LowerPanelState s;
    s.checked = !id3InfoVisible;
    s.height = height;
    return toggleLowerPanel(s, false);
}

} // namespace vireo::views
