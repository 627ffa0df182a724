// The game engine: dealing, the ball draw, the win tests, the computer-win
// announcement and the small services the windows call. It owns no window and
// no timer; it works on the shared GameState and reaches the windows only
// through GameWindows.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "engine/random.h"
#include "engine/state.h"
#include "engine/window_ops.h"

namespace pelloric {

// WinTestResult of the win tests.
enum WinTestResult : int { NoBingo = 1, Bingo = 2 };

// The maker's web address, opened by every web link of the game, and the
// domain that the main window's link shows.
inline constexpr const char* kWebAddress = "https://pelloric.example";
inline constexpr const char* kWebDomain = "pelloric.example";

class Engine {
public:
    Engine(GameState& state, Random& random, GameWindows& windows) : S(state), rnd(random), ui(windows) {}

    GameState& S;
    Random& rnd;
    GameWindows& ui;

    // New game and dealing.
    void NewGame(int16_t& NumCardsArg, int16_t& GameTypeArg);
    void DealPcCards();

    // Ball draw and ball drop.
    std::optional<int32_t> DrawBall();
    void RollBall(int16_t& step);

    // The player's claim test.
    int CheckPlayerBingo();
    int CheckBigDiamond();
    int CheckSmallDiamond();
    int CheckBigPictureFrame();
    int CheckLittlePictureFrame();
    int CheckBORailroad();
    int CheckKite();
    int CheckAnyBingo();

    // The computer players' tests.
    int CheckPcBingo();
    int PcCheckAnyBingo();
    int PcCheckBigDiamond();
    int PcCheckSmallDiamond();
    int PcCheckKite();
    int PcCheckBigPictureFrame();
    int PcCheckLittlePictureFrame();
    int PcCheckBORailroad();

    // The computer-win announcement.
    void AnnouncePcWin(int32_t p);
    int ShowWinningCard(int16_t& kind, int32_t& number);

    // Pause and services.
    void TogglePause();
    static std::string PcPlayerName(long long n);
    void ShowGameHelp();
    void VisitWebSite();

private:
    void DealCard(Table<int32_t, 1001>& card);
    int32_t DealCell(Table<int32_t, 1001>& card, int cell);

    // The player's test of one kind 1..10.
    int PlayerPattern(int kind);

    // The computer players' tests of kinds 1..4, the fixed-set scheme, and
    // the dispatch of one kind 1..10.
    int PcPattern(int kind);
    int PcLineTest();
    int PcStampTest();
    int PcSetTest(std::span<const int> cells);
    void PcCountCell(int cell, int record);
    void PcCountCentre();
    void PcCountLine(int line);
    void PcResetHits();
    int PcFirstAt(int wins) const;
    int32_t PcCountedCalls() const;
};

// The opening status line of a game and the line rewritten at every call.
std::string OpeningStatus(const GameState& s);
std::string CallStatus(const GameState& s);

}  // namespace pelloric
