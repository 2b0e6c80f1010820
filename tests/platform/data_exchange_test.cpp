// Field exchange: the integer rule, the checks and their prompts, and the state a refusal leaves,
// driven through the scripted host the way a user would.
#include "platform/app.h"
#include "platform/controls.h"
#include "platform/data_exchange.h"
#include "tests/platform/test_templates.h"
#include "tests/support/scripted_host.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <new>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int IDC_DIGIT = 100; // integer 0 to 9
constexpr int IDC_CODE = 101;  // text of at most 3 characters
constexpr int IDC_COUNT = 102; // integer 0 to 99
constexpr int IDC_FLAG = 200;
constexpr int IDC_FIRST_CHOICE = 300; // radio group 300, 301, (label), 302
constexpr int IDC_OTHER_GROUP = 303;  // radio group 303, 304
constexpr int IDC_PICK = 400;
constexpr int IDC_LIST = 500;
constexpr UINT PROMPT_TYPE = MB_ICONEXCLAMATION | MB_OK;

const DialogTemplate& FieldsTemplate() {
    static const DialogTemplate fields = [] {
        std::vector<ControlTemplate> controls = {
            MakeControl(ControlKind::Edit, IDC_DIGIT, EDIT_STYLE),
            MakeControl(ControlKind::Edit, IDC_CODE, EDIT_STYLE),
            MakeControl(ControlKind::Edit, IDC_COUNT, EDIT_STYLE),
            MakeControl(ControlKind::CheckBox, IDC_FLAG, BUTTON_STYLE, "Flag"),
            MakeControl(ControlKind::RadioButton, 300, WS_VISIBLE | WS_GROUP | WS_TABSTOP, "A"),
            MakeControl(ControlKind::RadioButton, 301, WS_VISIBLE, "B"),
            MakeControl(ControlKind::Static, IDC_STATIC, WS_VISIBLE, "between"),
            MakeControl(ControlKind::RadioButton, 302, WS_VISIBLE, "C"),
            MakeControl(ControlKind::GroupBox, IDC_STATIC, WS_VISIBLE | WS_GROUP, "Box"),
            MakeControl(ControlKind::RadioButton, 303, WS_VISIBLE | WS_GROUP | WS_TABSTOP, "D"),
            MakeControl(ControlKind::RadioButton, 304, WS_VISIBLE, "E"),
            MakeControl(ControlKind::ComboBox, IDC_PICK,
                        WS_VISIBLE | WS_GROUP | WS_TABSTOP | CBS_DROPDOWNLIST),
            MakeControl(ControlKind::ListBox, IDC_LIST, WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY),
        };
        AddOkCancel(controls);
        return MakeTemplate("Fields", std::move(controls), {{IDC_PICK, {"a", "b", "c"}}});
    }();
    return fields;
}

/// One field of every kind, in this exchange order.
class FieldsDialog : public CDialog {
public:
    FieldsDialog() : CDialog(FieldsTemplate()) {}

    int m_nDigit = 5;
    std::string m_strCode = "AB";
    int m_nCount = 10;
    int m_nFlag = 0;
    int m_nChoice = 0;
    int m_nOther = 0;
    int m_nPick = 0;
    CListBox m_list;

    /// Runs in a save exchange right after the first field.
    std::function<void(CDataExchange*)> m_afterFirstField;
    int m_nDigitChanges = 0;
    int m_nPickChanges = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_LIST, m_list);
        DDX_Text(pDX, IDC_DIGIT, m_nDigit);
        DDV_MinMaxInt(pDX, m_nDigit, 0, 9);
        if (pDX->m_bSaveAndValidate && m_afterFirstField)
            m_afterFirstField(pDX);
        DDX_Text(pDX, IDC_CODE, m_strCode);
        DDV_MaxChars(pDX, m_strCode, 3);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 0, 99);
        DDX_Check(pDX, IDC_FLAG, m_nFlag);
        DDX_Radio(pDX, IDC_FIRST_CHOICE, m_nChoice);
        DDX_Radio(pDX, IDC_OTHER_GROUP, m_nOther);
        DDX_CBIndex(pDX, IDC_PICK, m_nPick);
    }

    void OnDigitChange() { ++m_nDigitChanges; }
    void OnPickChange() { ++m_nPickChanges; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FieldsDialog, CDialog)
