// The Player Stats dialog on its own: what it shows, which detail button it offers, how OK checks
// its fields, and how the detail dialogs change its detail block and nothing else.
#include "ui/player_stats_dlg.h"

#include "tests/support/scripted_host.h"
#include "ui/res/resource.h"
#include "ui/res/stats_ids.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// A batter line in the exact layout: 115 common characters and a 32-character batter block.
constexpr char BATTER_LINE[] = "Tobin;Marsh             # TMARSH  17 S2 F1 H03 6-1 195 R R 142 512 "
                               "388 081 149 112 28 04 17 077 054 098 012 TMAR01 "
                               "CF 037 7 6 5 4 3 8 7 6 5 4 2 1 9";
static_assert(sizeof(BATTER_LINE) - 1 == 147);

// A pitcher line: the same common block layout and a 60-character pitcher block.
constexpr char PITCHER_LINE[] =
    "Ezra;Quill              # EQUILL  31 S1 F0 H12 6-3 210 L L 034 012 "
    "009 001 002 001 00 00 00 001 000 005 000 EQUI01 "
    "12 07 065 180 2 30 02 00 160 044 150 8 7 6 5 4 7 8 6 5 2 3 1";
static_assert(sizeof(PITCHER_LINE) - 1 == 175);

// Every edit field in template order: what it shows for BATTER_LINE and its text limit (0 for
// the integer fields, which have none).
struct ShownField {
    int id;
    const char* shown;
    int limit;
};

const std::vector<ShownField> SHOWN_FIELDS = {
    {IDC_NAME, "Tobin;Marsh             ", 24},
    {IDC_SOUND_FILE, "TMARSH ", 7},
    {IDC_UNIFORM, "17", 2},
    {IDC_SKIN, "S2", 2},
    {IDC_FACIAL_HAIR, "F1", 2},
    {IDC_HAIR, "H03", 3},
    {IDC_HEIGHT, "6-1", 5},
    {IDC_WEIGHT, "195", 0},
    {IDC_BATS, "R", 1},
    {IDC_THROWS, "R", 1},
    {IDC_GAMES_PLAYED, "142", 0},
    {IDC_AT_BATS, "512", 0},
    {IDC_AT_BATS_VS_R, "388", 0},
    {IDC_RUNS, "81", 0},
    {IDC_HITS, "149", 0},
    {IDC_HITS_VS_R, "112", 0},
    {IDC_DOUBLES, "28", 0},
    {IDC_TRIPLES, "4", 0},
    {IDC_HOME_RUNS, "17", 0},
    {IDC_RBI, "77", 0},
    {IDC_BB, "54", 0},
    {IDC_STRIKEOUTS, "98", 0},
    {IDC_STOLEN_BASES, "12", 0},
    {IDC_PICTURE, "TMAR01", 6},
};

TEST(PlayerStatsDlg, ShowsEveryFieldOfTheLineAndOkWithoutEditsKeepsItByteForByte) {
    ScriptedHost host;
    host.ExpectDialog("Player Stats")
        .Check([](CDialog& dialog) {
            for (const ShownField& field : SHOWN_FIELDS) {
                SCOPED_TRACE(field.id);
                EXPECT_EQ(Control(dialog, field.id).text, field.shown);
                EXPECT_EQ(Control(dialog, field.id).textLimit, field.limit);
            }
            EXPECT_EQ(FocusedControlId(dialog), IDC_NAME);
        })
        .PressEnter();

    CPlayerStatsDlg dlg;
    dlg.m_record.ParseLine(BATTER_LINE, 0);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_record.FormatLine(), BATTER_LINE);
}

struct TypeCase {
    int playerType;
    bool batStatsEnabled;
    bool pitchStatsEnabled;
};

class PlayerStatsButtons : public testing::TestWithParam<TypeCase> {};

