// The Batter Stats dialog on its own: the block it shows, the checks of OK, the alternate-position
// number against its check boxes, and what typing can put into its fields.
#include "ui/batter_stats_dlg.h"

#include "tests/support/scripted_host.h"
#include "ui/res/stats_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr char BATTER_BLOCK[] = "CF 037 7 6 5 4 3 8 7 6 5 4 2 1 9";

// Opens the dialog on a block and returns DoModal's result with the block FormatBlock writes
// when it was IDOK.
struct Outcome {
    int result;
    std::string block;
};

Outcome RunOnBlock(const std::string& block) {
    CBatterStatsDlg dlg;
    dlg.m_record.ParseBlock(block);
    const int result = dlg.DoModal();
    return {result, result == IDOK ? dlg.m_record.FormatBlock() : std::string()};
}

TEST(BatterStatsDlg, ShowsEveryFieldAndOkRewritesTheBlockInItsFixedForm) {
    struct Shown {
        int id;
        const char* text;
    };
    // A block with blanks for leading zeros, odd separators and characters past its end.
    const std::string block = "C   37x7 6 5 4 3 8 7 6 5 4 2 1 9 and more";
    const std::vector<Shown> shown = {
        {IDC_POSITION, "C "},  {IDC_ALT_POSITION, "37"}, {IDC_BAT_VS_R, "7"},
        {IDC_POWER_VS_R, "6"}, {IDC_BAT_VS_L, "5"},      {IDC_POWER_VS_L, "4"},
        {IDC_BUNT, "3"},       {IDC_SPEED, "8"},         {IDC_GLOVE, "7"},
        {IDC_ARM, "6"},        {IDC_ACCURACY, "5"},      {IDC_FUNDAMENTAL, "4"},
        {IDC_INJURY, "2"},     {IDC_STYLE, "1"},         {IDC_PLAYABILITY, "9"},
    };
    ScriptedHost host;
    host.ExpectDialog("Batter Stats")
        .Check([&](CDialog& dialog) {
            for (const Shown& field : shown) {
                SCOPED_TRACE(field.id);
                EXPECT_EQ(Control(dialog, field.id).text, field.text);
            }
            EXPECT_EQ(Control(dialog, IDC_POSITION).textLimit, 2);
            EXPECT_EQ(FocusedControlId(dialog), IDC_POSITION);
        })
        .PressEnter();

    const Outcome outcome = RunOnBlock(block);
    EXPECT_EQ(outcome.result, IDOK);
    EXPECT_EQ(outcome.block, "C  037 7 6 5 4 3 8 7 6 5 4 2 1 9");
}

// The number is shown and checked, but the boxes decide what is written.
struct BitSetCase {
    const char* stored;
    const char* shown;
    std::vector<int> checked;
    std::vector<int> clicks;
    const char* written;
};

const std::vector<int> ALT_BOXES = {IDC_ALT_C,  IDC_ALT_1B, IDC_ALT_2B,
                                    IDC_ALT_SS, IDC_ALT_3B, IDC_ALT_OF};

const std::vector<BitSetCase> BIT_SET_CASES = {
    {"037", "37", {IDC_ALT_OF, IDC_ALT_2B, IDC_ALT_C}, {}, "037"},
    {"037", "37", {IDC_ALT_OF, IDC_ALT_2B, IDC_ALT_C}, {IDC_ALT_C}, "005"},
    {"064", "64", {}, {}, "000"},
    {"255",
     "255",
     {IDC_ALT_C, IDC_ALT_1B, IDC_ALT_2B, IDC_ALT_SS, IDC_ALT_3B, IDC_ALT_OF},
     {},
     "063"},
    {"000", "0", {}, {IDC_ALT_1B, IDC_ALT_SS, IDC_ALT_3B}, "026"},
    {" 37", "37", {IDC_ALT_OF, IDC_ALT_2B, IDC_ALT_C}, {IDC_ALT_OF}, "036"},
};

