// A working folder for window tests: a fresh temporary folder that may hold a rosters.txt, made
// the current directory for the folder's lifetime, since the editor opens the file there.
#pragma once

#include "tests/support/roster_fixture.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui_fixture {

/// The name the editor opens in its current directory.
inline constexpr char ROSTER_FILE_NAME[] = "rosters.txt";

/// A fresh folder made the current directory until destruction, when the previous one returns
/// and the folder is removed with everything in it.
class CRosterFolder {
public:
    /// A folder holding rosters.txt with these bytes.
    explicit CRosterFolder(std::string_view rosterBytes);
    /// A folder holding no file at all.
    CRosterFolder();
    ~CRosterFolder();
    CRosterFolder(const CRosterFolder&) = delete;
    CRosterFolder& operator=(const CRosterFolder&) = delete;

    const std::filesystem::path& GetPath() const { return m_folder.GetPath(); }
    std::filesystem::path GetRosterPath() const { return GetPath() / ROSTER_FILE_NAME; }
    /// The bytes of rosters.txt, or nothing when the folder holds none.
    std::optional<std::string> ReadRoster() const;
    /// The names of every file in the folder, sorted.
    std::vector<std::string> ListFileNames() const;

private:
    roster_fixture::CTempFolder m_folder;
    std::filesystem::path m_previousDirectory;
};

} // namespace ui_fixture
