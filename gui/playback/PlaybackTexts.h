#pragma once
// The playback controls' own texts.
#include <QString>

namespace vireo::gui::texts {

inline const QString kPlay = QStringLiteral("Play");
inline const QString kPause = QStringLiteral("ポーズ");
inline const QString kStop = QStringLiteral("Stop");
inline const QString kQuickPlay = QStringLiteral("QuickPlay");
inline const QString kMute = QStringLiteral("ミュート");
inline const QString kVolumeHint = QStringLiteral("ボリュームコントロール");
inline const QString kIntroHint = QStringLiteral("イントロプレイ");
inline const QString kIntro = QStringLiteral("Intro");
inline const QString kDelete = QStringLiteral("削除");
inline const QString kMoveUp = QStringLiteral("上へ移動");
inline const QString kMoveDown = QStringLiteral("下へ移動");
inline const QString kColumns = QStringLiteral("表示項目の設定");
inline const QString kShuffle = QStringLiteral("シャッフル");
inline const QString kShuffleHint = QStringLiteral("演奏時のｼｬｯﾌﾙON/OFF");
inline const QString kPlayColumn = QStringLiteral("Play");

} // namespace vireo::gui::texts
