// vireo-cli scan [MUSICDIR] and rebuild [MUSICDIR]: the whole-library scan
// ("最新のファイルを確認") and the cache rebuild ("キャッシュ再構築").
#include "cli/LibrarySession.h"
#include "cli/commands.h"
#include "cli/ProgressLine.h"

#include "core/library/LibraryScan.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <csignal>
#include <optional>
#include <thread>
#include <cstdio>

namespace {

volatile std::sig_atomic_t g_interrupted = 0;
void onInterrupt(int) { g_interrupted = 1; }

// The progress line of the scan: counts and the elapsed time on a terminal,
// nothing when stderr is not a terminal. Ctrl-C cancels the search (reading
// the tags that were found cannot be cancelled).
class TerminalProgress : public vireo::ScanHost {
public:
    TerminalProgress()
    {
        struct sigaction sa = {};
        sa.sa_handler = onInterrupt;
        sigemptyset(&sa.sa_mask);
        ::sigaction(SIGINT, &sa, &m_oldInt);
    }
    ~TerminalProgress() override { restoreInterrupt(); }

    bool cancelRequested() override { return g_interrupted != 0; }
    void showFolder(const QString &folder) override { m_line.update(QStringLiteral("検索中"), m_found, -1, folder); }
    void showFile(const QString &path) override
    {
        ++m_found;
        m_line.update(QStringLiteral("検索中"), m_found, -1, path);
    }
    void readingTags(qsizetype) override { restoreInterrupt(); }
    void readingFile(const QString &path, qsizetype index, qsizetype total) override
    {
        m_line.update(QStringLiteral("読み込み中"), index + 1, total, path);
    }
    void searchFinished() override { m_line.clear(); }
    void showMessage(const QString &text) override
    {
        m_line.clear();
        cliError(text);
    }
    void finished() { m_line.clear(); }

private:
    void restoreInterrupt()
    {
        if (m_intHandled) {
            ::sigaction(SIGINT, &m_oldInt, nullptr);
            m_intHandled = false;
        }
    }

    ProgressLine m_line;
    bool m_intHandled = true;
    struct sigaction m_oldInt = {};
    qsizetype m_found = 0;
};

int runScan(const QStringList &args, bool rebuild)
{
    if (args.size() > 1) {
        cliError(QStringLiteral("usage: vireo-cli %1 [MUSICDIR]").arg(rebuild ? QStringLiteral("rebuild") : QStringLiteral("scan")));
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    QString folder = args.isEmpty() ? LibrarySession::setting(QStringLiteral("MP3Param"), QStringLiteral("MP3Dir"), QString())
                                    : args.first();
    if (folder.isEmpty()) {
        cliError(vireo::NoMusicFolderMessage());
        return 2;
    }
    if (!QFileInfo(folder).isDir()) {
        cliError(folder + QStringLiteral(": フォルダではありません"));
        return 1;
    }
    if (!args.isEmpty())
        folder = QDir(folder).absolutePath();

    // The search does not depend on the library, so it runs on a second
    // thread while the caches load; the scan then takes its result.
    TerminalProgress progress;
    vireo::SearchResult found;
    std::thread search([&] { found = vireo::FindFiles(folder, u".MP3", &progress); });
    std::optional<LibrarySession> session;
    session.emplace();
    search.join();
    vireo::ScanOutcome outcome;
    const bool ok = rebuild ? vireo::RebuildCache(session->store(), folder, progress, &outcome, &found)
                            : vireo::OpenDefaultFolder(session->store(), folder, false, progress, &outcome, &found);
    if (!ok)
        return 2;
    if (!session->finish())
        return 1;
    progress.finished();
    std::printf("tracks: %lld\nfound: %lld\nread from tags: %lld\nfrom caches: %lld\n%selapsed: %.3f s\n",
                static_cast<long long>(session->store().TrackCount()),
                static_cast<long long>(outcome.Files.size()),
                static_cast<long long>(outcome.ReadFromTags),
                static_cast<long long>(outcome.FromLibrary),
                outcome.Cancelled ? "search cancelled\n" : "",
                clock.nsecsElapsed() / 1e9);
    return 0;
}

} // namespace

int cmdScan(const QStringList &args) { return runScan(args, false); }
int cmdRebuild(const QStringList &args) { return runScan(args, true); }
