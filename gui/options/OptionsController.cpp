#include "gui/options/OptionsController.h"

#include "gui/options/OptionsDialog.h"
#include "gui/shell/StoreAccess.h"

#include "core/coverart/CoverSearchSettings.h"
#include "core/library/LibraryStore.h"
#include "core/settings/RegManager.h"

#include <QMessageBox>

namespace vireo::gui {

OptionsController::OptionsController(const StoreAccess &library, std::function<TRegManager *()> settingsStore,
                                     MainWindowSettings &settings, QWidget *window)
    : QObject(window), m_library(library), m_settingsStore(std::move(settingsStore)), m_settings(settings),
      m_window(window),
      m_dialog(new TVireoOpDlg(window))
{
    connect(m_dialog, &TVireoOpDlg::uiApplied, this,
            [this](const UiSample &sample, ColorValue row1, ColorValue row2, bool trackList, bool trees) {
                applyUiSamples(m_settings, sample, row1, row2, trackList, trees);
                emit uiApplied(trackList, trees);
            });
}

OptionsController::~OptionsController() = default;

bool OptionsController::open(int page)
{
    TID3TagUseful *library = m_library.store();
    TRegManager *store = m_settingsStore ? m_settingsStore() : nullptr;
    if (!library || !store)
        return false;
    const OptionsState state = optionsFromSettings(
        m_settings, library->CacheLoaded(), library->GenreNames(), library->Compilations(),
        store->Filer(u"V2DefaultCharCode").ReadInteger(), coverart::readCoverSearchSettings(*store));
    m_dialog->fill(state, UiSample{m_settings.trackListFont, m_settings.trackListColor}, m_settings.rowColor1,
                   m_settings.rowColor2, page);
    if (m_window)
        m_dialog->move(m_window->geometry().center() - m_dialog->rect().center());
    if (m_dialog->exec() != QDialog::Accepted)
        return false;
    commit(*store, *library);
    return true;
}

void OptionsController::commit(TRegManager &store, TID3TagUseful &library)
{
    const OptionsState state = m_dialog->state();
    const QStringList oldCompilations = library.Compilations();
    const OptionsOutcome outcome = applyOptions(state, m_dialog->genresChanged(), oldCompilations, m_settings);
    library.CacheOnly = m_settings.cacheOnly;
    library.PreferV2 = m_settings.preferV2;
    library.GenreCodeInText = m_settings.genreCodeInText;
    QStringList failures;
    if (Result r = writeImmediateOptions(store, state); !r)
        failures << r.message();
    if (outcome.compilationsChanged) {
        library.SetCompilations(state.compilations);
        if (Result r = library.SaveCompilations(); !r)
            failures << r.message();
    }
    emit optionsApplied(outcome);
    if (!failures.isEmpty())
        QMessageBox::critical(m_window, QString(), failures.join(u'\n'));
}

} // namespace vireo::gui
