#include "gui/views/SearchController.h"

#include "core/views/LibraryViews.h"
#include "core/views/Search.h"
#include "gui/shell/MainMediator.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace vireo::gui {

SearchController::SearchController(views::LibraryViews &views, MainMediator &m, QObject *parent)
    : QObject(parent), m_views(views), mediator(m), w(buildSearchPage())
{
    connect(w.Btn_Search, &QPushButton::clicked, this, &SearchController::search);
}

void SearchController::search()
{
    // The boxes in page order carry the field bits in the same order.
    static const unsigned bits[] = {
        views::SearchFileName, views::SearchArtist, views::SearchTitle, views::SearchAlbum,
        views::SearchComment, views::SearchYear, views::SearchEncodedBy, views::SearchCopyright,
        views::SearchOriginalArtist, views::SearchUrl, views::SearchComposer};
    views::SearchRequest request;
    request.Text = w.SearchEdit->text();
    request.V1 = w.v1_cbx->isChecked();
    request.V2 = w.v2_cbx->isChecked();
    for (int i = 0; i < w.searchFields.size() && i < int(std::size(bits)); ++i)
        if (w.searchFields[i]->isChecked())
            request.Fields |= bits[i];
    m_views.browse().search(request);
    mediator.showBrowseChanges(m_views.browse().takeChanges());
}

void SearchController::clearV2Box() { w.v2_cbx->setChecked(false); }

} // namespace vireo::gui
