// The main roster window and the application object, run through the scripted host on real
// roster files in a temporary working folder.
#include "ui/roster_dlg.h"

#include "platform/app.h"
#include "platform/file.h"
#include "platform/system_calls.h"
#include "records/player_record.h"
#include "roster/slots.h"
#include "roster/team_view.h"
#include "tests/support/roster_fixture.h"
#include "tests/support/scripted_host.h"
#include "tests/support/ui_fixture.h"
#include "ui/res/resource.h"
#include "ui/res/roster_ids.h"
#include "ui/res/stats_ids.h"
#include "ui/roster_editor_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using roster_fixture::JoinLines;
using roster_fixture::MakeRosterFile;
using roster_fixture::MakeRosterLines;
using roster_fixture::RosterVariant;
using ui_fixture::CRosterFolder;

constexpr char MAIN_CAPTION[] = "Roster Editor";
constexpr char PLAYER_STATS_CAPTION[] = "Player Stats";
constexpr char ABOUT_CAPTION[] = "About Roster Editor";
constexpr char CANNOT_OPEN[] = "Can't open rosters.txt";

CRosterDlg& Roster(CDialog& dialog) {
    return static_cast<CRosterDlg&>(dialog);
}

/// What the slot table should hold, kept by the test on its own: the file's lines, then the
/// TEMP team made from copies of team 0 with the placeholder name over their start.
struct RosterModel {
    std::vector<std::string> slots;

    explicit RosterModel(const std::vector<std::string>& lines) : slots(lines) {
        for (int slot = 0; slot < TEAM_SLOTS; ++slot) {
            std::string line = lines[static_cast<std::size_t>(slot)];
            line.replace(0, std::min<std::size_t>(TEMP_NAME_LENGTH, line.size()), TEMP_NAME,
                         std::min<std::size_t>(TEMP_NAME_LENGTH, line.size()));
            slots.push_back(line);
        }
    }
    const std::string& Line(int slot) const { return slots.at(static_cast<std::size_t>(slot)); }
    void Trade(int left, int right) {
        std::swap(slots.at(static_cast<std::size_t>(left)),
                  slots.at(static_cast<std::size_t>(right)));
    }
    std::string FileBytes() const {
        return JoinLines({slots.begin(), slots.begin() + STORED_SLOTS});
    }
};

/// The first slot of a team's batters or pitchers.
int FirstSlot(int team, int type) {
    return team * TEAM_SLOTS + (type == TYPE_BATTERS ? 0 : BATTER_SLOTS);
}

/// An entry as the user should read it: the left list puts the three columns from 115 in front
/// of the 24 name columns, and the first ';' shows as a blank.
std::string ExpectedEntry(const std::string& line, bool left) {
    std::string entry = left ? line.substr(115, 3) : std::string();
    entry += line.substr(0, 24);
    const std::size_t separator = entry.find(';');
    if (separator == std::string::npos)
        return "***** Error in Name *****";
    entry[separator] = ' ';
    return entry;
}

std::vector<std::string> Texts(const WindowState& list) {
    std::vector<std::string> texts;
    for (const ListItem& item : list.items)
        texts.push_back(item.text);
    return texts;
}

std::vector<int> Slots(const WindowState& list) {
    std::vector<int> slots;
    for (const ListItem& item : list.items)
        slots.push_back(static_cast<int>(item.data));
    return slots;
}

/// Checks that a list shows a team's view, entry by entry, as the model has it.
void ExpectListShows(CDialog& dialog, int listId, const RosterModel& model, int team, int type) {
    const WindowState& list = Control(dialog, listId);
    const bool left = listId == IDC_LEFT_LIST;
    const int count = type == TYPE_BATTERS ? BATTER_SLOTS : TEAM_SLOTS - BATTER_SLOTS;
    std::vector<int> slots;
    std::vector<std::string> texts;
    for (int slot = FirstSlot(team, type); slot < FirstSlot(team, type) + count; ++slot) {
        slots.push_back(slot);
        texts.push_back(ExpectedEntry(model.Line(slot), left));
    }
    EXPECT_EQ(Slots(list), slots) << "list " << listId;
    EXPECT_EQ(Texts(list), texts) << "list " << listId;
}

/// Both lists, the selectors and the radio buttons show this view.
void ExpectView(CDialog& dialog, const RosterModel& model, int leftTeam, int rightTeam, int type) {
    EXPECT_EQ(Control(dialog, IDC_LEFT_TEAM).currentSelection, leftTeam);
    EXPECT_EQ(Control(dialog, IDC_RIGHT_TEAM).currentSelection, rightTeam);
    EXPECT_EQ(Control(dialog, IDC_BATTERS).check, type == TYPE_BATTERS ? 1 : 0);
    EXPECT_EQ(Control(dialog, IDC_PITCHERS).check, type == TYPE_BATTERS ? 0 : 1);
    ExpectListShows(dialog, IDC_LEFT_LIST, model, leftTeam, type);
    ExpectListShows(dialog, IDC_RIGHT_LIST, model, rightTeam, type);
}

/// Chooses the view by the selectors and the radio buttons, as a user would.
void ChooseView(DialogScript& script, int leftTeam, int rightTeam, int type) {
    script.Select(IDC_LEFT_TEAM, leftTeam).Select(IDC_RIGHT_TEAM, rightTeam);
    script.Click(type == TYPE_BATTERS ? IDC_BATTERS : IDC_PITCHERS);
}

/// The system calls with one kind of call failing from its n-th use on, a given number of times.
class FailingCalls : public CSystemCalls {
public:
    enum class Call { Read, Write, Fsync, Allocate };

    FailingCalls(Call call, int failFrom, int error, int failures = 1)
        : m_call(call), m_failFrom(failFrom), m_error(error), m_failuresLeft(failures) {}

