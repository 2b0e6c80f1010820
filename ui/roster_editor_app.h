// The application object: runs the main roster window and ends when it closes.
#pragma once

#include "platform/app.h"

/// The editor as an application: no data of its own, one global instance.
class CRosterEditorApp : public CWinApp {
public:
    /// Named after the program file, as the framework does when no name is given.
    CRosterEditorApp();
    ~CRosterEditorApp() override;

    /// Runs the main roster window modally and returns FALSE, so no message loop follows.
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

/// The one application object.
extern CRosterEditorApp theApp;
