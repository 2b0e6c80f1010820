// Modal dialogs: opening and closing, keys, focus, message maps, posted messages and failures
// escaping handlers.
#include "platform/app.h"
#include "platform/controls.h"
#include "platform/data_exchange.h"
#include "platform/dialog.h"
#include "platform/file.h"
#include "platform/host.h"
#include "tests/platform/test_templates.h"
#include "tests/support/scripted_host.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int IDC_VALUE = 100;
constexpr int IDC_OTHER = 10;
constexpr int IDC_FLAG = 200;

/// An application object for the duration of one test.
class TestApp : public CWinApp {
public:
    TestApp() : CWinApp("Roster Test") {}
    std::vector<std::string> m_log;

protected:
    void OnAppCommand() { m_log.push_back("app 13"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
ON_COMMAND(ID_HELP, CWinApp::OnHelp)
ON_COMMAND(13, OnAppCommand)
END_MESSAGE_MAP()

// ---- Keys -------------------------------------------------------------------------------------

const DialogTemplate& KeysTemplate() {
    static const DialogTemplate keys = [] {
        std::vector<ControlTemplate> controls = {
            MakeControl(ControlKind::Edit, IDC_VALUE, EDIT_STYLE),
            MakeControl(ControlKind::PushButton, IDC_OTHER, BUTTON_STYLE, "Other"),
            MakeControl(ControlKind::CheckBox, IDC_FLAG, BUTTON_STYLE, "Flag"),
        };
        AddOkCancel(controls);
        return MakeTemplate("Keys", std::move(controls));
    }();
    return keys;
}

class KeysDialog : public CDialog {
public:
    KeysDialog() : CDialog(KeysTemplate()) {}
    int m_nValue = 5;
    int m_nOtherClicks = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_VALUE, m_nValue); }
    void OnOther() {
        ++m_nOtherClicks;
        EndDialog(77);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(KeysDialog, CDialog)
ON_BN_CLICKED(IDC_OTHER, OnOther)
END_MESSAGE_MAP()

void Disable(CDialog& dialog, int id) {
    dialog.GetDlgItem(id)->EnableWindow(FALSE);
}
void ExpectOpen(CDialog& dialog) {
    EXPECT_FALSE(dialog.IsEnding());
}

TEST(Keys, EndTheDialogThroughItsButtons) {
    struct Case {
        const char* name;
        std::function<void(DialogScript&)> script;
        int result;
        int value; // the member held 5; only OK saves
    };
    const std::vector<Case> cases = {
        {"Enter in an edit field presses the default button",
         [](DialogScript& s) { s.Type(IDC_VALUE, "7").PressEnter(); }, IDOK, 7},
        {"Enter on a focused push button presses it",
         [](DialogScript& s) { s.Type(IDC_VALUE, "7").Focus(IDC_OTHER).PressEnter(); }, 77, 5},
        {"Enter on the focused Cancel button cancels",
         [](DialogScript& s) { s.Type(IDC_VALUE, "7").Focus(IDCANCEL).PressEnter(); }, IDCANCEL, 5},
        {"Enter on a check box presses the default button",
         [](DialogScript& s) { s.Type(IDC_VALUE, "7").Focus(IDC_FLAG).PressEnter(); }, IDOK, 7},
        {"Enter with the default button disabled does nothing",
         [](DialogScript& s) {
             s.Check([](CDialog& d) { Disable(d, IDOK); })
                 .PressEnter()
                 .Check(ExpectOpen)
                 .PressEscape();
         },
         IDCANCEL, 5},
        {"Escape cancels without exchanging",
         [](DialogScript& s) { s.Type(IDC_VALUE, "7").PressEscape(); }, IDCANCEL, 5},
        {"the close box cancels", [](DialogScript& s) { s.Type(IDC_VALUE, "7").CloseBox(); },
         IDCANCEL, 5},
        {"a click on a disabled button does nothing",
         [](DialogScript& s) {
             s.Check([](CDialog& d) { Disable(d, IDC_OTHER); })
                 .Click(IDC_OTHER)
                 .Check(ExpectOpen)
                 .Click(IDCANCEL);
         },
         IDCANCEL, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedHost host;
        KeysDialog dialog;
        c.script(host.ExpectDialog("Keys"));
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_EQ(dialog.m_nValue, c.value);
        EXPECT_EQ(dialog.m_nOtherClicks, c.result == 77 ? 1 : 0);
    }
}

// ---- Tab order --------------------------------------------------------------------------------

const DialogTemplate& TabTemplate() {
    static const DialogTemplate tab = [] {
        std::vector<ControlTemplate> controls = {
            MakeControl(ControlKind::Static, IDC_STATIC, WS_VISIBLE | WS_GROUP, "Label"),
            MakeControl(ControlKind::Edit, 100, EDIT_STYLE),
            MakeControl(ControlKind::Edit, 101, EDIT_STYLE | WS_DISABLED),
            MakeControl(ControlKind::Edit, 102, WS_VISIBLE | WS_BORDER), // no tab stop
            MakeControl(ControlKind::RadioButton, 300, WS_VISIBLE | WS_GROUP | WS_TABSTOP, "A"),
            MakeControl(ControlKind::RadioButton, 301, WS_VISIBLE, "B"),
            MakeControl(ControlKind::RadioButton, 302, WS_VISIBLE, "C"),
            MakeControl(ControlKind::CheckBox, 200, BUTTON_STYLE | WS_GROUP, "Flag"),
        };
        AddOkCancel(controls);
        return MakeTemplate("Tab", std::move(controls));
    }();
    return tab;
}

class TabDialog : public CDialog {
public:
    explicit TabDialog(int choice, bool focusItself = false)
        : CDialog(TabTemplate()), m_nChoice(choice), m_bFocusItself(focusItself) {}
    std::string m_strText = "abc";
    int m_nChoice;
    bool m_bFocusItself;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, 100, m_strText);
        DDX_Radio(pDX, 300, m_nChoice);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (!m_bFocusItself)
            return TRUE;
        GetDlgItem(102)->SetFocus();
        return FALSE; // the focus is set already
    }
};

/// Presses Tab (or Shift+Tab) and checks where the focus lands.
void ExpectTabs(DialogScript& script, bool forward, const std::vector<int>& landings) {
    for (const int id : landings)
        script.PressTab(forward).Check([id](CDialog& d) { EXPECT_EQ(FocusedControlId(d), id); });
}

TEST(TabOrder, FollowsTemplateOrderOverEnabledTabStopsAndWraps) {
    ScriptedHost host;
    TabDialog dialog(1);
    DialogScript& script = host.ExpectDialog("Tab").Check([](CDialog& d) {
        EXPECT_EQ(FocusedControlId(d), 100); // the first enabled tab stop
        EXPECT_EQ(Control(d, 100).selectionEnd, 3);
    });
    // The radio group is one stop, at its checked button.
    ExpectTabs(script, true, {301, 200, IDOK, IDCANCEL, 100});
    script.Check([](CDialog& d) {
        EXPECT_EQ(Control(d, 100).selectionStart, 0); // tabbing in selects the whole text
        EXPECT_EQ(Control(d, 100).selectionEnd, 3);
    });
    ExpectTabs(script, false, {IDCANCEL, IDOK, 200, 301, 100});
    script.Click(302);
    ExpectTabs(script, true, {200});
    ExpectTabs(script, false, {302});
    script.PressEscape();
    dialog.DoModal();
}

TEST(TabOrder, GroupWithoutCheckedButtonStopsAtItsTabStop) {
    ScriptedHost host;
    TabDialog dialog(-1);
    DialogScript& script = host.ExpectDialog("Tab");
    ExpectTabs(script, true, {300, 200});
    script.PressEscape();
    dialog.DoModal();
}

TEST(TabOrder, InitialisationReturningFalseKeepsItsOwnFocus) {
    ScriptedHost host;
    TabDialog dialog(0, true);
    host.ExpectDialog("Tab")
        .Check([](CDialog& d) { EXPECT_EQ(FocusedControlId(d), 102); })
        .PressEscape();
    dialog.DoModal();
}

// ---- Nested modals ----------------------------------------------------------------------------

DialogTemplate ChainTemplate(const char* caption) {
    std::vector<ControlTemplate> controls = {
        MakeControl(ControlKind::PushButton, IDC_OTHER, BUTTON_STYLE, "Open")};
    AddOkCancel(controls);
    return MakeTemplate(caption, std::move(controls));
}

/// A dialog whose button IDC_OTHER runs a callback, typically opening the next dialog.
class ChainDialog : public CDialog {
public:
    ChainDialog(const DialogTemplate& dialogTemplate, CWnd* parent,
                std::function<void(ChainDialog&)> onOpen)
        : CDialog(dialogTemplate, parent), m_onOpen(std::move(onOpen)) {}

protected:
    void OnOpen() { m_onOpen(*this); }
    DECLARE_MESSAGE_MAP()

private:
    std::function<void(ChainDialog&)> m_onOpen;
};

BEGIN_MESSAGE_MAP(ChainDialog, CDialog)
ON_BN_CLICKED(IDC_OTHER, OnOpen)
END_MESSAGE_MAP()

TEST(NestedModals, RunThreeDeepEachWithItsOwnResultAndOwner) {
    const DialogTemplate outerTemplate = ChainTemplate("Outer");
    const DialogTemplate middleTemplate = ChainTemplate("Middle");
    const DialogTemplate innerTemplate = ChainTemplate("Inner");
    TestApp app;
    ScriptedHost host;
    int middleResult = 0;
    int innerResult = 0;
    const WindowState* outerWindow = nullptr;
    const WindowState* middleWindow = nullptr;

    ChainDialog outer(outerTemplate, nullptr, [&](ChainDialog& self) {
        outerWindow = self.m_hWnd;
        ChainDialog middle(middleTemplate, nullptr, [&](ChainDialog& middleSelf) {
            middleWindow = middleSelf.m_hWnd;
            ChainDialog inner(innerTemplate, &middleSelf, [](ChainDialog&) {});
            innerResult = inner.DoModal();
        });
        middleResult = middle.DoModal();
    });
    app.m_pMainWnd = &outer;

    host.ExpectDialog("Outer")
        .Click(IDC_OTHER)
        .Check([&](CDialog& d) {
            EXPECT_EQ(middleResult, IDOK);
            EXPECT_EQ(innerResult, IDCANCEL);
            EXPECT_EQ(AfxGetModalDialog(), &d);
        })
        .Click(IDOK);
    host.ExpectDialog("Middle")
        .Check([&](CDialog& d) {
            // Constructed without a parent: owned by the application's main window.
            EXPECT_EQ(d.m_hWnd->parent, outerWindow);
            EXPECT_EQ(d.GetParent(), &outer);
        })
        .Click(IDC_OTHER)
        .Click(IDOK);
    host.ExpectDialog("Inner")
        .Check([&](CDialog& d) {
            EXPECT_EQ(d.m_hWnd->parent, middleWindow);
            EXPECT_EQ(AfxGetModalDialog(), &d);
        })
        .PressEscape();

    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(host.DialogsOpened(), (std::vector<std::string>{"Outer", "Middle", "Inner"}));
    EXPECT_EQ(AfxGetModalDialog(), nullptr);
    EXPECT_EQ(outer.m_hWnd, nullptr);
}

// ---- Opening, posted messages -----------------------------------------------------------------

/// Runs a callback in OnInitDialog and logs painting and cancelling.
class OpeningDialog : public CDialog {
public:
    explicit OpeningDialog(std::function<void(OpeningDialog&)> onInit,
                           const DialogTemplate& dialogTemplate = KeysTemplate())
        : CDialog(dialogTemplate), m_onInit(std::move(onInit)) {}
    std::vector<std::string> m_log;
    bool m_bDestroyed = false;

    using CDialog::EndDialog;
    using CDialog::PostMessage;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_log.push_back("init");
        m_onInit(*this);
        return TRUE;
    }
    void OnCancel() override {
        m_log.push_back("cancel");
        CDialog::OnCancel();
    }
    void OnPaint() { m_log.push_back("paint"); }
    void PostNcDestroy() override {
        EXPECT_EQ(m_hWnd, nullptr);
        m_bDestroyed = true;
    }
    DECLARE_MESSAGE_MAP()

private:
    std::function<void(OpeningDialog&)> m_onInit;
};

BEGIN_MESSAGE_MAP(OpeningDialog, CDialog)
ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(PostedMessages, CloseFromInitialisationEndsTheDialogAsCancelAfterEarlierMessages) {
    ScriptedHost host;
    OpeningDialog dialog([](OpeningDialog& self) {
        self.MessageBox("Can't open the file");
        self.PostMessage(WM_PAINT);
        self.PostMessage(WM_CLOSE);
    });
    host.ExpectDialog("Keys");
    host.ExpectMessageBox("Can't open the file");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_log, (std::vector<std::string>{"init", "paint", "cancel"}));
    EXPECT_TRUE(dialog.m_bDestroyed);
}

