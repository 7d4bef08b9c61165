#include "gui/fileinfo/FileInfoController.h"

#include "core/library/TrackRecord.h"
#include "core/views/FileInfo.h"
#include "core/views/FileInfoTexts.h"
#include "core/views/ViewLog.h"
#include "gui/fileinfo/FileInfoPanel.h"

#include <QToolButton>

namespace vireo::fileinfo {

FileInfoController::FileInfoController(FileInfoPanel &panel, QObject *parent)
    : QObject(parent), m_panel(panel)
{
    connect(panel.v1Button(), &QToolButton::clicked, this, &FileInfoController::showV1);
    connect(panel.v2Button(), &QToolButton::clicked, this, &FileInfoController::showV2);
}

void FileInfoController::showTrack(TID3ListItem *track)
{
    m_track = track;
    if (!track)
        return;
    m_panel.setFileName(track->FileName);
    m_panel.clearStreamTexts();
    const views::FileInfoReport r = views::ReadFileInfo(track->FileName);
    if (track->Exists != r.exists()) {
        track->Exists = r.exists();
        emit existsChanged(track);
    }
    if (r.status == views::FileInfoReport::Valid)
        m_panel.setStreamTexts(r.Texts);
    // The artwork always belongs to this track: its picture, or "NO IMAGE"
    // (never the previous track's picture).
    QString error;
    if (!m_panel.setArtwork(r.Picture, &error) && !r.Picture.isEmpty()
        && !m_loggedPictures.contains(track->FileName)) {
        m_loggedPictures.insert(track->FileName);
        views::viewLog(views::kLogPictureUnreadable + track->FileName + QStringLiteral(": ") + error);
    }

    m_panel.v1Button()->setEnabled(track->HasV1);
    m_panel.v2Button()->setEnabled(track->HasV2);
    if (track->HasV2)
        showV2();
    else if (track->HasV1)
        showV1();
    else {
        // Neither tag: the grid shows no rows rather than another track's values.
        m_panel.v1Button()->setChecked(false);
        m_panel.v2Button()->setChecked(false);
        m_panel.setGridRows({});
    }
    if (r.status == views::FileInfoReport::Unreadable)
        emit cannotRead(views::kCannotReadFile + track->FileName);
}

void FileInfoController::showV1()
{
    if (!m_track)
        return;
    m_panel.v1Button()->setChecked(true);
    m_panel.setGridRows(views::id3v1Rows(m_track->V1));
}

void FileInfoController::showV2()
{
    if (!m_track)
        return;
    m_panel.v2Button()->setChecked(true);
    m_panel.setGridRows(views::id3v2Rows(m_track->V2));
}

} // namespace vireo::fileinfo