ON_EN_CHANGE(IDC_DIGIT, OnDigitChange)
ON_CBN_SELCHANGE(IDC_PICK, OnPickChange)
END_MESSAGE_MAP()

FieldsDialog& Fields(CDialog& dialog) {
    return static_cast<FieldsDialog&>(dialog);
}

TEST(IntegerField, ReadsByTheIntegerRuleAndChecksTheRange) {
    const std::string INTEGER = "Please enter an integer.";
    const std::string RANGE = "Please enter an integer between 0 and 9.";
    struct Case {
        std::string text;
        std::optional<int> read; // what the rule reads
        std::string prompt;      // empty: stored
        int member;              // the member afterwards; it held 5
    };
    const std::vector<Case> cases = {
        {"7", 7, "", 7},
        {"007", 7, "", 7},
        {"+7", 7, "", 7},
        {" 7 ", 7, "", 7},
        {"\t 7\t", 7, "", 7},
        {"0", 0, "", 0},
        {"00", 0, "", 0},
        {"", std::nullopt, INTEGER, 5},
        {"   ", std::nullopt, INTEGER, 5},
        {"7a", std::nullopt, INTEGER, 5},
        {"1 2", std::nullopt, INTEGER, 5},
        {"1.5", std::nullopt, INTEGER, 5},
        {"0x1", std::nullopt, INTEGER, 5},
        {"-0", std::nullopt, INTEGER, 5},
        {"+0", std::nullopt, INTEGER, 5},
        {"-", std::nullopt, INTEGER, 5},
        {"+ 7", std::nullopt, INTEGER, 5},
        {"-1", -1, RANGE, -1},
        {"10", 10, RANGE, 10},
        {"99999999999", INT_MAX, RANGE, INT_MAX},
        {"-99999999999", INT_MIN, RANGE, INT_MIN},
        {"2147483648", INT_MAX, RANGE, INT_MAX},
        {"-2147483648", INT_MIN, RANGE, INT_MIN},
        {"7" + std::string(30, ' ') + "a", 7, "", 7}, // the letter is the 32nd character
        {"7" + std::string(29, ' ') + "a", std::nullopt, INTEGER, 5}, // the 31st is examined
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        EXPECT_EQ(ParseDialogInteger(c.text), c.read);

        ScriptedHost host;
        FieldsDialog dialog;
        DialogScript& script = host.ExpectDialog("Fields").Type(IDC_DIGIT, c.text).PressEnter();
        if (!c.prompt.empty()) {
            host.ExpectMessageBox(c.prompt);
            script.Check([](CDialog& d) { ExpectRefusedField(d, IDC_DIGIT); }).PressEscape();
        }
        EXPECT_EQ(dialog.DoModal(), c.prompt.empty() ? IDOK : IDCANCEL);
        EXPECT_EQ(dialog.m_nDigit, c.member);
    }
}

TEST(IntegerField, ShowsPlainDecimal) {
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "0"}, {7, "7"}, {-12, "-12"}, {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatDialogInteger(value), text);
}

TEST(Prompts, ReplaceTheirPlaceholdersByDecimalNumbers) {
    EXPECT_EQ(IntegerPrompt(), "Please enter an integer.");
    EXPECT_EQ(RangePrompt(0, 99), "Please enter an integer between 0 and 99.");
    EXPECT_EQ(RangePrompt(-5, 255), "Please enter an integer between -5 and 255.");
    EXPECT_EQ(MaxCharsPrompt(24), "Please enter no more than 24 characters.");
}

