#include "tests/windows/support/game_end.h"

#include "tests/windows/support/harness.h"
#include "windows/form1.h"

namespace pelloric::test {

void ClaimColumnB() {
    auto& S = win::App().S;
    for (int c = 1; c <= 5; ++c) S.Called[c] = S.Card1[c];
    S.CalledCount = 5;
    win::App().Form1().Form1_Command1_Click();
}

void AnnounceWin(int p) {
    auto& S = win::App().S;
    for (int i = 1; i <= 5; ++i) S.WinCells[p][i] = int16_t(i);
    S.WinCellCount = 5;
    win::App().E.AnnouncePcWin(p);
}

void ComputerWins(int p) {
    TickToNextBall();
    AnnounceWin(p);
}

QString Announcement(int p, bool balanceUsedUp) {
    QString text = QStringLiteral("The Computer Player #%1 has won the jackpot.").arg(p);
    if (balanceUsedUp) text += QStringLiteral("  Your balance is 0 Game Over.");
    return text;
}

}  // namespace pelloric::test
