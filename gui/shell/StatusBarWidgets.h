#pragma once
// The status bar `SpTBXStatusBar1`: track count, a label that nothing writes,
// status text, a spacer, the selection size and the unit "MB". Made by
// buildStatusBar; the window layout controller owns it and shows the texts
// the other controllers announce.
class QLabel;
class QMainWindow;

namespace vireo::gui {

struct StatusBarWidgets {
    QLabel *SpTBXLabelItem2 = nullptr;  // "MP3ファイル数：" and the count
    QLabel *SpTBXLabelItem3 = nullptr;
    QLabel *SpTBXLabelItem4 = nullptr;  // status text
    QLabel *selectionSize = nullptr, *unitLabel = nullptr;
};

StatusBarWidgets buildStatusBar(QMainWindow *window);

} // namespace vireo::gui
