#include "ui/roster_editor_app.h"

#include "ui/roster_dlg.h"

BEGIN_MESSAGE_MAP(CRosterEditorApp, CWinApp)
ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CRosterEditorApp::CRosterEditorApp() = default;

CRosterEditorApp::~CRosterEditorApp() = default;

CRosterEditorApp theApp;

BOOL CRosterEditorApp::InitInstance() {
    Enable3dControlsStatic();

    CRosterDlg dlg;
    // Dialogs made later without a parent (Player Stats, About) are owned by the main window.
    m_pMainWnd = &dlg;
    // OK has saved by the time DoModal returns, so its result changes nothing here.
    dlg.DoModal();
    // The window object is about to go; nothing may reach it through the application.
    m_pMainWnd = nullptr;
    return FALSE;
}
