#pragma once
// The texts of the file operations (copy tab, clipboard, Trash, drag and
// drop, external tools), kept in one place.
#include <QString>

namespace vireo::fileops::texts {

// Copy tab
inline QString copyTab() { return QStringLiteral("ファイルコピー"); }
inline QString destinationLabel() { return QStringLiteral("コピー先："); }
inline QString browse() { return QStringLiteral("参照..."); }
inline QString diskFreeLabel() { return QStringLiteral("コピー先の空きディスク容量："); }
inline QString startCopy() { return QStringLiteral("コピー開始"); }
inline QString clear() { return QStringLiteral("クリア"); }
inline QString moveUp() { return QStringLiteral("上へ移動"); }
inline QString moveDown() { return QStringLiteral("下へ移動"); }
inline QString remove() { return QStringLiteral("削除"); }
inline QString appendInOrder() { return QStringLiteral("選択順にコピー"); }
inline QString appendInOrderHint() { return QStringLiteral("表示されている曲順でファイルをコピーします"); }
inline QString overSpaceQuestion()
{
    return QStringLiteral("コピーするファイルの合計サイズが、コピー先の空き容量を超えていますがよろしいですか？");
}
inline QString copyFailed() { return QStringLiteral("ファイルコピー失敗"); }
inline QString copyFinished() { return QStringLiteral("ファイルコピー終了"); }
// Sound additions: the copy refuses an empty destination, lists names the
// destination cannot hold, and can be cancelled.
inline QString noDestination() { return QStringLiteral("コピー先を指定してください。"); }
inline QString destinationMissing() { return QStringLiteral("コピー先のフォルダがありません："); }
inline QString badNamesHead()
{
    return QStringLiteral("次のファイルはコピー先のファイルシステムで使えない名前のためコピーできません"
                          "（? : * \" < > | \\ や末尾のピリオド・空白）。残りのファイルをコピーしますか？");
}
inline QString cancelCopy() { return QStringLiteral("中止"); }
inline QString copyCancelled() { return QStringLiteral("ファイルコピー中止"); }
inline QString folderPickerTitle() { return QStringLiteral("フォルダを選択してください。"); }

// Clipboard and Trash
inline QString copyToClipboard() { return QStringLiteral("ファイルコピー "); }
inline QString copyToClipboardHint()
{
    return QStringLiteral("ファイルをコピーします。貼り付けは、エクスプローラでCtr+V");
}
inline QString deleteFiles() { return QStringLiteral("ファイル削除"); }
inline QString trashRefusedHead()
{
    return QStringLiteral("次のファイルはごみ箱に移せませんでした。ファイルは削除されず、一覧に残ります。");
}

// Drag and drop
inline QString dropCopied() { return QStringLiteral("Copied successfully"); }
inline QString dropMoved() { return QStringLiteral("Moved successfully"); }
inline QString dropLinked() { return QStringLiteral("Linked successfully"); }
inline QString dropCancelled() { return QStringLiteral("Drop was cancelled"); }
inline QString dropOutOfMemory() { return QStringLiteral("Drop cancelled - out of memory"); }
inline QString dropUnknown() { return QStringLiteral("Drop cancelled - unknown reason"); }

// External tools
inline QString sendTo() { return QStringLiteral("送る"); }
inline QString logProgram() { return QStringLiteral("実行アプリケーション"); }
inline QString logArguments() { return QStringLiteral("引数"); }
inline QString logWorkingFolder() { return QStringLiteral("作業ディレクトリ"); }

} // namespace vireo::fileops::texts
