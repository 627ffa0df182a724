// Next game and Try Again: the restart shared by the main window's Bngnext menu
// and the end-of-game dialog's middle button.
#pragma once

namespace pelloric::win {

enum class RestartCaller { NextGameMenu, DialogButton };
void RestartGame(RestartCaller caller);

}  // namespace pelloric::win
