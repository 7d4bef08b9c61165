#pragma once
// The texts of the garbled-text repair, in one place.
#include <QString>

namespace vireo::textfix::texts {

inline QString windowTitle() { return QStringLiteral("文字化け修復"); }
inline QString menuCommand() { return QStringLiteral("文字化け修復..."); }
inline QString columnFile() { return QStringLiteral("ファイル"); }
inline QString columnField() { return QStringLiteral("項目"); }
inline QString columnDeclared() { return QStringLiteral("推定文字コード"); }
inline QString columnBefore() { return QStringLiteral("修復前"); }
inline QString columnAfter() { return QStringLiteral("修復後"); }
inline QString columnVerdict() { return QStringLiteral("判定"); }
inline QString columnConfidence() { return QStringLiteral("確度"); }
inline QString verdictRepair() { return QStringLiteral("修復"); }
inline QString verdictUncertain() { return QStringLiteral("不確か"); }
inline QString applyButton() { return QStringLiteral("適用"); }
inline QString rescanButton() { return QStringLiteral("再検査"); }
inline QString closeButton() { return QStringLiteral("閉じる"); }
inline QString checkAllButton() { return QStringLiteral("すべて選択"); }
inline QString uncheckAllButton() { return QStringLiteral("選択解除"); }
inline QString summary(qsizetype tracks, qsizetype suspects)
{
    return QStringLiteral("%1 曲を検査し、%2 件の文字化けの疑いが見つかりました。").arg(tracks).arg(suspects);
}
inline QString applied(int fields, int failed)
{
    return failed ? QStringLiteral("%1 項目を修復しました。%2 ファイルは書き込めませんでした。").arg(fields).arg(failed)
                  : QStringLiteral("%1 項目を修復しました。").arg(fields);
}

} // namespace vireo::textfix::texts
