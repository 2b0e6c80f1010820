#include "tests/support/roster_fixture.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace roster_fixture {
namespace {

constexpr int TEAMS = 30;
constexpr int PLAYERS_PER_TEAM = 25;
constexpr int BATTERS_PER_TEAM = 15;

// SplitMix64: the same numbers on every platform and standard library, unlike the
// distributions of <random>.
class CRandom {
public:
    explicit CRandom(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number from low to high, both included.
    int Between(int low, int high) {
        return low + static_cast<int>(Next() % static_cast<std::uint64_t>(high - low + 1));
    }
    // value * (a fraction between lowPerMille and highPerMille thousandths), rounded down.
    int Share(int value, int lowPerMille, int highPerMille) {
        return value * Between(lowPerMille, highPerMille) / 1000;
    }
    template <typename T> const T& Pick(const std::vector<T>& items) {
        return items[Next() % items.size()];
    }
    template <typename T> void Shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[Next() % i]);
    }

private:
    std::uint64_t m_state;
};

const std::vector<std::string> LAST_NAMES = {
    "Abernathy",    "Alvarado",  "Ashford",   "Baptiste",  "Barlow",    "Bellamy",    "Blackwood",
    "Brannigan",    "Calloway",  "Castellan", "Cordero",   "Crandall",  "Dalton",     "Delacroix",
    "Donnelly",     "Eastman",   "Escobar",   "Fairbanks", "Falco",     "Fenwick",    "Galindo",
    "Garrity",      "Halvorsen", "Hargrove",  "Hollis",    "Ibarra",    "Jessup",     "Kavanagh",
    "Kessler",      "Lambright", "Larkin",    "Lockhart",  "Maldonado", "Marchetti",  "McAllister",
    "Merriweather", "Navarro",   "Northcutt", "Okafor",    "Oyelaran",  "Pacheco",    "Pendleton",
    "Quintero",     "Radcliffe", "Ramsay",    "Renwick",   "Rutledge",  "Salcedo",    "Sandoval",
    "Sheridan",     "Stroud",    "Tallman",   "Thibodeau", "Trujillo",  "Underhill",  "Valdez",
    "Vandermeer",   "Wakefield", "Whitlock",  "Winslow",   "Yarbrough", "Youngblood", "Zamora",
    "Zeller"};

const std::vector<std::string> FIRST_NAMES = {
    "Aaron",  "Alonzo",  "Andre",   "Beau",   "Brady",   "Caleb",  "Carlos",  "Chet",
    "Dante",  "Darnell", "Desmond", "Eli",    "Emilio",  "Felix",  "Gabe",    "Garrett",
    "Hector", "Hollis",  "Isaac",   "Jared",  "Joaquin", "Jonah",  "Kendall", "Kurt",
    "Lamar",  "Luis",    "Marcus",  "Mateo",  "Nolan",   "Omar",   "Otis",    "Pablo",
    "Quinn",  "Rafael",  "Reggie",  "Roscoe", "Ruben",   "Santos", "Silas",   "Terrell",
    "Tobias", "Ulises",  "Vance",   "Wade",   "Wendell", "Xavier", "Yusuf",   "Zane"};

const std::vector<std::string> BATTER_POSITIONS = {" C", "1B", "2B", "3B", "SS", "LF", "CF", "RF",
                                                   " C", "1B", "2B", "SS", "LF", "CF", "RF"};
// Feet and inches; three columns leave no room for 5-10 and 5-11.
const std::vector<std::string> HEIGHTS = {"5-8", "5-9", "6-0", "6-1", "6-1", "6-2",
                                          "6-2", "6-3", "6-3", "6-4", "6-5", "6-6"};
const std::vector<std::string> SKINS = {"S1", "S2", "S3", "S4", "S5"};
const std::vector<std::string> FACIAL_HAIR = {"NO", "NO", "NO", "MU", "GO", "BE"};
const std::vector<std::string> HAIR = {"BLK", "BRN", "BRN", "BLN", "RED", "GRY", "BLD"};

std::string Format(const char* format, auto... values) {
    std::array<char, 256> text{};
    const int length = std::snprintf(text.data(), text.size(), format, values...);
    if (length < 0 || static_cast<std::size_t>(length) >= text.size())
        throw std::logic_error("generated roster field does not fit");
    return std::string(text.data(), static_cast<std::size_t>(length));
}

struct CommonStats {
    int gamesPlayed, atBats, atBatsVsR, runs, hits, hitsVsR, doubles, triples, homeRuns, rbi, walks,
        strikeouts, stolenBases;
};

