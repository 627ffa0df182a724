// Helpers of the main-window tests: reaching Form1's controls, covering cells
// of the player's card with called balls, and driving the ball caller only
// while its timer is on, as the real timer would.
#pragma once

#include <QtTest>
#include <initializer_list>

#include "engine/geometry.h"
#include "tests/windows/support/board_colours.h"
#include "tests/windows/support/harness.h"
#include "windows/bingomsg.h"
#include "windows/form1.h"

namespace pelloric::test {

inline win::Form1& Main() { return win::App().Form1(); }
inline GameState& State() { return win::App().S; }
inline QString BoardMessage() { return win::App().Bingomsg().lblMsg->Caption(); }
// The colour of number n on the message board.
inline uint32_t BoardColour(int32_t n) { return win::App().Bingomsg().lblselctedNums[n]->ForeColor(); }

// Writes the numbers of card 1's cells as the balls called so far, in order,
// with their columns: the claim test then sees exactly these cells covered.
inline void CallCard1Cells(std::initializer_list<int> cells) {
    auto& S = State();
    int n = 0;
    for (int cell : cells) {
        ++n;
        S.Called[n] = S.Card1[cell];
        S.CallCol[n] = int16_t(CellColumn(cell));
    }
    S.CalledCount = n;
}

// A number that is on neither of the player's cards, or 0 when there is none.
inline int32_t NumberOnNoPlayerCard() {
    const auto& S = State();
    for (int32_t number = 1; number <= 75; ++number) {
        bool onCard = false;
        for (int c = 1; c <= kCells; ++c) onCard = onCard || S.Card1[c] == number || S.Card2[c] == number;
        if (!onCard) return number;
    }
    return 0;
}

// Ticks of Timer1 as its QTimer would deliver them: only while it is on.
// Returns how many of the ticks ran.
inline int TickWhileOn(int ticks) {
    int ran = 0;
    for (int i = 0; i < ticks; ++i) {
        if (!Main().Timer1->Enabled()) continue;
        Main().Form1_Timer1_Timer();
        ++ran;
    }
    return ran;
}

// Clicks the centre of a card cell with the mouse, as the player does.
inline void ClickCell(int index) {
    QTest::mouseClick(Main().Label1[index], Qt::LeftButton, {}, Main().Label1[index]->rect().center());
}

}  // namespace pelloric::test
