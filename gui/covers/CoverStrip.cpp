#include "gui/covers/CoverStrip.h"

#include "core/settings/MainWindowSettings.h"
#include "gui/covers/CoverCache.h"
#include "gui/covers/CoverGrid.h"
#include "gui/covers/CoverStripTexts.h"

#include <QActionGroup>
#include <QApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

namespace vireo::covers {

CoverStrip::CoverStrip(CoverCache &cache, QWidget *parent)
    : QWidget(parent), m_cache(cache)
{
    setObjectName(QStringLiteral("JacketListPanel"));
    m_cellFont = QFont(QStringLiteral("Tahoma"), 10, QFont::Bold);
    m_captionFontHeight = QFontMetrics(QApplication::font()).height();

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto button = [this](const char *name, const QString &text) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setAutoRaise(true);
        return b;
    };
    m_prev = button("JacketListPrev", QStringLiteral("<"));
    m_next = button("JacketListNext", QStringLiteral(">"));
    m_grid = new CoverGrid(*this);
    row->addWidget(m_prev);
    row->addWidget(m_grid, 1);
    row->addWidget(m_next);
    connect(m_prev, &QToolButton::clicked, this, &CoverStrip::stepLeft);
    connect(m_next, &QToolButton::clicked, this, &CoverStrip::stepRight);
    buildMenu();
    setSizeStep(1);
}

QWidget *CoverStrip::grid() const { return m_grid; }

void CoverStrip::buildMenu()
{
    m_menu = new QMenu(this);
    m_search = m_menu->addAction(kCoverSearch);
    connect(m_search, &QAction::triggered, this, [this] {
        if (m_view.selected >= 0 && m_view.selected < m_view.count)
            emit coverSearchRequested(m_view.selected);
    });
    m_menu->addSeparator();
    auto *sizes = new QActionGroup(this);
    const QString names[3] = {kCoverSmall, kCoverMedium, kCoverLarge};
    for (int i = 0; i < 3; ++i) {
        m_sizes[i] = m_menu->addAction(names[i]);
        m_sizes[i]->setCheckable(true);
        sizes->addAction(m_sizes[i]);
        connect(m_sizes[i], &QAction::triggered, this, [this, i] { setSizeStep(i + 1); });
    }
    m_names = m_menu->addAction(kCoverAlbumName);
    m_names->setObjectName(QStringLiteral("JKListShowCaption"));
    m_names->setCheckable(true);
    connect(m_names, &QAction::toggled, this, &CoverStrip::setShowAlbumNames);
    m_menu->addSeparator();
    m_close = m_menu->addAction(kCoverClose);
    connect(m_close, &QAction::triggered, this, &CoverStrip::closeRequested);
}

void CoverStrip::SetCovers(const views::AlbumList &list)
{
    m_list = list;
    m_view.count = int(m_list.size());
    m_view = views::clampStripView(m_view);
    m_grid->update();
}

void CoverStrip::SelectCover(int /*row: the strip has one*/, int column)
{
    m_view = views::selectCoverColumn(m_view, column);
    m_grid->update();
}

void CoverStrip::scrollToColumn(int column)
{
    m_view.first = column;
    m_view = views::clampStripView(m_view);
    m_grid->update();
}

void CoverStrip::cellPressed(int column, bool open)
{
    SelectCover(0, column);
    if (open)
        emit OpenCoverAlbum(column);
}

void CoverStrip::stepLeft()
{
    if (!views::stepCoverLeft(m_view))
        return;
    m_grid->update();
    emit OpenCoverAlbum(m_view.selected);
}

void CoverStrip::stepRight()
{
    if (!views::stepCoverRight(m_view))
        return;
    m_grid->update();
    emit OpenCoverAlbum(m_view.selected);
}

void CoverStrip::gridResized()
{
    m_view.fullyVisible = views::fullyVisibleColumns(m_grid->width(), cellSide());
}

void CoverStrip::setSizeStep(int setting)
{
    const int step = views::coverSizeStep(setting);
    if (step != m_sizeStep)
        m_cache.clear(); // pictures of the old size are no use any more
    m_sizeStep = step;
    m_sizes[step - 1]->setChecked(true);
    const int side = cellSide();
    m_grid->setFixedHeight(side);
    m_prev->setFixedHeight(side);
    m_next->setFixedHeight(side);
    setFixedHeight(side);
    gridResized();
    m_grid->update();
    m_prev->update();
    m_next->update();
}

void CoverStrip::setShowAlbumNames(bool on)
{
    m_showNames = on;
    if (m_names->isChecked() != on)
        m_names->setChecked(on);
    m_grid->update();
}

void CoverStrip::setCaptionFontHeight(int pixels)
{
    m_captionFontHeight = pixels;
    m_grid->update();
}

void CoverStrip::applySettings(const MainWindowSettings &s)
{
    setSizeStep(s.coverListSize);
    setShowAlbumNames(s.coverListAlbumNames);
}

void CoverStrip::collectSettings(MainWindowSettings &s) const
{
    s.coverListSize = m_sizeStep;
    s.coverListAlbumNames = m_showNames;
}

} // namespace vireo::covers