CommonStats BatterStats(CRandom& random) {
    CommonStats s{};
    s.gamesPlayed = random.Between(30, 162);
    s.atBats = std::min(680, s.gamesPlayed * random.Between(15, 42) / 10);
    s.atBatsVsR = random.Share(s.atBats, 620, 800);
    s.hits = random.Share(s.atBats, 200, 330);
    s.hitsVsR = std::min(s.atBatsVsR, random.Share(s.hits, 600, 820));
    s.doubles = random.Share(s.hits, 120, 260);
    s.triples = std::min(12, random.Share(s.hits, 0, 50));
    s.homeRuns = std::min(s.hits - s.doubles - s.triples, random.Share(s.hits, 0, 260));
    s.runs = random.Share(s.hits, 380, 700) + s.homeRuns / 2;
    s.rbi = random.Share(s.hits, 250, 550) + s.homeRuns;
    s.walks = random.Share(s.atBats, 40, 150);
    s.strikeouts = random.Share(s.atBats, 90, 280);
    s.stolenBases = std::min(70, random.Share(s.hits, 0, 300));
    return s;
}

CommonStats PitcherBattingStats(CRandom& random, int gamesPlayed) {
    CommonStats s{};
    s.gamesPlayed = gamesPlayed;
    s.atBats = random.Between(0, 75);
    s.atBatsVsR = random.Share(s.atBats, 600, 800);
    s.hits = random.Share(s.atBats, 30, 200);
    s.hitsVsR = std::min(s.atBatsVsR, random.Share(s.hits, 500, 900));
    s.doubles = random.Share(s.hits, 0, 300);
    s.triples = 0;
    s.homeRuns = std::min(s.hits - s.doubles, random.Between(0, 1));
    s.runs = random.Share(s.hits, 200, 500);
    s.rbi = random.Share(s.hits, 200, 600);
    s.walks = random.Share(s.atBats, 0, 80);
    s.strikeouts = random.Share(s.atBats, 250, 450);
    s.stolenBases = 0;
    return s;
}

std::string SoundFile(const std::string& lastName) {
    std::string code;
    for (char c : lastName)
        if (std::isalpha(static_cast<unsigned char>(c)) && code.size() < 7)
            code += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return code;
}

// Columns 0 to 114: the name and looks, the season's statistics, the picture and the blank
// before the detail block. Every draw is its own statement: the order in which a call's
// arguments are evaluated is unspecified, and the file must not depend on the compiler.
std::string CommonBlock(CRandom& random, const std::string& name, const std::string& soundFile,
                        int uniform, bool pitcher, const CommonStats& s, int playerNumber) {
    const std::string height = random.Pick(HEIGHTS);
    const std::string skin = random.Pick(SKINS);
    const std::string facialHair = random.Pick(FACIAL_HAIR);
    const std::string hair = random.Pick(HAIR);
    const int weight = random.Between(165, 250);
    const int batsDraw = random.Between(0, 19);
    const char* bats = batsDraw < 4 ? "L" : (batsDraw < 6 ? "S" : "R");
    const char* throws = random.Between(0, 9) < (pitcher ? 3 : 2) ? "L" : "R";
    std::string line =
        Format("%-24.24s# %-7.7s %-2.2s %-2.2s %-2.2s %-3.3s %3.3s %3.3i %1.1s %1.1s", name.c_str(),
               soundFile.c_str(), Format("%d", uniform).c_str(), skin.c_str(), facialHair.c_str(),
               hair.c_str(), height.c_str(), weight, bats, throws);
    line +=
        Format(" %3.3i %3.3i %3.3i %3.3i %3.3i %3.3i %2.2i %2.2i %2.2i", s.gamesPlayed, s.atBats,
               s.atBatsVsR, s.runs, s.hits, s.hitsVsR, s.doubles, s.triples, s.homeRuns);
    line += Format(" %3.3i %3.3i %3.3i %3.3i %-6.6s ", s.rbi, s.walks, s.strikeouts, s.stolenBases,
                   Format("PX%04d", playerNumber).c_str());
    return line;
}

std::string Ratings(CRandom& random, int count) {
    std::string ratings;
    for (int rating = 0; rating < count; ++rating)
        ratings += Format(" %1.1i", random.Between(1, 9));
    return ratings;
}

std::string BatterBlock(CRandom& random, const std::string& position) {
    int alternates = 0;
    const int alternateCount = random.Between(0, 9) < 4 ? 0 : random.Between(1, 2);
    for (int i = 0; i < alternateCount; ++i)
        alternates |= 1 << random.Between(0, 5);
    return Format("%2.2s %3.3i", position.c_str(), alternates) + Ratings(random, 13);
}

