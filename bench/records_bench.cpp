// Parse and format of one batter's and one pitcher's line, as an edit does them.
#include "records/batter_record.h"
#include "records/pitcher_record.h"
#include "records/player_record.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const std::string kBatterLine = "Abe;Marlow              # ABEMAR1 27 S2 F1 BRN 6'2 195 R L "
                                "142 512 377 088 154 109 31 04 22 "
                                "097 061 104 012 PIC027 "
                                "SS 037 7 5 6 4 3 8 9 7 8 6 2 1 5";

const std::string kPitcherLine = "Cy;Brennick             # CYBREN2 41 S4 F0 BLK 6'5 221 L L "
                                 "033 012 009 001 002 001 00 00 00 "
                                 "001 000 007 000 PIC113 "
                                 "14 09 071 201 2 33 05 00 188 152 176 8 6 7 3 5 9 6 7 4 1 2 3";

void BM_BatterLineParseAndFormat(benchmark::State& state) {
    for (auto _ : state) {
        CPlayerRecord player;
        player.ParseLine(kBatterLine.c_str(), 0);
        CBatterRecord batter;
        batter.ParseBlock(player.m_strDetail);
        player.m_strDetail = batter.FormatBlock();
        std::string line = player.FormatLine();
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(BM_BatterLineParseAndFormat);

void BM_PitcherLineParseAndFormat(benchmark::State& state) {
    for (auto _ : state) {
        CPlayerRecord player;
        player.ParseLine(kPitcherLine.c_str(), 1);
        CPitcherRecord pitcher;
        pitcher.ParseBlock(player.m_strDetail);
        player.m_strDetail = pitcher.FormatBlock();
        std::string line = player.FormatLine();
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(BM_PitcherLineParseAndFormat);

} // namespace

BENCHMARK_MAIN();
