#include "core/library/EventLog.h"

#include "core/platform/CodePage.h"
#include "core/platform/AppendFile.h"
#include "core/platform/Paths.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>


namespace vireo {
namespace {

const QString kAnsiName = QStringLiteral("vireo_log.log");
const QString kUnicodeName = QStringLiteral("vireo_uni.log");

QString backupName(const QString &logPath) { return changeFileExt(logPath, u".bak"); }

QByteArray utf16le(QStringView text)
{
    QByteArray out;
    out.resize(text.size() * 2);
    char *p = out.data();
    for (QChar c : text) {
        *p++ = char(c.unicode() & 0xFF);
        *p++ = char(c.unicode() >> 8);
    }
    return out;
}

// The time part: the locale's short time with seconds added, as a long time
// without the zone name ("H:mm:ss" in Japanese).
QString timeFormat(const QLocale &locale)
{
    QString f = locale.timeFormat(QLocale::ShortFormat);
    if (!f.contains(u's')) {
        const qsizetype m = f.indexOf(QStringLiteral("mm"));
        if (m >= 0)
            f.insert(m + 2, QStringLiteral(":ss"));
        else
            f += QStringLiteral(":ss");
    }
    return f;
}

} // namespace

EventLog::~EventLog() { close(); }

void EventLog::setFolder(const QString &folder)
{
    QMutexLocker lock(&m_mutex);
    m_folder = folder.isEmpty() ? QString() : includeTrailingSlash(folder);
    closeSink(m_ansi);
    closeSink(m_unicode);
}

QString EventLog::folderLocked() const { return m_folder.isEmpty() ? programFolder() : m_folder; }

QString EventLog::folder() const
{
    QMutexLocker lock(&m_mutex);
    return folderLocked();
}

QString EventLog::ansiLogPath() const { return folder() + kAnsiName; }
QString EventLog::unicodeLogPath() const { return folder() + kUnicodeName; }

void EventLog::setEnabled(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_enabled = on;
}

bool EventLog::isEnabled() const
{
    QMutexLocker lock(&m_mutex);
    return m_enabled;
}

QString EventLog::timeStamp()
{
    static const QLocale locale = QLocale::system();
    static const QString dateFmt = locale.dateFormat(QLocale::ShortFormat);
    static const QString timeFmt = timeFormat(locale);
    const QDateTime now = QDateTime::currentDateTime();
    return locale.toString(now.date(), dateFmt) + u' ' + locale.toString(now.time(), timeFmt);
}

void EventLog::closeSink(Sink &sink)
{
    sink.file.close();
}

// Opens (or keeps) the file for appending. A file that was removed or
// renamed under us since it was opened is opened afresh, so lines never
// vanish into an unlinked file.
bool EventLog::ensureOpen(Sink &sink, const QString &path, bool unicode)
{
    if (sink.file.stillNamed(path))
        return true;
    closeSink(sink);
    if (!sink.file.open(path))
        return false;
    if (unicode && sink.file.size() == 0 && !sink.file.append(QByteArray("\xFF\xFE", 2))) {
        closeSink(sink);
        return false;
    }
    return true;
}

void EventLog::write(QStringView message)
{
    QMutexLocker lock(&m_mutex);
    if (!m_enabled)
        return;
    const QString dir = folderLocked();

    // Each line goes out in one write() on an O_APPEND descriptor: no buffer
    // in this process holds it, and a line is never split by another writer.
    if (ensureOpen(m_ansi, dir + kAnsiName, false)) {
        const QByteArray line = '[' + toSystemCodePage(timeStamp()) + ']' + toSystemCodePage(message) + "\r\n";
        if (!m_ansi.file.append(line))
            closeSink(m_ansi);
    }
    if (ensureOpen(m_unicode, dir + kUnicodeName, true)) {
        const QString line = u'[' + timeStamp() + QStringLiteral("] ") + message.toString() + QStringLiteral("\r\n");
        if (!m_unicode.file.append(utf16le(line)))
            closeSink(m_unicode);
    }
}

void EventLog::rotate()
{
    QMutexLocker lock(&m_mutex);
    closeSink(m_ansi);
    closeSink(m_unicode);
    const QString dir = folderLocked();
    for (const QString &name : {kAnsiName, kUnicodeName}) {
        const QString log = dir + name;
        if (!pathExists(log))
            continue;
        // rename replaces the old backup in one step: the log is copied and
        // deleted at once, and no moment exists without a backup.
        (void)renamePath(log, backupName(log));
    }
}

void EventLog::close()
{
    QMutexLocker lock(&m_mutex);
    closeSink(m_ansi);
    closeSink(m_unicode);
}

EventLog &eventLog()
{
    static EventLog log;
    return log;
}

void WriteLog(QStringView message) { eventLog().write(message); }
void RotateLogs() { eventLog().rotate(); }
void setLoggingEnabled(bool on) { eventLog().setEnabled(on); }

} // namespace vireo