TEST(PostedMessages, AreDroppedWhenTheirWindowIsDestroyedFirst) {
    ScriptedHost host;
    OpeningDialog dialog([](OpeningDialog& self) {
        self.PostMessage(WM_PAINT);
        self.EndDialog(IDOK);
    });
    host.ExpectDialog("Keys");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(AfxDeliverPostedMessages());
    EXPECT_EQ(dialog.m_log, (std::vector<std::string>{"init"}));
}

TEST(Opening, WithoutAHostFails) {
    OpeningDialog dialog([](OpeningDialog&) {});
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(dialog.m_log.empty());
}

TEST(Opening, FailedInitialisationEndsWithMinusOne) {
    const CFileException readError(CFileException::Operation::Read, EIO, "folder/rosters.txt");
    {
        ScriptedHost host;
        OpeningDialog dialog([&readError](OpeningDialog&) { throw readError; });
        host.ExpectDialog("Keys");
        host.ExpectMessageBox(readError.GetErrorMessage());
        EXPECT_EQ(dialog.DoModal(), -1);
        ASSERT_EQ(host.MessageBoxes().size(), 1u);
        EXPECT_EQ(host.MessageBoxes()[0].type, MB_OK | MB_ICONSTOP);
    }
    {
        // Initial items for a control that is no drop-down list.
        DialogTemplate broken = KeysTemplate();
        broken.initItems = {{IDC_VALUE, {"x"}}};
        ScriptedHost host;
        OpeningDialog dialog([](OpeningDialog&) {}, broken);
        host.ExpectDialog("Keys");
        EXPECT_EQ(dialog.DoModal(), -1);
    }
}

