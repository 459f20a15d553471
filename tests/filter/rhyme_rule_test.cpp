#include "rhyme_rule.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct RuleCase {
    const char* name;
    std::string line;
    std::string term;
    bool matches;
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }

class RhymeRule : public testing::TestWithParam<RuleCase> {};

TEST_P(RhymeRule, DecidesTheLine)
{
    const RuleCase& c = GetParam();
    EXPECT_EQ(kestrun::lineMatches(c.line, c.term), c.matches)
        << "line \"" << c.line << "\" term \"" << c.term << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RhymeRule,
    testing::Values(
        RuleCase{"TermEndsRightBeforeToneDigit", "kab2q", "ab", true},
        RuleCase{"OccurrenceOnlyAfterToneDigit", "kxyz2ab", "ab", true},
        RuleCase{"OccurrenceOnlyBeforeStart", "abxyz2", "ab", false},
        RuleCase{"LowestDigitWinsOverFirst", "ab3cd1", "ab", false},
        RuleCase{"SingleDigitDecides", "ab3cd", "ab", true},
        RuleCase{"FirstOccurrenceOfLowestDigit", "xab2cdab2", "ab", true},
        RuleCase{"ToneDigitCloserThanTermIsLong", "a1xyzab", "xyzab", true},
        RuleCase{"OnlyZeroAndSixNeverMatch", "ab0ab6", "ab", false},
        RuleCase{"OnlyZeroAndSixNotEvenEmptyTerm", "ab0ab6", "", false},
        RuleCase{"NoDigitAtAll", "bang", "ang", false},
        RuleCase{"EmptyTermWithDigit", "bang1", "", true},
        RuleCase{"EmptyLine", "", "", false},
        RuleCase{"ComparisonIsCaseSensitive", "kab2", "AB", false},
        RuleCase{"BlankMustBeInLine", "bang1 x", "g1 ", true},
        RuleCase{"BlankNotInLine", "bang1x", "g1 ", false},
        RuleCase{"TermIncludingToneDigit", "bang1 ", "ang1", true},
        RuleCase{"TermLongerThanLine", "a1", "a1a1", false},
        RuleCase{"Utf8BytesCompareAsBytes", "zhong1 \xe4\xb8\xad", "\xe4\xb8\xad", true},
        RuleCase{"HalfACharacterStillMatchesBytes", "zhong1 \xe4\xb8\xad", "\xb8\xad", true},
        RuleCase{"ToneDigitFiveIsNeutral", "de5 \xe7\x9a\x84", "e", true}),
    [](const testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

TEST(ToneDigitPosition, IsFirstOccurrenceOfLowestDigit)
{
    EXPECT_EQ(kestrun::toneDigitPosition("ab3cd1x1"), 5u);
    EXPECT_EQ(kestrun::toneDigitPosition("a5b4c4"), 3u);
    EXPECT_EQ(kestrun::toneDigitPosition("a0b6c9"), kestrun::kNoToneDigit);
}

}  // namespace
