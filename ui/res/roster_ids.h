// Control numbers of the main roster window (template 102). The About box (template 135) has
// no numbered control besides IDOK.
#pragma once

inline constexpr int IDC_LEFT_TEAM = 1000;
inline constexpr int IDC_LEFT_LIST = 1001;
inline constexpr int IDC_PITCHERS = 1002;
inline constexpr int IDC_BATTERS = 1003;
inline constexpr int IDC_RIGHT_TEAM = 1004;
inline constexpr int IDC_RIGHT_LIST = 1005;
inline constexpr int IDC_TRADE = 1050;
inline constexpr int IDC_ABOUT = 1059;
