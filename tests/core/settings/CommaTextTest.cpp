#include "core/settings/CommaText.h"

#include <gtest/gtest.h>

using namespace vireo;

namespace {
struct CommaCase {
    const char16_t *text;
    QStringList items;
};
class CommaRead : public ::testing::TestWithParam<CommaCase> {};
class CommaWrite : public ::testing::TestWithParam<CommaCase> {};
QStringList L(std::initializer_list<const char16_t *> items)
{
    QStringList out;
    for (const char16_t *i : items)
        out << QString::fromUtf16(i);
    return out;
}
} // namespace

TEST_P(CommaRead, SplitsLikeTheStoredForm)
{
    EXPECT_EQ(readCommaText(GetParam().text), GetParam().items) << qPrintable(QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommaRead,
    ::testing::Values(
        CommaCase{u"", {}},
        CommaCase{u"Rock", L({u"Rock"})},
        CommaCase{u"Rock,Pop", L({u"Rock", u"Pop"})},
        CommaCase{u"\"Hip Hop\",Rock", L({u"Hip Hop", u"Rock"})},
        CommaCase{u"Hip Hop", L({u"Hip", u"Hop"})}, // unquoted items end at a blank
        CommaCase{u"  Rock ,\t Pop  ", L({u"Rock", u"Pop"})},
        CommaCase{u"a,,b", L({u"a", u"", u"b"})},
        CommaCase{u"a,", L({u"a", u""})},
        CommaCase{u"a, ", L({u"a"})},
        CommaCase{u"\"\"", L({u""})},
        CommaCase{u"\"say \"\"hi\"\"\",x", L({u"say \"hi\"", u"x"})},
        CommaCase{u"\"open", L({u"open"})},
        CommaCase{u"\"a\"b,c", L({u"a", u"b", u"c"})},
        CommaCase{u"ジャズ,\"J-Pop\"", L({u"ジャズ", u"J-Pop"})}));

TEST_P(CommaWrite, QuotesWhatNeedsIt)
{
    EXPECT_EQ(writeCommaText(GetParam().items), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommaWrite,
    ::testing::Values(
        CommaCase{u"", {}},
        CommaCase{u"\"\"", L({u""})},
        CommaCase{u"Rock,Pop", L({u"Rock", u"Pop"})},
        CommaCase{u"\"Hip Hop\",Rock", L({u"Hip Hop", u"Rock"})},
        CommaCase{u"\"a,b\",\"say \"\"hi\"\"\"", L({u"a,b", u"say \"hi\""})},
        CommaCase{u"a,,b", L({u"a", u"", u"b"})},
        CommaCase{u"\"tab\there\"", L({u"tab\there"})}));

TEST(CommaText, ListsSurviveTheRoundTrip)
{
    const QStringList lists[] = {L({u"Hip Hop"}), L({u"a", u"b,c", u"\"d\"", u" e "}), L({u"", u"x"}),
                                 L({u"Rock"}), L({u"ＭＳ Ｐゴシック", u"Acid Jazz"})};
    for (const QStringList &list : lists)
        EXPECT_EQ(readCommaText(writeCommaText(list)), list) << qPrintable(writeCommaText(list));
}
