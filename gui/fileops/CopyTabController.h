#pragma once
// The copy tab's commands over the copy planner and the copy list: filling
// and reordering the list, the destination and its space, and the copy
// itself, which runs on a worker thread (the window stays responsive, the
// gauge moves, "中止" stops it between files).
#include "core/fileops/CopyList.h"
#include "core/fileops/OrderedCopy.h"

#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

class QThread;

namespace vireo {
class TAdvancedFileCopy;
}

namespace vireo::gui {

class CopyListModel;
class CopyTab;
class FileOpsPrompts;

class CopyTabController : public QObject {
    Q_OBJECT
public:
    CopyTabController(CopyTab &tab, TAdvancedFileCopy &planner, FileOpsPrompts &prompts,
                      QObject *parent = nullptr);
    ~CopyTabController() override;

    CopyList &list() { return m_list; }
    CopyListModel &model() { return *m_model; }
    bool isCopying() const { return m_thread != nullptr; }

    // "選択順にコピー" (and a drop on the copy list): the track list's
    // selected rows in display order.
    void appendRows(const std::vector<const ListRow *> &selectedInDisplayOrder);
    // Tracks that left the library (deleted files) leave the copy list too.
    void forgetTracks(const std::vector<const TID3ListItem *> &tracks);
    // The library was refreshed or cleared: rows follow its records (see CopyList::relink).
    void relink(const std::function<TID3ListItem *(const QString &path)> &find);

    void browse();             // "参照..."
    void destinationChanged(); // ComboBox2Change
    void moveUp();
    void moveDown();
    void removeSelected();     // "削除"
    void clear();              // "クリア"
    void startCopy();          // "コピー開始"
    void cancelCopy();         // "中止"
    void ShowCopySpace();

    // Waits for a running copy to end (tests; the window's close).
    void waitForCopy();

signals:
    // A double click in the copy list plays the track list's selection.
    void playSelectionRequested();
    void copyFinished(const vireo::CopySummary &summary);

private:
    int currentRow() const;
    void selectRow(int row);
    void setBusy(bool busy);
    void rowDone(int index, const QString &target, const Result &result);
    void copyEnded();

    CopyTab &m_tab;
    TAdvancedFileCopy &m_planner;
    FileOpsPrompts &m_prompts;
    CopyList m_list;
    CopyListModel *m_model;

    QThread *m_thread = nullptr;
    std::shared_ptr<OrderedCopy> m_job;
    std::shared_ptr<CopySummary> m_summary;
    QString m_copyDestination;
    QStringList m_failures;
};

} // namespace vireo::gui
