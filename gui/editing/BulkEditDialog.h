#pragma once
// TID3AllSetDlg: the bulk tag editor ("ID3TAG一括設定"): one artist, album,
// year and genre for many tracks, and two grids of per-track values. The
// window mirrors a BulkEditModel; long saves show a progress window.
#include "core/editing/BulkEditModel.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace vireo::gui::editing {

class TID3AllSetDlg : public QDialog {
    Q_OBJECT
public:
    TID3AllSetDlg(vireo::TID3TagUseful &store, vireo::editing::UndoJournal *journal, QWidget *parent = nullptr);

    // Resets the dialog and loads the tracks (the genre list filled first).
    void load(const QList<vireo::TID3ListItem *> &tracks);
    // load() and run modally; true when closed with "更新して終了".
    bool execute(const QList<vireo::TID3ListItem *> &tracks);
    // The outcome of the last save and the artist and album it confirmed.
    const vireo::editing::SaveOutcome &outcome() const { return m_outcome; }
    QString confirmedArtist() const { return m_model.confirmedArtist(); }
    QString confirmedAlbum() const { return m_model.confirmedAlbum(); }
    // Files from this count on get the separate progress window.
    static constexpr int ProgressWindowFrom = 20;

    QCheckBox *ID3v1Chk, *ID3v2Chk;
    QPushButton *Button1, *Button2, *Button3;
    QComboBox *EnCodeCharIdx;
    QCheckBox *Chk_Artist, *Chk_Album, *Chk_year, *Chk_Genre;
    QComboBox *ArtistComb, *AlbumComb, *yearComb, *SelGenreComb, *GenreComb;
    QCheckBox *Chk_Track, *Chk_Title, *Chk_Comment, *Chk_Encode, *Chk_Cope, *Chk_Original, *Chk_URL, *Chk_Composer;
    QTabWidget *tabs;
    QTableWidget *StringGrid_v1, *StringGrid_v2;
    QProgressBar *ProgressBar1;
    QPushButton *Btn_Set, *Btn_TagEditEnd;

private:
    void build();
    void showModel();
    void showGrids();
    void readBack();
    void save();

    vireo::editing::BulkEditModel m_model;
    vireo::editing::SaveOutcome m_outcome;
    bool m_filling = false;
};

} // namespace vireo::gui::editing
