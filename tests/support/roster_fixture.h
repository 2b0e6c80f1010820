// Roster files for tests and benchmarks: a deterministic generator of well-formed rosters with
// invented players, the malformed shapes a roster file can take, and a fresh temporary folder.
#pragma once

#include "platform/system_calls.h"

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace roster_fixture {

/// The seed of the bundled sample roster, data/rosters.txt.
inline constexpr std::uint64_t SAMPLE_SEED = 1998;

/// The characters of a batter line and of a pitcher line, line end not counted.
inline constexpr std::size_t BATTER_LINE_LENGTH = 147;
inline constexpr std::size_t PITCHER_LINE_LENGTH = 175;

/// 750 well-formed player lines without line ends: 30 teams of 15 batters and 10 pitchers,
/// every name unique, every field within the range its dialog accepts. Same seed, same lines.
std::vector<std::string> MakeRosterLines(std::uint64_t seed = SAMPLE_SEED);

/// The lines, each followed by the line end.
std::string JoinLines(const std::vector<std::string>& lines, std::string_view lineEnd = "\r\n");

/// The bytes of the bundled sample roster.
std::string MakeSampleRoster();

/// The shapes of roster file the store must cope with.
enum class RosterVariant {
    WellFormed,           ///< 750 lines, CR LF after each
    LeadingLineEnds,      ///< CR LF LF in front of the first line
    BlankLines,           ///< an empty line after lines 10 and 400
    LfOnly,               ///< LF after each line
    CrOnly,               ///< CR after each line
    MoreLines,            ///< three more player lines after the 750th
    ExtraLineEnd,         ///< one more CR LF after the last line
    MissingFinalLineEnd,  ///< no line end after the last line
    UnequalBlocks,        ///< team 0's lines 200 characters longer than the layout
    ShortTeamZero,        ///< team 0's lines cut to a few characters, some shorter than TEMP_NAME
    ZeroByteAfterLines,   ///< a zero byte and more text after the 750 lines
    ZeroByteInside,       ///< a zero byte in the middle of line 300
    ZeroByteInLastLine,   ///< a zero byte in the middle of line 750, the last stored one
    ZeroByteEndsLastLine, ///< a zero byte in place of the last line's CR LF
    TooFewLines,          ///< 749 lines
    OnlyLineEnds,         ///< 800 CR LF and nothing else
    Empty,                ///< no bytes at all
};

/// A roster file of one shape and the player lines it holds, in order, without line ends.
struct RosterFile {
    std::string bytes;
    std::vector<std::string> lines;
};

RosterFile MakeRosterFile(RosterVariant variant, std::uint64_t seed = SAMPLE_SEED);

/// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::filesystem::path& GetPath() const { return m_path; }
    /// Writes the bytes to a file of that name in the folder and returns its path.
    std::filesystem::path WriteFile(const std::string& name, std::string_view bytes) const;

private:
    std::filesystem::path m_path;
};

/// System calls that fail on request, for the file layer's error paths. Everything not asked to
/// fail goes to the real system. Install it with CSystemCallsScope.
class CFailingSystemCalls : public CSystemCalls {
public:
    /// The n-th write (counted from 1) fails with writeError, or, with shortWrite, writes half
    /// of its bytes and reports that; 0 lets every write through.
    int failWrite = 0;
    int writeError = ENOSPC;
    bool shortWrite = false;
    /// Non-zero: every call of that kind fails with this error number.
    int readError = 0;
    int fsyncError = 0;
    int flockError = 0;
    int fstatError = 0;
    int seekError = 0;
    /// The next call of that kind fails once with EINTR before going through.
    bool interruptRead = false;
    bool interruptWrite = false;
    bool allocationFails = false;

    /// What went through, for checks that nothing leaks and nothing was written twice.
    int writes = 0;
    int opens = 0;
    int closes = 0;
    int allocations = 0;
    int releases = 0;

    int Open(const char* path, int flags) override;
    int Close(int fd) override;
    int Flock(int fd, int operation) override;
    int Fstat(int fd, struct stat* info) override;
    ssize_t Read(int fd, void* buffer, std::size_t count) override;
    ssize_t Write(int fd, const void* buffer, std::size_t count) override;
    off_t Seek(int fd, off_t offset, int whence) override;
    int Fsync(int fd) override;
    void* Allocate(std::size_t size) override;
    void Release(void* block) override;
};

/// The whole content of a file; throws std::runtime_error when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

} // namespace roster_fixture
