#include "tests/support/ui_fixture.h"

#include <algorithm>

namespace ui_fixture {

CRosterFolder::CRosterFolder() : m_previousDirectory(std::filesystem::current_path()) {
    std::filesystem::current_path(m_folder.GetPath());
}

CRosterFolder::CRosterFolder(std::string_view rosterBytes) : CRosterFolder() {
    m_folder.WriteFile(ROSTER_FILE_NAME, rosterBytes);
}

CRosterFolder::~CRosterFolder() {
    // The folder cannot be removed while it is the current directory.
    std::error_code ignored;
    std::filesystem::current_path(m_previousDirectory, ignored);
}

std::optional<std::string> CRosterFolder::ReadRoster() const {
    if (!std::filesystem::exists(GetRosterPath()))
        return std::nullopt;
    return roster_fixture::ReadFile(GetRosterPath());
}

std::vector<std::string> CRosterFolder::ListFileNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(GetPath()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace ui_fixture
