#include "core/settings/RegManager.h"

#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsTexts.h"
#include "core/library/EventLog.h"

#include <QIODevice>

#include <algorithm>

namespace vireo {

namespace {
// A damaged count must not turn one read into millions of file reads.
constexpr int32_t kMaxListItems = 4096;

QString notAColor(const QString &name, const QString &text) { return settingstexts::notAnInteger(name, text); }
} // namespace

TRegItem &TRegItems::Add(TRegItem item)
{
    m_items.push_back(std::move(item));
    return m_items.back();
}

const TRegItem *TRegItems::FindItem(QStringView name) const
{
    for (const TRegItem &item : m_items)
        if (name.compare(item.Name, Qt::CaseInsensitive) == 0)
            return &item;
    return nullptr;
}

// ---- TRegManager ----

TRegManager::TRegManager() = default;

TRegManager::~TRegManager()
{
    RegItems.Clear(); // the catalogue goes first, then the filer
    m_filer.reset();
}

std::unique_ptr<TRegFiler> TRegManager::CreateFiler() { return std::make_unique<TRegFiler>(*this); }

TRegFiler &TRegManager::Filer(QStringView name)
{
    if (!m_filer)
        m_filer = CreateFiler();
    const TRegItem *item = RegItems.FindItem(name);
    if (!item)
        showMessage(settingstexts::invalidEntry(name));
    m_filer->setCurrent(item);
    return *m_filer;
}

void TRegManager::showMessage(const QString &message) const
{
    if (m_onMessage)
        m_onMessage(message);
    else
        WriteLog(message);
}

// ---- TRegFiler ----

bool TRegFiler::openAccess(QString &file)
{
    if (m_store.RegType == TRegType::rtReg) {
        // There is no registry here: every access fails the way a store
        // without a key path does.
        m_store.showMessage(settingstexts::noRegistry());
        return false;
    }
    if (m_store.IniFileName.isEmpty()) {
        m_store.showMessage(settingstexts::noIniFile());
        return false;
    }
    file = m_store.IniFileName;
    return true;
}

QString TRegFiler::ReadString(const QString &section, const QString &ident, const QString &defaultValue)
{
    if (section.isEmpty() || ident.isEmpty())
        return defaultValue;
    QString file;
    if (!openAccess(file))
        return defaultValue;
    return readProfileString(file, section, ident, defaultValue);
}

Result TRegFiler::WriteString(const QString &section, const QString &ident, const QString &value)
{
    if (section.isEmpty() || ident.isEmpty())
        return Result::success();
    QString file;
    if (!openAccess(file))
        return Result::success();
    return writeProfileString(file, section, ident, value);
}

Result TRegFiler::DeleteKey(const QString &section, const QString &ident)
{
    if (section.isEmpty() || ident.isEmpty())
        return Result::success();
    QString file;
    if (!openAccess(file))
        return Result::success();
    return deleteProfileKey(file, section, ident);
}

bool TRegFiler::ReadBool()
{
    if (!m_current)
        return false;
    return boolFromStored(ReadString(m_current->Section, m_current->Ident,
                                     normalizedBoolDefault(m_current->DefaultValue)));
}

Result TRegFiler::WriteBool(bool value)
{
    if (!m_current)
        return Result::success();
    return WriteString(m_current->Section, m_current->Ident, boolText(value));
}

int32_t TRegFiler::ReadInteger()
{
    if (!m_current)
        return 0;
    return integerOrZero(ReadString(m_current->Section, m_current->Ident, m_current->DefaultValue));
}

Result TRegFiler::WriteInteger(int32_t value)
{
    if (!m_current)
        return Result::success();
    return WriteString(m_current->Section, m_current->Ident, QString::number(value));
}

QString TRegFiler::ReadText()
{
    if (!m_current)
        return QString();
    return ReadString(m_current->Section, m_current->Ident, m_current->DefaultValue);
}

Result TRegFiler::WriteText(const QString &value)
{
    if (!m_current)
        return Result::success();
    return WriteString(m_current->Section, m_current->Ident, value);
}

ColorValue TRegFiler::ReadColor()
{
    if (!m_current)
        return colors::Black;
    const ColorValue fallback = colorFromText(m_current->DefaultValue).value_or(colors::Black);
    const QString text = ReadText();
    if (const auto c = colorFromText(text))
        return *c;
    WriteLog(notAColor(m_current->Name, text));
    return fallback;
}

Result TRegFiler::WriteColor(ColorValue value) { return WriteText(colorToText(value)); }

void TRegFiler::ReadFont(FontValue &font)
{
    if (!m_current)
        return;
    const TRegItem item = *m_current;
    const QString &s = item.Section;
    font.name = ReadString(s, item.Ident + QStringLiteral("_FontName"), font.name);

    const auto size = parseIntegerText(ReadString(s, item.Ident + QStringLiteral("_FontSize"),
                                                  QString::number(font.size)));
    if (size && *size > 0)
        font.size = *size;

    const QString colorText = ReadString(s, item.Ident + QStringLiteral("_FontColor"), colorToText(font.color));
    if (const auto c = colorFromText(colorText))
        font.color = *c;
    else
        WriteLog(notAColor(item.Name, colorText));

    font.style = integerOrZero(ReadString(s, item.Ident + QStringLiteral("_FontStyle"), QString::number(font.style)));
    font.charset = integerOrZero(ReadString(s, item.Ident + QStringLiteral("_FontCharset"),
                                            QString::number(font.charset)));
}

Result TRegFiler::WriteFont(const FontValue &font)
{
    if (!m_current)
        return Result::success();
    const TRegItem item = *m_current;
    const QString &s = item.Section;
    // All five keys are attempted; the first failure is the result.
    Result result = Result::success();
    auto keep = [&](Result r) {
        if (result.ok() && !r.ok())
            result = std::move(r);
    };
    keep(WriteString(s, item.Ident + QStringLiteral("_FontName"), font.name));
    keep(WriteString(s, item.Ident + QStringLiteral("_FontSize"), QString::number(font.size)));
    keep(WriteString(s, item.Ident + QStringLiteral("_FontColor"), colorToText(font.color)));
    keep(WriteString(s, item.Ident + QStringLiteral("_FontStyle"), QString::number(font.style)));
    keep(WriteString(s, item.Ident + QStringLiteral("_FontCharset"), QString::number(font.charset)));
    return result;
}

void TRegFiler::ReadStrings(QStringList &list)
{
    list.clear();
    if (!m_current)
        return;
    const TRegItem item = *m_current;
    const int32_t count = integerOrZero(ReadString(item.Section, item.Ident + QStringLiteral("_ItemCount"),
                                                   QStringLiteral("0")));
    for (int32_t i = 0; i < std::min(count, kMaxListItems); ++i)
        list << ReadString(item.Section, item.Ident + QStringLiteral("_Item") + QString::number(i), QString());
}

Result TRegFiler::WriteStrings(const QStringList &list)
{
    if (!m_current)
        return Result::success();
    const TRegItem item = *m_current;
    const QString countKey = item.Ident + QStringLiteral("_ItemCount");
    const int32_t stored = integerOrZero(ReadString(item.Section, countKey, QStringLiteral("0")));
    for (int32_t i = stored - 1; i >= int32_t(list.size()); --i)
        if (Result r = DeleteKey(item.Section, item.Ident + QStringLiteral("_Item") + QString::number(i)); !r)
            return r;
    if (list.isEmpty())
        return DeleteKey(item.Section, countKey);
    if (Result r = WriteString(item.Section, countKey, QString::number(list.size())); !r)
        return r;
    for (qsizetype i = 0; i < list.size(); ++i)
        if (Result r = WriteString(item.Section, item.Ident + QStringLiteral("_Item") + QString::number(i), list[i]); !r)
            return r;
    return Result::success();
}

void TRegFiler::ReadStream(QIODevice &stream)
{
    if (!m_current)
        return;
    const TRegItem item = *m_current;
    const int32_t lines = integerOrZero(ReadString(item.Section, item.Ident + QStringLiteral("_c"), QStringLiteral("0")));
    for (int32_t i = 0; i < std::min(lines, kMaxListItems); ++i) {
        const QString hex = ReadString(item.Section, item.Ident + QStringLiteral("_d") + QString::number(i), QString());
        QByteArray bytes;
        for (qsizetype j = 0; j + 1 < hex.size(); j += 2) {
            const auto b = parseIntegerText(QStringLiteral("$") + hex.mid(j, 2));
            bytes += char(b ? *b : 0); // a pair that is not hexadecimal is the byte 0
        }
        stream.write(bytes);
    }
}

Result TRegFiler::WriteStream(QIODevice &stream)
{
    if (!m_current)
        return Result::success();
    const TRegItem item = *m_current;
    stream.seek(0);
    const QByteArray bytes = stream.readAll();
    const QString countKey = item.Ident + QStringLiteral("_c");
    const int32_t stored = integerOrZero(ReadString(item.Section, countKey, QStringLiteral("0")));
    const int32_t lines = int32_t((bytes.size() + 31) / 32);
    for (int32_t i = stored - 1; i >= lines; --i)
        if (Result r = DeleteKey(item.Section, item.Ident + QStringLiteral("_d") + QString::number(i)); !r)
            return r;
    if (lines == 0)
        return DeleteKey(item.Section, countKey);
    if (Result r = WriteString(item.Section, countKey, QString::number(lines)); !r)
        return r;
    for (int32_t i = 0; i < lines; ++i) {
        const QString hex = QString::fromLatin1(bytes.mid(qsizetype(i) * 32, 32).toHex().toUpper());
        if (Result r = WriteString(item.Section, item.Ident + QStringLiteral("_d") + QString::number(i), hex); !r)
            return r;
    }
    return Result::success();
}

} // namespace vireo
