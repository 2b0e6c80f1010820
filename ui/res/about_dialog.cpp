// Template 135: the About box.
#include "ui/res/resource.h"

namespace {

constexpr DWORD TEXT_STYLE = WS_VISIBLE | WS_GROUP;

ControlTemplate Text(const char* text, int x, int y, int cx, int cy) {
    return {ControlKind::Static, IDC_STATIC, text, x, y, cx, cy, TEXT_STYLE};
}

DialogTemplate MakeTemplate() {
    return {
        IDD_ABOUTBOX,
        "About Roster Editor",
        0,
        0,
        227,
        116,
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
        0,
        "MS Sans Serif",
        8,
        {
            {ControlKind::DefPushButton, IDOK, "OK", 88, 95, 50, 14, WS_VISIBLE | WS_TABSTOP},
            Text("Ballyrook Roster Editor", 63, 5, 100, 8),
            Text("Copyright (C) 2026", 59, 15, 108, 8),
            Text("This program is designed to be used with Ballyrook ONLY!", 8, 30, 211, 8),
            Text("Not to be used with any other products.", 52, 40, 125, 8),
            Text("This product is supplied as is, and neither Quenlow or", 30, 55, 167, 8),
            Text("any of it's divisions will offer any form of technical support.", 22, 65, 181, 8),
            Text("By the Roster Editor team", 65, 80, 96, 8),
        },
        {},
    };
}

} // namespace

const DialogTemplate& AboutDialogTemplate() {
    static const DialogTemplate dialogTemplate = MakeTemplate();
    return dialogTemplate;
}
