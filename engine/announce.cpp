// The end of a game won by a computer player: its card goes on the message
// board with the winning cells in red, the caller stops, and the status line
// and the end-of-game dialog name the winner. No money moves.
#include "engine/engine.h"
#include "engine/geometry.h"

namespace pelloric {

namespace {
constexpr uint32_t kWinningCellColor = 255;   // red
constexpr int kExampleLines = 12;
}  // namespace

void Engine::AnnouncePcWin(int32_t p) {
    S.WinnerKind = 2;
    S.WinnerNo = p;
    ShowWinningCard(S.WinnerKind, S.WinnerNo);
    ui.SetCallerOn(false);
    ui.SetClaimEnabled(false);
    ui.SetClaimToolTip("Press End Game to start a new game");
    ui.SetNextGameVisible(true);
    // The end-of-game dialog reads the winner's digit back as the 22nd character.
    ui.SetBoardMessage("The Computer Player #" + Str(p) + " has won the jackpot.");
    if (S.Balance < 1) {
        ui.SetBoardMessage(ui.BoardMessage() + "  Your balance is 0 Game Over.");
        ui.SetNextGameCaption("&Try Again");
    }
    // The caption must be settled before this first touch of the dialog: its
    // load handler copies it onto the middle button.
    ui.SetGameStatus(ui.BoardMessage());
    ui.ShowGameStatus();
}

int Engine::ShowWinningCard(int16_t& /*kind*/, int32_t& number) {
    for (int i = 0; i < kExampleLines; ++i) ui.SetExampleLineVisible(i, false);
    for (int i = 0; i < kCells; ++i) ui.SetExampleDotVisible(i, false);
    for (int c = 1; c <= kCells; ++c) ui.SetExampleCellCaption(c - 1, Str(S.PcCard[number][c]));
    const int count = S.WinCellCount;
    for (int i = 1; i <= count; ++i) {
        const int cell = S.WinCells[number][i];
        if (cell >= 1 && cell <= kCells) ui.SetExampleCellColor(cell - 1, kWinningCellColor);
    }
    return 0;
}

}  // namespace pelloric
