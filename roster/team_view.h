#pragma once

#include "roster/roster_store.h"
#include "roster/slots.h"

#include <array>
#include <string>

// The selector names of the 30 stored teams in file order, then the TEMP team.
inline constexpr std::array<const char*, TEAM_COUNT + 1> TEAM_NAMES = {
    "ANGELS",        "ORIOLES",   "RED_SOX",   "WHITE_SOX", "INDIANS",    "TIGERS",  "ROYALS",
    "TWINS",         "YANKEES",   "ATHLETICS", "MARINERS",  "DEVIL RAYS", "RANGERS", "BLUE_JAYS",
    "DIAMOND BACKS", "BRAVES",    "CUBS",      "REDS",      "ROCKIES",    "MARLINS", "ASTROS",
    "DODGERS",       "BREWERS",   "EXPOS",     "METS",      "PHILLIES",   "PIRATES", "PADRES",
    "GIANTS",        "CARDINALS", "---TEMP---"};

// Shown instead of a name that has no ';' between its two parts.
inline constexpr char NAME_ERROR_ENTRY[] = "***** Error in Name *****";

// The slots one view lists: first, up to but not including end.
struct ViewRange {
    int first;
    int end;
};

// The batters (type 0) or pitchers (any other type) of a team; empty for a team outside 0..30.
ViewRange GetViewRange(int team, int playerType);

enum class ListSide { Left, Right };

// The list entry of a slot: the left list shows columns 115..117 and then the 24 name columns,
// the right list the name columns only, each with its first ';' shown as a blank.
std::string FormatEntry(const CRosterStore& store, int slot, ListSide side);

// Whether a player listed for the team may be opened for editing: never in the TEMP team.
bool CanEdit(int team);

// The team's selector name, or null for a team outside 0..30.
const char* GetTeamName(int team);
