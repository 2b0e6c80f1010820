// Editing players through the main window: from a double click to the bytes of rosters.txt, with
// Cancel at each level, the TEMP team, and lines that do not fit the memory they were read into.
#include "ui/roster_dlg.h"

#include "roster/slots.h"
#include "tests/support/roster_fixture.h"
#include "tests/support/scripted_host.h"
#include "tests/support/ui_fixture.h"
#include "ui/res/roster_ids.h"
#include "ui/res/stats_ids.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr char BATTER_LINE[] = "Tobin;Marsh             # TMARSH  17 S2 F1 H03 6-1 195 R R 142 512 "
                               "388 081 149 112 28 04 17 077 054 098 012 TMAR01 "
                               "CF 037 7 6 5 4 3 8 7 6 5 4 2 1 9";
constexpr char PITCHER_LINE[] =
    "Ezra;Quill              # EQUILL  31 S1 F0 H12 6-3 210 L L 034 012 "
    "009 001 002 001 00 00 00 001 000 005 000 EQUI01 "
    "12 07 065 180 2 30 02 00 160 044 150 8 7 6 5 4 7 8 6 5 2 3 1";
// A line cut off after "At Bats:", and a batter line whose detail block is six characters.
constexpr char SHORT_LINE[] = "Wade;Short              # WSHORT  08 S3 F0 H02 5-9 170 L R 101 340";
constexpr char SHORT_DETAIL_LINE[] = "Cal;Brief               # CBRIEF  44 S1 F1 H04 6-0 188 R R "
                                     "120 400 300 050 110 080 20 02 09 055 040 070 006 CBRI01 "
                                     "SS 004";
static_assert(sizeof(SHORT_LINE) - 1 == 66);
static_assert(sizeof(SHORT_DETAIL_LINE) - 1 == 121);

constexpr int BATTER_SLOT = 0;
constexpr int SHORT_SLOT = 2;
constexpr int SHORT_DETAIL_SLOT = 3;
constexpr int PITCHER_SLOT = 15;

constexpr char MAIN_CAPTION[] = "Roster Editor";

// The generated roster with our own lines in team 0 (ANGELS), which the left list shows first.
std::vector<std::string> RosterLines() {
    std::vector<std::string> lines = roster_fixture::MakeRosterLines();
    lines[BATTER_SLOT] = BATTER_LINE;
    lines[SHORT_SLOT] = SHORT_LINE;
    lines[SHORT_DETAIL_SLOT] = SHORT_DETAIL_LINE;
    lines[PITCHER_SLOT] = PITCHER_LINE;
    return lines;
}

std::string RosterBytes(const std::vector<std::string>& lines) {
    return roster_fixture::JoinLines(lines);
}

// Runs the main window on the roster, through the dialogs the test's host expects, and returns
// the file as the editor left it.
std::string RunEditor(const std::vector<std::string>& lines) {
    ui_fixture::CRosterFolder folder(RosterBytes(lines));
    {
        CRosterDlg dlg;
        dlg.DoModal();
    }
    return folder.ReadRoster().value_or("(no file)");
}

TEST(EditFlow, ABatterEditedEndToEndReachesTheFile) {
    ScriptedHost host;
    host.ExpectDialog(MAIN_CAPTION).DoubleClick(IDC_LEFT_LIST, BATTER_SLOT).PressEnter();
    host.ExpectDialog("Player Stats")
        .Type(IDC_HOME_RUNS, "23")
        .Click(IDC_EDIT_BAT_STATS)
        .Click(IDOK);
    host.ExpectDialog("Batter Stats").Type(IDC_SPEED, "9").Click(IDC_ALT_SS).PressEnter();

    std::vector<std::string> lines = RosterLines();
    const std::string after = RunEditor(lines);
    lines[BATTER_SLOT] = "Tobin;Marsh             # TMARSH  17 S2 F1 H03 6-1 195 R R 142 512 388 "
                         "081 149 112 28 04 23 077 054 098 012 TMAR01 "
                         "CF 053 7 6 5 4 3 9 7 6 5 4 2 1 9";
    EXPECT_EQ(after, RosterBytes(lines));
}

