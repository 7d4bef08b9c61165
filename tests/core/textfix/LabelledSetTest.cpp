// The detector against the labelled set of tests/data/textfix (made by
// make_labelled.py): genuine texts and foreign East Asian code pages are
// never repaired, garbled texts are repaired to their original. The shares
// are printed so the figures can be quoted.
#include "core/platform/CodePage.h"
#include "core/textfix/TextDetector.h"

#include <QFile>
#include <QMap>
#include <QTextStream>
#include <gtest/gtest.h>

#include <cstdio>

using namespace vireo::textfix;

namespace {

struct Labelled {
    QString category;
    Declared declared;
    QString expect;
    QByteArray stored;
    QString text;
};

QList<Labelled> loadSet()
{
    QList<Labelled> out;
    QFile f(QStringLiteral(VIREO_TEST_DATA "/textfix/labelled.tsv"));
    if (!f.open(QIODevice::ReadOnly))
        return out;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).chopped(1);
        if (line.startsWith(u'#') || line.isEmpty())
            continue;
        const QStringList p = line.split(u'\t');
        if (p.size() != 5)
            continue;
        Labelled l;
        l.category = p[0];
        l.declared = p[1] == u"v1" ? Declared::Id3v1
            : p[1] == u"latin1"    ? Declared::Id3v2Latin1
            : p[1] == u"utf8"      ? Declared::Id3v2Utf8
                                   : Declared::Id3v2Utf16;
        l.expect = p[2];
        l.stored = QByteArray::fromHex(p[3].toLatin1());
        l.text = p[4];
        out.append(l);
    }
    return out;
}

struct Tally {
    int total = 0, repairedRight = 0, repairedWrong = 0, uncertain = 0, leftAlone = 0;
};

} // namespace

TEST(LabelledSet, GenuineAndForeignTextsAreNeverRepairedAndGarbledOnesAre)
{
    ASSERT_TRUE(vireo::setTagCodePage("CP932"));
    const QList<Labelled> set = loadSet();
    ASSERT_GE(set.size(), 300);
    QMap<QString, Tally> byCategory;
    Tally genuine, foreign, garbled;
    for (const Labelled &l : set) {
        const Detection d = detect(l.stored, l.declared);
        Tally &cat = byCategory[l.category];
        Tally &kind = l.expect == u"genuine" ? genuine : l.expect == u"foreign" ? foreign : garbled;
        for (Tally *t : {&cat, &kind}) {
            ++t->total;
            if (d.verdict == Verdict::Repair)
                ++(d.proposed == l.text ? t->repairedRight : t->repairedWrong);
            else if (d.verdict == Verdict::Uncertain)
                ++t->uncertain;
            else
                ++t->leftAlone;
        }
        if (l.expect != u"garbled")
            EXPECT_NE(d.verdict, Verdict::Repair)
                << l.category.toStdString() << " " << l.text.toStdString() << " -> " << d.proposed.toStdString();
        else if (d.verdict != Verdict::Repair || d.proposed != l.text)
            std::printf("  missed %s \"%s\": %s \"%s\" (%s)\n", qPrintable(l.category), qPrintable(l.text),
                        qPrintable(verdictName(d.verdict)), qPrintable(d.proposed), qPrintable(d.reason));
    }
    std::printf("%-28s %6s %6s %6s %6s %6s\n", "category", "total", "right", "wrong", "uncert", "alone");
    for (auto it = byCategory.cbegin(); it != byCategory.cend(); ++it)
        std::printf("%-28s %6d %6d %6d %6d %6d\n", qPrintable(it.key()), it->total, it->repairedRight,
                    it->repairedWrong, it->uncertain, it->leftAlone);
    const double share = garbled.total ? double(garbled.repairedRight) / garbled.total : 0;
    const int notUncertain = garbled.total - garbled.uncertain;
    const double shareDecided = notUncertain ? double(garbled.repairedRight) / notUncertain : 0;
    std::printf("genuine: %d texts, %d repairs proposed; foreign: %d texts, %d repairs proposed\n", genuine.total,
                genuine.repairedRight + genuine.repairedWrong, foreign.total,
                foreign.repairedRight + foreign.repairedWrong);
    std::printf("garbled: %d texts, %d repaired right (%.1f%%; %.1f%% of the %d not uncertain), %d wrong, %d uncertain, %d left alone\n",
                garbled.total, garbled.repairedRight, 100 * share, 100 * shareDecided, notUncertain,
                garbled.repairedWrong, garbled.uncertain, garbled.leftAlone);
    EXPECT_EQ(genuine.repairedRight + genuine.repairedWrong, 0);
    EXPECT_EQ(foreign.repairedRight + foreign.repairedWrong, 0);
    EXPECT_EQ(garbled.repairedWrong, 0);
    EXPECT_GE(shareDecided, 0.95);
}
