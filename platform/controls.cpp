#include "platform/controls.h"

namespace {

bool IsIndex(const WindowState* window, int nIndex) {
    return window != nullptr && nIndex >= 0 && nIndex < static_cast<int>(window->items.size());
}

void ResetItems(WindowState* window) {
    if (window == nullptr)
        return;
    window->items.clear();
    window->currentSelection = -1;
    CWnd::NotifyChanged(*window, WindowChange::Items);
}

int AddItem(WindowState* window, std::string_view text) {
    if (window == nullptr)
        return LB_ERR;
    window->items.push_back(ListItem{std::string(text), 0});
    CWnd::NotifyChanged(*window, WindowChange::Items);
    return static_cast<int>(window->items.size()) - 1;
}

int Count(const WindowState* window) {
    return window != nullptr ? static_cast<int>(window->items.size()) : LB_ERR;
}

int CurrentSelection(const WindowState* window) {
    return window != nullptr && window->currentSelection >= 0 ? window->currentSelection : LB_ERR;
}

/// Selects an entry; an index outside the list removes the selection and answers LB_ERR.
int Select(WindowState* window, int nSelect) {
    if (window == nullptr)
        return LB_ERR;
    const int selection = IsIndex(window, nSelect) ? nSelect : -1;
    if (window->currentSelection != selection) {
        window->currentSelection = selection;
        CWnd::NotifyChanged(*window, WindowChange::CurrentSelection);
    }
    return selection >= 0 ? selection : LB_ERR;
}

std::string ItemText(const WindowState* window, int nIndex) {
    return IsIndex(window, nIndex) ? window->items[static_cast<std::size_t>(nIndex)].text
                                   : std::string();
}

} // namespace

void CListBox::ResetContent() {
    ResetItems(m_hWnd);
}
int CListBox::AddString(std::string_view text) {
    return AddItem(m_hWnd, text);
}
int CListBox::GetCount() const {
    return Count(m_hWnd);
}
int CListBox::GetCurSel() const {
    return CurrentSelection(m_hWnd);
}
int CListBox::SetCurSel(int nSelect) {
    return Select(m_hWnd, nSelect);
}
std::string CListBox::GetText(int nIndex) const {
    return ItemText(m_hWnd, nIndex);
}

DWORD_PTR CListBox::GetItemData(int nIndex) const {
    return IsIndex(m_hWnd, nIndex) ? m_hWnd->items[static_cast<std::size_t>(nIndex)].data
                                   : static_cast<DWORD_PTR>(LB_ERR);
}

int CListBox::SetItemData(int nIndex, DWORD_PTR data) {
    if (!IsIndex(m_hWnd, nIndex))
        return LB_ERR;
    m_hWnd->items[static_cast<std::size_t>(nIndex)].data = data;
    return 0;
}

void CComboBox::ResetContent() {
    ResetItems(m_hWnd);
}
int CComboBox::AddString(std::string_view text) {
    return AddItem(m_hWnd, text);
}
int CComboBox::GetCount() const {
    return Count(m_hWnd);
}
int CComboBox::GetCurSel() const {
    return CurrentSelection(m_hWnd);
}
int CComboBox::SetCurSel(int nSelect) {
    return Select(m_hWnd, nSelect);
}
std::string CComboBox::GetLBText(int nIndex) const {
    return ItemText(m_hWnd, nIndex);
}

int CButton::GetCheck() const {
    return m_hWnd != nullptr ? m_hWnd->check : BST_UNCHECKED;
}

void CButton::SetCheck(int nCheck) {
    if (m_hWnd == nullptr)
        return;
    const int check = nCheck == BST_CHECKED || nCheck == BST_INDETERMINATE ? nCheck : BST_UNCHECKED;
    if (m_hWnd->check == check)
        return;
    m_hWnd->check = check;
    NotifyChanged(*m_hWnd, WindowChange::Check);
}

void CEdit::LimitText(int nChars) {
    if (m_hWnd == nullptr)
        return;
    m_hWnd->textLimit = nChars > 0 ? nChars : 0;
    NotifyChanged(*m_hWnd, WindowChange::TextLimit);
}

void CEdit::SetSel(int nStart, int nEnd) {
    if (m_hWnd == nullptr)
        return;
    const int length = static_cast<int>(m_hWnd->text.size());
    // -1 as the end means the end of the text; -1 as the start removes the selection.
    if (nStart < 0) {
        m_hWnd->selectionStart = m_hWnd->selectionEnd;
    } else {
        const int end = nEnd < 0 || nEnd > length ? length : nEnd;
        const int start = nStart > length ? length : nStart;
        m_hWnd->selectionStart = start < end ? start : end;
        m_hWnd->selectionEnd = start < end ? end : start;
    }
    NotifyChanged(*m_hWnd, WindowChange::Selection);
}
