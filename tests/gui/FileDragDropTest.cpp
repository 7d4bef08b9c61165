// Drag and drop, the clipboard, "ファイル削除" and "送る" on the offscreen
// platform, through real widgets and QTest mouse events.
#include "core/fileops/ShellHelpers.h"
#include "gui/fileops/DragAndDrop.h"
#include "gui/fileops/DragCursors.h"
#include "gui/fileops/FileClipboard.h"
#include "gui/fileops/FileOpsPrompts.h"
#include "gui/fileops/SendToMenu.h"
#include "gui/fileops/TrashCommand.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <memory>

using namespace vireo;
using namespace vireo::gui;

namespace {

class ScriptedPrompts : public FileOpsPrompts {
public:
    bool answer = true;
    QStringList asked, warned;
    bool askYesNo(QWidget *, const QString &text) override { asked << text; return answer; }
    bool askOkCancel(QWidget *, const QString &text) override { asked << text; return answer; }
    void warn(QWidget *, const QString &text) override { warned << text; }
    void inform(QWidget *, const QString &) override {}
};

// A list of n rows whose paths are /m/<row>.mp3, shown and laid out.
struct ListFixture {
    explicit ListFixture(int n)
    {
        for (int i = 0; i < n; ++i)
            model.appendRow(new QStandardItem(QStringLiteral("/m/%1.mp3").arg(i)));
        view.setModel(&model);
        view.setSelectionMode(QAbstractItemView::ExtendedSelection);
        view.resize(300, 200);
        view.show();
    }
    QStringList selectedPaths() const
    {
        QStringList out;
        for (const QModelIndex &i : view.selectionModel()->selectedRows())
            out << i.data().toString();
        out.sort();
        return out;
    }
    QPoint centreOf(int row) const { return view.visualRect(model.index(row, 0)).center(); }
    QStandardItemModel model;
    QTreeView view;
};

QDragMoveEvent moveEvent(QPoint pos, Qt::DropActions actions, const QMimeData *data)
{
    return QDragMoveEvent(pos, actions, data, Qt::LeftButton, Qt::NoModifier);
}

} // namespace

class FileDragDropTest : public QObject {
    Q_OBJECT
private slots:
    void dragStartsAtTenPixelsWithOneButtonAlone()
    {
        ListFixture list(5);
        QVERIFY(QTest::qWaitForWindowExposed(&list.view));
        QStringList dragged;
        bool hadUriList = false;
        TrackDragSource source(&list.view, [&] { return list.selectedPaths(); });
        source.setDragRunner([&](QMimeData *data) {
            dragged = LocalPathsOf(data);
            hadUriList = data->hasFormat(QStringLiteral("text/uri-list"));
            delete data;
            return Qt::CopyAction;
        });
        QSignalSpy finished(&source, &TrackDragSource::dragFinished);
        QSignalSpy starting(&source, &TrackDragSource::dragStarting);
        QWidget *vp = list.view.viewport();
        const QPoint p = list.centreOf(1);

        QTest::mousePress(vp, Qt::LeftButton, Qt::NoModifier, p);
        QCOMPARE(source.state().start, p);
        QTest::mouseMove(vp, p + QPoint(9, 0));
        QCOMPARE(finished.size(), 0);
        QTest::mouseMove(vp, p + QPoint(10, 0));
        QCOMPARE(starting.size(), 1);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished[0][1].toString(), QStringLiteral("Copied successfully"));
        QCOMPARE(dragged, QStringList{QStringLiteral("/m/1.mp3")});
        QVERIFY(hadUriList);
        QVERIFY(!source.state().dragging);
        QTest::mouseRelease(vp, Qt::LeftButton, Qt::NoModifier, p + QPoint(10, 0));

