#include "core/editing/UndoJournal.h"

#include "core/formats/Syncsafe.h"
#include "core/platform/FileAccess.h"
#include "core/platform/FileWriter.h"
#include "core/platform/Paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>

namespace vireo::editing {

namespace {

const char kMagic[] = "vireo-undo";

QByteArray regionHash(const TagRegions &r)
{
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData(r.head);
    h.addData(r.tail);
    h.addData(r.audioEnds);
    return h.result().toHex();
}

constexpr int64_t kAudioProbe = 4096;

QByteArray encodeText(const QString &s) { return QUrl::toPercentEncoding(s); }
QString decodeText(const QByteArray &b) { return QUrl::fromPercentEncoding(b); }

// One file of an entry: its bytes before the save and its state after it.
struct FileLine {
    int64_t offset = 0, size = 0, head = 0, tail = 0;
    int64_t postSize = 0;
    int64_t postAudio = 0;
    QByteArray postHash;
    QString path;
};

struct ParsedEntry {
    bool ok = false;
    QDateTime time;
    QString description;
    QList<FileLine> files; // one per path, in save order
};

ParsedEntry parseEntry(const QString &dir)
{
    ParsedEntry e;
    QFile f(dir + QStringLiteral("/index.tsv"));
    if (!f.open(QIODevice::ReadOnly))
        return e;
    const QList<QByteArray> lines = f.readAll().split('\n');
    if (lines.isEmpty())
        return e;
    const QList<QByteArray> head = lines[0].split('\t');
    if (head.size() < 4 || head[0] != kMagic)
        return e;
    e.time = QDateTime::fromString(QString::fromLatin1(head[2]), Qt::ISODateWithMs);
    e.description = decodeText(head[3]);
    QHash<QString, qsizetype> seen;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> c = lines[i].split('\t');
        if (c.size() != 9 || c[0] != "F")
            continue; // a line cut short by a crash
        FileLine l;
        l.offset = c[1].toLongLong();
        l.size = c[2].toLongLong();
        l.head = c[3].toLongLong();
        l.tail = c[4].toLongLong();
        l.postSize = c[5].toLongLong();
        l.postAudio = c[6].toLongLong();
        l.postHash = c[7];
        l.path = decodeText(c[8]);
        // A file written twice in one save: its first bytes, its last state.
        if (auto it = seen.constFind(l.path); it != seen.cend()) {
            FileLine &first = e.files[*it];
            first.postSize = l.postSize;
            first.postAudio = l.postAudio;
            first.postHash = l.postHash;
        } else {
            seen.insert(l.path, e.files.size());
            e.files.append(l);
        }
    }
    e.ok = true;
    return e;
}

} // namespace

TagRegions readTagRegions(const QString &path)
{
    TagRegions r;
    FileReader f;
    if (!f.open(path))
        return r;
    r.size = f.size();
    const QByteArray h = f.readAt(0, 10);
    if (h.size() == 10 && h.startsWith("ID3") && isSyncsafe(reinterpret_cast<const uchar *>(h.constData()) + 6)) {
        int64_t length = 10 + int64_t(syncsafeValue(reinterpret_cast<const uchar *>(h.constData()) + 6));
        if (uchar(h[3]) == 4 && (uchar(h[5]) & 0x10))
            length += 10; // footer
        r.headLength = std::min(length, r.size);
    }
    if (r.size - r.headLength >= 128 && f.readAt(r.size - 128, 3) == "TAG")
        r.tailLength = 128;
    r.head = f.readAt(0, r.headLength);
    r.tail = r.tailLength ? f.readAt(r.size - 128, 128) : QByteArray();
    const int64_t audio = r.size - r.headLength - r.tailLength;
    const int64_t probe = std::min(audio, kAudioProbe);
    r.audioEnds = f.readAt(r.headLength, probe) + f.readAt(r.headLength + audio - probe, probe);
    r.ok = r.head.size() == r.headLength && r.tail.size() == r.tailLength && r.audioEnds.size() == 2 * probe;
    return r;
}

UndoJournal::UndoJournal(QString folder)
    : m_folder(folder.isEmpty() ? defaultFolder() : includeTrailingSlash(folder))
{
}

