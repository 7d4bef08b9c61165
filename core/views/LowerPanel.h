#pragma once
// Opening and collapsing the lower panel (file information, copy list, play
// list) and the check mark of "ファイル情報ウィンドウ" that follows it.
namespace vireo::views {

inline constexpr int kLowerPanelCollapsedHeight = 24; // only the row of tabs
inline constexpr int kLowerPanelOpenHeight = 251;
inline constexpr int kPanelCloseImageCollapsed = 13;
inline constexpr int kPanelCloseImageOpen = 14;

struct LowerPanelState {
    bool checked = false; // the menu check mark: the panel is open
    int height = kLowerPanelCollapsedHeight;
    int closeImage = kPanelCloseImageCollapsed;
};

// Runs the toggle. A click on a tab always opens the panel; the menu command,
// the toolbar button and the close button turn it over. An open panel keeps a
// height the user gave it; only a collapsed one gets the open height.
LowerPanelState toggleLowerPanel(LowerPanelState s, bool fromTab);
// The state at start-up for the saved ID3INFOVisible: the check mark is set to
// its opposite and the toggle runs once from the menu command.
LowerPanelState lowerPanelAtStart(bool id3InfoVisible, int height = kLowerPanelCollapsedHeight);

} // namespace vireo::views
