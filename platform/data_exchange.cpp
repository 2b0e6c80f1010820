#include "platform/data_exchange.h"

#include <climits>
#include <cstdint>
#include <stdexcept>

namespace {

constexpr UINT PROMPT_TYPE = MB_ICONEXCLAMATION | MB_OK;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

/// Shows a refusal's prompt, then refuses.
[[noreturn]] void Refuse(CDataExchange* pDX, const std::string& prompt) {
    pDX->m_pDlgWnd->MessageBox(prompt, nullptr, PROMPT_TYPE);
    pDX->Fail();
}

/// The radio buttons of the group that starts at this control: up to, not including, the next
/// control with the group style.
std::vector<WindowState*> RadioGroup(const WindowState& first) {
    std::vector<WindowState*> group;
    const WindowState& dialog = *first.parent;
    bool inside = false;
    for (const auto& child : dialog.children) {
        if (child.get() == &first)
            inside = true;
        else if (inside && (child->style & WS_GROUP) != 0)
            break;
        if (inside && child->kind == ControlKind::RadioButton)
            group.push_back(child.get());
    }
    return group;
}

} // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

WindowState* CDataExchange::PrepareCtrl(int nIDC) {
    WindowState* control = m_pDlgWnd->m_hWnd != nullptr && nIDC != IDC_STATIC
                               ? m_pDlgWnd->m_hWnd->FindChild(nIDC)
                               : nullptr;
    if (control == nullptr)
        throw std::logic_error("the dialog exchanges a control it does not have: " +
                               std::to_string(nIDC));
    m_hWndLastControl = control;
    m_bEditLastControl = false;
    return control;
}

WindowState* CDataExchange::PrepareEditCtrl(int nIDC) {
    WindowState* control = PrepareCtrl(nIDC);
    m_bEditLastControl = control->kind == ControlKind::Edit;
    return control;
}

void CDataExchange::Fail() {
    if (m_hWndLastControl != nullptr) {
        CWnd::FromHandle(m_hWndLastControl)->SetFocus();
        if (m_bEditLastControl) {
            m_hWndLastControl->selectionStart = 0;
            m_hWndLastControl->selectionEnd = static_cast<int>(m_hWndLastControl->text.size());
            CWnd::NotifyChanged(*m_hWndLastControl, WindowChange::Selection);
        }
    }
    throw Refusal{};
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    WindowState* control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        const std::optional<int> read = ParseDialogInteger(control->text);
        if (!read)
            Refuse(pDX, IntegerPrompt());
        value = *read;
    } else {
        CWnd::FromHandle(control)->SetWindowText(FormatDialogInteger(value));
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value) {
    WindowState* control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = control->text;
    else
        CWnd::FromHandle(control)->SetWindowText(value);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    WindowState* control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = control->check;
        return;
    }
    if (value != BST_UNCHECKED && value != BST_CHECKED && value != BST_INDETERMINATE)
        value = BST_UNCHECKED;
    control->check = value;
    CWnd::NotifyChanged(*control, WindowChange::Check);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    WindowState* first = pDX->PrepareCtrl(nIDC);
    const std::vector<WindowState*> group = RadioGroup(*first);
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (std::size_t position = 0; position < group.size(); ++position) {
            if (group[position]->check != BST_UNCHECKED) {
                value = static_cast<int>(position);
                break;
            }
        }
        return;
    }
    for (std::size_t position = 0; position < group.size(); ++position) {
        const int check = static_cast<int>(position) == value ? BST_CHECKED : BST_UNCHECKED;
        if (group[position]->check != check) {
            group[position]->check = check;
            CWnd::NotifyChanged(*group[position], WindowChange::Check);
        }
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    WindowState* control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        index = control->currentSelection;
        return;
    }
    const bool valid = index >= 0 && index < static_cast<int>(control->items.size());
    control->currentSelection = valid ? index : -1;
    CWnd::NotifyChanged(*control, WindowChange::CurrentSelection);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd == nullptr)
        rControl.Attach(pDX->PrepareCtrl(nIDC));
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        Refuse(pDX, RangePrompt(minVal, maxVal));
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int nChars) {
    if (pDX->m_bSaveAndValidate && static_cast<long long>(value.size()) > nChars)
        Refuse(pDX, MaxCharsPrompt(nChars));
    // From the moment the window opens, typing cannot exceed what OK would accept.
    if (pDX->m_bEditLastControl && pDX->m_hWndLastControl != nullptr &&
        pDX->m_hWndLastControl->textLimit != nChars) {
        pDX->m_hWndLastControl->textLimit = nChars;
        CWnd::NotifyChanged(*pDX->m_hWndLastControl, WindowChange::TextLimit);
    }
}

std::optional<int> ParseDialogInteger(std::string_view text) {
    text = text.substr(0, 31); // nothing after the 31st character is looked at
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    const char lead = at < text.size() ? text[at] : '\0';
    bool negative = false;
    if (lead == '+' || lead == '-') {
        negative = lead == '-';
        ++at;
    }
    std::int64_t magnitude = 0;
    constexpr std::int64_t LIMIT = std::int64_t{INT_MAX} + 1;
    while (at < text.size() && IsDigit(text[at])) {
        magnitude = std::min(magnitude * 10 + (text[at] - '0'), LIMIT);
        ++at;
    }
    const std::int64_t value =
        negative ? -magnitude : std::min(magnitude, static_cast<std::int64_t>(INT_MAX));
    if (value == 0 && lead != '0')
        return std::nullopt;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    if (at != text.size())
        return std::nullopt;
    return static_cast<int>(value);
}

std::string FormatDialogInteger(int value) {
    return std::to_string(value);
}

std::string IntegerPrompt() {
    return "Please enter an integer.";
}

std::string RangePrompt(int minVal, int maxVal) {
    return "Please enter an integer between " + std::to_string(minVal) + " and " +
           std::to_string(maxVal) + ".";
}

std::string MaxCharsPrompt(int nChars) {
    return "Please enter no more than " + std::to_string(nChars) + " characters.";
}
