#include "gui/playlists/FavMakeForm.h"

#include "core/platform/Paths.h"
#include "core/playlists/PlaylistTexts.h"
#include "gui/playlists/EditorRowsModel.h"
#include "gui/shell/DataModule.h"

#include <QAction>
#include <QDockWidget>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace vireo::gui {

namespace {

const QString kFileFilter = QStringLiteral("m3uファイル(*.meu) (*.m3u)");
const QString kAllFilter = QStringLiteral("全てのファイル (*)");

// Design widths of the columns; 0 starts hidden.
constexpr int kWidths[] = {25, 0, 0, 0, 20, 200, 100, 200, 50, 50, 50, 0};
// "表示項目の設定": each item and the column it shows or hides.
struct ColumnItem {
    const char16_t *caption;
    int column;
};
constexpr ColumnItem kColumnItems[] = {{u"ﾌｧｲﾙ名", 3}, {u"ﾀｲﾄﾙ", 5}, {u"ｱｰﾃｨｽﾄ", 6}, {u"ｱﾙﾊﾞﾑ", 7},
                                       {u"年代", 8},    {u"ｼﾞｬﾝﾙ", 9}, {u"ｺﾒﾝﾄ", 10}};
constexpr int kShownAgainWidth = 120; // for a column whose design width is 0

QString runFileDialog(QWidget *parent, QFileDialog::AcceptMode mode, const QString &folder)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDirectory(folder);
    dialog.setNameFilters({kFileFilter, kAllFilter});
    dialog.setDefaultSuffix(QStringLiteral("m3u"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QAction *action(QObject *owner, const QString &text, const char *name, const QString &hint = {})
{
    auto *a = new QAction(text, owner);
    a->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty())
        a->setToolTip(hint);
    return a;
}

} // namespace

TFavMakeForm::TFavMakeForm(playlists::PlaylistEditor::StoreGetter store, const DataModule &images, QWidget *parent)
    : QMainWindow(parent, Qt::Window), m_editor(*this, std::move(store))
{
    setObjectName(QStringLiteral("FavMakeForm"));
    setWindowTitle(playlists::kEditorTitle);
    resize(760, 480);

    m_dialogs.ask = [this](const QString &q) {
        return QMessageBox::warning(this, playlists::kEditorTitle, q, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    };
    m_dialogs.chooseOpen = [this](const QString &f) { return runFileDialog(this, QFileDialog::AcceptOpen, f); };
    m_dialogs.chooseSave = [this](const QString &f) { return runFileDialog(this, QFileDialog::AcceptSave, f); };
    m_dialogs.error = [this](const QString &m) { QMessageBox::critical(this, playlists::kEditorTitle, m); };

    // Left: the playlist list in a dockable panel.
    auto *dock = new QDockWidget(QStringLiteral("お気に入りファイル名："), this);
    dock->setObjectName(QStringLiteral("DockPanel_FavFile"));
    ListBox_FavFile = new QListWidget(dock);
    ListBox_FavFile->setObjectName(QStringLiteral("ListBox_FavFile"));
    dock->setWidget(ListBox_FavFile);
    addDockWidget(Qt::LeftDockWidgetArea, dock);

    // Right: toolbar with the label, the list, the buttons.
    auto *central = new QWidget(this);
    auto *lay = new QVBoxLayout(central);
    auto *bar = new QToolBar(central);
    bar->setObjectName(QStringLiteral("ToolBar_Fav"));
    toolNew = action(this, QStringLiteral("新規作成"), "toolNew", QStringLiteral("新規作成"));
    toolOpen = action(this, QStringLiteral("開く"), "toolOpen", QStringLiteral("開く"));
    toolSave = action(this, QStringLiteral("上書き保存"), "toolSave", QStringLiteral("上書き保存"));
    toolUp = action(this, QStringLiteral("上へ移動"), "toolUp", QStringLiteral("上へ移動"));
    toolDown = action(this, QStringLiteral("下へ移動"), "toolDown", QStringLiteral("下へ移動"));
    toolNew->setIcon(DataModule::badge(QStringLiteral("N"), QColor(60, 150, 80)));
    toolOpen->setIcon(DataModule::badge(QStringLiteral("O"), QColor(200, 140, 30)));
    toolSave->setIcon(DataModule::badge(QStringLiteral("S"), QColor(40, 120, 200)));
    toolUp->setIcon(DataModule::badge(QStringLiteral("↑"), QColor(120, 120, 120)));
    toolDown->setIcon(DataModule::badge(QStringLiteral("↓"), QColor(120, 120, 120)));
    for (QAction *a : {toolNew, toolOpen, toolSave, toolUp, toolDown})
        bar->addAction(a);
    Label2 = new QLabel(m_editor.label(), bar);
    Label2->setObjectName(QStringLiteral("Label2"));
    bar->addWidget(Label2);
    lay->addWidget(bar);

    ListView_Fav = new QTableView(central);
    ListView_Fav->setObjectName(QStringLiteral("ListView_Fav"));
    m_model = new EditorRowsModel(m_editor.rows(), images, this);
    ListView_Fav->setModel(m_model);
    ListView_Fav->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView_Fav->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView_Fav->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView_Fav->setSortingEnabled(false);
    ListView_Fav->verticalHeader()->hide();
    ListView_Fav->verticalHeader()->setDefaultSectionSize(18);
    ListView_Fav->setContextMenuPolicy(Qt::CustomContextMenu);
    m_restoreWidths.assign(std::size(kWidths), 0);
    for (int c = 0; c < int(std::size(kWidths)); ++c) {
        if (kWidths[c] == 0)
            ListView_Fav->setColumnHidden(c, true);
        else
            ListView_Fav->setColumnWidth(c, kWidths[c]);
    }
    lay->addWidget(ListView_Fav, 1);

    auto *buttons = new QHBoxLayout;
    Btn_Save = new QPushButton(QStringLiteral("保存(&S)"), central);
    Btn_Cancel = new QPushButton(QStringLiteral("キャンセル"), central);
    Btn_Close = new QPushButton(QStringLiteral("閉じる(&X)"), central);
    buttons->addWidget(Btn_Save);
    buttons->addWidget(Btn_Cancel);
    buttons->addStretch(1);
    buttons->addWidget(Btn_Close);
    lay->addLayout(buttons);
    setCentralWidget(central);

    buildMenus(images);
}

// The list's model reads the editor's rows, which go before the child widgets.
TFavMakeForm::~TFavMakeForm() { ListView_Fav->setModel(nullptr); }

void TFavMakeForm::buildMenus(const DataModule &)
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    newAct = file->addAction(QStringLiteral("新規作成(&N)"));
    openAct = file->addAction(QStringLiteral("開く(&O)"));
    saveAct = file->addAction(QStringLiteral("上書き保存(&S)"));
    saveAsAct = file->addAction(QStringLiteral("名前をつけて保存(&A)"));
    file->addSeparator();
    closeAct = file->addAction(QStringLiteral("閉じる(&X)"));
    undoAct = menuBar()->addAction(QStringLiteral("やり直し(&Z)"));

    auto *ctx = new QMenu(this);
    ctxUp = ctx->addAction(QStringLiteral("上へ移動"));
    ctxDown = ctx->addAction(QStringLiteral("下へ移動"));
    ctxDelete = ctx->addAction(QStringLiteral("削除"));
    ctx->addSeparator();
    columnsMenu = ctx->addMenu(QStringLiteral("表示項目の設定"));
    buildColumnsMenu();
    connect(ListView_Fav, &QWidget::customContextMenuRequested, this,
            [this, ctx](const QPoint &at) { ctx->popup(ListView_Fav->viewport()->mapToGlobal(at)); });

    const auto run = [this](auto command) {
        return [this, command] {
            command();
            refresh();
        };
    };
    for (QAction *a : {newAct, toolNew})
        connect(a, &QAction::triggered, this, run([this] { m_editor.newPlaylist(); }));
    for (QAction *a : {openAct, toolOpen})
        connect(a, &QAction::triggered, this, run([this] { m_editor.open(); }));
    for (QAction *a : {saveAct, toolSave})
        connect(a, &QAction::triggered, this, run([this] { m_editor.save(); }));
    connect(Btn_Save, &QPushButton::clicked, this, run([this] { m_editor.save(); }));
    connect(saveAsAct, &QAction::triggered, this, run([this] { m_editor.saveAs(); }));
    connect(undoAct, &QAction::triggered, this, run([this] { m_editor.undo(); }));
    connect(Btn_Cancel, &QPushButton::clicked, this, run([this] { m_editor.undo(); }));
    for (QAction *a : {toolUp, ctxUp})
        connect(a, &QAction::triggered, this, [this] { move(true); });
    for (QAction *a : {toolDown, ctxDown})
        connect(a, &QAction::triggered, this, [this] { move(false); });
    connect(ctxDelete, &QAction::triggered, this, &TFavMakeForm::deleteSelected);
    connect(closeAct, &QAction::triggered, this, &QWidget::hide);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::hide);
    connect(ListBox_FavFile, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        m_editor.loadFromList(ListBox_FavFile->row(item));
        refresh();
    });
}

