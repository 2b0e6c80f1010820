// The Pitcher Stats dialog on its own: the block it shows, the range of each field in the order
// OK checks them, and what its digit-only fields let through.
#include "ui/pitcher_stats_dlg.h"

#include "tests/support/scripted_host.h"
#include "ui/res/stats_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr char PITCHER_BLOCK[] = "12 07 065 180 2 30 02 00 160 044 150 8 7 6 5 4 7 8 6 5 2 3 1";

// Every field in template order with its largest accepted value.
struct FieldRange {
    int id;
    int max;
};

const std::vector<FieldRange> FIELD_RANGES = {
    {IDC_WINS, 99},
    {IDC_LOSSES, 99},
    {IDC_EARNED_RUNS, 999},
    {IDC_INNINGS_PITCHED, 999},
    {IDC_THIRD, 2},
    {IDC_GAMES, 99},
    {IDC_COMPLETE_GAMES, 99},
    {IDC_SAVES, 99},
    {IDC_HITS_ALLOWED, 999},
    {IDC_WALKS, 999},
    {IDC_STRIKE_OUTS, 999},
    {IDC_FASTBALL, 9},
    {IDC_CURVE, 9},
    {IDC_SLIDER, 9},
    {IDC_SPECIALTY_PITCH, 9},
    {IDC_SP_RATING, 9},
    {IDC_STAMINA, 9},
    {IDC_ACCURACY, 9},
    {IDC_FIELDING, 9},
    {IDC_PICK_OFF, 9},
    {IDC_BAT, 9},
    {IDC_BUNT, 9},
    {IDC_INJURY, 9},
};

TEST(PitcherStatsDlg, ShowsEveryFieldAndOkRewritesTheBlockInItsFixedForm) {
    // Blanks for leading zeros, odd separators and characters past the block's end.
    const std::string block =
        "12x 7  65 180 2 30  2  0 160  44 150 8 7 6 5 4 7 8 6 5 2 3 1 and more";
    const std::vector<const char*> shown = {"12",  "7",  "65",  "180", "2", "30", "2", "0",
                                            "160", "44", "150", "8",   "7", "6",  "5", "4",
                                            "7",   "8",  "6",   "5",   "2", "3",  "1"};
    ASSERT_EQ(shown.size(), FIELD_RANGES.size());
    ScriptedHost host;
    host.ExpectDialog("Pitcher Stats")
        .Check([&](CDialog& dialog) {
            for (std::size_t i = 0; i < shown.size(); ++i) {
                SCOPED_TRACE(FIELD_RANGES[i].id);
                EXPECT_EQ(Control(dialog, FIELD_RANGES[i].id).text, shown[i]);
            }
            EXPECT_EQ(FocusedControlId(dialog), IDC_WINS);
        })
        .PressEnter();

    CPitcherStatsDlg dlg;
    dlg.m_record.ParseBlock(block);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_record.FormatBlock(), PITCHER_BLOCK);
}

// Every field one over its range: each OK reports the first one left, in template order, with
// its own bounds; its largest value then passes.
TEST(PitcherStatsDlg, OkChecksEveryRangeInTemplateOrder) {
    ScriptedHost host;
    DialogScript& script = host.ExpectDialog("Pitcher Stats");
    for (const FieldRange& field : FIELD_RANGES)
        script.Type(field.id, std::to_string(field.max + 1));
    for (const FieldRange& field : FIELD_RANGES) {
        host.ExpectMessageBox("Please enter an integer between 0 and " + std::to_string(field.max) +
                              ".");
        script.PressEnter()
            .Check([id = field.id](CDialog& dialog) { ExpectRefusedField(dialog, id); })
            .Type(field.id, std::to_string(field.max));
    }
    script.PressEnter();

    CPitcherStatsDlg dlg;
    dlg.m_record.ParseBlock(PITCHER_BLOCK);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_record.FormatBlock(),
              "99 99 999 999 2 99 99 99 999 999 999 9 9 9 9 9 9 9 9 9 9 9 9");
}

// A refusal of each kind: the exact prompt, the focus on the field, then the corrected value.
struct RefusalCase {
    const char* description;
    const char* block;
    int id;
    const char* typed; // null: the bad value comes from the block
    const char* prompt;
    const char* corrected;
    const char* written;
};

const std::vector<RefusalCase> REFUSAL_CASES = {
    {"third out of range", PITCHER_BLOCK, IDC_THIRD, "3",
     "Please enter an integer between 0 and 2.", "0",
     "12 07 065 180 0 30 02 00 160 044 150 8 7 6 5 4 7 8 6 5 2 3 1"},
    {"emptied field", PITCHER_BLOCK, IDC_SAVES, "", "Please enter an integer.", "41",
     "12 07 065 180 2 30 02 41 160 044 150 8 7 6 5 4 7 8 6 5 2 3 1"},
    {"negative in the block", "-5 07 065 180 2 30 02 00 160 044 150 8 7 6 5 4 7 8 6 5 2 3 1",
     IDC_WINS, nullptr, "Please enter an integer between 0 and 99.", "5",
     "05 07 065 180 2 30 02 00 160 044 150 8 7 6 5 4 7 8 6 5 2 3 1"},
    {"rating out of range", PITCHER_BLOCK, IDC_INJURY, "10",
     "Please enter an integer between 0 and 9.", "9",
     "12 07 065 180 2 30 02 00 160 044 150 8 7 6 5 4 7 8 6 5 2 3 9"},
};

TEST(PitcherStatsDlg, ARefusedFieldIsReportedFocusedAndThenAccepted) {
    for (const RefusalCase& test : REFUSAL_CASES) {
        SCOPED_TRACE(test.description);
        ScriptedHost host;
        DialogScript& script = host.ExpectDialog("Pitcher Stats");
        host.ExpectMessageBox(test.prompt);
        if (test.typed != nullptr)
            script.Type(test.id, test.typed);
        script
            .Check([&](CDialog& dialog) {
                if (test.typed == nullptr) {
                    EXPECT_EQ(Control(dialog, test.id).text, "-5") << "shown without a message";
                }
            })
            .PressEnter()
            .Check([&](CDialog& dialog) { ExpectRefusedField(dialog, test.id); })
            .Type(test.id, test.corrected)
            .PressEnter();

        CPitcherStatsDlg dlg;
        dlg.m_record.ParseBlock(test.block);
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_record.FormatBlock(), test.written);
    }
}

TEST(PitcherStatsDlg, EveryFieldTakesDigitsOnly) {
    ScriptedHost host;
    DialogScript& script = host.ExpectDialog("Pitcher Stats");
    for (const FieldRange& field : FIELD_RANGES)
        script.Type(field.id, "a-1 x").Check([id = field.id](CDialog& dialog) {
            EXPECT_EQ(Control(dialog, id).text, "1") << "field " << id;
        });
    script.PressEnter();

    CPitcherStatsDlg dlg;
    dlg.m_record.ParseBlock(PITCHER_BLOCK);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_record.FormatBlock(),
              "01 01 001 001 1 01 01 01 001 001 001 1 1 1 1 1 1 1 1 1 1 1 1");
}

} // namespace
