// Template 102: the main roster window, with the items of its two team selectors.
#include "roster/team_view.h"
#include "ui/res/resource.h"
#include "ui/res/roster_ids.h"
#include "ui/res/template_controls.h"

#include <string>
#include <vector>

namespace {

using namespace template_controls;

constexpr DWORD SELECTOR_STYLE = WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD LIST_STYLE =
    WS_VISIBLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP;

// Both selectors list every team, the index of an item being the team's index.
std::vector<std::string> TeamSelectorItems() {
    return {TEAM_NAMES.begin(), TEAM_NAMES.end()};
}

DialogTemplate MakeTemplate() {
    return {
        IDD_ROSTEREDITOR_DIALOG,
        "Roster Editor",
        0,
        0,
        272,
        151,
        MODAL_DIALOG_STYLE | WS_VISIBLE,
        WS_EX_APPWINDOW,
        "MS Sans Serif",
        8,
        {
            {ControlKind::ComboBox, IDC_LEFT_TEAM, "", 5, 5, 100, 85, SELECTOR_STYLE},
            {ControlKind::ListBox, IDC_LEFT_LIST, "", 5, 20, 100, 125, LIST_STYLE},
            {ControlKind::ComboBox, IDC_RIGHT_TEAM, "", 110, 5, 100, 85, SELECTOR_STYLE},
            {ControlKind::ListBox, IDC_RIGHT_LIST, "", 110, 20, 100, 125, LIST_STYLE},
            {ControlKind::RadioButton, IDC_BATTERS, "Batters", 220, 50, 38, 10,
             WS_VISIBLE | WS_GROUP},
            {ControlKind::RadioButton, IDC_PITCHERS, "Pitchers", 220, 60, 41, 10, WS_VISIBLE},
            GroupBox("Player Type", 215, 40, 50, 35, WS_GROUP),
            PushButton(IDC_TRADE, "Trade", 215, 80, 50, 14),
            DefaultButton(IDOK, "OK", 215, 5, 50, 14, WS_GROUP),
            PushButton(IDCANCEL, "Cancel", 215, 21, 50, 14),
            PushButton(IDC_ABOUT, "About", 215, 130, 50, 15),
        },
        {
            {IDC_LEFT_TEAM, TeamSelectorItems()},
            {IDC_RIGHT_TEAM, TeamSelectorItems()},
        },
    };
}

} // namespace

const DialogTemplate& RosterDialogTemplate() {
    static const DialogTemplate dialogTemplate = MakeTemplate();
    return dialogTemplate;
}
