#include "core/library/Compilations.h"

#include "core/library/CacheText.h"
#include "core/platform/CodePage.h"
#include "core/platform/FileAccess.h"
#include "core/platform/FileWriter.h"
#include "core/platform/TextCheck.h"
#include "core/library/LibraryFiles.h"

#include <QFileInfo>
#include <QtEndian>

namespace vireo {

QString CompilationList::FoldKey(QStringView name)
{
    // Per code point simple case folding: the rule QString::compare uses
    // with Qt::CaseInsensitive, so equal keys mean equal names.
    QString key;
    key.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(name[i], name[i + 1]);
            ++i;
        }
        const char32_t f = QChar::toCaseFolded(c);
        if (QChar::requiresSurrogates(f)) {
            key.append(QChar(QChar::highSurrogate(f)));
            key.append(QChar(QChar::lowSurrogate(f)));
        } else {
            key.append(QChar(char16_t(f)));
        }
    }
    return key;
}

void CompilationList::reindex()
{
    m_first.clear();
    m_first.reserve(m_names.size());
    // Backwards, so that the first of equal names keeps its position.
    for (int i = int(m_names.size()) - 1; i >= 0; --i)
        m_first[FoldKey(m_names[i])] = i;
}

void CompilationList::SetNames(const QStringList &names)
{
    m_names = names;
    reindex();
}

int CompilationList::IndexOf(QStringView album) const
{
    if (m_names.isEmpty())
        return -1;
    return m_first.value(FoldKey(album), -1);
}

bool CompilationList::Add(const QString &name)
{
    if (IndexOf(name) >= 0)
        return false;
    m_names.append(name);
    m_first.insert(FoldKey(name), int(m_names.size()) - 1);
    return true;
}

bool CompilationList::Remove(const QString &name)
{
    const int i = IndexOf(name);
    if (i < 0)
        return false;
    m_names.removeAt(i);
    reindex();
    return true;
}

QStringList CompilationList::Decode(QByteArrayView bytes)
{
    return cachetext::splitLines(decodeTextFile(bytes), true);
}

QByteArray CompilationList::Encode(const QStringList &names)
{
    QString text;
    for (const QString &n : names) {
        text += n;
        text += QStringLiteral("\r\n");
    }
    QByteArray out;
    out.resize(2 + text.size() * 2);
    out[0] = char(0xFF);
    out[1] = char(0xFE);
    qToLittleEndian<char16_t>(text.utf16(), text.size(), out.data() + 2);
    return out;
}

namespace {

Result notText(const QString &file, const QString &cause)
{
    return Result::failure(ErrorCode::BadData,
                           QStringLiteral("%1: コンピレーションファイルを読めません：%2。このファイルは書き換えません").arg(file, cause));
}

} // namespace

Result CompilationList::Load(const QString &file)
{
    QByteArray bytes;
    if (Result r = readSmallFile(file, bytes); !r)
        return r;
    if (const QString cause = notTextCause(bytes, true); !cause.isEmpty())
        return notText(file, cause);
    SetNames(Decode(bytes));
    return Result::success();
}

Result CompilationList::Save(const QString &file) const
{
    // A file that is there but is not a list (it could not be loaded) is
    // the user's to look at: it is not replaced by this list.
    QByteArray old;
    if (QFileInfo(file).isFile() && readSmallFile(file, old)) {
        if (const QString cause = notTextCause(old, true); !cause.isEmpty())
            return notText(file, cause);
    }
    return writeFileAtomically(file, Encode(m_names));
}

} // namespace vireo
