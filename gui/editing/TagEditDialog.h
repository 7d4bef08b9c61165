#pragma once
// TID3TagEditDlg: the tag editor, the ID3v1 values of one file on the left
// and its ID3v2 values with the embedded picture on the right. The window
// mirrors a TagEditorModel; the rules live there.
#include "core/editing/TagEditorModel.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vireo {
class TID3ListItem;
class TID3TagUseful;
}

namespace vireo::gui::editing {

class TID3TagEditDlg : public QDialog {
    Q_OBJECT
public:
    TID3TagEditDlg(vireo::TID3TagUseful &store, vireo::editing::UndoJournal *journal, QWidget *parent = nullptr);

    // Fills the dialog for a record (without running it).
    void load(vireo::TID3ListItem *track);
    // load() and run modally; true only after "保存終了" with a change saved.
    bool execute(vireo::TID3ListItem *track);
    // After a save: whether the trees must be rebuilt, and the library's record now.
    bool rebuildNeeded() const { return m_model.rebuildNeeded(); }
    vireo::TID3ListItem *track() const { return m_model.track(); }
    bool saved() const { return m_saved; }

    // The picture chooser ("画像選択"); tests replace the file dialog.
    void setPictureChooser(std::function<QString()> chooser) { m_chooser = std::move(chooser); }

    QLineEdit *Edit_FileName;
    QCheckBox *ID3v1Chk, *ID3v2Chk;
    QPushButton *BTN_Cancel1, *Btn_Cancel2;
    QGroupBox *leftPanel, *rightPanel;
    QLineEdit *Edit_Title, *Edit_Artist, *Edit_Album, *Edit_Year, *Edit_Comment, *Edit_TrackNo;
    QComboBox *ComboBox_Genre;
    QCheckBox *CheckBox1;
    QPushButton *v1paste_Btn;
    QComboBox *V1CodePage; // "ID3v1文字コード": this file's ID3v1 code page (first entry: the tag code page)
    QComboBox *EnCodeCharIdx;
    QLineEdit *Edit2_TITLE, *Edit2_Artist, *Edit2_Album, *Edit2_Comm, *Edit2_Year, *Edit2_Track;
    QComboBox *Edit2_Genre;
    QLineEdit *Edit2_TENC, *Edit2_TCOP, *Edit2_TOPE, *Edit2_WXXX, *Edit2_TCOM;
    QLabel *ArtWorkImage, *Label_AT_Filename, *Label_ATSize, *Label_AT_MIME;
    QPushButton *SpTBXButton1;
    QCheckBox *Check_Compilation;
    QPushButton *v2paste_Btn;
    QPushButton *Btn_TagEditEnd, *Btn_Set;

private:
    void build();
    void showV1();
    void showV2();
    void readV1();
    void readV2();
    void showPicture();
    void setLeftEnabled(bool on);
    void onV1Toggled(bool on);
    void onV2Toggled(bool on);
    void onTrackToggled(bool on);
    void choosePicture();
    void saveAndClose();

    vireo::editing::TagEditorModel m_model;
    std::function<QString()> m_chooser;
    bool m_filling = false;
    bool m_saved = false;
};

} // namespace vireo::gui::editing
