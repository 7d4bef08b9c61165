// The help commands open the project's page only when one is configured.
#include "gui/help/HelpCommands.h"

#include <QAction>
#include <QDialog>
#include <QtTest>

using namespace vireo::gui;

class HelpCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void helpPage_data()
    {
        QTest::addColumn<QString>("configured");
        QTest::addColumn<bool>("opens");
        QTest::newRow("none") << QString() << false;
        QTest::newRow("blank") << QStringLiteral("  ") << false;
        QTest::newRow("web page") << QStringLiteral("https://example.org/vireo#readme") << true;
        QTest::newRow("not http") << QStringLiteral("file:///etc/passwd") << false;
        QTest::newRow("no host") << QStringLiteral("https://") << false;
    }
    void helpPage()
    {
        QFETCH(QString, configured);
        QFETCH(bool, opens);
        QCOMPARE(!vireo::gui::helpPage(configured).isEmpty(), opens);
    }

    void commandsFollowTheBuild()
    {
        QAction contents, search, about;
        QDialog box;
        QList<QUrl> opened;
        connectHelpCommands(&contents, &search, &about, &box, [&](const QUrl &u) {
            opened << u;
            return true;
        });
        contents.trigger();
        search.trigger();
        if (vireo::gui::helpPage().isEmpty())
            QVERIFY(opened.isEmpty()); // nothing configured: nothing happens
        else
            QCOMPARE(opened.size(), 2);
        QCOMPARE(programVersion(), QStringLiteral(VIREO_VERSION));
    }
};

QTEST_MAIN(HelpCommandsTest)
#include "HelpCommandsTest.moc"