QString UndoJournal::defaultFolder()
{
    return programFolder() + QStringLiteral("undo/");
}

void UndoJournal::setLimits(int maxEntries, int64_t maxBytes)
{
    m_maxEntries = std::max(1, maxEntries);
    m_maxBytes = maxBytes;
}

QStringList UndoJournal::entryDirs() const
{
    QDir d(m_folder);
    QStringList names = d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString &n) {
                                   bool ok = false;
                                   n.toLongLong(&ok);
                                   return !ok || n.size() != 8;
                               }),
                names.end());
    return names;
}

std::unique_ptr<UndoJournal::Recording> UndoJournal::begin(const QString &description)
{
    QDir().mkpath(m_folder);
    const QStringList dirs = entryDirs();
    const qlonglong next = dirs.isEmpty() ? 1 : dirs.last().toLongLong() + 1;
    const QString dir = m_folder + QStringLiteral("%1").arg(next, 8, 10, QLatin1Char('0'));
    auto rec = std::unique_ptr<Recording>(new Recording(*this, dir));
    QDir().mkpath(dir);
    rec->m_data.setFileName(dir + QStringLiteral("/data.bin"));
    rec->m_index.setFileName(dir + QStringLiteral("/index.tsv"));
    if (!rec->m_data.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || !rec->m_index.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        rec->m_failed = true;
        return rec;
    }
    QByteArray head = kMagic;
    head += "\t1\t" + QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toLatin1() + '\t'
          + encodeText(description) + '\n';
    rec->m_failed = rec->m_index.write(head) != head.size() || !rec->m_index.flush();
    return rec;
}

UndoJournal::Recording::Recording(UndoJournal &journal, QString dir) : m_journal(journal), m_dir(std::move(dir)) {}

UndoJournal::Recording::~Recording()
{
    if (!m_committed)
        [[maybe_unused]] const Result r = commit();
}

bool UndoJournal::Recording::keep(const QString &path)
{
    if (m_failed || m_overLimit)
        return false;
    if (m_kept.contains(path))
        return true;
    const TagRegions r = readTagRegions(path);
    if (!r.ok)
        return false;
    if (m_bytes + r.headLength + r.tailLength > m_journal.m_maxBytes) {
        m_overLimit = true;
        return false;
    }
    const int64_t offset = m_data.pos();
    if (m_data.write(r.head) != r.head.size() || m_data.write(r.tail) != r.tail.size()) {
        m_failed = true;
        return false;
    }
    m_bytes += r.headLength + r.tailLength;
    m_kept.insert(path, Kept{offset, r.size, r.headLength, r.tailLength, regionHash(r)});
    return true;
}

void UndoJournal::Recording::written(const QString &path)
{
    if (m_failed || m_overLimit)
        return;
    const auto it = m_kept.constFind(path);
    if (it == m_kept.cend())
        return;
    const TagRegions r = readTagRegions(path);
    if (!r.ok)
        return; // gone: nothing to put back
    const QByteArray hash = regionHash(r);
    if (r.size == it->size && hash == it->hash)
        return; // the save left the file as it was
    // The data must reach the file before the line that points into it.
    if (!m_data.flush()) {
        m_failed = true;
        return;
    }
    QByteArray line = "F\t";
    line += QByteArray::number(it->offset) + '\t' + QByteArray::number(it->size) + '\t'
          + QByteArray::number(it->head) + '\t' + QByteArray::number(it->tail) + '\t'
          + QByteArray::number(r.size) + '\t' + QByteArray::number(r.size - r.headLength - r.tailLength) + '\t' + hash + '\t'
          + encodeText(path) + '\n';
    if (m_index.write(line) != line.size() || !m_index.flush()) {
        m_failed = true;
        return;
    }
    ++m_lines;
}

Result UndoJournal::Recording::commit()
{
    if (m_committed)
        return Result::success();
    m_committed = true;
    m_data.close();
    m_index.close();
    if (m_failed || m_overLimit || m_lines == 0) {
        QDir(m_dir).removeRecursively();
        m_journal.prune();
        if (m_overLimit)
            return Result::failure(ErrorCode::TooLarge, m_dir + QStringLiteral(": the save is larger than the undo journal"));
        if (m_failed)
            return Result::failure(ErrorCode::IoError, m_dir + QStringLiteral(": the undo journal could not be written"));
        return Result::success();
    }
    m_journal.prune();
    return Result::success();
}