TEST(SaveExchange, LengthRefusalKeepsEarlierEntriesAndLeavesLaterOnesUntouched) {
    ScriptedHost host;
    FieldsDialog dialog;
    dialog.m_strCode = "ABCDE"; // longer than its limit of 3
    host.ExpectDialog("Fields")
        .Check([&host](CDialog& d) {
            EXPECT_EQ(Control(d, IDC_CODE).text, "ABCDE"); // shown whole, without a prompt
            EXPECT_EQ(Control(d, IDC_CODE).textLimit, 3);
            EXPECT_TRUE(host.MessageBoxes().empty());
        })
        .Append(IDC_CODE, "F")
        .Type(IDC_DIGIT, "3")
        .Type(IDC_COUNT, "42")
        .PressEnter()
        .Check([](CDialog& d) {
            ExpectRefusedField(d, IDC_CODE);
            EXPECT_EQ(Control(d, IDC_CODE).text, "ABCDE");
            EXPECT_EQ(Fields(d).m_nDigit, 3);        // before the refused entry: stored
            EXPECT_EQ(Fields(d).m_strCode, "ABCDE"); // the refused value itself: stored
            EXPECT_EQ(Fields(d).m_nCount, 10);       // after it: untouched
        })
        .Type(IDC_CODE, "WXYZ")
        .Check([](CDialog& d) { EXPECT_EQ(Control(d, IDC_CODE).text, "WXY"); })
        .PressEnter();
    host.ExpectMessageBox("Please enter no more than 3 characters.");

    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_strCode, "WXY");
    EXPECT_EQ(dialog.m_nCount, 42);
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    EXPECT_EQ(host.MessageBoxes()[0].type, PROMPT_TYPE);
    EXPECT_EQ(host.MessageBoxes()[0].caption, AfxGetAppName());
}

TEST(SaveExchange, LengthCheckSetsTheLimitInBothDirectionsUnlessItRefuses) {
    ScriptedHost host;
    FieldsDialog dialog;
    const auto clearLimit = [](CDialog& d) {
        static_cast<CEdit*>(d.GetDlgItem(IDC_CODE))->LimitText(0);
        EXPECT_EQ(Control(d, IDC_CODE).textLimit, 0);
    };
    host.ExpectDialog("Fields")
        .Check(clearLimit)
        .Check([](CDialog& d) {
            EXPECT_TRUE(d.UpdateData(TRUE));
            EXPECT_EQ(Control(d, IDC_CODE).textLimit, 3);
        })
        .Check(clearLimit)
        .Type(IDC_CODE, "ABCDE")
        .Check([](CDialog& d) {
            EXPECT_FALSE(d.UpdateData(TRUE));
            EXPECT_EQ(Control(d, IDC_CODE).textLimit, 0);
        })
        .PressEscape();
    host.ExpectMessageBox("Please enter no more than 3 characters.");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(SaveExchange, RangeRefusalOnlyOnSaveNeverOnShow) {
    ScriptedHost host;
    FieldsDialog dialog;
    dialog.m_nCount = 150;
    host.ExpectDialog("Fields")
        .Check([&host](CDialog& d) {
            EXPECT_EQ(Control(d, IDC_COUNT).text, "150");
            EXPECT_EQ(Control(d, IDC_COUNT).textLimit, 0); // integer fields get no limit
            EXPECT_TRUE(host.MessageBoxes().empty());
        })
        .PressEnter()
        .Check([](CDialog& d) {
            ExpectRefusedField(d, IDC_COUNT);
            EXPECT_EQ(Fields(d).m_nCount, 150);
        })
        .Type(IDC_COUNT, "99")
        .PressEnter();
    host.ExpectMessageBox("Please enter an integer between 0 and 99.");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nCount, 99);
}

TEST(SaveExchange, TwoBadFieldsAreReportedOneOkAtATime) {
    ScriptedHost host;
    FieldsDialog dialog;
    dialog.m_nDigit = 12;
    dialog.m_nCount = 150;
    host.ExpectDialog("Fields")
        .PressEnter()
        .Check([](CDialog& d) { ExpectRefusedField(d, IDC_DIGIT); })
        .PressEnter()
        .Type(IDC_DIGIT, "1")
        .PressEnter()
        .Check([](CDialog& d) { ExpectRefusedField(d, IDC_COUNT); })
        .Type(IDC_COUNT, "5")
        .PressEnter();
    host.ExpectMessageBox("Please enter an integer between 0 and 9.");
    host.ExpectMessageBox("Please enter an integer between 0 and 9.");
    host.ExpectMessageBox("Please enter an integer between 0 and 99.");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nDigit, 1);
    EXPECT_EQ(dialog.m_nCount, 5);
}

