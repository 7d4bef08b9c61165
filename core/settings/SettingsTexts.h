#pragma once
// The settings subsystem's own texts: the store's messages and the log
// lines of the settings load and save.
#include <QString>
#include <QStringView>

namespace vireo::settingstexts {

inline QString invalidEntry(QStringView name) { return QStringLiteral("[' ") + name.toString() + QStringLiteral(" '] is invalid."); }
inline QString noIniFile() { return QStringLiteral("can not create Inifile object."); }
inline QString noRegistry() { return QStringLiteral("can not create Registry object."); }
inline QString cannotWrite(const QString &path) { return QStringLiteral("%1 に書き込めません").arg(path); }
// A settings file that is there but is not text.
inline QString notTextSettings(const QString &path, const QString &cause)
{
    return QStringLiteral("%1: 設定ファイルを読めません：%2。設定は既定値で動き、このファイルは書き換えません").arg(path, cause);
}
// A stored colour text that is neither a colour name nor an integer.
inline QString notAnInteger(QStringView entry, const QString &text)
{
    return QStringLiteral("%1: '%2' is not a valid integer value").arg(entry.toString(), text);
}
inline QString unfitValue(QStringView entry, const QString &text)
{
    return QStringLiteral("%1: \"%2\" is not a valid value").arg(entry.toString(), text);
}
inline QString unknownTagCodePage(const QString &name)
{
    return QStringLiteral("TagCodePage: 不明な文字コード \"%1\" は無視します").arg(name);
}

constexpr QStringView kLoadStart = u"パラメタの読み込み開始";
constexpr QStringView kLoadEnd = u"パラメタの読み込み終了";
constexpr QStringView kSaveStart = u"パラメタ保存開始";
constexpr QStringView kSaveEnd = u"パラメタ保存終了";

} // namespace vireo::settingstexts
