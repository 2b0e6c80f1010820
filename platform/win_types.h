// Basic types, message numbers, notification codes, styles and command ids of the
// dialog framework. Values are our own; only the names follow the framework's.
#pragma once

#include <cstdint>

using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using DWORD_PTR = std::uintptr_t;
using LRESULT = std::intptr_t;

struct IconResource;
/// An icon is a pointer to its resource data; null means no icon.
using HICON = const IconResource*;
using HCURSOR = HICON;

// Dialog results and standard command ids.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int ID_HELP = 0xE146;
inline constexpr int IDC_STATIC = -1;

// Messages the program's message maps name.
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_QUERYDRAGICON = 0x0037;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_ICONERASEBKGND = 0x0027;
inline constexpr UINT WM_SETICON = 0x0080;

// Notification codes carried by WM_COMMAND.
inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT LBN_DBLCLK = 2;
inline constexpr UINT LBN_SELCHANGE = 1;
inline constexpr UINT CBN_SELCHANGE = 1;
inline constexpr UINT EN_CHANGE = 0x0300;

// Window styles.
inline constexpr DWORD WS_POPUP = 0x80000000u;
inline constexpr DWORD WS_VISIBLE = 0x10000000u;
inline constexpr DWORD WS_DISABLED = 0x08000000u;
inline constexpr DWORD WS_CAPTION = 0x00C00000u;
inline constexpr DWORD WS_BORDER = 0x00800000u;
inline constexpr DWORD WS_VSCROLL = 0x00200000u;
inline constexpr DWORD WS_SYSMENU = 0x00080000u;
inline constexpr DWORD WS_GROUP = 0x00020000u;
inline constexpr DWORD WS_TABSTOP = 0x00010000u;
inline constexpr DWORD WS_EX_APPWINDOW = 0x00040000u;

// Dialog styles.
inline constexpr DWORD DS_MODALFRAME = 0x80u;
inline constexpr DWORD DS_SETFONT = 0x40u;

// Edit control styles.
inline constexpr DWORD ES_UPPERCASE = 0x0008u;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080u;
inline constexpr DWORD ES_READONLY = 0x0800u;
inline constexpr DWORD ES_NUMBER = 0x2000u;

// Combo box and list box styles.
inline constexpr DWORD CBS_DROPDOWNLIST = 0x0003u;
inline constexpr DWORD CBS_SORT = 0x0100u;
inline constexpr DWORD LBS_NOTIFY = 0x0001u;
inline constexpr DWORD LBS_SORT = 0x0002u;
inline constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100u;

// Message box types and results.
inline constexpr UINT MB_OK = 0x00u;
inline constexpr UINT MB_OKCANCEL = 0x01u;
inline constexpr UINT MB_YESNO = 0x04u;
inline constexpr UINT MB_ICONSTOP = 0x10u;
inline constexpr UINT MB_ICONQUESTION = 0x20u;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30u;
inline constexpr UINT MB_ICONINFORMATION = 0x40u;
inline constexpr UINT MB_TYPEMASK = 0x0Fu;
inline constexpr UINT MB_ICONMASK = 0xF0u;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// List box results.
inline constexpr int LB_ERR = -1;
inline constexpr int CB_ERR = -1;

// Check box states.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;
inline constexpr int BST_INDETERMINATE = 2;
