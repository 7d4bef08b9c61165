#pragma once
// Opens the options dialog over the main window's settings and commits
// "OK": the settings take the dialog's state in the fixed order, the
// library store its three flags, the file its immediate keys, the
// compilation list its entries; then optionsApplied tells the window what
// to redo. "適用" changes the fonts and colours at once (uiApplied).
#include "core/settings/OptionsModel.h"

#include <QObject>

#include <functional>

class QWidget;

namespace vireo {
class TID3TagUseful;
class TRegManager;
}

namespace vireo::gui {

class StoreAccess;
class TVireoOpDlg;

class OptionsController : public QObject {
    Q_OBJECT
public:
    // The library store and the settings store exist only between start-up
    // and shutdown: both are asked for at each opening.
    OptionsController(const StoreAccess &library, std::function<TRegManager *()> settingsStore,
                      MainWindowSettings &settings, QWidget *window);
    ~OptionsController() override;

    // Shows the dialog on a page (0..4, the opening command's tag) and
    // commits it on "OK". Returns true when it was confirmed (false, too,
    // while there is no library or settings store).
    bool open(int page);
    TVireoOpDlg *dialog() const { return m_dialog; }

signals:
    void optionsApplied(const vireo::OptionsOutcome &outcome);
    void uiApplied(bool trackList, bool trees);

private:
    void commit(TRegManager &store, TID3TagUseful &library);

    const StoreAccess &m_library;
    std::function<TRegManager *()> m_settingsStore;
    MainWindowSettings &m_settings;
    QWidget *m_window;
    TVireoOpDlg *m_dialog;
};

} // namespace vireo::gui
