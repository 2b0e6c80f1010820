// The controls of a dialog template, one function per kind, each with the styles that kind
// of control has in every window of the program.
#pragma once

#include "platform/dialog_template.h"

namespace template_controls {

/// The frame of every window: a modal pop-up with caption, system menu and its own font.
inline constexpr DWORD MODAL_DIALOG_STYLE =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

/// A left-aligned label; each one starts a group.
inline ControlTemplate Label(const char* text, int x, int y, int cx, int cy) {
    return {ControlKind::Static, IDC_STATIC, text, x, y, cx, cy, WS_VISIBLE | WS_GROUP};
}

/// A bordered single-line edit field, a tab stop; `style` adds ES_NUMBER, ES_UPPERCASE, ...
inline ControlTemplate EditField(int id, int x, int y, int cx, int cy, DWORD style = 0) {
    return {ControlKind::Edit,
            id,
            "",
            x,
            y,
            cx,
            cy,
            WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | style};
}

/// A push button, a tab stop.
inline ControlTemplate PushButton(int id, const char* text, int x, int y, int cx, int cy,
                                  DWORD style = 0) {
    return {ControlKind::PushButton, id, text, x, y, cx, cy, WS_VISIBLE | WS_TABSTOP | style};
}

/// The default push button, pressed by Enter.
inline ControlTemplate DefaultButton(int id, const char* text, int x, int y, int cx, int cy,
                                     DWORD style = 0) {
    return {ControlKind::DefPushButton, id, text, x, y, cx, cy, WS_VISIBLE | WS_TABSTOP | style};
}

/// A two-state check box that toggles itself, a tab stop.
inline ControlTemplate CheckBox(int id, const char* text, int x, int y, int cx, int cy) {
    return {ControlKind::CheckBox, id, text, x, y, cx, cy, WS_VISIBLE | WS_TABSTOP};
}

/// A frame with a title around other controls; never a tab stop.
inline ControlTemplate GroupBox(const char* text, int x, int y, int cx, int cy, DWORD style = 0) {
    return {ControlKind::GroupBox, IDC_STATIC, text, x, y, cx, cy, WS_VISIBLE | style};
}

} // namespace template_controls
