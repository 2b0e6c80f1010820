// The application object: its registration, its name and the message boxes it shows.
#include "platform/app.h"
#include "platform/dialog.h"
#include "tests/platform/test_templates.h"
#include "tests/support/scripted_host.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

/// Records what InitInstance saw.
class RecordingApp : public CWinApp {
public:
    explicit RecordingApp(const char* name = nullptr) : CWinApp(name) {}
    std::string m_strNameSeen;
    int m_nRuns = 0;

    BOOL InitInstance() override {
        ++m_nRuns;
        m_strNameSeen = AfxGetAppName();
        return FALSE;
    }
};

int RunMain(const char* program) {
    std::string argument = program;
    char* argv[] = {argument.data(), nullptr};
    return AfxWinMain(1, argv);
}

TEST(Application, IsNamedAfterTheProgramFileWithoutFolderAndExtension) {
    struct Case {
        const char* program;
        const char* name;
    };
    const std::vector<Case> cases = {
        {"roster-editor", "roster-editor"},
        {"./bin/roster-editor.exe", "roster-editor"},
        {"some/folder/name.with.dots", "name.with"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        RecordingApp app;
        EXPECT_EQ(RunMain(c.program), 0);
        EXPECT_EQ(app.m_nRuns, 1);
        EXPECT_EQ(app.m_strNameSeen, c.name);
        EXPECT_STREQ(app.m_pszAppName, c.name);
    }
}

TEST(Application, WithoutEntryPointTakesTheRunningProgramsName) {
    EXPECT_STREQ(AfxGetAppName(), "platform_tests");
    RecordingApp app;
    EXPECT_STREQ(app.m_pszAppName, "platform_tests");
}

TEST(Application, GivenNameIsKept) {
    RecordingApp app("Given");
    RunMain("folder/other");
    EXPECT_EQ(app.m_strNameSeen, "Given");
}

TEST(Application, OneObjectIsRegisteredAtATime) {
    EXPECT_EQ(AfxGetApp(), nullptr);
    EXPECT_EQ(RunMain("program"), 1); // no application object to run
    {
        RecordingApp outer("outer");
        EXPECT_EQ(AfxGetApp(), &outer);
        {
            RecordingApp inner("inner");
            EXPECT_EQ(AfxGetApp(), &inner);
            EXPECT_STREQ(AfxGetAppName(), "inner");
        }
        EXPECT_EQ(AfxGetApp(), &outer);
        EXPECT_EQ(outer.InitInstance(), FALSE);
        EXPECT_EQ(outer.Enable3dControlsStatic(), TRUE);
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
}

/// Records the owner of every message box.
class OwnerHost : public ScriptedHost {
public:
    std::vector<CWnd*> m_owners;
    int ShowMessageBox(CWnd* owner, std::string_view text, std::string_view caption,
                       UINT type) override {
        m_owners.push_back(owner);
        return ScriptedHost::ShowMessageBox(owner, text, caption, type);
    }
};

TEST(Application, MessageBoxesBelongToTheInnermostDialogElseTheMainWindow) {
    std::vector<ControlTemplate> controls;
    AddOkCancel(controls);
    const DialogTemplate plain = MakeTemplate("Plain", std::move(controls));
    RecordingApp app("Roster Test");
    OwnerHost host;
    CDialog mainWindow(plain);
    app.m_pMainWnd = &mainWindow;
    CDialog dialog(plain);

    host.ExpectMessageBox("outside", IDYES);
    host.ExpectDialog("Plain")
        .Check([](CDialog&) { EXPECT_EQ(AfxMessageBox("inside", MB_YESNO), IDNO); })
        .PressEscape();
    host.ExpectMessageBox("inside", IDNO);

    EXPECT_EQ(AfxMessageBox("outside", MB_YESNO | MB_ICONQUESTION), IDYES);
    dialog.DoModal();
    EXPECT_EQ(host.m_owners, (std::vector<CWnd*>{&mainWindow, &dialog}));
    ASSERT_EQ(host.MessageBoxes().size(), 2u);
    EXPECT_EQ(host.MessageBoxes()[0].caption, "Roster Test");
    EXPECT_EQ(host.MessageBoxes()[0].type, MB_YESNO | MB_ICONQUESTION);
}

} // namespace
