// The About box: its template, its fixed texts, and the ways it closes.
#include "ui/about_dlg.h"

#include "tests/support/scripted_host.h"
#include "ui/res/resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr char ABOUT_CAPTION[] = "About Roster Editor";

struct ExpectedControl {
    ControlKind kind;
    int id;
    const char* text;
    int x, y, cx, cy;
};

// The texts stand as the program has always shown them, the two-line sentence included.
const std::vector<ExpectedControl> ABOUT_CONTROLS = {
    {ControlKind::DefPushButton, IDOK, "OK", 88, 95, 50, 14},
    {ControlKind::Static, IDC_STATIC, "Ballyrook Roster Editor", 63, 5, 100, 8},
    {ControlKind::Static, IDC_STATIC, "Copyright (C) 2026", 59, 15, 108, 8},
    {ControlKind::Static, IDC_STATIC, "This program is designed to be used with Ballyrook ONLY!", 8,
     30, 211, 8},
    {ControlKind::Static, IDC_STATIC, "Not to be used with any other products.", 52, 40, 125, 8},
    {ControlKind::Static, IDC_STATIC, "This product is supplied as is, and neither Quenlow or", 30,
     55, 167, 8},
    {ControlKind::Static, IDC_STATIC,
     "any of it's divisions will offer any form of technical support.", 22, 65, 181, 8},
    {ControlKind::Static, IDC_STATIC, "By the Roster Editor team", 65, 80, 96, 8},
};

TEST(AboutTemplate, FrameAndControlsInTemplateOrder) {
    const DialogTemplate& about = AboutDialogTemplate();
    EXPECT_EQ(about.id, IDD_ABOUTBOX);
    EXPECT_EQ(about.caption, ABOUT_CAPTION);
    EXPECT_EQ(about.x, 0);
    EXPECT_EQ(about.y, 0);
    EXPECT_EQ(about.cx, 227);
    EXPECT_EQ(about.cy, 116);
    EXPECT_EQ(about.style, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    EXPECT_EQ(about.fontName, "MS Sans Serif");
    EXPECT_EQ(about.fontPointSize, 8);
    EXPECT_TRUE(about.initItems.empty());
    ASSERT_EQ(about.controls.size(), ABOUT_CONTROLS.size());
    for (std::size_t i = 0; i < ABOUT_CONTROLS.size(); ++i) {
        const ControlTemplate& control = about.controls[i];
        const ExpectedControl& expected = ABOUT_CONTROLS[i];
        SCOPED_TRACE(expected.text);
        EXPECT_EQ(control.kind, expected.kind);
        EXPECT_EQ(control.id, expected.id);
        EXPECT_EQ(control.text, expected.text);
        EXPECT_EQ(control.x, expected.x);
        EXPECT_EQ(control.y, expected.y);
        EXPECT_EQ(control.cx, expected.cx);
        EXPECT_EQ(control.cy, expected.cy);
        EXPECT_TRUE(control.style & WS_VISIBLE);
        // Only the OK button takes the focus.
        EXPECT_EQ((control.style & WS_TABSTOP) != 0, control.id == IDOK);
    }
}

struct ClosingCase {
    const char* name;
    std::function<void(DialogScript&)> close;
    int result;
};

void PrintTo(const ClosingCase& value, std::ostream* out) {
    *out << value.name;
}

class AboutClosingTest : public ::testing::TestWithParam<ClosingCase> {};

TEST_P(AboutClosingTest, OpensWithFocusOnOkAndEndsWithItsResult) {
    ScriptedHost host;
    DialogScript& script = host.ExpectDialog(ABOUT_CAPTION);
    script.Check([](CDialog& box) {
        EXPECT_EQ(FocusedControlId(box), IDOK);
        std::vector<std::string> shown;
        for (const auto& child : box.m_hWnd->children)
            shown.push_back(child->text);
        std::vector<std::string> expected;
        for (const ExpectedControl& control : ABOUT_CONTROLS)
            expected.push_back(control.text);
        EXPECT_EQ(shown, expected);
    });
    GetParam().close(script);
    CAboutDlg about;
    EXPECT_EQ(about.DoModal(), GetParam().result);
    EXPECT_TRUE(host.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutClosingTest,
    ::testing::Values(ClosingCase{"OkButton", [](DialogScript& s) { s.Click(IDOK); }, IDOK},
                      ClosingCase{"Enter", [](DialogScript& s) { s.PressEnter(); }, IDOK},
                      // Tab has nowhere else to go, so Enter still means OK.
                      ClosingCase{"TabThenEnter",
                                  [](DialogScript& s) { s.PressTab().PressEnter(); }, IDOK},
                      ClosingCase{"Esc", [](DialogScript& s) { s.PressEscape(); }, IDCANCEL},
                      ClosingCase{"CloseBox", [](DialogScript& s) { s.CloseBox(); }, IDCANCEL}),
    [](const ::testing::TestParamInfo<ClosingCase>& info) { return info.param.name; });

// One object can run twice: the second run builds its window afresh from the template.
TEST(AboutDialog, RunsAgainWithTheSameTexts) {
    ScriptedHost host;
    std::vector<std::vector<std::string>> runs;
    for (int run = 0; run < 2; ++run) {
        host.ExpectDialog(ABOUT_CAPTION)
            .Check([&runs](CDialog& box) {
                std::vector<std::string> texts;
                for (const auto& child : box.m_hWnd->children)
                    texts.push_back(child->text);
                runs.push_back(texts);
            })
            .PressEnter();
    }
    CAboutDlg about;
    EXPECT_EQ(about.DoModal(), IDOK);
    EXPECT_EQ(about.DoModal(), IDOK);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], runs[1]);
    EXPECT_EQ(runs[0].size(), ABOUT_CONTROLS.size());
}

} // namespace
