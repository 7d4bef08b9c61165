#pragma once
// The cover strip's own texts.
#include <QString>

namespace vireo::covers {

inline const QString kJacketCaption = QStringLiteral("Jacket_Panel_c");
inline const QString kCoverSearch = QStringLiteral("画像検索（amazon)");
inline const QString kCoverSmall = QStringLiteral("表示サイズ（小）");
inline const QString kCoverMedium = QStringLiteral("表示サイズ（中）");
inline const QString kCoverLarge = QStringLiteral("表示サイズ（大）");
inline const QString kCoverAlbumName = QStringLiteral("アルバム名表示");
inline const QString kCoverClose = QStringLiteral("閉じる");
inline const QString kCoverArtList = QStringLiteral("カバーアートリスト");

} // namespace vireo::covers
