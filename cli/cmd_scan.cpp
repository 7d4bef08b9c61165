// vireo-cli scan [MUSICDIR] and rebuild [MUSICDIR]: the whole-library scan
// ("最新のファイルを確認") and the cache rebuild ("キャッシュ再構築").
#include "cli/LibrarySession.h"
#include "cli/commands.h"

#include "core/library/LibraryScan.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <csignal>
#include <optional>
#include <thread>
#include <cstdio>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_interrupted = 0;
void onInterrupt(int) { g_interrupted = 1; }

// The progress line on stderr: updated in place on a terminal, at most ten
// times a second; nothing at all when stderr is not a terminal. Ctrl-C
// cancels the search (reading the tags that were found cannot be cancelled).
class TerminalProgress : public vireo::ScanHost {
public:
    TerminalProgress() : m_tty(::isatty(STDERR_FILENO) == 1)
    {
        struct sigaction sa = {};
        sa.sa_handler = onInterrupt;
        sigemptyset(&sa.sa_mask);
        ::sigaction(SIGINT, &sa, &m_oldInt);
        m_clock.start();
    }
    ~TerminalProgress() override
    {
        restoreInterrupt();
        clear();
    }

    bool cancelRequested() override { return g_interrupted != 0; }
    void showFolder(const QString &folder) override { update(QStringLiteral("検索中 %1  %2").arg(m_found).arg(folder)); }
    void showFile(const QString &path) override
    {
        ++m_found;
        update(QStringLiteral("検索中 %1  %2").arg(m_found).arg(path));
    }
    void readingTags(qsizetype) override { restoreInterrupt(); }
    void readingFile(const QString &path, qsizetype index, qsizetype total) override
    {
        update(QStringLiteral("読み込み中 %1/%2  %3").arg(index + 1).arg(total).arg(path));
    }
    void searchFinished() override { clear(); }
    void showMessage(const QString &text) override { cliError(text); }

private:
    void restoreInterrupt()
    {
        if (m_intHandled) {
            ::sigaction(SIGINT, &m_oldInt, nullptr);
            m_intHandled = false;
        }
    }

    static int columns()
    {
        struct winsize ws = {};
        if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &ws) == 0 && ws.ws_col > 10)
            return ws.ws_col;
        return 80;
    }

    // Keeps the end of a long text so that it fits one terminal line (wide
    // East Asian characters take two cells).
    static QString fit(const QString &text, int cells)
    {
        int used = 0;
        qsizetype i = text.size();
        while (i > 0) {
            const char16_t c = text[i - 1].unicode();
            const int w = c >= 0x1100 ? 2 : 1;
            if (used + w > cells - 1)
                break;
            used += w;
            --i;
        }
        return i == 0 ? text : QStringLiteral("…") + text.mid(i + 1);
    }

    void update(const QString &text)
    {
        if (!m_tty || (m_shown && m_clock.elapsed() < 100))
            return;
        m_clock.restart();
        m_shown = true;
        std::fprintf(stderr, "\r\033[K%s", fit(text, columns()).toLocal8Bit().constData());
        std::fflush(stderr);
    }
    void clear()
    {
        if (m_tty && m_shown) {
            std::fputs("\r\033[K", stderr);
            std::fflush(stderr);
        }
        m_shown = false;
    }

    bool m_tty;
    bool m_shown = false;
    bool m_intHandled = true;
    struct sigaction m_oldInt = {};
    QElapsedTimer m_clock;
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
