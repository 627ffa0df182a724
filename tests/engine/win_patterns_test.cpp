// Every way to win every pattern, for the player's claim and for the computer
// players alike, and a comparison of both tests with a plain reference over
// many random games.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <set>

#include "tests/engine/win_support.h"

namespace pelloric {
namespace {

using namespace test;

struct PatternTable : WinFixture, ::testing::WithParamInterface<Way> {};

TEST_P(PatternTable, TheClaimNeedsEveryCellOfThePattern) {
    const Way& way = GetParam();
    const Cells cells = Distinct(way.recorded);
    const int newest = way.recorded.back();

    Shape(s.Card1, cells);
    Shape(s.Card2, {});
    for (int kind : {way.kind, int(AnyBingo)}) {
        s.GameType = int16_t(kind);
        EXPECT_EQ(Claim(newest), Bingo) << "kind " << kind << ", completed by the newest ball";
    }

    s.GameType = int16_t(way.kind);
    for (int missing : cells) {
        Shape(s.Card1, Without(cells, missing));
        EXPECT_EQ(Claim(), NoBingo) << "cell " << missing << " not covered";
    }

    // Complete on card 2 alone: it counts only with two boards.
    Shape(s.Card1, {});
    Shape(s.Card2, cells);
    for (int kind : {way.kind, int(AnyBingo)}) {
        s.GameType = int16_t(kind);
        s.NumCards = 1;
        EXPECT_EQ(Claim(), NoBingo) << "kind " << kind << ", one board";
        s.NumCards = 2;
        EXPECT_EQ(Claim(), Bingo) << "kind " << kind << ", two boards";
    }
}

TEST_P(PatternTable, AComputerPlayerWinsOneBallLaterWithItsCellsRecorded) {
    const Way& way = GetParam();
    const Cells cells = Distinct(way.recorded);
    // Only the tests of kinds 1 to 4 report the win they announce.
    const int reported = way.kind <= PostageStamp ? Bingo : NoBingo;
    s.NumPc = 6;
    s.GameType = int16_t(way.kind);
    for (int p = 1; p <= 6; ++p) {
        SCOPED_TRACE("computer player " + std::to_string(p));
        for (int q = 1; q <= 6; ++q) Shape(s.PcCard[q], q == p ? cells : Cells{});
        ui.log.clear();
        s.WinnerNo = 0;

        CallNumbers(CallNumbersOf(way.recorded.back()));
        EXPECT_EQ(e.CheckPcBingo(), NoBingo);
        EXPECT_EQ(Announcements(), 0) << "the newest ball does not count yet";

        EXPECT_EQ(PcRun(), reported);
        EXPECT_EQ(Announcements(), 1);
        EXPECT_EQ(s.WinnerNo, p);
        EXPECT_EQ(Recorded(p), way.recorded);
    }

    // Any Bingo announces it too, perhaps as an earlier kind lying inside it.
    s.GameType = AnyBingo;
    ui.log.clear();
    EXPECT_EQ(PcRun(), NoBingo);
    EXPECT_EQ(Announcements(), 1);
    EXPECT_EQ(s.WinnerNo, 6);
    for (int c : Recorded(6)) EXPECT_NE(std::find(cells.begin(), cells.end(), c), cells.end()) << c;

    s.GameType = int16_t(way.kind);
    ui.log.clear();
    for (int missing : cells) {
        Shape(s.PcCard[6], Without(cells, missing));
        PcRun();
        EXPECT_EQ(Announcements(), 0) << "cell " << missing << " not covered";
    }

    Shape(s.PcCard[6], cells);
    s.NumPc = 5;
    for (int kind : {way.kind, int(AnyBingo)}) {
        s.GameType = int16_t(kind);
        PcRun();
        EXPECT_EQ(Announcements(), 0) << "player 6 is not playing, kind " << kind;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWay, PatternTable, ::testing::ValuesIn(AllWays()),
                         [](const auto& info) { return info.param.name; });

// After the balls have run out every further due tick raises CalledCount by 2,
// and each claim that is not valid lets it happen again; it can pass the 1000
// positions of Called. Positions past the 75th never count.
using PastTheLastBall = WinFixture;

TEST_F(PastTheLastBall, CallsBeyondTheSeventyFifthNeverCount) {
    const Cells corners = FixedSet(FourCorners);
    Shape(s.Card1, corners);
    Shape(s.PcCard[1], corners);
    s.Called[1] = CalledNumber(1);
    s.Called[2] = CalledNumber(5);
    s.Called[3] = CalledNumber(20);
    s.Called[900] = CalledNumber(24);   // never a call: a reader that went this far would see it

    for (bool lastCorner : {false, true}) {
        s.Called[75] = lastCorner ? CalledNumber(24) : 0;
        for (int32_t count : {1001, 5000, 1 << 22}) {
            for (int kind : {int(FourCorners), int(AnyBingo)}) {
                SCOPED_TRACE("CalledCount " + std::to_string(count) + ", kind " + std::to_string(kind));
                s.CalledCount = count;
                s.GameType = int16_t(kind);
                EXPECT_EQ(e.CheckPlayerBingo(), lastCorner ? Bingo : NoBingo);
                ui.log.clear();
                e.CheckPcBingo();
                EXPECT_EQ(Announcements(), lastCorner ? 1 : 0);
            }
        }
    }
}

// ---------------------------------------------------------------------------
// A reference written from the shapes on the card, independent of the
// engine's cell tables: a card is a 5 x 5 grid, a pattern a set of squares.

struct Square {
    int col;
    int row;
};
using Squares = std::vector<Square>;

struct Grid {
    int at[6][6] = {};   // [col][row], 1-based; the centre holds 0
    int cell[6][6] = {};  // the CardCell of each square
};

Grid ToGrid(const Card& card) {
    Grid g;
    int c = 0;
    for (int col = 1; col <= 5; ++col)
        for (int row = 1; row <= 5; ++row) {
            if (col == 3 && row == 3) continue;
            ++c;
            g.at[col][row] = card[c];
            g.cell[col][row] = c;
        }
    return g;
}

bool IsCentre(int col, int row) { return col == 3 && row == 3; }

Squares Where(bool (*in)(int dc, int dr)) {
    Squares out;
    for (int col = 1; col <= 5; ++col)
        for (int row = 1; row <= 5; ++row)
            if (!IsCentre(col, row) && in(col - 3, row - 3)) out.push_back({col, row});
    return out;
}

Squares Column(int col) {
    Squares out;
    for (int row = 1; row <= 5; ++row)
        if (!IsCentre(col, row)) out.push_back({col, row});
    return out;
}
Squares Row(int row) {
    Squares out;
    for (int col = 1; col <= 5; ++col)
        if (!IsCentre(col, row)) out.push_back({col, row});
    return out;
}
Squares FallingDiagonal() { return Where([](int dc, int dr) { return dc == dr; }); }
Squares RisingDiagonal() { return Where([](int dc, int dr) { return dc == -dr; }); }
Squares Block(int col, int row) { return {{col, row}, {col + 1, row}, {col, row + 1}, {col + 1, row + 1}}; }
Squares TopLeft() { return Block(1, 1); }
Squares BottomLeft() { return Block(1, 4); }
Squares TopRight() { return Block(4, 1); }
Squares BottomRight() { return Block(4, 4); }

int Distance(int dc, int dr) { return std::abs(dc) + std::abs(dr); }
int Ring(int dc, int dr) { return std::max(std::abs(dc), std::abs(dr)); }

// The shapes of a kind in the order the game tries them (the kite aside).
std::vector<Squares> Shapes(int kind) {
    switch (kind) {
        case 1: {
            std::vector<Squares> lines;
            for (int col = 1; col <= 5; ++col) lines.push_back(Column(col));
            for (int row = 1; row <= 5; ++row) lines.push_back(Row(row));
            lines.push_back(FallingDiagonal());
            lines.push_back(RisingDiagonal());
            return lines;
        }
        case 2: return {Where([](int dc, int dr) { return std::abs(dc) == 2 && std::abs(dr) == 2; })};
        case 3: return {Where([](int, int) { return true; })};
        case 4: return {TopLeft(), BottomLeft(), TopRight(), BottomRight()};
        case 5: return {Where([](int dc, int dr) { return Distance(dc, dr) == 2; })};
        case 6: return {Where([](int dc, int dr) { return Distance(dc, dr) == 1; })};
        case 8: return {Where([](int dc, int dr) { return Ring(dc, dr) == 2; })};
        case 9: return {Where([](int dc, int dr) { return Ring(dc, dr) == 1; })};
        case 10: return {Where([](int dc, int) { return std::abs(dc) == 2; })};
        default: return {};
    }
}

bool Complete(const Grid& g, const Squares& shape, const std::set<int>& called) {
    for (auto [col, row] : shape)
        if (!called.count(g.at[col][row])) return false;
    return true;
}

struct KiteShape {
    Squares diagonal;
    Squares stamps[2];
};
std::vector<KiteShape> Kites() {
    return {{FallingDiagonal(), {TopLeft(), BottomRight()}}, {RisingDiagonal(), {BottomLeft(), TopRight()}}};
}

// The claim: some card holds the kind. A kite is looked for only on the first
// diagonal complete on any card, by the cards that hold that diagonal.
bool RefClaim(int kind, const std::vector<Grid>& cards, const std::set<int>& called) {
    if (kind == 11) {
        for (int k = 1; k <= 10; ++k)
            if (RefClaim(k, cards, called)) return true;
        return false;
    }
    if (kind == 7) {
        for (const KiteShape& kite : Kites()) {
            bool found = false;
            bool won = false;
            for (const Grid& g : cards) {
                if (!Complete(g, kite.diagonal, called)) continue;
                found = true;
                for (const Squares& stamp : kite.stamps) won = won || Complete(g, stamp, called);
            }
            if (found) return won;
        }
        return false;
    }
    for (const Squares& shape : Shapes(kind))
        for (const Grid& g : cards)
            if (Complete(g, shape, called)) return true;
    return false;
}

struct RefWin {
    int player = 0;
    std::set<int> cells;
};

RefWin Won(int player, const Grid& g, const Squares& shape) {
    RefWin w{player, {}};
    for (auto [col, row] : shape) w.cells.insert(g.cell[col][row]);
    return w;
}

// The computer players' winner: the first shape in game order, then the lowest
// player; Any Bingo by kind first; a kite only for the lowest player holding
// the first diagonal that anyone holds.
RefWin RefPcWinner(int kind, const std::vector<Grid>& cards, const std::set<int>& called) {
    if (kind == 11) {
        for (int k = 1; k <= 10; ++k)
            if (RefWin w = RefPcWinner(k, cards, called); w.player) return w;
        return {};
    }
    if (kind == 7) {
        for (const KiteShape& kite : Kites())
            for (std::size_t p = 0; p < cards.size(); ++p) {
                if (!Complete(cards[p], kite.diagonal, called)) continue;
                for (const Squares& stamp : kite.stamps)
                    if (Complete(cards[p], stamp, called)) {
                        Squares both = kite.diagonal;
                        both.insert(both.end(), stamp.begin(), stamp.end());
                        return Won(int(p) + 1, cards[p], both);
                    }
                return {};
            }
        return {};
    }
    for (const Squares& shape : Shapes(kind))
        for (std::size_t p = 0; p < cards.size(); ++p)
            if (Complete(cards[p], shape, called)) return Won(int(p) + 1, cards[p], shape);
    return {};
}

Card RandomCard(std::mt19937& gen) {
    Card card{};
    for (int col = 1; col <= 5; ++col) {
        std::vector<int> numbers;
        for (int n = ColumnLow(col); n <= ColumnHigh(col); ++n) numbers.push_back(n);
        std::shuffle(numbers.begin(), numbers.end(), gen);
        int i = 0;
        for (int c = 1; c <= kCells; ++c)
            if (CellColumn(c) == col) card[c] = numbers[i++];
    }
    return card;
}

TEST(WinTestsAgainstReference, ManyRandomGames) {
    std::mt19937 gen(20240611);
    constexpr int kGames = 200;
    constexpr int kPlayers = 6;
    int claims[12][2] = {};   // per kind: claims that failed, that won

    for (int game = 0; game < kGames; ++game) {
        std::vector<Card> cards(kPlayers);
        std::vector<Grid> grids;
        for (Card& card : cards) {
            card = RandomCard(gen);
            grids.push_back(ToGrid(card));
        }
        std::vector<int> order(75);
        std::iota(order.begin(), order.end(), 1);
        std::shuffle(order.begin(), order.end(), gen);
        const int n = game % 2 ? int(gen() % 76) : 55 + int(gen() % 21);
        const std::set<int> called(order.begin(), order.begin() + n);

        auto state = std::make_unique<GameState>();
        GameState& s = *state;
        for (int i = 0; i < 75; ++i) s.Called[i + 1] = order[i];
        s.Balance = 100;
        ScriptedRandom rnd;

        for (int kind = 1; kind <= 11; ++kind) {
            SCOPED_TRACE("game " + std::to_string(game) + ", kind " + std::to_string(kind) + ", " +
                         std::to_string(n) + " balls");
            s.GameType = int16_t(kind);

            auto pcRun = [&](int numPc) {
                test::FakeWindows ui;
                Engine e(s, rnd, ui);
                s.NumPc = int16_t(numPc);
                s.WinnerNo = 0;
                // One more ball called; after the 75th, the final run.
                s.CalledCount = n < 75 ? n + 1 : 77;
                e.CheckPcBingo();
                return ui.gameStatusShown ? s.WinnerNo : 0;
            };

            for (int i = 0; i < kPlayers; ++i) {
                test::FakeWindows ui;
                Engine e(s, rnd, ui);
                s.Card1 = cards[i];
                s.NumCards = 1;
                s.CalledCount = n;
                const bool claim = e.CheckPlayerBingo() == Bingo;
                ASSERT_EQ(claim, RefClaim(kind, {grids[i]}, called)) << "card " << i;
                ++claims[kind][claim];

                s.PcCard[1] = cards[i];
                ASSERT_EQ(pcRun(1) == 1, claim) << "card " << i << " as a computer player's";
            }

            {
                test::FakeWindows ui;
                Engine e(s, rnd, ui);
                s.Card1 = cards[0];
                s.Card2 = cards[1];
                s.NumCards = 2;
                s.CalledCount = n;
                ASSERT_EQ(e.CheckPlayerBingo() == Bingo, RefClaim(kind, {grids[0], grids[1]}, called))
                    << "two boards";
            }

            for (int p = 1; p <= kPlayers; ++p) s.PcCard[p] = cards[p - 1];
            const RefWin want = RefPcWinner(kind, grids, called);
            ASSERT_EQ(pcRun(kPlayers), want.player) << "six computer players";
            if (want.player) {
                const Cells got = Distinct({s.WinCells[want.player].begin() + 1,
                                            s.WinCells[want.player].begin() + 1 + s.WinCellCount});
                ASSERT_EQ(std::set<int>(got.begin(), got.end()), want.cells);
            }
        }
    }
    // The games must reach both answers for every kind to mean anything.
    for (int kind = 1; kind <= 11; ++kind) {
        EXPECT_GE(claims[kind][0], 50) << "kind " << kind;
        EXPECT_GE(claims[kind][1], 50) << "kind " << kind;
    }
}

}  // namespace
}  // namespace pelloric
