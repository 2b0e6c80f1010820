// Template 102: the main roster window, with the items of its two team selectors.
#include "roster/team_view.h"
#include "ui/res/resource.h"
#include "ui/res/roster_ids.h"

#include <string>
#include <vector>

namespace {

constexpr DWORD SELECTOR_STYLE = WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD LIST_STYLE =
    WS_VISIBLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD BUTTON_STYLE = WS_VISIBLE | WS_TABSTOP;

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
        WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
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
            {ControlKind::GroupBox, IDC_STATIC, "Player Type", 215, 40, 50, 35,
             WS_VISIBLE | WS_GROUP},
            {ControlKind::PushButton, IDC_TRADE, "Trade", 215, 80, 50, 14, BUTTON_STYLE},
            {ControlKind::DefPushButton, IDOK, "OK", 215, 5, 50, 14, BUTTON_STYLE | WS_GROUP},
            {ControlKind::PushButton, IDCANCEL, "Cancel", 215, 21, 50, 14, BUTTON_STYLE},
            {ControlKind::PushButton, IDC_ABOUT, "About", 215, 130, 50, 15, BUTTON_STYLE},
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
