#pragma once
// The outcome of an operation that can fail: an error code and, on failure,
// a message naming the file and the cause that the caller may log or show.
// Operations on files and tags return this instead of throwing; ResultOf<T>
// carries a value on success (a class and a template cannot share a name).
#include <QString>

#include <cerrno>
#include <optional>
#include <utility>

namespace vireo {

enum class ErrorCode {
    None = 0,
    Failed,        // no more precise cause known
    NotFound,      // the file or folder does not exist (any more)
    ReadOnly,      // no permission to write, or a read-only file system
    NoPermission,  // no permission to read or list
    DiskFull,      // no space left on the device, or quota exceeded
    IoError,       // the device reported an error
    BadData,       // the content could not be parsed
    TooLarge,      // a size beyond what the program accepts
    InvalidArgument,
    Cancelled,
    Unsupported,
    Network,
    Timeout,
    InUse,         // another run holds it
};

// The code that best matches an errno value.
inline ErrorCode errorCodeFromErrno(int err)
{
    switch (err) {
    case 0: return ErrorCode::None;
    case ENOENT: case ENOTDIR: return ErrorCode::NotFound;
    case EROFS: return ErrorCode::ReadOnly;
    case EACCES: case EPERM: return ErrorCode::NoPermission;
    case ENOSPC: case EDQUOT: return ErrorCode::DiskFull;
    case EIO: return ErrorCode::IoError;
    case EFBIG: return ErrorCode::TooLarge;
    case EINVAL: return ErrorCode::InvalidArgument;
    case ECANCELED: return ErrorCode::Cancelled;
    default: return ErrorCode::Failed;
    }
}

class [[nodiscard]] Result {
public:
    Result() = default; // success
    static Result success() { return Result(); }
    static Result failure(QString message) { return Result(ErrorCode::Failed, std::move(message)); }
    static Result failure(ErrorCode code, QString message) { return Result(code, std::move(message)); }
    // A failure whose code comes from errno (the message should name the file
    // and the cause, for example from qt_error_string(err)).
    static Result fromErrno(int err, QString message)
    {
        ErrorCode code = errorCodeFromErrno(err);
        return Result(code == ErrorCode::None ? ErrorCode::Failed : code, std::move(message));
    }

    bool ok() const { return m_code == ErrorCode::None; }
    explicit operator bool() const { return ok(); }
    ErrorCode code() const { return m_code; }
    const QString &message() const { return m_message; }

private:
    Result(ErrorCode code, QString message) : m_code(code), m_message(std::move(message)) {}
    ErrorCode m_code = ErrorCode::None;
    QString m_message;
};

template <typename T> class [[nodiscard]] ResultOf {
public:
    ResultOf(T value) : m_value(std::move(value)) {}
    ResultOf(Result error) : m_error(std::move(error))
    {
        // A ResultOf<T> made from a plain result must be a failure: a success
        // carries a value.
        if (m_error.ok())
            m_error = Result::failure(ErrorCode::Failed, QString());
    }
    static ResultOf failure(ErrorCode code, QString message)
    {
        return ResultOf(Result::failure(code, std::move(message)));
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    ErrorCode code() const { return ok() ? ErrorCode::None : m_error.code(); }
    const QString &message() const { return m_error.message(); }
    // The outcome without the value, to pass a failure on.
    Result status() const { return ok() ? Result() : m_error; }

    T &value() & { return *m_value; }
    const T &value() const & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    T *operator->() { return &*m_value; }
    const T *operator->() const { return &*m_value; }
    T &operator*() & { return *m_value; }
    const T &operator*() const & { return *m_value; }

private:
    std::optional<T> m_value;
    Result m_error;
};

} // namespace vireo
