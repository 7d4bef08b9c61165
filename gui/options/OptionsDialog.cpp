#include "gui/options/OptionsDialog.h"

#include "gui/options/OptionsTexts.h"
#include "gui/shell/SettingsValues.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vireo::gui {

namespace t = optiontext;

TVireoOpDlg::TVireoOpDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VireoOpDlg"));
    setWindowTitle(t::kTitle);
    setModal(true);
    auto *lay = new QVBoxLayout(this);
    lay->setSizeConstraint(QLayout::SetFixedSize);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    m_tabs->addTab(buildBasicPage(), t::kPages[0]);
    m_tabs->addTab(buildToolsPage(), t::kPages[1]);
    m_tabs->addTab(buildUiPage(), t::kPages[2]);
    m_tabs->addTab(buildViewPage(), t::kPages[3]);
    m_tabs->addTab(buildOtherPage(), t::kPages[4]);
    auto *buttons = new QDialogButtonBox(this);
    auto *ok = buttons->addButton(t::kOk, QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto *cancel = buttons->addButton(t::kCancel, QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    lay->addWidget(m_tabs);
    lay->addWidget(buttons);
}

FontValue TVireoOpDlg::platformTitleFont()
{
    return fromQFont(QFontDatabase::systemFont(QFontDatabase::TitleFont), FontValue{QString(), 9, colors::Black, 0, 1});
}

void TVireoOpDlg::fill(const OptionsState &s, const UiSample &trackList, ColorValue row1, ColorValue row2, int page)
{
    m_filling = true;
    // 1. The UI samples.
    m_current = trackList;
    m_new = trackList;
    m_row1 = row1;
    m_row2 = row2;
    showSamples();
    // 2. Texts and check marks.
    m_musicFolder->setText(s.musicFolder);
    m_playlistFolder->setText(s.playlistFolder);
    m_playerPath->setText(s.playerPath);
    m_playerOption->setText(s.playerOption);
    m_playDefaultOption->setText(s.playDefaultOption);
    m_cacheLoaded->setChecked(s.cacheLoaded);
    m_cacheOnly->setChecked(s.cacheOnly);
    m_keepGenres->setChecked(s.keepHiddenGenres);
    m_allAlbumTabs->setChecked(s.allAlbumTabs);
    m_tagEditorOn->setChecked(s.externalTagEditorOn);
    m_tagEditor->setText(s.externalTagEditor);
    for (size_t i = 0; i < 3; ++i) {
        m_tools[i]->setText(s.tools[i]);
        (s.toolParams[i] != 0 ? m_toolAll[i] : m_toolOne[i])->setChecked(true);
    }
    m_genreCode->setChecked(s.genreCodeInText);
    // 3. The write encoding, read from the file at this moment.
    m_charCode->setCurrentIndex(s.v2DefaultCharCode);
    // 4. Proxy.
    m_proxyGroup->button(s.proxyUse == 1 || s.proxyUse == 2 ? s.proxyUse : 0)->setChecked(true);
    m_proxyAddress->setText(s.proxyAddress);
    m_proxyPort->setText(s.proxyPort);
    m_coverSearch = s.coverSearch;
    m_sourceMb->setChecked(s.coverSearch.sources.contains(coverart::CoverSource::MusicBrainz));
    m_sourceDeezer->setChecked(s.coverSearch.sources.contains(coverart::CoverSource::Deezer));
    m_sourceClassic->setChecked(s.coverSearch.sources.contains(coverart::CoverSource::Classic));
    m_classicHost->setText(s.coverSearch.classicHost);
    // 5. Tag preference.
    (s.preferV2 ? m_v2 : m_v1)->setChecked(true);
    // 6. Player.
    m_playRadios[s.playDefault == 1 || s.playDefault == 2 ? s.playDefault : 0]->setChecked(true);
    updatePlayerField();
    // 7. Page and ShowNoExistMP3Data.
    m_tabs->setCurrentIndex(page >= 0 && page < m_tabs->count() ? page : 0);
    m_hideMissing->setChecked(s.hideMissingTracks);
    // 8. Genres: every name checked (the state gives them sorted), the hidden ones unchecked.
    m_genres->clear();
    for (const QString &g : s.genres) {
        auto *item = new QListWidgetItem(g, m_genres);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(s.hiddenGenres.contains(g) ? Qt::Unchecked : Qt::Checked);
    }
    // 9. Compilations.
    m_compilations->clear();
    m_compilations->addItems(s.compilations);
    // 10. The flag starts cleared.
    m_genresChanged = false;
    m_filling = false;
}

OptionsState TVireoOpDlg::state() const
{
    OptionsState s;
    s.cacheLoaded = m_cacheLoaded->isChecked();
    s.cacheOnly = m_cacheOnly->isChecked();
    s.preferV2 = m_v2->isChecked();
    s.hideMissingTracks = m_hideMissing->isChecked();
    s.allAlbumTabs = m_allAlbumTabs->isChecked();
    s.keepHiddenGenres = m_keepGenres->isChecked();
    s.musicFolder = m_musicFolder->text();
    s.playlistFolder = m_playlistFolder->text();
    for (size_t i = 0; i < 3; ++i) {
        s.tools[i] = m_tools[i]->text();
        s.toolParams[i] = m_toolOne[i]->isChecked() ? 0 : 1;
    }
    s.externalTagEditorOn = m_tagEditorOn->isChecked();
    s.externalTagEditor = m_tagEditor->text();
    s.playDefault = std::max(0, m_playGroup->checkedId());
    s.playDefaultOption = m_playDefaultOption->text();
    s.playerPath = m_playerPath->text();
    s.playerOption = m_playerOption->text();
    for (int i = 0; i < m_genres->count(); ++i) {
        const QListWidgetItem *item = m_genres->item(i);
        s.genres << item->text();
        if (item->checkState() != Qt::Checked)
            s.hiddenGenres << item->text();
    }
    for (int i = 0; i < m_compilations->count(); ++i)
        s.compilations << m_compilations->item(i)->text();
    s.v2DefaultCharCode = m_charCode->currentIndex();
    s.genreCodeInText = m_genreCode->isChecked();
    s.proxyUse = std::max(0, m_proxyGroup->checkedId());
    s.proxyAddress = m_proxyAddress->text();
    s.proxyPort = m_proxyPort->text();
    s.coverSearch = m_coverSearch;
    s.coverSearch.sources.clear();
    if (m_sourceMb->isChecked())
        s.coverSearch.sources << coverart::CoverSource::MusicBrainz;
    if (m_sourceDeezer->isChecked())
        s.coverSearch.sources << coverart::CoverSource::Deezer;
    if (m_sourceClassic->isChecked())
        s.coverSearch.sources << coverart::CoverSource::Classic;
    s.coverSearch.classicHost = m_classicHost->text().trimmed();
    return s;
}

void TVireoOpDlg::updatePlayerField()
{
    m_playerPath->setEnabled(m_playRadios[1]->isChecked());
}

void TVireoOpDlg::showSamples()
{
    auto paint = [](QLineEdit *edit, const FontValue &font, ColorValue background) {
        edit->setFont(toQFont(font));
        QPalette p = edit->palette();
        p.setColor(QPalette::Base, toQColor(background));
        p.setColor(QPalette::Text, toQColor(font.color));
        edit->setPalette(p);
    };
    paint(m_sampleCurrent, m_current.font, m_current.background);
    paint(m_sampleNew, m_new.font, m_new.background);
    paint(m_sampleRow1, m_current.font, m_row1);
    paint(m_sampleRow2, m_current.font, m_row2);
}

void TVireoOpDlg::preset(UiPreset p)
{
    m_new = applyPreset(p, m_new, platformTitleFont());
    showSamples();
}

void TVireoOpDlg::applyUi()
{
    m_current = m_new;
    showSamples();
    emit uiApplied(m_new, m_row1, m_row2, m_applyTrackList->isChecked(), m_applyTrees->isChecked());
}

void TVireoOpDlg::pickFolder(QLineEdit *edit)
{
    const QString dir = QFileDialog::getExistingDirectory(this, t::kPickFolder, edit->text());
    if (!dir.isEmpty())
        edit->setText(folderWithSeparator(dir));
}

void TVireoOpDlg::pickProgram(QLineEdit *edit)
{
    const QString file = QFileDialog::getOpenFileName(this, QString(), edit->text(), t::kExeFilter);
    if (!file.isEmpty())
        edit->setText(file);
}

std::optional<ColorValue> TVireoOpDlg::pickColorFor(ColorValue initial)
{
    const QColor c = QColorDialog::getColor(toQColor(initial), this);
    if (!c.isValid())
        return std::nullopt;
    return colorFromRgb(c.red(), c.green(), c.blue());
}

std::optional<FontValue> TVireoOpDlg::pickFontFor(const FontValue &initial)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, toQFont(initial), this);
    if (!ok)
        return std::nullopt;
    return fromQFont(f, initial);
}

} // namespace vireo::gui
