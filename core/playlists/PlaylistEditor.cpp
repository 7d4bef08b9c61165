#include "core/playlists/PlaylistEditor.h"

#include "core/library/EventLog.h"
#include "core/library/LibraryStore.h"
#include "core/library/TrackRecord.h"
#include "core/platform/Paths.h"
#include "core/playlists/PlaylistTexts.h"
#include "core/views/StoreTrackSource.h"

#include <algorithm>

namespace vireo::playlists {

EditorRow makeEditorRow(const TID3TagUseful &store, TID3ListItem *track, bool markMissing, bool showV2)
{
    return {track ? track->FileName : QString(), views::toTrackRow(store.FillListRow(track, markMissing, showV2))};
}

std::vector<EditorRow> copyTableRows(const views::TrackTable &table, std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<EditorRow> out;
    for (int r : rows) {
        const TID3ListItem *track = table.track(r);
        if (!track)
            continue;
        EditorRow row{track->FileName, table.row(r)};
        out.push_back(std::move(row));
    }
    return out;
}

PlaylistEditor::PlaylistEditor(PlaylistEditorHost &host, StoreGetter store)
    : m_host(host), m_store(std::move(store)), m_label(kLabelDesign)
{
}

int PlaylistEditor::openFromMain(const std::vector<PlaylistPtr> &tabPlaylists, const QString &folder,
                                 const TM3UFile *tabSelection)
{
    m_list = tabPlaylists;
    m_folder = folder;
    m_modified = false;
    for (size_t i = 0; i < m_list.size(); ++i)
        if (tabSelection && m_list[i].get() == tabSelection)
            return int(i);
    return -1;
}

void PlaylistEditor::appendRows(const std::vector<EditorRow> &rows)
{
    m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    if (!rows.empty())
        m_modified = true;
}

bool PlaylistEditor::askToSave()
{
    if (!m_modified || !m_host.askSaveChanges())
        return true;
    return m_current ? save() : saveAs();
}

void PlaylistEditor::clear()
{
    m_rows.clear();
    m_modified = false;
    setCurrent(nullptr);
}

void PlaylistEditor::setCurrent(PlaylistPtr playlist)
{
    m_current = std::move(playlist);
    m_label = kLabelPrefix + (m_current ? m_current->FileName() : QString());
}

void PlaylistEditor::newPlaylist()
{
    if (askToSave())
        clear();
}

void PlaylistEditor::loadRows(const PlaylistPtr &playlist)
{
    TID3TagUseful *store = m_store();
    MissingTracks missing; // stand-ins only live while their rows are copied
    m_rows.clear();
    m_rows.reserve(size_t(playlist->Entries().size()));
    for (const QString &entry : playlist->Entries()) {
        const QString path = resolveM3UEntry(playlist->FileName(), entry);
        if (store) {
            m_rows.push_back(makeEditorRow(*store, entryTrack(*store, path, missing), true, true));
        } else {
            views::TrackRow row;
            row.ImageIndex = views::kRowImageMissing;
            m_rows.push_back({path, row});
        }
    }
    setCurrent(playlist);
}

bool PlaylistEditor::loadFromList(int index)
{
    if (index < 0 || index >= int(m_list.size()))
        return false;
    const PlaylistPtr chosen = m_list[size_t(index)];
    if (!askToSave())
        return false;
    clear();
    loadRows(chosen);
    return true;
}

bool PlaylistEditor::open()
{
    if (!askToSave())
        return false;
    const QString chosen = m_host.chooseOpenFile(m_folder);
    if (chosen.isEmpty())
        return false;
    // A playlist the list already holds is read again into the same object,
    // so the tab and the editor never keep two versions of one file.
    PlaylistPtr playlist;
    for (const PlaylistPtr &p : m_list)
        if (samePath(p->FileName(), chosen))
            playlist = p;
    if (playlist) {
        if (const Result r = playlist->Load(); !r) {
            m_host.showError(r.message());
            return false;
        }
    } else {
        ResultOf<TM3UFile> created = TM3UFile::Create(chosen);
        if (!created) {
            m_host.showError(created.message());
            return false;
        }
        playlist = std::make_shared<TM3UFile>(std::move(*created));
        m_list.push_back(playlist);
    }
    clear();
    loadRows(playlist);
    return true;
}

QStringList PlaylistEditor::rowPaths() const
{
    QStringList paths;
    paths.reserve(qsizetype(m_rows.size()));
    for (const EditorRow &r : m_rows)
        paths << r.FileName;
    return paths;
}

bool PlaylistEditor::saveTo(const PlaylistPtr &playlist)
{
    QStringList before = playlist->Entries();
    playlist->Entries() = rowPaths();
    if (const Result r = playlist->Save(); !r) {
        playlist->Entries() = std::move(before);
        WriteLog(r.message());
        m_host.showError(r.message());
        return false;
    }
    setCurrent(playlist);
    m_modified = false;
    return true;
}

bool PlaylistEditor::save()
{
    if (!m_current)
        return false;
    return saveTo(m_current);
}

bool PlaylistEditor::saveAs()
{
    const QString chosen = m_host.chooseSaveFile(m_folder);
    if (chosen.isEmpty())
        return false;
    for (const PlaylistPtr &p : m_list) {
        if (samePath(p->FileName(), chosen))
            return m_host.askOverwrite() && saveTo(p);
    }
    const QStringList paths = rowPaths();
    if (const Result r = writePlainPlaylist(chosen, paths); !r) {
        WriteLog(r.message());
        m_host.showError(r.message());
        return false;
    }
    ResultOf<TM3UFile> created = TM3UFile::Create(chosen);
    // The file was written; should it not read back, the object keeps what was written.
    auto playlist = created ? std::make_shared<TM3UFile>(std::move(*created))
                            : std::make_shared<TM3UFile>(chosen, paths);
    m_list.push_back(playlist);
    setCurrent(playlist);
    m_modified = false;
    return true;
}

void PlaylistEditor::undo()
{
    const PlaylistPtr was = m_current;
    clear();
    if (was)
        loadRows(was);
}

int PlaylistEditor::moveUp(int row)
{
    if (row <= 0 || row >= int(m_rows.size()))
        return row;
    std::swap(m_rows[size_t(row) - 1], m_rows[size_t(row)]);
    m_modified = true;
    return row - 1;
}

int PlaylistEditor::moveDown(int row)
{
    if (row < 0 || row >= int(m_rows.size()) - 1)
        return row;
    std::swap(m_rows[size_t(row)], m_rows[size_t(row) + 1]);
    m_modified = true;
    return row + 1;
}

void PlaylistEditor::deleteRows(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int r : rows) {
        if (r < 0 || r >= int(m_rows.size()))
            continue;
        m_rows.erase(m_rows.begin() + r);
        m_modified = true;
    }
}

int PlaylistEditor::currentListIndex() const
{
    for (size_t i = 0; i < m_list.size(); ++i)
        if (m_list[i] == m_current)
            return m_current ? int(i) : -1;
    return -1;
}

} // namespace vireo::playlists
