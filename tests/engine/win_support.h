// Cards and calls for the win tests. Every card draws on the same two numbers
// per cell: a covered cell holds its "called" number and any other cell its
// "uncalled" one, which is never called. Calling all 24 called numbers then
// covers exactly the chosen cells on every card, so each player's card can be
// shaped on its own while all of them share one call list.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "engine/geometry.h"
#include "tests/engine/fake_windows.h"

namespace pelloric::test {

using Card = Table<int32_t, 1001>;
using Cells = std::vector<int>;

// Position of a cell within its column, 0 at the top.
inline int PlaceInColumn(int cell) { return cell - CellAt(CellColumn(cell), 1); }
inline int CalledNumber(int cell) { return ColumnLow(CellColumn(cell)) + PlaceInColumn(cell); }
inline int UncalledNumber(int cell) { return CalledNumber(cell) + 5; }
// A ball that is on no test card: the newest ball when it must change nothing.
inline constexpr int kBallOnNoCard = 15;

inline void Shape(Card& card, const Cells& covered) {
    for (int c = 1; c <= kCells; ++c)
        card[c] = std::find(covered.begin(), covered.end(), c) != covered.end() ? CalledNumber(c)
                                                                                 : UncalledNumber(c);
}

inline Cells Union(Cells a, const Cells& b) {
    for (int c : b)
        if (std::find(a.begin(), a.end(), c) == a.end()) a.push_back(c);
    return a;
}

inline Cells Without(Cells cells, int cell) {
    cells.erase(std::remove(cells.begin(), cells.end(), cell), cells.end());
    return cells;
}

inline Cells Distinct(const Cells& cells) { return Union({}, cells); }

// The lines, stamps and fixed sets as the rules of the game list them, written
// out here rather than read from the engine's tables, so that a wrong cell in
// those tables fails the tests that use these. Lines hold their numbered cells
// in order along the line; the free centre is left out.
inline const std::vector<Cells> kLines = {
    {},
    {5, 4, 3, 2, 1},        // 1 column B, bottom to top
    {10, 9, 8, 7, 6},       // 2 column I
    {14, 13, 12, 11},       // 3 column N, through the centre
    {19, 18, 17, 16, 15},   // 4 column G
    {24, 23, 22, 21, 20},   // 5 column O
    {1, 6, 11, 15, 20},     // 6 row 1, left to right
    {2, 7, 12, 16, 21},     // 7 row 2
    {3, 8, 17, 22},         // 8 row 3, through the centre
    {4, 9, 13, 18, 23},     // 9 row 4
    {5, 10, 14, 19, 24},    // 10 row 5
    {1, 7, 18, 24},         // 11 diagonal from the top-left corner
    {5, 9, 16, 20},         // 12 diagonal from the bottom-left corner
};
// Top-left, bottom-left, top-right, bottom-right.
inline const std::vector<Cells> kStamps = {{}, {1, 2, 6, 7}, {4, 5, 9, 10}, {15, 16, 20, 21}, {18, 19, 23, 24}};
// The same stamps in the order a computer player's stamp test records them.
inline const std::vector<Cells> kPcStamps = {{}, {2, 1, 7, 6}, {10, 9, 5, 4}, {16, 15, 21, 20}, {19, 18, 24, 23}};
// Each kite: a diagonal and a stamp at one of its ends, in the order they are tried.
inline const std::vector<std::pair<int, int>> kKites = {{11, 1}, {11, 4}, {12, 2}, {12, 3}};

inline Cells LineCells(int line) { return kLines.at(line); }
inline Cells StampCells(int stamp) { return kStamps.at(stamp); }
inline Cells PcStampCells(int stamp) { return kPcStamps.at(stamp); }

// The cells of a kind with a fixed set, in the order the tests walk them.
inline Cells FixedSet(int kind) {
    switch (kind) {
        case FourCorners: return {1, 5, 20, 24};
        case CoverAll: return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
        case BigDiamond: return {3, 11, 14, 22, 7, 9, 16, 18};
        case SmallDiamond: return {8, 12, 13, 17};
        case BigPictureFrame: return {1, 2, 3, 4, 5, 6, 10, 11, 14, 15, 19, 20, 21, 22, 23, 24};
        case LittlePictureFrame: return {7, 8, 9, 12, 13, 16, 17, 18};
        case BORailroadTracks: return {1, 2, 3, 4, 5, 20, 21, 22, 23, 24};
        default: ADD_FAILURE() << "kind " << kind << " has no fixed set"; return {};
    }
}

// One way to win a kind: its cells in the order a computer player's WinCells
// records them (a kite names its two shared cells twice).
struct Way {
    std::string name;
    int kind;
    Cells recorded;
};

inline void PrintTo(const Way& way, std::ostream* os) { *os << way.name; }

inline std::vector<Way> AllWays() {
    std::vector<Way> ways;
    for (int line = 1; line <= 12; ++line)
        ways.push_back({"Line" + std::to_string(line), RegularBingo, LineCells(line)});
    auto set = [&](const char* name, int kind) { ways.push_back({name, kind, FixedSet(kind)}); };
    set("FourCorners", FourCorners);
    set("CoverAll", CoverAll);
    for (int stamp = 1; stamp <= 4; ++stamp)
        ways.push_back({"Stamp" + std::to_string(stamp), PostageStamp, PcStampCells(stamp)});
    set("BigDiamond", BigDiamond);
    set("SmallDiamond", SmallDiamond);
    for (auto [diagonal, stamp] : kKites) {
        Cells recorded = LineCells(diagonal);
        for (int c : StampCells(stamp)) recorded.push_back(c);
        ways.push_back({"Kite" + std::to_string(diagonal) + "Stamp" + std::to_string(stamp), KiteBingo, recorded});
    }
    set("BigPictureFrame", BigPictureFrame);
    set("LittlePictureFrame", LittlePictureFrame);
    set("BORailroadTracks", BORailroadTracks);
    return ways;
}

// The shared engine, windows and state of a win test. The state lives on the
// heap so that a read far past the end of Called leaves the object and shows
// under AddressSanitizer.
struct WinFixture : ::testing::Test {
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    GameState& s = *state;
    ScriptedRandom rnd;
    FakeWindows ui;
    Engine e{s, rnd, ui};

