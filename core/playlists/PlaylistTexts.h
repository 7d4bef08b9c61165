#pragma once
// The texts of the playlist tab and the playlist editor, exactly as the
// program shows them.
#include <QString>

namespace vireo::playlists {

// Playlist tab: the folder search's progress window.
inline const QString kSearchCaption = QStringLiteral("M3Uファイルの検索");
inline const QString kSearching = QStringLiteral("M3Uファイルの検索中...");
// One line per playlist that could not be read during a reload.
inline const QString kSkippedHead = QStringLiteral("読み込めないプレイリストを飛ばしました：");

// Playlist editor.
inline const QString kEditorTitle = QStringLiteral("m3u作成～お気に入りの作成～");
inline const QString kLabelDesign = QStringLiteral("編集中：新規作成");
inline const QString kLabelPrefix = QStringLiteral(" 編集中:");
inline const QString kAskSave = QStringLiteral("編集中のデータを保存しますか？");
inline const QString kAskOverwrite = QStringLiteral("同名のファイルが存在します。上書きしますか？");

} // namespace vireo::playlists
