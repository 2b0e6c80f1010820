// The application object and the framework's entry point.
#pragma once

#include "platform/window.h"

#include <string>
#include <string_view>

/// The application: one global instance, whose InitInstance runs the program.
class CWinApp : public CCmdTarget {
public:
    /// A null name means the program file's name without folder and extension.
    explicit CWinApp(const char* pszAppName = nullptr);
    ~CWinApp() override;

    const char* m_pszAppName = nullptr;
    CWnd* m_pMainWnd = nullptr;

    /// Runs the program; FALSE ends it without a message loop.
    virtual BOOL InitInstance();
    /// Asks for the three-dimensional look of dialog controls (always on here).
    BOOL Enable3dControlsStatic();
    /// The standard help command (F1): the program has no help file, so it says so.
    void OnHelp();
    /// What OnHelp shows.
    static const char* HelpUnavailableText();

    DECLARE_MESSAGE_MAP()

private:
    std::string m_strAppName;
    bool m_bNameFromProgram = true; // no name was given: the program file names it
    CWinApp* m_pPreviousApp;        // the application object before this one, if any
    friend int AfxWinMain(int argc, char** argv);
};

CWinApp* AfxGetApp();
/// The application's name: the caption of message boxes that give none.
const char* AfxGetAppName();
/// A message box owned by the main window, with the application's name as caption.
int AfxMessageBox(std::string_view text, UINT nType = MB_OK);
/// Names the application after the program file (folder and extension dropped) and runs
/// InitInstance of the global application object; returns the exit code.
int AfxWinMain(int argc, char** argv);
