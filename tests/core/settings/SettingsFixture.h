#pragma once
// A temporary program folder with the log switched on, and a store over its
// vireo.ini with the whole catalogue.
#include "core/library/EventLog.h"
#include "core/settings/SettingsCatalogue.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace vireo::test {

class SettingsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        eventLog().setFolder(home.path());
        eventLog().setEnabled(true);
        store = makeSettingsStore();
        store->setMessageHandler([this](const QString &m) { messages << m; });
    }
    void TearDown() override
    {
        eventLog().setEnabled(false);
        eventLog().setFolder(QString());
    }
    QString ini() const { return home.file(QStringLiteral("vireo.ini")); }
    void writeIni(const QByteArray &bytes) { writeFile(ini(), bytes); }
    QByteArray iniBytes() const { return readFile(ini()); }
    // The messages of the log so far, without their time stamps.
    QStringList logLines() const
    {
        QStringList out;
        const QString text = QString::fromUtf8(readFile(home.file(QStringLiteral("vireo_log.log"))));
        for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            out << line.mid(line.indexOf(u']') + 1);
        return out;
    }

    TempProgramFolder home;
    std::unique_ptr<TRegManager> store;
    QStringList messages;
};

} // namespace vireo::test
