// The About box: fixed texts and an OK button.
#pragma once

#include "platform/dialog.h"

/// Shows the program's title, copyright and support notices; exchanges and changes nothing.
class CAboutDlg : public CDialog {
public:
    /// Owned by the application's main window when no parent is given.
    explicit CAboutDlg(CWnd* pParent = nullptr);
    ~CAboutDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