TEST(SaveExchange, OtherFailuresAreReportedWithoutMovingTheFocus) {
    struct Case {
        const char* name;
        std::function<void(CDataExchange*)> fail;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"memory", [](CDataExchange*) { throw std::bad_alloc(); }, "Out of memory."},
        {"other", [](CDataExchange*) { throw std::runtime_error("x"); },
         "Internal application error."},
        {"missing control",
         [](CDataExchange* pDX) {
             int value = 0;
             DDX_Text(pDX, 999, value);
         },
         "Internal application error."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedHost host;
        FieldsDialog dialog;
        dialog.m_afterFirstField = c.fail;
        host.ExpectDialog("Fields")
            .Type(IDC_DIGIT, "4")
            .Focus(IDC_COUNT)
            .PressEnter()
            .Check([](CDialog& d) {
                EXPECT_EQ(FocusedControlId(d), IDC_COUNT);
                EXPECT_EQ(Fields(d).m_nDigit, 4);
                EXPECT_FALSE(d.IsEnding());
            })
            .PressEscape();
        host.ExpectMessageBox(c.message);
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        ASSERT_EQ(host.MessageBoxes().size(), 1u);
        EXPECT_EQ(host.MessageBoxes()[0].type, PROMPT_TYPE);
    }
}

TEST(CheckBox, ShowsZeroOneTwoAndResetsOtherMemberValues) {
    struct Case {
        int member;
        int shown;
        int memberAfterShow;
        int savedAfterClick;
    };
    const std::vector<Case> cases = {
        {0, BST_UNCHECKED, 0, 1}, {1, BST_CHECKED, 1, 0},    {2, BST_INDETERMINATE, 2, 1},
        {3, BST_UNCHECKED, 0, 1}, {-1, BST_UNCHECKED, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("member " + std::to_string(c.member));
        ScriptedHost host;
        FieldsDialog dialog;
        dialog.m_nFlag = c.member;
        host.ExpectDialog("Fields")
            .Check([&c](CDialog& d) {
                EXPECT_EQ(Control(d, IDC_FLAG).check, c.shown);
                EXPECT_EQ(Fields(d).m_nFlag, c.memberAfterShow);
            })
            .Click(IDC_FLAG)
            .PressEnter();
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.m_nFlag, c.savedAfterClick);
    }
}

TEST(RadioGroup, PositionsCountOnlyTheGroupsRadioButtons) {
    struct Case {
        int member;
        std::set<int> checked; // of 300, 301, 302, 303, 304; the second group holds 1
        int saved;
    };
    const std::vector<Case> cases = {
        {-1, {304}, -1},    {0, {300, 304}, 0},
        {1, {301, 304}, 1}, {2, {302, 304}, 2}, // the label between 301 and 302 is no position
        {3, {304}, -1},                         // 303 starts the next group
        {99, {304}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("member " + std::to_string(c.member));
        ScriptedHost host;
        FieldsDialog dialog;
        dialog.m_nChoice = c.member;
        dialog.m_nOther = 1;
        host.ExpectDialog("Fields")
            .Check([&c](CDialog& d) {
                for (int id = 300; id <= 304; ++id)
                    EXPECT_EQ(Control(d, id).check,
                              c.checked.count(id) ? BST_CHECKED : BST_UNCHECKED)
                        << "radio " << id;
            })
            .PressEnter();
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.m_nChoice, c.saved);
        EXPECT_EQ(dialog.m_nOther, 1);
    }
}

TEST(RadioGroup, AClickChangesOnlyItsOwnGroup) {
    ScriptedHost host;
    FieldsDialog dialog;
    host.ExpectDialog("Fields")
        .Click(302)
        .Click(304)
        .Check([](CDialog& d) {
            EXPECT_EQ(Control(d, 300).check, BST_UNCHECKED);
            EXPECT_EQ(Control(d, 302).check, BST_CHECKED);
            EXPECT_EQ(Control(d, 303).check, BST_UNCHECKED);
            EXPECT_EQ(Control(d, 304).check, BST_CHECKED);
        })
        .PressEnter();
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nChoice, 2);
    EXPECT_EQ(dialog.m_nOther, 1);
}