// ---- Message maps and failures in handlers ----------------------------------------------------

const DialogTemplate& CommandsTemplate() {
    static const DialogTemplate commands = [] {
        std::vector<ControlTemplate> controls;
        for (int id = 10; id <= 14; ++id)
            controls.push_back(
                MakeControl(ControlKind::PushButton, id, BUTTON_STYLE, std::to_string(id)));
        controls.push_back(
            MakeControl(ControlKind::ListBox, 500, WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY));
        AddOkCancel(controls);
        return MakeTemplate("Commands", std::move(controls));
    }();
    return commands;
}

class BaseDialog : public CDialog {
public:
    BaseDialog() : CDialog(CommandsTemplate()) {}
    std::vector<std::string> m_log;
    std::function<void()> m_fail; // what the handler of button 10 and OK throw

protected:
    void OnTen() {
        m_log.push_back("base 10");
        if (m_fail)
            m_fail();
    }
    void OnTwelve() { m_log.push_back("base 12"); }
    void OnOK() override {
        if (m_fail)
            m_fail();
        CDialog::OnOK();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseDialog, CDialog)
ON_BN_CLICKED(10, OnTen)
ON_BN_CLICKED(12, OnTwelve)
END_MESSAGE_MAP()

const IconResource kIcon{128, {}};

class DerivedDialog : public BaseDialog {
protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        auto* list = static_cast<CListBox*>(GetDlgItem(500));
        list->AddString("first");
        list->AddString("second");
        return TRUE;
    }
    void OnEleven() { m_log.push_back("derived 11"); }
    void OnTwelve() { m_log.push_back("derived 12"); }
    void OnDblclkList() {
        m_log.push_back("double click " +
                        std::to_string(static_cast<CListBox*>(GetDlgItem(500))->GetCurSel()));
    }
    HCURSOR OnQueryDragIcon() { return &kIcon; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedDialog, BaseDialog)
ON_BN_CLICKED(11, OnEleven)
ON_BN_CLICKED(12, OnTwelve)
ON_LBN_DBLCLK(500, OnDblclkList)
ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

TEST(MessageMaps, RouteThroughTheClassChainThenTheApplication) {
    TestApp app;
    ScriptedHost host;
    DerivedDialog dialog;
    host.ExpectDialog("Commands")
        .Click(10)
        .Click(11)
        .Click(12)
        .Click(13)
        .Click(14)
        .DoubleClick(500, 1)
        .PressHelp()
        .Check([](CDialog& d) {
            EXPECT_TRUE(d.RouteCommand(13, BN_CLICKED));
            EXPECT_FALSE(d.RouteCommand(14, BN_CLICKED));
            EXPECT_FALSE(d.RouteCommand(11, LBN_DBLCLK)); // the code is part of the key
            EXPECT_EQ(d.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(&kIcon));
        })
        .PressEscape();
    host.ExpectMessageBox("No help is available for this program.");

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_log,
              (std::vector<std::string>{"base 10", "derived 11", "derived 12", "double click 1"}));
    EXPECT_EQ(app.m_log, (std::vector<std::string>{"app 13", "app 13"}));
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    EXPECT_EQ(host.MessageBoxes()[0].caption, "Roster Test");
    EXPECT_EQ(host.MessageBoxes()[0].type, MB_OK | MB_ICONINFORMATION);
}

TEST(HandlerFailures, AreShownWithAStopIconAndTheDialogStaysOpen) {
    const CFileException writeError(CFileException::Operation::Write, ENOSPC, "folder/rosters.txt");
    struct Case {
        const char* name;
        int button;
        std::function<void()> fail;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"file error in a handler", 10, [&writeError] { throw writeError; },
         writeError.GetErrorMessage()},
        {"file error in OnOK", IDOK, [&writeError] { throw writeError; },
         writeError.GetErrorMessage()},
        {"memory", 10, [] { throw std::bad_alloc(); }, "Out of memory."},
        {"anything else", IDOK, [] { throw std::logic_error("x"); }, "Internal application error."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedHost host;
        BaseDialog dialog;
        dialog.m_fail = c.fail;
        host.ExpectDialog("Commands").Click(c.button).Check(ExpectOpen).PressEscape();
        host.ExpectMessageBox(c.message);
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        ASSERT_EQ(host.MessageBoxes().size(), 1u);
        EXPECT_EQ(host.MessageBoxes()[0].type, MB_OK | MB_ICONSTOP);
    }
}

} // namespace
