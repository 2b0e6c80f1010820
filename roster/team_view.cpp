#include "roster/team_view.h"

#include <cstring>
#include <string_view>

namespace {

constexpr std::size_t NAME_COLUMNS = 24;
constexpr std::size_t PREFIX_COLUMN = 115;
constexpr std::size_t PREFIX_COLUMNS = 3;

// The columns [first, first + count) of a line, cut short where the line ends.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t count) {
    if (first >= line.size())
        return {};
    return line.substr(first, count);
}

} // namespace

ViewRange GetViewRange(int team, int playerType) {
    if (team < 0 || team > TEMP_TEAM)
        return {0, 0};
    const int teamFirst = team * TEAM_SLOTS;
    if (playerType == TYPE_BATTERS)
        return {teamFirst, teamFirst + BATTER_SLOTS};
    return {teamFirst + BATTER_SLOTS, teamFirst + TEAM_SLOTS};
}

std::string FormatEntry(const CRosterStore& store, int slot, ListSide side) {
    const char* text = store.GetLine(slot);
    if (text == nullptr)
        return {};
    const std::string_view line(text);
    std::string entry;
    if (side == ListSide::Left)
        entry = Columns(line, PREFIX_COLUMN, PREFIX_COLUMNS);
    entry += Columns(line, 0, NAME_COLUMNS);
    const std::size_t separator = entry.find(';');
    if (separator == std::string::npos)
        return NAME_ERROR_ENTRY;
    entry[separator] = ' ';
    return entry;
}

bool CanEdit(int team) {
    return team >= 0 && team < TEAM_COUNT;
}

const char* GetTeamName(int team) {
    if (team < 0 || team > TEMP_TEAM)
        return nullptr;
    return TEAM_NAMES[static_cast<std::size_t>(team)];
}
