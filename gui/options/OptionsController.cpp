#include "gui/options/OptionsController.h"

#include "gui/options/OptionsDialog.h"

#include "core/coverart/CoverSearchSettings.h"
#include "core/library/LibraryStore.h"
#include "core/settings/RegManager.h"

#include <QMessageBox>

namespace vireo::gui {

OptionsController::OptionsController(TRegManager &store, MainWindowSettings &settings, TID3TagUseful &library,
                                     QWidget *window)
    : QObject(window), m_store(store), m_settings(settings), m_library(library), m_window(window),
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
    const OptionsState state = optionsFromSettings(
        m_settings, m_library.CacheLoaded(), m_library.GenreNames(), m_library.Compilations(),
        m_store.Filer(u"V2DefaultCharCode").ReadInteger(), coverart::readCoverSearchSettings(m_store));
    m_dialog->fill(state, UiSample{m_settings.trackListFont, m_settings.trackListColor}, m_settings.rowColor1,
                   m_settings.rowColor2, page);
    if (m_window)
        m_dialog->move(m_window->geometry().center() - m_dialog->rect().center());
    if (m_dialog->exec() != QDialog::Accepted)
        return false;
    commit();
    return true;
}

void OptionsController::commit()
{
    const OptionsState state = m_dialog->state();
    const QStringList oldCompilations = m_library.Compilations();
    const OptionsOutcome outcome = applyOptions(state, m_dialog->genresChanged(), oldCompilations, m_settings);
    m_library.CacheOnly = m_settings.cacheOnly;
    m_library.PreferV2 = m_settings.preferV2;
    m_library.GenreCodeInText = m_settings.genreCodeInText;
    QStringList failures;
    if (Result r = writeImmediateOptions(m_store, state); !r)
        failures << r.message();
    if (outcome.compilationsChanged) {
        m_library.SetCompilations(state.compilations);
        if (Result r = m_library.SaveCompilations(); !r)
            failures << r.message();
    }
    emit optionsApplied(outcome);
    if (!failures.isEmpty())
        QMessageBox::critical(m_window, QString(), failures.join(u'\n'));
}

} // namespace vireo::gui
