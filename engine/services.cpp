// Pause and the small services the windows call.
#include <exception>

#include "engine/engine.h"

namespace pelloric {

void Engine::TogglePause() {
    if (!S.Paused) {
        // Pausing acts only on a game in play or a running ball caller.
        if (S.GameRunning || ui.CallerOn()) {
            ui.SetCallerOn(false);
            S.Paused = true;
            ui.SetBoardMessage("Game has been Paused");
            ui.SetPauseCaption("Unpause");
        }
        return;
    }
    // A resume after the game has ended (a valid claim or End Play during the
    // pause) must not start the ball caller on a finished game.
    if (S.GameRunning) ui.SetCallerOn(true);
    S.Paused = false;
    ui.SetBoardMessage("Game has been Unpaused");
    ui.SetPauseCaption("Pause");
    ui.SetPauseEnabled(true);
}

std::string Engine::PcPlayerName(long long n) {
    static constexpr const char* kNames[] = {"Bingo Ben",    "Dots Dot",       "Money Marcy",
                                             "Jackpot John", "Numbers Nathan", "Winning Wanda"};
    for (int i = 1; i <= 6; ++i)
        if (n == i) return kNames[i - 1];
    return "";
}

void Engine::ShowGameHelp() {
    S.HelpTopic = static_cast<int16_t>(S.GameType - 1);
    if (S.GameName == "Any Bingo") S.HelpTopic = 11;
    ui.ShowHelp();
}

namespace {
// The second way to the web site. Its failure is not reported: there is
// nothing further to try.
void OpenFallback(GameWindows& ui) {
    try {
        ui.OpenUrlFallback(kWebAddress);
    } catch (const std::exception&) {
    }
}
}  // namespace

// Opens the web site in the browser; when the browser cannot be started (or
// starting it fails with an error), the desktop's own opener gets the address.
// Nothing is shown either way.
void Engine::VisitWebSite() {
    bool started = false;
    try {
        started = ui.StartBrowser(kWebAddress);
    } catch (const std::exception&) {
        started = false;
    }
    if (!started) {
        OpenFallback(ui);
        return;
    }
    ui.DoEvents();
}

}  // namespace pelloric
