#include "core/playback/PlayListPlayer.h"

#include "core/platform/Paths.h"

namespace vireo {

PlayListEntry PlayListEntry::fromPath(const QString &path)
{
    PlayListEntry e;
    e.path = path;
    e.row.Cells = QStringList(ListRowCellCount, QString());
    e.row.Cells[CellFolder] = ListRowFolder(path);
    e.row.Cells[CellFileName] = ListRowFileName(path);
    QString title = extractFileName(path);
    const qsizetype dot = title.lastIndexOf(u'.');
    e.row.Cells[CellTitle] = dot > 0 ? title.left(dot) : title;
    return e;
}

PlayListPlayer::PlayListPlayer(AudioDeviceFactory factory, QObject *parent)
    : QObject(parent), m_slot(std::move(factory))
{
    connect(&m_slot, &PlayerSlot::progress, this, &PlayListPlayer::onProgress);
    connect(&m_slot, &PlayerSlot::ended, this, &PlayListPlayer::onEnded);
    connect(&m_slot, &PlayerSlot::failed, this, &PlayListPlayer::onFailed);
    m_introTimer.setSingleShot(true);
    m_introTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_introTimer, &QTimer::timeout, this, &PlayListPlayer::introDue);
}

void PlayListPlayer::setIntroPlay(bool on)
{
    m_introOn = on;
    armIntro();
}

void PlayListPlayer::setIntroSeconds(int s)
{
    m_introSeconds = std::clamp(s, 0, 100);
    armIntro();
}

void PlayListPlayer::armIntro()
{
    m_introTimer.stop();
    const TcmxMP3 *p = m_slot.player();
    if (!m_introOn || !p)
        return;
    const qint64 due = qint64(m_introSeconds) * 1000 - p->PositionMs();
    // Paused: the position stands still, so look again a little later.
    const qint64 wait = p->Mode() == PlayerMode::Paused ? 250 : std::max<qint64>(due, 0);
    m_introTimer.start(int(std::min<qint64>(wait, 3600 * 1000)));
}

void PlayListPlayer::introDue()
{
    const TcmxMP3 *p = m_slot.player();
    if (!m_introOn || !p)
        return;
    if (p->Mode() != PlayerMode::Paused && p->PositionMs() >= qint64(m_introSeconds) * 1000 - 20)
        next();
    else
        armIntro();
}

void PlayListPlayer::setRows(QVector<PlayListEntry> rows)
{
    m_rows = std::move(rows);
    m_selected = -1;
    m_mark = -1;
    m_current = -1;
    emit rowsChanged();
    emit selectionChanged(-1);
    emit playingMarkChanged(-1);
}

void PlayListPlayer::appendRow(PlayListEntry row)
{
    m_rows.append(std::move(row));
    emit rowsChanged();
}

void PlayListPlayer::clear() { setRows({}); }

void PlayListPlayer::setSelected(int row)
{
    if (row < -1 || row >= m_rows.size())
        row = -1;
    if (row == m_selected)
        return;
    m_selected = row;
    emit selectionChanged(row);
}

const PlayListEntry *PlayListPlayer::current() const
{
    return m_current >= 0 && m_current < m_rows.size() ? &m_rows[m_current] : nullptr;
}

PlayerMode PlayListPlayer::mode() const
{
    const TcmxMP3 *p = m_slot.player();
    return p ? p->Mode() : PlayerMode::NoDevice;
}

void PlayListPlayer::setMark(int row)
{
    if (row == m_mark)
        return;
    m_mark = row;
    emit playingMarkChanged(row);
}

void PlayListPlayer::play()
{
    if (m_rows.isEmpty() || m_selected < 0)
        return;
    for (;;) {
        emit scrollToRow(m_selected);
        setMark(m_selected);
        m_current = m_selected;
        Result r = m_slot.playFile(m_rows[m_selected].path);
        if (r) {
            armIntro();
            emit trackChanged();
            return;
        }
        // Reported once; the list goes on with the next row instead of stopping.
        emit errorOccurred(r.message());
        if (m_selected + 1 >= m_rows.size()) {
            setMark(-1);
            m_current = -1;
            emit trackChanged();
            return;
        }
        setSelected(m_selected + 1);
    }
}

void PlayListPlayer::stopPlayer()
{
    m_introTimer.stop();
    m_slot.stop();
}

void PlayListPlayer::stop()
{
    // The mark goes wherever it is, not only from the selected row, so a
    // stopped list never shows a row as playing.
    setMark(-1);
    stopPlayer();
    emit trackChanged();
}

void PlayListPlayer::next()
{
    if (m_rows.isEmpty())
        return;
    if (m_selected < 0) {
        setSelected(0);
        play();
        return;
    }
    if (m_selected < m_rows.size() - 1) {
        stopPlayer();
        setSelected(m_selected + 1);
        play();
    } else if (m_introOn) {
        stop(); // the last intro ends cleanly: no mark, bar at 0
    }
}

void PlayListPlayer::previous()
{
    if (m_selected <= 0)
        return;
    setSelected(m_selected - 1);
    play();
}

void PlayListPlayer::pauseToggle()
{
    m_slot.pauseToggle();
    armIntro();
}

void PlayListPlayer::deleteSelected()
{
    if (m_selected < 0)
        return;
    const int row = m_selected;
    m_rows.removeAt(row);
    m_selected = -1;
    if (m_mark == row)
        setMark(-1);
    else if (m_mark > row)
        --m_mark;
    if (m_current == row)
        m_current = -1;
    else if (m_current > row)
        --m_current;
    emit rowsChanged();
    emit selectionChanged(-1);
    emit playingMarkChanged(m_mark);
}

void PlayListPlayer::onProgress(int seconds)
{
    if (m_introOn && m_introSeconds <= seconds)
        next();
}

void PlayListPlayer::onEnded() { next(); }

void PlayListPlayer::onFailed(const QString &message)
{
    emit errorOccurred(message);
    if (m_selected >= 0 && m_selected < m_rows.size() - 1) {
        setSelected(m_selected + 1);
        play();
    } else {
        stop();
    }
}

} // namespace vireo