TEST_P(PlayerStatsButtons, OnlyTheDetailButtonOfThePlayerTypeIsEnabled) {
    const TypeCase& param = GetParam();
    ScriptedHost host;
    host.ExpectDialog("Player Stats")
        .Check([&](CDialog& dialog) {
            EXPECT_EQ(Control(dialog, IDC_EDIT_BAT_STATS).enabled, param.batStatsEnabled);
            EXPECT_EQ(Control(dialog, IDC_EDIT_PITCH_STATS).enabled, param.pitchStatsEnabled);
        })
        .PressEscape();

    CPlayerStatsDlg dlg;
    dlg.m_record.ParseLine(BATTER_LINE, param.playerType);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

// Every type but 0 counts as pitchers.
INSTANTIATE_TEST_SUITE_P(Types, PlayerStatsButtons,
                         testing::Values(TypeCase{0, true, false}, TypeCase{1, false, true},
                                         TypeCase{2, false, true}, TypeCase{-1, false, true}));

// Every field made bad at once: each OK reports the first bad field left, in template order,
// with its own bound, and focuses it; correcting it lets the next OK reach the next one.
struct BadField {
    int id;
    const char* typed; // null: the bad value comes from the record (too long to type)
    const char* prompt;
    const char* corrected; // typed over the field after the prompt
};

const std::vector<BadField> BAD_FIELDS = {
    {IDC_NAME, nullptr, "Please enter no more than 24 characters.", "Tobin;Marsh"},
    {IDC_SOUND_FILE, nullptr, "Please enter no more than 7 characters.", "SND"},
    {IDC_UNIFORM, nullptr, "Please enter no more than 2 characters.", "9"},
    {IDC_SKIN, nullptr, "Please enter no more than 2 characters.", "S1"},
    {IDC_FACIAL_HAIR, nullptr, "Please enter no more than 2 characters.", "F2"},
    {IDC_HAIR, nullptr, "Please enter no more than 3 characters.", "H01"},
    {IDC_HEIGHT, nullptr, "Please enter no more than 5 characters.", "5-11"},
    {IDC_WEIGHT, "1000", "Please enter an integer between 0 and 999.", "999"},
    {IDC_BATS, nullptr, "Please enter no more than 1 characters.", "L"},
    {IDC_THROWS, nullptr, "Please enter no more than 1 characters.", "S"},
    {IDC_GAMES_PLAYED, "1000", "Please enter an integer between 0 and 999.", "162"},
    {IDC_AT_BATS, "1000", "Please enter an integer between 0 and 999.", "600"},
    {IDC_AT_BATS_VS_R, "1000", "Please enter an integer between 0 and 999.", "400"},
    {IDC_RUNS, "1000", "Please enter an integer between 0 and 999.", "90"},
    {IDC_HITS, "1000", "Please enter an integer between 0 and 999.", "180"},
    {IDC_HITS_VS_R, "1000", "Please enter an integer between 0 and 999.", "120"},
    {IDC_DOUBLES, "100", "Please enter an integer between 0 and 99.", "99"},
    {IDC_TRIPLES, "100", "Please enter an integer between 0 and 99.", "0"},
    {IDC_HOME_RUNS, "100", "Please enter an integer between 0 and 99.", "45"},
    {IDC_RBI, "1000", "Please enter an integer between 0 and 999.", "130"},
    {IDC_BB, "1000", "Please enter an integer between 0 and 999.", "70"},
    {IDC_STRIKEOUTS, "1000", "Please enter an integer between 0 and 999.", "110"},
    {IDC_STOLEN_BASES, "1000", "Please enter an integer between 0 and 999.", "5"},
    {IDC_PICTURE, nullptr, "Please enter no more than 6 characters.", "pic1"},
};

TEST(PlayerStatsDlg, OkChecksTheFieldsInTemplateOrderWithTheirLimits) {
    ScriptedHost host;
    DialogScript& script = host.ExpectDialog("Player Stats");
    for (const BadField& field : BAD_FIELDS)
        if (field.typed != nullptr)
            script.Type(field.id, field.typed);
    for (const BadField& field : BAD_FIELDS) {
        host.ExpectMessageBox(field.prompt);
        script.PressEnter()
            .Check([id = field.id](CDialog& dialog) { ExpectRefusedField(dialog, id); })
            .Type(field.id, field.corrected);
    }
    script.PressEnter();

    CPlayerStatsDlg dlg;
    dlg.m_record.ParseLine(BATTER_LINE, 0);
    // Texts one character over their limits can only come from the record: they are shown
    // whole, and typing can only shorten them.
    dlg.m_record.m_strName = std::string(25, 'N');
    dlg.m_record.m_strSoundFile = "SOUNDFIL";
    dlg.m_record.m_strUniform = "123";
    dlg.m_record.m_strSkin = "SKN";
    dlg.m_record.m_strFacialHair = "FAC";
    dlg.m_record.m_strHair = "HAIR";
    dlg.m_record.m_strHeight = "6-1-11";
    dlg.m_record.m_strBats = "RR";
    dlg.m_record.m_strThrows = "LL";
    dlg.m_record.m_strPicture = "PICTURE";
    ASSERT_EQ(dlg.DoModal(), IDOK);

    EXPECT_EQ(dlg.m_record.FormatLine(),
              "Tobin;Marsh             # SND     9  S1 F2 H01 5-1 999 L S 162 600 400 090 180 120 "
              "99 00 45 130 070 110 005 PIC1   CF 037 7 6 5 4 3 8 7 6 5 4 2 1 9");
}

// A text that is not an integer leaves the member as it was; once corrected, it is stored.
TEST(PlayerStatsDlg, AnUnreadableIntegerIsRefusedAndTheMemberKeepsItsValue) {
    ScriptedHost host;
    DialogScript& script = host.ExpectDialog("Player Stats");
    CPlayerStatsDlg dlg;
    host.ExpectMessageBox("Please enter an integer.");
    host.ExpectMessageBox("Please enter an integer.");
    script.Type(IDC_WEIGHT, "19o")
        .PressEnter()
        .Check([&](CDialog& dialog) {
            ExpectRefusedField(dialog, IDC_WEIGHT);
            EXPECT_EQ(dlg.m_record.m_nWeight, 195);
        })
        .Type(IDC_WEIGHT, "")
        .PressEnter()
        .Check([](CDialog& dialog) { ExpectRefusedField(dialog, IDC_WEIGHT); })
        .Type(IDC_WEIGHT, "190")
        .PressEnter();

    dlg.m_record.ParseLine(BATTER_LINE, 0);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_record.m_nWeight, 190);
}