std::string PitcherBlock(CRandom& random, int games, bool starter, bool closer) {
    const int innings = starter ? random.Between(140, 245) : random.Between(35, 95);
    const int wins = starter ? random.Between(4, 22) : random.Between(0, 9);
    const int losses = starter ? random.Between(4, 17) : random.Between(0, 8);
    const int earnedRuns = random.Share(innings, 280, 560);
    const int third = random.Between(0, 2);
    const int completeGames = starter ? random.Between(0, 8) : 0;
    const int saves = closer ? random.Between(18, 48) : 0;
    const int hitsAllowed = random.Share(innings, 800, 1150);
    const int walks = random.Share(innings, 220, 480);
    const int strikeOuts = random.Share(innings, 450, 1150);
    return Format("%2.2i %2.2i %3.3i %3.3i %1.1i %2.2i %2.2i %2.2i %3.3i %3.3i %3.3i", wins, losses,
                  earnedRuns, innings, third, games, completeGames, saves, hitsAllowed, walks,
                  strikeOuts) +
           Ratings(random, 12);
}

} // namespace

std::vector<std::string> MakeRosterLines(std::uint64_t seed) {
    CRandom random(seed);
    std::vector<std::pair<std::size_t, std::size_t>> names;
    for (std::size_t last = 0; last < LAST_NAMES.size(); ++last)
        for (std::size_t first = 0; first < FIRST_NAMES.size(); ++first)
            if (LAST_NAMES[last].size() + 1 + FIRST_NAMES[first].size() <= 24)
                names.emplace_back(last, first);
    random.Shuffle(names);

    std::vector<std::string> lines;
    lines.reserve(TEAMS * PLAYERS_PER_TEAM);
    for (int team = 0; team < TEAMS; ++team) {
        std::vector<int> uniforms;
        for (int number = 1; number <= 69; ++number)
            uniforms.push_back(number);
        random.Shuffle(uniforms);
        for (int player = 0; player < PLAYERS_PER_TEAM; ++player) {
            const int playerNumber = team * PLAYERS_PER_TEAM + player;
            const auto [last, first] = names[static_cast<std::size_t>(playerNumber)];
            const std::string name = LAST_NAMES[last] + ";" + FIRST_NAMES[first];
            const int uniform = uniforms[static_cast<std::size_t>(player)];
            const bool batter = player < BATTERS_PER_TEAM;
            const int pitcher = player - BATTERS_PER_TEAM;
            const bool starter = pitcher < 5;
            const int pitcherGames = starter ? random.Between(24, 35) : random.Between(35, 75);
            const CommonStats stats =
                batter ? BatterStats(random) : PitcherBattingStats(random, pitcherGames);
            std::string line = CommonBlock(random, name, SoundFile(LAST_NAMES[last]), uniform,
                                           !batter, stats, playerNumber);
            if (batter)
                line += BatterBlock(random, BATTER_POSITIONS[static_cast<std::size_t>(player)]);
            else
                line += PitcherBlock(random, pitcherGames, starter, pitcher == 9);
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, std::string_view lineEnd) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}

std::string MakeSampleRoster() {
    return JoinLines(MakeRosterLines(SAMPLE_SEED));
}

RosterFile MakeRosterFile(RosterVariant variant, std::uint64_t seed) {
    RosterFile file;
    file.lines = MakeRosterLines(seed);
    std::vector<std::string>& lines = file.lines;
    switch (variant) {
    case RosterVariant::WellFormed:
        file.bytes = JoinLines(lines);
        break;
    case RosterVariant::LeadingLineEnds:
        file.bytes = "\r\n\n" + JoinLines(lines);
        break;
    case RosterVariant::BlankLines: {
        std::vector<std::string> withBlanks = lines;
        withBlanks.insert(withBlanks.begin() + 401, "");
        withBlanks.insert(withBlanks.begin() + 11, "");
        file.bytes = JoinLines(withBlanks);
        break;
    }
    case RosterVariant::LfOnly:
        file.bytes = JoinLines(lines, "\n");
        break;
    case RosterVariant::CrOnly:
        file.bytes = JoinLines(lines, "\r");
        break;
    case RosterVariant::MoreLines: {
        const std::vector<std::string> others = MakeRosterLines(seed + 1);
        lines.insert(lines.end(), others.begin(), others.begin() + 3);
        file.bytes = JoinLines(lines);
        break;
    }
    case RosterVariant::ExtraLineEnd:
        file.bytes = JoinLines(lines) + "\r\n";
        break;
    case RosterVariant::MissingFinalLineEnd:
        file.bytes = JoinLines(lines);
        file.bytes.resize(file.bytes.size() - 2);
        break;
    case RosterVariant::UnequalBlocks:
        for (int player = 0; player < PLAYERS_PER_TEAM; ++player)
            lines[static_cast<std::size_t>(player)] += std::string(200, 'X');
        file.bytes = JoinLines(lines);
        break;
    case RosterVariant::ShortTeamZero:
        for (int player = 0; player < PLAYERS_PER_TEAM; ++player)
            lines[static_cast<std::size_t>(player)].resize(static_cast<std::size_t>(5 + player));
        file.bytes = JoinLines(lines);
        break;
    case RosterVariant::ZeroByteAfterLines:
        file.bytes = JoinLines(lines) + std::string(1, '\0') + "Trailing;Text\r\n";
        break;
    case RosterVariant::ZeroByteInside: {
        lines[300][60] = '\0';
        file.bytes = JoinLines(lines);
        lines.resize(301);
        lines[300].resize(60);
        break;
    }
    case RosterVariant::ZeroByteInLastLine: {
        lines[749][60] = '\0';
        file.bytes = JoinLines(lines);
        lines[749].resize(60);
        break;
    }
    case RosterVariant::ZeroByteEndsLastLine:
        file.bytes = JoinLines(lines);
        file.bytes.resize(file.bytes.size() - 2);
        file.bytes += '\0';
        break;
    case RosterVariant::TooFewLines:
        lines.pop_back();
        file.bytes = JoinLines(lines);
        break;
    case RosterVariant::OnlyLineEnds:
        lines.clear();
        for (int i = 0; i < 800; ++i)
            file.bytes += "\r\n";
        break;
    case RosterVariant::Empty:
        lines.clear();
        break;
    }
    return file;
}

CTempFolder::CTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "roster-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::system_error(errno, std::generic_category(), "mkdtemp");
    m_path = pattern;
}

