// Template 130: the Player Stats dialog.
#include "ui/res/resource.h"
#include "ui/res/stats_ids.h"
#include "ui/res/template_controls.h"

namespace {

using namespace template_controls;

DialogTemplate MakeTemplate() {
    return {
        IDD_PLAYER_STATS,
        "Player Stats",
        0,
        0,
        277,
        130,
        MODAL_DIALOG_STYLE,
        0,
        "MS Sans Serif",
        8,
        {
            Label("Name:", 5, 5, 22, 8),
            EditField(IDC_NAME, 30, 5, 95, 12),
            Label("Sound File:", 130, 5, 36, 8),
            EditField(IDC_SOUND_FILE, 165, 5, 45, 12, ES_UPPERCASE),
            Label("Uniform #:", 5, 20, 34, 8),
            EditField(IDC_UNIFORM, 40, 20, 15, 12, ES_NUMBER),
            Label("Skin:", 60, 20, 17, 8),
            EditField(IDC_SKIN, 80, 20, 20, 12, ES_UPPERCASE),
            Label("Facial Hair:", 105, 20, 36, 8),
            EditField(IDC_FACIAL_HAIR, 145, 20, 20, 12, ES_UPPERCASE),
            Label("Hair:", 170, 20, 15, 8),
            EditField(IDC_HAIR, 190, 20, 20, 12, ES_UPPERCASE),
            Label("Height:", 5, 35, 24, 8),
            EditField(IDC_HEIGHT, 35, 35, 20, 12),
            Label("Weight:", 60, 35, 26, 8),
            EditField(IDC_WEIGHT, 85, 35, 20, 12),
            Label("Bats:", 110, 35, 15, 8),
            EditField(IDC_BATS, 130, 35, 10, 12),
            Label("Throws:", 145, 35, 26, 8),
            EditField(IDC_THROWS, 175, 35, 10, 12),
            Label("Games Played:", 5, 50, 48, 8),
            EditField(IDC_GAMES_PLAYED, 55, 50, 20, 12),
            Label("At Bats:", 80, 50, 26, 8),
            EditField(IDC_AT_BATS, 110, 50, 20, 12),
            Label("AB vs. R:", 135, 50, 31, 8),
            EditField(IDC_AT_BATS_VS_R, 170, 50, 20, 12),
            Label("Runs", 5, 65, 18, 8),
            EditField(IDC_RUNS, 25, 65, 20, 12),
            Label("Hits:", 50, 65, 15, 8),
            EditField(IDC_HITS, 70, 65, 20, 12),
            Label("H vs. R:", 95, 65, 27, 8),
            EditField(IDC_HITS_VS_R, 125, 65, 20, 12),
            Label("Doubles:", 150, 65, 29, 8),
            EditField(IDC_DOUBLES, 180, 65, 20, 12),
            Label("Triples:", 5, 80, 24, 8),
            EditField(IDC_TRIPLES, 31, 80, 20, 12),
            Label("Home Runs:", 55, 80, 40, 8),
            EditField(IDC_HOME_RUNS, 101, 80, 20, 12),
            Label("RBI:", 125, 80, 15, 8),
            EditField(IDC_RBI, 141, 80, 20, 12),
            Label("BB:", 165, 80, 15, 8),
            EditField(IDC_BB, 180, 80, 20, 12),
            Label("Strikeouts:", 5, 95, 34, 8),
            EditField(IDC_STRIKEOUTS, 40, 95, 20, 12),
            Label("Stolen Bases:", 65, 95, 44, 8),
            EditField(IDC_STOLEN_BASES, 110, 95, 20, 12),
            Label("Picture:", 135, 95, 25, 8),
            EditField(IDC_PICTURE, 160, 95, 40, 12, ES_UPPERCASE),
            PushButton(IDC_EDIT_BAT_STATS, "Edit Bat Stats", 45, 110, 55, 14),
            PushButton(IDC_EDIT_PITCH_STATS, "Edit Pitch Stats", 130, 110, 55, 14),
            DefaultButton(IDOK, "OK", 220, 5, 50, 14),
            PushButton(IDCANCEL, "Cancel", 220, 25, 50, 14),
        },
        {},
    };
}

} // namespace

const DialogTemplate& PlayerStatsDialogTemplate() {
    static const DialogTemplate dialogTemplate = MakeTemplate();
    return dialogTemplate;
}
