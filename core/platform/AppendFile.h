#pragma once
// A file that lines are appended to (logs): each append is one write on a
// descriptor opened for appending, so a line is never split by another
// writer and no buffer in this process holds it.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace vireo {

class AppendFile {
public:
    AppendFile() = default;
    ~AppendFile() { close(); }
    AppendFile(const AppendFile &) = delete;
    AppendFile &operator=(const AppendFile &) = delete;

    // Opens path for appending, creating it (mode 0644) when missing.
    Result open(const QString &path);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    const QString &path() const { return m_path; }
    // True while the open file is still the one named path (it was not
    // removed or renamed under us).
    bool stillNamed(const QString &path) const;
    // The open file's current length; -1 when it cannot be told.
    int64_t size() const;
    Result append(const QByteArray &bytes);

private:
    int m_fd = -1;
    QString m_path;
};

// Whether anything (file, folder, link) has this name.
bool pathExists(const QString &path);
// Renames from over to in one step (an existing `to` is replaced).
Result renamePath(const QString &from, const QString &to);

} // namespace vireo
