#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "engine/engine.h"
#include "engine/geometry.h"
#include "tests/engine/fake_windows.h"

namespace pelloric {
namespace {

using test::FakeWindows;

// The uniform value that deals `number` in the column of `cell`.
double ValueFor(int cell, int number) {
    const int lo = ColumnLow(CellColumn(cell));
    return (number - lo + 0.5) / 15.0;
}

struct DealFixture : ::testing::Test {
    GameState s;
    FakeWindows ui;
    void Settings(int numPc, int numCards, int kind) {
        s.NumPc = int16_t(numPc);
        s.NumCards = int16_t(numCards);
        s.GameType = int16_t(kind);
        s.GameName = GameKindName(kind);
        s.JackpotLevel = 1;
    }
};

void ExpectValidCard(const Table<int32_t, 1001>& card) {
    std::set<int> seen;
    for (int c = 1; c <= kCells; ++c) {
        const int col = CellColumn(c);
        EXPECT_GE(card[c], ColumnLow(col)) << "cell " << c;
        EXPECT_LE(card[c], ColumnHigh(col)) << "cell " << c;
        EXPECT_TRUE(seen.insert(card[c]).second) << "number " << card[c] << " twice";
    }
}

TEST_F(DealFixture, EveryCardKeepsItsColumnsAndNeverRepeatsANumber) {
    ClockRandom rnd;
    Engine e(s, rnd, ui);
    Settings(6, 2, RegularBingo);
    for (int game = 0; game < 300; ++game) {
        e.NewGame(s.NumCards, s.GameType);
        ExpectValidCard(s.Card1);
        ExpectValidCard(s.Card2);
        for (int p = 1; p <= 6; ++p) ExpectValidCard(s.PcCard[p]);
        if (HasFailure()) return;
    }
}

// Values that deal every cell of a card a number of its own: the row's
// position in the column's range.
std::vector<double> DistinctCard() {
    std::vector<double> v;
    for (int c = 1; c <= kCells; ++c) v.push_back(ValueFor(c, ColumnLow(CellColumn(c)) + CellRow(c) - 1));
    return v;
}

// The generator's largest value deals the top of each column, never the first
// number of the next one: r * 15 + 61 rounds up to 76 for it.
TEST_F(DealFixture, TheLargestUniformValueDealsTheTopOfEachColumn) {
    const double top = std::nextafter(1.0, 0.0);
    std::vector<double> card;
    for (int c = 1; c <= kCells; ++c) {
        const int lo = ColumnLow(CellColumn(c));
        card.push_back(CellRow(c) == 1 ? top : ValueFor(c, lo + CellRow(c) - 1));
    }
    std::vector<double> script;
    for (int k = 0; k < 3; ++k) script.insert(script.end(), card.begin(), card.end());   // Card1, Card2, PcCard(1)
    ScriptedRandom rnd(script);
    Engine e(s, rnd, ui);
    Settings(1, 1, RegularBingo);
    e.NewGame(s.NumCards, s.GameType);
    for (const auto* dealt : {&s.Card1, &s.Card2, &s.PcCard[1]}) {
        ExpectValidCard(*dealt);
        for (int col = 1; col <= 5; ++col) EXPECT_EQ((*dealt)[CellAt(col, 1)], ColumnHigh(col)) << "column " << col;
    }
}

TEST_F(DealFixture, ARepeatedNumberIsDrawnAgainWithoutReseeding) {
    // Card 1: cell 1 takes 7; cell 2 draws 7 again and is drawn once more (11).
    std::vector<double> values = {ValueFor(1, 7), ValueFor(2, 7), ValueFor(2, 11)};
    for (int c = 3; c <= kCells; ++c) values.push_back(DistinctCard()[c - 1]);
    for (double v : DistinctCard()) values.push_back(v);   // card 2
    // Computer player 1: cell 7 repeats cell 6's number once.
    std::vector<double> pc = DistinctCard();
    pc.insert(pc.begin() + 6, pc[5]);
    values.insert(values.end(), pc.begin(), pc.end());

    ScriptedRandom rnd(values);
    Engine e(s, rnd, ui);
    Settings(1, 1, RegularBingo);
    e.NewGame(s.NumCards, s.GameType);

    EXPECT_EQ(s.Card1[1], 7);
    EXPECT_EQ(s.Card1[2], 11);
    EXPECT_EQ(s.Card1[3], 3);   // cell 3's own value: row 3 of B
    EXPECT_EQ(s.PcCard[1][6], 16);
    EXPECT_EQ(s.PcCard[1][7], 17);
    EXPECT_EQ(rnd.Used(), values.size()) << "every scripted value, redraws included, is used once";
    // One re-seed for the game, one before the computer cards and one before
    // every computer cell; redraws are never re-seeded.
    EXPECT_EQ(rnd.reseeds, 1 + 1 + 24);
}

// A deal that keeps drawing a number already on the card must end the test,
// not hang it: the scripted source refuses to go past its script.
TEST_F(DealFixture, ADealThatRunsPastItsScriptStopsAtOnce) {
    ScriptedRandom rnd({ValueFor(1, 7), ValueFor(2, 7)});
    Engine e(s, rnd, ui);
    Settings(1, 1, RegularBingo);
    EXPECT_THROW(e.NewGame(s.NumCards, s.GameType), ScriptExhausted);
    EXPECT_EQ(rnd.Used(), 2u);
}

TEST_F(DealFixture, BothBoardsAreShownAndHigherPlayersAreLeftAlone) {
    ClockRandom rnd;
    Engine e(s, rnd, ui);
    Settings(3, 1, RegularBingo);
    s.PcCard[4][1] = 999;
    s.PcCard[7][24] = 998;
    e.NewGame(s.NumCards, s.GameType);
    for (int c = 1; c <= kCells; ++c) {
        EXPECT_EQ(ui.cards[c], Str(s.Card1[c]));
        EXPECT_EQ(ui.cards[24 + c], Str(s.Card2[c])) << "card 2 is dealt and shown with one board too";
    }
    EXPECT_EQ(ui.cards[49], "");
    EXPECT_EQ(s.PcCard[4][1], 999);
    EXPECT_EQ(s.PcCard[7][24], 998);
    EXPECT_NE(s.PcCard[3][24], 0);
}

struct OpeningCase {
    int numPc;
    int level;
    int kind;
    bool randomPick;
    int balance;
    const char* status;
    const char* howToPlay;
    const char* balanceText;
};

TEST_F(DealFixture, NewGameWritesItsTextsInOrder) {
    const OpeningCase cases[] = {
        {1, 1, RegularBingo, false, 0,
         "You are playing Regular Bingo, Jackpot is $5. There is 1 player playing against you.",
         "How to play Regular Bingo", "$0"},
        {3, 1, RegularBingo, false, 25,
         "You are playing Regular Bingo, Jackpot is $15. There is 3 players playing against you.",
         "How to play Regular Bingo", "$25"},
        {6, 2, AnyBingo, false, -5,
         "You are playing Any Bingo, Jackpot is $60. There is 6 players playing against you.",
         "How to play Any Bingo", "$-5"},
        {2, 1, FourCorners, true, 0,
         "You are playing Four Corners, Jackpot is $10. There is 2 players playing against you.",
         "How to play Four Corners", "$0"},
    };
    for (const auto& c : cases) {
        GameState fresh;
        s = fresh;
        ui = FakeWindows{};
        ClockRandom rnd;
        Engine e(s, rnd, ui);
        s.NumPc = int16_t(c.numPc);
        s.NumCards = 2;
        s.JackpotLevel = c.level;
        s.Balance = c.balance;
        s.GameType = int16_t(c.kind);
        s.RandomPick = c.randomPick;
        s.GameName = c.randomPick ? "Random Pick" : GameKindName(c.kind);
        s.Paused = true;
        s.CallElapsed = 900;
        e.NewGame(s.NumCards, s.GameType);

        SCOPED_TRACE(c.status);
        EXPECT_EQ(ui.boardMessage, c.status);
        EXPECT_EQ(ui.howToPlay, c.howToPlay);
        EXPECT_EQ(ui.boardGameName, s.GameName);
        EXPECT_EQ(ui.balance, c.balanceText);
        EXPECT_EQ(ui.claimToolTip, "If you have BINGO then press here");
        EXPECT_EQ(s.Jackpot, c.level * 5 * c.numPc);
        EXPECT_TRUE(s.GameRunning);
        EXPECT_FALSE(s.Paused);
        EXPECT_EQ(s.CallElapsed, 0);
        EXPECT_TRUE(ui.mainEnabled && ui.claimEnabled && ui.pauseEnabled);
        const std::vector<std::string> order = {"BoardGameName=" + s.GameName, "ClaimEnabled=on",
                                                "ClaimToolTip=If you have BINGO then press here",
                                                std::string("BoardMessage=") + c.status,
                                                std::string("Balance=") + c.balanceText,
                                                std::string("HowToPlay=") + c.howToPlay, "MainEnabled=on",
                                                "PauseCaption=Pause", "PauseEnabled=on"};
        EXPECT_EQ(ui.log, order);
    }
}

TEST_F(DealFixture, GameNameStaysAsStartStoredItUnlessRandomPick) {
    ClockRandom rnd;
    Engine e(s, rnd, ui);
    Settings(1, 1, AnyBingo);
    e.NewGame(s.NumCards, s.GameType);
    EXPECT_EQ(s.GameName, "Any Bingo");
    s.RandomPick = true;
    s.GameName = "Random Pick";
    for (int16_t kind = 1; kind <= 10; ++kind) {
        int16_t k = kind;
        e.NewGame(s.NumCards, k);
        EXPECT_EQ(s.GameName, GameKindName(kind));
    }
}

TEST(ClockRandomTest, ReseedsWithinOneClockTickStillGiveFreshValues) {
    ClockRandom rnd([] { return uint64_t(42); });   // a clock that never moves
    std::set<double> firsts;
    for (int i = 0; i < 1000; ++i) {
        rnd.Randomize();
        const double v = rnd.Rnd();
        EXPECT_GE(v, 0.0);
        EXPECT_LT(v, 1.0);
        firsts.insert(v);
    }
    EXPECT_EQ(firsts.size(), 1000u);
}

TEST(ClockRandomTest, ComputerCardsDealtWithinOneTickDiffer) {
    GameState s;
    FakeWindows ui;
    ClockRandom rnd([] { return uint64_t(7); });
    Engine e(s, rnd, ui);
    s.NumPc = 6;
    s.JackpotLevel = 1;
    e.NewGame(s.NumCards, s.GameType);
    for (int p = 2; p <= 6; ++p) EXPECT_NE(s.PcCard[p], s.PcCard[1]) << "player " << p;
    // Within one card, cells do not repeat one another's draws either: a card
    // whose columns each read lo, lo+1, ... would be a sign of lock-step draws.
    int sameAsNeighbour = 0;
    for (int c = 2; c <= kCells; ++c) sameAsNeighbour += s.PcCard[1][c] - s.PcCard[1][c - 1] == 1;
    EXPECT_LT(sameAsNeighbour, 20);
}

TEST(IntTest, TruncatesTowardMinusInfinity) {
    EXPECT_EQ(Int(2.9), 2);
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(0.9999999 * 10 + 1), 10);
}

}  // namespace
}  // namespace pelloric
