#pragma once
// Fills the file information page for the track last selected in the track
// list: the stream box from the core's reading of the file, the ID3v1/ID3v2
// grid from the track record, the embedded picture or "NO IMAGE".
#include "core/library/TrackRecord.h"

#include <QObject>
#include <QSet>
#include <QString>

namespace vireo::fileinfo {

class FileInfoPanel;

class FileInfoController : public QObject {
    Q_OBJECT
public:
    explicit FileInfoController(FileInfoPanel &panel, QObject *parent = nullptr);

    // Shows a track (nullptr shows nothing). The track's Exists follows
    // whether its file is there.
    void showTrack(TID3ListItem *track);
    void showV1();
    void showV2();
    const TID3ListItem *currentTrack() const { return m_track; }

signals:
    // "Can not read data from the file: " and the path; the window shows it in a message box.
    void cannotRead(const QString &message);
    // The track's Exists flag changed.
    void existsChanged(vireo::TID3ListItem *track);

private:
    FileInfoPanel &m_panel;
    TID3ListItem *m_track = nullptr;
    QSet<QString> m_loggedPictures; // damaged pictures already logged
};

} // namespace vireo::fileinfo