    ssize_t Read(int fd, void* buffer, std::size_t count) override {
        if (Fails(Call::Read))
            return -1;
        return CSystemCalls::Read(fd, buffer, count);
    }
    ssize_t Write(int fd, const void* buffer, std::size_t count) override {
        if (Fails(Call::Write))
            return -1;
        return CSystemCalls::Write(fd, buffer, count);
    }
    int Fsync(int fd) override {
        if (Fails(Call::Fsync))
            return -1;
        return CSystemCalls::Fsync(fd);
    }
    void* Allocate(std::size_t size) override {
        if (Fails(Call::Allocate))
            return nullptr;
        return CSystemCalls::Allocate(size);
    }

private:
    bool Fails(Call call) {
        if (call != m_call || ++m_uses < m_failFrom || m_failuresLeft == 0)
            return false;
        --m_failuresLeft;
        errno = m_error;
        return true;
    }

    Call m_call;
    int m_failFrom;
    int m_error;
    int m_failuresLeft;
    int m_uses = 0;
};

class RosterDlgTest : public ::testing::Test {
protected:
    const std::vector<std::string> lines = MakeRosterLines();
    const std::string original = JoinLines(lines);
    const RosterModel loaded{lines};
    ScriptedHost host;
};

// --- Opening ----------------------------------------------------------------------------------

TEST_F(RosterDlgTest, OpensOnAngelsAndOriolesBattersWithFocusOnLeftSelector) {
    CRosterFolder folder(original);
    host.ExpectDialog(MAIN_CAPTION)
        .Check([&](CDialog& dialog) {
            ExpectView(dialog, loaded, 0, 1, TYPE_BATTERS);
            const std::vector<std::string> left = Texts(Control(dialog, IDC_LEFT_LIST));
            ASSERT_EQ(left.size(), 15u);
            EXPECT_EQ(left[0], " C Abernathy Chet          ");
            EXPECT_EQ(left[3], "3B Wakefield Desmond       ");
            EXPECT_EQ(left[14], "RF Zeller Nolan            ");
            const std::vector<std::string> right = Texts(Control(dialog, IDC_RIGHT_LIST));
            ASSERT_EQ(right.size(), 15u);
            EXPECT_EQ(right[0], "Ibarra Caleb            ");
            EXPECT_EQ(right[2], "Hargrove Ruben          ");
            EXPECT_EQ(Control(dialog, IDC_LEFT_LIST).currentSelection, -1);
            EXPECT_EQ(Control(dialog, IDC_RIGHT_LIST).currentSelection, -1);
            EXPECT_EQ(FocusedControlId(dialog), IDC_LEFT_TEAM);
            EXPECT_EQ(dialog.m_hWnd->bigIcon, &MainFrameIcon());
            EXPECT_EQ(dialog.m_hWnd->smallIcon, &MainFrameIcon());
            EXPECT_EQ(Roster(dialog).m_nLeftTeam, 0);
            EXPECT_EQ(Roster(dialog).m_nRightTeam, 1);
            EXPECT_EQ(Roster(dialog).m_nType, TYPE_BATTERS);
        })
        .PressEscape();
    CRosterDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(host.MessageBoxes().empty());
    EXPECT_EQ(folder.ReadRoster(), original);
}

TEST_F(RosterDlgTest, BothSelectorsListTheTeamsInIndexOrder) {
    CRosterFolder folder(original);
    host.ExpectDialog(MAIN_CAPTION)
        .Check([](CDialog& dialog) {
            for (const int selector : {IDC_LEFT_TEAM, IDC_RIGHT_TEAM}) {
                const std::vector<std::string> items = Texts(Control(dialog, selector));
                ASSERT_EQ(items.size(), 31u) << selector;
                for (int team = 0; team <= TEMP_TEAM; ++team)
                    EXPECT_EQ(items[static_cast<std::size_t>(team)], GetTeamName(team));
                EXPECT_EQ(items[0], "ANGELS");
                EXPECT_EQ(items[11], "DEVIL RAYS");
                EXPECT_EQ(items[13], "BLUE_JAYS");
                EXPECT_EQ(items[14], "DIAMOND BACKS");
                EXPECT_EQ(items[29], "CARDINALS");
                EXPECT_EQ(items[30], "---TEMP---");
            }
        })
        .PressEscape();
    CRosterDlg dlg;
    dlg.DoModal();
}

struct ExpectedControl {
    ControlKind kind;
    int id;
    const char* text;
    int x, y, cx, cy;
    DWORD style; // every style bit the control must carry
};

