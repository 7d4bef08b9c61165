#pragma once
// The outcome of an operation that can fail: a success flag and, on failure,
// a message the caller may log or show. Operations on files and tags return
// this instead of throwing.
#include <QString>

namespace vireo {

class [[nodiscard]] Result {
public:
    static Result success() { return Result(true, {}); }
    static Result failure(QString message) { return Result(false, std::move(message)); }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString &message() const { return m_message; }

private:
    Result(bool ok, QString message) : m_ok(ok), m_message(std::move(message)) {}
    bool m_ok;
    QString m_message;
};

} // namespace vireo
