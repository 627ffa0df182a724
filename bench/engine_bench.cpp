#include <benchmark/benchmark.h>

#include "engine/engine.h"
#include "tests/engine/fake_windows.h"

namespace {

using pelloric::ClockRandom;
using pelloric::Engine;
using pelloric::GameState;

void BM_NewGameSixPlayers(benchmark::State& st) {
    GameState s;
    ClockRandom rnd;
    pelloric::test::FakeWindows ui;
    Engine e(s, rnd, ui);
    s.NumPc = 6;
    s.NumCards = 2;
    s.GameType = 1;
    s.GameName = "Regular Bingo";
    s.JackpotLevel = 1;
    for (auto _ : st) {
        e.NewGame(s.NumCards, s.GameType);
        benchmark::DoNotOptimize(s.PcCard[6][24]);
    }
}
BENCHMARK(BM_NewGameSixPlayers);

void BM_DrawWholeGame(benchmark::State& st) {
    GameState s;
    ClockRandom rnd;
    pelloric::test::FakeWindows ui;
    Engine e(s, rnd, ui);
    for (auto _ : st) {
        s.CalledCount = 0;
        for (int i = 0; i < 75; ++i) benchmark::DoNotOptimize(e.DrawBall());
    }
}
BENCHMARK(BM_DrawWholeGame);

}  // namespace
