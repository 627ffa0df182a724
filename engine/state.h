// The whole game state: one set of variables shared by the engine and every
// window. Arrays keep their fixed, generous bounds and are indexed from 1 as the
// game counts (index 0 is unused unless a table says otherwise).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace pelloric {

template <typename T, std::size_t N>
using Table = std::array<T, N>;

struct GameState {
    // Settings, stored by the options dialog's "Start".
    int16_t GameType = 0;        // GameKind 1..12 (while Random Pick: the kind drawn, 1..10)
    std::string GameName;        // list text of the game being played
    int16_t NumCards = 0;        // player boards, 1 or 2
    int16_t NumPc = 0;           // computer players, 1..6
    int32_t CallInterval = 0;    // ms between balls: 5000, 10000 or 15000
    bool RandomPick = false;

    // Cards and calls.
    Table<int32_t, 1001> Card1{};                   // 1..24 used
    Table<int32_t, 1001> Card2{};                   // 1..24 used
    Table<Table<int32_t, 1001>, 8> PcCard{};        // (player 1..7, cell 1..1000)
    Table<int32_t, 1001> Called{};                  // 1..75 used
    Table<int16_t, 1001> CallCol{};                 // BallColumn of each call
    int32_t CalledCount = 0;

    // Game control.
    bool GameRunning = false;
    bool Paused = false;
    int32_t CallElapsed = 0;     // ms counted towards the next ball

    // Money, whole dollars.
    int32_t Balance = 0;
    int32_t Jackpot = 0;
    int32_t JackpotLevel = 0;
    int32_t Wins = 0;

    // The computer players' test and the winner record.
    Table<int16_t, 8> PcHits{};                     // 1..NumPc used
    int16_t WinnerKind = 0;                         // WinnerSide: 2 = a computer player
    int32_t WinnerNo = 0;
    Table<Table<int16_t, 25>, 8> WinCells{};        // (player 1..7, entry 1..24)
    int16_t WinCellCount = 0;

    // Ball animation.
    int16_t BallStep = 0;        // 0..57
    int16_t BallFrame = 0;       // 0..12

    // Window steering.
    int16_t HelpTopic = 0;       // HelpPage -1..11
    int16_t HelpOpenedFrom = 0;  // 4 when the opener has already paused the game
    int16_t HelpCaller = 0;      // 6 when the options dialog's Help opened help
    Table<std::string, 21> HelpPages{};   // 0..11 used
    int16_t MsgBoardShown = 0;
};

// The highest position of Called that can hold a ball. Readers stop here, so
// however far CalledCount grows after the balls have run out, positions past
// the 75th count as no match and are never read out of bounds.
inline constexpr int32_t kLastBall = 75;

// Decimal text of a whole number, minus sign included, no separators.
std::string Str(long long value);
// Money as shown: "$" followed by the decimal text ($-5 for -5).
std::string Money(long long value);

}  // namespace pelloric
