#pragma once
// The program's own texts used by the browsing views, kept in one place.
#include <QString>

namespace vireo::views {

inline const QString kCompilationNode = QStringLiteral("コンピレーション");
// Artist key of compilation group N is this prefix followed by N.
inline const QString kCompilationKeyPrefix = QStringLiteral("コンピレーション:");
inline const QString kAllTracksTab = QStringLiteral("全曲");
inline const QString kSearchResultTab = QStringLiteral("検索結果");
inline const QString kNoFilesNode = QStringLiteral("N/A");

inline const QString kLogTreeBuildStart = QStringLiteral("TreeView作成処理開始");
inline const QString kLogTreeBuildDone = QStringLiteral("Artist Tree & Album Tree 作成処理完了");
inline const QString kLogNoCoverFile = QStringLiteral("カバーアート画像ファイルが存在しない：");

// Entries of the song-count filter's list, in list order.
inline const QString kFilterAtLeast = QStringLiteral("以上");
inline const QString kFilterAtMost = QStringLiteral("以下");
inline const QString kFilterEqual = QStringLiteral("と等しい");

} // namespace vireo::views
