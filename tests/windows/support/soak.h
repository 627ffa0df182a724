// Pieces of the soak test (tst_soak): the winning patterns as cell sets, what
// a player can click, the program's memory, its warnings, and the checks of
// the running game that need no history. Each check returns what is wrong,
// empty when all is well.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "engine/state.h"
#include "tests/windows/support/board_colours.h"
#include "windows/forms/forms.h"

namespace pelloric::win {
class Bingomsg;
class frmHelp;
}   // namespace pelloric::win

namespace pelloric::test::soak {

// ---- Patterns as cell sets: bit c stands for CardCell c; the centre has none.
using Cells = uint32_t;
Cells Mask(std::span<const int> cells);
// Every cell set that holds kind 1..10; Any Bingo (11) any of them, with or
// without the kites.
const std::vector<Cells>& Shapes(int kind, bool kites);
bool Holds(int kind, Cells covered, bool kites);
bool IsShape(int kind, Cells cells);
// The cells of a card whose numbers are among Called(1..lastCall).
Cells Covered(const GameState& s, const Table<int32_t, 1001>& card, int32_t lastCall);

// ---- The player's reach.
// Whether the player can click the control: it is shown and enabled, and it
// is what lies on top at its middle.
bool Reachable(QWidget* w);
void Click(QWidget* w);
inline bool Shown(const QWidget* w) { return !w->isHidden(); }

// ---- Memory.
// Resident memory in kB once the caches are emptied and the allocator has
// given back what is free.
long VmRssKb();
// Bytes held on the heap in kB, the pixmap cache emptied.
long HeapKb();

// ---- Warnings. Collects every warning of the program except the one that
// every message box prints on the offscreen platform; the test's own log
// still shows them all.
void CollectWarnings(bool on);
QStringList TakeWarnings();

// ---- Checks.
// Called(1..CalledCount) distinct, each in its column; CalledCount a value
// the caller can reach.
QStringList CallProblems(const GameState& s);
// A card: every cell in its column's range, no number twice.
QStringList CardProblems(const Table<int32_t, 1001>& card, const QString& name);
// The ball before the newest red, every older one yellow, the rest grey. A
// board made again during the game has lost the older colours: with intact
// false only what it can show is checked.
QStringList BoardColourProblems(const win::Bingomsg& board, const GameState& s, bool intact);
// An example card shows exactly the dots and lines of its kind.
QStringList ExampleProblems(const std::array<forms::Shape*, 24>& dots, const std::array<forms::Line*, 12>& lines,
                            int kind, const QString& where);
// The help window's page area keeps to one page: its picture alone, its text,
// and buttons that lead only where there is a page.
QStringList HelpPageProblems(const win::frmHelp& help, const GameState& s);

// Counts the live windows once the deferred deletes have run: each window
// that is loaded has its one instance and one that is not loaded has none;
// the other top-level widgets, the program's widgets and the application's
// objects stay as many as the first time the same windows were loaded.
class WindowCensus {
public:
    QStringList Take();
    int MaxTopLevel() const { return maxTopLevel_; }

private:
    int othersFirst_ = -1;
    std::map<QString, int> childrenFirst_;
    int maxTopLevel_ = 0;
    std::map<int, int> widgetsByLoaded_;
};

}   // namespace pelloric::test::soak
