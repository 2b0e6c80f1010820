// Template 131: the Pitcher Stats dialog. Every edit field takes digits only.
#include "ui/res/resource.h"
#include "ui/res/stats_ids.h"
#include "ui/res/template_controls.h"

namespace {

using namespace template_controls;

DialogTemplate MakeTemplate() {
    return {
        IDD_PITCHER_STATS,
        "Pitcher Stats",
        0,
        0,
        247,
        111,
        MODAL_DIALOG_STYLE,
        0,
        "MS Sans Serif",
        8,
        {
            Label("Wins:", 5, 5, 19, 8),
            EditField(IDC_WINS, 25, 5, 15, 12, ES_NUMBER),
            Label("Losses:", 45, 5, 25, 8),
            EditField(IDC_LOSSES, 70, 5, 15, 12, ES_NUMBER),
            Label("Earned Runs:", 90, 5, 44, 8),
            EditField(IDC_EARNED_RUNS, 135, 5, 20, 12, ES_NUMBER),
            Label("Innings Pitched:", 5, 20, 52, 8),
            EditField(IDC_INNINGS_PITCHED, 60, 20, 20, 12, ES_NUMBER),
            Label("Third:", 85, 20, 19, 8),
            EditField(IDC_THIRD, 105, 20, 10, 12, ES_NUMBER),
            Label("Games:", 115, 20, 25, 8),
            EditField(IDC_GAMES, 140, 20, 15, 12, ES_NUMBER),
            Label("Complete Games:", 5, 35, 55, 8),
            EditField(IDC_COMPLETE_GAMES, 65, 35, 15, 12, ES_NUMBER),
            Label("Saves:", 90, 35, 23, 8),
            EditField(IDC_SAVES, 115, 35, 15, 12, ES_NUMBER),
            Label("Hits Allowed:", 5, 50, 42, 8),
            EditField(IDC_HITS_ALLOWED, 51, 50, 20, 12, ES_NUMBER),
            Label("Walks:", 75, 50, 23, 8),
            EditField(IDC_WALKS, 101, 50, 20, 12, ES_NUMBER),
            Label("Strike Outs:", 130, 51, 38, 8),
            EditField(IDC_STRIKE_OUTS, 169, 50, 20, 12, ES_NUMBER),
            Label("Fastball:", 5, 65, 27, 8),
            EditField(IDC_FASTBALL, 35, 65, 10, 12, ES_NUMBER),
            Label("Curve:", 50, 65, 22, 8),
            EditField(IDC_CURVE, 75, 65, 10, 12, ES_NUMBER),
            Label("Slider:", 90, 65, 20, 8),
            EditField(IDC_SLIDER, 115, 65, 10, 12, ES_NUMBER),
            Label("Specialty Pitch:", 130, 65, 50, 8),
            EditField(IDC_SPECIALTY_PITCH, 185, 65, 10, 12, ES_NUMBER),
            Label("Sp. Rating:", 5, 80, 36, 8),
            EditField(IDC_SP_RATING, 45, 80, 10, 12, ES_NUMBER),
            Label("Stamina:", 60, 80, 28, 8),
            EditField(IDC_STAMINA, 90, 80, 10, 12, ES_NUMBER),
            Label("Accuracy:", 105, 80, 33, 8),
            EditField(IDC_ACCURACY, 140, 80, 10, 12, ES_NUMBER),
            Label("Fielding:", 155, 80, 27, 8),
            EditField(IDC_FIELDING, 185, 80, 10, 12, ES_NUMBER),
            Label("Pick-Off:", 5, 95, 28, 8),
            EditField(IDC_PICK_OFF, 35, 95, 10, 12, ES_NUMBER),
            Label("Bat:", 50, 95, 14, 8),
            EditField(IDC_BAT, 65, 95, 10, 12, ES_NUMBER),
            Label("Bunt:", 80, 95, 18, 8),
            EditField(IDC_BUNT, 100, 95, 10, 12, ES_NUMBER),
            Label("Injury:", 115, 95, 20, 8),
            EditField(IDC_INJURY, 135, 95, 10, 12, ES_NUMBER),
            DefaultButton(IDOK, "OK", 190, 5, 50, 14),
            PushButton(IDCANCEL, "Cancel", 190, 22, 50, 14),
        },
        {},
    };
}

} // namespace

const DialogTemplate& PitcherStatsDialogTemplate() {
    static const DialogTemplate dialogTemplate = MakeTemplate();
    return dialogTemplate;
}
