#include "gui/editing/TagEditDialog.h"

#include "core/editing/EditingTexts.h"
#include "core/editing/SaveBatch.h"
#include "core/editing/TagWriteBack.h"
#include "core/library/TrackRecord.h"
#include "core/platform/CodePage.h"
#include "gui/editing/EditingMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace vireo::gui::editing {

using namespace vireo::editing;

namespace {

QLineEdit *edit(QWidget *parent, const char *name, int maxLength = 0)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

void addRow(QGridLayout *grid, int row, const QString &label, QWidget *w, int span = 1)
{
    grid->addWidget(new QLabel(label, w->parentWidget()), row, 0);
    grid->addWidget(w, row, 1, 1, span);
}

// Track edits take the digits 0 to 9 only.
void digitsOnly(QLineEdit *e)
{
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
}

} // namespace

TID3TagEditDlg::TID3TagEditDlg(TID3TagUseful &store, UndoJournal *journal, QWidget *parent)
    : QDialog(parent), m_model(store, journal)
{
    build();
    m_chooser = [this] {
        return QFileDialog::getOpenFileName(this, QString(), QString(),
                                            QStringLiteral("画像 (*.jpg *.jpeg *.png *.bmp *.gif);;すべて (*)"));
    };
}

void TID3TagEditDlg::build()
{
    setObjectName(QStringLiteral("ID3TagEditDlg"));
    setWindowTitle(texts::tagEditorCaption());
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    Edit_FileName = edit(this, "Edit_FileName");
    Edit_FileName->setReadOnly(true);
    top->addWidget(Edit_FileName, 1);
    layout->addLayout(top);
    auto *checks = new QHBoxLayout;
    ID3v1Chk = new QCheckBox(QStringLiteral("ID3v1有効"), this);
    ID3v1Chk->setObjectName(QStringLiteral("ID3v1Chk"));
    BTN_Cancel1 = button(this, "BTN_Cancel1", QStringLiteral("元に戻す"));
    ID3v2Chk = new QCheckBox(QStringLiteral("ID3v2有効"), this);
    ID3v2Chk->setObjectName(QStringLiteral("ID3v2Chk"));
    Btn_Cancel2 = button(this, "Btn_Cancel2", QStringLiteral("元に戻す"));
    checks->addWidget(ID3v1Chk);
    checks->addWidget(BTN_Cancel1);
    checks->addStretch();
    checks->addWidget(ID3v2Chk);
    checks->addWidget(Btn_Cancel2);
    layout->addLayout(checks);

    auto *panels = new QHBoxLayout;
    leftPanel = new QGroupBox(QStringLiteral("ID3v1"), this);
    auto *lg = new QGridLayout(leftPanel);
    Edit_Title = edit(leftPanel, "Edit_Title", TagEditorModel::TextLimit);
    Edit_Artist = edit(leftPanel, "Edit_Artist", TagEditorModel::TextLimit);
    Edit_Album = edit(leftPanel, "Edit_Album", TagEditorModel::TextLimit);
    Edit_Year = edit(leftPanel, "Edit_Year", TagEditorModel::YearLimit);
    ComboBox_Genre = new QComboBox(leftPanel);
    ComboBox_Genre->setObjectName(QStringLiteral("ComboBox_Genre"));
    ComboBox_Genre->addItems(TagEditorModel::genreEntries());
    Edit_Comment = edit(leftPanel, "Edit_Comment", 30);
    CheckBox1 = new QCheckBox(QStringLiteral("TrackNo"), leftPanel);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Edit_TrackNo = edit(leftPanel, "Edit_TrackNo", 3);
    digitsOnly(Edit_TrackNo);
    v1paste_Btn = button(leftPanel, "v1paste_Btn", QStringLiteral("ID3v2へコピー"));
    V1CodePage = new QComboBox(leftPanel);
    V1CodePage->setObjectName(QStringLiteral("V1CodePage"));
    for (const QString &name : TagEditorModel::v1CodePageEntries())
        V1CodePage->addItem(name.isEmpty() ? QStringLiteral("既定 (%1)").arg(QString::fromLatin1(tagCodePage())) : name,
                            name);
    addRow(lg, 0, QStringLiteral("Title"), Edit_Title, 2);
    addRow(lg, 1, QStringLiteral("Artist"), Edit_Artist, 2);
    addRow(lg, 2, QStringLiteral("Album"), Edit_Album, 2);
    addRow(lg, 3, QStringLiteral("Year"), Edit_Year);
    addRow(lg, 4, QStringLiteral("Genre"), ComboBox_Genre, 2);
    addRow(lg, 5, QStringLiteral("Comment"), Edit_Comment, 2);
    lg->addWidget(CheckBox1, 6, 0);
    lg->addWidget(Edit_TrackNo, 6, 1);
    lg->addWidget(v1paste_Btn, 7, 1, 1, 2);
    addRow(lg, 8, QStringLiteral("ID3v1文字コード"), V1CodePage, 2);
    lg->setRowStretch(9, 1);

    rightPanel = new QGroupBox(QStringLiteral("ID3v2"), this);
    auto *rg = new QGridLayout(rightPanel);
    EnCodeCharIdx = new QComboBox(rightPanel);
    EnCodeCharIdx->setObjectName(QStringLiteral("EnCodeCharIdx"));
    EnCodeCharIdx->addItems(TagEditorModel::encodingEntries());
    Edit2_TITLE = edit(rightPanel, "Edit2_TITLE");
    Edit2_Artist = edit(rightPanel, "Edit2_Artist");
    Edit2_Album = edit(rightPanel, "Edit2_Album");
    Edit2_Comm = edit(rightPanel, "Edit2_Comm");
    Edit2_Year = edit(rightPanel, "Edit2_Year", TagEditorModel::YearLimit);
    Edit2_Track = edit(rightPanel, "Edit2_Track");
    digitsOnly(Edit2_Track);
    Edit2_Genre = new QComboBox(rightPanel);
    Edit2_Genre->setObjectName(QStringLiteral("Edit2_Genre"));
    Edit2_Genre->setEditable(true);
    Edit2_Genre->setInsertPolicy(QComboBox::NoInsert);
    Edit2_Genre->addItems(TagEditorModel::genreEntries());
    Edit2_TENC = edit(rightPanel, "Edit2_TENC");
    Edit2_TCOP = edit(rightPanel, "Edit2_TCOP", TagEditorModel::CopyrightLimit);
    Edit2_TOPE = edit(rightPanel, "Edit2_TOPE");
    Edit2_WXXX = edit(rightPanel, "Edit2_WXXX");
    Edit2_TCOM = edit(rightPanel, "Edit2_TCOM");
    addRow(rg, 0, QStringLiteral("文字コード"), EnCodeCharIdx);
    addRow(rg, 1, QStringLiteral("Title"), Edit2_TITLE, 2);
    addRow(rg, 2, QStringLiteral("Artist"), Edit2_Artist, 2);
    addRow(rg, 3, QStringLiteral("Album"), Edit2_Album, 2);
    addRow(rg, 4, QStringLiteral("Year"), Edit2_Year);
    addRow(rg, 5, QStringLiteral("Track"), Edit2_Track);
    addRow(rg, 6, QStringLiteral("Genre"), Edit2_Genre, 2);
    addRow(rg, 7, QStringLiteral("Comment"), Edit2_Comm, 2);
    addRow(rg, 8, QStringLiteral("エンコード"), Edit2_TENC, 2);
    addRow(rg, 9, QStringLiteral("著作権"), Edit2_TCOP, 2);
    addRow(rg, 10, QStringLiteral("ｵﾘｼﾞﾅﾙ"), Edit2_TOPE, 2);
    addRow(rg, 11, QStringLiteral("URL"), Edit2_WXXX, 2);
    addRow(rg, 12, QStringLiteral("作曲者"), Edit2_TCOM, 2);
    ArtWorkImage = new QLabel(rightPanel);
    ArtWorkImage->setObjectName(QStringLiteral("ArtWorkImage"));
    ArtWorkImage->setFixedSize(120, 120);
    ArtWorkImage->setAlignment(Qt::AlignCenter);
    ArtWorkImage->setFrameShape(QFrame::StyledPanel);
    Label_AT_Filename = new QLabel(rightPanel);
    Label_AT_Filename->setObjectName(QStringLiteral("Label_AT_Filename"));
    Label_ATSize = new QLabel(rightPanel);
    Label_ATSize->setObjectName(QStringLiteral("Label_ATSize"));
    Label_AT_MIME = new QLabel(rightPanel);
    Label_AT_MIME->setObjectName(QStringLiteral("Label_AT_MIME"));
    SpTBXButton1 = button(rightPanel, "SpTBXButton1", QStringLiteral("画像選択"));
    auto *art = new QGridLayout;
    art->addWidget(new QLabel(QStringLiteral("アートワーク："), rightPanel), 0, 0);
    art->addWidget(ArtWorkImage, 1, 0, 4, 1);
    art->addWidget(new QLabel(QStringLiteral("ファイル："), rightPanel), 1, 1);
    art->addWidget(Label_AT_Filename, 1, 2);
    art->addWidget(new QLabel(QStringLiteral("サイズ："), rightPanel), 2, 1);
    art->addWidget(Label_ATSize, 2, 2);
    art->addWidget(new QLabel(QStringLiteral("MIME TYPE："), rightPanel), 3, 1);
    art->addWidget(Label_AT_MIME, 3, 2);
    art->addWidget(SpTBXButton1, 4, 1, 1, 2);
    art->setColumnStretch(2, 1);
    rg->addLayout(art, 13, 0, 1, 3);
    Check_Compilation = new QCheckBox(QStringLiteral("コンピレーションアルバムとして登録する。"), rightPanel);
    Check_Compilation->setObjectName(QStringLiteral("Check_Compilation"));
    v2paste_Btn = button(rightPanel, "v2paste_Btn", QStringLiteral("ID3v1へコピー"));
    rg->addWidget(Check_Compilation, 14, 0, 1, 3);
    rg->addWidget(v2paste_Btn, 15, 1, 1, 2);
    panels->addWidget(leftPanel);
    panels->addWidget(rightPanel, 1);
    layout->addLayout(panels);

    auto *bottom = new QHBoxLayout;
    Btn_TagEditEnd = button(this, "Btn_TagEditEnd", QStringLiteral("保存終了"));
    Btn_Set = button(this, "Btn_Set", QStringLiteral("保存せずに終了"));
    bottom->addStretch();
    bottom->addWidget(Btn_TagEditEnd);
    bottom->addWidget(Btn_Set);
    layout->addLayout(bottom);

    connect(ID3v1Chk, &QCheckBox::toggled, this, &TID3TagEditDlg::onV1Toggled);
    connect(ID3v2Chk, &QCheckBox::toggled, this, &TID3TagEditDlg::onV2Toggled);
    connect(CheckBox1, &QCheckBox::toggled, this, &TID3TagEditDlg::onTrackToggled);
    connect(BTN_Cancel1, &QPushButton::clicked, this, [this] {
        m_model.fillV1();
        showV1();
    });
    connect(Btn_Cancel2, &QPushButton::clicked, this, [this] {
        m_model.fillV2();
        showV2();
    });
    connect(v1paste_Btn, &QPushButton::clicked, this, [this] {
        readV1();
        readV2();
        m_model.copyV1ToV2();
        showV2();
    });
    connect(v2paste_Btn, &QPushButton::clicked, this, [this] {
        readV1();
        readV2();
        m_model.copyV2ToV1();
        showV1();
    });
    // Another reading of this file's ID3v1 bytes: the left side is shown again from the file's tag.
    connect(V1CodePage, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling)
            return;
        m_model.setV1CodePage(V1CodePage->currentData().toString().toLatin1());
        showV1();
    });
    connect(SpTBXButton1, &QPushButton::clicked, this, &TID3TagEditDlg::choosePicture);
    connect(Btn_TagEditEnd, &QPushButton::clicked, this, &TID3TagEditDlg::saveAndClose);
    connect(Btn_Set, &QPushButton::clicked, this, &QDialog::reject);
}

