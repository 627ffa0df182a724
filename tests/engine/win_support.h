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

// A line's numbered cells in line order.
inline Cells LineCells(int line) {
    Cells cells;
    for (int c : kBingoLine[line])
        if (c != kCentre) cells.push_back(c);
    return cells;
}

inline Cells StampCells(int stamp) { return {kStampCorner[stamp].begin(), kStampCorner[stamp].end()}; }

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
    for (int line = 1; line <= kLineCount; ++line)
        ways.push_back({"Line" + std::to_string(line), RegularBingo, LineCells(line)});
    auto set = [&](const char* name, int kind) {
        const auto cells = PatternCells(kind);
        ways.push_back({name, kind, {cells.begin(), cells.end()}});
    };
    set("FourCorners", FourCorners);
    set("CoverAll", CoverAll);
    for (int stamp = 1; stamp <= kStampCount; ++stamp)
        ways.push_back({"Stamp" + std::to_string(stamp), PostageStamp,
                        {kPcStampOrder[stamp].begin(), kPcStampOrder[stamp].end()}});
    set("BigDiamond", BigDiamond);
    set("SmallDiamond", SmallDiamond);
    for (int diagonal : kKiteDiagonals)
        for (int stamp : KiteStamps(diagonal)) {
            Cells recorded = LineCells(diagonal);
            for (int c : StampCells(stamp)) recorded.push_back(c);
            ways.push_back({"Kite" + std::to_string(diagonal) + "Stamp" + std::to_string(stamp), KiteBingo,
                            recorded});
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
