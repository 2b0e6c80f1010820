// Dialog data exchange: moving members to controls and back, with checks.
#pragma once

#include "platform/window.h"

#include <optional>
#include <string>
#include <string_view>

/// The context of one run of a window's DoDataExchange.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // true: controls to members, with checks
    CWnd* m_pDlgWnd;
    WindowState* m_hWndLastControl = nullptr; // the last control touched
    bool m_bEditLastControl = false;

    /// Looks up an edit field and remembers it as the last control touched.
    WindowState* PrepareEditCtrl(int nIDC);
    /// Looks up any other control and remembers it as the last control touched.
    WindowState* PrepareCtrl(int nIDC);
    /// Thrown by Fail and caught by UpdateData: the run stops at a refused entry.
    struct Refusal {};

    /// Refuses the exchange: focus goes to the last control (its whole text selected when it
    /// is an edit field) and UpdateData returns false. The prompt has been shown already.
    [[noreturn]] void Fail();
};

void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int nChars);

// The rules behind the exchange, as pure functions.

/// Reads an integer field's text; no value when the text is not an integer.
std::optional<int> ParseDialogInteger(std::string_view text);
/// Shows an integer the way an integer field does: plain decimal.
std::string FormatDialogInteger(int value);
/// "Please enter an integer."
std::string IntegerPrompt();
/// "Please enter an integer between MIN and MAX."
std::string RangePrompt(int minVal, int maxVal);
/// "Please enter no more than N characters."
std::string MaxCharsPrompt(int nChars);