void TID3TagEditDlg::load(TID3ListItem *track)
{
    m_saved = false;
    m_model.open(track);
    m_filling = true;
    V1CodePage->setCurrentIndex(0);
    m_filling = false;
    Edit_FileName->setText(track->FileName);
    showV1();
    showV2();
}

bool TID3TagEditDlg::execute(TID3ListItem *track)
{
    load(track);
    return exec() == QDialog::Accepted && m_saved;
}

void TID3TagEditDlg::setLeftEnabled(bool on)
{
    leftPanel->setEnabled(on); // a disabled panel shows its texts in grey
}

void TID3TagEditDlg::showV1()
{
    m_filling = true;
    const TagEditorV1Side &s = m_model.v1;
    ID3v1Chk->setChecked(s.enabled);
    setLeftEnabled(s.enabled);
    Edit_Title->setText(s.title);
    Edit_Artist->setText(s.artist);
    Edit_Album->setText(s.album);
    Edit_Year->setText(s.year);
    ComboBox_Genre->setCurrentIndex(qMax(0, ComboBox_Genre->findText(s.genre, Qt::MatchExactly)));
    Edit_Comment->setMaxLength(m_model.commentLimit());
    Edit_Comment->setText(s.comment);
    CheckBox1->setChecked(s.trackChecked);
    Edit_TrackNo->setText(s.track);
    Edit_TrackNo->setEnabled(s.trackChecked);
    m_filling = false;
}