TEST(EditFlow, APitcherEditReachesTheFile) {
    ScriptedHost host;
    host.ExpectDialog(MAIN_CAPTION)
        .Click(IDC_PITCHERS)
        .DoubleClick(IDC_LEFT_LIST, PITCHER_SLOT - BATTER_SLOTS)
        .PressEnter();
    host.ExpectDialog("Player Stats")
        .Check([](CDialog& dialog) {
            EXPECT_TRUE(Control(dialog, IDC_EDIT_PITCH_STATS).enabled);
            EXPECT_FALSE(Control(dialog, IDC_EDIT_BAT_STATS).enabled);
        })
        .Type(IDC_STRIKEOUTS, "6")
        .Click(IDC_EDIT_PITCH_STATS)
        .Click(IDOK);
    host.ExpectDialog("Pitcher Stats").Type(IDC_THIRD, "1").Type(IDC_SAVES, "3").PressEnter();

    std::vector<std::string> lines = RosterLines();
    const std::string after = RunEditor(lines);
    lines[PITCHER_SLOT] = "Ezra;Quill              # EQUILL  31 S1 F0 H12 6-3 210 L L 034 012 009 "
                          "001 002 001 00 00 00 001 000 006 000 EQUI01 "
                          "12 07 065 180 1 30 02 03 160 044 150 8 7 6 5 4 7 8 6 5 2 3 1";
    EXPECT_EQ(after, RosterBytes(lines));
}

// Cancel at any of the three levels leaves the file as it was, though the level below said OK.
struct CancelCase {
    const char* description;
    std::function<void(ScriptedHost&)> expect;
};

const std::vector<CancelCase> CANCEL_CASES = {
    {"Batter Stats",
     [](ScriptedHost& host) {
         host.ExpectDialog(MAIN_CAPTION).DoubleClick(IDC_LEFT_LIST, BATTER_SLOT).PressEnter();
         host.ExpectDialog("Player Stats").Click(IDC_EDIT_BAT_STATS).Click(IDOK);
         host.ExpectDialog("Batter Stats").Type(IDC_SPEED, "1").Click(IDC_ALT_C).Click(IDCANCEL);
     }},
    {"Player Stats",
     [](ScriptedHost& host) {
         host.ExpectDialog(MAIN_CAPTION).DoubleClick(IDC_LEFT_LIST, BATTER_SLOT).PressEnter();
         host.ExpectDialog("Player Stats")
             .Type(IDC_HOME_RUNS, "23")
             .Click(IDC_EDIT_BAT_STATS)
             .PressEscape();
         host.ExpectDialog("Batter Stats").Type(IDC_SPEED, "1").PressEnter();
     }},
    {"main window",
     [](ScriptedHost& host) {
         host.ExpectDialog(MAIN_CAPTION)
             .DoubleClick(IDC_LEFT_LIST, BATTER_SLOT)
             .Click(IDC_PITCHERS)
             .DoubleClick(IDC_LEFT_LIST, PITCHER_SLOT - BATTER_SLOTS)
             .Click(IDCANCEL);
         host.ExpectDialog("Player Stats").Type(IDC_HOME_RUNS, "23").PressEnter();
         host.ExpectDialog("Player Stats")
             .Type(IDC_WEIGHT, "200")
             .Click(IDC_EDIT_PITCH_STATS)
             .Click(IDOK);
         host.ExpectDialog("Pitcher Stats").Type(IDC_WINS, "20").PressEnter();
     }},
};

TEST(EditFlow, CancelAtAnyLevelLeavesTheLineUnchanged) {
    for (const CancelCase& test : CANCEL_CASES) {
        SCOPED_TRACE(test.description);
        ScriptedHost host;
        test.expect(host);
        const std::vector<std::string> lines = RosterLines();
        EXPECT_EQ(RunEditor(lines), RosterBytes(lines));
    }
}

// An edit that makes a line longer than the memory it was read into is kept whole, and the
// lines around it stay as they were.
struct LongerLineCase {
    const char* description;
    int slot;
    std::function<void(ScriptedHost&)> expect;
    const char* written;
};

