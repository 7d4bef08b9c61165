// TMdlgForm: the four modes' texts, the field, and Escape as "キャンセル".
#include "gui/editing/NameDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace vireo::editing;
using namespace vireo::gui::editing;

class NameDialogTest : public QObject {
    Q_OBJECT
private slots:
    void modes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("field");
        QTest::newRow("artist add") << 0 << QStringLiteral("アーティスト名追加") << QString();
        QTest::newRow("artist rename") << 1 << QStringLiteral("アーティスト名変更") << QStringLiteral("Old");
        QTest::newRow("album add") << 2 << QStringLiteral("アルバム名追加") << QString();
        QTest::newRow("album rename") << 3 << QStringLiteral("アルバム名変更") << QStringLiteral("Old");
    }
    void modes()
    {
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(QString, field);
        TMdlgForm dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("ﾀﾞｲｱﾛｸﾞ"));
        dlg.prepare(NameMode(mode), QStringLiteral("Old"));
        QCOMPARE(dlg.windowTitle(), title);
        QCOMPARE(dlg.Edit_NewParam->text(), field);
        QVERIFY(!dlg.promptLabel->text().isEmpty());
        QVERIFY(dlg.noteLabel->wordWrap());
        QVERIFY(!dlg.dontShowCheck->isEnabled());
        QVERIFY(!dlg.dontShowCheck->isChecked());
    }

    void okReturnsTheNameAndEscapeCancels()
    {
        TMdlgForm dlg;
        QTimer::singleShot(0, &dlg, [&] {
            dlg.Edit_NewParam->setText(QStringLiteral("新しい名前"));
            QTest::mouseClick(dlg.okButton, Qt::LeftButton);
        });
        QVERIFY(dlg.AskName(NameMode::ArtistRename, QStringLiteral("Old")));
        QCOMPARE(dlg.EnteredName(), QStringLiteral("新しい名前"));
        QTimer::singleShot(0, &dlg, [&] { QTest::keyClick(&dlg, Qt::Key_Escape); });
        QVERIFY(!dlg.AskName(NameMode::AlbumRename, QStringLiteral("Old")));
    }
};

QTEST_MAIN(NameDialogTest)
#include "NameDialogTest.moc"
