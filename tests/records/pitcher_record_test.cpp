#include "records/pitcher_record.h"
#include "tests/support/case_name.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <random>
#include <string>

namespace {

using case_name::PrintTo;

const std::string kFullBlock = "14 09 071 201 2 33 05 00 188 152 176 8 6 7 3 5 9 6 7 4 1 2 3";

const std::string kEmptyBlockText = "00 00 000 000 0 00 00 00 000 000 000 0 0 0 0 0 0 0 0 0 0 0 0";

CPitcherRecord With(CPitcherRecord record, const std::function<void(CPitcherRecord&)>& edit) {
    edit(record);
    return record;
}

using R = CPitcherRecord;

// Every field with the largest value the dialog accepts for it, in column order.
struct FieldRange {
    int R::*field;
    int most;
};

constexpr std::array<FieldRange, 23> kFields = {{
    {&R::m_nWins, 99},
    {&R::m_nLosses, 99},
    {&R::m_nEarnedRuns, 999},
    {&R::m_nInningsPitched, 999},
    {&R::m_nThird, 2},
    {&R::m_nGames, 99},
    {&R::m_nCompleteGames, 99},
    {&R::m_nSaves, 99},
    {&R::m_nHitsAllowed, 999},
    {&R::m_nWalks, 999},
    {&R::m_nStrikeOuts, 999},
    {&R::m_nFastball, 9},
    {&R::m_nCurve, 9},
    {&R::m_nSlider, 9},
    {&R::m_nSpecialtyPitch, 9},
    {&R::m_nSpRating, 9},
    {&R::m_nStamina, 9},
    {&R::m_nAccuracy, 9},
    {&R::m_nFielding, 9},
    {&R::m_nPickOff, 9},
    {&R::m_nBat, 9},
    {&R::m_nBunt, 9},
    {&R::m_nInjury, 9},
}};

// The record holding values in the order of its fields.
CPitcherRecord Fields(const std::array<int, 23>& values) {
    CPitcherRecord r;
    for (std::size_t i = 0; i < kFields.size(); ++i)
        r.*kFields[i].field = values[i];
    return r;
}

CPitcherRecord Full() {
    return Fields({14, 9, 71, 201, 2, 33, 5, 0, 188, 152, 176, 8, 6, 7, 3, 5, 9, 6, 7, 4, 1, 2, 3});
}

CPitcherRecord Stale() {
    std::array<int, 23> values;
    values.fill(555);
    return Fields(values);
}

struct ParseCase {
    const char* name;
    std::string block;
    CPitcherRecord record;
    std::string formatted;
};

class PitcherParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(PitcherParseTest, ReadsEveryFieldAndFormatsBack) {
    const ParseCase& c = GetParam();
    CPitcherRecord record = Stale();
    record.ParseBlock(c.block);
    EXPECT_EQ(record, c.record);
    EXPECT_EQ(record.FormatBlock(), c.formatted);
}

INSTANTIATE_TEST_SUITE_P(
    PitcherBlock, PitcherParseTest,
    testing::Values(
        ParseCase{"Empty", "", CPitcherRecord(), kEmptyBlockText},
        ParseCase{"Full", kFullBlock, Full(), kFullBlock},
        // Walks (columns 29 to 31) has only its first column left.
        ParseCase{"ThirtyCharacters", kFullBlock.substr(0, 30),
                  Fields({14, 9, 71, 201, 2, 33, 5, 0, 188, 1}),
                  "14 09 071 201 2 33 05 00 188 001 000 0 0 0 0 0 0 0 0 0 0 0 0"},
        ParseCase{"BlankInsteadOfLeadingZero", " 7" + kFullBlock.substr(2),
                  With(Full(), [](auto& r) { r.m_nWins = 7; }), "07" + kFullBlock.substr(2)},
        // Out of the dialog's range: written with its sign, one character longer.
        ParseCase{"NegativeWins", "-5" + kFullBlock.substr(2),
                  With(Full(), [](auto& r) { r.m_nWins = -5; }), "-05" + kFullBlock.substr(2)},
        ParseCase{"LettersReadAsZero",
                  "14 09 x71 201 2 33 05 00 188 152 176 8 6 7 3 5 9 6 q 4 1 2 3",
                  With(Full(),
                       [](auto& r) {
                           r.m_nEarnedRuns = 0;
                           r.m_nFielding = 0;
                       }),
                  "14 09 000 201 2 33 05 00 188 152 176 8 6 7 3 5 9 6 0 4 1 2 3"},
        ParseCase{"SeparatorsAreNotRead",
                  "14|09|071|201|2|33|05|00|188|152|176|8|6|7|3|5|9|6|7|4|1|2|3", Full(),
                  kFullBlock},
        ParseCase{"TextAfterTheBlockIsIgnored", kFullBlock + "9 9 extra", Full(), kFullBlock}),
    [](const auto& info) { return std::string(info.param.name); });

struct FormatCase {
    const char* name;
    CPitcherRecord record;
    std::string formatted;
};

class PitcherFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(PitcherFormatTest, WritesTheBlock) {
    const CPitcherRecord before = GetParam().record;
    EXPECT_EQ(GetParam().record.FormatBlock(), GetParam().formatted);
    EXPECT_EQ(GetParam().record, before);
}

INSTANTIATE_TEST_SUITE_P(
    PitcherBlock, PitcherFormatTest,
    testing::Values(FormatCase{"ZeroPadded", Fields({1, 2, 3, 4, 1, 5, 6, 7, 8, 9, 10, 0,
                                                     1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1}),
                               "01 02 003 004 1 05 06 07 008 009 010 0 1 2 3 4 5 6 7 8 9 0 1"},
                    // Out of the dialog's range: all the digits are written and the block grows.
                    FormatCase{"ValuesAboveRange",
                               With(Full(),
                                    [](auto& r) {
                                        r.m_nWins = 100;
                                        r.m_nEarnedRuns = 1000;
                                        r.m_nInjury = 12;
                                    }),
                               "100 09 1000 201 2 33 05 00 188 152 176 8 6 7 3 5 9 6 7 4 1 2 12"},
                    FormatCase{
                        "ExtremeValues",
                        With(CPitcherRecord(),
                             [](auto& r) {
                                 r.m_nWins = INT_MIN;
                                 r.m_nInjury = INT_MAX;
                             }),
                        "-2147483648 00 000 000 0 00 00 00 000 000 000 0 0 0 0 0 0 0 0 0 0 0 "
                        "2147483647"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PitcherBlock, InRangeRecordsSurviveFormatAndParse) {
    std::mt19937 random(20240613);
    for (int i = 0; i < 2000; ++i) {
        CPitcherRecord record;
        for (const FieldRange& range : kFields)
            record.*range.field = std::uniform_int_distribution<int>(0, range.most)(random);
        const std::string block = record.FormatBlock();
        ASSERT_EQ(block.size(), CPitcherRecord::BLOCK_LENGTH) << "record " << i;
        CPitcherRecord parsed;
        parsed.ParseBlock(block);
        ASSERT_EQ(parsed, record) << "record " << i;
        ASSERT_EQ(parsed.FormatBlock(), block) << "record " << i;
    }
}

} // namespace
