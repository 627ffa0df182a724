// The computer players' tests, run after every ball. The computer players are
// one ball behind: they count every call but the newest. Each run recounts
// from zero; the first winner found has its cells recorded in WinCells and is
// announced, and the run ends there. The loops keep their order (cells, then
// calls, then players) because the order decides which cells get recorded.
#include <algorithm>
#include <array>

#include "engine/engine.h"
#include "engine/geometry.h"

namespace pelloric {

// Every call but the newest. Positions past the last ball never hold a call,
// so counting stops there however far CalledCount has grown; in the final run
// after the balls ran out that is all 75.
int32_t Engine::PcCountedCalls() const { return std::min(S.CalledCount - 1, kLastBall); }

void Engine::PcResetHits() {
    for (int p = 1; p <= S.NumPc; ++p) S.PcHits[p] = 0;
}

// Counts one cell for every computer player. With record > 0 each hit also
// writes the cell into the scorer's WinCells at that position.
void Engine::PcCountCell(int cell, int record) {
    const int32_t last = PcCountedCalls();
    const int numPc = S.NumPc;
    // The players' numbers at this cell, side by side for the inner loop.
    std::array<int32_t, 8> number{};
    for (int p = 1; p <= numPc; ++p) number[p] = S.PcCard[p][cell];
    for (int32_t j = 1; j <= last; ++j) {
        const int32_t ball = S.Called[j];
        for (int p = 1; p <= numPc; ++p) {
            if (ball != number[p]) continue;
            ++S.PcHits[p];
            if (record > 0) {
                S.WinCellCount = static_cast<int16_t>(record);
                S.WinCells[p][record] = static_cast<int16_t>(cell);
            }
        }
    }
}

// The free centre is covered on every card.
void Engine::PcCountCentre() {
    for (int p = 1; p <= S.NumPc; ++p) ++S.PcHits[p];
}

// Counts one line from zero for every computer player, the centre included;
// each hit records the cell at its place among the line's numbered cells.
void Engine::PcCountLine(int line) {
    PcResetHits();
    S.WinCellCount = 0;
    int k = 0;
    for (int cell : kBingoLine[line]) {
        if (cell == kCentre)
            PcCountCentre();
        else
            PcCountCell(cell, ++k);
    }
}

// The lowest-numbered computer player whose count reached wins, or 0.
int Engine::PcFirstAt(int wins) const {
    for (int p = 1; p <= S.NumPc; ++p)
        if (S.PcHits[p] == wins) return p;
    return 0;
}

int Engine::CheckPcBingo() {
    ui.SetNextGameCaption("&Next game");
    PcResetHits();
    if (S.GameType == RegularBingo && PcLineTest() == Bingo) return Bingo;
    S.WinCellCount = 0;
    switch (S.GameType) {
        case FourCorners:
        case CoverAll:
        case PostageStamp: return PcPattern(S.GameType);
        // The tests handed on announce their own winner; the run reports none.
        case BigDiamond:
        case SmallDiamond:
        case KiteBingo:
        case BigPictureFrame:
        case LittlePictureFrame:
        case BORailroadTracks: PcPattern(S.GameType); break;
        case AnyBingo: PcCheckAnyBingo(); break;
        default: break;   // Regular Bingo is done; Random Pick never stands here in play
    }
    return NoBingo;
}

// Kinds in GameKind order: the first kind that some computer player holds
// decides, before any player number.
int Engine::PcCheckAnyBingo() {
    ui.SetNextGameCaption("&Next game");
    for (int kind = RegularBingo; kind <= BORailroadTracks; ++kind) {
        PcResetHits();
        S.WinCellCount = 0;
        if (PcPattern(kind) == Bingo) return Bingo;
    }
    return NoBingo;
}

int Engine::PcPattern(int kind) {
    switch (kind) {
        case RegularBingo: return PcLineTest();
        case FourCorners: return PcSetTest(kFourCornersCells);
        case CoverAll: return PcSetTest(kCoverAllCells);
        case PostageStamp: return PcStampTest();
        case BigDiamond: return PcCheckBigDiamond();
        case SmallDiamond: return PcCheckSmallDiamond();
        case KiteBingo: return PcCheckKite();
        case BigPictureFrame: return PcCheckBigPictureFrame();
        case LittlePictureFrame: return PcCheckLittlePictureFrame();
        case BORailroadTracks: return PcCheckBORailroad();
        default: return NoBingo;
    }
}

// Lines in BingoLine order, so a lower line beats a higher one whoever holds
// it. WinCells takes the line's numbered cells in line order.
int Engine::PcLineTest() {
    for (int line = 1; line <= kLineCount; ++line) {
        PcCountLine(line);
        if (const int p = PcFirstAt(5)) {
            AnnouncePcWin(p);
            return Bingo;
        }
    }
    return NoBingo;
}

int Engine::PcStampTest() {
    for (int stamp = 1; stamp <= kStampCount; ++stamp) {
        PcResetHits();
        S.WinCellCount = 0;
        for (int i = 1; i <= 4; ++i) PcCountCell(kPcStampOrder[stamp][i - 1], i);
        if (const int p = PcFirstAt(4)) {
            AnnouncePcWin(p);
            return Bingo;
        }
    }
    return NoBingo;
}

// A fixed cell set, counted from the zeros the caller left in PcHits; the set's
// size is the count that wins.
int Engine::PcSetTest(std::span<const int> cells) {
    for (int cell : cells) PcCountCell(cell, 0);
    const int wins = static_cast<int>(cells.size());
    const int p = PcFirstAt(wins);
    if (p == 0) return NoBingo;
    for (int i = 1; i <= wins; ++i) S.WinCells[p][i] = static_cast<int16_t>(cells[i - 1]);
    S.WinCellCount = static_cast<int16_t>(wins);
    AnnouncePcWin(p);
    return Bingo;
}

int Engine::PcCheckBigDiamond() { return PcSetTest(kBigDiamondCells); }
int Engine::PcCheckSmallDiamond() { return PcSetTest(kSmallDiamondCells); }
int Engine::PcCheckBigPictureFrame() { return PcSetTest(kBigPictureFrameCells); }
int Engine::PcCheckLittlePictureFrame() { return PcSetTest(kLittlePictureFrameCells); }
int Engine::PcCheckBORailroad() { return PcSetTest(kBORailroadCells); }

// The lowest-numbered computer player with a complete diagonal (11 before 12)
// is the only one tried, and only with the two stamps at that diagonal's ends.
// WinCells takes the diagonal's four numbered cells, then the stamp's four.
int Engine::PcCheckKite() {
    int w = 0;
    int diagonal = 0;
    for (int line : kKiteDiagonals) {
        PcCountLine(line);
        w = PcFirstAt(5);
        if (w != 0) {
            diagonal = line;
            break;
        }
    }
    if (w == 0) return NoBingo;

    const int32_t last = PcCountedCalls();
    for (int stamp : KiteStamps(diagonal)) {
        S.PcHits[w] = 0;
        S.WinCellCount = 0;
        for (int k = 1; k <= 4; ++k) {
            const int cell = kStampCorner[stamp][k - 1];
            for (int32_t j = 1; j <= last; ++j) {
                if (S.Called[j] != S.PcCard[w][cell]) continue;
                ++S.PcHits[w];
                S.WinCells[w][k + 4] = static_cast<int16_t>(cell);
            }
        }
        if (S.PcHits[w] == 4) {
            S.WinCellCount = 8;
            AnnouncePcWin(w);
            return Bingo;
        }
    }
    return NoBingo;
}

}  // namespace pelloric
