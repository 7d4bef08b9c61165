#pragma once
// The options dialog's own texts.
#include <QString>

namespace vireo::gui::optiontext {

inline const QString kTitle = QStringLiteral("環境設定");
inline const QString kOk = QStringLiteral("OK");
inline const QString kCancel = QStringLiteral("ｷｬﾝｾﾙ");
inline const QString kPages[5] = {QStringLiteral("基本設定"), QStringLiteral("MP3再生ツール"), QStringLiteral("ＵＩ設定"),
                                  QStringLiteral("表示設定"), QStringLiteral("その他")};
// Page 0
inline const QString kCacheGroup = QStringLiteral("キャッシュ設定");
inline const QString kCacheLoaded = QStringLiteral("読込み用ファイルキャッシュを有効にする");
inline const QString kCacheOnly = QStringLiteral("起動時にファイルの存在チェックをしない");
inline const QString kCacheOnlyNote = QStringLiteral("（キャッシュファイルのみ読み込み）");
inline const QString kTagMode = QStringLiteral("TAG表示優先モード(再起動後有効）");
inline const QString kHideMissing = QStringLiteral("MP3ファイルが実在しない場合はデータを表示しない");
inline const QString kAllAlbumTabs = QStringLiteral("アルバム一覧のTAB表示に全アルバム名を表示する");
inline const QString kKeepGenres = QStringLiteral("表示ジャンルの選択を次回も有効にする");
inline const QString kFilesGroup = QStringLiteral("ファイル環境設定");
inline const QString kMusicFolder = QStringLiteral("MP3 デフォルトフォルダ： ");
inline const QString kPlaylistFolder = QStringLiteral("お気に入りリスト 格納フォルダ：");
inline const QString kPlaylistHint = QStringLiteral("M3Uファイルで作成されるお気に入りファイルを保存するﾌｫﾙﾀﾞ");
inline const QString kBrowse = QStringLiteral("参照");
inline const QString kAutoOpen = QStringLiteral("起動時にデフォルトフォルダを自動的に読み込む");
inline const QString kPickFolder = QStringLiteral("フォルダを選択してください。");
// Page 1
inline const QString kToolsGroup = QStringLiteral("外部支援ソフトウェア");
inline const QString kOtherTools = QStringLiteral("その他ツール");
inline const QString kToolRows[3] = {QStringLiteral("１："), QStringLiteral("２："), QStringLiteral("３：")};
inline const QString kFileBrowse = QStringLiteral("ﾌｧｲﾙ参照...");
inline const QString kFeed = QStringLiteral("曲送り形式：");
inline const QString kOneByOne = QStringLiteral("1曲毎");
inline const QString kAllM3u = QStringLiteral("全曲(m3u)");
inline const QString kTagEditor = QStringLiteral("ID3TAG編集：");
inline const QString kTagEditorHint = QStringLiteral("チェック入れることで有効になります");
inline const QString kPlayerGroup = QStringLiteral("MP3再生用ソフトウェアについて");
inline const QString kPlayAssociated = QStringLiteral("関連付けされているものを使用する");
inline const QString kPlayProgram = QStringLiteral("MP3再生用アプリケーションを指定する");
inline const QString kPlayBuiltIn = QStringLiteral("内蔵プレイヤーを利用する。（MCI ）");
inline const QString kOption = QStringLiteral("オプション：");
inline const QString kExeFilter = QStringLiteral("実行ファイル (*);;全てのファイル (*)");
// Page 2
inline const QString kBackgroundImage = QStringLiteral("背景画像選択");
inline const QString kApplyGroup = QStringLiteral("適用");
inline const QString kApplyNote = QStringLiteral("適用ボタンをクリックしないと、最終的に反映されません");
inline const QString kArtistList = QStringLiteral("アーティスト一覧");
inline const QString kTrackList = QStringLiteral("MP3ファイルリスト");
inline const QString kApply = QStringLiteral("適用");
inline const QString kFontGroup = QStringLiteral("フォント／背景");
inline const QString kCurrent = QStringLiteral("現在の設定：");
inline const QString kNew = QStringLiteral("変更後の設定：");
inline const QString kSample = QStringLiteral("サンプル");
inline const QString kPickColor = QStringLiteral("背景色の選択");
inline const QString kPickFont = QStringLiteral("フォントの選択");
inline const QString kWhiteBlack = QStringLiteral("白/黒");
inline const QString kGreenBlack = QStringLiteral("緑/黒");
inline const QString kBlackWhite = QStringLiteral("黒/白");
inline const QString kDefault = QStringLiteral("ﾃﾞﾌｫﾙﾄに戻す");
inline const QString kRowColors = QStringLiteral("MP3List Color");
// Page 3
inline const QString kGenreGroup = QStringLiteral("表示ジャンル設定");
inline const QString kGenreNote = QStringLiteral("表示するジャンルにチェックをつけてください");
inline const QString kCompilationGroup = QStringLiteral("コンピレーション設定");
inline const QString kCompilationNote1 = QStringLiteral("コンピレーションアルバムとして登録しているリストを以下に表示します。");
inline const QString kCompilationNote2 = QStringLiteral("追加は、ID3TAGの個別/一括編集画面から実施してください。");
inline const QString kRemove = QStringLiteral("削除");
// Page 4
inline const QString kId3v2Group = QStringLiteral("ID3v2関連");
inline const QString kCharCode = QStringLiteral("デフォルト書き込み文字コード:");
inline const QString kGenreCode = QStringLiteral("ジャンル保存時に、ID3v1互換コードを追記する。");
inline const QString kNetGroup = QStringLiteral("インターネット接続設定");
inline const QString kNetNote = QStringLiteral("アルバム画像をamazonから取得するための接続設定");
inline const QString kDirect = QStringLiteral("インターネットに直接接続する。");
inline const QString kAutoProxy = QStringLiteral("このネットワークのプロキシ設定を自動的に検出する");
inline const QString kManualProxy = QStringLiteral("手動でプロキシを設定する");
inline const QString kProxyAddress = QStringLiteral("HTTPプロキシ:");
inline const QString kProxyPort = QStringLiteral("ポート番号:");
inline const QString kSourcesGroup = QStringLiteral("カバーアート検索先");
inline const QString kClassicHost = QStringLiteral("amazon 検索サービスのホスト:");

} // namespace vireo::gui::optiontext
