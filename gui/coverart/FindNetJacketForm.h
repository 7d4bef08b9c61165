#pragma once
// The cover search window "Vireo カバーアート検索" (TFindNetJacketForm):
// artist and album fields, "画像検索実行", a grey scrolling area where each
// match becomes a panel with its title (and its source) and its pictures
// from small to large, a status bar with the album folder, and "閉じる".
// A picture's pop-up "画像を保存" saves it (folder.jpg by default, asking
// before replacing a file). While a search runs, "画像検索実行" is disabled;
// closing the window cancels the running requests first.
#include "core/coverart/CoverSearch.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QVBoxLayout;

namespace vireo::gui {

class TFindNetJacketForm : public QDialog {
    Q_OBJECT
public:
    TFindNetJacketForm(coverart::HttpClient &client, coverart::RequestPacer &pacer,
                       const coverart::CoverSearchSettings &settings, QWidget *parent = nullptr);
    ~TFindNetJacketForm() override;

    // Stores the texts, points the save dialog at the folder, fills the
    // fields and the status bar. (The caller shows the window.)
    void OpenSearch(const QString &artist, const QString &album, const QString &folder);

    // "画像検索実行".
    void SpTBXItem4Click();
    bool isSearching() const { return m_search.isRunning(); }
    int panelCount() const { return int(m_panels.size()); }
    // The decoded pictures offered for saving, in the order shown.
    int pictureCount() const { return int(m_pictures.size()); }
    const QByteArray &pictureData(int index) const;
    // Saves picture `index` to path, asking before replacing an existing
    // file. Returns true when the file was written.
    bool savePictureTo(int index, const QString &path);

    // Messages go through here so tests can read them instead of a box.
    void setMessageSink(std::function<void(const QString &)> sink) { m_messageSink = std::move(sink); }
    void setOverwriteQuestion(std::function<bool(const QString &)> ask) { m_askOverwrite = std::move(ask); }

signals:
    void searchFinished(const vireo::Result &result);

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void ClearResults();
    void addHit(const coverart::CoverHit &hit);
    void onFinished(const Result &result);
    void SpTBXItem1Click(); // "画像を保存"
    void message(const QString &text, bool error);

    coverart::CoverSearch m_search;
    QString m_artist, m_album, m_folder;
    QLineEdit *m_artistEdit = nullptr;
    QLineEdit *m_albumEdit = nullptr;
    QPushButton *m_searchButton = nullptr;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_results = nullptr;
    QVBoxLayout *m_resultsLayout = nullptr;
    QStatusBar *m_status = nullptr;
    QLabel *m_folderLabel = nullptr;
    QMenu *m_popup = nullptr;
    QList<QWidget *> m_panels;
    struct Picture {
        QLabel *label;
        QByteArray data;
    };
    QList<Picture> m_pictures;
    int m_popupPicture = -1;
    std::function<void(const QString &)> m_messageSink;
    std::function<bool(const QString &)> m_askOverwrite;
};

} // namespace vireo::gui