// A checked item's column is shown; unchecking hides it and keeps its width
// for when it is shown again.
void TFavMakeForm::buildColumnsMenu()
{
    for (const ColumnItem &item : kColumnItems) {
        QAction *a = columnsMenu->addAction(QString::fromUtf16(item.caption));
        a->setCheckable(true);
        a->setChecked(!ListView_Fav->isColumnHidden(item.column));
        const int column = item.column;
        connect(a, &QAction::toggled, this, [this, column](bool shown) {
            if (!shown) {
                m_restoreWidths[size_t(column)] = ListView_Fav->columnWidth(column);
                ListView_Fav->setColumnHidden(column, true);
                return;
            }
            ListView_Fav->setColumnHidden(column, false);
            const int width = m_restoreWidths[size_t(column)];
            ListView_Fav->setColumnWidth(column, width > 0 ? width : kShownAgainWidth);
        });
    }
}

void TFavMakeForm::setDialogs(Dialogs dialogs) { m_dialogs = std::move(dialogs); }

void TFavMakeForm::openFromMain(const std::vector<playlists::PlaylistPtr> &tabPlaylists, const QString &folder,
                                const TM3UFile *tabSelection)
{
    const int selected = m_editor.openFromMain(tabPlaylists, folder, tabSelection);
    refresh();
    if (selected >= 0)
        ListBox_FavFile->setCurrentRow(selected);
    show();
    raise();
    activateWindow();
}

