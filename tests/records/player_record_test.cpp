#include "records/player_record.h"
#include "tests/support/case_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <random>
#include <string>
#include <string_view>

namespace {

using case_name::PrintTo;

// A batter's line in the exact layout: common block, blank, 32-character batter block.
const std::string kMarlowLine = "Abe;Marlow              # ABEMAR1 27 S2 F1 BRN 6'2 195 R L "
                                "142 512 377 088 154 109 31 04 22 "
                                "097 061 104 012 PIC027 "
                                "SS 037 7 5 6 4 3 8 9 7 8 6 2 1 5";

// A pitcher's line in the exact layout, with its 60-character pitcher block.
const std::string kBrennickLine = "Cy;Brennick             # CYBREN2 41 S4 F0 BLK 6'5 221 L L "
                                  "033 012 009 001 002 001 00 00 00 "
                                  "001 000 007 000 PIC113 "
                                  "14 09 071 201 2 33 05 00 188 152 176 8 6 7 3 5 9 6 7 4 1 2 3";

// What an empty record formats to: blanks, zeros and the fixed characters.
const std::string kBlankLine =
    std::string(24, ' ') + "#" + std::string(26, ' ') + "000" + std::string(5, ' ') +
    "000 000 000 000 000 000 00 00 00 000 000 000 000" + std::string(8, ' ');

CPlayerRecord Marlow() {
    CPlayerRecord r;
    r.m_strDetail = "SS 037 7 5 6 4 3 8 9 7 8 6 2 1 5";
    r.m_nPlayerType = 0;
    r.m_strName = "Abe;Marlow              ";
    r.m_strSoundFile = "ABEMAR1";
    r.m_strUniform = "27";
    r.m_strSkin = "S2";
    r.m_strFacialHair = "F1";
    r.m_strHair = "BRN";
    r.m_strHeight = "6'2";
    r.m_nWeight = 195;
    r.m_strBats = "R";
    r.m_strThrows = "L";
    r.m_nGamesPlayed = 142;
    r.m_nAtBats = 512;
    r.m_nAtBatsVsR = 377;
    r.m_nRuns = 88;
    r.m_nHits = 154;
    r.m_nHitsVsR = 109;
    r.m_nDoubles = 31;
    r.m_nTriples = 4;
    r.m_nHomeRuns = 22;
    r.m_nRBI = 97;
    r.m_nBB = 61;
    r.m_nStrikeouts = 104;
    r.m_nStolenBases = 12;
    r.m_strPicture = "PIC027";
    return r;
}

CPlayerRecord Brennick() {
    CPlayerRecord r;
    r.m_strDetail = "14 09 071 201 2 33 05 00 188 152 176 8 6 7 3 5 9 6 7 4 1 2 3";
    r.m_nPlayerType = 1;
    r.m_strName = "Cy;Brennick             ";
    r.m_strSoundFile = "CYBREN2";
    r.m_strUniform = "41";
    r.m_strSkin = "S4";
    r.m_strFacialHair = "F0";
    r.m_strHair = "BLK";
    r.m_strHeight = "6'5";
    r.m_nWeight = 221;
    r.m_strBats = "L";
    r.m_strThrows = "L";
    r.m_nGamesPlayed = 33;
    r.m_nAtBats = 12;
    r.m_nAtBatsVsR = 9;
    r.m_nRuns = 1;
    r.m_nHits = 2;
    r.m_nHitsVsR = 1;
    r.m_nRBI = 1;
    r.m_nStrikeouts = 7;
    r.m_strPicture = "PIC113";
    return r;
}

// A record whose every field differs from what any line of the tables parses to.
CPlayerRecord Stale() {
    CPlayerRecord r;
    r.m_strDetail = r.m_strName = r.m_strSoundFile = r.m_strUniform = r.m_strSkin =
        r.m_strFacialHair = r.m_strHair = r.m_strHeight = r.m_strBats = r.m_strThrows =
            r.m_strPicture = "stale";
    r.m_nPlayerType = r.m_nWeight = r.m_nGamesPlayed = r.m_nAtBats = r.m_nAtBatsVsR = r.m_nRuns =
        r.m_nHits = r.m_nHitsVsR = r.m_nDoubles = r.m_nTriples = r.m_nHomeRuns = r.m_nRBI =
            r.m_nBB = r.m_nStrikeouts = r.m_nStolenBases = 555;
    return r;
}

CPlayerRecord With(CPlayerRecord record, const std::function<void(CPlayerRecord&)>& edit) {
    edit(record);
    return record;
}

// line with text written over it from column on.
std::string Over(std::string line, std::size_t column, std::string_view text) {
    return line.replace(column, text.size(), text);
}

// line with the columns from first to last replaced by text of any length.
std::string Splice(const std::string& line, std::size_t first, std::size_t last,
                   std::string_view text) {
    return line.substr(0, first) + std::string(text) + line.substr(last + 1);
}

struct ParseCase {
    const char* name;
    std::string line;
    int playerType;
    CPlayerRecord record;
    std::string formatted;
};

class ParseLineTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseLineTest, ReadsEveryFieldAndFormatsBack) {
    const ParseCase& c = GetParam();
    CPlayerRecord record = Stale();
    record.ParseLine(c.line.c_str(), c.playerType);
    EXPECT_EQ(record, c.record);
    EXPECT_EQ(record.FormatLine(), c.formatted);
}

