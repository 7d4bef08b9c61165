#include "gui/editing/BulkEditDialog.h"

#include "core/editing/EditingTexts.h"
#include "gui/editing/EditingMessages.h"
#include "gui/editing/SaveProgressWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vireo::gui::editing {

using namespace vireo::editing;

namespace {

QCheckBox *check(QWidget *parent, const char *name, const QString &text, const QString &hint = QString())
{
    auto *c = new QCheckBox(text, parent);
    c->setObjectName(QLatin1String(name));
    c->setToolTip(hint);
    return c;
}

QComboBox *combo(QWidget *parent, const char *name, bool editable, const QString &hint = QString())
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEditable(editable);
    if (editable)
        c->setInsertPolicy(QComboBox::NoInsert);
    c->setToolTip(hint);
    return c;
}

QTableWidget *grid(QWidget *parent, const char *name, const QStringList &header, const QList<int> &widths)
{
    auto *g = new QTableWidget(0, int(header.size()), parent);
    g->setObjectName(QLatin1String(name));
    g->setHorizontalHeaderLabels(header);
    for (int i = 0; i < widths.size(); ++i)
        g->setColumnWidth(i, widths[i]);
    return g;
}

void fillCombo(QComboBox *box, const ComboState &s)
{
    box->clear();
    box->addItems(s.items);
    if (s.selected >= 0)
        box->setCurrentIndex(s.selected);
    else if (box->isEditable())
        box->setCurrentText(s.text);
}

void readCombo(QComboBox *box, ComboState &s)
{
    s.text = box->currentText();
    s.selected = box->currentIndex() >= 0 && box->itemText(box->currentIndex()) == s.text ? box->currentIndex() : -1;
}

void fillGrid(QTableWidget *g, const QList<QStringList> &rows)
{
    g->setRowCount(int(rows.size()) - 1);
    QStringList header = rows.value(0);
    g->setHorizontalHeaderLabels(header);
    for (int r = 1; r < rows.size(); ++r)
        for (int c = 0; c < g->columnCount(); ++c) {
            auto *item = new QTableWidgetItem(rows[r].value(c));
            if (c == 0)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable); // the path is not edited
            g->setItem(r - 1, c, item);
        }
}

void readGrid(QTableWidget *g, QList<QStringList> &rows)
{
    for (int r = 1; r < rows.size() && r - 1 < g->rowCount(); ++r)
        for (int c = 0; c < g->columnCount() && c < rows[r].size(); ++c)
            if (QTableWidgetItem *item = g->item(r - 1, c))
                rows[r][c] = item->text();
    for (int c = 0; c < g->columnCount() && c < rows[0].size(); ++c)
        if (QTableWidgetItem *h = g->horizontalHeaderItem(c))
            rows[0][c] = h->text();
}

} // namespace

TID3AllSetDlg::TID3AllSetDlg(TID3TagUseful &store, UndoJournal *journal, QWidget *parent)
    : QDialog(parent), m_model(store, journal)
{
    build();
}

