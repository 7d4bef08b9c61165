#pragma once
// The "ファイル情報" page of the lower panel: a toolbar (artwork toggle,
// "ID3v1"/"ID3v2" buttons, the file's path), the artwork area with "NO IMAGE",
// the two-column tag grid and the twelve boxes of the stream.
#include "core/views/FileInfo.h"

#include <QWidget>

#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QTableWidget;
class QToolButton;

namespace vireo {
struct MainWindowSettings;
}

namespace vireo::fileinfo {

class ArtworkView;

class FileInfoPanel : public QWidget {
    Q_OBJECT
public:
    explicit FileInfoPanel(QWidget *parent = nullptr);

    QAction *artworkAction() const { return m_artworkAction; }
    QToolButton *v1Button() const { return m_v1; }
    QToolButton *v2Button() const { return m_v2; }
    QLabel *fileNameLabel() const { return m_fileName; }
    QWidget *artworkWindow() const { return m_artworkWindow; }
    ArtworkView *artwork() const { return m_artwork; }
    QLabel *noImageLabel() const { return m_noImage; }
    QTableWidget *grid() const { return m_grid; }
    QLineEdit *streamBox(views::StreamBox box) const { return m_boxes[size_t(box)]; }

    void setFileName(const QString &path);
    void setStreamTexts(const views::StreamTexts &texts);
    void clearStreamTexts();
    void setGridRows(const std::vector<views::GridRow> &rows);
    // Shows the picture, or "NO IMAGE" over an empty area when it is empty or cannot be decoded.
    bool setArtwork(const QByteArray &bytes, QString *error = nullptr);
    void setArtworkVisible(bool on);
    // JacketShow: the artwork area shown.
    void applySettings(const MainWindowSettings &s);
    void collectSettings(MainWindowSettings &s) const;

private:
    QAction *m_artworkAction = nullptr;
    QToolButton *m_v1 = nullptr;
    QToolButton *m_v2 = nullptr;
    QLabel *m_fileName = nullptr;
    QWidget *m_artworkWindow = nullptr;
    ArtworkView *m_artwork = nullptr;
    QLabel *m_noImage = nullptr;
    QTableWidget *m_grid = nullptr;
    std::array<QLineEdit *, views::StreamBoxCount> m_boxes{};
};

} // namespace vireo::fileinfo