const std::vector<LongerLineCase> LONGER_LINE_CASES = {
    {"a line cut short", SHORT_SLOT,
     [](ScriptedHost& host) {
         host.ExpectDialog("Player Stats")
             .Check([](CDialog& dialog) {
                 EXPECT_EQ(Control(dialog, IDC_AT_BATS).text, "340");
                 EXPECT_EQ(Control(dialog, IDC_RUNS).text, "0");
                 EXPECT_EQ(Control(dialog, IDC_PICTURE).text, "");
             })
             .Type(IDC_RUNS, "41")
             .PressEnter();
     },
     "Wade;Short              # WSHORT  08 S3 F0 H02 5-9 170 L R 101 340 000 041 000 000 00 00 "
     "00 000 000 000 000        "},
    {"a short detail block", SHORT_DETAIL_SLOT,
     [](ScriptedHost& host) {
         host.ExpectDialog("Player Stats").Click(IDC_EDIT_BAT_STATS).Click(IDOK);
         host.ExpectDialog("Batter Stats")
             .Check([](CDialog& dialog) {
                 EXPECT_EQ(Control(dialog, IDC_ALT_POSITION).text, "4");
                 EXPECT_EQ(Control(dialog, IDC_ALT_2B).check, BST_CHECKED);
                 EXPECT_EQ(Control(dialog, IDC_SPEED).text, "0");
             })
             .Type(IDC_SPEED, "6")
             .PressEnter();
     },
     "Cal;Brief               # CBRIEF  44 S1 F1 H04 6-0 188 R R 120 400 300 050 110 080 20 02 "
     "09 055 040 070 006 CBRI01 SS 004 0 0 0 0 0 6 0 0 0 0 0 0 0"},
};

TEST(EditFlow, AnEditLongerThanItsLineIsKeptWhole) {
    for (const LongerLineCase& test : LONGER_LINE_CASES) {
        SCOPED_TRACE(test.description);
        ScriptedHost host;
        host.ExpectDialog(MAIN_CAPTION).DoubleClick(IDC_LEFT_LIST, test.slot).PressEnter();
        test.expect(host);

        std::vector<std::string> lines = RosterLines();
        const std::string after = RunEditor(lines);
        lines[test.slot] = test.written;
        EXPECT_EQ(after, RosterBytes(lines));
    }
}

// The TEMP team's placeholders open nothing on either side; once traded into a stored team, a
// placeholder is a player like any other.
TEST(EditFlow, TempPlayersOpenNothingButATradedPlaceholderIsEditable) {
    ScriptedHost host;
    host.ExpectDialog(MAIN_CAPTION)
        .Select(IDC_LEFT_TEAM, TEMP_TEAM)
        .DoubleClick(IDC_LEFT_LIST, 4)
        .Check([](CDialog& dialog) {
            EXPECT_EQ(Control(dialog, IDC_LEFT_LIST).currentSelection, 4) << "no refill";
        })
        .Select(IDC_LEFT_TEAM, 0)
        .Select(IDC_RIGHT_TEAM, TEMP_TEAM)
        .DoubleClick(IDC_RIGHT_LIST, 0)
        .Check([](CDialog& dialog) {
            EXPECT_EQ(Control(dialog, IDC_RIGHT_LIST).currentSelection, 0) << "no refill";
        })
        .Select(IDC_LEFT_LIST, 1)
        .Click(IDC_TRADE)
        .DoubleClick(IDC_LEFT_LIST, 1)
        .PressEnter();
    host.ExpectDialog("Player Stats")
        .Check([](CDialog& dialog) {
            EXPECT_EQ(Control(dialog, IDC_NAME).text, "---Player;Temp---       ");
        })
        .Type(IDC_NAME, "Nova;Reyes")
        .PressEnter();

    std::vector<std::string> lines = RosterLines();
    const std::string after = RunEditor(lines);
    EXPECT_EQ(host.DialogsOpened(), (std::vector<std::string>{MAIN_CAPTION, "Player Stats"}));
    // Slot 1 now holds the placeholder seeded from team 0's first line, renamed.
    lines[1] = std::string("Nova;Reyes              ") + (BATTER_LINE + 24);
    EXPECT_EQ(after, RosterBytes(lines));
}

} // namespace