void UndoJournal::prune()
{
    QStringList dirs = entryDirs();
    while (dirs.size() > m_maxEntries)
        QDir(m_folder + dirs.takeFirst()).removeRecursively();
    int64_t total = 0;
    QList<int64_t> sizes;
    for (const QString &d : dirs) {
        sizes.append(QFileInfo(m_folder + d + QStringLiteral("/data.bin")).size());
        total += sizes.last();
    }
    while (total > m_maxBytes && dirs.size() > 1) {
        total -= sizes.takeFirst();
        QDir(m_folder + dirs.takeFirst()).removeRecursively();
    }
}

QList<UndoEntryInfo> UndoJournal::list() const
{
    QList<UndoEntryInfo> out;
    const QStringList dirs = entryDirs();
    for (auto it = dirs.crbegin(); it != dirs.crend(); ++it) {
        const ParsedEntry e = parseEntry(m_folder + *it);
        if (!e.ok)
            continue;
        out.append({*it, e.time, e.description, int(e.files.size()),
                    QFileInfo(m_folder + *it + QStringLiteral("/data.bin")).size()});
    }
    return out;
}

namespace {

Result restoreFile(const FileLine &l, const QByteArray &before, const TagRegions &now)
{
    const QByteArray head = before.left(l.head);
    const QByteArray tail = before.mid(l.head, l.tail);
    const int64_t audio = now.size - now.headLength - now.tailLength;
    if (now.headLength == l.head) {
        // Same tag length: put the bytes back where they were.
        QFile f(l.path);
        if (!f.open(QIODevice::ReadWrite))
            return Result::failure(ErrorCode::ReadOnly, l.path + QStringLiteral(": ") + f.errorString());
        bool ok = f.write(head) == head.size();
        if (ok && !tail.isEmpty())
            ok = f.seek(l.head + audio) && f.write(tail) == tail.size();
        ok = ok && f.resize(l.head + audio + l.tail) && f.flush();
        if (!ok)
            return Result::failure(ErrorCode::IoError, l.path + QStringLiteral(": ") + f.errorString());
        return Result::success();
    }
    FileReader r;
    QByteArray middle;
    if (!r.open(l.path) || !r.readExact(now.headLength, audio, middle))
        return Result::failure(ErrorCode::IoError, l.path + QStringLiteral(": cannot read the file"));
    return writeFileAtomically(l.path, head + middle + tail);
}

} // namespace

UndoOutcome UndoJournal::undoLast()
{
    UndoOutcome out;
    const QStringList dirs = entryDirs();
    if (dirs.isEmpty())
        return out;
    const QString dir = m_folder + dirs.last();
    const ParsedEntry e = parseEntry(dir);
    out.hadEntry = true;
    out.description = e.description;
    QFile data(dir + QStringLiteral("/data.bin"));
    if (!e.ok || !data.open(QIODevice::ReadOnly)) {
        out.failed.append(dir + QStringLiteral(": the undo journal entry cannot be read"));
        QDir(dir).removeRecursively();
        return out;
    }
    for (auto it = e.files.crbegin(); it != e.files.crend(); ++it) {
        const FileLine &l = *it;
        const TagRegions now = readTagRegions(l.path);
        // Another program's change shows in the tags or the ends of the audio.
        const bool same = now.ok && now.size == l.postSize && regionHash(now) == l.postHash
            && now.size - now.headLength - now.tailLength == l.size - l.head - l.tail;
        if (!same) {
            out.changedSince.append(l.path);
            continue;
        }
        QByteArray before;
        if (!data.seek(l.offset) || (before = data.read(l.head + l.tail)).size() != l.head + l.tail) {
            out.failed.append(l.path + QStringLiteral(": the undo journal entry is damaged"));
            continue;
        }
        if (const Result r = restoreFile(l, before, now); !r)
            out.failed.append(r.message());
        else
            out.restored.append(l.path);
    }
    data.close();
    QDir(dir).removeRecursively();
    return out;
}

} // namespace vireo::editing
