#include "platform/window.h"

#include "platform/app.h"
#include "platform/controls.h"
#include "platform/data_exchange.h"
#include "platform/failure_report.h"
#include "platform/file.h"
#include "platform/host.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <new>

namespace {

CHost* g_host = nullptr;

/// A message waiting for the modal loop.
struct PostedMessage {
    CWnd* target;
    const WindowState* window; // the target's window when it was posted
    UINT message;
    unsigned long long sequence;
};

std::deque<PostedMessage> g_posted;
unsigned long long g_nextSequence = 0;

/// A handle of the class that matches the control, so a cast of GetDlgItem's result to the
/// control's class is sound.
std::unique_ptr<CWnd> MakeHandle(const WindowState& window) {
    if (window.dialog != nullptr)
        return std::make_unique<CWnd>();
    switch (window.kind) {
    case ControlKind::Edit:
        return std::make_unique<CEdit>();
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::GroupBox:
        return std::make_unique<CButton>();
    case ControlKind::ComboBox:
        return std::make_unique<CComboBox>();
    case ControlKind::ListBox:
        return std::make_unique<CListBox>();
    case ControlKind::Static:
        break;
    }
    return std::make_unique<CWnd>();
}

} // namespace

void AfxSetHost(CHost* host) {
    g_host = host;
}
CHost* AfxGetHost() {
    return g_host;
}

bool AfxDeliverPostedMessages() {
    // Only what was posted before this call: a handler that posts again waits for the next round.
    const unsigned long long last = g_nextSequence;
    bool delivered = false;
    while (!g_posted.empty() && g_posted.front().sequence < last) {
        const PostedMessage posted = g_posted.front();
        g_posted.pop_front();
        posted.target->SendMessage(posted.message);
        delivered = true;
    }
    return delivered;
}

std::string DescribeFailure(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const CFileException& error) {
        return error.GetErrorMessage();
    } catch (const std::bad_alloc&) {
        return "Out of memory.";
    } catch (...) {
        return "Internal application error.";
    }
}

void ReportFailure(CWnd& owner, const std::exception_ptr& failure, UINT icon) {
    owner.MessageBox(DescribeFailure(failure), nullptr, MB_OK | icon);
}

WindowState::WindowState() = default;
WindowState::~WindowState() = default;

WindowState* WindowState::FindChild(int childId) const {
    for (const auto& child : children)
        if (child->id == childId)
            return child.get();
    return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT nID, UINT nCode) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, nCode, static_cast<int>(nID));
    if (entry == nullptr || entry->pfn == nullptr)
        return false;
    (this->*entry->pfn)();
    return true;
}

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, entries};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, int nID) const {
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage != 0; ++entry) {
            if (entry->nMessage != nMessage)
                continue;
            if (nMessage == WM_COMMAND && (entry->nCode != nCode || entry->nID != nID))
                continue;
            return entry;
        }
    }
    return nullptr;
}

CWnd::~CWnd() {
    if (m_hWnd != nullptr && m_hWnd->attached == this)
        m_hWnd->attached = nullptr;
    std::erase_if(g_posted, [this](const PostedMessage& posted) { return posted.target == this; });
}

CWnd* CWnd::FromHandle(WindowState* hWnd) {
    if (hWnd == nullptr)
        return nullptr;
    if (hWnd->attached != nullptr)
        return hWnd->attached;
    if (!hWnd->handle) {
        hWnd->handle = MakeHandle(*hWnd);
        hWnd->handle->m_hWnd = hWnd;
    }
    return hWnd->handle.get();
}

int CWnd::GetDlgCtrlID() const {
    return m_hWnd != nullptr ? m_hWnd->id : 0;
}

CWnd* CWnd::GetDlgItem(int nID) const {
    return m_hWnd != nullptr ? FromHandle(m_hWnd->FindChild(nID)) : nullptr;
}

CWnd* CWnd::GetParent() const {
    return m_hWnd != nullptr ? FromHandle(m_hWnd->parent) : nullptr;
}

void CWnd::SetWindowText(std::string_view text) {
    if (m_hWnd == nullptr)
        return;
    m_hWnd->text = text;
    m_hWnd->selectionStart = m_hWnd->selectionEnd = 0;
    NotifyChanged(*m_hWnd, WindowChange::Text);
    // An edit field reports every change of its text, including this one.
    if (m_hWnd->kind == ControlKind::Edit && m_hWnd->dialog == nullptr && m_hWnd->parent != nullptr)
        SendNotify(m_hWnd->id, EN_CHANGE);
}