CTempFolder::~CTempFolder() {
    std::error_code error;
    // Tests make files read-only; give the owner back write access so they can go.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, error))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(m_path, error);
}

std::filesystem::path CTempFolder::WriteFile(const std::string& name,
                                             std::string_view bytes) const {
    const std::filesystem::path path = m_path / name;
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!stream)
        throw std::runtime_error("cannot write " + path.string());
    return path;
}

int CFailingSystemCalls::Open(const char* path, int flags) {
    const int fd = CSystemCalls::Open(path, flags);
    if (fd >= 0)
        ++opens;
    return fd;
}

int CFailingSystemCalls::Close(int fd) {
    ++closes;
    return CSystemCalls::Close(fd);
}

namespace {

template <typename Result> Result Fail(int error) {
    errno = error;
    return static_cast<Result>(-1);
}

} // namespace

int CFailingSystemCalls::Flock(int fd, int operation) {
    if (flockError != 0)
        return Fail<int>(flockError);
    return CSystemCalls::Flock(fd, operation);
}

int CFailingSystemCalls::Fstat(int fd, struct stat* info) {
    if (fstatError != 0)
        return Fail<int>(fstatError);
    return CSystemCalls::Fstat(fd, info);
}

ssize_t CFailingSystemCalls::Read(int fd, void* buffer, std::size_t count) {
    if (interruptRead) {
        interruptRead = false;
        return Fail<ssize_t>(EINTR);
    }
    if (readError != 0)
        return Fail<ssize_t>(readError);
    return CSystemCalls::Read(fd, buffer, count);
}

ssize_t CFailingSystemCalls::Write(int fd, const void* buffer, std::size_t count) {
    if (interruptWrite) {
        interruptWrite = false;
        return Fail<ssize_t>(EINTR);
    }
    ++writes;
    if (writes != failWrite)
        return CSystemCalls::Write(fd, buffer, count);
    if (!shortWrite)
        return Fail<ssize_t>(writeError);
    return CSystemCalls::Write(fd, buffer, count / 2);
}

off_t CFailingSystemCalls::Seek(int fd, off_t offset, int whence) {
    if (seekError != 0)
        return Fail<off_t>(seekError);
    return CSystemCalls::Seek(fd, offset, whence);
}

int CFailingSystemCalls::Fsync(int fd) {
    if (fsyncError != 0)
        return Fail<int>(fsyncError);
    return CSystemCalls::Fsync(fd);
}

void* CFailingSystemCalls::Allocate(std::size_t size) {
    if (allocationFails)
        return nullptr;
    ++allocations;
    return CSystemCalls::Allocate(size);
}

void CFailingSystemCalls::Release(void* block) {
    ++releases;
    CSystemCalls::Release(block);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        throw std::runtime_error("cannot read " + path.string());
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

} // namespace roster_fixture
