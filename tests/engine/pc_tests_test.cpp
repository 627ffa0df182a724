// The computer players' tests: who wins when several could, the kite's
// candidate rule, the lag of one ball, and what a run leaves behind.
#include <gtest/gtest.h>

#include <numeric>

#include "tests/engine/win_support.h"

namespace pelloric {
namespace {

using namespace test;

struct PcFixture : WinFixture {
    void SetUp() override {
        WinFixture::SetUp();
        s.NumPc = 6;
        for (int p = 1; p <= 7; ++p) Shape(s.PcCard[p], {});
    }
};

const Cells kAll = FixedSet(CoverAll);
const Cells kDiagonal11 = LineCells(11);
const Cells kDiagonal12 = LineCells(12);
const Cells kCorners = FixedSet(FourCorners);

Cells Kite(int diagonal, int stamp) {
    Cells recorded = LineCells(diagonal);
    for (int c : StampCells(stamp)) recorded.push_back(c);
    return recorded;
}

struct Contest {
    const char* what;
    int kind;
    std::vector<std::pair<int, Cells>> cards;   // computer player, covered cells
    int winner;                                 // 0: nobody
    Cells recorded;
};

TEST_F(PcFixture, TheFirstLineStampOrKindWinsThenTheLowestPlayer) {
    const Contest contests[] = {
        {"column B beats the top row", RegularBingo, {{1, LineCells(6)}, {4, LineCells(1)}}, 4, LineCells(1)},
        {"same line, lower player", RegularBingo, {{5, LineCells(7)}, {2, LineCells(7)}}, 2, LineCells(7)},
        {"top-left stamp beats bottom-right", PostageStamp, {{1, StampCells(4)}, {3, StampCells(1)}}, 3,
         PcStampCells(1)},
        {"cover all, lower player", CoverAll, {{3, kAll}, {2, kAll}}, 2, kAll},
        {"big diamond, lower player", BigDiamond, {{4, FixedSet(BigDiamond)}, {2, FixedSet(BigDiamond)}}, 2,
         FixedSet(BigDiamond)},
        {"any: a line beats four corners", AnyBingo, {{1, kCorners}, {5, LineCells(8)}}, 5, LineCells(8)},
        {"any: a card with a line and the corners wins by the line", AnyBingo, {{1, Union(LineCells(6), kCorners)}},
         1, LineCells(6)},
        {"any: big diamond beats small diamond", AnyBingo,
         {{1, FixedSet(SmallDiamond)}, {3, FixedSet(BigDiamond)}}, 3, FixedSet(BigDiamond)},
        {"kite: a bare diagonal 12 blocks a full kite behind it", KiteBingo,
         {{2, kDiagonal12}, {3, Union(kDiagonal12, StampCells(3))}, {5, Union(kDiagonal12, StampCells(2))},
          {1, StampCells(1)}},
         0, {}},
        {"kite: lowest holder of 12 wins with stamp 3", KiteBingo,
         {{3, Union(kDiagonal12, StampCells(3))}, {5, Union(kDiagonal12, StampCells(2))}, {1, StampCells(1)}}, 3,
         Kite(12, 3)},
        {"kite: a bare diagonal 11 blocks a full kite behind it", KiteBingo,
         {{1, kDiagonal11}, {2, Union(kDiagonal11, StampCells(4))}}, 0, {}},
        {"kite: player 5 alone holds a diagonal", KiteBingo,
         {{1, StampCells(1)}, {2, Without(kDiagonal11, 1)},
          {5, Union(kDiagonal11, StampCells(1))}},
         5, Kite(11, 1)},
        {"kite: with diagonal 11 held, stamps 2 and 3 do not count", KiteBingo,
         {{1, Union(Union(kDiagonal11, kDiagonal12), Union(StampCells(2), StampCells(3)))}}, 0, {}},
    };
    for (const Contest& c : contests) {
        SCOPED_TRACE(c.what);
        for (int p = 1; p <= 6; ++p) Shape(s.PcCard[p], {});
        for (const auto& [p, cells] : c.cards) Shape(s.PcCard[p], cells);
        s.GameType = int16_t(c.kind);
        s.WinnerNo = 0;
        ui.log.clear();
        PcRun();
        EXPECT_EQ(Announcements(), c.winner ? 1 : 0);
        EXPECT_EQ(s.WinnerNo, c.winner);
        if (c.winner) {
            EXPECT_EQ(Recorded(c.winner), c.recorded);
        }
    }
}

TEST_F(PcFixture, CountsStartFromZeroForEveryLineStampAndKind) {
    struct Stale {
        const char* what;
        int kind;
        Cells covered;
    };
    // Each card would reach a winning count if an earlier count carried over.
    const Stale cases[] = {
        {"line 2 after line 1", RegularBingo, {1, 2, 3, 6, 7}},
        {"stamp 2 after stamp 1", PostageStamp, {1, 2, 4, 5}},
        {"big diamond after the last stamp", AnyBingo, Union(Without(FixedSet(BigDiamond), 18), {23})},
        {"big diamond over a count left from before", BigDiamond, Without(FixedSet(BigDiamond), 18)},
    };
    for (const Stale& c : cases) {
        Shape(s.PcCard[1], c.covered);
        s.GameType = int16_t(c.kind);
        s.PcHits.fill(1);
        ui.log.clear();
        PcRun();
        EXPECT_EQ(Announcements(), 0) << c.what;
    }
}

TEST_F(PcFixture, EveryRunStartsWithTheNextGameCaptionAndAQuietRunChangesNothingElse) {
    for (int kind = 1; kind <= 12; ++kind) {
        SCOPED_TRACE("kind " + std::to_string(kind));
        s.GameType = int16_t(kind);
        ui.nextCaption = "&Try Again";
        ui.log.clear();
        EXPECT_EQ(PcRun(), NoBingo);
        std::vector<std::string> want(kind == AnyBingo ? 2 : 1, "NextCaption=&Next game");
        EXPECT_EQ(ui.log, want);
        EXPECT_TRUE(ui.callerOn);
    }
}

TEST_F(PcFixture, RandomPickTestsNothing) {
    for (int p = 1; p <= 6; ++p) Shape(s.PcCard[p], kAll);
    s.GameType = RandomPickKind;
    EXPECT_EQ(PcRun(), NoBingo);
    EXPECT_EQ(Announcements(), 0);
}

TEST_F(PcFixture, TheFirstBallNeverCounts) {
    for (int p = 1; p <= 6; ++p) Shape(s.PcCard[p], kAll);
    CallNumbers({CalledNumber(1)});
    for (int kind = 1; kind <= 11; ++kind) {
        s.GameType = int16_t(kind);
        e.CheckPcBingo();
        EXPECT_EQ(Announcements(), 0) << "kind " << kind;
        if (kind == RegularBingo) {
            for (int p = 1; p <= 6; ++p) EXPECT_EQ(s.PcHits[p], 1) << "the centre on line 12, player " << p;
        }
    }
}

TEST_F(PcFixture, TheLastBallCountsInTheFinalRun) {
    // A whole game whose 75th ball completes the card.
    s.NumPc = 1;
    s.GameType = CoverAll;
    Shape(s.PcCard[1], kAll);
    std::vector<int> order(75);
    std::iota(order.begin(), order.end(), 1);
    std::swap(*std::find(order.begin(), order.end(), CalledNumber(24)), order.back());
    CallNumbers(order);

    EXPECT_EQ(e.CheckPcBingo(), NoBingo);   // the run after the 75th ball
    EXPECT_EQ(Announcements(), 0);

    s.CalledCount = 77;   // the run after the balls ran out
    EXPECT_EQ(e.CheckPcBingo(), Bingo);
    EXPECT_EQ(s.WinnerNo, 1);
    EXPECT_EQ(Recorded(1), kAll);
}

}  // namespace
}  // namespace pelloric
