#include "windows/next_game.h"

namespace pelloric::win {

void RestartGame(RestartCaller) {}

}  // namespace pelloric::win
