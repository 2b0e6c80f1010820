// The program's resources: dialog templates and the icon, by number.
#pragma once

#include "platform/dialog_template.h"

inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDD_ROSTEREDITOR_DIALOG = 102;
inline constexpr int IDD_PLAYER_STATS = 130;
inline constexpr int IDD_PITCHER_STATS = 131;
inline constexpr int IDD_BATTER_STATS = 132;
inline constexpr int IDD_ABOUTBOX = 135;

const DialogTemplate& RosterDialogTemplate();        // 102, with the team selectors' items
const DialogTemplate& PlayerStatsDialogTemplate();   // 130
const DialogTemplate& PitcherStatsDialogTemplate();  // 131
const DialogTemplate& BatterStatsDialogTemplate();   // 132
const DialogTemplate& AboutDialogTemplate();         // 135
const IconResource& MainFrameIcon();                 // 128
