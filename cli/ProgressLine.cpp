#include "cli/ProgressLine.h"

#include <cstdio>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
int columns()
{
    struct winsize ws = {};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &ws) == 0 && ws.ws_col > 10)
        return ws.ws_col;
    return 80;
}
}

ProgressLine::ProgressLine() : m_tty(::isatty(STDERR_FILENO) == 1)
{
    m_started.start();
    m_lastDraw.start();
}

ProgressLine::~ProgressLine() { clear(); }

QString ProgressLine::fit(const QString &text, int cells)
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

void ProgressLine::update(const QString &label, qint64 done, qint64 total, const QString &detail)
{
    if (!m_tty || (m_shown && m_lastDraw.elapsed() < 100))
        return;
    m_lastDraw.restart();
    m_shown = true;
    const QString counts = total >= 0 ? QStringLiteral("%1/%2").arg(done).arg(total) : QString::number(done);
    const QString elapsed = QStringLiteral("%1 s").arg(m_started.elapsed() / 1000.0, 0, 'f', 1);
    // The counts and the time stay visible; the detail (a path) is cut from
    // its start when the line is too narrow.
    const QString head = label + QLatin1Char(' ') + counts + QStringLiteral("  ") + elapsed;
    QString line = head;
    if (!detail.isEmpty()) {
        const int room = columns() - int(head.size()) - 4;
        if (room > 8)
            line += QStringLiteral("  ") + fit(detail, room);
    }
    std::fprintf(stderr, "\r\033[K%s", line.toUtf8().constData());
    std::fflush(stderr);
}

void ProgressLine::clear()
{
    if (m_tty && m_shown) {
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
    }
    m_shown = false;
}
