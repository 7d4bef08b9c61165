#include "tests/gui/helpers/RegionFixture.h"

#include "core/library/LibraryStore.h"
#include "core/platform/FileAccess.h"

#include <QDir>
#include <QTest>

namespace vireo::gui::test {

RegionFixture::RegionFixture(const QList<Song> &songs)
{
    m_music = m_program.path() + QStringLiteral("music/");
    QDir().mkpath(m_music);
    m_session.setProgramFolder(m_program.path());
    m_session.setMusicFolder(m_music);
    m_session.setLastFolder(m_music);
    m_store = std::make_unique<TID3TagUseful>(m_program.path() + QStringLiteral("vireo"));
    m_source.setStore(m_store.get());
    for (const Song &s : songs) {
        QVERIFY2(writeSong(m_music + s.file, s), qPrintable(s.file));
        addFile(m_music + s.file);
    }
    m_store->RefreshFlags();
    m_window.resize(600, 400);
}

RegionFixture::~RegionFixture()
{
    m_views.browse().libraryRefreshing();
    m_views.clearTrees();
    m_source.setStore(nullptr);
}

void RegionFixture::addFile(const QString &path)
{
    const FileStat st = statFile(path);
    QVERIFY2(st.exists, qPrintable(path));
    m_store->FindOrRead(path, st.dosDate, st.size);
}

void RegionFixture::place(QWidget *region)
{
    m_window.setCentralWidget(region);
    m_window.show();
}

} // namespace vireo::gui::test