    void SetUp() override {
        s.NumCards = 1;
        s.NumPc = 1;
        s.Balance = 100;
        ui.callerOn = true;
    }

    void CallNumbers(const std::vector<int>& numbers) {
        s.CalledCount = static_cast<int32_t>(numbers.size());
        for (std::size_t i = 0; i < numbers.size(); ++i) s.Called[i + 1] = numbers[i];
    }
    // Calls every cell's called number, with `last` (when given) as the newest ball.
    std::vector<int> CallNumbersOf(int last = 0) const {
        std::vector<int> numbers;
        for (int c = 1; c <= kCells; ++c)
            if (c != last) numbers.push_back(CalledNumber(c));
        if (last != 0) numbers.push_back(CalledNumber(last));
        return numbers;
    }
    // The player's claim with every called number out, `last` the newest.
    int Claim(int last = 0) {
        CallNumbers(CallNumbersOf(last));
        return e.CheckPlayerBingo();
    }
    // A computer players' run in which every called number counts: a ball on
    // no card is the newest.
    int PcRun() {
        auto numbers = CallNumbersOf();
        numbers.push_back(kBallOnNoCard);
        CallNumbers(numbers);
        return e.CheckPcBingo();
    }

    int Announcements() const {
        return static_cast<int>(std::count(ui.log.begin(), ui.log.end(), std::string("ShowGameStatus")));
    }
    Cells Recorded(int p) const {
        return {s.WinCells[p].begin() + 1, s.WinCells[p].begin() + 1 + s.WinCellCount};
    }
};

}  // namespace pelloric::test
