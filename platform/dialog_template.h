// Dialog templates and icons as data: the only place a window's controls, texts,
// positions, sizes and styles are written.
#pragma once

#include "platform/win_types.h"

#include <cstdint>
#include <string>
#include <vector>

/// The kinds of control a template can hold.
enum class ControlKind {
    Static,         // LTEXT: left-aligned static text
    Edit,           // EDITTEXT
    PushButton,     // PUSHBUTTON
    DefPushButton,  // DEFPUSHBUTTON: the default button, pressed by Enter
    CheckBox,       // AUTOCHECKBOX
    RadioButton,    // AUTORADIOBUTTON
    GroupBox,       // GROUPBOX
    ComboBox,       // COMBOBOX
    ListBox,        // LISTBOX
};

/// One control of a template: position and size in dialog units.
struct ControlTemplate {
    ControlKind kind;
    int id;  // IDC_STATIC (-1) for labels
    std::string text;
    int x, y, cx, cy;
    DWORD style;  // the full style: WS_TABSTOP, WS_GROUP, ES_NUMBER, ...
};

/// Initial items of one combo box, added by CDialog::OnInitDialog.
struct ComboInitItems {
    int id;
    std::vector<std::string> items;
};

/// A dialog template: caption, frame, font and controls in template (tab) order.
struct DialogTemplate {
    int id;
    std::string caption;
    int x, y, cx, cy;  // dialog units
    DWORD style;
    DWORD exStyle;
    std::string fontName;
    int fontPointSize;
    std::vector<ControlTemplate> controls;
    std::vector<ComboInitItems> initItems;
};

/// One image of an icon: ARGB pixels, row by row from the top.
struct IconImage {
    int width;
    int height;
    std::vector<std::uint32_t> argb;
};

/// An icon resource: the same picture at several sizes.
struct IconResource {
    int id;
    std::vector<IconImage> images;
};
