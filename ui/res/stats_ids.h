// Control numbers of the three editing dialogs: Player Stats (130), Pitcher Stats (131) and
// Batter Stats (132). The two detail dialogs reuse a few numbers; they are separate windows.
#pragma once

// Player Stats: the 24 edit fields in template order, then the two detail buttons.
inline constexpr int IDC_NAME = 1004;
inline constexpr int IDC_SOUND_FILE = 1062;
inline constexpr int IDC_UNIFORM = 1026;
inline constexpr int IDC_SKIN = 1006;
inline constexpr int IDC_FACIAL_HAIR = 1007;
inline constexpr int IDC_HAIR = 1008;
inline constexpr int IDC_HEIGHT = 1063;
inline constexpr int IDC_WEIGHT = 1064;
inline constexpr int IDC_BATS = 1027;
inline constexpr int IDC_THROWS = 1048;
inline constexpr int IDC_GAMES_PLAYED = 1055;
inline constexpr int IDC_AT_BATS = 1009;
inline constexpr int IDC_AT_BATS_VS_R = 1056;
inline constexpr int IDC_RUNS = 1010;
inline constexpr int IDC_HITS = 1011;
inline constexpr int IDC_HITS_VS_R = 1057;
inline constexpr int IDC_DOUBLES = 1012;
inline constexpr int IDC_TRIPLES = 1013;
inline constexpr int IDC_HOME_RUNS = 1014;
inline constexpr int IDC_RBI = 1015;
inline constexpr int IDC_BB = 1065;
inline constexpr int IDC_STRIKEOUTS = 1058;
inline constexpr int IDC_STOLEN_BASES = 1016;
inline constexpr int IDC_PICTURE = 1051;
inline constexpr int IDC_EDIT_BAT_STATS = 1059;
inline constexpr int IDC_EDIT_PITCH_STATS = 1060;

// Batter Stats.
inline constexpr int IDC_POSITION = 1025;
inline constexpr int IDC_ALT_POSITION = 1053;
inline constexpr int IDC_BAT_VS_R = 1018;
inline constexpr int IDC_POWER_VS_R = 1019;
inline constexpr int IDC_BAT_VS_L = 1051;
inline constexpr int IDC_POWER_VS_L = 1052;
inline constexpr int IDC_BUNT = 1020; // also Pitcher Stats
inline constexpr int IDC_SPEED = 1021;
inline constexpr int IDC_GLOVE = 1022;
inline constexpr int IDC_ARM = 1023;
inline constexpr int IDC_ACCURACY = 1045; // also Pitcher Stats
inline constexpr int IDC_FUNDAMENTAL = 1024;
inline constexpr int IDC_INJURY = 1068; // also Pitcher Stats
inline constexpr int IDC_STYLE = 1054;
inline constexpr int IDC_PLAYABILITY = 1070;
inline constexpr int IDC_ALT_C = 1101;
inline constexpr int IDC_ALT_1B = 1102;
inline constexpr int IDC_ALT_2B = 1103;
inline constexpr int IDC_ALT_SS = 1104;
inline constexpr int IDC_ALT_3B = 1105;
inline constexpr int IDC_ALT_OF = 1106;

// Pitcher Stats (besides the shared IDC_BUNT, IDC_ACCURACY and IDC_INJURY).
inline constexpr int IDC_WINS = 1028;
inline constexpr int IDC_LOSSES = 1029;
inline constexpr int IDC_EARNED_RUNS = 1030;
inline constexpr int IDC_INNINGS_PITCHED = 1031;
inline constexpr int IDC_THIRD = 1032;
inline constexpr int IDC_GAMES = 1033;
inline constexpr int IDC_COMPLETE_GAMES = 1037;
inline constexpr int IDC_SAVES = 1036;
inline constexpr int IDC_HITS_ALLOWED = 1035;
inline constexpr int IDC_WALKS = 1017;
inline constexpr int IDC_STRIKE_OUTS = 1039;
inline constexpr int IDC_FASTBALL = 1042;
inline constexpr int IDC_CURVE = 1043;
inline constexpr int IDC_SLIDER = 1066;
inline constexpr int IDC_SPECIALTY_PITCH = 1040;
inline constexpr int IDC_SP_RATING = 1041;
inline constexpr int IDC_STAMINA = 1044;
inline constexpr int IDC_FIELDING = 1046;
inline constexpr int IDC_PICK_OFF = 1047;
inline constexpr int IDC_BAT = 1067;
