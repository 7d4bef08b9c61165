#pragma once
// The progress line of a long command on stderr: counts and the elapsed time,
// redrawn in place on a terminal at most ten times a second; nothing at all
// when stderr is not a terminal, so scripts and pipes see only the results.
#include <QElapsedTimer>
#include <QString>

class ProgressLine {
public:
    ProgressLine();
    ~ProgressLine();
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    bool onTerminal() const { return m_tty; }
    // "label done/total  detail  1.2 s" (total < 0: "label done  detail").
    void update(const QString &label, qint64 done, qint64 total, const QString &detail = QString());
    // Removes the line (before printing results).
    void clear();

    // Keeps the end of a long text so that it fits `cells` terminal cells
    // (wide East Asian characters take two).
    static QString fit(const QString &text, int cells);

private:
    bool m_tty;
    bool m_shown = false;
    QElapsedTimer m_started;
    QElapsedTimer m_lastDraw;
};
