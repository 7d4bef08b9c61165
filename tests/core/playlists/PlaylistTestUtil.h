#pragma once
// A temporary program folder with a library store, a music folder of real
// MP3 streams and a playlist folder, for the playlist tab and editor tests.
#include "core/library/LibraryStore.h"
#include "core/playlists/PlaylistEditor.h"
#include "tests/support/TestSupport.h"

#include <QDir>

#include <deque>
#include <memory>

namespace vireo::playlists::fixture {

struct PlaylistWorld {
    vireo::test::TempProgramFolder home;
    std::unique_ptr<TID3TagUseful> store;

    PlaylistWorld()
    {
        store = std::make_unique<TID3TagUseful>(home.file(QStringLiteral("vireo")));
        store->setSaveCachesOnDestroy(false);
    }
    QString path(const QString &rel) const { return home.file(rel); }
    // A real MPEG stream of a few frames at rel.
    QString mp3(const QString &rel) const
    {
        vireo::test::writeFile(path(rel), vireo::test::silentMpegFrames(3));
        return path(rel);
    }
    QString m3u(const QString &rel, const QByteArray &bytes) const
    {
        vireo::test::writeFile(path(rel), bytes);
        return path(rel);
    }
};

// Answers the editor's questions from a script and records what was asked.
struct ScriptedHost : PlaylistEditorHost {
    std::deque<bool> saveAnswers, overwriteAnswers;
    QString openFile, saveFile;
    int asked = 0, overwriteAsked = 0, saveDialogs = 0;
    QStringList errors;

    bool askSaveChanges() override
    {
        ++asked;
        const bool a = saveAnswers.empty() ? false : saveAnswers.front();
        if (!saveAnswers.empty())
            saveAnswers.pop_front();
        return a;
    }
    bool askOverwrite() override
    {
        ++overwriteAsked;
        const bool a = overwriteAnswers.empty() ? false : overwriteAnswers.front();
        if (!overwriteAnswers.empty())
            overwriteAnswers.pop_front();
        return a;
    }
    QString chooseOpenFile(const QString &) override { return openFile; }
    QString chooseSaveFile(const QString &) override
    {
        ++saveDialogs;
        return saveFile;
    }
    void showError(const QString &message) override { errors << message; }
};

} // namespace vireo::playlists::fixture
