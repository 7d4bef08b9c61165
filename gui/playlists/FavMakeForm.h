#pragma once
// TFavMakeForm, "m3u作成～お気に入りの作成～": the non-modal playlist editor
// window. It shows the editor model of core/playlists and passes every
// command to it; questions and file choices are its dialogs.
#include "core/playlists/PlaylistEditor.h"

#include <QMainWindow>

#include <functional>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTableView;

namespace vireo::gui {

class DataModule;
class EditorRowsModel;

class TFavMakeForm : public QMainWindow, private playlists::PlaylistEditorHost {
    Q_OBJECT
public:
    // The dialogs the window asks through; tests replace them.
    struct Dialogs {
        std::function<bool(const QString &question)> ask;             // Yes / No
        std::function<QString(const QString &folder)> chooseOpen;      // "" when cancelled
        std::function<QString(const QString &folder)> chooseSave;      // "" when cancelled
        std::function<void(const QString &message)> error;
    };

    TFavMakeForm(playlists::PlaylistEditor::StoreGetter store, const DataModule &images,
                 QWidget *parent = nullptr);
    ~TFavMakeForm() override;

    // "Make Playlist": the list of the tab's playlists, the playlist folder,
    // then the window is shown (rows and current playlist stay).
    void openFromMain(const std::vector<playlists::PlaylistPtr> &tabPlaylists, const QString &folder,
                      const TM3UFile *tabSelection);
    // "お気に入りに追加": open as above, then append the rows.
    void addRows(const std::vector<playlists::EditorRow> &rows);

    void setDialogs(Dialogs dialogs);
    playlists::PlaylistEditor &editor() { return m_editor; }

    // The controls, for tests.
    QListWidget *ListBox_FavFile = nullptr;
    QTableView *ListView_Fav = nullptr;
    QLabel *Label2 = nullptr;
    QAction *newAct = nullptr, *openAct = nullptr, *saveAct = nullptr, *saveAsAct = nullptr;
    QAction *closeAct = nullptr, *undoAct = nullptr;
    QAction *toolNew = nullptr, *toolOpen = nullptr, *toolSave = nullptr, *toolUp = nullptr, *toolDown = nullptr;
    QAction *ctxUp = nullptr, *ctxDown = nullptr, *ctxDelete = nullptr;
    QMenu *columnsMenu = nullptr;
    QPushButton *Btn_Save = nullptr, *Btn_Cancel = nullptr, *Btn_Close = nullptr;

private:
    bool askSaveChanges() override;
    bool askOverwrite() override;
    QString chooseOpenFile(const QString &folder) override;
    QString chooseSaveFile(const QString &folder) override;
    void showError(const QString &message) override;

    void buildMenus(const DataModule &images);
    void buildColumnsMenu();
    void refresh();
    void refreshList();
    int firstSelectedRow() const;
    void selectRow(int row);
    void move(bool up);
    void deleteSelected();

    playlists::PlaylistEditor m_editor;
    EditorRowsModel *m_model = nullptr;
    Dialogs m_dialogs;
    std::vector<int> m_restoreWidths;
};

} // namespace vireo::gui
