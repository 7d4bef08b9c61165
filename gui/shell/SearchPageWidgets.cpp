#include "gui/shell/SearchPageWidgets.h"

#include "gui/shell/MainTexts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vireo::gui {

using namespace text;

SearchPageWidgets buildSearchPage()
{
    SearchPageWidgets w;
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("SearchPage"));
    w.page = page;
    auto *lay = new QVBoxLayout(page);
    lay->addWidget(new QLabel(kSearchLabel, page));
    w.SearchEdit = new QLineEdit(page);
    w.SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    lay->addWidget(w.SearchEdit);
    w.Btn_Search = new QPushButton(kSearchButton, page);
    w.Btn_Search->setObjectName(QStringLiteral("Btn_Search"));
    lay->addWidget(w.Btn_Search);
    auto *group = new QGroupBox(kSearchGroup, page);
    auto *grid = new QGridLayout(group);
    w.v1_cbx = new QCheckBox(QStringLiteral("ID3v1"), group);
    w.v1_cbx->setObjectName(QStringLiteral("v1_cbx"));
    w.v2_cbx = new QCheckBox(QStringLiteral("ID3v2"), group);
    w.v2_cbx->setObjectName(QStringLiteral("v2_cbx"));
    grid->addWidget(w.v1_cbx, 0, 0);
    grid->addWidget(w.v2_cbx, 0, 1);
    const char16_t *fields[] = {u"ファイル名", u"アーティスト名", u"タイトル", u"アルバム名",
                                u"コメント", u"YEAR", u"エンコード", u"著作権",
                                u"オリジナルアーティスト", u"URL", u"作曲者"};
    int i = 0;
    for (const char16_t *f : fields) {
        auto *box = new QCheckBox(QString::fromUtf16(f), group);
        box->setObjectName(QStringLiteral("SearchField%1").arg(i));
        w.searchFields.push_back(box);
        grid->addWidget(box, 1 + i, 0, 1, 2);
        ++i;
    }
    lay->addWidget(group);
    lay->addStretch(1);
    return w;
}

} // namespace vireo::gui
