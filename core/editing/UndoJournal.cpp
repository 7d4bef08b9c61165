#include "core/editing/UndoJournal.h"

#include "core/formats/Syncsafe.h"
#include "core/platform/FileAccess.h"
#include "core/platform/FileWriter.h"
#include "core/platform/Paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

#define XXH_INLINE_ALL
#include <xxhash.h>

#include <algorithm>
#include <thread>
#include <vector>

#include <unistd.h>

namespace vireo::editing {

namespace {

const char kMagic[] = "vireo-undo";

// How an entry's hashes are made. Entries of format 2 hold SHA-1; format 3
// holds XXH3-128, which costs a fraction of SHA-1 on the tags of thousands of
// files. The hashes only tell whether a file changed, they guard nothing.
enum class HashKind { Sha1, Xxh128 };
constexpr HashKind kWrittenHash = HashKind::Xxh128;
constexpr char kWrittenFormat[] = "3";

QByteArray hexOf(const XXH128_hash_t &h)
{
    XXH128_canonical_t c;
    XXH128_canonicalFromHash(&c, h);
    return QByteArray(reinterpret_cast<const char *>(c.digest), sizeof c.digest).toHex();
}

QByteArray regionHash(const TagRegions &r, HashKind kind = kWrittenHash)
{
    if (kind == HashKind::Xxh128) {
        XXH3_state_t state;
        XXH3_128bits_reset(&state);
        XXH3_128bits_update(&state, r.head.constData(), size_t(r.head.size()));
        XXH3_128bits_update(&state, r.tail.constData(), size_t(r.tail.size()));
        XXH3_128bits_update(&state, r.audioEnds.constData(), size_t(r.audioEnds.size()));
        return hexOf(XXH3_128bits_digest(&state));
    }
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData(r.head);
    h.addData(r.tail);
    h.addData(r.audioEnds);
    return h.result().toHex();
}

QByteArray audioHash(const TagRegions &r, HashKind kind = kWrittenHash)
{
    if (kind == HashKind::Xxh128)
        return hexOf(XXH3_128bits(r.audioEnds.constData(), size_t(r.audioEnds.size())));
    return QCryptographicHash::hash(r.audioEnds, QCryptographicHash::Sha1).toHex();
}

// The ends of the audio tell one file's audio from another's; tag writers
// never touch it.
constexpr int64_t kAudioProbe = 1024;
// The first read takes the ID3v2 header, a usual tag and the start of the audio at once.
constexpr int64_t kFirstRead = 16 * 1024;

QByteArray encodeText(const QString &s) { return QUrl::toPercentEncoding(s); }
QString decodeText(const QByteArray &b) { return QUrl::fromPercentEncoding(b); }

// One file of an entry: its bytes before the save and the state the save left.
struct FileLine {
    int64_t offset = 0, size = 0, head = 0, tail = 0;
    QByteArray preHash, preAudio;
    bool hasPost = false;
    int64_t postSize = 0;
    int64_t postAudio = 0;
    QByteArray postHash;
    QString path;
};

struct ParsedEntry {
    bool ok = false;
    QDateTime time;
    QString description;
    HashKind hash = HashKind::Sha1;
    QList<FileLine> files; // one per path, in save order
    int changed = 0;       // files the save changed
    bool complete = false; // the save ran to its end
};

// Index lines: "B" before a file changes (offset, size, head and tail length
// of its kept bytes, the hash of its state and of its audio ends, path); "P"
// after the save changed it (size, audio length, hash of its state, path);
// "E" when the save ran to its end.
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
    if (head[1] == kWrittenFormat)
        e.hash = kWrittenHash;
    else if (head[1] != "2")
        return e; // a format this version does not know
    e.time = QDateTime::fromString(QString::fromLatin1(head[2]), Qt::ISODateWithMs);
    e.description = decodeText(head[3]);
    QHash<QString, qsizetype> seen;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> c = lines[i].split('\t');
        if (c.size() == 8 && c[0] == "B") {
            FileLine l;
            l.offset = c[1].toLongLong();
            l.size = c[2].toLongLong();
            l.head = c[3].toLongLong();
            l.tail = c[4].toLongLong();
            l.preHash = c[5];
            l.preAudio = c[6];
            l.path = decodeText(c[7]);
            if (!seen.contains(l.path)) { // a file's first bytes count
                seen.insert(l.path, e.files.size());
                e.files.append(l);
            }
        } else if (c.size() == 5 && c[0] == "P") {
            const auto it = seen.constFind(decodeText(c[4]));
            if (it == seen.cend())
                continue;
            FileLine &l = e.files[*it];
            if (!l.hasPost)
                ++e.changed;
            l.hasPost = true; // a file written twice: its last state
            l.postSize = c[1].toLongLong();
            l.postAudio = c[2].toLongLong();
            l.postHash = c[3];
        } else if (c.size() == 1 && c[0] == "E") {
            e.complete = true;
        }
        // Anything else is a line cut short by a crash.
    }
    e.ok = true;
    return e;
}

