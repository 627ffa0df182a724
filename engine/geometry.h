// The card geometry shared by every test, deal and picture of a card.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace pelloric {

// GameKind values, in the order of the options dialog's game list.
enum GameKind : int16_t {
    RegularBingo = 1,
    FourCorners = 2,
    CoverAll = 3,
    PostageStamp = 4,
    BigDiamond = 5,
    SmallDiamond = 6,
    KiteBingo = 7,
    BigPictureFrame = 8,
    LittlePictureFrame = 9,
    BORailroadTracks = 10,
    AnyBingo = 11,
    RandomPickKind = 12,
};

inline constexpr int kCells = 24;       // numbered cells of a card
inline constexpr int kCentre = 0;       // marks the free centre in a line's positions

// Names of the GameKind values as the game list spells them, index kind - 1.
inline constexpr std::array<const char*, 12> kGameKindNames = {
    "Regular Bingo", "Four Corners", "Cover All", "Postage Stamp",
    "Big Diamond", "Small Diamond", "Kite Bingo", "Big Picture Frame",
    "Little Picture Frame", "B & O Railroad Tracks", "Any Bingo", "Random Pick"};

inline constexpr const char* GameKindName(int kind) {
    return kind >= 1 && kind <= 12 ? kGameKindNames[kind - 1] : "";
}

// BallColumn 1..5 = B, I, N, G, O; column k holds 15k - 14 .. 15k.
inline constexpr std::array<char, 6> kColumnLetter = {' ', 'B', 'I', 'N', 'G', 'O'};
inline constexpr int ColumnLow(int col) { return 15 * col - 14; }
inline constexpr int ColumnHigh(int col) { return 15 * col; }

// Column (1..5) and row (1..5 from the top) of each CardCell, index cell.
struct CellPos {
    int col;
    int row;
};
inline constexpr std::array<CellPos, 25> kCellPos = {{
    {0, 0},
    {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5},
    {2, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5},
    {3, 1}, {3, 2}, {3, 4}, {3, 5},
    {4, 1}, {4, 2}, {4, 3}, {4, 4}, {4, 5},
    {5, 1}, {5, 2}, {5, 3}, {5, 4}, {5, 5},
}};
inline constexpr int CellColumn(int cell) { return kCellPos[cell].col; }
inline constexpr int CellRow(int cell) { return kCellPos[cell].row; }

// The CardCell at a column and row, or kCentre for the free centre.
inline constexpr int CellAt(int col, int row) {
    switch (col) {
        case 1: return row;
        case 2: return 5 + row;
        case 3: return row == 3 ? kCentre : (row < 3 ? 10 + row : 9 + row);
        case 4: return 14 + row;
        default: return 19 + row;
    }
}

// BingoLine 1..12 in test order; positions along the line, kCentre where the
// line crosses the free centre.
inline constexpr std::array<std::array<int, 5>, 13> kBingoLine = {{
    {0, 0, 0, 0, 0},
    {5, 4, 3, 2, 1},            // 1 column B, bottom to top
    {10, 9, 8, 7, 6},           // 2 column I
    {14, 13, kCentre, 12, 11},  // 3 column N
    {19, 18, 17, 16, 15},       // 4 column G
    {24, 23, 22, 21, 20},       // 5 column O
    {1, 6, 11, 15, 20},         // 6 row 1, left to right
    {2, 7, 12, 16, 21},         // 7 row 2
    {3, 8, kCentre, 17, 22},    // 8 row 3
    {4, 9, 13, 18, 23},         // 9 row 4
    {5, 10, 14, 19, 24},        // 10 row 5
    {1, 7, kCentre, 18, 24},    // 11 diagonal from the top-left corner
    {5, 9, kCentre, 16, 20},    // 12 diagonal from the bottom-left corner
}};
inline constexpr bool LineHasCentre(int line) {
    return line == 3 || line == 8 || line == 11 || line == 12;
}

// StampCorner 1..4: top-left, bottom-left, top-right, bottom-right.
inline constexpr std::array<std::array<int, 4>, 5> kStampCorner = {{
    {0, 0, 0, 0},
    {1, 2, 6, 7},
    {4, 5, 9, 10},
    {15, 16, 20, 21},
    {18, 19, 23, 24},
}};
// The order in which the computer players' stamp test walks each stamp.
inline constexpr std::array<std::array<int, 4>, 5> kPcStampOrder = {{
    {0, 0, 0, 0},
    {2, 1, 7, 6},
    {10, 9, 5, 4},
    {16, 15, 21, 20},
    {19, 18, 24, 23},
}};

inline constexpr int kLineCount = 12;   // BingoLine 1..12
inline constexpr int kStampCount = 4;   // StampCorner 1..4

// The diagonals a kite is built on, in the order they are tried.
inline constexpr std::array<int, 2> kKiteDiagonals = {11, 12};

// KitePairs: the two stamps at the ends of each diagonal, in StampCorner order.
inline constexpr std::array<int, 2> KiteStamps(int diagonal) {
    return diagonal == 11 ? std::array<int, 2>{1, 4} : std::array<int, 2>{2, 3};
}

// PatternCells of the kinds with a fixed cell set, in the order the tests walk them.
inline constexpr std::array<int, 4> kFourCornersCells = {1, 5, 20, 24};
inline constexpr std::array<int, 8> kBigDiamondCells = {3, 11, 14, 22, 7, 9, 16, 18};
inline constexpr std::array<int, 4> kSmallDiamondCells = {8, 12, 13, 17};
inline constexpr std::array<int, 16> kBigPictureFrameCells = {1, 2, 3, 4, 5, 6, 10, 11,
                                                              14, 15, 19, 20, 21, 22, 23, 24};
inline constexpr std::array<int, 8> kLittlePictureFrameCells = {7, 8, 9, 12, 13, 16, 17, 18};
inline constexpr std::array<int, 10> kBORailroadCells = {1, 2, 3, 4, 5, 20, 21, 22, 23, 24};
inline constexpr std::array<int, 24> kCoverAllCells = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                                       13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};

// The fixed cell set of a kind (2, 3, 5, 6, 8, 9, 10); empty for the others.
// Its size is the count that wins.
inline constexpr std::span<const int> PatternCells(int kind) {
    switch (kind) {
        case FourCorners: return kFourCornersCells;
        case CoverAll: return kCoverAllCells;
        case BigDiamond: return kBigDiamondCells;
        case SmallDiamond: return kSmallDiamondCells;
        case BigPictureFrame: return kBigPictureFrameCells;
        case LittlePictureFrame: return kLittlePictureFrameCells;
        case BORailroadTracks: return kBORailroadCells;
        default: return {};
    }
}

}  // namespace pelloric