void TID3AllSetDlg::build()
{
    setObjectName(QStringLiteral("ID3AllSetDlg"));
    setWindowTitle(texts::bulkCaption());
    auto *layout = new QVBoxLayout(this);
    const QString v1Hint = QStringLiteral("有効にするとID3v1.1形式での書き込みを行います。無効にしてもTAGの削除は行いません。");
    const QString v2Hint = QStringLiteral("有効にするとID3v2形式での書き込みを行います。無効にしてもTAGの削除は行いません。");
    auto *top = new QHBoxLayout;
    ID3v1Chk = check(this, "ID3v1Chk", QStringLiteral("ID3v1.1有効"), v1Hint);
    ID3v2Chk = check(this, "ID3v2Chk", QStringLiteral("ID3v2有効"), v2Hint);
    Button1 = new QPushButton(QStringLiteral("v1->v2"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("v2->v1"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    EnCodeCharIdx = combo(this, "EnCodeCharIdx", false);
    EnCodeCharIdx->addItems(BulkEditModel::encodingEntries());
    top->addWidget(ID3v1Chk);
    top->addWidget(ID3v2Chk);
    top->addWidget(new QLabel(QStringLiteral("TAGコピー："), this));
    top->addWidget(Button1);
    top->addWidget(Button2);
    top->addStretch();
    top->addWidget(new QLabel(QStringLiteral("文字コード"), this));
    top->addWidget(EnCodeCharIdx);
    layout->addLayout(top);

    auto *boxes = new QGridLayout;
    Chk_Artist = check(this, "Chk_Artist", QStringLiteral("Artist"));
    ArtistComb = combo(this, "ArtistComb", true);
    Chk_Album = check(this, "Chk_Album", QStringLiteral("Album"));
    AlbumComb = combo(this, "AlbumComb", true);
    Chk_year = check(this, "Chk_year", QStringLiteral("Year"));
    yearComb = combo(this, "yearComb", true);
    yearComb->lineEdit()->setMaxLength(4);
    Chk_Genre = check(this, "Chk_Genre", QStringLiteral("Genre"));
    SelGenreComb = combo(this, "SelGenreComb", true, QStringLiteral("こちらが有効"));
    Button3 = new QPushButton(QStringLiteral("<<"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setToolTip(QStringLiteral("右で選んだジャンルを左へコピーします"));
    GenreComb = combo(this, "GenreComb", false, QStringLiteral("こちらから選んで"));
    boxes->addWidget(Chk_Artist, 0, 0);
    boxes->addWidget(ArtistComb, 0, 1, 1, 3);
    boxes->addWidget(Chk_Album, 1, 0);
    boxes->addWidget(AlbumComb, 1, 1, 1, 3);
    boxes->addWidget(Chk_year, 2, 0);
    boxes->addWidget(yearComb, 2, 1);
    boxes->addWidget(Chk_Genre, 3, 0);
    boxes->addWidget(SelGenreComb, 3, 1);
    boxes->addWidget(Button3, 3, 2);
    boxes->addWidget(GenreComb, 3, 3);
    boxes->setColumnStretch(1, 1);
    boxes->setColumnStretch(3, 1);
    layout->addLayout(boxes);

    auto *fields = new QHBoxLayout;
    const QString both = QStringLiteral("V1,V2共通");
    Chk_Track = check(this, "Chk_Track", QStringLiteral("Track"), both);
    Chk_Title = check(this, "Chk_Title", QStringLiteral("Title"), both);
    Chk_Comment = check(this, "Chk_Comment", QStringLiteral("Comment"), both);
    Chk_Encode = check(this, "Chk_Encode", QStringLiteral("Encoded by"));
    Chk_Cope = check(this, "Chk_Cope", QStringLiteral("Copyright"));
    Chk_Original = check(this, "Chk_Original", QStringLiteral("Orig. Artist"));
    Chk_URL = check(this, "Chk_URL", QStringLiteral("URL"));
    Chk_Composer = check(this, "Chk_Composer", QStringLiteral("Composer"));
    for (QCheckBox *c : {Chk_Track, Chk_Title, Chk_Comment, Chk_Encode, Chk_Cope, Chk_Original, Chk_URL, Chk_Composer})
        fields->addWidget(c);
    fields->addStretch();
    layout->addLayout(fields);

    tabs = new QTabWidget(this);
    StringGrid_v1 = grid(tabs, "StringGrid_v1", BulkEditModel::v1Header(), {261, 27, 214, 184});
    StringGrid_v2 = grid(tabs, "StringGrid_v2", BulkEditModel::v2Header(), {261, 27, 214, 184, 100, 100, 100, 100, 100});
    tabs->addTab(StringGrid_v1, QStringLiteral("ID3V1.1"));
    tabs->addTab(StringGrid_v2, QStringLiteral("ID3V2.3"));
    layout->addWidget(tabs, 1);

    auto *bottom = new QHBoxLayout;
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setFormat(QStringLiteral("%p%"));
    ProgressBar1->hide();
    Btn_Set = new QPushButton(QStringLiteral("更新して終了"), this);
    Btn_Set->setObjectName(QStringLiteral("Btn_Set"));
    Btn_TagEditEnd = new QPushButton(QStringLiteral("キャンセル"), this);
    Btn_TagEditEnd->setObjectName(QStringLiteral("Btn_TagEditEnd"));
    bottom->addWidget(ProgressBar1, 1);
    bottom->addStretch();
    bottom->addWidget(Btn_Set);
    bottom->addWidget(Btn_TagEditEnd);
    layout->addLayout(bottom);
    resize(900, 600);

    connect(ID3v2Chk, &QCheckBox::toggled, this, [this](bool on) {
        // The five ID3v2-only boxes follow the ID3v2 box.
        for (QCheckBox *c : {Chk_Encode, Chk_Cope, Chk_Original, Chk_URL, Chk_Composer})
            c->setChecked(on);
    });
    connect(Button1, &QPushButton::clicked, this, [this] {
        readBack();
        m_model.copyV1ToV2();
        showGrids();
    });
    connect(Button2, &QPushButton::clicked, this, [this] {
        readBack();
        m_model.copyV2ToV1();
        showGrids();
    });
    connect(Button3, &QPushButton::clicked, this, [this] {
        readBack();
        m_model.copyChosenGenre();
        fillCombo(SelGenreComb, m_model.selGenre);
    });
    connect(Btn_Set, &QPushButton::clicked, this, &TID3AllSetDlg::save);
    connect(Btn_TagEditEnd, &QPushButton::clicked, this, &QDialog::reject);
}

void TID3AllSetDlg::load(const QList<TID3ListItem *> &tracks)
{
    m_model.reset();
    for (TID3ListItem *t : tracks)
        m_model.addTrack(t);
    m_model.prepareShow();
    showModel();
}

bool TID3AllSetDlg::execute(const QList<TID3ListItem *> &tracks)
{
    load(tracks);
    const bool ok = exec() == QDialog::Accepted;
    m_model.reset();
    showModel();
    return ok;
}

void TID3AllSetDlg::showModel()
{
    m_filling = true;
    ID3v1Chk->setChecked(m_model.v1Enabled);
    ID3v2Chk->setChecked(m_model.v2Enabled());
    EnCodeCharIdx->setCurrentIndex(m_model.encodingIndex);
    const std::pair<QCheckBox *, bool> ticks[] = {
        {Chk_Artist, m_model.chkArtist}, {Chk_Album, m_model.chkAlbum},     {Chk_year, m_model.chkYear},
        {Chk_Genre, m_model.chkGenre},   {Chk_Track, m_model.chkTrack},     {Chk_Title, m_model.chkTitle},
        {Chk_Comment, m_model.chkComment}, {Chk_Encode, m_model.chkEncodedBy}, {Chk_Cope, m_model.chkCopyright},
        {Chk_Original, m_model.chkOriginal}, {Chk_URL, m_model.chkUrl},    {Chk_Composer, m_model.chkComposer}};
    for (const auto &[box, on] : ticks)
        box->setChecked(on);
    fillCombo(ArtistComb, m_model.artist);
    fillCombo(AlbumComb, m_model.album);
    fillCombo(yearComb, m_model.year);
    fillCombo(SelGenreComb, m_model.selGenre);
    fillCombo(GenreComb, m_model.genreChoices);
    showGrids();
    m_filling = false;
}

void TID3AllSetDlg::showGrids()
{
    fillGrid(StringGrid_v1, m_model.v1Grid);
    fillGrid(StringGrid_v2, m_model.v2Grid);
}

void TID3AllSetDlg::readBack()
{
    m_model.v1Enabled = ID3v1Chk->isChecked();
    m_model.setV2Enabled(ID3v2Chk->isChecked());
    m_model.encodingIndex = EnCodeCharIdx->currentIndex();
    m_model.chkArtist = Chk_Artist->isChecked();
    m_model.chkAlbum = Chk_Album->isChecked();
    m_model.chkYear = Chk_year->isChecked();
    m_model.chkGenre = Chk_Genre->isChecked();
    m_model.chkTrack = Chk_Track->isChecked();
    m_model.chkTitle = Chk_Title->isChecked();
    m_model.chkComment = Chk_Comment->isChecked();
    m_model.chkEncodedBy = Chk_Encode->isChecked();
    m_model.chkCopyright = Chk_Cope->isChecked();
    m_model.chkOriginal = Chk_Original->isChecked();
    m_model.chkUrl = Chk_URL->isChecked();
    m_model.chkComposer = Chk_Composer->isChecked();
    readCombo(ArtistComb, m_model.artist);
    readCombo(AlbumComb, m_model.album);
    readCombo(yearComb, m_model.year);
    readCombo(SelGenreComb, m_model.selGenre);
    readCombo(GenreComb, m_model.genreChoices);
    readGrid(StringGrid_v1, m_model.v1Grid);
    readGrid(StringGrid_v2, m_model.v2Grid);
}

void TID3AllSetDlg::save()
{
    readBack();
    if (const QString warning = m_model.checkBeforeSave(); !warning.isEmpty()
        && showMessage(this, QMessageBox::Warning, warning, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    ProgressBar1->setRange(0, m_model.rowCount());
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    std::unique_ptr<SaveProgressWindow> window;
    if (m_model.rowCount() >= ProgressWindowFrom)
        window = std::make_unique<SaveProgressWindow>(this);
    const SaveProgress windowStep = window ? window->callback() : SaveProgress();
    m_outcome = m_model.save([&](int index, int total, const QString &path) {
        ProgressBar1->setValue(index + 1);
        ProgressBar1->setToolTip(path);
        if (windowStep)
            return windowStep(index, total, path);
        QApplication::processEvents();
        return true;
    });
    ProgressBar1->setValue(0);
    ProgressBar1->hide();
    window.reset();
    QStringList notes;
    if (!m_outcome.failures.isEmpty())
        notes.append(texts::someWritesFailed().arg(m_outcome.failures.size()) + QLatin1Char('\n')
                     + m_outcome.failureList());
    if (!m_outcome.journal.ok() && m_outcome.journal.code() == ErrorCode::TooLarge)
        notes.append(texts::undoUnavailable());
    if (!notes.isEmpty())
        showMessage(this, m_outcome.failures.isEmpty() ? QMessageBox::Information : QMessageBox::Warning,
                    notes.join(QStringLiteral("\n\n")));
    accept();
}

} // namespace vireo::gui::editing
