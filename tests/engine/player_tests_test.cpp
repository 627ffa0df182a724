// The player's claim: the kite rules, claims that cannot win, and that a
// claim leaves the game as it found it.
#include <gtest/gtest.h>

#include "tests/engine/win_support.h"

namespace pelloric {
namespace {

using namespace test;

struct ClaimFixture : WinFixture {};

const Cells kDiagonal11 = LineCells(11);
const Cells kDiagonal12 = LineCells(12);

struct KiteCase {
    const char* what;
    int numCards;
    Cells card1;
    Cells card2;
    int want;
};

TEST_F(ClaimFixture, KiteTriesOnlyTheFirstCompleteDiagonalWithItsOwnStamps) {
    const KiteCase cases[] = {
        {"diagonal 11 with stamp 1", 1, Union(kDiagonal11, StampCells(1)), {}, Bingo},
        {"diagonal 11 with stamp 4", 1, Union(kDiagonal11, StampCells(4)), {}, Bingo},
        {"diagonal 12 with stamp 3", 1, Union(kDiagonal12, StampCells(3)), {}, Bingo},
        {"diagonal 11 with stamp 2", 1, Union(kDiagonal11, StampCells(2)), {}, NoBingo},
        {"diagonal 11 with stamp 3", 1, Union(kDiagonal11, StampCells(3)), {}, NoBingo},
        {"diagonal 11 alone", 1, kDiagonal11, {}, NoBingo},
        {"diagonal 12 with stamp 1", 1, Union(kDiagonal12, StampCells(1)), {}, NoBingo},
        {"diagonal 11 bare, diagonal 12 with stamp 2", 1, Union(Union(kDiagonal11, kDiagonal12), StampCells(2)),
         {}, NoBingo},
        {"diagonal 11 on card 1, stamp 1 on card 2 only", 2, kDiagonal11, StampCells(1), NoBingo},
        {"diagonal 11 on card 2, stamp 1 on card 1 only", 2, StampCells(1), kDiagonal11, NoBingo},
        {"diagonal 11 on card 2, stamp 4 on card 1 only", 2, StampCells(4), kDiagonal11, NoBingo},
        {"diagonal 11 on both, stamp 4 on card 2 only", 2, kDiagonal11, Union(kDiagonal11, StampCells(4)),
         Bingo},
        {"diagonal 11 bare on card 2, diagonal 12 with stamp 3 on card 1", 2, Union(kDiagonal12, StampCells(3)),
         kDiagonal11, NoBingo},
        {"a kite on card 2 with one board", 1, {}, Union(kDiagonal11, StampCells(1)), NoBingo},
    };
    s.GameType = KiteBingo;
    for (const KiteCase& c : cases) {
        s.NumCards = int16_t(c.numCards);
        Shape(s.Card1, c.card1);
        Shape(s.Card2, c.card2);
        EXPECT_EQ(Claim(), c.want) << c.what;
    }
}

TEST_F(ClaimFixture, NothingWinsBeforeTheFirstBallOrUnderRandomPick) {
    Shape(s.Card1, Cells(kCoverAllCells.begin(), kCoverAllCells.end()));
    s.Card2 = s.Card1;
    s.NumCards = 2;
    for (int kind = 1; kind <= 12; ++kind) {
        s.GameType = int16_t(kind);
        s.CalledCount = 0;
        EXPECT_EQ(e.CheckPlayerBingo(), NoBingo) << "kind " << kind;
    }
    s.GameType = RandomPickKind;
    EXPECT_EQ(Claim(), NoBingo) << "Random Pick itself is never a pattern";
}

TEST_F(ClaimFixture, AStampMustSitInACorner) {
    s.GameType = PostageStamp;
    Shape(s.Card1, {2, 3, 7, 8});
    EXPECT_EQ(Claim(), NoBingo);
}

TEST_F(ClaimFixture, AClaimChangesNothing) {
    Shape(s.Card1, Cells(kCoverAllCells.begin(), kCoverAllCells.end()));
    Shape(s.Card2, LineCells(3));
    s.NumCards = 2;
    s.PcHits[1] = 3;
    s.WinCells[1][1] = 9;
    s.WinCellCount = 5;
    s.WinnerKind = 2;
    s.WinnerNo = 4;
    const GameState before = s;
    for (int kind = 1; kind <= 12; ++kind) {
        s.GameType = int16_t(kind);
        const int first = Claim();
        EXPECT_EQ(Claim(), first) << "kind " << kind << ", asked again";
    }
    EXPECT_TRUE(ui.log.empty());
    EXPECT_EQ(s.PcHits, before.PcHits);
    EXPECT_EQ(s.WinCells, before.WinCells);
    EXPECT_EQ(s.WinCellCount, before.WinCellCount);
    EXPECT_EQ(s.WinnerKind, before.WinnerKind);
    EXPECT_EQ(s.WinnerNo, before.WinnerNo);
    EXPECT_EQ(s.Card1, before.Card1);
    EXPECT_EQ(s.Card2, before.Card2);
}

}  // namespace
}  // namespace pelloric
