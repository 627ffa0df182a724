// What an example card shows for each game type: red dots on the pattern's
// cells and coloured lines for line patterns. The options dialog, the message
// board and the help pictures all draw from this one table.
#pragma once

#include <array>
#include <span>

namespace pelloric {

struct ExampleRow {
    std::span<const int> dots;    // CardCell numbers
    std::span<const int> lines;   // lneExample indexes: 0-4 rows, 5-9 columns, 10-11 diagonals
    const char* info;             // the options dialog's how-to-win sentence
};

namespace example_detail {
inline constexpr std::array<int, 12> kAllLines = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
inline constexpr std::array<int, 2> kDiagonals = {10, 11};
inline constexpr std::array<int, 4> kCorners = {1, 5, 20, 24};
inline constexpr std::array<int, 24> kAll = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                             13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
inline constexpr std::array<int, 16> kStamps = {1, 2, 6, 7, 4, 5, 9, 10, 15, 16, 20, 21, 18, 19, 23, 24};
inline constexpr std::array<int, 8> kBigDiamond = {3, 11, 14, 22, 7, 9, 16, 18};
inline constexpr std::array<int, 4> kSmallDiamond = {8, 12, 13, 17};
inline constexpr std::array<int, 16> kBigFrame = {1, 2, 3, 4, 5, 6, 10, 11, 14, 15, 19, 20, 21, 22, 23, 24};
inline constexpr std::array<int, 8> kLittleFrame = {7, 8, 9, 12, 13, 16, 17, 18};
inline constexpr std::array<int, 10> kRailroad = {1, 2, 3, 4, 5, 20, 21, 22, 23, 24};
}  // namespace example_detail

// Index kind - 1, kinds 1..12.
inline constexpr std::array<ExampleRow, 12> kExamplePattern = {{
    {{}, example_detail::kAllLines,
     "To Play this game you need Bingo either up and down, across, or diagnal on 1 of the examples above"},
    {example_detail::kCorners, {}, "To play this game you have to have Bingo on all 4 corners"},
    {example_detail::kAll, {}, "To play this game you have to have Bingo on the entire board."},
    {example_detail::kStamps, {},
     "To play this game you have to have Bingo on 1 of the postage stamp corners like the example above."},
    {example_detail::kBigDiamond, {},
     "To Play this game you have to have Bingo on all eight red dotted areas above in the shape of a diamond"},
    {example_detail::kSmallDiamond, {},
     "To Play this game you have to have Bingo on all four red dotted areas above in the shape of a small "
     "diamond"},
    {example_detail::kStamps, example_detail::kDiagonals,
     "To play this game you have to have Bingo on one corner and one connecting diagnal line"},
    {example_detail::kBigFrame, {}, "To play this game you have to have Bingo on all red areas"},
    {example_detail::kLittleFrame, {}, "To play this game you have to have Bingo on all red areas"},
    {example_detail::kRailroad, {}, "To play this game you have to have Bingo on all squares in B and O"},
    {{}, {},
     "To play this game you will need to get bingo from : Regular Bingo, PostageStamp, Four corners, "
     "Diamond's, and Picture Frame's"},
    {{}, {}, "This will radomly pick games for you to play automaticly"},
}};

inline constexpr const ExampleRow& ExamplePattern(int kind) { return kExamplePattern[kind - 1]; }

}  // namespace pelloric