bool syncFile(QFile &f)
{
    return f.flush() && ::fdatasync(f.handle()) == 0;
}

} // namespace

// A file's regions with their hashes.
struct RegionState {
    TagRegions regions;
    QByteArray hash;
    QByteArray audio;
};

namespace {

// The journal's reads are a handful of system calls per file, and a rename
// touches thousands of files: they run on a few threads at once, each taking
// every n-th file, and the results come back in the order of the paths.
std::vector<RegionState> readStates(const QStringList &paths)
{
    std::vector<RegionState> out(size_t(paths.size()));
    const auto work = [&](qsizetype first, qsizetype step) {
        for (qsizetype i = first; i < paths.size(); i += step) {
            RegionState &s = out[size_t(i)];
            s.regions = readTagRegions(paths[i]);
            if (s.regions.ok) {
                s.hash = regionHash(s.regions);
                s.audio = audioHash(s.regions);
            }
        }
    };
    const qsizetype threads = paths.size() < 32 ? 1 : qsizetype(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    std::vector<std::thread> helpers;
    for (qsizetype t = 1; t < threads; ++t)
        helpers.emplace_back(work, t, threads);
    work(0, threads);
    for (std::thread &h : helpers)
        h.join();
    return out;
}

// Files are read in batches of this many, so that a save of any size holds
// only one batch of tag bytes in memory.
constexpr qsizetype kReadBatch = 256;

} // namespace

TagRegions readTagRegions(const QString &path)
{
    TagRegions r;
    FileReader f;
    if (!f.open(path))
        return r;
    r.size = f.size();
    const QByteArray start = f.readAt(0, std::min(r.size, kFirstRead));
    if (start.size() >= 10 && start.startsWith("ID3")
        && isSyncsafe(reinterpret_cast<const uchar *>(start.constData()) + 6)) {
        int64_t length = 10 + int64_t(syncsafeValue(reinterpret_cast<const uchar *>(start.constData()) + 6));
        if (uchar(start[3]) == 4 && (uchar(start[5]) & 0x10))
            length += 10; // footer
        r.headLength = std::min(length, r.size);
    }
    // The last read takes the ID3v1 block and the end of the audio before it.
    const int64_t endLength = std::min(r.size, kAudioProbe + 128);
    const QByteArray end = f.readAt(r.size - endLength, endLength);
    if (r.size - r.headLength >= 128 && end.size() == endLength && end.right(128).startsWith("TAG"))
        r.tailLength = 128;
    r.head = r.headLength <= start.size() ? start.left(r.headLength) : f.readAt(0, r.headLength);
    r.tail = end.right(r.tailLength);
    const int64_t audio = r.size - r.headLength - r.tailLength;
    const int64_t probe = std::min(audio, kAudioProbe);
    r.audioEnds = r.headLength + probe <= start.size() ? start.mid(r.headLength, probe)
                                                       : f.readAt(r.headLength, probe);
    // The end chunk starts at size - probe - 128 at the latest, so it holds the audio's last bytes.
    const int64_t lastAt = r.headLength + audio - probe - (r.size - endLength);
    r.audioEnds += lastAt >= 0 ? end.mid(lastAt, probe) : f.readAt(r.headLength + audio - probe, probe);
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
    rec->m_pending = QByteArray(kMagic) + '\t' + kWrittenFormat + '\t'
                   + QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toLatin1() + '\t'
                   + encodeText(description) + '\n';
    return rec;
}

UndoJournal::Recording::Recording(UndoJournal &journal, QString dir) : m_journal(journal), m_dir(std::move(dir)) {}

UndoJournal::Recording::~Recording()
{
    if (!m_committed)
        [[maybe_unused]] const Result r = commit();
}

bool UndoJournal::Recording::record(const QString &path, const RegionState &state)
{
    if (m_failed || m_overLimit)
        return false;
    const TagRegions &r = state.regions;
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
    m_kept.insert(path, Kept{r.size, state.hash});
    m_pending += "B\t" + QByteArray::number(offset) + '\t' + QByteArray::number(r.size) + '\t'
               + QByteArray::number(r.headLength) + '\t' + QByteArray::number(r.tailLength) + '\t' + state.hash
               + '\t' + state.audio + '\t' + encodeText(path) + '\n';
    return true;
}

// The kept bytes, then the lines that point into them, reach the disk.
bool UndoJournal::Recording::seal()
{
    noteWritten();
    if (m_failed || m_overLimit)
        return false;
    if (!syncFile(m_data) || m_index.write(m_pending) != m_pending.size() || !syncFile(m_index)) {
        m_failed = true;
        return false;
    }
    m_pending.clear();
    return true;
}

bool UndoJournal::Recording::keepAll(const QStringList &paths)
{
    QStringList fresh;
    QSet<QString> seen;
    for (const QString &p : paths)
        if (!m_kept.contains(p) && !seen.contains(p)) {
            seen.insert(p);
            fresh.append(p);
        }
    for (qsizetype from = 0; from < fresh.size(); from += kReadBatch) {
        const QStringList batch = fresh.mid(from, kReadBatch);
        const std::vector<RegionState> states = readStates(batch);
        for (qsizetype i = 0; i < batch.size(); ++i)
            if (!record(batch[i], states[size_t(i)]) && (m_failed || m_overLimit))
                return false;
    }
    return seal();
}

bool UndoJournal::Recording::keep(const QString &path)
{
    if (m_kept.contains(path))
        return !m_failed && !m_overLimit;
    return record(path, readStates({path}).front()) && seal();
}

void UndoJournal::Recording::written(const QString &path)
{
    if (m_failed || m_overLimit || !m_kept.contains(path))
        return;
    // Read with the next sync or at the end, with the other written files at
    // once: a line lost to a crash leaves the file's "B" line, and undo then
    // compares the audio.
    m_written.append(path);
}

// The state each written file was left in, for the lines that let undo tell
// a file another program changed since.
void UndoJournal::Recording::noteWritten()
{
    QStringList written = std::exchange(m_written, {});
    if (m_failed || m_overLimit)
        return;
    written.removeDuplicates(); // a file written twice: its last state
    for (qsizetype from = 0; from < written.size(); from += kReadBatch) {
        const QStringList batch = written.mid(from, kReadBatch);
        const std::vector<RegionState> states = readStates(batch);
        for (qsizetype i = 0; i < batch.size(); ++i) {
            const TagRegions &r = states[size_t(i)].regions;
            const Kept &kept = *m_kept.constFind(batch[i]); // written() takes only kept files
            if (!r.ok)
                continue; // gone: nothing to put back
            if (r.size == kept.size && states[size_t(i)].hash == kept.hash)
                continue; // the save left the file as it was
            m_pending += "P\t" + QByteArray::number(r.size) + '\t'
                       + QByteArray::number(r.size - r.headLength - r.tailLength) + '\t' + states[size_t(i)].hash
                       + '\t' + encodeText(batch[i]) + '\n';
            ++m_lines;
        }
    }
}

Result UndoJournal::Recording::commit()
{
    if (m_committed)
        return Result::success();
    m_committed = true;
    noteWritten();
    m_pending += "E\n";
    if (!m_failed && !m_overLimit && (m_index.write(m_pending) != m_pending.size() || !m_index.flush()))
        m_failed = true;
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
        out.append({*it, e.time, e.description, e.changed ? e.changed : int(e.files.size()),
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
        bool same = false;
        if (l.hasPost) {
            // Another program's change shows in the tags or the ends of the audio.
            same = now.ok && now.size == l.postSize && regionHash(now, e.hash) == l.postHash
                && now.size - now.headLength - now.tailLength == l.size - l.head - l.tail;
        } else {
            // The save did not change the file, or it stopped (a crash) before
            // noting that it did: then the file is put back when its audio is
            // the one the save began with.
            if (e.complete || !now.ok || (now.size == l.size && regionHash(now, e.hash) == l.preHash))
                continue;
            same = now.size - now.headLength - now.tailLength == l.size - l.head - l.tail
                && audioHash(now, e.hash) == l.preAudio;
        }
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
