#pragma once
// The play list of the "PlayList" page: its rows, the selected row, the
// playing mark, intro play, and the play-list player that goes through the
// rows track after track. A file that cannot be played is reported once and
// the list moves on to the next row.
#include "core/library/ListRow.h"
#include "core/playback/PlayerSlot.h"

#include <QObject>
#include <QTimer>
#include <QVector>

namespace vireo {

struct PlayListEntry {
    QString path;
    ListRow row; // caption, cells and image as in the track list
    QString title() const { return cell(CellTitle); }
    QString artist() const { return cell(CellArtist); }
    QString album() const { return cell(CellAlbum); }
    QString cell(int i) const { return i < row.Cells.size() ? row.Cells[i] : QString(); }
    static PlayListEntry fromPath(const QString &path);
};

class PlayListPlayer : public QObject {
    Q_OBJECT
public:
    explicit PlayListPlayer(AudioDeviceFactory factory, QObject *parent = nullptr);

    const QVector<PlayListEntry> &rows() const { return m_rows; }
    void setRows(QVector<PlayListEntry> rows); // selects nothing, removes the mark
    void appendRow(PlayListEntry row);
    void clear();

    int selected() const { return m_selected; }
    void setSelected(int row); // -1: none
    int playingMark() const { return m_mark; }
    // The row the player is playing or last played (-1 when deleted or none).
    const PlayListEntry *current() const;

    bool introPlay() const { return m_introOn; }
    void setIntroPlay(bool on);
    int introSeconds() const { return m_introSeconds; }
    void setIntroSeconds(int s);

    PlayerSlot &slot() { return m_slot; }
    PlayerMode mode() const;

public slots:
    void play();        // the selected row
    void stop();        // removes the mark and stops the player
    void next();
    void previous();
    void pauseToggle();
    void deleteSelected();

signals:
    void rowsChanged();
    void selectionChanged(int row);
    void playingMarkChanged(int row); // -1: no mark
    void scrollToRow(int row);
    void trackChanged();              // a new file started
    void errorOccurred(const QString &message);

private:
    void setMark(int row);
    void onProgress(int seconds);
    void onEnded();
    void onFailed(const QString &message);
    void stopPlayer();
    // Arms the intro cut for the playing track: it fires when the position
    // reaches the intro length, not at the next one-second progress step.
    void armIntro();
    void introDue();

    QVector<PlayListEntry> m_rows;
    int m_selected = -1;
    int m_mark = -1;
    int m_current = -1;
    bool m_introOn = false;
    int m_introSeconds = 1;
    PlayerSlot m_slot;
    QTimer m_introTimer;
};

} // namespace vireo
