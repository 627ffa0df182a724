// A computer player's win: the texts, the order of the steps, and the winning
// card on the message board.
#include <gtest/gtest.h>

#include "tests/engine/win_support.h"

namespace pelloric {
namespace {

using namespace test;

struct AnnounceFixture : WinFixture {
    void SetUp() override {
        WinFixture::SetUp();
        s.NumPc = 6;
        for (int p = 1; p <= 6; ++p) Shape(s.PcCard[p], {});
    }
};

TEST_F(AnnounceFixture, TheStatusLineAndTheDialogNameTheWinner) {
    struct Case {
        int32_t balance;
        int winner;
        std::string message;
        std::string next;
    };
    const Case cases[] = {
        {1, 3, "The Computer Player #3 has won the jackpot.", "&Next game"},
        {250, 6, "The Computer Player #6 has won the jackpot.", "&Next game"},
        {0, 1, "The Computer Player #1 has won the jackpot.  Your balance is 0 Game Over.", "&Try Again"},
        {-10, 5, "The Computer Player #5 has won the jackpot.  Your balance is 0 Game Over.", "&Try Again"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("balance " + std::to_string(c.balance));
        s.Balance = c.balance;
        ui = FakeWindows();
        e.AnnouncePcWin(c.winner);
        EXPECT_EQ(ui.boardMessage, c.message);
        EXPECT_EQ(ui.gameStatus, c.message);
        EXPECT_EQ(ui.boardMessage[21], '0' + c.winner) << "the dialog reads the winner here";
        EXPECT_EQ(ui.nextCaption, c.next);
        EXPECT_EQ(s.WinnerKind, 2);
        EXPECT_EQ(s.WinnerNo, c.winner);
    }
}

TEST_F(AnnounceFixture, TheStepsRunInOrderAndTheCaptionIsSettledBeforeTheDialogLoads) {
    const std::string won = "The Computer Player #2 has won the jackpot.";
    const std::string over = won + "  Your balance is 0 Game Over.";
    const std::vector<std::string> head = {"NextCaption=&Next game",
                                           "ExampleColor=0",
                                           "ExampleColor=4",
                                           "ExampleColor=19",
                                           "ExampleColor=23",
                                           "Caller=off",
                                           "ClaimEnabled=off",
                                           "ClaimToolTip=Press End Game to start a new game",
                                           "NextVisible=on",
                                           "BoardMessage=" + won};
    for (int32_t balance : {5, 0}) {
        SCOPED_TRACE("balance " + std::to_string(balance));
        ui = FakeWindows();
        ui.callerOn = true;
        std::string captionAtLoad;
        ui.onGameStatusLoad = [&] { captionAtLoad = ui.nextCaption; };
        s.Balance = balance;
        s.GameType = FourCorners;
        Shape(s.PcCard[2], {1, 5, 20, 24});
        PcRun();

        std::vector<std::string> want = head;
        if (balance < 1) {
            want.push_back("BoardMessage=" + over);
            want.push_back("NextCaption=&Try Again");
        }
        want.push_back("GameStatusLoad");
        want.push_back("GameStatus=" + (balance < 1 ? over : won));
        want.push_back("ShowGameStatus");
        EXPECT_EQ(ui.log, want);
        EXPECT_EQ(captionAtLoad, balance < 1 ? "&Try Again" : "&Next game");
        EXPECT_FALSE(ui.callerOn);
        EXPECT_FALSE(ui.claimEnabled);
        EXPECT_TRUE(ui.nextVisible);
    }
}

TEST_F(AnnounceFixture, NoMoneyMoves) {
    s.Balance = -15;
    s.Jackpot = 60;
    s.JackpotLevel = 2;
    s.Wins = 3;
    s.GameType = CoverAll;
    Shape(s.PcCard[1], Cells(kCoverAllCells.begin(), kCoverAllCells.end()));
    PcRun();
    ASSERT_EQ(Announcements(), 1);
    EXPECT_EQ(s.Balance, -15);
    EXPECT_EQ(s.Jackpot, 60);
    EXPECT_EQ(s.JackpotLevel, 2);
    EXPECT_EQ(s.Wins, 3);
    EXPECT_TRUE(ui.balance.empty()) << "the balance label is left alone";
}

TEST_F(AnnounceFixture, TheWinningCardShowsTheWinnersNumbersWithItsCellsInRed) {
    struct Case {
        const char* what;
        int kind;
        Cells covered;
        std::size_t red;
    };
    const Case cases[] = {
        {"kite", KiteBingo, Union(LineCells(12), StampCells(3)), 6},
        {"big picture frame", BigPictureFrame, FixedSet(BigPictureFrame), 16},
        {"line through the centre", RegularBingo, LineCells(8), 4},
    };
    constexpr uint32_t kRed = 255;
    constexpr uint32_t kBefore = 0x00C000;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui = FakeWindows();
        ui.exampleLine.fill(true);
        ui.exampleDot.fill(true);
        ui.exampleColor.fill(kBefore);
        s.GameType = int16_t(c.kind);
        for (int p = 1; p <= 6; ++p) Shape(s.PcCard[p], p == 4 ? c.covered : Cells{});
        PcRun();
        ASSERT_EQ(s.WinnerNo, 4);

        for (bool on : ui.exampleLine) EXPECT_FALSE(on);
        for (bool on : ui.exampleDot) EXPECT_FALSE(on);
        std::size_t red = 0;
        for (int cell = 1; cell <= kCells; ++cell) {
            EXPECT_EQ(ui.exampleCaption[cell - 1], std::to_string(s.PcCard[4][cell])) << "cell " << cell;
            const bool winning = std::find(c.covered.begin(), c.covered.end(), cell) != c.covered.end();
            EXPECT_EQ(ui.exampleColor[cell - 1], winning ? kRed : kBefore) << "cell " << cell;
            red += ui.exampleColor[cell - 1] == kRed;
        }
        EXPECT_EQ(red, c.red);
    }
}

}  // namespace
}  // namespace pelloric