INSTANTIATE_TEST_SUITE_P(
    PlayerLine, ParseLineTest,
    testing::Values(
        ParseCase{"ExactBatterLine", kMarlowLine, 0, Marlow(), kMarlowLine},
        ParseCase{"ExactPitcherLine", kBrennickLine, 1, Brennick(), kBrennickLine},
        ParseCase{"PlayerTypeIsTakenAsGiven", kMarlowLine, 1,
                  With(Marlow(), [](auto& r) { r.m_nPlayerType = 1; }), kMarlowLine},
        ParseCase{"BlankBeforeWeight", Over(kMarlowLine, 51, " 72"), 0,
                  With(Marlow(), [](auto& r) { r.m_nWeight = 72; }), Over(kMarlowLine, 51, "072")},
        ParseCase{"LettersInStatistic", Over(kMarlowLine, 59, "abc"), 0,
                  With(Marlow(), [](auto& r) { r.m_nGamesPlayed = 0; }),
                  Over(kMarlowLine, 59, "000")},
        ParseCase{"IntegerStopsAtFirstNonDigit",
                  Over(Over(Over(Over(kMarlowLine, 63, "1 2"), 71, "5  "), 75, "+7 "), 92, "\t\t9"),
                  0,
                  With(Marlow(),
                       [](auto& r) {
                           r.m_nAtBats = 1;
                           r.m_nRuns = 5;
                           r.m_nHits = 7;
                           r.m_nRBI = 9;
                       }),
                  Over(Over(Over(Over(kMarlowLine, 63, "001"), 71, "005"), 75, "007"), 92, "009")},
        // Out of the dialog's range: written with its sign, one character longer.
        ParseCase{"NegativeWeight", Over(kMarlowLine, 51, "-12"), 0,
                  With(Marlow(), [](auto& r) { r.m_nWeight = -12; }),
                  Splice(kMarlowLine, 51, 53, "-012")},
        ParseCase{"SeparatorsAreNotRead",
                  Over(Over(Over(Over(Over(kMarlowLine, 24, "||"), 50, "|"), 91, "|"), 107, "|"),
                       114, "|"),
                  0, Marlow(), kMarlowLine},
        ParseCase{"Exactly115Characters", kMarlowLine.substr(0, 115), 0,
                  With(Marlow(), [](auto& r) { r.m_strDetail.clear(); }),
                  kMarlowLine.substr(0, 115)},
        ParseCase{"ShortLineEndsInsideHeight", kMarlowLine.substr(0, 49), 0,
                  With(CPlayerRecord(),
                       [](auto& r) {
                           r.m_strName = "Abe;Marlow              ";
                           r.m_strSoundFile = "ABEMAR1";
                           r.m_strUniform = "27";
                           r.m_strSkin = "S2";
                           r.m_strFacialHair = "F1";
                           r.m_strHair = "BRN";
                           r.m_strHeight = "6'";
                       }),
                  kMarlowLine.substr(0, 47) + " 6'" + kBlankLine.substr(50)},
        ParseCase{"ShortLineEndsInsideName", "Abe", 0,
                  With(CPlayerRecord(), [](auto& r) { r.m_strName = "Abe"; }),
                  "Abe" + kBlankLine.substr(3)},
        ParseCase{"EmptyLine", "", 1, With(CPlayerRecord(), [](auto& r) { r.m_nPlayerType = 1; }),
                  kBlankLine},
        ParseCase{"TempPlaceholder", Over(kMarlowLine, 0, "---Player;Temp---"), 0,
                  With(Marlow(), [](auto& r) { r.m_strName = "---Player;Temp---       "; }),
                  Over(kMarlowLine, 0, "---Player;Temp---")},
        ParseCase{"PercentAndEightBitTextArePlainText",
                  Over(Over(kMarlowLine, 0, "Ro%s;%n%d\xE9\xFF"), 108, "%n%s%%"), 0,
                  With(Marlow(),
                       [](auto& r) {
                           r.m_strName = "Ro%s;%n%d\xE9\xFF             ";
                           r.m_strPicture = "%n%s%%";
                       }),
                  Over(Over(kMarlowLine, 0, "Ro%s;%n%d\xE9\xFF"), 108, "%n%s%%")},
        ParseCase{"DetailOfAnyLengthIsKept", kMarlowLine + "  %s tail", 0,
                  With(Marlow(), [](auto& r) { r.m_strDetail += "  %s tail"; }),
                  kMarlowLine + "  %s tail"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FormatCase {
    const char* name;
    CPlayerRecord record;
    std::string formatted;
};

class FormatLineTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatLineTest, WritesTheFixedColumns) {
    EXPECT_EQ(GetParam().record.FormatLine(), GetParam().formatted);
}

INSTANTIATE_TEST_SUITE_P(
    PlayerLine, FormatLineTest,
    testing::Values(
        FormatCase{"NineCharacterName", With(Marlow(), [](auto& r) { r.m_strName = "Ed;Quillo"; }),
                   Over(kMarlowLine, 0, "Ed;Quillo               ")},
        FormatCase{
            "LongNameKeepsFirst24",
            With(Marlow(), [](auto& r) { r.m_strName = "Bartholomew;Fitzgeraldson-Smythe"; }),
            Over(kMarlowLine, 0, "Bartholomew;Fitzgeraldso")},
        FormatCase{"EmptyBatsIsBlank", With(Marlow(), [](auto& r) { r.m_strBats.clear(); }),
                   Over(kMarlowLine, 55, " ")},
        FormatCase{"ThrowsKeepsFirstCharacter",
                   With(Marlow(), [](auto& r) { r.m_strThrows = "RL"; }),
                   Over(kMarlowLine, 57, "R")},
        FormatCase{"OneCharacterHeight", With(Marlow(), [](auto& r) { r.m_strHeight = "6"; }),
                   Over(kMarlowLine, 47, "  6")},
        FormatCase{"FiveCharacterHeight", With(Marlow(), [](auto& r) { r.m_strHeight = "6'02\""; }),
                   Over(kMarlowLine, 47, "6'0")},
        FormatCase{"ShortTextsArePadded",
                   With(Marlow(),
                        [](auto& r) {
                            r.m_strUniform = "7";
                            r.m_strHair.clear();
                            r.m_strPicture = "P1";
                        }),
                   Over(Over(Over(kMarlowLine, 34, "7 "), 43, "   "), 108, "P1    ")},
        FormatCase{"ZeroPaddedIntegers",
                   With(Marlow(),
                        [](auto& r) {
                            r.m_nWeight = 7;
                            r.m_nDoubles = 3;
                            r.m_nStolenBases = 0;
                        }),
                   Over(Over(Over(kMarlowLine, 51, "007"), 83, "03"), 104, "000")},
        // Out of range: all the digits are written and the later columns move.
        FormatCase{"WeightAboveRange", With(Marlow(), [](auto& r) { r.m_nWeight = 1000; }),
                   Splice(kMarlowLine, 51, 53, "1000")},
        FormatCase{"HomeRunsAboveRange", With(Marlow(), [](auto& r) { r.m_nHomeRuns = 100; }),
                   Splice(kMarlowLine, 89, 90, "100")},
        // A NUL would end the line in the roster buffer; the text ends there instead.
        FormatCase{"NulEndsText",
                   With(Marlow(),
                        [](auto& r) {
                            r.m_strName = std::string("Ab\0cd", 5);
                            r.m_strDetail = std::string("SS\0 037", 7);
                        }),
                   Over(kMarlowLine, 0, "Ab" + std::string(22, ' ')).substr(0, 115) + "SS"},
        FormatCase{"EmptyRecord", CPlayerRecord(), kBlankLine}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlayerLine, NullLineReadsAsEmpty) {
    CPlayerRecord record = Stale();
    record.ParseLine(nullptr, 1);
    EXPECT_EQ(record, With(CPlayerRecord(), [](auto& r) { r.m_nPlayerType = 1; }));
}

TEST(PlayerLine, ExtremeIntegersAreWrittenInFull) {
    for (const int value : {INT_MIN, INT_MAX}) {
        CPlayerRecord record = Marlow();
        for (int CPlayerRecord::*field :
             {&CPlayerRecord::m_nWeight, &CPlayerRecord::m_nGamesPlayed, &CPlayerRecord::m_nAtBats,
              &CPlayerRecord::m_nAtBatsVsR, &CPlayerRecord::m_nRuns, &CPlayerRecord::m_nHits,
              &CPlayerRecord::m_nHitsVsR, &CPlayerRecord::m_nDoubles, &CPlayerRecord::m_nTriples,
              &CPlayerRecord::m_nHomeRuns, &CPlayerRecord::m_nRBI, &CPlayerRecord::m_nBB,
              &CPlayerRecord::m_nStrikeouts, &CPlayerRecord::m_nStolenBases})
            record.*field = value;
        const std::string digits = std::to_string(value);
        // Fourteen integers took 39 columns; each is now written with all its characters.
        const std::string line = record.FormatLine();
        ASSERT_EQ(line.size(), 147 - 39 + 14 * digits.size());
        EXPECT_EQ(line.substr(51, digits.size()), digits);
        EXPECT_EQ(line.substr(line.size() - 32), record.m_strDetail);
    }
}

// Any byte but NUL, the terminator of a line.
std::string RandomText(std::mt19937& random, std::size_t length) {
    std::uniform_int_distribution<int> byte(1, 255);
    std::string text(length, ' ');
    std::generate(text.begin(), text.end(), [&] { return static_cast<char>(byte(random)); });
    return text;
}

CPlayerRecord RandomRecord(std::mt19937& random) {
    auto upTo = [&random](int most) { return std::uniform_int_distribution<int>(0, most)(random); };
    CPlayerRecord r;
    r.m_strDetail = RandomText(random, static_cast<std::size_t>(upTo(80)));
    r.m_nPlayerType = upTo(1);
    r.m_strName = RandomText(random, 24);
    r.m_strSoundFile = RandomText(random, 7);
    r.m_strUniform = RandomText(random, 2);
    r.m_strSkin = RandomText(random, 2);
    r.m_strFacialHair = RandomText(random, 2);
    r.m_strHair = RandomText(random, 3);
    r.m_strHeight = RandomText(random, 3);
    r.m_nWeight = upTo(999);
    r.m_strBats = RandomText(random, 1);
    r.m_strThrows = RandomText(random, 1);
    r.m_nGamesPlayed = upTo(999);
    r.m_nAtBats = upTo(999);
    r.m_nAtBatsVsR = upTo(999);
    r.m_nRuns = upTo(999);
    r.m_nHits = upTo(999);
    r.m_nHitsVsR = upTo(999);
    r.m_nDoubles = upTo(99);
    r.m_nTriples = upTo(99);
    r.m_nHomeRuns = upTo(99);
    r.m_nRBI = upTo(999);
    r.m_nBB = upTo(999);
    r.m_nStrikeouts = upTo(999);
    r.m_nStolenBases = upTo(999);
    r.m_strPicture = RandomText(random, 6);
    return r;
}

TEST(PlayerLine, InRangeRecordsSurviveFormatAndParse) {
    std::mt19937 random(20240611);
    for (int i = 0; i < 2000; ++i) {
        const CPlayerRecord record = RandomRecord(random);
        const std::string line = record.FormatLine();
        ASSERT_EQ(line.size(), CPlayerRecord::DETAIL_COLUMN + record.m_strDetail.size())
            << "record " << i;
        CPlayerRecord parsed;
        parsed.ParseLine(line.c_str(), record.m_nPlayerType);
        ASSERT_EQ(parsed, record) << "record " << i;
        ASSERT_EQ(parsed.FormatLine(), line) << "record " << i;
    }
}

} // namespace