TEST(DropDownIndex, MinusOneMeansNoSelection) {
    struct Case {
        int member;
        int shown;
        std::optional<int> chosen; // an entry the user selects
        int saved;
    };
    const std::vector<Case> cases = {
        {-1, -1, std::nullopt, -1},
        {1, 1, std::nullopt, 1},
        {3, -1, std::nullopt, -1},
        {-1, -1, 2, 2},
        {0, 0, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("member " + std::to_string(c.member));
        ScriptedHost host;
        FieldsDialog dialog;
        dialog.m_nPick = c.member;
        DialogScript& script = host.ExpectDialog("Fields").Check([&c](CDialog& d) {
            EXPECT_EQ(Control(d, IDC_PICK).items.size(), 3u); // the template's items
            EXPECT_EQ(Control(d, IDC_PICK).currentSelection, c.shown);
        });
        if (c.chosen)
            script.Select(IDC_PICK, *c.chosen);
        script.PressEnter();
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.m_nPick, c.saved);
    }
}

TEST(AttachedList, BindsOnTheFirstExchangeAndLetsGoWithTheWindow) {
    ScriptedHost host;
    FieldsDialog dialog;
    WindowState* firstList = nullptr;
    host.ExpectDialog("Fields")
        .Check([&firstList](CDialog& d) {
            FieldsDialog& fields = Fields(d);
            firstList = &Control(d, IDC_LIST);
            ASSERT_EQ(fields.m_list.m_hWnd, firstList);
            EXPECT_EQ(firstList->attached, &fields.m_list);
            EXPECT_EQ(d.GetDlgItem(IDC_LIST), &fields.m_list);
            EXPECT_EQ(fields.m_list.AddString("one"), 0);
            EXPECT_EQ(fields.m_list.AddString("two"), 1);
            EXPECT_EQ(fields.m_list.SetItemData(1, 42), 0);
            EXPECT_TRUE(d.UpdateData(FALSE));
            EXPECT_TRUE(d.UpdateData(TRUE));
            EXPECT_EQ(fields.m_list.m_hWnd, firstList);
            EXPECT_EQ(firstList->items.size(), 2u); // exchanges leave the list alone
            EXPECT_EQ(fields.m_list.GetItemData(1), 42u);
        })
        .PressEscape();
    dialog.DoModal();
    EXPECT_EQ(dialog.m_list.m_hWnd, nullptr);
    EXPECT_EQ(dialog.m_list.GetCount(), LB_ERR); // no window: every call fails safely
    // The next run binds the member to its new window.
    WindowState* secondList = nullptr;
    host.ExpectDialog("Fields")
        .Check([&secondList](CDialog& d) {
            secondList = Fields(d).m_list.m_hWnd;
            EXPECT_EQ(secondList, &Control(d, IDC_LIST));
            EXPECT_EQ(Fields(d).m_list.GetCount(), 0);
        })
        .PressEscape();
    dialog.DoModal();
    EXPECT_NE(secondList, nullptr);
}

/// A host that reports model changes back as notifications, as a toolkit's widgets do.
class EchoingHost : public ScriptedHost {
public:
    void WindowChanged(WindowState& window, WindowChange what) override {
        if (what == WindowChange::CurrentSelection && window.kind == ControlKind::ComboBox)
            CWnd::FromHandle(&window)->SendNotify(window.id, CBN_SELCHANGE);
    }
};

TEST(Notifications, AreDroppedWhileTheWindowExchangesItsData) {
    EchoingHost host;
    FieldsDialog dialog;
    dialog.m_nPick = 1;
    host.ExpectDialog("Fields")
        .Check([](CDialog& d) {
            // The show exchange set the edit text and the drop-down selection: nothing reached
            // the handlers.
            EXPECT_EQ(Fields(d).m_nDigitChanges, 0);
            EXPECT_EQ(Fields(d).m_nPickChanges, 0);
            Fields(d).m_nPick = 2;
            EXPECT_TRUE(d.UpdateData(FALSE));
            EXPECT_TRUE(d.UpdateData(TRUE));
            EXPECT_EQ(Fields(d).m_nDigitChanges, 0);
            EXPECT_EQ(Fields(d).m_nPickChanges, 0);
            // Outside an exchange the same changes are reported.
            static_cast<CComboBox*>(d.GetDlgItem(IDC_PICK))->SetCurSel(0);
            EXPECT_EQ(Fields(d).m_nPickChanges, 1);
        })
        .Type(IDC_DIGIT, "12")
        .Check([](CDialog& d) { EXPECT_EQ(Fields(d).m_nDigitChanges, 2); })
        .PressEscape();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

} // namespace
