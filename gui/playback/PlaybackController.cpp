#include "gui/playback/PlaybackController.h"

#include "core/playback/PlayCommands.h"

#include <QMessageBox>
#include <QWidget>

namespace vireo::gui {

PlaybackController::PlaybackController(PlayCommands *commands, PlayListPlayer *playList,
                                       PlayerSlot *quickPlayer, TrackList trackList,
                                       QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_commands(commands), m_tracks(std::move(trackList)), m_parent(dialogParent)
{
    connect(playList, &PlayListPlayer::errorOccurred, this, &PlaybackController::showError);
    connect(quickPlayer, &PlayerSlot::failed, this, &PlaybackController::showError);
}

void PlaybackController::showError(const QString &message)
{
    emit errorShown(message);
    // Not modal to the play list: it goes on with the next row meanwhile.
    auto *box = new QMessageBox(QMessageBox::Critical, QString(), message, QMessageBox::Ok, m_parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void PlaybackController::allPlay()
{
    Result r = m_commands->allPlay(m_tracks.rows());
    if (!r)
        showError(r.message());
}

void PlaybackController::selectPlay()
{
    Result r = m_commands->selectPlay(m_tracks.rows(), m_tracks.selection());
    if (!r)
        showError(r.message());
}

void PlaybackController::add() { m_commands->add(m_tracks.rows(), m_tracks.selection()); }

void PlaybackController::allAdd() { m_commands->allAdd(m_tracks.rows()); }

void PlaybackController::quickPlay()
{
    Result r = m_commands->quickPlay(m_tracks.rows(), m_tracks.selection());
    if (!r)
        showError(r.message());
}

void PlaybackController::setShuffle(bool on) { m_commands->setShuffle(on); }

} // namespace vireo::gui
