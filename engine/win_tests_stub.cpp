// Placeholder definitions until the win tests and the announcement land.
#include "engine/engine.h"

namespace pelloric {
int Engine::CheckPlayerBingo() { return NoBingo; }
int Engine::CheckBigDiamond() { return NoBingo; }
int Engine::CheckSmallDiamond() { return NoBingo; }
int Engine::CheckBigPictureFrame() { return NoBingo; }
int Engine::CheckLittlePictureFrame() { return NoBingo; }
int Engine::CheckBORailroad() { return NoBingo; }
int Engine::CheckKite() { return NoBingo; }
int Engine::CheckAnyBingo() { return NoBingo; }
int Engine::CheckPcBingo() { ui.SetNextGameCaption("&Next game"); return NoBingo; }
int Engine::PcCheckAnyBingo() { return NoBingo; }
int Engine::PcCheckBigDiamond() { return NoBingo; }
int Engine::PcCheckSmallDiamond() { return NoBingo; }
int Engine::PcCheckKite() { return NoBingo; }
int Engine::PcCheckBigPictureFrame() { return NoBingo; }
int Engine::PcCheckLittlePictureFrame() { return NoBingo; }
int Engine::PcCheckBORailroad() { return NoBingo; }
void Engine::AnnouncePcWin(int32_t) {}
int Engine::ShowWinningCard(int16_t&, int32_t&) { return 0; }
}  // namespace pelloric