std::string CWnd::GetWindowText() const {
    return m_hWnd != nullptr ? m_hWnd->text : std::string();
}

void CWnd::EnableWindow(BOOL bEnable) {
    if (m_hWnd == nullptr || m_hWnd->enabled == (bEnable != FALSE))
        return;
    m_hWnd->enabled = bEnable != FALSE;
    NotifyChanged(*m_hWnd, WindowChange::Enabled);
}

BOOL CWnd::IsWindowEnabled() const {
    return m_hWnd != nullptr && m_hWnd->enabled ? TRUE : FALSE;
}

BOOL CWnd::IsIconic() const {
    return m_hWnd != nullptr && m_hWnd->iconic ? TRUE : FALSE;
}

void CWnd::SetFocus() {
    if (m_hWnd == nullptr || m_hWnd->parent == nullptr || m_hWnd->dialog != nullptr)
        return;
    m_hWnd->parent->focus = m_hWnd;
    NotifyChanged(*m_hWnd, WindowChange::Focus);
}

void CWnd::Attach(WindowState* hWnd) {
    Detach();
    m_hWnd = hWnd;
    if (hWnd != nullptr)
        hWnd->attached = this;
}

void CWnd::Detach() {
    if (m_hWnd != nullptr && m_hWnd->attached == this)
        m_hWnd->attached = nullptr;
    m_hWnd = nullptr;
}

int CWnd::MessageBox(std::string_view text, const char* caption, UINT nType) {
    const std::string_view title = caption != nullptr ? caption : AfxGetAppName();
    if (g_host == nullptr) {
        // Nothing can show it; the message still must not be lost.
        std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
                     static_cast<int>(text.size()), text.data());
        return 0;
    }
    return g_host->ShowMessageBox(this, text, title, nType);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    // An exchange never starts another exchange of the same window.
    if (m_hWnd == nullptr || m_bInUpdateData)
        return FALSE;
    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    } guard(m_bInUpdateData);

    CDataExchange exchange(this, bSaveAndValidate);
    try {
        DoDataExchange(&exchange);
        return TRUE;
    } catch (const CDataExchange::Refusal&) {
        return FALSE; // the prompt was shown and the focus set by CDataExchange::Fail
    } catch (...) {
        ReportFailure(*this, std::current_exception(), MB_ICONEXCLAMATION);
        return FALSE;
    }
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    if (m_hWnd == nullptr)
        return nullptr;
    HICON& slot = bBigIcon ? m_hWnd->bigIcon : m_hWnd->smallIcon;
    const HICON previous = slot;
    slot = hIcon;
    NotifyChanged(*m_hWnd, WindowChange::Icon);
    return previous;
}

void CWnd::PostMessage(UINT message) {
    if (m_hWnd == nullptr)
        return; // no window, nobody to deliver it to
    g_posted.push_back({this, m_hWnd, message, g_nextSequence++});
}

void CWnd::DiscardPostedMessages(const WindowState& window) {
    std::erase_if(g_posted, [&window](const PostedMessage& posted) {
        return posted.window == &window || posted.window->parent == &window;
    });
}

LRESULT CWnd::SendMessage(UINT message) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0);
    LRESULT result = 0;
    try {
        if (entry == nullptr)
            result = DefWindowProc(message);
        else if (entry->pfnIcon != nullptr)
            result = reinterpret_cast<LRESULT>((this->*entry->pfnIcon)());
        else if (entry->pfn != nullptr)
            (this->*entry->pfn)();
    } catch (...) {
        ReportFailure(*this, std::current_exception(), MB_ICONSTOP);
    }
    return result;
}

void CWnd::SendNotify(int nID, UINT nCode) {
    // A control reports to its dialog; the dialog drops reports while it exchanges its data.
    CWnd* dialog = this;
    if (m_hWnd != nullptr && m_hWnd->dialog == nullptr && m_hWnd->parent != nullptr)
        dialog = FromHandle(m_hWnd->parent);
    if (dialog->m_bInUpdateData)
        return;
    dialog->RouteCommand(nID, nCode);
}

bool CWnd::RouteCommand(int nID, UINT nCode) {
    try {
        return OnCmdMsg(static_cast<UINT>(nID), nCode);
    } catch (...) {
        ReportFailure(*this, std::current_exception(), MB_ICONSTOP);
        return true;
    }
}

void CWnd::NotifyChanged(WindowState& window, WindowChange what) {
    if (g_host != nullptr)
        g_host->WindowChanged(window, what);
}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::DefWindowProc(UINT) {
    return 0;
}
