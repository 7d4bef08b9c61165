#pragma once
// The options dialog "環境設定" (TVireoOpDlg): five pages over an
// OptionsState. It shows a state (fill), gives back what the controls hold
// (state) and keeps the genres-changed flag; "適用" on the UI page reports
// the new font and colours at once (uiApplied), whatever the dialog's end.
#include "core/settings/OptionsModel.h"

#include <QDialog>

#include <array>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace vireo::gui {

class TVireoOpDlg : public QDialog {
    Q_OBJECT
public:
    explicit TVireoOpDlg(QWidget *parent = nullptr);

    // The fill step: every control from the state, the UI samples from the
    // track list's font and background and the row colours, the page of the
    // opening command's tag; the genres-changed flag is cleared.
    void fill(const OptionsState &state, const UiSample &trackList, ColorValue row1, ColorValue row2, int page);
    // The controls as a state (the fields of "OK").
    OptionsState state() const;
    bool genresChanged() const { return m_genresChanged; }

    const UiSample &currentSample() const { return m_current; }
    const UiSample &newSample() const { return m_new; }
    // The font "ﾃﾞﾌｫﾙﾄに戻す" gives: the platform's title font.
    static FontValue platformTitleFont();

signals:
    void uiApplied(const vireo::UiSample &sample, vireo::ColorValue row1, vireo::ColorValue row2, bool trackList,
                   bool trees);

private:
    QWidget *buildBasicPage();
    QWidget *buildToolsPage();
    QWidget *buildUiPage();
    QWidget *buildViewPage();
    QWidget *buildOtherPage();
    void showSamples();
    void applyUi();
    void preset(UiPreset p);
    void pickFolder(QLineEdit *edit);
    std::optional<ColorValue> pickColorFor(ColorValue initial);
    std::optional<FontValue> pickFontFor(const FontValue &initial);
    void pickProgram(QLineEdit *edit);
    void updatePlayerField();

    QTabWidget *m_tabs = nullptr;
    // Page 0
    QCheckBox *m_cacheLoaded = nullptr, *m_cacheOnly = nullptr, *m_hideMissing = nullptr, *m_allAlbumTabs = nullptr,
              *m_keepGenres = nullptr;
    QRadioButton *m_v1 = nullptr, *m_v2 = nullptr;
    QLineEdit *m_musicFolder = nullptr, *m_playlistFolder = nullptr;
    // Page 1
    std::array<QLineEdit *, 3> m_tools{};
    std::array<QRadioButton *, 3> m_toolOne{}, m_toolAll{};
    QCheckBox *m_tagEditorOn = nullptr;
    QLineEdit *m_tagEditor = nullptr;
    QButtonGroup *m_playGroup = nullptr;
    QRadioButton *m_playRadios[3] = {};
    QLineEdit *m_playDefaultOption = nullptr, *m_playerPath = nullptr, *m_playerOption = nullptr;
    // Page 2
    QCheckBox *m_applyTrees = nullptr, *m_applyTrackList = nullptr;
    QLineEdit *m_sampleCurrent = nullptr, *m_sampleNew = nullptr, *m_sampleRow1 = nullptr, *m_sampleRow2 = nullptr;
    UiSample m_current, m_new;
    ColorValue m_row1 = 0, m_row2 = 0;
    // Page 3
    QListWidget *m_genres = nullptr;
    QListWidget *m_compilations = nullptr;
    // Page 4
    QComboBox *m_charCode = nullptr;
    QCheckBox *m_genreCode = nullptr;
    QButtonGroup *m_proxyGroup = nullptr;
    QLineEdit *m_proxyAddress = nullptr, *m_proxyPort = nullptr;
    QCheckBox *m_sourceMb = nullptr, *m_sourceDeezer = nullptr, *m_sourceClassic = nullptr;
    QLineEdit *m_classicHost = nullptr;
    coverart::CoverSearchSettings m_coverSearch;

    bool m_genresChanged = false;
    bool m_filling = false;
};

} // namespace vireo::gui