void TFavMakeForm::addRows(const std::vector<playlists::EditorRow> &rows)
{
    m_editor.appendRows(rows);
    refresh();
}

void TFavMakeForm::refresh()
{
    m_model->rowsReplaced();
    Label2->setText(m_editor.label());
    refreshList();
}

void TFavMakeForm::refreshList()
{
    const int selected = ListBox_FavFile->currentRow();
    ListBox_FavFile->clear();
    for (const playlists::PlaylistPtr &p : m_editor.list())
        ListBox_FavFile->addItem(extractFileName(p->FileName()));
    const int current = m_editor.currentListIndex();
    ListBox_FavFile->setCurrentRow(current >= 0 ? current : selected);
}

int TFavMakeForm::firstSelectedRow() const
{
    int first = -1;
    for (const QModelIndex &i : ListView_Fav->selectionModel()->selectedRows())
        if (first < 0 || i.row() < first)
            first = i.row();
    return first;
}

void TFavMakeForm::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    ListView_Fav->selectRow(row);
    ListView_Fav->scrollTo(m_model->index(row, 0));
}

void TFavMakeForm::move(bool up)
{
    const int row = firstSelectedRow();
    if (row < 0)
        return;
    const int to = up ? m_editor.moveUp(row) : m_editor.moveDown(row);
    refresh();
    selectRow(to);
}

void TFavMakeForm::deleteSelected()
{
    std::vector<int> rows;
    for (const QModelIndex &i : ListView_Fav->selectionModel()->selectedRows())
        rows.push_back(i.row());
    if (rows.empty())
        return;
    m_editor.deleteRows(rows);
    refresh();
}

bool TFavMakeForm::askSaveChanges() { return m_dialogs.ask && m_dialogs.ask(playlists::kAskSave); }
bool TFavMakeForm::askOverwrite() { return m_dialogs.ask && m_dialogs.ask(playlists::kAskOverwrite); }
QString TFavMakeForm::chooseOpenFile(const QString &folder)
{
    return m_dialogs.chooseOpen ? m_dialogs.chooseOpen(folder) : QString();
}
QString TFavMakeForm::chooseSaveFile(const QString &folder)
{
    return m_dialogs.chooseSave ? m_dialogs.chooseSave(folder) : QString();
}
void TFavMakeForm::showError(const QString &message)
{
    if (m_dialogs.error)
        m_dialogs.error(message);
}

} // namespace vireo::gui
