#include "core/library/FindFiles.h"

#include "core/library/EventLog.h"
#include "core/platform/DirectoryWalker.h"
#include "core/platform/Paths.h"

#include <cstring>
#include <utility>

namespace vireo {
namespace {

class Search : public DirectoryVisitor {
public:
    Search(QStringView extension, SearchProgress *progress, SearchResult &out)
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

    bool wantName(const char *name, size_t n) const override
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

    void beforeListing() override
    {
        if (m_progress)
            m_progress->processEvents();
    }
    void enterFolder(const QString &folder) override
    {
        if (m_progress)
            m_progress->showFolder(folder);
    }
    void file(const QString &path, int32_t dosDate, int64_t size) override
    {
        FoundFile f;
        f.Path = path;
        f.Date = dosDate;
        f.Size = size;
        if (m_progress)
            m_progress->showFile(f.Path);
        m_out.Files.append(std::move(f));
    }
    void problem(const QString &message) override { WriteLog(message); }
    bool cancelled() override
    {
        if (!m_out.Cancelled && m_progress && m_progress->cancelRequested())
            m_out.Cancelled = true;
        return m_out.Cancelled;
    }

private:
    SearchProgress *m_progress;
    SearchResult &m_out;
    QString m_ext;
    QByteArray m_extBytes;
    bool m_asciiExt = true;
};

} // namespace

SearchResult FindFiles(const QString &folder, QStringView extension, SearchProgress *progress)
{
    SearchResult result;
    Search search(extension, progress, result);
    walkDirectory(includeTrailingSlash(folder), search);
    return result;
}

} // namespace vireo
