#include "gui/fileinfo/FileInfoPanel.h"

#include "core/settings/MainWindowSettings.h"
#include "core/views/FileInfoTexts.h"
#include "gui/fileinfo/ArtworkView.h"

#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStackedLayout>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace vireo::fileinfo {

namespace {
const char *const kBoxNames[views::StreamBoxCount] = {
    "FileSizeText", "MPEGTypeText", "BitRateText", "DurationText", "SampleRateText",
    "ChannelModeText", "TotalFramesText", "CRCProtectionText", "EmphasisText", "EncoderText",
    "CopyrightText", "OriginalText",
};
constexpr int kArtworkWidth = 199;
constexpr int kGridRowHeight = 14;
} // namespace

FileInfoPanel::FileInfoPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FileInfoPage"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("FileInfoToolBar"));
    bar->setIconSize(QSize(16, 16));
    m_artworkAction = bar->addAction(views::kArtworkShowCommand);
    m_artworkAction->setCheckable(true);
    m_artworkAction->setChecked(true);
    connect(m_artworkAction, &QAction::toggled, this, &FileInfoPanel::setArtworkVisible);
    auto button = [&](const char *name) {
        auto *b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(QString::fromLatin1(name + 4)); // "ID3v1", "ID3v2"
        b->setCheckable(true);
        b->setEnabled(false);
        bar->addWidget(b);
        return b;
    };
    m_v1 = button("Btn_ID3v1");
    m_v1->setObjectName(QStringLiteral("Btn_v1"));
    m_v2 = button("Btn_ID3v2");
    m_v2->setObjectName(QStringLiteral("Btn_v2"));
    auto *group = new QButtonGroup(this); // pressing one releases the other
    group->addButton(m_v1);
    group->addButton(m_v2);
    m_fileName = new QLabel(bar);
    m_fileName->setObjectName(QStringLiteral("Label_FileName"));
    m_fileName->setMinimumWidth(300);
    m_fileName->setContentsMargins(6, 0, 0, 0);
    bar->addWidget(m_fileName);
    outer->addWidget(bar);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    outer->addLayout(row, 1);

    m_artworkWindow = new QWidget(this);
    m_artworkWindow->setObjectName(QStringLiteral("ArtWorkWindow"));
    m_artworkWindow->setFixedWidth(kArtworkWidth);
    auto *stack = new QStackedLayout(m_artworkWindow);
    stack->setStackingMode(QStackedLayout::StackAll);
    m_noImage = new QLabel(views::kNoImage, m_artworkWindow);
    m_noImage->setObjectName(QStringLiteral("NoImageLabel"));
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(21);
    m_noImage->setFont(f);
    m_noImage->setAlignment(Qt::AlignCenter);
    m_noImage->setWordWrap(true);
    m_artwork = new ArtworkView(m_artworkWindow);
    stack->addWidget(m_noImage);
    stack->addWidget(m_artwork);
    m_noImage->raise();
    row->addWidget(m_artworkWindow);

    m_grid = new QTableWidget(0, 2, this);
    m_grid->setObjectName(QStringLiteral("TntStringGrid1"));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
    m_grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    m_grid->setColumnWidth(0, 106);
    m_grid->setColumnWidth(1, 209);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setFixedWidth(106 + 209 + 2 * m_grid->frameWidth() + 18);
    row->addWidget(m_grid);

    auto *boxes = new QWidget(this);
    boxes->setObjectName(QStringLiteral("StreamBox"));
    auto *g = new QGridLayout(boxes);
    g->setContentsMargins(4, 2, 4, 2);
    g->setVerticalSpacing(1);
    for (int i = 0; i < views::StreamBoxCount; ++i) {
        auto *caption = new QLabel(views::kStreamCaptions[i], boxes);
        auto *edit = new QLineEdit(boxes);
        edit->setObjectName(QString::fromLatin1(kBoxNames[i]));
        edit->setReadOnly(true);
        m_boxes[size_t(i)] = edit;
        // Two columns of six boxes.
        const int col = (i / 6) * 2;
        g->addWidget(caption, i % 6, col);
        g->addWidget(edit, i % 6, col + 1);
    }
    row->addWidget(boxes, 1);
}

void FileInfoPanel::setFileName(const QString &path) { m_fileName->setText(path); }

void FileInfoPanel::setStreamTexts(const views::StreamTexts &texts)
{
    for (int i = 0; i < views::StreamBoxCount; ++i)
        m_boxes[size_t(i)]->setText(texts[size_t(i)]);
}

void FileInfoPanel::clearStreamTexts()
{
    for (QLineEdit *e : m_boxes)
        e->clear();
}

void FileInfoPanel::setGridRows(const std::vector<views::GridRow> &rows)
{
    m_grid->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        m_grid->setItem(r, 0, new QTableWidgetItem(rows[size_t(r)].Name));
        m_grid->setItem(r, 1, new QTableWidgetItem(rows[size_t(r)].Value));
        m_grid->setRowHeight(r, kGridRowHeight);
    }
}

bool FileInfoPanel::setArtwork(const QByteArray &bytes, QString *error)
{
    const bool shown = !bytes.isEmpty() && m_artwork->setPicture(bytes, error);
    if (!shown)
        m_artwork->clear();
    m_noImage->setVisible(!shown);
    return shown;
}

void FileInfoPanel::setArtworkVisible(bool on)
{
    m_artworkWindow->setVisible(on);
    if (m_artworkAction->isChecked() != on)
        m_artworkAction->setChecked(on);
}

void FileInfoPanel::applySettings(const MainWindowSettings &s) { setArtworkVisible(s.artworkVisible); }

void FileInfoPanel::collectSettings(MainWindowSettings &s) const
{
    s.artworkVisible = m_artworkAction->isChecked();
}

} // namespace vireo::fileinfo
