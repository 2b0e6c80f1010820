#pragma once

// The slot table: 30 stored teams of 25 players, then the TEMP team, which lives in memory only.
inline constexpr int TEAM_COUNT = 30;
inline constexpr int TEMP_TEAM = 30;
inline constexpr int TEAM_SLOTS = 25;
inline constexpr int BATTER_SLOTS = 15;
inline constexpr int STORED_SLOTS = 750;
inline constexpr int SLOT_COUNT = 775;

inline constexpr int TYPE_BATTERS = 0;
inline constexpr int TYPE_PITCHERS = 1;

// Written over the first characters of every TEMP line at load, without a terminator.
inline constexpr char TEMP_NAME[] = "---Player;Temp---";
inline constexpr int TEMP_NAME_LENGTH = sizeof(TEMP_NAME) - 1;

static_assert(STORED_SLOTS == TEAM_COUNT * TEAM_SLOTS);
static_assert(SLOT_COUNT == STORED_SLOTS + TEAM_SLOTS);
static_assert(TEMP_NAME_LENGTH == 17);
