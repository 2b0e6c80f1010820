// Control classes: typed handles on a dialog's controls.
#pragma once

#include "platform/window.h"

/// A list box: entries with item data, single selection.
class CListBox : public CWnd {
public:
    void ResetContent();
    /// Appends an entry (the program's lists are not sorted); returns its index.
    int AddString(std::string_view text);
    int GetCount() const;
    int GetCurSel() const;  // LB_ERR when nothing is selected
    int SetCurSel(int nSelect);
    std::string GetText(int nIndex) const;
    DWORD_PTR GetItemData(int nIndex) const;  // LB_ERR for a bad index
    int SetItemData(int nIndex, DWORD_PTR data);
};

/// A drop-down list: choose only, no typing.
class CComboBox : public CWnd {
public:
    void ResetContent();
    int AddString(std::string_view text);
    int GetCount() const;
    int GetCurSel() const;  // CB_ERR when nothing is selected
    int SetCurSel(int nSelect);
    std::string GetLBText(int nIndex) const;
};

/// A push button, check box or radio button.
class CButton : public CWnd {
public:
    int GetCheck() const;
    void SetCheck(int nCheck);
};

/// A single-line edit field.
class CEdit : public CWnd {
public:
    void LimitText(int nChars);
    void SetSel(int nStart, int nEnd);
};
