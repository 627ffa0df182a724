// The player's claim tests. A claim is judged on the numbers called so far,
// the newest included, never on the dots; card 2 counts only with two boards.
// The tests change nothing, so a claim can be tested again with the same answer.
#include <algorithm>

#include "engine/engine.h"
#include "engine/geometry.h"

namespace pelloric {

namespace {

// Whether number is among the calls a claim counts. Positions past the last
// ball never hold a call, so the search stops there however far CalledCount
// has grown after the balls ran out.
bool Covered(const GameState& s, int32_t number) {
    const int32_t last = std::min(s.CalledCount, kLastBall);
    for (int32_t j = 1; j <= last; ++j)
        if (s.Called[j] == number) return true;
    return false;
}

// Covered cells of the line, stamp or set under test, per card.
struct CardCounts {
    int card1 = 0;
    int card2 = 0;
};

void CountCell(const GameState& s, int cell, CardCounts& n) {
    if (Covered(s, s.Card1[cell])) ++n.card1;
    if (Covered(s, s.Card2[cell])) ++n.card2;
}

CardCounts CountCells(const GameState& s, std::span<const int> cells) {
    CardCounts n;
    for (int cell : cells) CountCell(s, cell, n);
    return n;
}

// A line's count includes the free centre where the line crosses it.
CardCounts CountLine(const GameState& s, int line) {
    CardCounts n;
    for (int cell : kBingoLine[line]) {
        if (cell == kCentre) {
            ++n.card1;
            ++n.card2;
        } else {
            CountCell(s, cell, n);
        }
    }
    return n;
}

bool Holds(const GameState& s, const CardCounts& n, int wins) {
    return n.card1 == wins || (s.NumCards == 2 && n.card2 == wins);
}

int SetTest(const GameState& s, std::span<const int> cells) {
    return Holds(s, CountCells(s, cells), static_cast<int>(cells.size())) ? Bingo : NoBingo;
}

int LineTest(const GameState& s) {
    for (int line = 1; line <= kLineCount; ++line)
        if (Holds(s, CountLine(s, line), 5)) return Bingo;
    return NoBingo;
}

int StampTest(const GameState& s) {
    for (int stamp = 1; stamp <= kStampCount; ++stamp)
        if (Holds(s, CountCells(s, kStampCorner[stamp]), 4)) return Bingo;
    return NoBingo;
}

}  // namespace

int Engine::CheckPlayerBingo() {
    if (S.GameType == AnyBingo) return CheckAnyBingo();
    // Random Pick never stands in GameType during a game; it tests nothing.
    return PlayerPattern(S.GameType);
}

int Engine::PlayerPattern(int kind) {
    switch (kind) {
        case RegularBingo: return LineTest(S);
        case FourCorners: return SetTest(S, kFourCornersCells);
        case CoverAll: return SetTest(S, kCoverAllCells);
        case PostageStamp: return StampTest(S);
        case BigDiamond: return CheckBigDiamond();
        case SmallDiamond: return CheckSmallDiamond();
        case KiteBingo: return CheckKite();
        case BigPictureFrame: return CheckBigPictureFrame();
        case LittlePictureFrame: return CheckLittlePictureFrame();
        case BORailroadTracks: return CheckBORailroad();
        default: return NoBingo;
    }
}

int Engine::CheckBigDiamond() { return SetTest(S, kBigDiamondCells); }
int Engine::CheckSmallDiamond() { return SetTest(S, kSmallDiamondCells); }
int Engine::CheckBigPictureFrame() { return SetTest(S, kBigPictureFrameCells); }
int Engine::CheckLittlePictureFrame() { return SetTest(S, kLittlePictureFrameCells); }
int Engine::CheckBORailroad() { return SetTest(S, kBORailroadCells); }

// Only the first diagonal complete on a card that counts is tried, and only
// with the two stamps at its ends, on the cards that hold that diagonal.
int Engine::CheckKite() {
    int diagonal = 0;
    CardCounts onDiagonal;
    for (int line : kKiteDiagonals) {
        onDiagonal = CountLine(S, line);
        if (Holds(S, onDiagonal, 5)) {
            diagonal = line;
            break;
        }
    }
    if (diagonal == 0) return NoBingo;

    const bool holder1 = onDiagonal.card1 == 5;
    const bool holder2 = S.NumCards == 2 && onDiagonal.card2 == 5;
    for (int stamp : KiteStamps(diagonal)) {
        const CardCounts n = CountCells(S, kStampCorner[stamp]);
        if ((holder1 && n.card1 == 4) || (holder2 && n.card2 == 4)) return Bingo;
    }
    return NoBingo;
}

int Engine::CheckAnyBingo() {
    for (int kind = RegularBingo; kind <= BORailroadTracks; ++kind)
        if (PlayerPattern(kind) == Bingo) return Bingo;
    return NoBingo;
}

}  // namespace pelloric
