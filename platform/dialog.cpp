#include "platform/dialog.h"

#include "platform/app.h"
#include "platform/failure_report.h"
#include "platform/host.h"

#include <algorithm>

namespace {

/// The dialogs whose modal loops run, innermost last.
std::vector<CDialog*> g_modalDialogs;

bool IsPushButton(const WindowState& control) {
    return control.kind == ControlKind::PushButton || control.kind == ControlKind::DefPushButton;
}

bool CanTakeFocus(const WindowState& control) {
    return control.enabled && control.visible;
}

/// The index of the first control of the radio group around children[at], and one past its last.
std::pair<std::size_t, std::size_t> GroupBounds(const WindowState& dialog, std::size_t at) {
    std::size_t first = at;
    while (first > 0 && (dialog.children[first]->style & WS_GROUP) == 0)
        --first;
    std::size_t end = at + 1;
    while (end < dialog.children.size() && (dialog.children[end]->style & WS_GROUP) == 0)
        ++end;
    return {first, end};
}

/// The controls Tab visits, in template order. A radio group is one stop: its checked button,
/// or its first tab stop when none is checked.
std::vector<WindowState*> TabStops(const WindowState& dialog) {
    std::vector<WindowState*> stops;
    std::size_t groupEnd = 0; // radio buttons before this index were already considered
    for (std::size_t at = 0; at < dialog.children.size(); ++at) {
        WindowState& control = *dialog.children[at];
        if (control.kind != ControlKind::RadioButton) {
            if ((control.style & WS_TABSTOP) != 0 && CanTakeFocus(control))
                stops.push_back(&control);
            continue;
        }
        if (at < groupEnd)
            continue;
        const auto [first, end] = GroupBounds(dialog, at);
        groupEnd = end;
        WindowState* checked = nullptr;
        WindowState* tabStop = nullptr;
        bool groupHasTabStop = false;
        for (std::size_t member = first; member < end; ++member) {
            WindowState& radio = *dialog.children[member];
            if (radio.kind != ControlKind::RadioButton)
                continue;
            groupHasTabStop = groupHasTabStop || (radio.style & WS_TABSTOP) != 0;
            if (!CanTakeFocus(radio))
                continue;
            if (checked == nullptr && radio.check != BST_UNCHECKED)
                checked = &radio;
            if (tabStop == nullptr && (radio.style & WS_TABSTOP) != 0)
                tabStop = &radio;
        }
        if (groupHasTabStop && (checked != nullptr || tabStop != nullptr))
            stops.push_back(checked != nullptr ? checked : tabStop);
    }
    return stops;
}

/// Focus by keyboard: an edit field's whole text is selected, as when tabbing into it.
void FocusByKeyboard(WindowState& control) {
    CWnd::FromHandle(&control)->SetFocus();
    if (control.kind == ControlKind::Edit) {
        control.selectionStart = 0;
        control.selectionEnd = static_cast<int>(control.text.size());
        CWnd::NotifyChanged(control, WindowChange::Selection);
    }
}

} // namespace

