// The seam between the dialog framework and whatever shows its windows: the Qt host
// in the program, a scripted host in the tests.
#pragma once

#include "platform/window.h"

#include <string_view>

/// Shows dialogs, runs their modal loops and shows message boxes.
class CHost {
public:
    virtual ~CHost() = default;

    /// The dialog's window model was made from its template; OnInitDialog has not run yet.
    virtual void CreateDialogWindow(CDialog& dialog) = 0;
    /// Shows the dialog and runs its modal loop until dialog.IsEnding(). The loop delivers
    /// posted messages (AfxDeliverPostedMessages) and feeds user input into the model.
    virtual void RunModalLoop(CDialog& dialog) = 0;
    /// The dialog's window is about to be destroyed.
    virtual void DestroyDialogWindow(CDialog& dialog) = 0;
    /// A modal message box; returns the button pressed (IDOK, IDCANCEL, IDYES, IDNO).
    virtual int ShowMessageBox(CWnd* owner, std::string_view text, std::string_view caption,
                               UINT type) = 0;
    /// The model of a window changed; the host refreshes its view of it.
    virtual void WindowChanged(WindowState& window, WindowChange what) = 0;
};

/// Installs the host every dialog and message box goes through (null: none).
void AfxSetHost(CHost* host);
CHost* AfxGetHost();

/// Delivers the messages posted so far, in order; false when there were none.
bool AfxDeliverPostedMessages();