// What typing does to the fields: styles from the template, limits from the exchange.
struct TypingCase {
    int id;
    const char* typed;
    const char* shown;
};

const std::vector<TypingCase> TYPING_CASES = {
    {IDC_UNIFORM, "a4b2", "42"},            // digits only
    {IDC_SOUND_FILE, "pitch1x", "PITCH1X"}, // capitals
    {IDC_SKIN, "s3", "S3"},
    {IDC_FACIAL_HAIR, "f0", "F0"},
    {IDC_HAIR, "h07", "H07"},
    {IDC_PICTURE, "photo2", "PHOTO2"},
    {IDC_NAME, "Ada;lowercase", "Ada;lowercase"}, // as typed
    {IDC_BATS, "sx", "s"},                        // one character
    {IDC_HEIGHT, "5-10-2", "5-10-"},              // five characters
    {IDC_HOME_RUNS, "2x", "2x"},                  // integer fields take any character
};

TEST(PlayerStatsDlg, TypingFollowsEachFieldsStyleAndLimit) {
    ScriptedHost host;
    DialogScript& script = host.ExpectDialog("Player Stats");
    for (const TypingCase& typing : TYPING_CASES) {
        script.Type(typing.id, typing.typed).Check([typing](CDialog& dialog) {
            SCOPED_TRACE(typing.typed);
            EXPECT_EQ(Control(dialog, typing.id).text, typing.shown);
        });
    }
    script.PressEscape();

    CPlayerStatsDlg dlg;
    dlg.m_record.ParseLine(BATTER_LINE, 0);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(PlayerStatsDlg, AFiveCharacterHeightIsAcceptedAndTheLineKeepsThree) {
    ScriptedHost host;
    host.ExpectDialog("Player Stats").Type(IDC_HEIGHT, "5-11x").PressEnter();

    CPlayerStatsDlg dlg;
    dlg.m_record.ParseLine(BATTER_LINE, 0);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_record.m_strHeight, "5-11x");
    const std::string line = dlg.m_record.FormatLine();
    ASSERT_EQ(line.size(), 147u);
    EXPECT_EQ(line.substr(46, 5), " 5-1 ");
}

