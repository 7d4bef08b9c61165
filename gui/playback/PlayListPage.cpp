#include "gui/playback/PlayListPage.h"

#include "core/library/ListRow.h"
#include "core/playback/PlayListPlayer.h"
#include "gui/playback/PlaybackTexts.h"
#include "gui/playback/VolumeBar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vireo::gui {

namespace {
QToolButton *button(QWidget *parent, const char *name, const QString &text, QStyle::StandardPixmap icon)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(text);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return b;
}
} // namespace

PlayListPage::PlayListPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet_PlayList"));
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    auto *bar = new QHBoxLayout;
    m_prev = button(this, "Btn_Prev", QString(), QStyle::SP_MediaSkipBackward);
    m_play = button(this, "Btn_Play", texts::kPlay, QStyle::SP_MediaPlay);
    m_pause = button(this, "Btn_pause", texts::kPause, QStyle::SP_MediaPause);
    m_stop = button(this, "Btn_Stop", texts::kStop, QStyle::SP_MediaStop);
    m_next = button(this, "Btn_Next", QString(), QStyle::SP_MediaSkipForward);
    m_intro = button(this, "Btn_IntroPlay", QString(), QStyle::SP_MediaSeekForward);
    m_intro->setToolTip(texts::kIntroHint);
    m_intro->setCheckable(true);
    m_introSeconds = new QSpinBox(this);
    m_introSeconds->setObjectName(QStringLiteral("Edit_PlayTimeEx"));
    m_introSeconds->setPrefix(texts::kIntro + u' ');
    m_introSeconds->setSuffix(QStringLiteral("s"));
    m_introSeconds->setRange(0, 100);
    m_introSeconds->setValue(1);
    if (auto *edit = m_introSeconds->findChild<QLineEdit *>())
        edit->setReadOnly(true); // changed with its spin buttons only
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("SpTBXProgressBar2"));
    m_bar->setRange(0, 0);
    m_bar->setValue(0);
    m_bar->setFormat(QString());
    m_volume = new VolumeBar(this);
    for (QWidget *w : std::initializer_list<QWidget *>{m_prev, m_play, m_pause, m_stop, m_next, m_intro,
                                                       m_introSeconds, m_bar, m_volume})
        bar->addWidget(w);
    lay->addLayout(bar);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ListView_Play"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformRowHeights(true);
    QStringList headers{texts::kPlayColumn};
    headers += ListRowCaptions();
    m_list->setHeaderLabels(headers);
    lay->addWidget(m_list, 1);

    m_delete = new QAction(texts::kDelete, this);
    m_delete->setShortcut(QKeySequence::Delete);
    m_delete->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_list->addAction(m_delete);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        QMenu menu(this);
        menu.addAction(m_delete); // moving rows and the column choice stay hidden
        menu.exec(m_list->viewport()->mapToGlobal(pos));
    });
}

void PlayListPage::bind(PlayListPlayer *player)
{
    m_player = player;
    connect(m_prev, &QToolButton::clicked, player, &PlayListPlayer::previous);
    connect(m_play, &QToolButton::clicked, player, &PlayListPlayer::play);
    connect(m_pause, &QToolButton::clicked, player, &PlayListPlayer::pauseToggle);
    connect(m_stop, &QToolButton::clicked, player, &PlayListPlayer::stop);
    connect(m_next, &QToolButton::clicked, player, &PlayListPlayer::next);
    connect(m_delete, &QAction::triggered, player, &PlayListPlayer::deleteSelected);
    connect(m_intro, &QToolButton::toggled, this, [player](bool on) { player->setIntroPlay(on); });
    connect(m_introSeconds, &QSpinBox::valueChanged, this, [player](int s) { player->setIntroSeconds(s); });
    player->setIntroPlay(m_intro->isChecked());
    player->setIntroSeconds(m_introSeconds->value());

    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (m_showing)
            return;
        const QList<QTreeWidgetItem *> sel = m_list->selectedItems();
        m_player->setSelected(sel.isEmpty() ? -1 : m_list->indexOfTopLevelItem(sel.first()));
    });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        m_player->setSelected(m_list->indexOfTopLevelItem(item));
        m_player->play();
    });
    connect(player, &PlayListPlayer::rowsChanged, this, &PlayListPage::fillRows);
    connect(player, &PlayListPlayer::selectionChanged, this, &PlayListPage::showSelection);
    connect(player, &PlayListPlayer::playingMarkChanged, this, &PlayListPage::showMark);
    connect(player, &PlayListPlayer::scrollToRow, this, [this](int row) {
        if (QTreeWidgetItem *it = m_list->topLevelItem(row))
            m_list->scrollToItem(it);
    });
    PlayerSlot *slot = &player->slot();
    connect(slot, &PlayerSlot::barRangeChanged, m_bar, [this](int max) { m_bar->setRange(0, max); });
    connect(slot, &PlayerSlot::barPositionChanged, m_bar, [this](int s, const QString &caption) {
        m_bar->setValue(s);
        m_bar->setFormat(caption);
    });
    fillRows();
}

void PlayListPage::fillRows()
{
    m_showing = true;
    m_list->clear();
    QList<QTreeWidgetItem *> items;
    for (const PlayListEntry &e : m_player->rows()) {
        QStringList cells{QString()};
        cells += e.row.Cells;
        items << new QTreeWidgetItem(cells);
    }
    m_list->addTopLevelItems(items);
    m_showing = false;
    showMark(m_player->playingMark());
    showSelection(m_player->selected());
}

void PlayListPage::showMark(int row)
{
    const QIcon mark = style()->standardIcon(QStyle::SP_MediaPlay);
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        m_list->topLevelItem(i)->setIcon(0, i == row ? mark : QIcon());
}

void PlayListPage::showSelection(int row)
{
    m_showing = true;
    m_list->clearSelection();
    if (QTreeWidgetItem *it = m_list->topLevelItem(row)) {
        it->setSelected(true);
        m_list->setCurrentItem(it);
    }
    m_showing = false;
}

} // namespace vireo::gui