TEST(RosterTemplate, FrameAndElevenControlsInTemplateOrder) {
    constexpr DWORD selector = WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
    constexpr DWORD list =
        WS_VISIBLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP;
    const std::vector<ExpectedControl> expected = {
        {ControlKind::ComboBox, 1000, "", 5, 5, 100, 85, selector},
        {ControlKind::ListBox, 1001, "", 5, 20, 100, 125, list},
        {ControlKind::ComboBox, 1004, "", 110, 5, 100, 85, selector},
        {ControlKind::ListBox, 1005, "", 110, 20, 100, 125, list},
        {ControlKind::RadioButton, 1003, "Batters", 220, 50, 38, 10, WS_VISIBLE | WS_GROUP},
        {ControlKind::RadioButton, 1002, "Pitchers", 220, 60, 41, 10, WS_VISIBLE},
        {ControlKind::GroupBox, IDC_STATIC, "Player Type", 215, 40, 50, 35, WS_VISIBLE | WS_GROUP},
        {ControlKind::PushButton, 1050, "Trade", 215, 80, 50, 14, WS_VISIBLE | WS_TABSTOP},
        {ControlKind::DefPushButton, IDOK, "OK", 215, 5, 50, 14,
         WS_VISIBLE | WS_GROUP | WS_TABSTOP},
        {ControlKind::PushButton, IDCANCEL, "Cancel", 215, 21, 50, 14, WS_VISIBLE | WS_TABSTOP},
        {ControlKind::PushButton, 1059, "About", 215, 130, 50, 15, WS_VISIBLE | WS_TABSTOP},
    };
    const DialogTemplate& roster = RosterDialogTemplate();
    EXPECT_EQ(roster.id, IDD_ROSTEREDITOR_DIALOG);
    EXPECT_EQ(roster.caption, MAIN_CAPTION);
    EXPECT_EQ(roster.cx, 272);
    EXPECT_EQ(roster.cy, 151);
    EXPECT_EQ(roster.style,
              WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    EXPECT_EQ(roster.exStyle, WS_EX_APPWINDOW);
    EXPECT_EQ(roster.fontName, "MS Sans Serif");
    EXPECT_EQ(roster.fontPointSize, 8);
    ASSERT_EQ(roster.controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ControlTemplate& control = roster.controls[i];
        SCOPED_TRACE(expected[i].id);
        EXPECT_EQ(control.kind, expected[i].kind);
        EXPECT_EQ(control.id, expected[i].id);
        EXPECT_EQ(control.text, expected[i].text);
        EXPECT_EQ(control.x, expected[i].x);
        EXPECT_EQ(control.y, expected[i].y);
        EXPECT_EQ(control.cx, expected[i].cx);
        EXPECT_EQ(control.cy, expected[i].cy);
        EXPECT_EQ(control.style & expected[i].style, expected[i].style);
        if (control.kind == ControlKind::ComboBox) {
            EXPECT_EQ(control.style & CBS_SORT, 0u);
        }
        if (control.kind == ControlKind::ListBox) {
            EXPECT_EQ(control.style & LBS_SORT, 0u);
        }
        if (control.kind == ControlKind::RadioButton) {
            EXPECT_EQ(control.style & WS_TABSTOP, 0u);
        }
    }
    ASSERT_EQ(roster.initItems.size(), 2u);
    EXPECT_EQ(roster.initItems[0].id, IDC_LEFT_TEAM);
    EXPECT_EQ(roster.initItems[1].id, IDC_RIGHT_TEAM);
}

// Tab walks the stops in template order; the radio buttons and the group box are not stops.
TEST_F(RosterDlgTest, TabVisitsTheControlsInTemplateOrder) {
    CRosterFolder folder(original);
    const std::vector<int> order = {IDC_LEFT_LIST, IDC_RIGHT_TEAM, IDC_RIGHT_LIST, IDC_TRADE,
                                    IDOK,          IDCANCEL,       IDC_ABOUT,      IDC_LEFT_TEAM};
    DialogScript& script = host.ExpectDialog(MAIN_CAPTION);
    for (const int expected : order) {
        script.PressTab().Check(
            [expected](CDialog& dialog) { EXPECT_EQ(FocusedControlId(dialog), expected); });
    }
    script.PressEscape();
    CRosterDlg dlg;
    dlg.DoModal();
}

// --- Choosing the view ------------------------------------------------------------------------

struct ViewCase {
    const char* name;
    std::function<void(DialogScript&)> act;
    int leftTeam;
    int rightTeam;
    int type;
};

void PrintTo(const ViewCase& value, std::ostream* out) {
    *out << value.name;
}

class RosterViewTest : public RosterDlgTest, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(RosterViewTest, RefillsBothListsAndDropsTheSelections) {
    const ViewCase& view = GetParam();
    CRosterFolder folder(original);
    DialogScript& script = host.ExpectDialog(MAIN_CAPTION);
    script.Select(IDC_LEFT_LIST, 2).Select(IDC_RIGHT_LIST, 4);
    view.act(script);
    script
        .Check([&](CDialog& dialog) {
            ExpectView(dialog, loaded, view.leftTeam, view.rightTeam, view.type);
            EXPECT_EQ(Control(dialog, IDC_LEFT_LIST).currentSelection, -1);
            EXPECT_EQ(Control(dialog, IDC_RIGHT_LIST).currentSelection, -1);
            EXPECT_EQ(Roster(dialog).m_nLeftTeam, view.leftTeam);
            EXPECT_EQ(Roster(dialog).m_nRightTeam, view.rightTeam);
            EXPECT_EQ(Roster(dialog).m_nType, view.type);
        })
        .PressEscape();
    CRosterDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(folder.ReadRoster(), original);
}

INSTANTIATE_TEST_SUITE_P(
    Views, RosterViewTest,
    ::testing::Values(
        ViewCase{"Pitchers", [](DialogScript& s) { s.Click(IDC_PITCHERS); }, 0, 1, TYPE_PITCHERS},
        ViewCase{"PitchersThenBatters",
                 [](DialogScript& s) { s.Click(IDC_PITCHERS).Click(IDC_BATTERS); }, 0, 1,
                 TYPE_BATTERS},
        ViewCase{"TempOnTheLeft", [](DialogScript& s) { s.Select(IDC_LEFT_TEAM, TEMP_TEAM); },
                 TEMP_TEAM, 1, TYPE_BATTERS},
        ViewCase{"TempPitchersOnTheRight",
                 [](DialogScript& s) { s.Select(IDC_RIGHT_TEAM, TEMP_TEAM).Click(IDC_PITCHERS); },
                 0, TEMP_TEAM, TYPE_PITCHERS},
        ViewCase{"SameTeamBothSides", [](DialogScript& s) { s.Select(IDC_RIGHT_TEAM, 0); }, 0, 0,
                 TYPE_BATTERS},
        ViewCase{"LastStoredTeamsPitchers",
                 [](DialogScript& s) { ChooseView(s, 29, 28, TYPE_PITCHERS); }, 29, 28,
                 TYPE_PITCHERS}),
    [](const ::testing::TestParamInfo<ViewCase>& info) { return info.param.name; });

TEST_F(RosterDlgTest, TempEntriesShowThePlaceholderName) {
    CRosterFolder folder(original);
    host.ExpectDialog(MAIN_CAPTION)
        .Select(IDC_RIGHT_TEAM, TEMP_TEAM)
        .Check([&](CDialog& dialog) {
            for (const std::string& entry : Texts(Control(dialog, IDC_RIGHT_LIST)))
                EXPECT_EQ(entry.substr(0, 17), "---Player Temp---");
            // The rest of the name field comes from the team 0 line it was copied from.
            EXPECT_EQ(Texts(Control(dialog, IDC_RIGHT_LIST))[0],
                      "---Player Temp---" + lines[0].substr(17, 7));
        })
        .PressEscape();
    CRosterDlg dlg;
    dlg.DoModal();
}

// --- Trading ------------------------------------------------------------------------------------

/// One trade: the view to choose, then the list positions to select (-1: leave unselected).
struct TradeStep {
    int leftTeam;
    int rightTeam;
    int type;
    int leftIndex;
    int rightIndex;
};

struct TradeCase {
    const char* name;
    std::vector<TradeStep> steps;
};

void PrintTo(const TradeCase& value, std::ostream* out) {
    *out << value.name;
}

/// Adds the trades to the script, checks the lists after each, and returns the model after all.
RosterModel ScriptTrades(DialogScript& script, RosterModel model,
                         const std::vector<TradeStep>& steps) {
    for (const TradeStep& step : steps) {
        ChooseView(script, step.leftTeam, step.rightTeam, step.type);
        if (step.leftIndex >= 0)
            script.Select(IDC_LEFT_LIST, step.leftIndex);
        if (step.rightIndex >= 0)
            script.Select(IDC_RIGHT_LIST, step.rightIndex);
        script.Click(IDC_TRADE);
        if (step.leftIndex >= 0 && step.rightIndex >= 0)
            model.Trade(FirstSlot(step.leftTeam, step.type) + step.leftIndex,
                        FirstSlot(step.rightTeam, step.type) + step.rightIndex);
        script.Check([model, step](CDialog& dialog) {
            ExpectView(dialog, model, step.leftTeam, step.rightTeam, step.type);
            EXPECT_EQ(Control(dialog, IDC_LEFT_LIST).currentSelection, -1);
            EXPECT_EQ(Control(dialog, IDC_RIGHT_LIST).currentSelection, -1);
        });
    }
    return model;
}

class RosterTradeTest : public RosterDlgTest, public ::testing::WithParamInterface<TradeCase> {};

TEST_P(RosterTradeTest, OkWritesTheTradedRoster) {
    CRosterFolder folder(original);
    DialogScript& script = host.ExpectDialog(MAIN_CAPTION);
    const RosterModel traded = ScriptTrades(script, loaded, GetParam().steps);
    script.Click(IDOK);
    CRosterDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(folder.ReadRoster(), traded.FileBytes());
    EXPECT_TRUE(host.MessageBoxes().empty());
}

TEST_P(RosterTradeTest, EveryWayOfCancellingLeavesTheFileAsItWas) {
    const std::vector<std::pair<const char*, std::function<void(DialogScript&)>>> exits = {
        {"Cancel button", [](DialogScript& s) { s.Click(IDCANCEL); }},
        {"Esc", [](DialogScript& s) { s.PressEscape(); }},
        {"close box", [](DialogScript& s) { s.CloseBox(); }},
    };
    for (const auto& [exitName, exit] : exits) {
        SCOPED_TRACE(exitName);
        CRosterFolder folder(original);
        DialogScript& script = host.ExpectDialog(MAIN_CAPTION);
        ScriptTrades(script, loaded, GetParam().steps);
        exit(script);
        CRosterDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(folder.ReadRoster(), original);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Trades, RosterTradeTest,
    ::testing::Values(
        TradeCase{"BattersOfTwoTeams", {{0, 1, TYPE_BATTERS, 3, 3}}},
        TradeCase{"Pitchers", {{0, 1, TYPE_PITCHERS, 0, 9}}},
        TradeCase{"SameTradeTwiceRestoresTheOrder",
                  {{0, 1, TYPE_BATTERS, 3, 3}, {0, 1, TYPE_BATTERS, 3, 3}}},
        TradeCase{"WithinOneTeam", {{5, 5, TYPE_BATTERS, 0, 14}}},
        TradeCase{"SameEntryOnBothSides", {{7, 7, TYPE_PITCHERS, 4, 4}}},
        TradeCase{"PlaceholderIntoAStoredTeam", {{0, TEMP_TEAM, TYPE_BATTERS, 2, 2}}},
        TradeCase{"StoredPlayerParkedAndBroughtBack",
                  {{3, TEMP_TEAM, TYPE_PITCHERS, 1, 6}, {TEMP_TEAM, 3, TYPE_PITCHERS, 6, 1}}},
        TradeCase{"ThroughTheTempTeam",
                  {{0, TEMP_TEAM, TYPE_BATTERS, 5, 0}, {TEMP_TEAM, 1, TYPE_BATTERS, 0, 5}}},
        TradeCase{"LastStoredTeams", {{29, 28, TYPE_PITCHERS, 9, 0}}},
        TradeCase{"LeftUnselected", {{0, 1, TYPE_BATTERS, -1, 3}}},
        TradeCase{"RightUnselected", {{0, 1, TYPE_BATTERS, 3, -1}}},
        TradeCase{"NothingSelected", {{2, 4, TYPE_PITCHERS, -1, -1}}}),
    [](const ::testing::TestParamInfo<TradeCase>& info) { return info.param.name; });

// --- A roster that cannot be loaded -------------------------------------------------------------

struct LoadFailureCase {
    const char* name;
    std::optional<std::string> bytes; // none: no rosters.txt at all
    /// Prepares the folder; whatever it returns is kept alive while the window runs.
    std::function<std::shared_ptr<void>(const CRosterFolder&)> prepare;
    std::string message;
    UINT type;
};

void PrintTo(const LoadFailureCase& value, std::ostream* out) {
    *out << value.name;
}

std::shared_ptr<void> NothingToPrepare(const CRosterFolder&) {
    return nullptr;
}

std::shared_ptr<void> MakeReadOnly(const CRosterFolder& folder) {
    std::filesystem::permissions(folder.GetRosterPath(), std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::group_read |
                                                             std::filesystem::perms::others_read);
    return nullptr;
}

std::shared_ptr<void> HoldWithAnotherFile(const CRosterFolder& folder) {
    auto file = std::make_shared<CFile>();
    EXPECT_TRUE(file->Open(folder.GetRosterPath().c_str(), CFile::modeReadWrite));
    return file;
}

std::shared_ptr<void> HoldWithAnotherEditor(const CRosterFolder& folder) {
    auto store = std::make_shared<CRosterStore>(folder.GetRosterPath().string());
    EXPECT_TRUE(store->Load());
    return store;
}

std::vector<LoadFailureCase> LoadFailureCases() {
    const std::string sample = roster_fixture::MakeSampleRoster();
    const std::string stop = "; a roster needs 750. The file was not changed.";
    const auto zeroInside = MakeRosterFile(RosterVariant::ZeroByteInLastLine);
    return {
        {"Missing", std::nullopt, NothingToPrepare, CANNOT_OPEN, MB_OK},
        {"ReadOnly", sample, MakeReadOnly, CANNOT_OPEN, MB_OK},
        {"HeldByAnotherFile", sample, HoldWithAnotherFile, CANNOT_OPEN, MB_OK},
        {"HeldByAnotherEditor", sample, HoldWithAnotherEditor, CANNOT_OPEN, MB_OK},
        {"TooFewLines", MakeRosterFile(RosterVariant::TooFewLines).bytes, NothingToPrepare,
         "rosters.txt holds 749 player lines" + stop, MB_OK | MB_ICONSTOP},
        {"OneLine", MakeRosterLines()[0] + "\r\n", NothingToPrepare,
         "rosters.txt holds 1 player line" + stop, MB_OK | MB_ICONSTOP},
        {"EmptyFile", std::string(), NothingToPrepare, "rosters.txt holds 0 player lines" + stop,
         MB_OK | MB_ICONSTOP},
        {"OnlyLineEnds", MakeRosterFile(RosterVariant::OnlyLineEnds).bytes, NothingToPrepare,
         "rosters.txt holds 0 player lines" + stop, MB_OK | MB_ICONSTOP},
        {"ZeroByteInALine", zeroInside.bytes, NothingToPrepare,
         "rosters.txt holds a zero byte at byte " + std::to_string(zeroInside.bytes.find('\0')) +
             ", inside its player lines, and cannot be edited safely. The file was not changed.",
         MB_OK | MB_ICONSTOP},
    };
}

class RosterLoadFailureTest : public RosterDlgTest,
                              public ::testing::WithParamInterface<LoadFailureCase> {};

TEST_P(RosterLoadFailureTest, ShowsTheMessageThenClosesAsCancelWritingNothing) {
    const LoadFailureCase& failure = GetParam();
    std::optional<CRosterFolder> folder;
    if (failure.bytes)
        folder.emplace(*failure.bytes);
    else
        folder.emplace();
    const std::vector<std::string> filesBefore = folder->ListFileNames();
    {
        const std::shared_ptr<void> held = failure.prepare(*folder);
        host.ExpectDialog(MAIN_CAPTION);
        host.ExpectMessageBox(failure.message);
        CRosterDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_FALSE(dlg.m_store.IsLoaded());
    }
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    EXPECT_EQ(host.MessageBoxes()[0].text, failure.message);
    EXPECT_EQ(host.MessageBoxes()[0].caption, AfxGetAppName());
    EXPECT_EQ(host.MessageBoxes()[0].type, failure.type);
    EXPECT_EQ(folder->ListFileNames(), filesBefore);
    EXPECT_EQ(folder->ReadRoster(), failure.bytes);
}

INSTANTIATE_TEST_SUITE_P(Failures, RosterLoadFailureTest, ::testing::ValuesIn(LoadFailureCases()),
                         [](const ::testing::TestParamInfo<LoadFailureCase>& info) {
                             return info.param.name;
                         });

// The close request is posted: the window must not act on an empty roster before it arrives.
TEST_F(RosterDlgTest, ListsStayEmptyUntilTheCloseArrives) {
    CRosterFolder folder;
    host.ExpectDialog(MAIN_CAPTION);
    host.ExpectMessageBox(CANNOT_OPEN);

    class ActingBeforeTheClose : public CRosterDlg {
    protected:
        BOOL OnInitDialog() override {
            const BOOL result = CRosterDlg::OnInitDialog();
            OnViewChange();
            OnTrade();
            EXPECT_EQ(m_leftList.GetCount(), 0);
            EXPECT_EQ(m_rightList.GetCount(), 0);
            return result;
        }
    } dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(folder.ListFileNames().empty());
}

TEST_F(RosterDlgTest, OkBeforeTheCloseArrivesClosesAsCancelWithoutWriting) {
    const std::string tooShort = MakeRosterFile(RosterVariant::TooFewLines).bytes;
    CRosterFolder folder(tooShort);
    host.ExpectDialog(MAIN_CAPTION);
    host.ExpectMessageBox("rosters.txt holds 749 player lines; a roster needs 750. The file was "
                          "not changed.");

    class EnterBeforeTheClose : public CRosterDlg {
    protected:
        BOOL OnInitDialog() override {
            const BOOL result = CRosterDlg::OnInitDialog();
            OnOK();
            return result;
        }
    } dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(folder.ReadRoster(), tooShort);
}

TEST_F(RosterDlgTest, ReadErrorShowsTheFileErrorAndClosesAsCancel) {
    CRosterFolder folder(original);
    const std::string fullPath = (std::filesystem::current_path() / "rosters.txt").string();
    const std::string message =
        CFileException(CFileException::Operation::Read, EIO, fullPath).GetErrorMessage();
    ASSERT_NE(message.find(fullPath), std::string::npos);
    FailingCalls failing(FailingCalls::Call::Read, 1, EIO);
    CSystemCallsScope scope(failing);
    host.ExpectDialog(MAIN_CAPTION);
    host.ExpectMessageBox(message);
    CRosterDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    EXPECT_EQ(host.MessageBoxes()[0].type, MB_OK | MB_ICONSTOP);
    EXPECT_EQ(host.MessageBoxes()[0].caption, AfxGetAppName());
    EXPECT_EQ(folder.ReadRoster(), original);
}

TEST_F(RosterDlgTest, RosterTooLargeForMemoryIsReportedAndClosesAsCancel) {
    CRosterFolder folder(original);
    FailingCalls failing(FailingCalls::Call::Allocate, 1, ENOMEM);
    CSystemCallsScope scope(failing);
    host.ExpectDialog(MAIN_CAPTION);
    host.ExpectMessageBox(
        "There is not enough memory to load rosters.txt. The file was not changed.");
    CRosterDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    EXPECT_EQ(host.MessageBoxes()[0].type, MB_OK | MB_ICONSTOP);
    EXPECT_EQ(folder.ReadRoster(), original);
}

// --- Saving -------------------------------------------------------------------------------------

TEST_F(RosterDlgTest, OkOnAnUntouchedRosterRewritesTheSameBytesAndReleasesTheFile) {
    CRosterFolder folder(original);
    host.ExpectDialog(MAIN_CAPTION).Click(IDOK);
    CRosterDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(folder.ReadRoster(), original);
    // The window's end closed the store: the file is free for the next program.
    EXPECT_FALSE(dlg.m_store.IsLoaded());
    CFile next;
    EXPECT_TRUE(next.Open(folder.GetRosterPath().c_str(), CFile::modeReadWrite));
}

TEST_F(RosterDlgTest, EnterSavesWhereverTheFocusIs) {
    for (const int focus : {IDC_LEFT_TEAM, IDC_LEFT_LIST, IDC_RIGHT_TEAM, IDC_RIGHT_LIST}) {
        SCOPED_TRACE(focus);
        CRosterFolder folder(original);
        RosterModel traded = loaded;
        traded.Trade(1, 26);
        host.ExpectDialog(MAIN_CAPTION)
            .Select(IDC_LEFT_LIST, 1)
            .Select(IDC_RIGHT_LIST, 1)
            .Click(IDC_TRADE)
            .Focus(focus)
            .PressEnter();
        CRosterDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(folder.ReadRoster(), traded.FileBytes());
    }
}

struct SaveFailureCase {
    const char* name;
    FailingCalls::Call call;
    int failFrom; // the n-th call of that kind during the save fails
    int error;
    CFileException::Operation operation;
    int linesWrittenBefore; // whole lines on the disk when the failure comes
};

void PrintTo(const SaveFailureCase& value, std::ostream* out) {
    *out << value.name;
}

class RosterSaveFailureTest : public RosterDlgTest,
                              public ::testing::WithParamInterface<SaveFailureCase> {
protected:
    std::string ExpectedMessage() const {
        const std::string fullPath = (std::filesystem::current_path() / "rosters.txt").string();
        return CFileException(GetParam().operation, GetParam().error, fullPath).GetErrorMessage();
    }
    /// A trade whose two lines both come early in the file.
    RosterModel Traded() const {
        RosterModel traded = loaded;
        traded.Trade(0, 28);
        return traded;
    }
    static DialogScript& TradeAndPressOk(DialogScript& script) {
        return script.Select(IDC_LEFT_LIST, 0)
            .Select(IDC_RIGHT_LIST, 3)
            .Click(IDC_TRADE)
            .Click(IDOK);
    }
};

TEST_P(RosterSaveFailureTest, WindowStaysOpenAndTheNextOkSavesFromTheFirstByte) {
    const SaveFailureCase& failure = GetParam();
    CRosterFolder folder(original);
    const std::string message = ExpectedMessage();
    ASSERT_NE(message.find(folder.GetRosterPath().filename().string()), std::string::npos);
    FailingCalls failing(failure.call, failure.failFrom, failure.error);
    CSystemCallsScope scope(failing);
    const RosterModel traded = Traded();
    DialogScript& script = host.ExpectDialog(MAIN_CAPTION);
    host.ExpectMessageBox(message);
    TradeAndPressOk(script)
        .Check([&](CDialog& dialog) {
            EXPECT_FALSE(dialog.IsEnding());
            ExpectView(dialog, traded, 0, 1, TYPE_BATTERS);
        })
        .Click(IDOK);
    CRosterDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    EXPECT_EQ(host.MessageBoxes()[0].type & MB_ICONMASK, MB_ICONSTOP);
    EXPECT_EQ(host.MessageBoxes()[0].caption, AfxGetAppName());
    EXPECT_EQ(folder.ReadRoster(), traded.FileBytes());
}

TEST_P(RosterSaveFailureTest, CancelAfterTheFailureLeavesWhatWasWritten) {
    const SaveFailureCase& failure = GetParam();
    CRosterFolder folder(original);
    FailingCalls failing(failure.call, failure.failFrom, failure.error);
    CSystemCallsScope scope(failing);
    const RosterModel traded = Traded();
    DialogScript& script = host.ExpectDialog(MAIN_CAPTION);
    host.ExpectMessageBox(ExpectedMessage());
    TradeAndPressOk(script).Click(IDCANCEL);
    CRosterDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    const std::vector<std::string> written(lines.begin(),
                                           lines.begin() + failure.linesWrittenBefore);
    std::size_t prefix = JoinLines(written).size();
    const std::string expected = traded.FileBytes().substr(0, prefix) + original.substr(prefix);
    EXPECT_EQ(folder.ReadRoster(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, RosterSaveFailureTest,
    ::testing::Values(SaveFailureCase{"DiskFullAtTheFirstWrite", FailingCalls::Call::Write, 1,
                                      ENOSPC, CFileException::Operation::Write, 0},
                      SaveFailureCase{"DiskFullAfterTwentyLines", FailingCalls::Call::Write, 41,
                                      ENOSPC, CFileException::Operation::Write, 20},
                      SaveFailureCase{"WriteError", FailingCalls::Call::Write, 100, EIO,
                                      CFileException::Operation::Write, 49},
                      SaveFailureCase{"FlushFails", FailingCalls::Call::Fsync, 1, EIO,
                                      CFileException::Operation::Flush, STORED_SLOTS}),
    [](const ::testing::TestParamInfo<SaveFailureCase>& info) { return info.param.name; });

// --- Opening a player ---------------------------------------------------------------------------

TEST_F(RosterDlgTest, DoubleClickInTheTempTeamOpensNothingAndKeepsTheSelection) {
    for (const int list : {IDC_LEFT_LIST, IDC_RIGHT_LIST}) {
        SCOPED_TRACE(list);
        CRosterFolder folder(original);
        const int selector = list == IDC_LEFT_LIST ? IDC_LEFT_TEAM : IDC_RIGHT_TEAM;
        host.ExpectDialog(MAIN_CAPTION)
            .Select(selector, TEMP_TEAM)
            .DoubleClick(list, 4)
            .Check([list](CDialog& dialog) {
                // Nothing refilled the list, so the entry is still selected.
                EXPECT_EQ(Control(dialog, list).currentSelection, 4);
            })
            .PressEscape();
        CRosterDlg dlg;
        dlg.DoModal();
        EXPECT_EQ(host.DialogsOpened().back(), MAIN_CAPTION);
    }
}

TEST_F(RosterDlgTest, EditedPlayerReachesTheFileOnlyThroughOk) {
    CPlayerRecord record;
    record.ParseLine(lines[3].c_str(), TYPE_BATTERS);
    record.m_strName = "Newman;Otis";
    RosterModel edited = loaded;
    edited.slots[3] = record.FormatLine();

    for (const bool save : {true, false}) {
        SCOPED_TRACE(save ? "OK" : "Cancel");
        CRosterFolder folder(original);
        DialogScript& main = host.ExpectDialog(MAIN_CAPTION);
        main.DoubleClick(IDC_LEFT_LIST, 3).Check([&](CDialog& dialog) {
            ExpectView(dialog, edited, 0, 1, TYPE_BATTERS);
            EXPECT_EQ(Control(dialog, IDC_LEFT_LIST).currentSelection, -1);
        });
        if (save)
            main.PressEnter();
        else
            main.PressEscape();
        host.ExpectDialog(PLAYER_STATS_CAPTION)
            .Check([&](CDialog& dialog) {
                EXPECT_EQ(Control(dialog, IDC_NAME).text, lines[3].substr(0, 24));
                EXPECT_TRUE(Control(dialog, IDC_EDIT_BAT_STATS).enabled);
                EXPECT_FALSE(Control(dialog, IDC_EDIT_PITCH_STATS).enabled);
            })
            .Type(IDC_NAME, "Newman;Otis")
            .PressEnter();
        CRosterDlg dlg;
        EXPECT_EQ(dlg.DoModal(), save ? IDOK : IDCANCEL);
        EXPECT_EQ(folder.ReadRoster(), save ? edited.FileBytes() : original);
    }
}

TEST_F(RosterDlgTest, RightListOpensPitchersAsPitchers) {
    CRosterFolder folder(original);
    const int slot = FirstSlot(1, TYPE_PITCHERS) + 9;
    CPlayerRecord record;
    record.ParseLine(lines[static_cast<std::size_t>(slot)].c_str(), TYPE_PITCHERS);
    record.m_nWeight = 250;
    RosterModel edited = loaded;
    edited.slots[static_cast<std::size_t>(slot)] = record.FormatLine();

    host.ExpectDialog(MAIN_CAPTION)
        .Click(IDC_PITCHERS)
        .DoubleClick(IDC_RIGHT_LIST, 9)
        .Check([&](CDialog& dialog) { ExpectView(dialog, edited, 0, 1, TYPE_PITCHERS); })
        .PressEnter();
    host.ExpectDialog(PLAYER_STATS_CAPTION)
        .Check([](CDialog& dialog) {
            EXPECT_FALSE(Control(dialog, IDC_EDIT_BAT_STATS).enabled);
            EXPECT_TRUE(Control(dialog, IDC_EDIT_PITCH_STATS).enabled);
        })
        .Type(IDC_WEIGHT, "250")
        .Click(IDOK);
    CRosterDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(folder.ReadRoster(), edited.FileBytes());
}

TEST_F(RosterDlgTest, CancelledEditChangesNothingButStillRefillsTheLists) {
    CRosterFolder folder(original);
    host.ExpectDialog(MAIN_CAPTION)
        .DoubleClick(IDC_RIGHT_LIST, 5)
        .Check([&](CDialog& dialog) {
            ExpectView(dialog, loaded, 0, 1, TYPE_BATTERS);
            EXPECT_EQ(Control(dialog, IDC_RIGHT_LIST).currentSelection, -1);
        })
        .Click(IDOK);
    host.ExpectDialog(PLAYER_STATS_CAPTION).Type(IDC_NAME, "Changed;Mind").Click(IDCANCEL);
    CRosterDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(folder.ReadRoster(), original);
}

// A placeholder traded into a stored team can be edited there; the player it replaced cannot
// while it is parked in the TEMP team.
TEST_F(RosterDlgTest, TradedPlaceholderIsEditableAndParkedPlayerIsNot) {
    CRosterFolder folder(original);
    host.ExpectDialog(MAIN_CAPTION)
        .Select(IDC_RIGHT_TEAM, TEMP_TEAM)
        .Select(IDC_LEFT_LIST, 2)
        .Select(IDC_RIGHT_LIST, 2)
        .Click(IDC_TRADE)
        .DoubleClick(IDC_RIGHT_LIST, 2)
        .Check(
            [](CDialog& dialog) { EXPECT_EQ(Control(dialog, IDC_RIGHT_LIST).currentSelection, 2); })
        .DoubleClick(IDC_LEFT_LIST, 2)
        .PressEscape();
    host.ExpectDialog(PLAYER_STATS_CAPTION)
        .Check([&](CDialog& dialog) {
            EXPECT_EQ(Control(dialog, IDC_NAME).text, loaded.Line(STORED_SLOTS + 2).substr(0, 24));
        })
        .PressEscape();
    CRosterDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(folder.ReadRoster(), original);
}

// --- About, help and the rest -------------------------------------------------------------------

TEST_F(RosterDlgTest, EveryAboutClickOpensAFreshBoxAndChangesNothing) {
    CRosterFolder folder(original);
    const std::vector<std::pair<const char*, std::function<void(DialogScript&)>>> closings = {
        {"OK", [](DialogScript& s) { s.Click(IDOK); }},
        {"Enter", [](DialogScript& s) { s.PressEnter(); }},
        {"Esc", [](DialogScript& s) { s.PressEscape(); }},
        {"close box", [](DialogScript& s) { s.CloseBox(); }},
    };
    DialogScript& main = host.ExpectDialog(MAIN_CAPTION);
    main.Click(IDC_PITCHERS).Select(IDC_LEFT_LIST, 1);
    for (std::size_t click = 0; click < closings.size(); ++click)
        main.Click(IDC_ABOUT);
    main.Check([&](CDialog& dialog) {
            ExpectView(dialog, loaded, 0, 1, TYPE_PITCHERS);
            EXPECT_EQ(Control(dialog, IDC_LEFT_LIST).currentSelection, 1);
        })
        .PressEscape();
    for (const auto& [how, close] : closings) {
        DialogScript& about = host.ExpectDialog(ABOUT_CAPTION);
        about.Check([](CDialog& box) {
            EXPECT_EQ(Control(box, IDC_STATIC).text, "Ballyrook Roster Editor");
            EXPECT_EQ(FocusedControlId(box), IDOK);
        });
        close(about);
    }
    CRosterDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    const std::vector<std::string> expected = {MAIN_CAPTION, ABOUT_CAPTION, ABOUT_CAPTION,
                                               ABOUT_CAPTION, ABOUT_CAPTION};
    EXPECT_EQ(host.DialogsOpened(), expected);
    EXPECT_EQ(folder.ReadRoster(), original);
    EXPECT_TRUE(host.MessageBoxes().empty());
}

TEST_F(RosterDlgTest, HelpSaysThereIsNoneAndChangesNothing) {
    CRosterFolder folder(original);
    host.ExpectDialog(MAIN_CAPTION)
        .Select(IDC_LEFT_LIST, 4)
        .PressHelp()
        .Check([&](CDialog& dialog) {
            ExpectView(dialog, loaded, 0, 1, TYPE_BATTERS);
            EXPECT_EQ(Control(dialog, IDC_LEFT_LIST).currentSelection, 4);
            EXPECT_FALSE(dialog.IsEnding());
        })
        .PressEscape();
    host.ExpectMessageBox(CWinApp::HelpUnavailableText());
    CRosterDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(folder.ReadRoster(), original);
}

TEST_F(RosterDlgTest, DragIconIsTheWindowIconAndPaintingIsHarmless) {
    CRosterFolder folder(original);
    host.ExpectDialog(MAIN_CAPTION)
        .Check([&](CDialog& dialog) {
            EXPECT_EQ(dialog.SendMessage(WM_QUERYDRAGICON),
                      reinterpret_cast<LRESULT>(&MainFrameIcon()));
            dialog.SendMessage(WM_PAINT);
            ExpectView(dialog, loaded, 0, 1, TYPE_BATTERS);
        })
        .PressEscape();
    CRosterDlg dlg;
    dlg.DoModal();
    EXPECT_TRUE(host.MessageBoxes().empty());
}

TEST(MainFrameIcon, HasBothSizesInSixteenColours) {
    const std::vector<std::uint32_t> palette = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000,
                                                0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
                                                0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                                                0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
    const IconResource& icon = MainFrameIcon();
    EXPECT_EQ(icon.id, IDR_MAINFRAME);
    ASSERT_EQ(icon.images.size(), 2u);
    for (std::size_t i = 0; i < icon.images.size(); ++i) {
        const IconImage& image = icon.images[i];
        const int size = i == 0 ? 32 : 16;
        EXPECT_EQ(image.width, size);
        EXPECT_EQ(image.height, size);
        ASSERT_EQ(image.argb.size(), static_cast<std::size_t>(size * size));
        std::vector<std::uint32_t> used;
        for (const std::uint32_t pixel : image.argb) {
            if (pixel >> 24 == 0)
                continue; // transparent
            EXPECT_NE(std::find(palette.begin(), palette.end(), pixel), palette.end())
                << std::hex << pixel;
            if (std::find(used.begin(), used.end(), pixel) == used.end())
                used.push_back(pixel);
        }
        // A picture, not a blank square: several colours, and a transparent corner.
        EXPECT_GE(used.size(), 3u);
        EXPECT_EQ(image.argb.front() >> 24, 0u);
    }
}

// --- The application ----------------------------------------------------------------------------

TEST_F(RosterDlgTest, ApplicationRunsTheWindowAsMainWindowAndEndsWithoutAMessageLoop) {
    CRosterFolder folder(original);
    ASSERT_EQ(AfxGetApp(), &theApp);
    host.ExpectDialog(MAIN_CAPTION)
        .Check([](CDialog& dialog) {
            EXPECT_EQ(theApp.m_pMainWnd, &dialog);
            EXPECT_NE(dynamic_cast<CRosterDlg*>(&dialog), nullptr);
        })
        .Click(IDC_ABOUT)
        .Click(IDOK);
    host.ExpectDialog(ABOUT_CAPTION)
        .Check([](CDialog& box) {
            // Owned by the main window, which takes no input meanwhile.
            ASSERT_NE(box.m_hWnd->parent, nullptr);
            EXPECT_EQ(box.m_hWnd->parent, theApp.m_pMainWnd->m_hWnd);
        })
        .PressEnter();
    EXPECT_EQ(theApp.InitInstance(), FALSE);
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    EXPECT_EQ(folder.ReadRoster(), original);
}

TEST_F(RosterDlgTest, ApplicationNamesMessageBoxesAfterTheProgram) {
    CRosterFolder folder;
    host.ExpectDialog(MAIN_CAPTION);
    host.ExpectMessageBox(CANNOT_OPEN);
    EXPECT_EQ(theApp.InitInstance(), FALSE);
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    EXPECT_EQ(host.MessageBoxes()[0].caption, theApp.m_pszAppName);
    EXPECT_FALSE(host.MessageBoxes()[0].caption.empty());
    EXPECT_TRUE(folder.ListFileNames().empty());
}

} // namespace
