#include "core/library/FindFiles.h"

#include "core/library/EventLog.h"
#include "core/platform/FileAccess.h"
#include "core/platform/Paths.h"

#include <QFile>
#include <QSet>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <utility>
#include <vector>

namespace vireo {
namespace {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(const unsigned char *s, size_t n)
{
    size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t len;
        uint32_t cp;
        if ((c & 0xE0) == 0xC0) { len = 2; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { len = 3; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { len = 4; cp = c & 0x07; }
        else return false;
        if (i + len > n)
            return false;
        for (size_t k = 1; k < len; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000)
            || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

using FolderKey = std::pair<quint64, quint64>;

class Walker {
public:
    Walker(QStringView extension, SearchProgress *progress, SearchResult &out)
        : m_progress(progress), m_out(out)
    {
        m_ext = extension.toString().toUpper();
        m_asciiExt = true;
        for (QChar c : m_ext)
            if (c.unicode() >= 0x80)
                m_asciiExt = false;
        if (m_asciiExt)
            m_extBytes = m_ext.toLatin1();
    }

    void run(const QString &folder)
    {
        const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return;
        struct stat st;
        if (::fstat(fd, &st) == 0) {
            const FolderKey key(st.st_dev, st.st_ino);
            m_entered.insert(key);
            m_stack.push_back(key);
        }
        walk(fd, folder);
    }

private:
    bool extensionMatches(const char *name, size_t n) const
    {
        const char *dot = static_cast<const char *>(memrchr(name, '.', n));
        if (!dot)
            return false;
        const size_t len = name + n - dot;
        if (m_asciiExt) {
            if (len != size_t(m_extBytes.size()))
                return false;
            for (size_t i = 0; i < len; ++i) {
                char c = dot[i];
                if (c >= 'a' && c <= 'z')
                    c = char(c - 'a' + 'A');
                if (c != m_extBytes[qsizetype(i)])
                    return false;
            }
            return true;
        }
        return QString::fromUtf8(dot, qsizetype(len)).toUpper() == m_ext;
    }

    void logBadName(const QString &folder, const char *name)
    {
        WriteLog(QStringLiteral("UTF-8ではない名前のため読み飛ばします：") + folder + QString::fromUtf8(name));
    }

    bool cancelled()
    {
        if (!m_out.Cancelled && m_progress && m_progress->cancelRequested())
            m_out.Cancelled = true;
        return m_out.Cancelled;
    }

    // fd is an open descriptor of folder (which ends with "/"); walk closes it.
    void walk(int fd, const QString &folder)
    {
        if (m_progress)
            m_progress->processEvents();
        DIR *dir = ::fdopendir(fd);
        if (!dir) {
            ::close(fd);
            return;
        }
        const int dfd = ::dirfd(dir);
        while (!cancelled()) {
            const struct dirent *e = ::readdir(dir);
            if (!e)
                break;
            const char *name = e->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            const size_t n = std::strlen(name);
            bool isDir = false, isReg = false, isLink = false, haveStat = false;
            struct stat st;
            switch (e->d_type) {
            case DT_DIR: isDir = true; break;
            case DT_REG: isReg = true; break;
            case DT_LNK:
            case DT_UNKNOWN:
                if (e->d_type == DT_UNKNOWN) {
                    if (::fstatat(dfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                        continue;
                    isLink = S_ISLNK(st.st_mode);
                    if (!isLink) {
                        haveStat = true;
                        isDir = S_ISDIR(st.st_mode);
                        isReg = S_ISREG(st.st_mode);
                        break;
                    }
                } else {
                    isLink = true;
                }
                if (::fstatat(dfd, name, &st, 0) != 0)
                    continue; // a dangling link
                haveStat = true;
                isDir = S_ISDIR(st.st_mode);
                isReg = S_ISREG(st.st_mode);
                break;
            default:
                continue; // devices, pipes and sockets are never music files
            }
            if (isDir) {
                if (!isValidUtf8(reinterpret_cast<const unsigned char *>(name), n)) {
                    logBadName(folder, name);
                    continue;
                }
                const QString sub = folder + QString::fromUtf8(name, qsizetype(n));
                if (m_progress)
                    m_progress->showFolder(sub);
                const int sfd = ::openat(dfd, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
                if (sfd < 0)
                    continue;
                struct stat ds;
                if (::fstat(sfd, &ds) != 0) {
                    ::close(sfd);
                    continue;
                }
                const FolderKey key(ds.st_dev, ds.st_ino);
                // A link to a folder already searched, or a folder inside
                // itself (a bind mount), would repeat or never end.
                const bool seen = m_entered.contains(key);
                bool onStack = false;
                if (seen)
                    for (const FolderKey &k : m_stack)
                        if (k == key)
                            onStack = true;
                if ((seen && isLink) || onStack) {
                    ::close(sfd);
                    continue;
                }
                m_entered.insert(key);
                m_stack.push_back(key);
                walk(sfd, sub + u'/');
                m_stack.pop_back();
            } else if (isReg) {
                if (!extensionMatches(name, n))
                    continue;
                if (!isValidUtf8(reinterpret_cast<const unsigned char *>(name), n)) {
                    logBadName(folder, name);
                    continue;
                }
                if (!haveStat && ::fstatat(dfd, name, &st, 0) != 0)
                    continue;
                FoundFile f;
                f.Path = folder + QString::fromUtf8(name, qsizetype(n));
                f.Date = packDosDateTime(st.st_mtime);
                f.Size = st.st_size;
                if (m_progress)
                    m_progress->showFile(f.Path);
                m_out.Files.append(std::move(f));
            }
        }
        ::closedir(dir);
    }

    SearchProgress *m_progress;
    SearchResult &m_out;
    QString m_ext;
    QByteArray m_extBytes;
    bool m_asciiExt = true;
    QSet<FolderKey> m_entered;
    std::vector<FolderKey> m_stack;
};

} // namespace

SearchResult FindFiles(const QString &folder, QStringView extension, SearchProgress *progress)
{
    SearchResult result;
    Walker w(extension, progress, result);
    w.run(includeTrailingSlash(folder));
    return result;
}

} // namespace vireo
