#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/engine.h"
#include "engine/geometry.h"
#include "tests/engine/fake_windows.h"

namespace pelloric {
namespace {

using test::FakeWindows;

struct ServicesFixture : ::testing::Test {
    GameState s;
    FakeWindows ui;
    ScriptedRandom rnd;
    Engine e{s, rnd, ui};
};

// ---- TogglePause ---------------------------------------------------------------

TEST_F(ServicesFixture, PauseDuringAGameStopsTheCallerThenResumeRestartsIt) {
    s.GameRunning = true;
    ui.callerOn = true;
    ui.pauseEnabled = true;

    e.TogglePause();
    EXPECT_TRUE(s.Paused);
    EXPECT_FALSE(ui.callerOn);
    EXPECT_EQ(ui.boardMessage, "Game has been Paused");
    EXPECT_EQ(ui.pauseCaption, "Unpause");
    EXPECT_FALSE(ui.Logged("PauseEnabled=on"));   // pausing leaves the entry's enabled state alone
    EXPECT_LT(ui.IndexOf("Caller=off"), ui.IndexOf("BoardMessage=Game has been Paused"));

    ui.log.clear();
    ui.pauseEnabled = false;
    e.TogglePause();
    EXPECT_FALSE(s.Paused);
    EXPECT_TRUE(ui.callerOn);
    EXPECT_EQ(ui.boardMessage, "Game has been Unpaused");
    EXPECT_EQ(ui.pauseCaption, "Pause");
    EXPECT_TRUE(ui.pauseEnabled);
    const std::vector<std::string> order = {"Caller=on", "BoardMessage=Game has been Unpaused",
                                            "PauseCaption=Pause", "PauseEnabled=on"};
    EXPECT_EQ(ui.log, order);
}

TEST_F(ServicesFixture, PauseWithNoGameAndNoCallerChangesNothing) {
    s.GameRunning = false;
    ui.callerOn = false;
    e.TogglePause();
    EXPECT_FALSE(s.Paused);
    EXPECT_TRUE(ui.log.empty());
    EXPECT_EQ(ui.pauseCaption, "Pause");
}

TEST_F(ServicesFixture, PauseActsOnARunningCallerEvenWhenNoGameIsMarkedRunning) {
    s.GameRunning = false;
    ui.callerOn = true;
    e.TogglePause();
    EXPECT_TRUE(s.Paused);
    EXPECT_FALSE(ui.callerOn);
    EXPECT_EQ(ui.pauseCaption, "Unpause");
}

// A game that ended during the pause (a valid claim, End Play) stays stopped:
// the resume writes its texts and enables the entry, but calls no more balls.
TEST_F(ServicesFixture, ResumeAfterTheGameEndedKeepsTheCallerOff) {
    s.GameRunning = true;
    ui.callerOn = true;
    e.TogglePause();
    s.GameRunning = false;

    e.TogglePause();
    EXPECT_FALSE(s.Paused);
    EXPECT_FALSE(ui.callerOn);
    EXPECT_FALSE(ui.Logged("Caller=on"));
    EXPECT_EQ(ui.boardMessage, "Game has been Unpaused");
    EXPECT_EQ(ui.pauseCaption, "Pause");
    EXPECT_TRUE(ui.pauseEnabled);
}

// The choice between pausing and resuming follows Paused alone, not the
// caller's state nor the caption.
TEST_F(ServicesFixture, ResumeIsChosenByPausedAloneWhateverTheCallerAndCaption) {
    s.Paused = true;
    s.GameRunning = true;
    ui.callerOn = true;          // switched on again by a claim that was not valid
    ui.pauseCaption = "Pause";   // flipped by the pause entry before the call
    e.TogglePause();
    EXPECT_FALSE(s.Paused);
    EXPECT_TRUE(ui.callerOn);
    EXPECT_EQ(ui.boardMessage, "Game has been Unpaused");
    EXPECT_EQ(ui.pauseCaption, "Pause");
}

// ---- PcPlayerName --------------------------------------------------------------

TEST(PcPlayerName, NamesTheSixPlayersAndNothingElse) {
    const struct {
        long long n;
        const char* name;
    } cases[] = {{1, "Bingo Ben"},      {2, "Dots Dot"},       {3, "Money Marcy"}, {4, "Jackpot John"},
                 {5, "Numbers Nathan"}, {6, "Winning Wanda"},  {0, ""},            {7, ""},
                 {-1, ""},              {4294967297LL, ""}};
    for (const auto& c : cases) EXPECT_EQ(Engine::PcPlayerName(c.n), c.name) << "player " << c.n;
}

// ---- ShowGameHelp --------------------------------------------------------------

TEST_F(ServicesFixture, GameHelpOpensThePageOfTheGameKind) {
    for (int kind = 1; kind <= 10; ++kind) {
        s.GameType = int16_t(kind);
        s.GameName = GameKindName(kind);
        int16_t topicWhenShown = -2;
        ui.onShowHelp = [&] { topicWhenShown = s.HelpTopic; };
        e.ShowGameHelp();
        EXPECT_EQ(topicWhenShown, kind - 1) << GameKindName(kind);
    }
    EXPECT_EQ(ui.helpShown, 10);
}

TEST_F(ServicesFixture, GameHelpForAnyBingoOpensItsOwnPageAndLeavesThePauseAlone) {
    s.GameType = AnyBingo;
    s.GameName = "Any Bingo";
    s.Paused = false;
    s.HelpOpenedFrom = 0;
    e.ShowGameHelp();
    EXPECT_EQ(s.HelpTopic, 11);
    EXPECT_EQ(ui.helpShown, 1);
    EXPECT_FALSE(s.Paused);
    EXPECT_EQ(s.HelpOpenedFrom, 0);
    EXPECT_FALSE(ui.Logged("Caller=off"));
}

// A Random Pick game holds the drawn kind and its name, so help opens on
// that kind's page.
TEST_F(ServicesFixture, GameHelpDuringARandomPickGameOpensTheDrawnKind) {
    s.RandomPick = true;
    s.GameType = FourCorners;
    s.GameName = "Four Corners";
    e.ShowGameHelp();
    EXPECT_EQ(s.HelpTopic, 1);
}

// ---- VisitWebSite --------------------------------------------------------------

TEST_F(ServicesFixture, WebSiteOpensInTheBrowserThenLetsEventsRun) {
    e.VisitWebSite();
    const std::vector<std::string> calls = {std::string("start ") + kWebAddress};
    EXPECT_EQ(ui.browserCalls, calls);
    EXPECT_EQ(ui.doEvents, 1);
    EXPECT_TRUE(ui.log.empty());   // no message anywhere
}

TEST_F(ServicesFixture, WebSiteFallsBackWhenTheBrowserCannotStart) {
    ui.browserStarts = false;
    e.VisitWebSite();
    const std::vector<std::string> calls = {std::string("start ") + kWebAddress,
                                            std::string("fallback ") + kWebAddress};
    EXPECT_EQ(ui.browserCalls, calls);
    EXPECT_TRUE(ui.log.empty());
}

// A browser start that fails with an error is treated like one that reports
// failure, and an error in the second way is swallowed too.
TEST_F(ServicesFixture, WebSiteErrorsAreTrappedAndNeverShown) {
    struct ThrowingWindows : FakeWindows {
        bool fallbackThrows = false;
        bool StartBrowser(const std::string& url) override {
            FakeWindows::StartBrowser(url);
            throw std::runtime_error("no browser");
        }
        void OpenUrlFallback(const std::string& url) override {
            FakeWindows::OpenUrlFallback(url);
            if (fallbackThrows) throw std::runtime_error("no opener");
        }
    } throwing;
    Engine t(s, rnd, throwing);
    t.VisitWebSite();
    EXPECT_EQ(throwing.browserCalls.size(), 2u);
    EXPECT_EQ(throwing.browserCalls[1], std::string("fallback ") + kWebAddress);

    throwing.fallbackThrows = true;
    EXPECT_NO_THROW(t.VisitWebSite());
    EXPECT_EQ(throwing.doEvents, 0);
    EXPECT_TRUE(throwing.log.empty());
}

}  // namespace
}  // namespace pelloric
