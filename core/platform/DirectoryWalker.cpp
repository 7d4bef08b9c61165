#include "core/platform/DirectoryWalker.h"

#include "core/platform/FileAccess.h"
#include "core/platform/FileWriter.h"

#include <QFile>
#include <QSet>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

QString causeOf(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

class Walker {
public:
    explicit Walker(DirectoryVisitor &v) : m_v(v) {}

    void run(const QString &folder)
    {
        const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            m_v.problem(folder + QStringLiteral(": ") + causeOf(errno));
            return;
        }
        struct stat st;
        if (::fstat(fd, &st) == 0) {
            const FolderKey key(st.st_dev, st.st_ino);
            m_entered.insert(key);
            m_stack.push_back(key);
        }
        walk(fd, folder);
    }

private:
    void badName(const QString &folder, const char *name)
    {
        m_v.problem(QStringLiteral("UTF-8ではない名前のため読み飛ばします：") + folder + QString::fromUtf8(name));
    }

    bool cancelled()
    {
        if (!m_cancelled && m_v.cancelled())
            m_cancelled = true;
        return m_cancelled;
    }

    // fd is an open descriptor of folder (which ends with "/"); walk closes it.
    void walk(int fd, const QString &folder)
    {
        m_v.beforeListing();
        DIR *dir = ::fdopendir(fd);
        if (!dir) {
            m_v.problem(folder + QStringLiteral(": ") + causeOf(errno));
            ::close(fd);
            return;
        }
        const int dfd = ::dirfd(dir);
        while (!cancelled()) {
            errno = 0;
            const struct dirent *e = ::readdir(dir);
            if (!e) {
                if (errno != 0)
                    m_v.problem(folder + QStringLiteral(": ") + causeOf(errno));
                break;
            }
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
                    badName(folder, name);
                    continue;
                }
                const QString sub = folder + QString::fromUtf8(name, qsizetype(n));
                m_v.enterFolder(sub);
                const int sfd = ::openat(dfd, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
                if (sfd < 0) {
                    m_v.problem(sub + QStringLiteral(": ") + causeOf(errno));
                    continue;
                }
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
                if (name[0] == '.' && !isLink && std::strstr(name, ".vireo-save-")) {
                    const QString copy = folder + QString::fromUtf8(name, qsizetype(n));
                    if (removeLeftoverCopy(copy))
                        m_v.problem(copy + QStringLiteral(": removed the copy left behind by an interrupted save"));
                    continue;
                }
                if (!m_v.wantName(name, n))
                    continue;
                if (!isValidUtf8(reinterpret_cast<const unsigned char *>(name), n)) {
                    badName(folder, name);
                    continue;
                }
                if (!haveStat && ::fstatat(dfd, name, &st, 0) != 0)
                    continue;
                m_v.file(folder + QString::fromUtf8(name, qsizetype(n)), packDosDateTime(st.st_mtime), st.st_size);
            }
        }
        ::closedir(dir);
    }

    DirectoryVisitor &m_v;
    bool m_cancelled = false;
    QSet<FolderKey> m_entered;
    std::vector<FolderKey> m_stack;
};

} // namespace

void walkDirectory(const QString &folder, DirectoryVisitor &visitor)
{
    Walker(visitor).run(folder);
}

} // namespace vireo
