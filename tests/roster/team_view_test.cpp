#include "roster/team_view.h"

#include "tests/support/roster_fixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace roster_fixture;

namespace {

TEST(TeamViewTest, ViewRangesCoverTheTeamsBattersOrPitchers) {
    struct Case {
        int team;
        int playerType;
        int first;
        int end;
    };
    const Case cases[] = {
        {0, TYPE_BATTERS, 0, 15},
        {0, TYPE_PITCHERS, 15, 25},
        {1, TYPE_BATTERS, 25, 40},
        {29, TYPE_PITCHERS, 740, 750},
        {TEMP_TEAM, TYPE_BATTERS, 750, 765},
        {TEMP_TEAM, TYPE_PITCHERS, 765, 775},
        {12, 7, 315, 325},
        {12, -1, 315, 325},
        {-1, TYPE_BATTERS, 0, 0},
        {31, TYPE_PITCHERS, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "team " << c.team << " type " << c.playerType);
        const ViewRange range = GetViewRange(c.team, c.playerType);
        EXPECT_EQ(range.first, c.first);
        EXPECT_EQ(range.end, c.end);
    }
}

TEST(TeamViewTest, TheTeamTableInSelectorOrder) {
    const std::vector<std::string> expected = {
        "ANGELS",    "ORIOLES",   "RED_SOX",       "WHITE_SOX", "INDIANS",  "TIGERS",
        "ROYALS",    "TWINS",     "YANKEES",       "ATHLETICS", "MARINERS", "DEVIL RAYS",
        "RANGERS",   "BLUE_JAYS", "DIAMOND BACKS", "BRAVES",    "CUBS",     "REDS",
        "ROCKIES",   "MARLINS",   "ASTROS",        "DODGERS",   "BREWERS",  "EXPOS",
        "METS",      "PHILLIES",  "PIRATES",       "PADRES",    "GIANTS",   "CARDINALS",
        "---TEMP---"};
    ASSERT_EQ(TEAM_NAMES.size(), expected.size());
    for (int team = 0; team <= TEMP_TEAM; ++team)
        EXPECT_EQ(GetTeamName(team), expected[static_cast<std::size_t>(team)]) << team;
    EXPECT_EQ(GetTeamName(-1), nullptr);
    EXPECT_EQ(GetTeamName(TEMP_TEAM + 1), nullptr);
}

TEST(TeamViewTest, OnlyStoredTeamsCanBeEdited) {
    const std::pair<int, bool> cases[] = {{0, true}, {17, true}, {29, true}, {TEMP_TEAM, false}};
    for (const auto& [team, editable] : cases)
        EXPECT_EQ(CanEdit(team), editable) << team;
}

// A roster whose slots hold the lines under test, loaded from a file in a fresh folder.
class EntryTest : public ::testing::Test {
protected:
    void Load(const std::vector<std::pair<int, std::string>>& replacements) {
        m_lines = MakeRosterLines();
        for (const auto& [slot, line] : replacements)
            m_lines[static_cast<std::size_t>(slot)] = line;
        const auto path = m_folder.WriteFile("rosters.txt", JoinLines(m_lines));
        m_store = std::make_unique<CRosterStore>(path.string());
        ASSERT_TRUE(m_store->Load());
    }