void TID3TagEditDlg::showV2()
{
    m_filling = true;
    const TagEditorV2Side &s = m_model.v2;
    ID3v2Chk->setChecked(s.enabled);
    rightPanel->setEnabled(s.enabled);
    EnCodeCharIdx->setCurrentIndex(s.encodingIndex);
    Edit2_TITLE->setText(s.title);
    Edit2_Artist->setText(s.artist);
    Edit2_Album->setText(s.album);
    Edit2_Year->setText(s.year);
    Edit2_Track->setText(s.track);
    Edit2_Genre->setCurrentText(s.genre);
    Edit2_Comm->setText(s.comment);
    Edit2_TENC->setText(s.encodedBy);
    Edit2_TCOP->setText(s.copyright);
    Edit2_TOPE->setText(s.originalArtist);
    Edit2_WXXX->setText(s.url);
    Edit2_TCOM->setText(s.composer);
    Check_Compilation->setChecked(s.compilation);
    showPicture();
    m_filling = false;
}

void TID3TagEditDlg::showPicture()
{
    const TagEditorV2Side &s = m_model.v2;
    QImage image;
    if (!s.pictureData.isEmpty())
        image.loadFromData(s.pictureData);
    if (image.isNull()) {
        ArtWorkImage->clear();
        Label_ATSize->clear();
    } else {
        ArtWorkImage->setPixmap(QPixmap::fromImage(
            image.scaled(ArtWorkImage->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        Label_ATSize->setText(QStringLiteral("%1 x %2px").arg(image.width()).arg(image.height()));
    }
    Label_AT_MIME->setText(s.pictureMime);
    Label_AT_Filename->setText(s.pictureFile);
}

void TID3TagEditDlg::readV1()
{
    TagEditorV1Side &s = m_model.v1;
    s.enabled = ID3v1Chk->isChecked();
    s.title = Edit_Title->text();
    s.artist = Edit_Artist->text();
    s.album = Edit_Album->text();
    s.year = Edit_Year->text();
    s.genre = ComboBox_Genre->currentText();
    s.comment = Edit_Comment->text();
    s.trackChecked = CheckBox1->isChecked();
    s.track = Edit_TrackNo->text();
}

void TID3TagEditDlg::readV2()
{
    TagEditorV2Side &s = m_model.v2;
    s.enabled = ID3v2Chk->isChecked();
    s.encodingIndex = EnCodeCharIdx->currentIndex();
    s.title = Edit2_TITLE->text();
    s.artist = Edit2_Artist->text();
    s.album = Edit2_Album->text();
    s.year = Edit2_Year->text();
    s.track = Edit2_Track->text();
    s.genre = Edit2_Genre->currentText();
    s.comment = Edit2_Comm->text();
    s.encodedBy = Edit2_TENC->text();
    s.copyright = Edit2_TCOP->text();
    s.originalArtist = Edit2_TOPE->text();
    s.url = Edit2_WXXX->text();
    s.composer = Edit2_TCOM->text();
    s.compilation = Check_Compilation->isChecked();
}

void TID3TagEditDlg::onV1Toggled(bool on)
{
    setLeftEnabled(on);
    if (m_filling)
        return;
    const QString message = m_model.setV1Enabled(on);
    if (!message.isEmpty())
        showMessage(this, QMessageBox::Warning, message);
}

void TID3TagEditDlg::onV2Toggled(bool on)
{
    rightPanel->setEnabled(on);
    if (m_filling)
        return;
    const QString message = m_model.setV2Enabled(on);
    if (!message.isEmpty())
        showMessage(this, QMessageBox::Warning, message);
}

void TID3TagEditDlg::onTrackToggled(bool on)
{
    Edit_TrackNo->setEnabled(on);
    if (m_filling)
        return;
    readV1();
    m_model.setTrackChecked(on);
    Edit_Comment->setMaxLength(m_model.commentLimit());
    Edit_Comment->setText(m_model.v1.comment);
}

void TID3TagEditDlg::choosePicture()
{
    const QString path = m_chooser ? m_chooser() : QString();
    if (path.isEmpty())
        return;
    readV2();
    if (const Result r = m_model.choosePicture(path); !r) {
        showMessage(this, QMessageBox::Critical, r.message());
        return;
    }
    showPicture();
}

void TID3TagEditDlg::saveAndClose()
{
    readV1();
    readV2();
    if (!m_model.hasChanges()) {
        reject(); // as "保存せずに終了"
        return;
    }
    const TagEditorModel::SaveCheck check = m_model.checkBeforeSave();
    if (!check.error.isEmpty()) {
        showMessage(this, QMessageBox::Critical, check.error);
        Edit_TrackNo->setFocus();
        return;
    }
    if (!check.warning.isEmpty()
        && showMessage(this, QMessageBox::Warning, check.warning, QMessageBox::Yes | QMessageBox::No)
               != QMessageBox::Yes)
        return;
    const Result r = m_model.save();
    m_saved = true; // the library changed (or was read again): the views must follow
    if (!r)
        showMessage(this, QMessageBox::Critical, failureMessage({m_model.track()->FileName, r}));
    accept();
}

} // namespace vireo::gui::editing