// The batter's detail: Home Runs typed first, then the Batter Stats dialog, then OK twice.
TEST(PlayerStatsDlg, BatStatsOkReplacesTheDetailAndLeavesTheTypedFieldsAlone) {
    ScriptedHost host;
    CPlayerStatsDlg dlg;
    host.ExpectDialog("Player Stats")
        .Type(IDC_HOME_RUNS, "23")
        .Click(IDC_EDIT_BAT_STATS)
        .Check([&](CDialog& dialog) {
            EXPECT_EQ(Control(dialog, IDC_HOME_RUNS).text, "23");
            EXPECT_EQ(dlg.m_record.m_nHomeRuns, 17) << "no exchange around the detail dialog";
            EXPECT_EQ(dlg.m_record.m_strDetail, "CF 037 7 6 5 4 3 9 7 6 5 4 2 1 9");
        })
        .Click(IDOK);
    host.ExpectDialog("Batter Stats")
        .Check([](CDialog& dialog) { EXPECT_EQ(Control(dialog, IDC_SPEED).text, "8"); })
        .Type(IDC_SPEED, "9")
        .PressEnter();

    dlg.m_record.ParseLine(BATTER_LINE, 0);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_record.FormatLine(),
              "Tobin;Marsh             # TMARSH  17 S2 F1 H03 6-1 195 R R 142 512 388 081 149 112 "
              "28 04 23 077 054 098 012 TMAR01 CF 037 7 6 5 4 3 9 7 6 5 4 2 1 9");
}

TEST(PlayerStatsDlg, PitchStatsOkReplacesTheDetailWithTheFixedFormBlock) {
    ScriptedHost host;
    CPlayerStatsDlg dlg;
    host.ExpectDialog("Player Stats")
        .Click(IDC_EDIT_PITCH_STATS)
        .Check([&](CDialog&) {
            EXPECT_EQ(dlg.m_record.m_strDetail,
                      "13 07 065 180 2 30 02 00 160 044 150 8 7 6 5 4 7 8 6 5 2 3 1");
        })
        .Click(IDOK);
    host.ExpectDialog("Pitcher Stats")
        .Check([](CDialog& dialog) { EXPECT_EQ(Control(dialog, IDC_WINS).text, "12"); })
        .Type(IDC_WINS, "13")
        .PressEnter();

    dlg.m_record.ParseLine(PITCHER_LINE, 1);
    // A block with blanks for zeros and characters past its end comes back in its fixed form.
    dlg.m_record.m_strDetail = "12  7  65 180 2 30  2  0 160  44 150 8 7 6 5 4 7 8 6 5 2 3 1 extra";
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_record.FormatLine().size(), 175u);
}

// Cancel in a detail dialog, however it is given, leaves the detail block as it was, even one a
// detail dialog would rewrite.
struct DetailCancelCase {
    const char* description;
    int playerType;
    int button;
    const char* caption;
    int field;
    void (*cancel)(DialogScript&);
};

const std::vector<DetailCancelCase> DETAIL_CANCEL_CASES = {
    {"batter, Cancel button", 0, IDC_EDIT_BAT_STATS, "Batter Stats", IDC_SPEED,
     [](DialogScript& script) { script.Click(IDCANCEL); }},
    {"batter, Esc", 0, IDC_EDIT_BAT_STATS, "Batter Stats", IDC_SPEED,
     [](DialogScript& script) { script.PressEscape(); }},
    {"pitcher, close box", 1, IDC_EDIT_PITCH_STATS, "Pitcher Stats", IDC_WINS,
     [](DialogScript& script) { script.CloseBox(); }},
    {"pitcher, Cancel button", 1, IDC_EDIT_PITCH_STATS, "Pitcher Stats", IDC_WINS,
     [](DialogScript& script) { script.Click(IDCANCEL); }},
};

TEST(PlayerStatsDlg, CancelInADetailDialogKeepsTheDetail) {
    for (const DetailCancelCase& test : DETAIL_CANCEL_CASES) {
        SCOPED_TRACE(test.description);
        ScriptedHost host;
        CPlayerStatsDlg dlg;
        // Details not in their fixed form, so that a block formatted anyway would show.
        const std::string detail = test.playerType == 0 ? "CF  37 7 6 5 4 3 8 7 6 5 4 2 1 9 old"
                                                        : "12  7  65 180 2 30 02 00 160 044 150 8";
        const std::string line =
            std::string(test.playerType == 0 ? BATTER_LINE : PITCHER_LINE, 115) + detail;
        host.ExpectDialog("Player Stats")
            .Click(test.button)
            .Check([&](CDialog&) { EXPECT_EQ(dlg.m_record.m_strDetail, detail); })
            .Click(IDOK);
        DialogScript& detailScript = host.ExpectDialog(test.caption).Type(test.field, "1");
        test.cancel(detailScript);

        dlg.m_record.ParseLine(line.c_str(), test.playerType);
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_record.FormatLine(), line);
    }
}

