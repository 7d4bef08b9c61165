#pragma once
// The texts of the tag editor, the bulk tag editor, the name dialog and the
// rename commands, kept in one place so the windows and the command line
// show the same words.
#include <QString>

namespace vireo::editing::texts {

// Tag editor.
inline QString tagEditorCaption() { return QStringLiteral("曲情報編集（ID3TAG編集）"); }
inline QString trackTooLarge() { return QStringLiteral("TRACKは、256までしか設定入力できません"); }
inline QString v1WillBeRemoved() { return QStringLiteral("ID3v1が存在している場合、MP3ファイルから削除されます"); }
inline QString v2WillBeRemoved() { return QStringLiteral("ID3v2が存在している場合、MP3ファイルから削除されます"); }
inline QString ansiLosesCharacters()
{
    return QStringLiteral("文字コード「ANSI」では保存できない文字があります。該当する文字は「?」に置き換えられます。保存しますか？\n%1");
}
inline QString v1LosesCharacters()
{
    return QStringLiteral("ID3v1では保存できない文字があります。該当する文字は「?」に置き換えられます。保存しますか？\n%1");
}
inline QString pictureUnknown()
{
    return QStringLiteral("画像の形式を判別できません（JPEG, PNG, BMP, GIF のみ）：%1");
}

// Bulk tag editor.
inline QString bulkCaption() { return QStringLiteral("ID3TAG一括設定"); }

// Name dialog modes: title, prompt, note.
inline QString nameDialogInitialTitle() { return QStringLiteral("ﾀﾞｲｱﾛｸﾞ"); }
inline QString currentNameLabel() { return QStringLiteral("現在の名称："); }
inline QString dontShowAgain() { return QStringLiteral("今後このメッセージを表示しない"); }

// Drops onto the artist tree.
inline QString askArtistAndAlbum() { return QStringLiteral("アーティスト名及びアルバム名を変更しますか？"); }
inline QString askArtist() { return QStringLiteral("アーティスト名を変更しますか？"); }
inline QString dropMoved() { return QStringLiteral("file(s) were moved.   Files dropped at point (%1,%2)."); }
inline QString dropCopied() { return QStringLiteral("file(s) were copied.   Files dropped at point (%1,%2)."); }
inline QString dropLinked() { return QStringLiteral("file(s) were linked.   Files dropped at point (%1,%2)."); }

// Saves, failures and undo.
inline QString writeFailed() { return QStringLiteral("タグを書き込めませんでした。\n%1\n理由：%2"); }
inline QString someWritesFailed() { return QStringLiteral("%1 個のファイルに書き込めませんでした。"); }
inline QString savingProgress() { return QStringLiteral("保存中… %1 / %2"); }
inline QString undoMenu() { return QStringLiteral("直前の保存を取り消す"); }
inline QString undoNothing() { return QStringLiteral("取り消せる保存はありません。"); }
inline QString undoDone() { return QStringLiteral("%1 個のファイルを保存前の状態に戻しました。"); }
inline QString undoSkipped() { return QStringLiteral("他のプログラムが変更したため、戻さなかったファイル："); }
inline QString undoUnavailable()
{
    return QStringLiteral("保存する内容が取り消し用の記録の上限（200 MB）を超えるため、この保存は取り消せません。");
}

} // namespace vireo::editing::texts
