// A recording stand-in for the windows: it keeps what the engine wrote and a
// log of every call in order, so tests can check both results and step order.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/window_ops.h"

namespace pelloric::test {

class FakeWindows : public GameWindows {
public:
    // What the windows show.
    bool mainEnabled = false;
    std::array<std::string, 51> cards{};
    bool claimEnabled = false;
    std::string claimToolTip;
    std::string balance;
    bool callerOn = false;
    bool ballTimerOn = false;
    bool rollingBallShown = false;
    int rollingBallTop = -480;
    bool rollingBallAtRest = false;
    bool ballLabelShown = false;
    std::string nextCaption = "&Next game";
    bool nextVisible = false;
    std::string pauseCaption = "Pause";
    bool pauseEnabled = false;
    std::string howToPlay;
    std::string boardMessage;
    std::string boardGameName;
    std::array<bool, 12> exampleLine{};
    std::array<bool, 24> exampleDot{};
    std::array<std::string, 24> exampleCaption{};
    std::array<uint32_t, 24> exampleColor{};
    std::string gameStatus;
    bool gameStatusLoaded = false;
    bool gameStatusShown = false;
    int helpShown = 0;
    std::vector<std::string> browserCalls;
    bool browserStarts = true;
    int doEvents = 0;

    // Every call, in order, as "Name" or "Name=value".
    std::vector<std::string> log;
    // Runs when the help window would be shown (the help window's own steps).
    std::function<void()> onShowHelp;
    // Runs when the end-of-game dialog is first touched (its load handler).
    std::function<void()> onGameStatusLoad;

    void SetMainEnabled(bool on) override { mainEnabled = on; Log("MainEnabled", on); }
    void SetCardCaption(int i, const std::string& t) override { cards[i] = t; }
    void SetClaimEnabled(bool on) override { claimEnabled = on; Log("ClaimEnabled", on); }
    void SetClaimToolTip(const std::string& t) override { claimToolTip = t; log.push_back("ClaimToolTip=" + t); }
    void SetBalanceCaption(const std::string& t) override { balance = t; log.push_back("Balance=" + t); }
    bool CallerOn() override { return callerOn; }
    void SetCallerOn(bool on) override { callerOn = on; Log("Caller", on); }
    void SetBallTimerOn(bool on) override { ballTimerOn = on; Log("BallTimer", on); }
    void ShowRollingBall() override { rollingBallShown = true; log.push_back("ShowRollingBall"); }
    void SetRollingBallTop(int tw) override { rollingBallTop = tw; log.push_back("RollingBallTop=" + std::to_string(tw)); }
    void SetRollingBallAtRest() override { rollingBallAtRest = true; log.push_back("RollingBallAtRest"); }
    void ShowBallLabel() override { ballLabelShown = true; log.push_back("ShowBallLabel"); }
    std::string NextGameCaption() override { return nextCaption; }
    void SetNextGameCaption(const std::string& t) override { nextCaption = t; log.push_back("NextCaption=" + t); }
    void SetNextGameVisible(bool on) override { nextVisible = on; Log("NextVisible", on); }
    void SetPauseCaption(const std::string& t) override { pauseCaption = t; log.push_back("PauseCaption=" + t); }
    void SetPauseEnabled(bool on) override { pauseEnabled = on; Log("PauseEnabled", on); }
    void SetHowToPlayCaption(const std::string& t) override { howToPlay = t; log.push_back("HowToPlay=" + t); }
    std::string BoardMessage() override { return boardMessage; }
    void SetBoardMessage(const std::string& t) override { boardMessage = t; log.push_back("BoardMessage=" + t); }
    void SetBoardGameName(const std::string& t) override { boardGameName = t; log.push_back("BoardGameName=" + t); }
    void SetExampleLineVisible(int i, bool on) override { exampleLine[i] = on; }
    void SetExampleDotVisible(int i, bool on) override { exampleDot[i] = on; }
    void SetExampleCellCaption(int i, const std::string& t) override { exampleCaption[i] = t; }
    void SetExampleCellColor(int i, uint32_t c) override { exampleColor[i] = c; log.push_back("ExampleColor=" + std::to_string(i)); }
    void SetGameStatus(const std::string& t) override {
        if (!gameStatusLoaded) {
            gameStatusLoaded = true;
            log.push_back("GameStatusLoad");
            if (onGameStatusLoad) onGameStatusLoad();
        }
        gameStatus = t;
        log.push_back("GameStatus=" + t);
    }
    void ShowGameStatus() override { gameStatusShown = true; log.push_back("ShowGameStatus"); }
    void ShowHelp() override {
        ++helpShown;
        log.push_back("ShowHelp");
        if (onShowHelp) onShowHelp();
    }
    bool StartBrowser(const std::string& url) override { browserCalls.push_back("start " + url); return browserStarts; }
    void OpenUrlFallback(const std::string& url) override { browserCalls.push_back("fallback " + url); }
    void DoEvents() override { ++doEvents; }

    bool Logged(const std::string& entry) const {
        for (const auto& e : log)
            if (e == entry) return true;
        return false;
    }
    // Position of the first entry equal to entry, or -1.
    int IndexOf(const std::string& entry) const {
        for (std::size_t i = 0; i < log.size(); ++i)
            if (log[i] == entry) return static_cast<int>(i);
        return -1;
    }

private:
    void Log(const char* what, bool on) { log.push_back(std::string(what) + (on ? "=on" : "=off")); }
};

}  // namespace pelloric::test