TEST(PlayerStatsDlg, ASecondEditBatStatsShowsWhatTheFirstWrote) {
    ScriptedHost host;
    host.ExpectDialog("Player Stats")
        .Click(IDC_EDIT_BAT_STATS)
        .Click(IDC_EDIT_BAT_STATS)
        .PressEscape();
    host.ExpectDialog("Batter Stats")
        .Type(IDC_SPEED, "2")
        .Type(IDC_POSITION, "ss")
        .Click(IDC_ALT_C)
        .PressEnter();
    host.ExpectDialog("Batter Stats")
        .Check([](CDialog& dialog) {
            EXPECT_EQ(Control(dialog, IDC_SPEED).text, "2");
            EXPECT_EQ(Control(dialog, IDC_POSITION).text, "SS");
            // The number the first OK wrote: the boxes' bits, C no longer among them.
            EXPECT_EQ(Control(dialog, IDC_ALT_POSITION).text, "5");
            EXPECT_EQ(Control(dialog, IDC_ALT_C).check, BST_UNCHECKED);
            EXPECT_EQ(Control(dialog, IDC_ALT_OF).check, BST_CHECKED);
            EXPECT_EQ(Control(dialog, IDC_ALT_2B).check, BST_CHECKED);
        })
        .PressEscape();

    CPlayerStatsDlg dlg;
    dlg.m_record.ParseLine(BATTER_LINE, 0);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_record.m_strDetail, "SS 005 7 6 5 4 3 2 7 6 5 4 2 1 9");
}

// The three editing templates as laid out: every control inside its dialog, no two fields or
// buttons over each other, one number per control, and the styles that make the fields usable
// from the keyboard.
TEST(EditingDialogTemplates, ControlsFitTheirDialogAndFieldsDoNotOverlap) {
    for (const DialogTemplate* dialog : {&PlayerStatsDialogTemplate(), &BatterStatsDialogTemplate(),
                                         &PitcherStatsDialogTemplate()}) {
        SCOPED_TRACE(dialog->caption);
        std::set<int> numbers;
        const auto& controls = dialog->controls;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const ControlTemplate& control = controls[i];
            SCOPED_TRACE(control.text.empty() ? std::to_string(control.id) : control.text);
            EXPECT_GE(control.x, 0);
            EXPECT_GE(control.y, 0);
            EXPECT_LE(control.x + control.cx, dialog->cx);
            EXPECT_LE(control.y + control.cy, dialog->cy);
            if (control.id != IDC_STATIC) {
                EXPECT_TRUE(numbers.insert(control.id).second) << "number used twice";
            }
            EXPECT_NE(control.style & WS_VISIBLE, 0u);
            if (control.kind == ControlKind::Static) {
                EXPECT_EQ(control.style & (WS_GROUP | WS_TABSTOP), WS_GROUP);
            }
            if (control.kind == ControlKind::Edit) {
                EXPECT_EQ(control.style & (WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL),
                          WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL);
                ASSERT_GT(i, 0u);
                EXPECT_EQ(controls[i - 1].kind, ControlKind::Static)
                    << "its label stands before it";
            }
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const ControlTemplate& other = controls[j];
                // Labels may run into the field they name; a group box frames its boxes.
                const auto framing = [](ControlKind kind) {
                    return kind == ControlKind::Static || kind == ControlKind::GroupBox;
                };
                if (framing(control.kind) || framing(other.kind))
                    continue;
                const bool apart =
                    control.x + control.cx <= other.x || other.x + other.cx <= control.x ||
                    control.y + control.cy <= other.y || other.y + other.cy <= control.y;
                EXPECT_TRUE(apart) << "overlaps control " << j << " (" << other.text << ")";
            }
        }
        EXPECT_EQ(numbers.count(IDOK), 1u);
        EXPECT_EQ(numbers.count(IDCANCEL), 1u);
    }
}

} // namespace
