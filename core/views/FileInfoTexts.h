#pragma once
// The file information page's own texts, kept in one place.
#include <QString>
#include <QStringList>

namespace vireo::views {

inline const QString kFileInfoTab = QStringLiteral("ファイル情報");
inline const QString kFileCopyTab = QStringLiteral("ファイルコピー");
inline const QString kPlayListTab = QStringLiteral("PlayList");
inline const QString kFileInfoWindowCommand = QStringLiteral("ファイル情報ウィンドウ");
inline const QString kArtworkShowCommand = QStringLiteral("アートワーク表示");
inline const QString kNoImage = QStringLiteral("NO IMAGE");
inline const QString kCannotReadFile = QStringLiteral("Can not read data from the file: ");
// Logged once per picture that cannot be decoded, before the file and the cause.
inline const QString kLogPictureUnreadable = QStringLiteral("画像を表示できない：");

// Captions of the stream box, in box order.
inline const QStringList kStreamCaptions = {
    QStringLiteral("File size:"),      QStringLiteral("MPEG type:"),
    QStringLiteral("Bit rate:"),       QStringLiteral("Duration:"),
    QStringLiteral("Sample rate:"),    QStringLiteral("Channel mode:"),
    QStringLiteral("Total frames:"),   QStringLiteral("CRC protection:"),
    QStringLiteral("Emphasis:"),       QStringLiteral("Encoder:"),
    QStringLiteral("Copyright:"),      QStringLiteral("Original:"),
};

// Names of the tag grid's rows; the ID3v1 view uses the first seven.
inline const QStringList kTagRowNames = {
    QStringLiteral("タイトル"),   QStringLiteral("アーティスト"), QStringLiteral("アルバム"),
    QStringLiteral("Track"),      QStringLiteral("Year"),        QStringLiteral("ジャンル"),
    QStringLiteral("コメント"),   QStringLiteral("エンコードした人"), QStringLiteral("著作権"),
    QStringLiteral("オリジナルアーティスト"), QStringLiteral("URL"), QStringLiteral("作曲者"),
};
inline constexpr int kV1RowCount = 7;

} // namespace vireo::views
