#include <benchmark/benchmark.h>

#include "engine/engine.h"
#include "engine/geometry.h"
#include "tests/engine/fake_windows.h"

namespace {

using pelloric::Engine;
using pelloric::GameState;
using pelloric::ScriptedRandom;

// Cards of distinct numbers in their columns' ranges, each player's a little
// different from the next.
void FillCard(pelloric::Table<int32_t, 1001>& card, int shift) {
    for (int c = 1; c <= pelloric::kCells; ++c) {
        const int col = pelloric::CellColumn(c);
        const int place = c - pelloric::CellAt(col, 1);
        card[c] = pelloric::ColumnLow(col) + (place + shift) % 15;
    }
}

// Calls that miss every card: no kind ends early, so every kind runs through
// every cell, call and player. No tick of a real game does more.
void CallsMissingEveryCard(GameState& s, int32_t calledCount) {
    s.CalledCount = calledCount;
    for (int32_t j = 1; j <= calledCount; ++j) s.Called[j] = 100 + j;
}

// The heaviest tick: Any Bingo against six computer players with 74 balls
// counted (the run after the 75th ball is drawn) and no winner.
void BM_PcAnyBingoSixPlayersNoWinner(benchmark::State& st) {
    GameState s;
    ScriptedRandom rnd;
    pelloric::test::FakeWindows ui;
    Engine e(s, rnd, ui);
    s.GameType = pelloric::AnyBingo;
    s.NumPc = 6;
    for (int p = 1; p <= 6; ++p) FillCard(s.PcCard[p], p);
    CallsMissingEveryCard(s, 75);
    for (auto _ : st) {
        ui.log.clear();
        benchmark::DoNotOptimize(e.CheckPcBingo());
        benchmark::DoNotOptimize(s.PcHits);
    }
    if (s.WinnerNo != 0) st.SkipWithError("a computer player won");
}
BENCHMARK(BM_PcAnyBingoSixPlayersNoWinner)->Unit(benchmark::kMicrosecond);

// A claim under Any Bingo with two boards that holds nothing: all ten kinds
// are tried on both cards against all 75 balls.
void BM_PlayerAnyBingoTwoBoardsNoWin(benchmark::State& st) {
    GameState s;
    ScriptedRandom rnd;
    pelloric::test::FakeWindows ui;
    Engine e(s, rnd, ui);
    s.GameType = pelloric::AnyBingo;
    s.NumCards = 2;
    FillCard(s.Card1, 0);
    FillCard(s.Card2, 5);
    CallsMissingEveryCard(s, 75);
    for (auto _ : st) benchmark::DoNotOptimize(e.CheckPlayerBingo());
}
BENCHMARK(BM_PlayerAnyBingoTwoBoardsNoWin)->Unit(benchmark::kMicrosecond);

}  // namespace
