// Template 135: the About box.
#include "ui/res/resource.h"
#include "ui/res/template_controls.h"

namespace {

using namespace template_controls;

DialogTemplate MakeTemplate() {
    return {
        IDD_ABOUTBOX,
        "About Roster Editor",
        0,
        0,
        227,
        116,
        MODAL_DIALOG_STYLE,
        0,
        "MS Sans Serif",
        8,
        {
            DefaultButton(IDOK, "OK", 88, 95, 50, 14),
            Label("Ballyrook Roster Editor", 63, 5, 100, 8),
            Label("Copyright (C) 2026", 59, 15, 108, 8),
            Label("This program is designed to be used with Ballyrook ONLY!", 8, 30, 211, 8),
            Label("Not to be used with any other products.", 52, 40, 125, 8),
            Label("This product is supplied as is, and neither Quenlow or", 30, 55, 167, 8),
            Label("any of it's divisions will offer any form of technical support.", 22, 65, 181,
                  8),
            Label("By the Roster Editor team", 65, 80, 96, 8),
        },
        {},
    };
}

} // namespace

const DialogTemplate& AboutDialogTemplate() {
    static const DialogTemplate dialogTemplate = MakeTemplate();
    return dialogTemplate;
}
