// Modal dialogs built from templates.
#pragma once

#include "platform/window.h"

/// A modal dialog: DoModal creates its window from the template, runs OnInitDialog,
/// runs the host's modal loop until EndDialog, then destroys the window.
class CDialog : public CWnd {
public:
    explicit CDialog(const DialogTemplate& dialogTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    /// Runs the dialog; returns IDOK, IDCANCEL, or -1 when it could not be created.
    virtual int DoModal();
    /// Ends the modal loop with this result once the current handler returns.
    void EndDialog(int nResult);

    const DialogTemplate& GetTemplate() const { return *m_pTemplate; }
    /// The result given to EndDialog, once it has been called.
    bool IsEnding() const { return m_bEnding; }

    // Keyboard behaviour that every host shares.
    /// Enter: presses the focused push button, else the default button (IDOK).
    void PressEnter();
    /// Esc: Cancel.
    void PressEscape();
    /// Tab and Shift+Tab: the next or previous enabled tab stop in template order.
    void MoveFocus(bool forward);

protected:
    /// Adds the template's initial combo box items and shows the members; TRUE puts the
    /// focus on the first tab stop.
    virtual BOOL OnInitDialog();
    /// Saves and validates the members; ends with IDOK when they pass.
    virtual void OnOK();
    /// Ends with IDCANCEL; nothing is exchanged.
    virtual void OnCancel();

    LRESULT DefWindowProc(UINT message) override;
    bool OnCmdMsg(UINT nID, UINT nCode) override;

    DECLARE_MESSAGE_MAP()

private:
    void CreateWindowState();
    void DestroyWindowState();

    const DialogTemplate* m_pTemplate;
    CWnd* m_pParentWnd;
    std::unique_ptr<WindowState> m_window;
    bool m_bEnding = false;
    int m_nResult = IDCANCEL;

    friend class CHost;
};

/// The innermost dialog whose modal loop runs, or null: the owner of message boxes that name none.
CDialog* AfxGetModalDialog();
