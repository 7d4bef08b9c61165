#pragma once
// The cover search's own texts, in one place.
#include <QString>

namespace vireo::coverart::texts {

inline const QString kWindowTitle = QStringLiteral("Vireo カバーアート検索");
inline const QString kArtistLabel = QStringLiteral("アーティスト名：");
inline const QString kAlbumLabel = QStringLiteral("アルバム名：");
inline const QString kSearch = QStringLiteral("画像検索実行");
inline const QString kSearchHint = QStringLiteral("アーティスト名でWebサービスのアルバム検索を実行します");
inline const QString kClose = QStringLiteral("閉じる");
inline const QString kSavePicture = QStringLiteral("画像を保存");
inline const QString kSaveFilter = QStringLiteral("すべてのファイル (*)");
inline const QString kDefaultSaveName = QStringLiteral("folder.jpg");
inline const QString kSearchDone = QStringLiteral("画像検索終了");
inline const QString kStripCommand = QStringLiteral("画像検索（amazon)");

inline QString notAnInteger(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}
inline QString unexpectedAnswer(const QString &source)
{
    return QStringLiteral("%1 の応答を読み取れませんでした。").arg(source);
}
inline QString sourceError(const QString &source, const QString &message)
{
    return QStringLiteral("%1 がエラーを返しました: %2").arg(source, message);
}
inline QString requestFailed(const QString &url, const QString &cause)
{
    return QStringLiteral("%1 を取得できませんでした: %2").arg(url, cause);
}
inline QString timedOut(const QString &url)
{
    return QStringLiteral("%1 が応答しません（タイムアウト）").arg(url);
}
inline QString busy(const QString &source)
{
    return QStringLiteral("%1 が混雑しています。しばらくしてからもう一度検索してください。").arg(source);
}
inline QString noSources()
{
    return QStringLiteral("検索先が設定されていません。");
}
inline QString badHost(const QString &key, const QString &value)
{
    return QStringLiteral("%1 の値 '%2' はアドレスとして使えません。").arg(key, value);
}
inline QString overwriteQuestion(const QString &path)
{
    return QStringLiteral("%1 は既に存在します。上書きしますか？").arg(path);
}

} // namespace vireo::coverart::texts
