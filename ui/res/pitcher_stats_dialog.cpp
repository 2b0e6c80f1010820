// Template 131: the Pitcher Stats dialog. Every edit field takes digits only.
#include "ui/res/resource.h"
#include "ui/res/stats_ids.h"

namespace {

constexpr DWORD LABEL_STYLE = WS_VISIBLE | WS_GROUP;
constexpr DWORD EDIT_STYLE = WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_NUMBER;
constexpr DWORD BUTTON_STYLE = WS_VISIBLE | WS_TABSTOP;

ControlTemplate Label(const char* text, int x, int y, int cx, int cy) {
    return {ControlKind::Static, IDC_STATIC, text, x, y, cx, cy, LABEL_STYLE};
}

ControlTemplate Edit(int id, int x, int y, int cx, int cy) {
    return {ControlKind::Edit, id, "", x, y, cx, cy, EDIT_STYLE};
}

DialogTemplate MakeTemplate() {
    return {
        IDD_PITCHER_STATS,
        "Pitcher Stats",
        0,
        0,
        247,
        111,
        DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT,
        0,
        "MS Sans Serif",
        8,
        {
            Label("Wins:", 5, 5, 19, 8),
            Edit(IDC_WINS, 25, 5, 15, 12),
            Label("Losses:", 45, 5, 25, 8),
            Edit(IDC_LOSSES, 70, 5, 15, 12),
            Label("Earned Runs:", 90, 5, 44, 8),
            Edit(IDC_EARNED_RUNS, 135, 5, 20, 12),
            Label("Innings Pitched:", 5, 20, 52, 8),
            Edit(IDC_INNINGS_PITCHED, 60, 20, 20, 12),
            Label("Third:", 85, 20, 19, 8),
            Edit(IDC_THIRD, 105, 20, 10, 12),
            Label("Games:", 115, 20, 25, 8),
            Edit(IDC_GAMES, 140, 20, 15, 12),
            Label("Complete Games:", 5, 35, 55, 8),
            Edit(IDC_COMPLETE_GAMES, 65, 35, 15, 12),
            Label("Saves:", 90, 35, 23, 8),
            Edit(IDC_SAVES, 115, 35, 15, 12),
            Label("Hits Allowed:", 5, 50, 42, 8),
            Edit(IDC_HITS_ALLOWED, 51, 50, 20, 12),
            Label("Walks:", 75, 50, 23, 8),
            Edit(IDC_WALKS, 101, 50, 20, 12),
            Label("Strike Outs:", 130, 51, 38, 8),
            Edit(IDC_STRIKE_OUTS, 169, 50, 20, 12),
            Label("Fastball:", 5, 65, 27, 8),
            Edit(IDC_FASTBALL, 35, 65, 10, 12),
            Label("Curve:", 50, 65, 22, 8),
            Edit(IDC_CURVE, 75, 65, 10, 12),
            Label("Slider:", 90, 65, 20, 8),
            Edit(IDC_SLIDER, 115, 65, 10, 12),
            Label("Specialty Pitch:", 130, 65, 50, 8),
            Edit(IDC_SPECIALTY_PITCH, 185, 65, 10, 12),
            Label("Sp. Rating:", 5, 80, 36, 8),
            Edit(IDC_SP_RATING, 45, 80, 10, 12),
            Label("Stamina:", 60, 80, 28, 8),
            Edit(IDC_STAMINA, 90, 80, 10, 12),
            Label("Accuracy:", 105, 80, 33, 8),
            Edit(IDC_ACCURACY, 140, 80, 10, 12),
            Label("Fielding:", 155, 80, 27, 8),
            Edit(IDC_FIELDING, 185, 80, 10, 12),
            Label("Pick-Off:", 5, 95, 28, 8),
            Edit(IDC_PICK_OFF, 35, 95, 10, 12),
            Label("Bat:", 50, 95, 14, 8),
            Edit(IDC_BAT, 65, 95, 10, 12),
            Label("Bunt:", 80, 95, 18, 8),
            Edit(IDC_BUNT, 100, 95, 10, 12),
            Label("Injury:", 115, 95, 20, 8),
            Edit(IDC_INJURY, 135, 95, 10, 12),
            {ControlKind::DefPushButton, IDOK, "OK", 190, 5, 50, 14, BUTTON_STYLE},
            {ControlKind::PushButton, IDCANCEL, "Cancel", 190, 22, 50, 14, BUTTON_STYLE},
        },
        {},
    };
}

} // namespace

const DialogTemplate& PitcherStatsDialogTemplate() {
    static const DialogTemplate dialogTemplate = MakeTemplate();
    return dialogTemplate;
}