    CTempFolder m_folder;
    std::vector<std::string> m_lines;
    std::unique_ptr<CRosterStore> m_store;
};

// A player line in the fixed layout with the given name columns and detail block.
std::string PlayerLine(std::string name, std::string detail) {
    name.resize(24, ' ');
    return name +
           "# SOUNDFL 12 S1 NO BLK 6-1 190 R R 100 300 200 040 080 050 10 02 05 040 030 "
           "060 010 PX0001 " +
           detail;
}

const std::string BATTER_DETAIL = "SS 004 1 2 3 4 5 6 7 8 9 1 2 3 4";
const std::string PITCHER_DETAIL = "07 05 060 150 1 30 02 00 140 050 120 5 6 7 8 9 1 2 3 4 5 6 7";

TEST_F(EntryTest, EntriesShowTheFirstSemicolonAsABlank) {
    struct Case {
        const char* name;
        int slot;
        std::string line;
        std::string left;
        std::string right;
    };
    const std::string pad14(14, ' ');
    const Case cases[] = {
        {"batter", 1, PlayerLine("Last;First", BATTER_DETAIL), "SS Last First" + pad14,
         "Last First" + pad14},
        {"pitcher", 16, PlayerLine("Last;First", PITCHER_DETAIL), "07 Last First" + pad14,
         "Last First" + pad14},
        {"no semicolon", 2, PlayerLine("Nobody", BATTER_DETAIL), "***** Error in Name *****",
         "***** Error in Name *****"},
        {"two semicolons", 3, PlayerLine("One;Two;Three", BATTER_DETAIL),
         "SS One Two;Three" + std::string(11, ' '), "One Two;Three" + std::string(11, ' ')},
        {"semicolon in the prefix", 4, PlayerLine("Last;First", ";S 004 1 2 3"),
         " S Last;First" + pad14, "Last First" + pad14},
        {"name filling all 24 columns", 5, PlayerLine("Abcdefghijkl;Mnopqrstuvw", BATTER_DETAIL),
         "SS Abcdefghijkl Mnopqrstuvw", "Abcdefghijkl Mnopqrstuvw"},
        {"line shorter than the name", 6, "Ab;Cd", "Ab Cd", "Ab Cd"},
        {"short line without semicolon", 7, "Abcd", "***** Error in Name *****",
         "***** Error in Name *****"},
        {"line ending inside the prefix", 8, PlayerLine("Last;First", "R"), "RLast First" + pad14,
         "Last First" + pad14},
        {"line ending before the prefix", 9, PlayerLine("Last;First", "").substr(0, 115),
         "Last First" + pad14, "Last First" + pad14},
    };
    std::vector<std::pair<int, std::string>> replacements;
    for (const Case& c : cases)
        replacements.emplace_back(c.slot, c.line);
    Load(replacements);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatEntry(*m_store, c.slot, ListSide::Left), c.left);
        EXPECT_EQ(FormatEntry(*m_store, c.slot, ListSide::Right), c.right);
        EXPECT_EQ(m_store->GetLine(c.slot), c.line) << "the line itself is not changed";
    }
}

TEST_F(EntryTest, EveryEntryOfTheSampleFitsItsList) {
    Load({});
    for (int team = 0; team <= TEMP_TEAM; ++team) {
        for (int type : {TYPE_BATTERS, TYPE_PITCHERS}) {
            const ViewRange range = GetViewRange(team, type);
            for (int slot = range.first; slot < range.end; ++slot) {
                const std::string left = FormatEntry(*m_store, slot, ListSide::Left);
                const std::string right = FormatEntry(*m_store, slot, ListSide::Right);
                EXPECT_EQ(left.size(), 27u) << slot;
                EXPECT_EQ(right.size(), 24u) << slot;
                EXPECT_EQ(left.substr(3), right) << slot;
            }
        }
    }
}

TEST_F(EntryTest, TempEntriesShowThePlaceholderAndTheCopiedNamesEnd) {
    Load({{0, PlayerLine("Longfellow;Maximilian", BATTER_DETAIL)}});
    EXPECT_EQ(FormatEntry(*m_store, 750, ListSide::Right), "---Player Temp---lian   ");
    EXPECT_EQ(FormatEntry(*m_store, 750, ListSide::Left), "SS ---Player Temp---lian   ");
    EXPECT_EQ(FormatEntry(*m_store, 0, ListSide::Right), "Longfellow Maximilian   ");
}

// A placeholder traded from the TEMP team into team 0 can be edited there; the player traded
// out cannot while he is in the TEMP team.
TEST_F(EntryTest, TradingWithTheTempTeamMovesEditability) {
    Load({});
    const ViewRange left = GetViewRange(0, TYPE_BATTERS);
    const ViewRange right = GetViewRange(TEMP_TEAM, TYPE_BATTERS);
    const std::string traded = FormatEntry(*m_store, left.first + 3, ListSide::Right);
    const std::string placeholder = FormatEntry(*m_store, right.first, ListSide::Left);

    m_store->Trade(left.first + 3, right.first);
    EXPECT_EQ(FormatEntry(*m_store, left.first + 3, ListSide::Left), placeholder);
    EXPECT_EQ(FormatEntry(*m_store, right.first, ListSide::Right), traded);
    EXPECT_TRUE(CanEdit(0));
    EXPECT_FALSE(CanEdit(TEMP_TEAM));
}

TEST_F(EntryTest, ASlotWithoutALineGivesAnEmptyEntry) {
    Load({});
    EXPECT_EQ(FormatEntry(*m_store, -1, ListSide::Left), "");
    EXPECT_EQ(FormatEntry(*m_store, SLOT_COUNT, ListSide::Right), "");
    m_store->Close();
    EXPECT_EQ(FormatEntry(*m_store, 0, ListSide::Left), "");
}

} // namespace
