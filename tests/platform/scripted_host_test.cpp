// The scripted host itself: it types like a keyboard and fails a test that met the unexpected.
#include "platform/app.h"
#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/host.h"
#include "tests/platform/test_templates.h"
#include "tests/support/scripted_host.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const DialogTemplate& TypingTemplate() {
    static const DialogTemplate typing = [] {
        std::vector<ControlTemplate> controls = {
            MakeControl(ControlKind::Edit, 100, EDIT_STYLE),
            MakeControl(ControlKind::Edit, 101, EDIT_STYLE | ES_NUMBER),
            MakeControl(ControlKind::Edit, 102, EDIT_STYLE | ES_UPPERCASE),
            MakeControl(ControlKind::Edit, 103, EDIT_STYLE | ES_READONLY),
            MakeControl(ControlKind::Edit, 104, EDIT_STYLE | WS_DISABLED),
        };
        AddOkCancel(controls);
        return MakeTemplate("Typing", std::move(controls));
    }();
    return typing;
}

TEST(ScriptedTyping, GoesKeyByKeyUnderTheFieldsRules) {
    struct Case {
        const char* name;
        int id;
        std::function<void(DialogScript&)> step;
        std::string text; // every field held "old"; the plain field 100 has the limit 5
    };
    const std::vector<Case> cases = {
        {"type replaces the text", 100, [](DialogScript& s) { s.Type(100, "new"); }, "new"},
        {"type stops at the limit", 100, [](DialogScript& s) { s.Type(100, "abcdefg"); }, "abcde"},
        {"type nothing clears", 100, [](DialogScript& s) { s.Type(100, ""); }, ""},
        {"append keeps the text", 100, [](DialogScript& s) { s.Append(100, "er!"); }, "older"},
        {"digits only drops each other key", 101, [](DialogScript& s) { s.Type(101, "1a2-3"); },
         "123"},
        {"digits only keeps the text when no key fits", 101,
         [](DialogScript& s) { s.Type(101, "ab"); }, "old"},
        {"digits only refuses a paste with a letter whole", 101,
         [](DialogScript& s) { s.Type(101, "").Paste(101, "12a"); }, ""},
        {"upper case", 102, [](DialogScript& s) { s.Type(102, "ab\xE9"); }, "AB\xC9"},
        {"read-only", 103, [](DialogScript& s) { s.Type(103, "x").Type(103, ""); }, "old"},
        {"disabled", 104, [](DialogScript& s) { s.Type(104, "x"); }, "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedHost host;
        CDialog dialog(TypingTemplate());
        DialogScript& script = host.ExpectDialog("Typing").Check([](CDialog& d) {
            for (int id = 100; id <= 104; ++id)
                d.GetDlgItem(id)->SetWindowText("old");
            static_cast<CEdit*>(d.GetDlgItem(100))->LimitText(5);
        });
        c.step(script);
        std::string seen;
        script.Check([&seen, &c](CDialog& d) { seen = Control(d, c.id).text; }).PressEscape();
        dialog.DoModal();
        EXPECT_EQ(seen, c.text);
    }
}

/// The messages of the test failures that running this reports.
std::vector<std::string> FailuresOf(const std::function<void()>& run) {
    testing::TestPartResultArray results;
    {
        testing::ScopedFakeTestPartResultReporter reporter(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        run();
    }
    std::vector<std::string> messages;
    for (int at = 0; at < results.size(); ++at) {
        // ADD_FAILURE's message without its heading and the trace of the table row.
        std::string message = results.GetTestPartResult(at).message();
        if (message.starts_with("Failed\n"))
            message.erase(0, 7);
        message = message.substr(0, message.find("\nGoogle Test trace:"));
        messages.push_back(message);
    }
    return messages;
}

TEST(ScriptedHost, FailsOnWhatWasNotExpectedAndOnWhatNeverCame) {
    struct Case {
        const char* name;
        std::function<void()> run;
        std::vector<std::string> failures; // in order
    };
    const std::vector<Case> cases = {
        {"a message box nobody expected",
         [] {
             ScriptedHost host;
             EXPECT_EQ(AfxMessageBox("surprise"), IDOK);
         },
         {"unexpected message box \"surprise\", nothing more was expected"}},
        {"a message box with another text",
         [] {
             ScriptedHost host;
             host.ExpectMessageBox("planned");
             AfxMessageBox("surprise");
         },
         {"unexpected message box \"surprise\", expected message box \"planned\"",
          "expected message box \"planned\" never appeared"}},
        {"another dialog",
         [] {
             ScriptedHost host;
             host.ExpectDialog("Other").PressEnter();
             CDialog dialog(TypingTemplate());
             EXPECT_EQ(dialog.DoModal(), IDCANCEL);
         },
         {"unexpected dialog \"Typing\", expected dialog \"Other\"",
          "expected dialog \"Other\" never appeared"}},
        {"a script that leaves the dialog open",
         [] {
             ScriptedHost host;
             host.ExpectDialog("Typing").Type(100, "x");
             CDialog dialog(TypingTemplate());
             EXPECT_EQ(dialog.DoModal(), IDCANCEL);
         },
         {"dialog \"Typing\" is still open at the end of its script"}},
        {"steps after the dialog closed",
         [] {
             ScriptedHost host;
             host.ExpectDialog("Typing").PressEscape().Type(100, "x");
             CDialog dialog(TypingTemplate());
             dialog.DoModal();
         },
         {"dialog \"Typing\" closed before step Type 100"}},
        {"a step on a control the dialog lacks",
         [] {
             ScriptedHost host;
             host.ExpectDialog("Typing").Click(999).PressEscape();
             CDialog dialog(TypingTemplate());
             dialog.DoModal();
         },
         {"Click: dialog \"Typing\" has no control 999"}},
        {"expectations left at the end",
         [] {
             ScriptedHost host;
             host.ExpectDialog("Never");
         },
         {"expected dialog \"Never\" never appeared"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FailuresOf(c.run), c.failures);
    }
}

TEST(ScriptedHost, InstallsItselfAndRestoresThePreviousHost) {
    EXPECT_EQ(AfxGetHost(), nullptr);
    {
        ScriptedHost outer;
        EXPECT_EQ(AfxGetHost(), &outer);
        {
            ScriptedHost inner;
            EXPECT_EQ(AfxGetHost(), &inner);
        }
        EXPECT_EQ(AfxGetHost(), &outer);
    }
    EXPECT_EQ(AfxGetHost(), nullptr);
}

} // namespace
