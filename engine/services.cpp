// Pause and the small services the windows call.
#include "engine/engine.h"

namespace pelloric {

void Engine::TogglePause() {
    if (!S.Paused) {
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

void Engine::VisitWebSite() {
    if (!ui.StartBrowser(kWebAddress)) {
        ui.OpenUrlFallback(kWebAddress);
        return;
    }
    ui.DoEvents();
}

}  // namespace pelloric
