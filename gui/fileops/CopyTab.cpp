#include "gui/fileops/CopyTab.h"

#include "core/fileops/FileOpsTexts.h"
#include "gui/fileops/CopyGauge.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace vireo::gui {

CopyTab::CopyTab(QWidget *parent) : QWidget(parent)
{
    namespace t = fileops::texts;
    setObjectName(QStringLiteral("TabSheet_FileCopy"));
    auto *destinationLabel = new QLabel(t::destinationLabel(), this);
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    Button1 = new QPushButton(t::browse(), this);
    Button1->setObjectName(QStringLiteral("Button1"));

    auto *spaceLabel = new QLabel(t::diskFreeLabel(), this);
    LB_DiskFreeList = new QLabel(this);
    LB_DiskFreeList->setObjectName(QStringLiteral("LB_DiskFreeList"));
    FileCopyGauge = new CopyGauge(this);
    FileCopyGauge->setObjectName(QStringLiteral("FileCopyGauge"));
    FileCopyGauge->setRange(0, 100);

    Btn_SelCopy = new QPushButton(t::startCopy(), this);
    Btn_SelCopy->setObjectName(QStringLiteral("Btn_SelCopy"));
    Btn_CancelCopy = new QPushButton(t::cancelCopy(), this);
    Btn_CancelCopy->setObjectName(QStringLiteral("Btn_CancelCopy"));
    Btn_CancelCopy->setEnabled(false);
    Copying_Gauge = new CopyGauge(this);
    Copying_Gauge->setObjectName(QStringLiteral("Copying_Gauge"));
    Copying_Gauge->setRange(0, 1);
    Copying_Gauge->setValue(0);
    Button2 = new QPushButton(t::clear(), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    btn_SelUp = new QToolButton(this);
    btn_SelUp->setObjectName(QStringLiteral("btn_SelUp"));
    btn_SelUp->setArrowType(Qt::UpArrow);
    btn_SelUp->setToolTip(t::moveUp());
    btn_SelDown = new QToolButton(this);
    btn_SelDown->setObjectName(QStringLiteral("btn_SelDown"));
    btn_SelDown->setArrowType(Qt::DownArrow);
    btn_SelDown->setToolTip(t::moveDown());

    ListView_Select = new QTreeView(this);
    ListView_Select->setObjectName(QStringLiteral("ListView_Select"));
    ListView_Select->setRootIsDecorated(false);
    ListView_Select->setUniformRowHeights(true);
    ListView_Select->setItemsExpandable(false);
    ListView_Select->setSortingEnabled(false);
    ListView_Select->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView_Select->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView_Select->setContextMenuPolicy(Qt::CustomContextMenu);
    ListView_Select->header()->setStretchLastSection(false);

    popup = new QMenu(this);
    ppFCUp = popup->addAction(t::moveUp());
    ppFCUp->setObjectName(QStringLiteral("ppFCUp"));
    ppFCDown = popup->addAction(t::moveDown());
    ppFCDown->setObjectName(QStringLiteral("ppFCDown"));
    ppFCDelete = popup->addAction(t::remove());
    ppFCDelete->setObjectName(QStringLiteral("ppFCDelete"));
    ppFCDelete->setShortcut(QKeySequence::Delete);
    ppFCDelete->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    ListView_Select->addAction(ppFCDelete);

    auto *top = new QHBoxLayout;
    top->addWidget(destinationLabel);
    top->addWidget(ComboBox2, 1);
    top->addWidget(Button1);
    auto *space = new QHBoxLayout;
    space->addWidget(spaceLabel);
    space->addWidget(LB_DiskFreeList, 1);
    space->addWidget(FileCopyGauge, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Btn_SelCopy);
    buttons->addWidget(Btn_CancelCopy);
    buttons->addWidget(Copying_Gauge, 1);
    buttons->addWidget(Button2);
    buttons->addWidget(btn_SelUp);
    buttons->addWidget(btn_SelDown);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addLayout(space);
    layout->addLayout(buttons);
    layout->addWidget(ListView_Select, 1);
}

} // namespace vireo::gui
