#include "platform/app.h"

#include "platform/dialog.h"
#include "platform/host.h"

#include <filesystem>
#include <system_error>

namespace {

CWinApp* g_app = nullptr;

/// A program file's name without its folder and extension.
std::string ProgramName(const std::filesystem::path& program) {
    std::string name = program.stem().string();
    return name.empty() ? program.filename().string() : name;
}

/// The running program's own name, for when AfxWinMain did not name the application.
const std::string& ExecutableName() {
    static const std::string name = [] {
        std::error_code error;
        const std::filesystem::path program =
            std::filesystem::read_symlink("/proc/self/exe", error);
        return error ? std::string() : ProgramName(program);
    }();
    return name;
}

} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* pszAppName)
    : m_bNameFromProgram(pszAppName == nullptr), m_pPreviousApp(g_app) {
    m_strAppName = pszAppName != nullptr ? std::string(pszAppName) : ExecutableName();
    m_pszAppName = m_strAppName.c_str();
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = m_pPreviousApp;
}

BOOL CWinApp::InitInstance() {
    return FALSE;
}

BOOL CWinApp::Enable3dControlsStatic() {
    return TRUE;
}

void CWinApp::OnHelp() {
    AfxMessageBox(HelpUnavailableText(), MB_OK | MB_ICONINFORMATION);
}

const char* CWinApp::HelpUnavailableText() {
    return "No help is available for this program.";
}

CWinApp* AfxGetApp() {
    return g_app;
}

const char* AfxGetAppName() {
    return g_app != nullptr ? g_app->m_pszAppName : ExecutableName().c_str();
}

int AfxMessageBox(std::string_view text, UINT nType) {
    CWnd* owner = AfxGetModalDialog();
    if (owner == nullptr && g_app != nullptr)
        owner = g_app->m_pMainWnd;
    if (owner != nullptr)
        return owner->MessageBox(text, nullptr, nType);
    CWnd nobody;
    return nobody.MessageBox(text, nullptr, nType);
}

int AfxWinMain(int argc, char** argv) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return 1;
    if (argc > 0 && argv[0] != nullptr && app->m_bNameFromProgram) {
        app->m_strAppName = ProgramName(argv[0]);
        app->m_pszAppName = app->m_strAppName.c_str();
    }
    // The program runs inside InitInstance; there is no message loop after it.
    app->InitInstance();
    return 0;
}
