#include "gui/coverart/FindNetJacketForm.h"

#include "core/coverart/CoverResultScan.h"
#include "core/coverart/CoverSave.h"
#include "core/coverart/CoverSearchTexts.h"
#include "core/coverart/PictureCheck.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace vireo::gui {

namespace t = coverart::texts;

TFindNetJacketForm::TFindNetJacketForm(coverart::HttpClient &client, coverart::RequestPacer &pacer,
                                       const coverart::CoverSearchSettings &settings, QWidget *parent)
    : QDialog(parent), m_search(client, pacer)
{
    setObjectName(QStringLiteral("FindNetJacketForm"));
    setWindowTitle(t::kWindowTitle);
    m_search.setSettings(settings);
    resize(640, 480);

    auto *lay = new QVBoxLayout(this);
    auto *bar = new QToolBar(this);
    bar->addWidget(new QLabel(t::kArtistLabel, bar));
    m_artistEdit = new QLineEdit(bar);
    m_artistEdit->setObjectName(QStringLiteral("ArtistEdit"));
    m_artistEdit->setFixedWidth(150);
    bar->addWidget(m_artistEdit);
    bar->addWidget(new QLabel(t::kAlbumLabel, bar));
    m_albumEdit = new QLineEdit(bar);
    m_albumEdit->setObjectName(QStringLiteral("AlbumEdit"));
    m_albumEdit->setFixedWidth(200);
    bar->addWidget(m_albumEdit);
    m_searchButton = new QPushButton(t::kSearch, bar);
    m_searchButton->setObjectName(QStringLiteral("SpTBXItem4"));
    m_searchButton->setToolTip(t::kSearchHint);
    m_searchButton->setAutoDefault(false);
    connect(m_searchButton, &QPushButton::clicked, this, &TFindNetJacketForm::SpTBXItem4Click);
    bar->addWidget(m_searchButton);
    lay->addWidget(bar);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ScrollBox1"));
    m_scroll->setWidgetResizable(true);
    m_results = new QWidget;
    m_results->setAutoFillBackground(true);
    QPalette grey = m_results->palette();
    grey.setColor(QPalette::Window, QColor(0xA0, 0xA0, 0xA4)); // clMedGray
    m_results->setPalette(grey);
    m_resultsLayout = new QVBoxLayout(m_results);
    m_resultsLayout->setContentsMargins(10, 10, 40, 10);
    m_resultsLayout->addStretch();
    m_scroll->setWidget(m_results);
    lay->addWidget(m_scroll, 1);

    auto *bottom = new QHBoxLayout;
    m_status = new QStatusBar(this);
    m_status->setSizeGripEnabled(false);
    m_folderLabel = new QLabel(m_status);
    m_folderLabel->setObjectName(QStringLiteral("FolderLabel"));
    m_status->addWidget(m_folderLabel, 1);
    auto *close = new QPushButton(t::kClose, this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    bottom->addWidget(m_status, 1);
    bottom->addWidget(close);
    lay->addLayout(bottom);

    m_popup = new QMenu(this);
    m_popup->addAction(t::kSavePicture, this, &TFindNetJacketForm::SpTBXItem1Click);

    connect(&m_search, &coverart::CoverSearch::hitReady, this, &TFindNetJacketForm::addHit);
    connect(&m_search, &coverart::CoverSearch::finished, this, &TFindNetJacketForm::onFinished);
    m_messageSink = [this](const QString &text) { QMessageBox::information(this, windowTitle(), text); };
    m_askOverwrite = [this](const QString &path) {
        return QMessageBox::question(this, windowTitle(), t::overwriteQuestion(path)) == QMessageBox::Yes;
    };
}

TFindNetJacketForm::~TFindNetJacketForm()
{
    m_search.cancel();
}

void TFindNetJacketForm::OpenSearch(const QString &artist, const QString &album, const QString &folder)
{
    m_artist = artist;
    m_album = album;
    m_folder = folder;
    m_artistEdit->setText(artist);
    m_albumEdit->setText(album);
    m_folderLabel->setText(folder);
}

void TFindNetJacketForm::ClearResults()
{
    for (QWidget *panel : m_panels)
        delete panel;
    m_panels.clear();
    m_pictures.clear();
    m_popupPicture = -1;
}

void TFindNetJacketForm::SpTBXItem4Click()
{
    if (m_search.isRunning())
        return;
    ClearResults();
    m_searchButton->setEnabled(false);
    m_search.start(m_artistEdit->text(), m_albumEdit->text());
}

void TFindNetJacketForm::addHit(const coverart::CoverHit &hit)
{
    auto *panel = new QFrame(m_results);
    panel->setObjectName(QStringLiteral("NewPanel%1").arg(m_panels.size() + 1));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    panel->setAttribute(Qt::WA_Hover);
    panel->setStyleSheet(QStringLiteral("QFrame#%1{background:palette(button);} QFrame#%1:hover{background:palette(light);}")
                             .arg(panel->objectName()));
    auto *pl = new QVBoxLayout(panel);
    pl->setContentsMargins(5, 5, 5, 5);
    auto *title = new QLabel(coverart::labelText(hit.result.title) + QStringLiteral("  [")
                                 + coverart::sourceName(hit.result.source) + u']',
                             panel);
    title->setObjectName(QStringLiteral("NewLabel%1").arg(m_panels.size() + 1));
    title->setTextFormat(Qt::PlainText);
    QPalette black = title->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    title->setPalette(black);
    pl->addWidget(title);
    auto *row = new QHBoxLayout;
    row->setSpacing(5);
    for (const coverart::CoverPicture &p : hit.pictures) {
        QImage image;
        // A picture that does not decode is neither shown nor offered.
        if (!image.loadFromData(p.data) || image.height() == 0)
            continue;
        auto *label = new QLabel(panel);
        label->setObjectName(QStringLiteral("NewImage%1").arg(m_pictures.size()));
        label->setPixmap(QPixmap::fromImage(image));
        label->setFixedSize(image.size());
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        const int index = int(m_pictures.size());
        connect(label, &QLabel::customContextMenuRequested, this, [this, label, index](const QPoint &pos) {
            m_popupPicture = index;
            m_popup->popup(label->mapToGlobal(pos));
        });
        m_pictures << Picture{label, p.data};
        row->addWidget(label);
    }
    row->addStretch();
    pl->addLayout(row);
    m_resultsLayout->insertWidget(m_resultsLayout->count() - 1, panel);
    m_panels << panel;
}

void TFindNetJacketForm::onFinished(const Result &result)
{
    m_searchButton->setEnabled(true);
    emit searchFinished(result);
    message(result ? t::kSearchDone : result.message(), !result);
}

void TFindNetJacketForm::message(const QString &text, bool)
{
    if (m_messageSink)
        m_messageSink(text);
}

const QByteArray &TFindNetJacketForm::pictureData(int index) const
{
    return m_pictures.at(index).data;
}

bool TFindNetJacketForm::savePictureTo(int index, const QString &path)
{
    if (index < 0 || index >= m_pictures.size() || path.isEmpty())
        return false;
    if (coverart::saveNeedsConfirmation(path) && !(m_askOverwrite && m_askOverwrite(path)))
        return false;
    QByteArray bytes = m_pictures[index].data;
    // A ".jpg" name gets JPEG data, so a PNG cover is converted, not misnamed.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if ((suffix == u"jpg" || suffix == u"jpeg") && !coverart::IsJpegData(bytes)) {
        QImage image;
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        if (image.loadFromData(bytes) && buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "JPEG", 95))
            bytes = jpeg;
    }
    if (Result r = coverart::savePicture(bytes, path); !r) {
        message(r.message(), true);
        return false;
    }
    return true;
}

void TFindNetJacketForm::SpTBXItem1Click()
{
    const int index = m_popupPicture;
    if (index < 0 || index >= m_pictures.size())
        return;
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    dialog.setNameFilter(t::kSaveFilter);
    dialog.setDirectory(m_folder);
    dialog.selectFile(t::kDefaultSaveName);
    // The window asks before replacing a file itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    savePictureTo(index, dialog.selectedFiles().first());
}

void TFindNetJacketForm::closeEvent(QCloseEvent *event)
{
    // Requests end before any panel goes.
    m_search.cancel();
    m_searchButton->setEnabled(true);
    QDialog::closeEvent(event);
}

void TFindNetJacketForm::reject()
{
    m_search.cancel();
    m_searchButton->setEnabled(true);
    QDialog::reject();
}

} // namespace vireo::gui