        // Shift held: no drag.
        QMouseEvent shifted(QEvent::MouseMove, QPointF(p + QPoint(20, 0)), QPointF(vp->mapToGlobal(p + QPoint(20, 0))),
                            Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(vp, &shifted);
        QCOMPARE(finished.size(), 1);
        // Both buttons: no drag; the right one alone: a drag from the same point.
        QMouseEvent both(QEvent::MouseMove, QPointF(p + QPoint(20, 0)), QPointF(vp->mapToGlobal(p + QPoint(20, 0))),
                         Qt::NoButton, Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(vp, &both);
        QCOMPARE(finished.size(), 1);
        source.setDragRunner([](QMimeData *data) { delete data; return Qt::IgnoreAction; });
        QMouseEvent right(QEvent::MouseMove, QPointF(p + QPoint(-10, 0)), QPointF(vp->mapToGlobal(p + QPoint(-10, 0))),
                          Qt::NoButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(vp, &right);
        QCOMPARE(finished.size(), 2);
        QCOMPARE(finished[1][1].toString(), QStringLiteral("Drop was cancelled"));
    }

    void copyOnlyTargetsRefuseMoves()
    {
        ListFixture list(3);
        FileDropTarget target(&list.view, FileDropTarget::Effects::CopyOnly);
        QSignalSpy dropped(&target, &FileDropTarget::dropped);
        std::unique_ptr<QMimeData> data(MakeFileMimeData({QStringLiteral("/m/x.mp3")}));
        QWidget *vp = list.view.viewport();

        QDragEnterEvent onlyMove(QPoint(50, 50), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(vp, &onlyMove);
        QVERIFY(!onlyMove.isAccepted());

        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(vp, &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QCOMPARE(target.draggedPaths(), QStringList{QStringLiteral("/m/x.mp3")});
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(vp, &drop);
        QCOMPARE(dropped.size(), 1);
        QCOMPARE(dropped[0][0].toStringList(), QStringList{QStringLiteral("/m/x.mp3")});
        QCOMPARE(dropped[0][1].value<Qt::DropAction>(), Qt::CopyAction);
    }

    void treeTakesMoveSelectsUnderPointerAndScrolls()
    {
        ListFixture tree(200);
        FileDropTarget target(&tree.view, FileDropTarget::Effects::CopyMoveLink);
        target.setSelectsUnderPointer(true);
        std::unique_ptr<QMimeData> data(MakeFileMimeData({QStringLiteral("/m/x.mp3")}));
        QWidget *vp = tree.view.viewport();
        QDragEnterEvent enter(QPoint(50, 50), Qt::MoveAction | Qt::LinkAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(vp, &enter);
        QCOMPARE(enter.dropAction(), Qt::MoveAction);
        const QPoint overRow2 = tree.centreOf(2);
        QDragMoveEvent over = moveEvent(overRow2 + QPoint(0, 0), Qt::MoveAction, data.get());
        QApplication::sendEvent(vp, &over);
        QCOMPARE(tree.view.currentIndex().row(), 2);
        QVERIFY(!target.isScrolling());
        const int before = tree.view.verticalScrollBar()->value();
        QDragMoveEvent nearBottom = moveEvent(QPoint(50, vp->height() - 5), Qt::MoveAction, data.get());
        QApplication::sendEvent(vp, &nearBottom);
        QVERIFY(target.isScrolling());
        QVERIFY(tree.view.verticalScrollBar()->value() > before);
    }

    void clipboardHoldsAllThreeForms()
    {
        PutFilesOnClipboard({QStringLiteral("/m/a b.mp3"), QStringLiteral("/m/曲.mp3")});
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        QCOMPARE(LocalPathsOf(data), (QStringList{QStringLiteral("/m/a b.mp3"), QStringLiteral("/m/曲.mp3")}));
        QCOMPARE(data->data(QStringLiteral("x-special/gnome-copied-files")),
                 QByteArray("copy\nfile:///m/a%20b.mp3\nfile:///m/%E6%9B%B2.mp3"));
        QCOMPARE(data->text(), QStringLiteral("/m/a b.mp3\n/m/曲.mp3"));
        PutFilesOnClipboard({});
        QVERIFY(LocalPathsOf(QGuiApplication::clipboard()->mimeData()).isEmpty());
    }

    void deleteAsksAboutTheFirstAndKeepsRefusedFiles()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("a.mp3")), b = dir.filePath(QStringLiteral("b.mp3"));
        vireo::test::writeFile(a, "a");
        vireo::test::writeFile(b, "b");
        ScriptedPrompts prompts;
        QStringList trashedByUs;
        TrashCommand command(prompts, [&](const QString &path) {
            if (path == b)
                return Result::failure(ErrorCode::Failed, path + QStringLiteral(": no trash folder"));
            trashedByUs << path;
            return Result::success();
        });
        prompts.answer = false;
        QVERIFY(command.run(nullptr, QStringLiteral("a.mp3"), QStringLiteral("A"), {a, b}).isEmpty());
        QCOMPARE(prompts.asked, QStringList{QStringLiteral("ファイル名 \"a.mp3\"\nタイトル \"A\"を削除しますか？")});
        QVERIFY(trashedByUs.isEmpty());
        prompts.answer = true;
        QCOMPARE(command.run(nullptr, QStringLiteral("a.mp3"), QStringLiteral("A"), {a, b}), QStringList{a});
        QCOMPARE(prompts.warned.size(), 1);
        QVERIFY(prompts.warned[0].contains(b));
        QVERIFY(QFileInfo::exists(b));
        QVERIFY(command.run(nullptr, QString(), QString(), {}).isEmpty());
        QCOMPARE(prompts.asked.size(), 2);
    }

    void sendToShowsExistingToolsAndStartsThem()
    {
        QTemporaryDir dir;
        const QString tool = dir.filePath(QStringLiteral("mytool"));
        vireo::test::writeFile(tool, "#!/bin/sh\n");
        ScriptedPrompts prompts;
        QStringList started, logged;
        ToolRunner runner;
        runner.start = [&](const QString &program, const QStringList &args, const QString &folder) {
            started << program << args << folder;
            return true;
        };
        runner.log = [&](const QString &line) { logged << line; };
        QWidget window;
        SendToMenu menu(&window, prompts, [] { return QStringList{QStringLiteral("/m/1.mp3")}; }, runner);
        QCOMPARE(menu.menu()->title(), QStringLiteral("送る"));
        menu.setup({dir.filePath(QStringLiteral("none")), tool, QString()}, {0, 0, 1});
        QVERIFY(!menu.action(0)->isVisible());
        QVERIFY(menu.action(1)->isVisible());
        QVERIFY(!menu.action(2)->isVisible());
        QCOMPARE(menu.action(1)->text(), QStringLiteral("mytool"));
        QCOMPARE(menu.action(1)->toolTip(), tool);
        menu.action(1)->trigger();
        QCOMPARE(started, (QStringList{tool, QStringLiteral("/m/1.mp3"), dir.path()}));
        QCOMPARE(logged.size(), 3);
        QVERIFY(prompts.warned.isEmpty());
    }

    void sixDistinctCursors()
    {
        QList<QImage> images;
        for (int i = 1; i <= 6; ++i) {
            const QPixmap p = DragCursorPixmap(DragCursor(i));
            QVERIFY(!p.isNull());
            images << p.toImage();
        }
        for (int i = 0; i < 6; ++i)
            for (int j = i + 1; j < 6; ++j)
                QVERIFY(images[i] != images[j]);
        QVERIFY(DragCursorPixmap(DragCursor::Default).isNull());
    }
};

QTEST_MAIN(FileDragDropTest)
#include "FileDragDropTest.moc"
