// Load, Save and one refill of every view of the sample roster, each next to the raw system
// calls that move the same bytes, measured in the same run.
#include "roster/roster_store.h"
#include "roster/team_view.h"
#include "tests/support/roster_fixture.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The sample roster in a fresh temporary folder, shared by every benchmark of the run.
struct SampleRoster {
    SampleRoster() : bytes(roster_fixture::MakeSampleRoster()) {
        path = folder.WriteFile("rosters.txt", bytes).string();
    }
    roster_fixture::CTempFolder folder;
    std::string bytes;
    std::string path;
};

SampleRoster& Sample() {
    static SampleRoster sample;
    return sample;
}

void RawRead(benchmark::State& state) {
    const SampleRoster& sample = Sample();
    std::vector<char> buffer(sample.bytes.size());
    for (auto _ : state) {
        const int fd = ::open(sample.path.c_str(), O_RDONLY);
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        ::close(fd);
        if (got != static_cast<ssize_t>(buffer.size()))
            state.SkipWithError("short read");
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(buffer.size()));
}
BENCHMARK(RawRead);

void Load(benchmark::State& state) {
    const SampleRoster& sample = Sample();
    CRosterStore store(sample.path);
    for (auto _ : state) {
        if (!store.Load())
            state.SkipWithError("Load failed");
        benchmark::DoNotOptimize(store.GetLine(SLOT_COUNT - 1));
        store.Close();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(sample.bytes.size()));
}
BENCHMARK(Load);

// One write of the whole file and a flush to the disk: the least a save can cost.
void RawWriteAndFlush(benchmark::State& state) {
    const SampleRoster& sample = Sample();
    const int fd = ::open(sample.path.c_str(), O_RDWR);
    for (auto _ : state) {
        const ssize_t put = ::pwrite(fd, sample.bytes.data(), sample.bytes.size(), 0);
        if (put != static_cast<ssize_t>(sample.bytes.size()) || ::fsync(fd) != 0)
            state.SkipWithError("write failed");
    }
    ::close(fd);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(sample.bytes.size()));
}
BENCHMARK(RawWriteAndFlush);

void Save(benchmark::State& state) {
    const SampleRoster& sample = Sample();
    CRosterStore store(sample.path);
    if (!store.Load()) {
        state.SkipWithError("Load failed");
        return;
    }
    for (auto _ : state)
        store.Save();
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(sample.bytes.size()));
}
BENCHMARK(Save);

// Both lists of every view of every team, as the window fills them.
void RefillEveryView(benchmark::State& state) {
    const SampleRoster& sample = Sample();
    CRosterStore store(sample.path);
    if (!store.Load()) {
        state.SkipWithError("Load failed");
        return;
    }
    for (auto _ : state) {
        std::size_t characters = 0;
        for (int team = 0; team <= TEMP_TEAM; ++team) {
            for (int type : {TYPE_BATTERS, TYPE_PITCHERS}) {
                const ViewRange range = GetViewRange(team, type);
                for (int slot = range.first; slot < range.end; ++slot)
                    characters += FormatEntry(store, slot, ListSide::Left).size();
                for (int slot = range.first; slot < range.end; ++slot)
                    characters += FormatEntry(store, slot, ListSide::Right).size();
            }
        }
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(RefillEveryView);

} // namespace

BENCHMARK_MAIN();
