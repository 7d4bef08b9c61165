#include "core/playback/PlayCommands.h"

#include "core/platform/Paths.h"
#include "core/playback/TempPlaylist.h"

namespace vireo {

PlayCommands::PlayCommands(Services services, QString tempPlaylistPath, QObject *parent)
    : QObject(parent), m_s(std::move(services)), m_tempPath(std::move(tempPlaylistPath)),
      m_generator(clockSeededGenerator())
{
    if (!m_s.launch)
        m_s.launch = [](const PlayerCommand &c) { (void)launchPlayerCommand(c); };
}

namespace {
QStringList pathsOf(const QVector<PlayListEntry> &rows)
{
    QStringList out;
    out.reserve(rows.size());
    for (const PlayListEntry &r : rows)
        out << r.path;
    return out;
}

QVector<PlayListEntry> selectedRows(const QVector<PlayListEntry> &rows, const std::vector<bool> &selected)
{
    QVector<PlayListEntry> out;
    for (qsizetype i = 0; i < rows.size() && size_t(i) < selected.size(); ++i)
        if (selected[size_t(i)])
            out << rows[i];
    return out;
}

bool anySelected(const std::vector<bool> &selected)
{
    return std::find(selected.begin(), selected.end(), true) != selected.end();
}
} // namespace

void PlayCommands::startBuiltIn(QVector<PlayListEntry> rows)
{
    if (m_s.quickPlay)
        m_s.quickPlay->stop();
    if (!m_s.playList)
        return;
    m_s.playList->stop();
    m_s.playList->setRows(std::move(rows));
    if (!m_s.playList->rows().isEmpty()) {
        m_s.playList->setSelected(0);
        m_s.playList->play();
    }
}

Result PlayCommands::writeAndStart(const QStringList &paths, const PlayerChoice &choice,
                                   const QVector<PlayListEntry> &builtInRows)
{
    Result r = writeTemporaryPlaylist(m_tempPath, paths, m_shuffle, m_generator);
    if (!r)
        return r;
    const PlayerCommand cmd = buildPlayerCommand(choice, m_tempPath, extractFilePath(m_tempPath));
    if (cmd.kind == PlayerCommand::BuiltIn)
        startBuiltIn(builtInRows);
    else
        m_s.launch(cmd);
    return Result::success();
}

Result PlayCommands::allPlay(const QVector<PlayListEntry> &rows)
{
    const PlayerChoice choice = m_s.choice ? m_s.choice() : PlayerChoice{};
    if (choice.playDefault == 2) {
        startBuiltIn(rows);
        return Result::success();
    }
    if (rows.isEmpty())
        return Result::success();
    Result r = writeTemporaryPlaylist(m_tempPath, pathsOf(rows), m_shuffle, m_generator);
    if (!r)
        return r;
    if (m_s.log)
        m_s.log(QStringLiteral("全曲演奏：") + m_tempPath);
    m_s.launch(buildPlayerCommand(choice, m_tempPath, extractFilePath(m_tempPath)));
    return Result::success();
}

Result PlayCommands::selectPlay(const QVector<PlayListEntry> &rows, const std::vector<bool> &selected)
{
    if (!anySelected(selected))
        return Result::success();
    const PlayerChoice choice = m_s.choice ? m_s.choice() : PlayerChoice{};
    QStringList rowPaths = pathsOf(rows);
    return writeAndStart(selectedRowPaths(rowPaths, selected), choice, selectedRows(rows, selected));
}

void PlayCommands::add(const QVector<PlayListEntry> &rows, const std::vector<bool> &selected)
{
    if (!anySelected(selected))
        return;
    const PlayerChoice choice = m_s.choice ? m_s.choice() : PlayerChoice{};
    for (const PlayListEntry &e : selectedRows(rows, selected)) {
        if (e.row.ImageIndex == RowImageMissing)
            continue;
        if (choice.playDefault == 2) {
            if (m_s.playList)
                m_s.playList->appendRow(e);
        } else if (m_s.remote) {
            (void)m_s.remote->AddFile(e.path); // no player found: nothing is reported
        }
    }
}

void PlayCommands::allAdd(const QVector<PlayListEntry> &rows)
{
    if (!m_s.remote)
        return;
    for (const PlayListEntry &e : rows)
        if (e.row.ImageIndex != RowImageMissing)
            (void)m_s.remote->AddFile(e.path);
}

void PlayCommands::setQuickPlay(bool on)
{
    m_quickPlay = on;
    if (!on && m_s.quickPlay)
        m_s.quickPlay->stop();
    emit quickPlayChanged(on);
}

Result PlayCommands::quickPlay(const QVector<PlayListEntry> &rows, const std::vector<bool> &selected)
{
    if (!m_quickPlay || rows.isEmpty() || !m_s.quickPlay)
        return Result::success();
    for (qsizetype i = 0; i < rows.size() && size_t(i) < selected.size(); ++i)
        if (selected[size_t(i)])
            return m_s.quickPlay->playFile(rows[i].path);
    return Result::success();
}

} // namespace vireo
