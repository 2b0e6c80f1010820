// Small dialog templates for the framework's tests, built in code.
#pragma once

#include "platform/dialog_template.h"

#include <string>
#include <utility>
#include <vector>

inline constexpr DWORD EDIT_STYLE = WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
inline constexpr DWORD BUTTON_STYLE = WS_VISIBLE | WS_TABSTOP;

inline ControlTemplate MakeControl(ControlKind kind, int id, DWORD style, std::string text = {}) {
    return ControlTemplate{kind, id, std::move(text), 0, 0, 40, 12, style};
}

inline DialogTemplate MakeTemplate(std::string caption, std::vector<ControlTemplate> controls,
                                   std::vector<ComboInitItems> initItems = {}) {
    return DialogTemplate{900,
                          std::move(caption),
                          0,
                          0,
                          200,
                          100,
                          WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
                          0,
                          "Sans",
                          8,
                          std::move(controls),
                          std::move(initItems)};
}

/// OK as the default button and Cancel, the way every window of the program ends.
inline void AddOkCancel(std::vector<ControlTemplate>& controls) {
    controls.push_back(
        MakeControl(ControlKind::DefPushButton, IDOK, BUTTON_STYLE | WS_GROUP, "OK"));
    controls.push_back(MakeControl(ControlKind::PushButton, IDCANCEL, BUTTON_STYLE, "Cancel"));
}
