#include "engine/engine.h"

#include "engine/geometry.h"

namespace pelloric {

std::string Str(long long value) { return std::to_string(value); }

std::string Money(long long value) {
    std::string text = Str(value);
    text.insert(text.begin(), '$');
    return text;
}

std::string OpeningStatus(const GameState& s) {
    const std::string players = s.NumPc == 1 ? std::string("1") + " player" : Str(s.NumPc) + " players";
    return "You are playing " + s.GameName + ", Jackpot is $" + Str(s.JackpotLevel * 5 * s.NumPc) +
           ". There is " + players + " playing against you.";
}

std::string CallStatus(const GameState& s) {
    return "You are playing " + s.GameName + ", Jackpot is $" + Str(s.JackpotLevel * 5 * s.NumPc) +
           ". There is " + Str(s.NumPc) + " playing against you.";
}

// One cell of a card: draw in the cell's column until the number differs from
// every earlier cell of the card. Redraws are not preceded by a re-seed.
int32_t Engine::DealCell(Table<int32_t, 1001>& card, int cell) {
    const int col = CellColumn(cell);
    const int lo = ColumnLow(col);
    const int hi = ColumnHigh(col);
    for (;;) {
        const int32_t number = Pick(rnd.Rnd(), lo, hi - lo + 1);
        bool repeat = false;
        for (int earlier = 1; earlier < cell && !repeat; ++earlier) repeat = card[earlier] == number;
        if (!repeat) return number;
    }
}

void Engine::DealCard(Table<int32_t, 1001>& card) {
    for (int c = 1; c <= kCells; ++c) card[c] = DealCell(card, c);
}

void Engine::NewGame(int16_t& /*NumCardsArg*/, int16_t& GameTypeArg) {
    rnd.Randomize();                                                 // 1
    DealCard(S.Card1);                                               // 2
    DealCard(S.Card2);                                               // 3
    for (int c = 1; c <= 24; ++c) ui.SetCardCaption(c, Str(S.Card1[c]));         // 4
    for (int i = 25; i <= 48; ++i) ui.SetCardCaption(i, Str(S.Card2[i - 24]));
    DealPcCards();                                                   // 5
    if (S.RandomPick) S.GameName = GameKindName(GameTypeArg);        // 6
    ui.SetBoardGameName(S.GameName);                                 // 7
    ui.SetClaimEnabled(true);                                        // 8
    ui.SetClaimToolTip("If you have BINGO then press here");
    ui.SetBoardMessage(OpeningStatus(S));                            // 9
    S.Jackpot = S.JackpotLevel * 5 * S.NumPc;                        // 10
    ui.SetBalanceCaption(Money(S.Balance));                      // 11
    ui.SetHowToPlayCaption("How to play " + S.GameName);             // 12
    ui.SetMainEnabled(true);                                         // 13
    S.Paused = false;                                                // 14
    S.CallElapsed = 0;
    // A game paused when it ended (End Play, a claim during the pause) must
    // not hand its "Unpause" to the game that starts here.
    ui.SetPauseCaption("Pause");
    ui.SetPauseEnabled(true);                                        // 15
    S.GameRunning = true;                                            // 16
}

void Engine::DealPcCards() {
    rnd.Randomize();
    for (int p = 1; p <= S.NumPc; ++p) {
        for (int c = 1; c <= kCells; ++c) {
            rnd.Randomize();
            S.PcCard[p][c] = DealCell(S.PcCard[p], c);
        }
    }
}

std::optional<int32_t> Engine::DrawBall() {
    rnd.Randomize();                                                 // 1
    S.CalledCount += 1;                                              // 2
    if (S.CalledCount > kLastBall) {                                 // 3
        ui.SetCallerOn(false);
        return std::nullopt;
    }
    for (;;) {
        const int col = Pick(rnd.Rnd(), 1, 5);                       // 4
        const int lo = ColumnLow(col);
        const int hi = ColumnHigh(col);
        const int32_t n = Pick(rnd.Rnd(), lo, hi - lo + 1);
        bool repeat = false;                                         // 5
        for (int32_t j = 1; j < S.CalledCount && !repeat; ++j) repeat = S.Called[j] == n;
        if (repeat) continue;
        S.Called[S.CalledCount] = n;                                 // 6
        S.CallCol[S.CalledCount] = static_cast<int16_t>(col);
        return S.CalledCount;
    }
}

void Engine::RollBall(int16_t& step) {
    ui.ShowRollingBall();                                            // 1
    const int top = step * 35 - 480;                                 // 2
    ui.SetRollingBallTop(top);
    if (top > 1500) {                                                // 3
        ui.SetBallTimerOn(false);
        ui.ShowBallLabel();
        S.BallStep = 0;
        ui.SetRollingBallAtRest();
    }
}

}  // namespace pelloric
