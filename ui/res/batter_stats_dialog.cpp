// Template 132: the Batter Stats dialog.
#include "ui/res/resource.h"
#include "ui/res/stats_ids.h"
#include "ui/res/template_controls.h"

namespace {

using namespace template_controls;

DialogTemplate MakeTemplate() {
    return {
        IDD_BATTER_STATS,
        "Batter Stats",
        0,
        0,
        232,
        121,
        MODAL_DIALOG_STYLE,
        0,
        "MS Sans Serif",
        8,
        {
            Label("Position:", 5, 5, 28, 8),
            EditField(IDC_POSITION, 35, 5, 15, 12, ES_UPPERCASE),
            Label("Alt. Position:", 55, 5, 40, 8),
            EditField(IDC_ALT_POSITION, 95, 5, 20, 12, ES_NUMBER | ES_READONLY),
            Label("Bat vs. R:", 120, 5, 35, 8),
            EditField(IDC_BAT_VS_R, 155, 5, 10, 12, ES_NUMBER),
            Label("Power vs. R:", 5, 20, 45, 8),
            EditField(IDC_POWER_VS_R, 50, 20, 10, 12, ES_NUMBER),
            Label("Bat vs. L:", 65, 20, 31, 8),
            EditField(IDC_BAT_VS_L, 100, 20, 10, 12, ES_NUMBER),
            Label("Power vs. L:", 115, 20, 40, 8),
            EditField(IDC_POWER_VS_L, 160, 20, 10, 12, ES_NUMBER),
            Label("Bunt:", 5, 35, 18, 8),
            EditField(IDC_BUNT, 25, 35, 10, 12, ES_NUMBER),
            Label("Speed:", 40, 35, 24, 8),
            EditField(IDC_SPEED, 66, 35, 10, 12, ES_NUMBER),
            Label("Glove:", 80, 35, 22, 8),
            EditField(IDC_GLOVE, 106, 35, 10, 12, ES_NUMBER),
            Label("Arm:", 125, 35, 15, 8),
            EditField(IDC_ARM, 140, 35, 10, 12, ES_NUMBER),
            Label("Accuracy:", 5, 50, 33, 8),
            EditField(IDC_ACCURACY, 41, 50, 10, 12, ES_NUMBER),
            Label("Fundamental:", 55, 50, 44, 8),
            EditField(IDC_FUNDAMENTAL, 101, 50, 10, 12, ES_NUMBER),
            Label("Injuury:", 115, 50, 24, 8),
            EditField(IDC_INJURY, 140, 50, 10, 12, ES_NUMBER),
            Label("Style:", 5, 65, 18, 8),
            EditField(IDC_STYLE, 25, 65, 10, 12),
            Label("Playability:", 40, 65, 34, 8),
            EditField(IDC_PLAYABILITY, 75, 65, 10, 12),
            GroupBox("Alt. Position", 5, 80, 110, 35),
            CheckBox(IDC_ALT_C, "C", 10, 90, 21, 10),
            CheckBox(IDC_ALT_1B, "1B", 10, 100, 25, 10),
            CheckBox(IDC_ALT_2B, "2B", 45, 90, 25, 10),
            CheckBox(IDC_ALT_SS, "SS", 45, 101, 25, 10),
            CheckBox(IDC_ALT_3B, "3B", 85, 90, 25, 10),
            CheckBox(IDC_ALT_OF, "OF", 85, 100, 25, 10),
            DefaultButton(IDOK, "OK", 175, 5, 50, 14),
            PushButton(IDCANCEL, "Cancel", 175, 22, 50, 14),
        },
        {},
    };
}

} // namespace

const DialogTemplate& BatterStatsDialogTemplate() {
    static const DialogTemplate dialogTemplate = MakeTemplate();
    return dialogTemplate;
}
