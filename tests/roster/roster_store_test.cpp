#include "roster/roster_store.h"

#include "platform/system_calls.h"
#include "records/player_record.h"
#include "tests/support/roster_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace roster_fixture;

namespace {

// What a TEMP line holds: its source line with the placeholder over its first characters, never
// past the line's own end.
std::string WithTempName(std::string line) {
    line.replace(0, std::min<std::size_t>(line.size(), TEMP_NAME_LENGTH),
                 std::string_view(TEMP_NAME).substr(0, std::min<std::size_t>(line.size(), 17)));
    return line;
}

std::vector<std::string> SlotTexts(const CRosterStore& store) {
    std::vector<std::string> texts;
    for (int slot = 0; slot < SLOT_COUNT; ++slot)
        texts.emplace_back(store.GetLine(slot));
    return texts;
}

// What Save leaves in a file that held `original`: the lines from the first byte, each with
// CR LF, and whatever the file held beyond them.
std::string Saved(const std::vector<std::string>& stored, const std::string& original) {
    std::string bytes = JoinLines(stored);
    if (original.size() > bytes.size())
        bytes += original.substr(bytes.size());
    return bytes;
}

// Every slot has a line of its own: no two lines' memory (characters and terminator) overlap.
void ExpectSeparateLines(const CRosterStore& store) {
    std::vector<std::pair<const char*, std::size_t>> spans;
    for (int slot = 0; slot < SLOT_COUNT; ++slot) {
        const char* line = store.GetLine(slot);
        ASSERT_NE(line, nullptr) << "slot " << slot;
        EXPECT_LE(std::strlen(line), store.GetLineCapacity(slot)) << "slot " << slot;
        spans.emplace_back(line, store.GetLineCapacity(slot) + 1);
    }
    const std::less<const char*> before;
    std::sort(spans.begin(), spans.end(),
              [&](const auto& a, const auto& b) { return before(a.first, b.first); });
    for (std::size_t i = 1; i < spans.size(); ++i)
        EXPECT_FALSE(before(spans[i].first, spans[i - 1].first + spans[i - 1].second))
            << "lines overlap at " << i;
}

class RosterStoreTest : public ::testing::Test {
protected:
    std::filesystem::path WriteRoster(std::string_view bytes) {
        return m_folder.WriteFile("rosters.txt", bytes);
    }
    // Loads a well-formed roster and returns its lines.
    std::vector<std::string> LoadWellFormed(CRosterStore& store) {
        const RosterFile file = MakeRosterFile(RosterVariant::WellFormed);
        m_original = file.bytes;
        WriteRoster(file.bytes);
        EXPECT_TRUE(store.Load());
        return file.lines;
    }
    std::string RosterPath() const { return (m_folder.GetPath() / "rosters.txt").string(); }
    std::string FileBytes() const { return ReadFile(RosterPath()); }

