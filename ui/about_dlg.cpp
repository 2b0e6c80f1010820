#include "ui/about_dlg.h"

#include "ui/res/resource.h"

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(AboutDialogTemplate(), pParent) {}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
}

// Empty: every message and command goes to the dialog's own handling.
BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()
