// Filling the copy list with many tracks ("選択順にコピー" on a whole track
// list): the core list alone, and the copy tab with its model and view laid
// out on the offscreen platform. Prints the median of several runs.
// usage: bench_fileops [TRACKS] [RUNS]
#include "core/fileops/AdvancedFileCopy.h"
#include "core/fileops/CopyList.h"
#include "core/library/TrackRecord.h"
#include "gui/fileops/CopyTab.h"
#include "gui/fileops/CopyTabController.h"
#include "gui/fileops/FileOpsPrompts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace vireo;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 9;

    std::vector<std::unique_ptr<TID3ListItem>> tracks;
    std::vector<ListRow> rows(static_cast<size_t>(count));
    std::vector<const ListRow *> selection;
    for (int i = 0; i < count; ++i) {
        const QString path = QStringLiteral("/music/Artist %1/Album %2/%3 Title %4.mp3")
                                 .arg(i / 100).arg(i / 10).arg(i % 10 + 1, 2, 10, QLatin1Char('0')).arg(i);
        tracks.push_back(std::make_unique<TID3ListItem>(path, 1));
        tracks.back()->FileSize = 4000000 + i;
        ListRow &r = rows[size_t(i)];
        r.Data = tracks.back().get();
        r.Cells = QStringList(ListRowCellCount, QStringLiteral("text %1").arg(i));
        r.ImageIndex = RowImageV2;
        selection.push_back(&r);
    }

    std::vector<double> core, tab;
    for (int run = 0; run < runs; ++run) {
        {
            TAdvancedFileCopy planner([](const QString &) -> ResultOf<DriveSpace> { return DriveSpace{}; });
            CopyList list(planner);
            QElapsedTimer t;
            t.start();
            list.appendRows(selection);
            core.push_back(t.nsecsElapsed() / 1e6);
        }
        {
            gui::CopyTab widget;
            widget.resize(900, 400);
            widget.show();
            QApplication::processEvents();
            TAdvancedFileCopy planner;
            gui::FileOpsPrompts prompts;
            gui::CopyTabController controller(widget, planner, prompts);
            QElapsedTimer t;
            t.start();
            controller.appendRows(selection);
            widget.ListView_Select->scrollToBottom();
            QApplication::processEvents(); // the view lays out and paints
            tab.push_back(t.nsecsElapsed() / 1e6);
        }
    }
    std::printf("tracks %d, runs %d\ncore list append: median %.2f ms\ncopy tab (list, model, view painted): median %.2f ms\n",
                count, runs, median(core), median(tab));
    return 0;
}
