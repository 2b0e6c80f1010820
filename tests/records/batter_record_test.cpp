#include "records/batter_record.h"
#include "tests/support/case_name.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>
#include <string>

namespace {

using case_name::PrintTo;

const std::string kFullBlock = "SS 037 7 5 6 4 3 8 9 7 8 6 2 1 5";

const std::string kEmptyBlockText = "   000 0 0 0 0 0 0 0 0 0 0 0 0 0";

CBatterRecord With(CBatterRecord record, const std::function<void(CBatterRecord&)>& edit) {
    edit(record);
    return record;
}

CBatterRecord Full() {
    return With(CBatterRecord(), [](auto& r) {
        r.m_strPosition = "SS";
        r.m_nAltPosition = 37;
        r.m_nBatVsR = 7;
        r.m_nPowerVsR = 5;
        r.m_nBatVsL = 6;
        r.m_nPowerVsL = 4;
        r.m_nBunt = 3;
        r.m_nSpeed = 8;
        r.m_nGlove = 9;
        r.m_nArm = 7;
        r.m_nAccuracy = 8;
        r.m_nFundamental = 6;
        r.m_nInjury = 2;
        r.m_bAltOF = r.m_bAlt2B = r.m_bAltC = 1;
        r.m_nStyle = 1;
        r.m_nPlayability = 5;
    });
}

// A record whose every field differs from what any block of the table parses to.
CBatterRecord Stale() {
    CBatterRecord r;
    r.m_strPosition = "stale";
    r.m_nAltPosition = r.m_nBatVsR = r.m_nPowerVsR = r.m_nBatVsL = r.m_nPowerVsL = r.m_nBunt =
        r.m_nSpeed = r.m_nGlove = r.m_nArm = r.m_nAccuracy = r.m_nFundamental = r.m_nInjury =
            r.m_bAlt1B = r.m_bAlt2B = r.m_bAlt3B = r.m_bAltC = r.m_bAltOF = r.m_bAltSS =
                r.m_nStyle = r.m_nPlayability = 555;
    return r;
}

struct ParseCase {
    const char* name;
    std::string block;
    CBatterRecord record;
    std::string formatted;
};

class BatterParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(BatterParseTest, ReadsEveryFieldAndFormatsBack) {
    const ParseCase& c = GetParam();
    CBatterRecord record = Stale();
    record.ParseBlock(c.block);
    EXPECT_EQ(record, c.record);
    EXPECT_EQ(record.FormatBlock(), c.formatted);
}

INSTANTIATE_TEST_SUITE_P(
    BatterBlock, BatterParseTest,
    testing::Values(
        ParseCase{"Empty", "", CBatterRecord(), kEmptyBlockText},
        ParseCase{"Full", kFullBlock, Full(), kFullBlock},
        ParseCase{"TwentyCharactersReachGlove", "CF 005 1 2 3 4 5 6 7",
                  With(CBatterRecord(),
                       [](auto& r) {
                           r.m_strPosition = "CF";
                           r.m_nAltPosition = 5;
                           r.m_bAltOF = r.m_bAlt2B = 1;
                           r.m_nBatVsR = 1;
                           r.m_nPowerVsR = 2;
                           r.m_nBatVsL = 3;
                           r.m_nPowerVsL = 4;
                           r.m_nBunt = 5;
                           r.m_nSpeed = 6;
                           r.m_nGlove = 7;
                       }),
                  "CF 005 1 2 3 4 5 6 7 0 0 0 0 0 0"},
        ParseCase{"EveryBitAlone", "1B 062 7 5 6 4 3 8 9 7 8 6 2 1 5",
                  With(Full(),
                       [](auto& r) {
                           r.m_strPosition = "1B";
                           r.m_nAltPosition = 62;
                           r.m_bAltOF = 0;
                           r.m_bAlt1B = r.m_bAlt2B = r.m_bAlt3B = r.m_bAltSS = r.m_bAltC = 1;
                       }),
                  "1B 062 7 5 6 4 3 8 9 7 8 6 2 1 5"},
        ParseCase{"BitsAbovePositionsAreDropped", "1B 064 7 5 6 4 3 8 9 7 8 6 2 1 5",
                  With(Full(),
                       [](auto& r) {
                           r.m_strPosition = "1B";
                           r.m_nAltPosition = 64;
                           r.m_bAltOF = r.m_bAlt2B = r.m_bAltC = 0;
                       }),
                  "1B 000 7 5 6 4 3 8 9 7 8 6 2 1 5"},
        ParseCase{"BlankInsteadOfLeadingZero", "SS  37 7 5 6 4 3 8 9 7 8 6 2 1 5", Full(),
                  kFullBlock},
        // A negative set counts by its two's-complement bits: every position.
        ParseCase{"NegativeBitSet", "SS -01 7 5 6 4 3 8 9 7 8 6 2 1 5",
                  With(Full(),
                       [](auto& r) {
                           r.m_nAltPosition = -1;
                           r.m_bAlt1B = r.m_bAlt2B = r.m_bAlt3B = r.m_bAltC = r.m_bAltOF =
                               r.m_bAltSS = 1;
                       }),
                  "SS 063 7 5 6 4 3 8 9 7 8 6 2 1 5"},
        ParseCase{"LetterAndBlankPosition", "C  037 7 5 6 4 3 8 9 7 8 6 2 1 5",
                  With(Full(), [](auto& r) { r.m_strPosition = "C "; }),
                  "C  037 7 5 6 4 3 8 9 7 8 6 2 1 5"},
        ParseCase{"OneCharacter", "C",
                  With(CBatterRecord(), [](auto& r) { r.m_strPosition = "C"; }),
                  " C" + kEmptyBlockText.substr(2)},
        ParseCase{"SeparatorsAreNotRead", "SS|037|7x5x6x4x3x8x9x7x8x6x2x1x5", Full(), kFullBlock},
        ParseCase{"TextAfterTheBlockIsIgnored", kFullBlock + " 9 9 extra", Full(), kFullBlock},
        ParseCase{"LettersReadAsZero", "SS abc 7 5 6 4 3 8 9 x 8 6 2 1 5",
                  With(Full(),
                       [](auto& r) {
                           r.m_nAltPosition = 0;
                           r.m_bAltOF = r.m_bAlt2B = r.m_bAltC = 0;
                           r.m_nArm = 0;
                       }),
                  "SS 000 7 5 6 4 3 8 9 0 8 6 2 1 5"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FormatCase {
    const char* name;
    CBatterRecord record;
    std::string formatted;
    int altPosition; // the bit set the record holds afterwards
};

class BatterFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(BatterFormatTest, WritesTheBlockAndTheBitSet) {
    CBatterRecord record = GetParam().record;
    EXPECT_EQ(record.FormatBlock(), GetParam().formatted);
    EXPECT_EQ(record.m_nAltPosition, GetParam().altPosition);
}

INSTANTIATE_TEST_SUITE_P(
    BatterBlock, BatterFormatTest,
    testing::Values(FormatCase{"OneCharacterPositionIsRightAligned",
                               With(Full(), [](auto& r) { r.m_strPosition = "C"; }),
                               " C 037 7 5 6 4 3 8 9 7 8 6 2 1 5", 37},
                    FormatCase{"LongPositionKeepsFirstTwo",
                               With(Full(), [](auto& r) { r.m_strPosition = "LFX"; }),
                               "LF 037 7 5 6 4 3 8 9 7 8 6 2 1 5", 37},
                    FormatCase{"PercentPositionIsText",
                               With(Full(), [](auto& r) { r.m_strPosition = "%n"; }),
                               "%n 037 7 5 6 4 3 8 9 7 8 6 2 1 5", 37},
                    FormatCase{"BitSetComesFromFlags",
                               With(Full(),
                                    [](auto& r) {
                                        r.m_nAltPosition = 99;
                                        r.m_bAltOF = r.m_bAlt2B = r.m_bAltC = 0;
                                        r.m_bAlt1B = r.m_bAltSS = 1;
                                    }),
                               "SS 018 7 5 6 4 3 8 9 7 8 6 2 1 5", 18},
                    FormatCase{"ThirdBaseAndCatcher",
                               With(Full(),
                                    [](auto& r) {
                                        r.m_bAltOF = r.m_bAlt2B = 0;
                                        r.m_bAlt3B = 1;
                                    }),
                               "SS 040 7 5 6 4 3 8 9 7 8 6 2 1 5", 40},
                    FormatCase{"AnyNonZeroFlagIsSet",
                               With(CBatterRecord(),
                                    [](auto& r) {
                                        r.m_bAltOF = 5;
                                        r.m_bAltC = -1;
                                    }),
                               "   033 0 0 0 0 0 0 0 0 0 0 0 0 0", 33},
                    // Out of the dialog's range: all the digits and the sign, the block grows.
                    FormatCase{"RatingsOutOfRange",
                               With(Full(),
                                    [](auto& r) {
                                        r.m_nBatVsR = 10;
                                        r.m_nPlayability = -3;
                                    }),
                               "SS 037 10 5 6 4 3 8 9 7 8 6 2 1 -3", 37},
                    FormatCase{"SmallestRating",
                               With(Full(), [](auto& r) { r.m_nInjury = INT_MIN; }),
                               "SS 037 7 5 6 4 3 8 9 7 8 6 -2147483648 1 5", 37}),
    [](const auto& info) { return std::string(info.param.name); });

CBatterRecord RandomRecord(std::mt19937& random) {
    auto upTo = [&random](int most) { return std::uniform_int_distribution<int>(0, most)(random); };
    CBatterRecord r;
    for (char& c : r.m_strPosition.assign(2, ' '))
        c = static_cast<char>(1 + upTo(254));
    for (int CBatterRecord::*rating :
         {&CBatterRecord::m_nBatVsR, &CBatterRecord::m_nPowerVsR, &CBatterRecord::m_nBatVsL,
          &CBatterRecord::m_nPowerVsL, &CBatterRecord::m_nBunt, &CBatterRecord::m_nSpeed,
          &CBatterRecord::m_nGlove, &CBatterRecord::m_nArm, &CBatterRecord::m_nAccuracy,
          &CBatterRecord::m_nFundamental, &CBatterRecord::m_nInjury, &CBatterRecord::m_nStyle,
          &CBatterRecord::m_nPlayability})
        r.*rating = upTo(9);
    r.m_nAltPosition = upTo(63);
    r.m_bAltOF = (r.m_nAltPosition & 1) != 0;
    r.m_bAlt1B = (r.m_nAltPosition & 2) != 0;
    r.m_bAlt2B = (r.m_nAltPosition & 4) != 0;
    r.m_bAlt3B = (r.m_nAltPosition & 8) != 0;
    r.m_bAltSS = (r.m_nAltPosition & 16) != 0;
    r.m_bAltC = (r.m_nAltPosition & 32) != 0;
    return r;
}

TEST(BatterBlock, InRangeRecordsSurviveFormatAndParse) {
    std::mt19937 random(20240612);
    for (int i = 0; i < 2000; ++i) {
        const CBatterRecord record = RandomRecord(random);
        CBatterRecord formatted = record;
        const std::string block = formatted.FormatBlock();
        ASSERT_EQ(formatted, record) << "record " << i;
        ASSERT_EQ(block.size(), CBatterRecord::BLOCK_LENGTH) << "record " << i;
        CBatterRecord parsed;
        parsed.ParseBlock(block);
        ASSERT_EQ(parsed, record) << "record " << i;
        ASSERT_EQ(parsed.FormatBlock(), block) << "record " << i;
    }
}

} // namespace