    CTempFolder m_folder;
    std::string m_original;
};

struct LoadCase {
    const char* name;
    RosterVariant variant;
    bool loads;
    int linesFound;
    std::string leadingBytes; // in front of the first line: kept on save, in no slot
    bool savedUnchanged;
    LoadFailure failure = LoadFailure::TooFewLines; // when it does not load
};

const LoadCase LOAD_CASES[] = {
    {"well-formed", RosterVariant::WellFormed, true, 750, "", true},
    {"leading line ends", RosterVariant::LeadingLineEnds, true, 750, "\r\n\n", true},
    {"blank lines", RosterVariant::BlankLines, true, 750, "", false},
    {"LF only", RosterVariant::LfOnly, true, 750, "", false},
    {"CR only", RosterVariant::CrOnly, true, 750, "", false},
    {"more than 750 lines", RosterVariant::MoreLines, true, 750, "", true},
    {"extra CR LF at the end", RosterVariant::ExtraLineEnd, true, 750, "", true},
    {"no final line end", RosterVariant::MissingFinalLineEnd, true, 750, "", false},
    {"unequal team blocks", RosterVariant::UnequalBlocks, true, 750, "", true},
    {"short lines in team 0", RosterVariant::ShortTeamZero, true, 750, "", true},
    {"zero byte after the lines", RosterVariant::ZeroByteAfterLines, true, 750, "", true},
    {"zero byte in line 300", RosterVariant::ZeroByteInside, false, 301, "", true,
     LoadFailure::ZeroByte},
    {"zero byte in line 750", RosterVariant::ZeroByteInLastLine, false, 750, "", true,
     LoadFailure::ZeroByte},
    {"zero byte ending line 750", RosterVariant::ZeroByteEndsLastLine, true, 750, "", false},
    {"749 lines", RosterVariant::TooFewLines, false, 749, "", true},
    {"only line ends", RosterVariant::OnlyLineEnds, false, 0, "", true},
    {"empty", RosterVariant::Empty, false, 0, "", true},
};

TEST_F(RosterStoreTest, LoadSplitsSeedsAndSavesEveryShapeOfFile) {
    for (const LoadCase& c : LOAD_CASES) {
        SCOPED_TRACE(c.name);
        const RosterFile file = MakeRosterFile(c.variant);
        WriteRoster(file.bytes);
        CFailingSystemCalls calls; // nothing fails; counts what is taken and given back
        CSystemCallsScope scope(calls);
        CRosterStore store(RosterPath());

        ASSERT_EQ(store.Load(), c.loads);
        EXPECT_EQ(store.GetLinesFound(), c.linesFound);
        if (!c.loads) {
            EXPECT_EQ(store.GetLoadFailure(), c.failure);
            if (c.failure == LoadFailure::ZeroByte) {
                EXPECT_EQ(store.GetZeroByteOffset(), file.bytes.find('\0'));
            }
            EXPECT_FALSE(store.IsLoaded());
            EXPECT_EQ(store.GetLine(0), nullptr);
            EXPECT_EQ(calls.allocations, calls.releases);
            EXPECT_EQ(calls.opens, calls.closes) << "the file is closed again";
            EXPECT_EQ(FileBytes(), file.bytes);
            continue;
        }
        EXPECT_EQ(store.GetLoadFailure(), LoadFailure::None);
        std::vector<std::string> stored(file.lines.begin(), file.lines.begin() + STORED_SLOTS);
        for (int slot = 0; slot < STORED_SLOTS; ++slot)
            ASSERT_EQ(store.GetLine(slot), stored[static_cast<std::size_t>(slot)]) << slot;
        // Lines after the 750th take the first TEMP slots; copies of team 0 fill the rest.
        const int extra = std::min<int>(TEAM_SLOTS, static_cast<int>(file.lines.size()) - 750);
        for (int k = 0; k < TEAM_SLOTS; ++k) {
            const std::size_t source = static_cast<std::size_t>(k < extra ? 750 + k : k - extra);
            EXPECT_EQ(store.GetLine(STORED_SLOTS + k), WithTempName(file.lines[source]))
                << "TEMP slot " << k;
        }
        ExpectSeparateLines(store);

        store.Save();
        EXPECT_EQ(FileBytes(),
                  c.leadingBytes + Saved(stored, file.bytes.substr(c.leadingBytes.size())));
        if (c.savedUnchanged) {
            EXPECT_EQ(FileBytes(), file.bytes);
        }

        // The TEMP lines are copies: edits of team 0 leave them alone.
        const std::vector<std::string> before = SlotTexts(store);
        for (int slot = 0; slot < TEAM_SLOTS; ++slot)
            store.SetLine(slot, "Edited;Player");
        for (int slot = STORED_SLOTS; slot < SLOT_COUNT; ++slot)
            EXPECT_EQ(store.GetLine(slot), before[static_cast<std::size_t>(slot)]);
        store.Close();
        EXPECT_EQ(calls.allocations, calls.releases);
    }
}

TEST_F(RosterStoreTest, LineEndsBeforeTheFirstPlayerStayAtTheStartThroughEditsAndTrades) {
    // The first player is edited (parsed and formatted back unchanged) and traded away: his
    // columns must not shift by the line ends in front of him, and those stay first in the file.
    const RosterFile file = MakeRosterFile(RosterVariant::LeadingLineEnds);
    const std::string leading = "\r\n\n";
    ASSERT_EQ(file.bytes.substr(0, leading.size()), leading);
    WriteRoster(file.bytes);
    CRosterStore store(RosterPath());
    ASSERT_TRUE(store.Load());
    ASSERT_EQ(store.GetLine(0), file.lines[0]);

    CPlayerRecord first;
    first.ParseLine(store.GetLine(0), TYPE_BATTERS);
    store.SetLine(0, first.FormatLine());
    EXPECT_EQ(store.GetLine(0), file.lines[0]);
    store.Trade(0, 26);
    store.Save();

    std::vector<std::string> expected(file.lines.begin(), file.lines.begin() + STORED_SLOTS);
    std::swap(expected[0], expected[26]);
    EXPECT_EQ(FileBytes(), leading + JoinLines(expected));
}

TEST_F(RosterStoreTest, TheBundledSampleIsWellFormedAndSavesByteForByte) {
    const std::string sample =
        ReadFile(std::filesystem::path(ROSTER_SOURCE_DIR) / "data" / "rosters.txt");
    WriteRoster(sample);
    CRosterStore store(RosterPath());
    ASSERT_TRUE(store.Load());
    std::set<std::string> names;
    for (int slot = 0; slot < STORED_SLOTS; ++slot) {
        const std::string line = store.GetLine(slot);
        SCOPED_TRACE(line);
        const bool batter = slot % TEAM_SLOTS < BATTER_SLOTS;
        ASSERT_EQ(line.size(), batter ? BATTER_LINE_LENGTH : PITCHER_LINE_LENGTH);
        EXPECT_NE(line.substr(0, 24).find(';'), std::string::npos);
        EXPECT_EQ(line[24], '#');
        EXPECT_EQ(line[114], ' ');
        names.insert(line.substr(0, 24));
        // Every number of the statistics and of the detail block is all digits.
        for (std::size_t column = 59; column < line.size(); ++column) {
            const bool text = (column >= 108 && column <= 113) || (batter && column <= 116);
            const bool separator = line[column] == ' ';
            EXPECT_TRUE(text || separator || std::isdigit(static_cast<unsigned char>(line[column])))
                << "column " << column;
        }
    }
    EXPECT_EQ(names.size(), 750u) << "every name is unique";
    store.Save();
    EXPECT_EQ(FileBytes(), sample);
}

TEST_F(RosterStoreTest, TheDefaultStoreWorksOnRostersTxtInTheCurrentFolder) {
    WriteRoster(MakeSampleRoster());
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(m_folder.GetPath());
    CRosterStore store;
    const bool loaded = store.Load();
    std::filesystem::current_path(previous);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(store.GetFileName(), "rosters.txt");
}

TEST_F(RosterStoreTest, LoadFailsWithNothingTakenWhenTheFileCannotBeOpened) {
    struct Case {
        const char* name;
        std::function<void()> prepare;
    };
    CRosterStore holder(RosterPath());
    const Case cases[] = {
        {"missing", [] {}},
        {"read-only",
         [this] {
             std::filesystem::permissions(WriteRoster(MakeSampleRoster()),
                                          std::filesystem::perms::owner_read |
                                              std::filesystem::perms::group_read |
                                              std::filesystem::perms::others_read);
         }},
        {"held by another store",
         [this, &holder] {
             WriteRoster(MakeSampleRoster());
             ASSERT_TRUE(holder.Load());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(RosterPath());
        c.prepare();
        CFailingSystemCalls calls;
        CSystemCallsScope scope(calls);
        CRosterStore store(RosterPath());
        EXPECT_FALSE(store.Load());
        EXPECT_EQ(store.GetLoadFailure(), LoadFailure::CannotOpen);
        EXPECT_FALSE(store.IsLoaded());
        EXPECT_EQ(calls.allocations, 0);
        store.Close();
    }
    EXPECT_TRUE(std::filesystem::exists(RosterPath())) << "the held file was not removed";
    holder.Close();
    std::filesystem::remove(RosterPath());
    CRosterStore store(RosterPath());
    EXPECT_FALSE(store.Load());
    EXPECT_FALSE(std::filesystem::exists(RosterPath())) << "Load never creates the file";
}

TEST_F(RosterStoreTest, FailuresAfterTheOpenLeaveTheStoreEmptyAndTheFileClosed) {
    struct Case {
        const char* name;
        std::function<void(CFailingSystemCalls&)> inject;
        bool throws;
        LoadFailure failure;
    };
    const Case cases[] = {
        {"read error", [](CFailingSystemCalls& c) { c.readError = EIO; }, true, LoadFailure::None},
        {"no memory", [](CFailingSystemCalls& c) { c.allocationFails = true; }, false,
         LoadFailure::OutOfMemory},
    };
    WriteRoster(MakeSampleRoster());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CFailingSystemCalls calls;
        CSystemCallsScope scope(calls);
        CRosterStore store(RosterPath());
        c.inject(calls);
        if (c.throws) {
            EXPECT_THROW(store.Load(), CFileException);
        } else {
            EXPECT_FALSE(store.Load());
            EXPECT_EQ(store.GetLoadFailure(), c.failure);
        }
        EXPECT_FALSE(store.IsLoaded());
        EXPECT_EQ(store.GetLine(0), nullptr);
        EXPECT_EQ(calls.allocations, calls.releases);
        EXPECT_EQ(calls.opens, calls.closes);
        store.Close();
    }
    CRosterStore store(RosterPath());
    EXPECT_TRUE(store.Load()) << "no failure left the file locked";
}

TEST_F(RosterStoreTest, ALengthErrorAfterTheOpenThrowsAndLeavesTheStoreEmpty) {
    WriteRoster(MakeSampleRoster());
    CRosterStore store(RosterPath());
    // Open reads the status once to check the file; the length read after it fails.
    struct FailSecondStatus : CFailingSystemCalls {
        int statuses = 0;
        int Fstat(int fd, struct stat* info) override {
            if (++statuses == 2) {
                errno = EIO;
                return -1;
            }
            return CFailingSystemCalls::Fstat(fd, info);
        }
    } failing;
    CSystemCallsScope scope(failing);
    EXPECT_THROW(store.Load(), CFileException);
    EXPECT_FALSE(store.IsLoaded());
    EXPECT_EQ(failing.opens, failing.closes);
    EXPECT_EQ(failing.allocations, 0);
}

// A failing write ends the save there: the lines written before it stay, the store stays
// Loaded, and the next Save writes everything again from the first byte.
TEST_F(RosterStoreTest, AFailingWriteKeepsTheStoreLoadedAndTheNextSaveStartsOver) {
    struct Case {
        int failingWrite;
        int error;
        bool shortWrite;
    };
    const Case cases[] = {{1, ENOSPC, false},   {2, EIO, false},      {3, ENOSPC, true},
                          {700, ENOSPC, false}, {1499, ENOSPC, true}, {1500, EIO, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failingWrite);
        CRosterStore store(RosterPath());
        std::vector<std::string> lines = LoadWellFormed(store);
        store.Trade(0, 1);
        store.Trade(740, 749);
        std::swap(lines[0], lines[1]);
        std::swap(lines[740], lines[749]);
        const std::string expected = JoinLines(lines);

        // Bytes that reach the file before the failing write, then half of it when it is short.
        std::size_t written = 0;
        for (int write = 1; write < c.failingWrite; ++write)
            written += write % 2 == 1 ? lines[static_cast<std::size_t>(write / 2)].size() : 2;
        if (c.shortWrite)
            written += (c.failingWrite % 2 == 1
                            ? lines[static_cast<std::size_t>(c.failingWrite / 2)].size()
                            : 2) /
                       2;
        {
            CFailingSystemCalls calls;
            calls.failWrite = c.failingWrite;
            calls.writeError = c.error;
            calls.shortWrite = c.shortWrite;
            CSystemCallsScope scope(calls);
            try {
                store.Save();
                ADD_FAILURE() << "Save reported success";
            } catch (const CFileException& error) {
                EXPECT_EQ(error.m_operation, CFileException::Operation::Write);
                EXPECT_EQ(error.m_lOsError, c.shortWrite ? ENOSPC : c.error);
                EXPECT_EQ(error.m_strFileName, RosterPath());
                EXPECT_NE(error.GetErrorMessage().find(RosterPath()), std::string::npos);
            }
            EXPECT_EQ(calls.writes, c.failingWrite) << "nothing is written after the failure";
        }
        EXPECT_TRUE(store.IsLoaded());
        const std::string after = FileBytes();
        EXPECT_EQ(after.substr(0, written), expected.substr(0, written));
        EXPECT_EQ(after.substr(written), m_original.substr(written));

        store.Save();
        EXPECT_EQ(FileBytes(), expected);
    }
}

TEST_F(RosterStoreTest, AFailingFlushIsReportedAfterEveryLineWasWritten) {
    CRosterStore store(RosterPath());
    std::vector<std::string> lines = LoadWellFormed(store);
    store.Trade(10, 11);
    std::swap(lines[10], lines[11]);
    {
        CFailingSystemCalls calls;
        calls.fsyncError = EIO;
        CSystemCallsScope scope(calls);
        try {
            store.Save();
            ADD_FAILURE() << "Save reported success";
        } catch (const CFileException& error) {
            EXPECT_EQ(error.m_operation, CFileException::Operation::Flush);
            EXPECT_EQ(error.GetErrorMessage(),
                      "Flushing " + RosterPath() + " to the disk failed: Input/output error.");
        }
    }
    EXPECT_TRUE(store.IsLoaded());
    EXPECT_EQ(FileBytes(), JoinLines(lines));
    EXPECT_NO_THROW(store.Save());
}

TEST_F(RosterStoreTest, AFailingSeekEndsTheSaveBeforeAnyWrite) {
    CRosterStore store(RosterPath());
    LoadWellFormed(store);
    store.Trade(0, 1);
    CFailingSystemCalls calls;
    calls.seekError = EINVAL;
    CSystemCallsScope scope(calls);
    EXPECT_THROW(store.Save(), CFileException);
    EXPECT_EQ(calls.writes, 0);
    EXPECT_EQ(FileBytes(), m_original);
    EXPECT_TRUE(store.IsLoaded());
}

TEST_F(RosterStoreTest, EverySaveRewritesFromTheFirstByte) {
    CRosterStore store(RosterPath());
    std::vector<std::string> lines = LoadWellFormed(store);
    store.Save();
    store.Trade(3, 28);
    std::swap(lines[3], lines[28]);
    store.Save();
    EXPECT_EQ(FileBytes(), JoinLines(lines));
}

TEST_F(RosterStoreTest, SetLineKeepsEveryEditAndNeverWritesPastALinesMemory) {
    struct Case {
        const char* name;
        int slot;
        int lengthChange; // against the line's memory
    };
    const Case cases[] = {
        {"shorter batter line", 5, -40},       {"same length", 5, 0}, {"longer batter line", 5, 1},
        {"much longer pitcher line", 20, 500}, {"first line", 0, 30}, {"last stored line", 749, 1},
        {"longer TEMP line", 760, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CRosterStore store(RosterPath());
        std::vector<std::string> lines = LoadWellFormed(store);
        const std::vector<std::string> before = SlotTexts(store);
        const std::size_t capacity = store.GetLineCapacity(c.slot);
        const std::string text(capacity + static_cast<std::size_t>(c.lengthChange), 'e');

        store.SetLine(c.slot, text);
        EXPECT_EQ(store.GetLine(c.slot), text);
        EXPECT_GE(store.GetLineCapacity(c.slot), text.size());
        for (int slot = 0; slot < SLOT_COUNT; ++slot)
            if (slot != c.slot) {
                ASSERT_EQ(store.GetLine(slot), before[static_cast<std::size_t>(slot)]) << slot;
            }
        ExpectSeparateLines(store);

        // The edit reaches the file wherever the line is traded.
        store.Trade(c.slot, 1);
        if (c.slot < STORED_SLOTS)
            std::swap(lines[static_cast<std::size_t>(c.slot)], lines[1]);
        lines[1] = text;
        store.Save();
        EXPECT_EQ(FileBytes(), Saved(lines, m_original));
    }
}

TEST_F(RosterStoreTest, SetLineRefusesASlotWithoutALine) {
    CRosterStore empty(RosterPath());
    EXPECT_THROW(empty.SetLine(0, "Some;One"), std::out_of_range);
    CRosterStore store(RosterPath());
    LoadWellFormed(store);
    EXPECT_THROW(store.SetLine(-1, "Some;One"), std::out_of_range);
    EXPECT_THROW(store.SetLine(SLOT_COUNT, "Some;One"), std::out_of_range);
    EXPECT_EQ(store.GetLine(SLOT_COUNT), nullptr);
    EXPECT_EQ(store.GetLine(-1), nullptr);
}

TEST_F(RosterStoreTest, CloseIsSafeInEveryState) {
    CRosterStore never(RosterPath());
    never.Close();
    never.Close();

    WriteRoster("too;short\r\n");
    CRosterStore failed(RosterPath());
    EXPECT_FALSE(failed.Load());
    failed.Close();

    CRosterStore store(RosterPath());
    LoadWellFormed(store);
    store.Close();
    store.Close();
    EXPECT_FALSE(store.IsLoaded());
    EXPECT_EQ(store.GetLine(0), nullptr);
    EXPECT_NO_THROW(store.Save()) << "an Empty store has nothing to write";
    EXPECT_EQ(FileBytes(), m_original);
    CRosterStore other(RosterPath());
    EXPECT_TRUE(other.Load()) << "Close gave up the file";
}

TEST_F(RosterStoreTest, LoadingAgainStartsFromTheFile) {
    CRosterStore store(RosterPath());
    const std::vector<std::string> lines = LoadWellFormed(store);
    store.Trade(0, 1);
    ASSERT_TRUE(store.Load());
    EXPECT_EQ(store.GetLine(0), lines[0]);
}

TEST_F(RosterStoreTest, TradeExchangesTwoSlotsOnlyWhenBothAreGiven) {
    struct Case {
        int left;
        int right;
        bool exchanges;
    };
    const Case cases[] = {
        {3, 28, true},    {28, 3, true},          {3, 750, true},         {774, 0, true},
        {760, 765, true}, {-1, 5, false},         {5, -1, false},         {-1, -1, false},
        {7, 7, false},    {SLOT_COUNT, 0, false}, {0, SLOT_COUNT, false},
    };
    CRosterStore store(RosterPath());
    LoadWellFormed(store);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.left << " with " << c.right);
        const std::vector<std::string> before = SlotTexts(store);
        std::vector<std::string> expected = before;
        if (c.exchanges)
            std::swap(expected[static_cast<std::size_t>(c.left)],
                      expected[static_cast<std::size_t>(c.right)]);
        store.Trade(c.left, c.right);
        EXPECT_EQ(SlotTexts(store), expected);
        store.Trade(c.left, c.right);
        EXPECT_EQ(SlotTexts(store), before) << "the same trade again undoes it";
    }
}

TEST_F(RosterStoreTest, TradesNeverLoseOrDuplicateALine) {
    CRosterStore store(RosterPath());
    LoadWellFormed(store);
    std::multiset<std::string> texts;
    std::set<const char*> lines;
    for (int slot = 0; slot < SLOT_COUNT; ++slot) {
        texts.insert(store.GetLine(slot));
        lines.insert(store.GetLine(slot));
    }
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> pick(-1, SLOT_COUNT - 1);
    for (int trade = 0; trade < 20000; ++trade)
        store.Trade(pick(random), pick(random));
    std::multiset<std::string> textsAfter;
    std::set<const char*> linesAfter;
    for (int slot = 0; slot < SLOT_COUNT; ++slot) {
        textsAfter.insert(store.GetLine(slot));
        linesAfter.insert(store.GetLine(slot));
    }
    EXPECT_EQ(textsAfter, texts);
    EXPECT_EQ(linesAfter, lines);
    ExpectSeparateLines(store);
}

// A TEMP line traded into a stored team is saved, placeholder and all; the stored line it
// replaced stays in the TEMP team and is not written.
TEST_F(RosterStoreTest, SaveWritesTheStoredSlotsWhateverTheyHold) {
    CRosterStore store(RosterPath());
    std::vector<std::string> lines = LoadWellFormed(store);
    store.Trade(3, 750);
    store.Trade(765, 20);
    const std::string tempBatter = WithTempName(lines[0]);
    const std::string tempPitcher = WithTempName(lines[15]);
    EXPECT_EQ(store.GetLine(750), lines[3]);
    EXPECT_EQ(store.GetLine(765), lines[20]);
    lines[3] = tempBatter;
    lines[20] = tempPitcher;
    store.Save();
    EXPECT_EQ(FileBytes(), JoinLines(lines));
}

} // namespace
