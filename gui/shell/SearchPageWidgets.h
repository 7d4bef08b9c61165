#pragma once
// The search page of the left panel: the search text, "検索", the ID3v1 and
// ID3v2 boxes and the field boxes. Made by buildSearchPage and owned by the
// search controller, which installs it on the tree panel's search page.
#include <QVector>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vireo::gui {

struct SearchPageWidgets {
    QWidget *page = nullptr;           // the region's root widget
    QLineEdit *SearchEdit = nullptr;
    QPushButton *Btn_Search = nullptr;
    QCheckBox *v1_cbx = nullptr, *v2_cbx = nullptr;
    QVector<QCheckBox *> searchFields; // in page order, "ファイル名" .. "作曲者"
};

SearchPageWidgets buildSearchPage();

} // namespace vireo::gui
