#pragma once
// The main window's own texts: captions, hints, menu entries and messages,
// kept in one place so a reader finds each exactly once.
#include <QString>

namespace vireo::gui::text {

inline const QString kAppTitle = QStringLiteral("Vireo");

// Menu bar
inline const QString kMenuFile = QStringLiteral("ファイル(&F)");
inline const QString kOpenFolder = QStringLiteral("フォルダを指定して開く(&N)");
inline const QString kOpenDefault = QStringLiteral("デフォルトフォルダを開く(&O)");
inline const QString kCacheRebuild = QStringLiteral("キャッシュ再構築");
inline const QString kFileOutput = QStringLiteral("ファイル出力");
inline const QString kCsvOutput = QStringLiteral("CSV出力");
inline const QString kExit = QStringLiteral("終了(&x)");
inline const QString kMenuView = QStringLiteral("表示(&V)");
inline const QString kTreeViewPanel = QStringLiteral("一覧ツリービュー");
inline const QString kFileInfoWindow = QStringLiteral("ファイル情報ウィンドウ");
inline const QString kCoverArtList = QStringLiteral("カバーアートリスト");
inline const QString kArtworkShow = QStringLiteral("アートワーク表示");
inline const QString kToolbarMenu = QStringLiteral("ツールバー");
inline const QString kShowButtonNames = QStringLiteral("ボタン名を表示");
inline const QString kShowNamesCtx = QStringLiteral("名前を表示する。");
inline const QString kSelectAllMenu = QStringLiteral("全選択(&A)");
inline const QString kShowCounts = QStringLiteral("曲数表示");
inline const QString kMenuOptions = QStringLiteral("オプション(&O)");
inline const QString kOptDefaultFolder = QStringLiteral("デフォルトフォルダ設定");
inline const QString kOptPlayer = QStringLiteral("MP3再生ソフト設定");
inline const QString kOptUi = QStringLiteral("UI設定");
inline const QString kOptDisplay = QStringLiteral("表示設定");
inline const QString kOptOther = QStringLiteral("その他設定");
inline const QString kMenuHelp = QStringLiteral("ヘルプ(&H)");
inline const QString kHelpContents = QStringLiteral("目次(&C)");
inline const QString kHelpSearch = QStringLiteral("ﾄﾋﾟｯｸの検索(&S)...");
inline const QString kAbout = QStringLiteral("バージョン情報(&A)...");

// Second toolbar
inline const QString kCheckLatest = QStringLiteral("最新のファイルを確認");
inline const QString kCheckFolder = QStringLiteral("フォルダ指定で確認");
inline const QString kShowAll = QStringLiteral("全曲表示");
inline const QString kTreeShow = QStringLiteral("ツリー表示");
inline const QString kAdvanced = QStringLiteral("アドバンスド");
inline const QString kLayoutA = QStringLiteral("レイアウトA");
inline const QString kLayoutB = QStringLiteral("レイアウトB");
inline const QString kThemeChange = QStringLiteral("画面デザインの変更");
inline const QString kTextDisplay = QStringLiteral("テキスト表示");
inline const QString kTextNone = QStringLiteral("表示しない");
inline const QString kTextRight = QStringLiteral("右に表示");
inline const QString kTextBelow = QStringLiteral("下に表示");

// Track-list toolbar
inline const QString kId3v2Show = QStringLiteral("ID3v2表示");
inline const QString kShuffle = QStringLiteral("シャッフル");
inline const QString kAllPlay = QStringLiteral("ALL Play");
inline const QString kSelectPlay = QStringLiteral("Select Play");
inline const QString kAdd = QStringLiteral("Add");
inline const QString kListSetting = QStringLiteral("ListSetting");
inline const QString kEditId3Tag = QStringLiteral("Edit ID3TAG");
inline const QString kMakePlaylist = QStringLiteral("Make Playlist");
inline const QString kMakePlaylistHint = QStringLiteral("m3uファイルの新規作成もしくは、変更作業");
inline const QString kQuickPlay = QStringLiteral("QuickPlay");
inline const QString kPlay = QStringLiteral("Play");
inline const QString kPause = QStringLiteral("ポーズ");
inline const QString kStop = QStringLiteral("Stop");

// Track-list context menu
inline const QString kCtxPlay = QStringLiteral("Play");
inline const QString kCtxAddToPlayList = QStringLiteral("プレイリストへ追加");
inline const QString kCtxAllPlay = QStringLiteral("全曲Play");
inline const QString kCtxAddFavourite = QStringLiteral("お気に入りに追加");
inline const QString kCtxSendTo = QStringLiteral("送る");
inline const QString kCtxSelectAll = QStringLiteral("全選択");
inline const QString kCtxTagEdit = QStringLiteral("ID3Tag編集");
inline const QString kCtxTagBulkEdit = QStringLiteral("ID3Tag一括編集");
inline const QString kCtxFileCopy = QStringLiteral("ファイルコピー ");
inline const QString kCtxFileCopyHint = QStringLiteral("ファイルをコピーします。貼り付けは、エクスプローラでCtr+V");
inline const QString kCtxOrderedCopy = QStringLiteral("選択順にコピー");
inline const QString kCtxOrderedCopyHint = QStringLiteral("表示されている曲順でファイルをコピーします");
inline const QString kCtxDeleteFromCache = QStringLiteral("キャッシュから削除");
inline const QString kCtxDeleteFile = QStringLiteral("ファイル削除");

// Tree context menu
inline const QString kTreeAllPlay = QStringLiteral("ALL PLAY");
inline const QString kTreeAllAdd = QStringLiteral("ALL ADD");
inline const QString kTreeTagMenu = QStringLiteral("タグ情報追加変更");
inline const QString kTreeBulkEdit = QStringLiteral("ID3TAG一括編集");
inline const QString kTreeArtistRename = QStringLiteral("Artist名変更");
inline const QString kTreeAlbumRename = QStringLiteral("Album名変更");
inline const QString kTreeArtistAdd = QStringLiteral("Artist名追加");
inline const QString kTreeAlbumAdd = QStringLiteral("Album追加");
inline const QString kTreeShowArtist = QStringLiteral("アーティスト名表示");

// Cover strip, copy list and play list menus
inline const QString kCoverSearch = QStringLiteral("画像検索（amazon)");
inline const QString kCoverSmall = QStringLiteral("表示サイズ（小）");
inline const QString kCoverMedium = QStringLiteral("表示サイズ（中）");
inline const QString kCoverLarge = QStringLiteral("表示サイズ（大）");
inline const QString kCoverAlbumName = QStringLiteral("アルバム名表示");
inline const QString kCoverClose = QStringLiteral("閉じる");
inline const QString kMoveUp = QStringLiteral("上へ移動");
inline const QString kMoveDown = QStringLiteral("下へ移動");
inline const QString kDelete = QStringLiteral("削除");
inline const QString kJacketCaption = QStringLiteral("Jacket_Panel_c");

// Left pages
inline const QString kHintArtistTab = QStringLiteral("Artist & Album List");
inline const QString kHintArtistPage = QStringLiteral("Artist & Album Tree");
inline const QString kHintAlbumTab = QStringLiteral("Album List");
inline const QString kHintAlbumPage = QStringLiteral("ALBUM List");
inline const QString kHintPlaylistTab = QStringLiteral("M3U Play List");
inline const QString kHintPlaylistPage = QStringLiteral("M3U List");
inline const QString kHintSearchTab = QStringLiteral("MP3 Finder");
inline const QString kHintSearchPage = QStringLiteral("Search Box");
inline const QString kHintSelectPage = QStringLiteral("Select Folder File List");

// Lower panel
inline const QString kPageFileInfo = QStringLiteral("ファイル情報");
inline const QString kPageFileCopy = QStringLiteral("ファイルコピー");
inline const QString kPagePlayList = QStringLiteral("PlayList");
inline const QString kMute = QStringLiteral("ミュート");

// Song-count filter
inline const QString kFilterUnit = QStringLiteral("曲");
inline const QString kFilterAtLeast = QStringLiteral("以上");
inline const QString kFilterAtMost = QStringLiteral("以下");
inline const QString kFilterEqual = QStringLiteral("と等しい");
inline const QString kFilterRun = QStringLiteral("実行");
inline const QString kFilterReset = QStringLiteral("リセット");

// Search page
inline const QString kSearchLabel = QStringLiteral("検索文字列：");
inline const QString kSearchButton = QStringLiteral("検索");
inline const QString kSearchGroup = QStringLiteral("検索対象");
inline const QString kSearchResultTab = QStringLiteral("検索結果");
inline const QString kAllTracksTab = QStringLiteral("全曲");

// Status bar
inline const QString kMegaBytes = QStringLiteral("MB");
inline const QString kTrackCountPrefix = QStringLiteral("MP3ファイル数：");

// About box
inline const QString kAboutTitle = QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報");
inline const QString kAboutClose = QStringLiteral("Close");

} // namespace vireo::gui::text
