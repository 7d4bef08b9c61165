// SIGTERM and SIGINT close the main window the way its close box does, so the
// settings and caches are written.
#include "gui/app/SignalCloser.h"
#include "gui/app/VireoMainForm.h"
#include "tests/gui/helpers/GuiFixture.h"

#include <QFile>
#include <QtTest>

#include <csignal>

using namespace vireo::gui;
using namespace vireo::gui::test;

class SignalCloseTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SignalCloser::blockTerminationSignals(); }

    void terminationSignalClosesAndSaves_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void terminationSignalClosesAndSaves()
    {
        QFETCH(int, signal);
        GuiFixture fx;
        TVireoMainForm &form = fx.start();
        SignalCloser closer(&form);
        QVERIFY(!form.shutDown());
        ::raise(signal);
        QTRY_VERIFY(form.shutDown());
        QVERIFY(!form.isVisible());
        QVERIFY(QFile::exists(fx.programFolder() + "vireo.2dt"));
        QCOMPARE(fx.logLines().last(), QStringLiteral("Vireo終了"));
    }
};

QTEST_MAIN(SignalCloseTest)
#include "SignalCloseTest.moc"
