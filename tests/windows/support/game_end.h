// Ending a game the two ways the game knows, for the tests of the end-of-game
// dialog, the next game and the money: the player's valid claim and a
// computer player's win.
#pragma once

#include <QString>

namespace pelloric::test {

// Calls the numbers of card 1's column B and presses "B I N G O": a valid
// Regular Bingo claim.
void ClaimColumnB();

// Announces computer player p's win with column B of its card as the winning
// cells, the way the computer players' test does once it has found them.
void AnnounceWin(int p);

// A computer player's win at the next ball: one tick of the ball caller runs
// the computer players' test (which opens every test in "&Next game" mode),
// then computer player p's win is announced.
void ComputerWins(int p);

// The announcement of computer player p's win as the message board shows it.
QString Announcement(int p, bool balanceUsedUp);

}  // namespace pelloric::test