CDialog* AfxGetModalDialog() {
    return g_modalDialogs.empty() ? nullptr : g_modalDialogs.back();
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(const DialogTemplate& dialogTemplate, CWnd* pParentWnd)
    : m_pTemplate(&dialogTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    if (m_window)
        DestroyWindowState();
}

int CDialog::DoModal() {
    CHost* host = AfxGetHost();
    if (host == nullptr || m_window)
        return -1;
    m_bEnding = false;
    m_nResult = IDCANCEL;
    CreateWindowState();
    g_modalDialogs.push_back(this);
    host->CreateDialogWindow(*this);

    BOOL focusFirst = FALSE;
    try {
        focusFirst = OnInitDialog();
    } catch (...) {
        // A dialog whose initialisation failed must not be used as if it were complete.
        ReportFailure(*this, std::current_exception(), MB_ICONSTOP);
        EndDialog(-1);
    }
    if (focusFirst && !m_bEnding) {
        const std::vector<WindowState*> stops = TabStops(*m_window);
        if (!stops.empty())
            FocusByKeyboard(*stops.front());
    }

    host->RunModalLoop(*this);
    host->DestroyDialogWindow(*this);
    g_modalDialogs.erase(std::find(g_modalDialogs.begin(), g_modalDialogs.end(), this));
    DestroyWindowState();
    PostNcDestroy();
    return m_nResult;
}

void CDialog::EndDialog(int nResult) {
    m_bEnding = true;
    m_nResult = nResult;
}

void CDialog::PressEnter() {
    if (!m_window || m_bEnding)
        return;
    const WindowState* focus = m_window->focus;
    if (focus != nullptr && IsPushButton(*focus) && focus->enabled) {
        SendNotify(focus->id, BN_CLICKED);
        return;
    }
    for (const auto& control : m_window->children) {
        if (control->kind == ControlKind::DefPushButton) {
            if (control->enabled)
                SendNotify(control->id, BN_CLICKED);
            return;
        }
    }
    SendNotify(IDOK, BN_CLICKED);
}

void CDialog::PressEscape() {
    if (!m_window || m_bEnding)
        return;
    const WindowState* cancel = m_window->FindChild(IDCANCEL);
    if (cancel != nullptr && !cancel->enabled)
        return;
    SendNotify(IDCANCEL, BN_CLICKED);
}

void CDialog::MoveFocus(bool forward) {
    if (!m_window)
        return;
    const std::vector<WindowState*> stops = TabStops(*m_window);
    if (stops.empty())
        return;
    // Where the focus stands: its own stop, or for a radio button its group's stop.
    std::ptrdiff_t current = -1;
    if (WindowState* focus = m_window->focus) {
        const auto found = std::find(stops.begin(), stops.end(), focus);
        if (found != stops.end()) {
            current = found - stops.begin();
        } else if (focus->kind == ControlKind::RadioButton) {
            std::size_t at = 0;
            while (m_window->children[at].get() != focus)
                ++at;
            const auto [first, end] = GroupBounds(*m_window, at);
            for (std::size_t stop = 0; stop < stops.size(); ++stop)
                for (std::size_t member = first; member < end; ++member)
                    if (stops[stop] == m_window->children[member].get())
                        current = static_cast<std::ptrdiff_t>(stop);
        }
    }
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t next = 0;
    if (current < 0)
        next = forward ? 0 : count - 1;
    else
        next = (current + (forward ? 1 : count - 1)) % count;
    FocusByKeyboard(*stops[static_cast<std::size_t>(next)]);
}

BOOL CDialog::OnInitDialog() {
    for (const ComboInitItems& init : m_pTemplate->initItems) {
        WindowState* combo = m_window->FindChild(init.id);
        if (combo == nullptr || combo->kind != ControlKind::ComboBox) {
            EndDialog(-1);
            return FALSE;
        }
        for (const std::string& text : init.items)
            combo->items.push_back(ListItem{text, 0});
        NotifyChanged(*combo, WindowChange::Items);
    }
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::DefWindowProc(UINT message) {
    if (message == WM_CLOSE) {
        OnCancel();
        return 0;
    }
    return CWnd::DefWindowProc(message);
}

bool CDialog::OnCmdMsg(UINT nID, UINT nCode) {
    if (CWnd::OnCmdMsg(nID, nCode))
        return true;
    // What the dialog does not handle goes on to the application (ID_HELP, for one).
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(nID, nCode);
}

void CDialog::CreateWindowState() {
    m_window = std::make_unique<WindowState>();
    WindowState& window = *m_window;
    window.dialog = m_pTemplate;
    window.id = m_pTemplate->id;
    window.style = m_pTemplate->style;
    window.text = m_pTemplate->caption;
    window.enabled = (m_pTemplate->style & WS_DISABLED) == 0;
    // A dialog without a parent belongs to the application's main window.
    CWnd* owner = m_pParentWnd;
    if (owner == nullptr && AfxGetApp() != nullptr)
        owner = AfxGetApp()->m_pMainWnd;
    if (owner != this && owner != nullptr)
        window.parent = owner->m_hWnd;
    for (const ControlTemplate& control : m_pTemplate->controls) {
        auto child = std::make_unique<WindowState>();
        child->control = &control;
        child->parent = &window;
        child->id = control.id;
        child->kind = control.kind;
        child->style = control.style;
        if (control.kind != ControlKind::Edit && control.kind != ControlKind::ComboBox &&
            control.kind != ControlKind::ListBox)
            child->text = control.text;
        child->enabled = (control.style & WS_DISABLED) == 0;
        window.children.push_back(std::move(child));
    }
    Attach(&window);
}

void CDialog::DestroyWindowState() {
    DiscardPostedMessages(*m_window);
    // Members bound to controls (DDX_Control) lose their window with it.
    for (const auto& child : m_window->children)
        if (child->attached != nullptr)
            child->attached->m_hWnd = nullptr;
    Detach();
    m_window.reset();
}
