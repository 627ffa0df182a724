#include "tests/windows/support/soak.h"

#include <QApplication>
#include <QFile>
#include <QPixmapCache>
#include <QtTest>
#include <algorithm>

#include "engine/example_pattern.h"
#include "engine/geometry.h"
#include "windows/app.h"
#include "windows/bingomsg.h"
#include "windows/bngoptions.h"
#include "windows/form1.h"
#include "windows/frmgamestatus.h"
#include "windows/frmhelp.h"

#if defined(__SANITIZE_ADDRESS__)
extern "C" size_t __sanitizer_get_current_allocated_bytes();
extern "C" void __sanitizer_purge_allocator();
#else
#include <malloc.h>
#endif

namespace pelloric::test::soak {

// ---- Patterns -------------------------------------------------------------------------

Cells Mask(std::span<const int> cells) {
    Cells m = 0;
    for (int c : cells)
        if (c != kCentre) m |= 1u << c;
    return m;
}

namespace {
std::vector<Cells> MakeShapes(int kind, bool kites) {
    std::vector<Cells> out;
    switch (kind) {
        case RegularBingo:
            for (int line = 1; line <= kLineCount; ++line) out.push_back(Mask(kBingoLine[line]));
            break;
        case PostageStamp:
            for (int s = 1; s <= kStampCount; ++s) out.push_back(Mask(kStampCorner[s]));
            break;
        case KiteBingo:
            if (!kites) break;
            for (int d : kKiteDiagonals)
                for (int s : KiteStamps(d)) out.push_back(Mask(kBingoLine[d]) | Mask(kStampCorner[s]));
            break;
        case AnyBingo:
            for (int k = RegularBingo; k <= BORailroadTracks; ++k)
                for (Cells c : MakeShapes(k, kites)) out.push_back(c);
            break;
        default:
            if (!PatternCells(kind).empty()) out.push_back(Mask(PatternCells(kind)));
    }
    return out;
}
}   // namespace

const std::vector<Cells>& Shapes(int kind, bool kites) {
    static const auto table = [] {
        std::array<std::array<std::vector<Cells>, 2>, 13> t;
        for (int k = 0; k <= 12; ++k)
            for (int withKites = 0; withKites < 2; ++withKites) t[k][withKites] = MakeShapes(k, withKites != 0);
        return t;
    }();
    static const std::vector<Cells> none;
    return kind >= 0 && kind <= 12 ? table[kind][kites ? 1 : 0] : none;
}

bool Holds(int kind, Cells covered, bool kites) {
    for (Cells shape : Shapes(kind, kites))
        if ((shape & ~covered) == 0) return true;
    return false;
}

bool IsShape(int kind, Cells cells) {
    const auto& shapes = Shapes(kind, true);
    return std::find(shapes.begin(), shapes.end(), cells) != shapes.end();
}

Cells Covered(const GameState& s, const Table<int32_t, 1001>& card, int32_t lastCall) {
    std::array<bool, 76> called{};
    for (int32_t j = 1; j <= std::min(lastCall, kLastBall); ++j)
        if (s.Called[j] >= 1 && s.Called[j] <= 75) called[s.Called[j]] = true;
    Cells covered = 0;
    for (int c = 1; c <= kCells; ++c)
        if (card[c] >= 1 && card[c] <= 75 && called[card[c]]) covered |= 1u << c;
    return covered;
}

// ---- Reach --------------------------------------------------------------------------------

bool Reachable(QWidget* w) {
    if (!w || !w->isVisible() || !w->isEnabled()) return false;
    QWidget* top = w->window();
    QWidget* hit = top->childAt(w->mapTo(top, w->rect().center()));
    return hit && (hit == w || w->isAncestorOf(hit));
}

void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

// ---- Memory -------------------------------------------------------------------------------

// The pixmap cache fills up to its limit over the first few hundred games,
// and under AddressSanitizer freed blocks wait in a quarantine of a few
// hundred megabytes: both are emptied before memory is read, so that what is
// left is what the program holds.
long VmRssKb() {
    QPixmapCache::clear();
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_purge_allocator();
#else
    malloc_trim(0);
#endif
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

long HeapKb() {
    QPixmapCache::clear();
#if defined(__SANITIZE_ADDRESS__)
    return long(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    const struct mallinfo2 m = mallinfo2();
    return long((m.uordblks + m.hblkhd) / 1024);
#endif
}

// ---- Warnings -----------------------------------------------------------------------------

namespace {
QtMessageHandler g_previous = nullptr;
QStringList g_warnings;

void Collect(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message == QLatin1String("This plugin does not support propagateSizeHints()")) return;
    if (type != QtDebugMsg && type != QtInfoMsg) g_warnings << message;
    if (g_previous) g_previous(type, context, message);
}
}   // namespace

void CollectWarnings(bool on) {
    if (on && !g_previous) g_previous = qInstallMessageHandler(Collect);
    if (!on && g_previous) {
        qInstallMessageHandler(g_previous);
        g_previous = nullptr;
    }
}

QStringList TakeWarnings() {
    QStringList out;
    out.swap(g_warnings);
    return out;
}

// ---- Checks -------------------------------------------------------------------------------

QStringList CallProblems(const GameState& s) {
    QStringList out;
    const int32_t cc = s.CalledCount;
    if (cc < 0 || (cc > kLastBall && (cc < 77 || cc % 2 == 0))) out << QStringLiteral("CalledCount %1").arg(cc);
    std::array<bool, 76> seen{};
    for (int32_t k = 1; k <= std::min(cc, kLastBall); ++k) {
        const int32_t v = s.Called[k];
        if (v < 1 || v > 75 || seen[v] || s.CallCol[k] != (v - 1) / 15 + 1) {
            out << QStringLiteral("call %1 is %2 in column %3").arg(k).arg(v).arg(s.CallCol[k]);
            break;
        }
        seen[v] = true;
    }
    return out;
}

QStringList CardProblems(const Table<int32_t, 1001>& card, const QString& name) {
    QStringList out;
    std::array<bool, 76> seen{};
    for (int c = 1; c <= kCells; ++c) {
        const int32_t n = card[c];
        const int col = CellColumn(c);
        if (n < ColumnLow(col) || n > ColumnHigh(col) || seen[n]) {
            out << QStringLiteral("%1 holds %2 at cell %3").arg(name).arg(n).arg(c);
            break;
        }
        seen[n] = true;
    }
    return out;
}

QStringList BoardColourProblems(const win::Bingomsg& board, const GameState& s, bool intact) {
    const int32_t n = std::min(s.CalledCount, kLastBall);
    std::array<int32_t, 76> at{};
    for (int32_t k = 1; k <= n; ++k)
        if (s.Called[k] >= 1 && s.Called[k] <= 75) at[s.Called[k]] = k;
    for (int number = 1; number <= 75; ++number) {
        const uint32_t colour = board.lblselctedNums[number]->ForeColor();
        const int32_t k = at[number];
        const uint32_t want = (k == 0 || k == n) ? kGrey : k == n - 1 ? kRed : kYellow;
        if (colour == want || (!intact && colour == kGrey)) continue;
        return {QStringLiteral("board number %1 (call %2 of %3) has colour %4%5")
                    .arg(number)
                    .arg(k)
                    .arg(n)
                    .arg(colour)
                    .arg(intact ? QString() : QStringLiteral(" on a board made again"))};
    }
    return {};
}

QStringList ExampleProblems(const std::array<forms::Shape*, 24>& dots, const std::array<forms::Line*, 12>& lines,
                            int kind, const QString& where) {
    QStringList out;
    Cells wantDots = 0;
    uint32_t wantLines = 0;
    if (kind >= RegularBingo && kind <= BORailroadTracks) {
        for (int c : ExamplePattern(kind).dots) wantDots |= 1u << c;
        for (int l : ExamplePattern(kind).lines) wantLines |= 1u << l;
    }
    for (int i = 0; i < 24; ++i)
        if (Shown(dots[i]) != bool(wantDots & (1u << (i + 1))))
            out << QStringLiteral("%1: example dot %2 of kind %3 is %4")
                       .arg(where)
                       .arg(i)
                       .arg(kind)
                       .arg(Shown(dots[i]));
    for (int i = 0; i < 12; ++i)
        if (Shown(lines[i]) != bool(wantLines & (1u << i)))
            out << QStringLiteral("%1: example line %2 of kind %3 is %4")
                       .arg(where)
                       .arg(i)
                       .arg(kind)
                       .arg(Shown(lines[i]));
    return out;
}

QStringList HelpPageProblems(const win::frmHelp& h, const GameState& s) {
    QStringList out;
    const int t = s.HelpTopic;
    if (t < -1 || t > 11) return {QStringLiteral("HelpTopic %1").arg(t)};
    if (Shown(h.lblstart) != (t == -1))
        out << QStringLiteral("the introduction is %1 on page %2").arg(Shown(h.lblstart)).arg(t);
    if (t == -1) {
        if (h.cmdBack->isEnabled()) out << QStringLiteral("\"< Back\" is enabled on the introduction");
        return out;
    }
    for (int p = 0; p < 12; ++p)
        if (Shown(h.imgHelp[p]) != (p == t))
            out << QStringLiteral("page %1 shows picture %2: %3").arg(t).arg(p).arg(Shown(h.imgHelp[p]));
    if (h.lblHelp->Caption() != win::Q(s.HelpPages[t])) out << QStringLiteral("page %1 shows another text").arg(t);
    if (h.cmdNext->isEnabled() != (t != 11))
        out << QStringLiteral("\"Next >\" is %1 on page %2").arg(h.cmdNext->isEnabled()).arg(t);
    if (t >= 1 && !h.cmdBack->isEnabled()) out << QStringLiteral("\"< Back\" is disabled on page %1").arg(t);
    return out;
}

namespace {
template <class T>
int LiveWindows(const QWidgetList& tops, const forms::FormHandle<T>& handle, bool* current) {
    int live = 0;
    *current = false;
    for (QWidget* w : tops)
        if (T* t = qobject_cast<T*>(w)) {
            ++live;
            *current = *current || t == handle.IfLoaded();
        }
    return live;
}
}   // namespace

QStringList WindowCensus::Take() {
    QStringList out;
    const QWidgetList tops = QApplication::topLevelWidgets();
    int loaded = 0;
    int forms = 0;
    auto count = [&](const char* name, int bit, const auto& handle) {
        bool current = false;
        const int live = LiveWindows(tops, handle, &current);
        forms += live;
        if (handle.Loaded()) loaded |= bit;
        if (live != (handle.Loaded() ? 1 : 0) || (handle.Loaded() && !current))
            out << QStringLiteral("%1: %2 live windows while %3")
                       .arg(QLatin1String(name))
                       .arg(live)
                       .arg(handle.Loaded() ? QStringLiteral("loaded") : QStringLiteral("not loaded"));
    };
    auto& app = win::App();
    count("Form1", 1, app.Form1);
    count("BngOptions", 2, app.BngOptions);
    count("Bingomsg", 4, app.Bingomsg);
    count("frmGamestatus", 8, app.frmGamestatus);
    count("frmHelp", 16, app.frmHelp);
    if (!app.Form1.Loaded()) out << QStringLiteral("the main window is gone");

    const int others = int(tops.size()) - forms;
    if (othersFirst_ < 0) othersFirst_ = others;
    if (others > othersFirst_)
        out << QStringLiteral("%1 other top-level widgets, %2 at first").arg(others).arg(othersFirst_);
    maxTopLevel_ = std::max(maxTopLevel_, int(tops.size()));

    const int all = int(QApplication::allWidgets().size());
    const auto [it, first] = widgetsByLoaded_.try_emplace(loaded, all);
    if (!first && it->second != all)
        out << QStringLiteral("%1 widgets with the windows %2 loaded, %3 the first time")
                   .arg(all)
                   .arg(loaded)
                   .arg(it->second);

    // Qt makes some objects of its own on first use (the pointing device, the
    // gesture manager): one of a kind may come later, never a second.
    std::map<QString, int> kinds;
    for (QObject* o : qApp->children()) ++kinds[QLatin1String(o->metaObject()->className())];
    if (childrenFirst_.empty()) childrenFirst_ = kinds;
    for (const auto& [kind, n] : kinds) {
        const auto at = childrenFirst_.find(kind);
        const int allowed = at == childrenFirst_.end() ? 1 : std::max(1, at->second);
        if (n > allowed) out << QStringLiteral("%1 objects of class %2 belong to the application").arg(n).arg(kind);
    }
    return out;
}

}   // namespace pelloric::test::soak