TEST(BatterStatsDlg, TheCheckBoxesDecideTheAlternatePositionsWritten) {
    for (const BitSetCase& test : BIT_SET_CASES) {
        SCOPED_TRACE(std::string("stored ") + test.stored);
        ScriptedHost host;
        DialogScript& script = host.ExpectDialog("Batter Stats").Check([&](CDialog& dialog) {
            EXPECT_EQ(Control(dialog, IDC_ALT_POSITION).text, test.shown);
            for (int box : ALT_BOXES) {
                const bool checked =
                    std::find(test.checked.begin(), test.checked.end(), box) != test.checked.end();
                EXPECT_EQ(Control(dialog, box).check, checked ? BST_CHECKED : BST_UNCHECKED)
                    << "box " << box;
            }
        });
        for (int box : test.clicks)
            script.Click(box);
        script
            .Check([&](CDialog& dialog) {
                EXPECT_EQ(Control(dialog, IDC_ALT_POSITION).text, test.shown)
                    << "the number is not recomputed while the dialog is open";
            })
            .PressEnter();

        const Outcome outcome =
            RunOnBlock(std::string("1B ") + test.stored + " 1 2 3 4 5 6 7 8 9 0 1 2 3");
        EXPECT_EQ(outcome.result, IDOK);
        EXPECT_EQ(outcome.block, std::string("1B ") + test.written + " 1 2 3 4 5 6 7 8 9 0 1 2 3");
    }
}

// A stored number above 255 fails at every OK, and its field is read-only: only Cancel is left.
TEST(BatterStatsDlg, AnAlternatePositionNumberOutOfRangeLeavesOnlyCancel) {
    ScriptedHost host;
    DialogScript& script = host.ExpectDialog("Batter Stats");
    for (int attempt = 0; attempt < 3; ++attempt)
        host.ExpectMessageBox("Please enter an integer between 0 and 255.");
    script.PressEnter()
        .Check([](CDialog& dialog) { ExpectRefusedField(dialog, IDC_ALT_POSITION); })
        .Type(IDC_ALT_POSITION, "12")
        .Paste(IDC_ALT_POSITION, "12")
        .Check([](CDialog& dialog) { EXPECT_EQ(Control(dialog, IDC_ALT_POSITION).text, "300"); })
        .Click(IDC_ALT_C)
        .PressEnter()
        .Check([](CDialog& dialog) { ExpectRefusedField(dialog, IDC_ALT_POSITION); })
        .Click(IDOK)
        .Click(IDCANCEL);

    const Outcome outcome = RunOnBlock("1B 300 1 2 3 4 5 6 7 8 9 0 1 2 3");
    EXPECT_EQ(outcome.result, IDCANCEL);
}

// A refusal of each kind: the exact prompt, the focus on the field, then the corrected value.
struct RefusalCase {
    const char* description;
    std::function<void(CBatterStatsDlg&)> prepare;
    int id;
    const char* typed; // null: the bad value comes from the record
    const char* prompt;
    const char* corrected;
    const char* written;
};

const std::vector<RefusalCase> REFUSAL_CASES = {
    {"range", [](CBatterStatsDlg&) {}, IDC_SPEED, "12", "Please enter an integer between 0 and 9.",
     "0", "CF 037 7 6 5 4 3 0 7 6 5 4 2 1 9"},
    {"integer", [](CBatterStatsDlg&) {}, IDC_STYLE, "x", "Please enter an integer.", "5",
     "CF 037 7 6 5 4 3 8 7 6 5 4 2 5 9"},
    {"empty", [](CBatterStatsDlg&) {}, IDC_INJURY, "", "Please enter an integer.", "3",
     "CF 037 7 6 5 4 3 8 7 6 5 4 3 1 9"},
    {"length", [](CBatterStatsDlg& dlg) { dlg.m_record.m_strPosition = "CFX"; }, IDC_POSITION,
     nullptr, "Please enter no more than 2 characters.", "c", " C 037 7 6 5 4 3 8 7 6 5 4 2 1 9"},
    {"negative", [](CBatterStatsDlg& dlg) { dlg.m_record.m_nPlayability = -1; }, IDC_PLAYABILITY,
     nullptr, "Please enter an integer between 0 and 9.", "9", BATTER_BLOCK},
};

