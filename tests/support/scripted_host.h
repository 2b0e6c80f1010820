// A host for tests: every dialog and message box the program opens must have been
// expected, in order, with what the user does in it.
#pragma once

#include "platform/dialog.h"
#include "platform/host.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

/// What the user does in one dialog, step by step, once it is shown.
class DialogScript {
public:
    /// Selects the field's whole text and types this text over it, key by key, under the
    /// field's input rules (ES_NUMBER, ES_UPPERCASE, limit, read-only).
    DialogScript& Type(int id, std::string text);
    /// Types at the end of the field's text without replacing it.
    DialogScript& Append(int id, std::string text);
    /// Pastes text over the field's selection (the paste rules apply).
    DialogScript& Paste(int id, std::string text);
    /// Clicks a push button, check box or radio button (BN_CLICKED; an auto check box toggles,
    /// a radio button is selected and its group cleared).
    DialogScript& Click(int id);
    /// Selects an entry of a list box or combo box (LBN_SELCHANGE / CBN_SELCHANGE).
    DialogScript& Select(int id, int index);
    /// Double-clicks an entry of a list box: selects it, then LBN_DBLCLK.
    DialogScript& DoubleClick(int id, int index);
    /// Moves the focus to a control, as a mouse click in it would.
    DialogScript& Focus(int id);
    DialogScript& PressEnter();
    DialogScript& PressEscape();
    DialogScript& PressTab(bool forward = true);
    /// The close box of the caption (WM_CLOSE).
    DialogScript& CloseBox();
    /// F1.
    DialogScript& PressHelp();
    /// Runs a check against the dialog at this point of the script.
    DialogScript& Check(std::function<void(CDialog&)> check);

    struct Step {
        std::string description;
        std::function<void(CDialog&)> run;
    };
    std::deque<Step> steps;
};

/// One message box the program showed.
struct RecordedMessageBox {
    std::string text;
    std::string caption;
    UINT type = 0; // MB_ buttons and icon
};

/// Installs itself as the host for its lifetime; fails the test on any dialog or box that
/// was not expected, and on expectations left unmet at destruction.
class ScriptedHost : public CHost {
public:
    ScriptedHost();
    ~ScriptedHost() override;

    /// The next dialog to open has this caption; the returned script runs once it is shown.
    /// When the script ends and the dialog is still open, the test fails.
    DialogScript& ExpectDialog(std::string caption);
    /// The next message box has this text; the user answers with this button.
    void ExpectMessageBox(std::string text, int answer = IDOK);

    const std::vector<RecordedMessageBox>& MessageBoxes() const { return m_boxes; }
    /// Captions of the dialogs opened so far, in order.
    const std::vector<std::string>& DialogsOpened() const { return m_dialogs; }

    void CreateDialogWindow(CDialog& dialog) override;
    void RunModalLoop(CDialog& dialog) override;
    void DestroyDialogWindow(CDialog& dialog) override;
    int ShowMessageBox(CWnd* owner, std::string_view text, std::string_view caption,
                       UINT type) override;
    void WindowChanged(WindowState& window, WindowChange what) override;

private:
    struct Expectation;
    std::deque<std::unique_ptr<Expectation>> m_expected;
    std::vector<std::unique_ptr<Expectation>> m_running; // open dialogs, innermost last
    std::vector<RecordedMessageBox> m_boxes;
    std::vector<std::string> m_dialogs;
    CHost* m_previous = nullptr;
};

/// Helpers for checks inside scripts.
WindowState& Control(CDialog& dialog, int id);
int FocusedControlId(CDialog& dialog);
/// After a refused OK: the focus is on the field and its whole text is selected.
void ExpectRefusedField(CDialog& dialog, int id);
