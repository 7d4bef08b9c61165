#pragma once
// The "ファイルコピー" tab: destination, space figures and gauge, the copy
// list and its buttons. Widgets only; CopyTabController gives them life.
#include <QWidget>

class QComboBox;
class QLabel;
class QMenu;
class QAction;
class QPushButton;
class QToolButton;
class QTreeView;

namespace vireo::gui {

class CopyGauge;

class CopyTab : public QWidget {
    Q_OBJECT
public:
    explicit CopyTab(QWidget *parent = nullptr);

    QComboBox *ComboBox2;          // destination folder
    QPushButton *Button1;          // "参照..."
    QLabel *LB_DiskFreeList;       // planned / free / total
    CopyGauge *FileCopyGauge;      // planned against free space
    QPushButton *Btn_SelCopy;      // "コピー開始"
    QPushButton *Btn_CancelCopy;   // "中止" (enabled while copying)
    CopyGauge *Copying_Gauge;      // files done
    QPushButton *Button2;          // "クリア"
    QToolButton *btn_SelUp;
    QToolButton *btn_SelDown;
    QTreeView *ListView_Select;    // the copy list
    QMenu *popup;                  // the list's pop-up menu
    QAction *ppFCUp;               // "上へ移動"
    QAction *ppFCDown;             // "下へ移動"
    QAction *ppFCDelete;           // "削除" (Del)
};

} // namespace vireo::gui
