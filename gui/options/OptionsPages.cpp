// The five pages of the options dialog, built once.
#include "gui/options/OptionsDialog.h"
#include "gui/options/OptionsTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vireo::gui {

namespace t = optiontext;

namespace {

template <typename W> W *named(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLineEdit *sample(QWidget *parent, const char *name)
{
    auto *e = named(new QLineEdit(t::kSample, parent), name);
    e->setReadOnly(true);
    e->setAutoFillBackground(true);
    return e;
}

} // namespace

QWidget *TVireoOpDlg::buildBasicPage()
{
    auto *page = new QWidget;
    auto *lay = new QVBoxLayout(page);
    auto *cache = new QGroupBox(t::kCacheGroup, page);
    auto *cl = new QVBoxLayout(cache);
    m_cacheLoaded = named(new QCheckBox(t::kCacheLoaded, cache), "CheckBox_CacheLoaded");
    m_cacheLoaded->setEnabled(false);
    m_cacheOnly = named(new QCheckBox(t::kCacheOnly, cache), "CheckBox_FirstCache");
    auto *note = new QLabel(t::kCacheOnlyNote, cache);
    auto *tagMode = named(new QGroupBox(t::kTagMode, cache), "RadioGroup_TagMode");
    auto *tl = new QHBoxLayout(tagMode);
    m_v1 = named(new QRadioButton(QStringLiteral("ID3v1"), tagMode), "Radio_ID3v1");
    m_v2 = named(new QRadioButton(QStringLiteral("ID3v2"), tagMode), "Radio_ID3v2");
    tl->addWidget(m_v1);
    tl->addWidget(m_v2);
    m_hideMissing = named(new QCheckBox(t::kHideMissing, cache), "CheckBox_ShowNoExist");
    m_allAlbumTabs = named(new QCheckBox(t::kAllAlbumTabs, cache), "CheckBox_AllAlbumTab");
    m_keepGenres = named(new QCheckBox(t::kKeepGenres, cache), "CheckBox_ViewGenre");
    for (QWidget *w : {static_cast<QWidget *>(m_cacheLoaded), static_cast<QWidget *>(m_cacheOnly),
                       static_cast<QWidget *>(note), static_cast<QWidget *>(tagMode),
                       static_cast<QWidget *>(m_hideMissing), static_cast<QWidget *>(m_allAlbumTabs),
                       static_cast<QWidget *>(m_keepGenres)})
        cl->addWidget(w);

    auto *files = new QGroupBox(t::kFilesGroup, page);
    auto *fl = new QGridLayout(files);
    m_musicFolder = named(new QLineEdit(files), "Edit_MP3Dir");
    m_playlistFolder = named(new QLineEdit(files), "Edit_FavDir");
    m_playlistFolder->setToolTip(t::kPlaylistHint);
    int row = 0;
    for (auto [caption, edit, name] : {std::tuple{t::kMusicFolder, m_musicFolder, "Btn_MP3Dir"},
                                       std::tuple{t::kPlaylistFolder, m_playlistFolder, "Btn_FavDir"}}) {
        fl->addWidget(new QLabel(caption, files), row, 0);
        fl->addWidget(edit, row, 1);
        auto *browse = named(new QPushButton(t::kBrowse, files), name);
        QLineEdit *target = edit;
        connect(browse, &QPushButton::clicked, this, [this, target] { pickFolder(target); });
        connect(edit, &QLineEdit::editingFinished, this,
                [target] { target->setText(folderWithSeparator(target->text())); });
        fl->addWidget(browse, row, 2);
        ++row;
    }
    auto *autoOpen = new QCheckBox(t::kAutoOpen, files);
    autoOpen->setEnabled(false);
    autoOpen->setChecked(true);
    fl->addWidget(autoOpen, row, 0, 1, 3);
    lay->addWidget(cache);
    lay->addWidget(files);
    lay->addStretch();
    return page;
}

QWidget *TVireoOpDlg::buildToolsPage()
{
    auto *page = new QWidget;
    auto *lay = new QVBoxLayout(page);
    auto *tools = new QGroupBox(t::kToolsGroup, page);
    auto *gl = new QGridLayout(tools);
    gl->addWidget(new QLabel(t::kOtherTools, tools), 0, 0, 1, 4);
    for (int i = 0; i < 3; ++i) {
        gl->addWidget(new QLabel(t::kToolRows[i], tools), 1 + i * 2, 0);
        m_tools[size_t(i)] = named(new QLineEdit(tools), "Edit_Tool");
        m_tools[size_t(i)]->setObjectName(QStringLiteral("Edit_Tool%1").arg(i + 1));
        gl->addWidget(m_tools[size_t(i)], 1 + i * 2, 1, 1, 2);
        auto *browse = new QPushButton(t::kFileBrowse, tools);
        QLineEdit *target = m_tools[size_t(i)];
        connect(browse, &QPushButton::clicked, this, [this, target] { pickProgram(target); });
        gl->addWidget(browse, 1 + i * 2, 3);
        auto *feed = new QWidget(tools);
        auto *fl = new QHBoxLayout(feed);
        fl->setContentsMargins(0, 0, 0, 0);
        fl->addWidget(new QLabel(t::kFeed, feed));
        m_toolOne[size_t(i)] = new QRadioButton(t::kOneByOne, feed);
        m_toolOne[size_t(i)]->setObjectName(QStringLiteral("Radio_Tool%1One").arg(i + 1));
        m_toolAll[size_t(i)] = new QRadioButton(t::kAllM3u, feed);
        m_toolAll[size_t(i)]->setObjectName(QStringLiteral("Radio_Tool%1All").arg(i + 1));
        fl->addWidget(m_toolOne[size_t(i)]);
        fl->addWidget(m_toolAll[size_t(i)]);
        fl->addStretch();
        gl->addWidget(feed, 2 + i * 2, 1, 1, 3);
    }
    m_tagEditorOn = named(new QCheckBox(t::kTagEditor, tools), "CheckBox_TagEditor");
    m_tagEditorOn->setToolTip(t::kTagEditorHint);
    m_tagEditor = named(new QLineEdit(tools), "Edit_TagEditor");
    auto *tagBrowse = new QPushButton(t::kFileBrowse, tools);
    connect(tagBrowse, &QPushButton::clicked, this, [this] { pickProgram(m_tagEditor); });
    gl->addWidget(m_tagEditorOn, 7, 0);
    gl->addWidget(m_tagEditor, 7, 1, 1, 2);
    gl->addWidget(tagBrowse, 7, 3);

    auto *player = named(new QGroupBox(t::kPlayerGroup, page), "RadioGroup_Player");
    auto *pl = new QGridLayout(player);
    m_playGroup = new QButtonGroup(this);
    const QString captions[3] = {t::kPlayAssociated, t::kPlayProgram, t::kPlayBuiltIn};
    for (int i = 0; i < 3; ++i) {
        m_playRadios[i] = new QRadioButton(captions[i], player);
        m_playRadios[i]->setObjectName(QStringLiteral("Radio_Play%1").arg(i));
        m_playGroup->addButton(m_playRadios[i], i);
        connect(m_playRadios[i], &QRadioButton::clicked, this, &TVireoOpDlg::updatePlayerField);
    }
    m_playDefaultOption = named(new QLineEdit(player), "Edit_PlaydefOption");
    m_playerPath = named(new QLineEdit(player), "Edit_Player");
    m_playerOption = named(new QLineEdit(player), "Edit_PlayerOption");
    connect(m_playerPath, &QLineEdit::textEdited, this, [this] {
        m_playRadios[1]->setChecked(true);
        updatePlayerField();
    });
    auto *playerBrowse = new QPushButton(t::kFileBrowse, player);
    connect(playerBrowse, &QPushButton::clicked, this, [this] { pickProgram(m_playerPath); });
    pl->addWidget(m_playRadios[0], 0, 0, 1, 2);
    pl->addWidget(new QLabel(t::kOption, player), 0, 2);
    pl->addWidget(m_playDefaultOption, 0, 3);
    pl->addWidget(m_playRadios[1], 1, 0, 1, 4);
    pl->addWidget(m_playerPath, 2, 0, 1, 1);
    pl->addWidget(playerBrowse, 2, 1);
    pl->addWidget(new QLabel(t::kOption, player), 2, 2);
    pl->addWidget(m_playerOption, 2, 3);
    pl->addWidget(m_playRadios[2], 3, 0, 1, 4);
    lay->addWidget(tools);
    lay->addWidget(player);
    lay->addStretch();
    return page;
}

QWidget *TVireoOpDlg::buildUiPage()
{
    auto *page = new QWidget;
    auto *lay = new QVBoxLayout(page);
    auto *bgImage = named(new QPushButton(t::kBackgroundImage, page), "Btn_BGImage"); // has no action
    lay->addWidget(bgImage, 0, Qt::AlignLeft);

    auto *apply = new QGroupBox(t::kApplyGroup, page);
    auto *al = new QHBoxLayout(apply);
    m_applyTrees = named(new QCheckBox(t::kArtistList, apply), "CheckBox_ApplyArtist");
    m_applyTrackList = named(new QCheckBox(t::kTrackList, apply), "CheckBox_ApplyMP3List");
    m_applyTrees->setChecked(true);
    m_applyTrackList->setChecked(true);
    auto *applyButton = named(new QPushButton(t::kApply, apply), "Btn_UISet");
    connect(applyButton, &QPushButton::clicked, this, &TVireoOpDlg::applyUi);
    al->addWidget(new QLabel(t::kApplyNote, apply));
    al->addWidget(m_applyTrees);
    al->addWidget(m_applyTrackList);
    al->addWidget(applyButton);

    auto *fonts = new QGroupBox(t::kFontGroup, page);
    auto *fl = new QGridLayout(fonts);
    m_sampleCurrent = sample(fonts, "Edit2");
    m_sampleNew = sample(fonts, "Edit_NewDesign");
    fl->addWidget(new QLabel(t::kCurrent, fonts), 0, 0);
    fl->addWidget(m_sampleCurrent, 0, 1);
    fl->addWidget(new QLabel(t::kNew, fonts), 1, 0);
    fl->addWidget(m_sampleNew, 1, 1);
    auto *pickColor = named(new QPushButton(t::kPickColor, fonts), "Btn_NewColor");
    auto *pickFont = named(new QPushButton(t::kPickFont, fonts), "Btn_NewFont");
    fl->addWidget(pickColor, 0, 2);
    fl->addWidget(pickFont, 1, 2);
    connect(pickColor, &QPushButton::clicked, this, [this] {
        if (auto c = pickColorFor(m_current.background)) {
            m_new.background = *c;
            showSamples();
        }
    });
    connect(pickFont, &QPushButton::clicked, this, [this] {
        if (auto f = pickFontFor(m_new.font)) {
            m_new.font = *f;
            showSamples();
        }
    });
    auto *presets = new QHBoxLayout;
    const std::pair<QString, UiPreset> buttons[] = {{t::kWhiteBlack, UiPreset::WhiteOnBlack},
                                                    {t::kGreenBlack, UiPreset::GreenOnBlack},
                                                    {t::kBlackWhite, UiPreset::BlackOnWhite},
                                                    {t::kDefault, UiPreset::Default}};
    int n = 0;
    for (const auto &[caption, p] : buttons) {
        auto *b = new QPushButton(caption, fonts);
        b->setObjectName(QStringLiteral("Btn_Preset%1").arg(n++));
        const UiPreset chosen = p;
        connect(b, &QPushButton::clicked, this, [this, chosen] { preset(chosen); });
        presets->addWidget(b);
    }
    fl->addLayout(presets, 2, 0, 1, 3);

    auto *rows = new QGroupBox(t::kRowColors, page);
    auto *rl = new QGridLayout(rows);
    m_sampleRow1 = sample(rows, "Edit1");
    m_sampleRow2 = sample(rows, "Edit3");
    for (int i = 0; i < 2; ++i) {
        QLineEdit *edit = i == 0 ? m_sampleRow1 : m_sampleRow2;
        ColorValue *target = i == 0 ? &m_row1 : &m_row2;
        auto *b = new QPushButton(t::kPickColor, rows);
        b->setObjectName(QStringLiteral("Btn_RowColor%1").arg(i + 1));
        connect(b, &QPushButton::clicked, this, [this, target] {
            if (auto c = pickColorFor(*target)) {
                *target = *c;
                showSamples();
            }
        });
        rl->addWidget(edit, i, 0);
        rl->addWidget(b, i, 1);
    }
    lay->addWidget(apply);
    lay->addWidget(fonts);
    lay->addWidget(rows);
    lay->addStretch();
    return page;
}

QWidget *TVireoOpDlg::buildViewPage()
{
    auto *page = new QWidget;
    auto *lay = new QVBoxLayout(page);
    auto *genres = new QGroupBox(t::kGenreGroup, page);
    auto *gl = new QVBoxLayout(genres);
    gl->addWidget(new QLabel(t::kGenreNote, genres));
    m_genres = named(new QListWidget(genres), "CheckListBox1");
    // Three columns: the entries flow top to bottom and wrap.
    m_genres->setFlow(QListView::TopToBottom);
    m_genres->setWrapping(true);
    m_genres->setResizeMode(QListView::Adjust);
    m_genres->setMinimumHeight(220);
    connect(m_genres, &QListWidget::itemChanged, this, [this] {
        if (!m_filling)
            m_genresChanged = true;
    });
    gl->addWidget(m_genres);

    auto *comp = new QGroupBox(t::kCompilationGroup, page);
    auto *cl = new QGridLayout(comp);
    cl->addWidget(new QLabel(t::kCompilationNote1, comp), 0, 0, 1, 2);
    cl->addWidget(new QLabel(t::kCompilationNote2, comp), 1, 0, 1, 2);
    m_compilations = named(new QListWidget(comp), "ListBox_Compilation");
    auto *remove = named(new QPushButton(t::kRemove, comp), "Btn_CompilationDelete");
    connect(remove, &QPushButton::clicked, this, [this] {
        if (QListWidgetItem *item = m_compilations->currentItem(); item && item->isSelected())
            delete m_compilations->takeItem(m_compilations->row(item));
    });
    cl->addWidget(m_compilations, 2, 0);
    cl->addWidget(remove, 2, 1, Qt::AlignTop);
    lay->addWidget(genres);
    lay->addWidget(comp);
    return page;
}

QWidget *TVireoOpDlg::buildOtherPage()
{
    auto *page = new QWidget;
    auto *lay = new QVBoxLayout(page);
    auto *v2 = new QGroupBox(t::kId3v2Group, page);
    auto *vl = new QGridLayout(v2);
    auto *codeLabel = new QLabel(t::kCharCode, v2);
    codeLabel->setEnabled(false);
    m_charCode = named(new QComboBox(v2), "EnCodeCharIdx");
    m_charCode->addItems({QStringLiteral("ANSI"), QStringLiteral("Unicode(utf-16)"), QStringLiteral("UTF-8")});
    m_charCode->setEnabled(false);
    m_genreCode = named(new QCheckBox(t::kGenreCode, v2), "CheckBox_GenreCode");
    vl->addWidget(codeLabel, 0, 0);
    vl->addWidget(m_charCode, 0, 1);
    vl->addWidget(m_genreCode, 1, 0, 1, 2);

    auto *net = new QGroupBox(t::kNetGroup, page);
    auto *nl = new QGridLayout(net);
    nl->addWidget(new QLabel(t::kNetNote, net), 0, 0, 1, 4);
    m_proxyGroup = new QButtonGroup(this);
    auto *direct = named(new QRadioButton(t::kDirect, net), "Radio_ProxyDirect");
    auto *automatic = named(new QRadioButton(t::kAutoProxy, net), "Radio_ProxyAuto");
    automatic->setEnabled(false);
    automatic->setVisible(false);
    auto *manual = named(new QRadioButton(t::kManualProxy, net), "Radio_ProxyManual");
    m_proxyGroup->addButton(direct, 0);
    m_proxyGroup->addButton(automatic, 1);
    m_proxyGroup->addButton(manual, 2);
    m_proxyAddress = named(new QLineEdit(net), "Edit_ProxyAddress");
    m_proxyPort = named(new QLineEdit(net), "Edit_ProxyPort");
    nl->addWidget(direct, 1, 0, 1, 4);
    nl->addWidget(automatic, 2, 0, 1, 4);
    nl->addWidget(manual, 3, 0, 1, 4);
    nl->addWidget(new QLabel(t::kProxyAddress, net), 4, 0);
    nl->addWidget(m_proxyAddress, 4, 1);
    nl->addWidget(new QLabel(t::kProxyPort, net), 4, 2);
    nl->addWidget(m_proxyPort, 4, 3);

    auto *sources = new QGroupBox(t::kSourcesGroup, page);
    auto *sl = new QGridLayout(sources);
    m_sourceMb = named(new QCheckBox(QStringLiteral("MusicBrainz / Cover Art Archive"), sources), "CheckBox_SourceMB");
    m_sourceDeezer = named(new QCheckBox(QStringLiteral("Deezer"), sources), "CheckBox_SourceDeezer");
    m_sourceClassic = named(new QCheckBox(QStringLiteral("amazon"), sources), "CheckBox_SourceClassic");
    m_classicHost = named(new QLineEdit(sources), "Edit_CoverSearchHost");
    sl->addWidget(m_sourceMb, 0, 0, 1, 2);
    sl->addWidget(m_sourceDeezer, 1, 0, 1, 2);
    sl->addWidget(m_sourceClassic, 2, 0, 1, 2);
    sl->addWidget(new QLabel(t::kClassicHost, sources), 3, 0);
    sl->addWidget(m_classicHost, 3, 1);
    lay->addWidget(v2);
    lay->addWidget(net);
    lay->addWidget(sources);
    lay->addStretch();
    return page;
}

} // namespace vireo::gui
