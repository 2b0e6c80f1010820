#include "records/columns.h"
#include "tests/support/case_name.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using case_name::PrintTo;

using records::AppendLeftAligned;
using records::AppendRightAligned;
using records::AppendZeroPadded;
using records::CutColumns;
using records::LeadingInteger;

struct LeadingIntegerCase {
    const char* name;
    std::string text;
    int value;
};

class LeadingIntegerTest : public testing::TestWithParam<LeadingIntegerCase> {};

TEST_P(LeadingIntegerTest, ReadsTheLeadingInteger) {
    EXPECT_EQ(LeadingInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, LeadingIntegerTest,
    testing::Values(
        LeadingIntegerCase{"Empty", "", 0}, LeadingIntegerCase{"Blanks", "   ", 0},
        LeadingIntegerCase{"ZeroPadded", "007", 7}, LeadingIntegerCase{"LeadingBlank", " 12", 12},
        LeadingIntegerCase{"StopsAtBlank", "1 2", 1},
        LeadingIntegerCase{"StopsAtLetter", "12a", 12}, LeadingIntegerCase{"Negative", "-5 ", -5},
        LeadingIntegerCase{"Plus", "+7", 7}, LeadingIntegerCase{"SignAlone", "-", 0},
        LeadingIntegerCase{"TwoSigns", "+-3", 0}, LeadingIntegerCase{"BlankAfterSign", "- 3", 0},
        LeadingIntegerCase{"Letters", "abc", 0},
        LeadingIntegerCase{"AllWhiteSpace", "\t\n\v\f\r 8", 8},
        LeadingIntegerCase{"NotWhiteSpace",
                           "\x01"
                           "8",
                           0},
        LeadingIntegerCase{"Largest", "2147483647", INT_MAX},
        LeadingIntegerCase{"Smallest", "-2147483648", INT_MIN},
        LeadingIntegerCase{"TooLargeIsClamped", "99999999999999999999", INT_MAX},
        LeadingIntegerCase{"TooSmallIsClamped", "-99999999999999999999", INT_MIN}),
    [](const auto& info) { return std::string(info.param.name); });

struct FormatCase {
    const char* name;
    std::string formatted;
    std::string expected;
};

class FormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, WritesLikePrintf) {
    EXPECT_EQ(GetParam().formatted, GetParam().expected);
}

std::string Padded(int value, std::size_t digits) {
    std::string out = "<";
    AppendZeroPadded(out, value, digits);
    return out + ">";
}

std::string Left(std::string_view text, std::size_t width) {
    std::string out = "<";
    AppendLeftAligned(out, text, width);
    return out + ">";
}

std::string Right(std::string_view text, std::size_t width) {
    std::string out = "<";
    AppendRightAligned(out, text, width);
    return out + ">";
}

INSTANTIATE_TEST_SUITE_P(
    Columns, FormatTest,
    testing::Values(FormatCase{"ThreeDigits", Padded(7, 3), "<007>"},
                    FormatCase{"TwoDigits", Padded(7, 2), "<07>"},
                    FormatCase{"Zero", Padded(0, 1), "<0>"},
                    FormatCase{"Filled", Padded(999, 3), "<999>"},
                    FormatCase{"MoreDigitsThanWidth", Padded(1000, 3), "<1000>"},
                    FormatCase{"NegativeKeepsItsDigits", Padded(-5, 3), "<-005>"},
                    FormatCase{"Smallest", Padded(INT_MIN, 3), "<-2147483648>"},
                    FormatCase{"Largest", Padded(INT_MAX, 1), "<2147483647>"},
                    FormatCase{"LeftCut", Left("abcd", 2), "<ab>"},
                    FormatCase{"LeftPadded", Left("ab", 5), "<ab   >"},
                    FormatCase{"LeftEmpty", Left("", 1), "< >"},
                    FormatCase{"RightPadded", Right("S", 2), "< S>"},
                    FormatCase{"RightCutKeepsFirst", Right("6'02\"", 3), "<6'0>"},
                    FormatCase{"RightEmpty", Right("", 3), "<   >"},
                    FormatCase{"PercentIsText", Left("%s%n", 5), "<%s%n >"}),
    [](const auto& info) { return std::string(info.param.name); });

struct CutCase {
    const char* name;
    std::size_t first;
    std::size_t width;
    std::string expected;
};

class CutColumnsTest : public testing::TestWithParam<CutCase> {};

TEST_P(CutColumnsTest, ClipsAtTheEnd) {
    EXPECT_EQ(CutColumns("abcdef", GetParam().first, GetParam().width), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Columns, CutColumnsTest,
                         testing::Values(CutCase{"Inside", 2, 3, "cde"},
                                         CutCase{"RunsPastTheEnd", 4, 5, "ef"},
                                         CutCase{"StartsAtTheEnd", 6, 1, ""},
                                         CutCase{"StartsBeyondTheEnd", 10, 2, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