TEST(BatterStatsDlg, ARefusedFieldIsReportedFocusedAndThenAccepted) {
    for (const RefusalCase& test : REFUSAL_CASES) {
        SCOPED_TRACE(test.description);
        ScriptedHost host;
        DialogScript& script = host.ExpectDialog("Batter Stats");
        host.ExpectMessageBox(test.prompt);
        if (test.typed != nullptr)
            script.Type(test.id, test.typed);
        script.PressEnter()
            .Check([&](CDialog& dialog) { ExpectRefusedField(dialog, test.id); })
            .Type(test.id, test.corrected)
            .PressEnter();

        CBatterStatsDlg dlg;
        dlg.m_record.ParseBlock(BATTER_BLOCK);
        test.prepare(dlg);
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_record.FormatBlock(), test.written);
    }
}

TEST(BatterStatsDlg, OkChecksTheFieldsInTemplateOrder) {
    const std::vector<int> ratings = {IDC_BAT_VS_R,   IDC_POWER_VS_R,  IDC_BAT_VS_L, IDC_POWER_VS_L,
                                      IDC_BUNT,       IDC_SPEED,       IDC_GLOVE,    IDC_ARM,
                                      IDC_ACCURACY,   IDC_FUNDAMENTAL, IDC_INJURY,   IDC_STYLE,
                                      IDC_PLAYABILITY};
    ScriptedHost host;
    DialogScript& script = host.ExpectDialog("Batter Stats");
    for (int id : ratings)
        script.Type(id, "10");
    host.ExpectMessageBox("Please enter no more than 2 characters.");
    script.PressEnter()
        .Check([](CDialog& dialog) { ExpectRefusedField(dialog, IDC_POSITION); })
        .Type(IDC_POSITION, "LF");
    for (std::size_t i = 0; i < ratings.size(); ++i) {
        host.ExpectMessageBox("Please enter an integer between 0 and 9.");
        script.PressEnter()
            .Check([id = ratings[i]](CDialog& dialog) { ExpectRefusedField(dialog, id); })
            .Type(ratings[i], std::to_string(i % 10));
    }
    script.PressEnter();

    CBatterStatsDlg dlg;
    dlg.m_record.ParseBlock(BATTER_BLOCK);
    dlg.m_record.m_strPosition = "LFX";
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_record.FormatBlock(), "LF 037 0 1 2 3 4 5 6 7 8 9 0 1 2");
}

// Digits only, except in "Style:" and "Playability:", which take any character and leave the
// integer check to OK.
TEST(BatterStatsDlg, DigitOnlyFieldsRefuseLettersWhileStyleAndPlayabilityTakeThem) {
    struct Typing {
        int id;
        const char* typed;
        const char* shown;
    };
    const std::vector<Typing> typings = {
        {IDC_SPEED, "a7", "7"},      {IDC_BAT_VS_R, "x", "7"},      {IDC_INJURY, "-4", "4"},
        {IDC_STYLE, "a", "a"},       {IDC_PLAYABILITY, "b2", "b2"}, {IDC_POSITION, "rf", "RF"},
        {IDC_POSITION, "dh1", "DH"}, {IDC_ALT_POSITION, "9", "37"},
    };
    ScriptedHost host;
    DialogScript& script = host.ExpectDialog("Batter Stats");
    for (const Typing& typing : typings)
        script.Type(typing.id, typing.typed).Check([typing](CDialog& dialog) {
            SCOPED_TRACE(typing.typed);
            EXPECT_EQ(Control(dialog, typing.id).text, typing.shown);
        });
    host.ExpectMessageBox("Please enter an integer.");
    host.ExpectMessageBox("Please enter an integer.");
    host.ExpectMessageBox("Please enter an integer.");
    script.Type(IDC_BAT_VS_R, "1")
        .PressEnter()
        .Check([](CDialog& dialog) { ExpectRefusedField(dialog, IDC_STYLE); })
        .Type(IDC_STYLE, "3")
        .PressEnter()
        .Check([](CDialog& dialog) { ExpectRefusedField(dialog, IDC_PLAYABILITY); })
        .Type(IDC_PLAYABILITY, "2 2")
        .PressEnter()
        .Check([](CDialog& dialog) { ExpectRefusedField(dialog, IDC_PLAYABILITY); })
        .Type(IDC_PLAYABILITY, " 2 ")
        .PressEnter();

    const Outcome outcome = RunOnBlock(BATTER_BLOCK);
    EXPECT_EQ(outcome.result, IDOK);
    EXPECT_EQ(outcome.block, "DH 037 1 6 5 4 3 7 7 6 5 4 4 3 2");
}

} // namespace
