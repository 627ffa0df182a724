// A long, seeded, random player on the real windows. It plays game after game
// the way a player can: it calls the balls by driving the two timers, clicks
// cells, claims (valid or not), pauses, opens and closes help from every
// opener, changes the dots and the sound, follows the web links, closes
// windows by their frames and plays on through Next game, Try Again, End Play
// and Play. Every modal window is answered as it comes.
//
// After every step it checks the rules of the game (the calls, the money, the
// board's colours, who may win and with what), after every game that no
// window outlives it, at the end that every control was drawn with one
// palette, and over a long run that the heap stays flat.
//
// PELLORIC_SOAK_GAMES: number of games (default 40; the long run by hand:
// 3000, with QTEST_FUNCTION_TIMEOUT raised to an hour; about three minutes in
// a release build). The heap is checked from 2000 games on.
// PELLORIC_SOAK_SEED: the seed (default: 777, so that every run is the same). It is printed at
// the start; the same seed plays the same run again, since the real timers
// are let through only in counted batches.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <array>
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "engine/example_pattern.h"
#include "engine/geometry.h"
#include "tests/windows/support/harness.h"
#include "tests/windows/support/palette_watch.h"
#include "tests/windows/support/texts.h"
#include "tests/windows/support/soak.h"
#include "windows/app.h"
#include "windows/bingomsg.h"
#include "windows/bngoptions.h"
#include "windows/form1.h"
#include "windows/frmgamestatus.h"
#include "windows/frmhelp.h"

using namespace pelloric;
using win::App;
using win::Q;
using namespace pelloric::test::soak;
using test::kGrey;
using test::kRed;

namespace {

constexpr uint32_t kEntryNormal = 0x80000012u;
constexpr uint32_t kEntryHighlight = 16711680;
constexpr int kDefaultGames = 40;
constexpr int kMaxStepsPerGame = 20000;
// How much the heap may grow from game 1000 to the end of a long run. By game
// 1000 Qt's caches (glyphs, font tables, the style's pixmaps for each state of
// each control) hold all they will, and the game's own state is the same after
// every game, so what grows after that is a leak: a window left behind in each
// game, or controls drawn with a new palette in each window made again, whose
// pixmap-cache keys Qt keeps for good (a kilobyte a game for the options
// dialog's lists and buttons). The palettes are also checked at any length.
constexpr int kHeapFlatFrom = 1000;
constexpr long kHeapGrowthKb = 100;
// A long run: a thousand games past the flat point, so that a leak of a tenth
// of a kilobyte a game shows.
constexpr int kMemoryCheckGames = 2000;

int EnvCount(const char* name, int fallback) {
    bool ok = false;
    const int n = qEnvironmentVariable(name).toInt(&ok);
    return ok && n > 0 ? n : fallback;
}

QString Congratulation() {
    return QStringLiteral("Congradulaton's") + QChar(10) + QChar(13) + QStringLiteral("You have B I N G O");
}

// A modal window the player expects, answered by a poller once it is the
// active modal window.
struct Pending {
    std::shared_ptr<bool> ran;
    QPointer<QTimer> poller;
};

struct HelpVisit {
    QString opener;
    int page = -2;               // the page it opens on; -2: whatever it was
    bool optionsPanel = false;   // opened by the options dialog's Help
    bool paused = false;         // the game is paused while it is open
    bool pausedHere = false;     // ... by this opening
};

struct Purse {
    int32_t balance = 0;
    int32_t jackpot = 0;
    int32_t level = 1;
    int32_t wins = 0;
};

// ---- The player -------------------------------------------------------------------

class Soak {
public:
    Soak(uint64_t seed, int games);
    ~Soak();
    void Run();

    QStringList errors;
    QString Figures() const;
    struct Memory {
        long rss = -1;
        long heap = -1;
    };
    Memory atFlat, atEnd;
    int gamesEnded = 0;
    QStringList renewedPalettes;

private:
    // Randomness of the player's choices.
    int Roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p; }

    win::Form1& Main() { return App().Form1(); }
    GameState& St() { return App().S; }
    QString BoardText() {
        auto* b = App().Bingomsg.IfLoaded();
        return b ? b->lblMsg->Caption() : QStringLiteral("<no board>");
    }
    bool Playing() { return Main().bngPlay->text() == QLatin1String("&End Play"); }
    bool GameOn() { return Playing() && Main().Command1->isEnabled(); }
    bool HelpMenuOpen() { return Main().bnghelp->menuAction()->isEnabled(); }
    bool SoundOn() { return Main().bngoptSound->text() == QLatin1String("&Sound Off"); }

    void Fail(const QString& what);
    void Report(const QStringList& problems) {
        for (const QString& p : problems) Fail(p);
    }
    void Note(const QString& what);
    void Count(const QString& what) { ++stats_[what]; }

    // Modal windows and the event loop.
    Pending ExpectModal(const QString& name, std::function<void(QWidget*)> body);
    void Settle(Pending& p, const QString& what);
    void AnswerBox(QWidget* w);
    void Watch();
    void Pump();

    // The timers.
    void CallerTick();
    void RollTick();
    void Ticks(int count);
    void RealTicks();

    // The player's moves.
    void Step();
    void Play();
    void AnswerOptions(win::BngOptions& d, bool* started, int* lastGame, std::array<int, 4>* picked);
    void OpenHelp(const QString& opener, int page, const std::function<void()>& open, bool optionsPanel = false);
    void AnswerHelp(win::frmHelp& h, const HelpVisit& visit, int depth);
    void AfterHelpClosed(bool pausedAtClose);
    void ClickCell();
    void Claim();
    void Pause();
    void About();
    void Visit(const QString& where, const std::function<void()>& click);
    void DotColour();
    void Sound();
    void CloseBoard();
    void CloseMain(bool byExit);
    void EndPlay(bool fromDialog);
    void NextGame(bool fromDialog);
    void DialogOk(bool byFrame);

    // Checks.
    void OnDeal(const QString& how);
    void OnPcWin();
    void OnGameEnded();
    void AfterBall(bool wasOn);
    void CheckStep();
    void CheckBoard();
    void CheckOptionsExample(win::BngOptions& d);
    void CheckWindows();

    uint64_t seed_;
    int games_;
    std::mt19937_64 rng_;
    test::Session session_;
    test::WatchedPalettes palettes_;

    Purse money_;
    int dotColour_ = 0;
    bool gameOn_ = false;
    QPointer<win::Bingomsg> gameBoard_;   // the board the game was dealt on
    int16_t gameType_ = 0;
    int gameSteps_ = 0;
    int dealt_ = 0;
    long steps_ = 0;
    long dueTicks_ = 0;
    long expectedBeeps_ = 0;

    // Real ticks of the two timers are let through only in counted batches,
    // so that a seed plays the same run again.
    int budgetCaller_ = 0;
    int budgetRoll_ = 0;
    long realTicks_ = 0;
    long swallowed_ = 0;

    int pendingModals_ = 0;
    QTimer* watchdog_ = nullptr;
    QPointer<QWidget> watched_;
    QElapsedTimer watchedSince_;

    WindowCensus census_;

    std::deque<QString> recent_;
    std::map<QString, int> stats_;
    QElapsedTimer clock_;
};

#define SOAK_CHECK(cond, what)   \
    do {                         \
        if (!(cond)) Fail(what); \
    } while (false)

Soak::Soak(uint64_t seed, int games)
    : seed_(seed), games_(games), rng_(seed), session_(test::SeededRandom(seed ^ 0x9E3779B97F4A7C15ull)) {
    auto& f = Main();
    f.Timer1->Tick = [this] {
        if (budgetCaller_ <= 0) {
            ++swallowed_;
            return;
        }
        --budgetCaller_;
        ++realTicks_;
        CallerTick();
    };
    f.tmrBallrool->Tick = [this] {
        if (budgetRoll_ <= 0) {
            ++swallowed_;
            return;
        }
        --budgetRoll_;
        ++realTicks_;
        RollTick();
    };
    watchdog_ = new QTimer(qApp);
    watchdog_->setInterval(100);
    QObject::connect(watchdog_, &QTimer::timeout, watchdog_, [this] { Watch(); });
    watchdog_->start();
}

Soak::~Soak() { delete watchdog_; }

void Soak::Fail(const QString& what) {
    if (errors.size() >= 10) return;
    QString trail;
    for (const QString& s : recent_) trail += QStringLiteral("\n    ") + s;
    errors << QStringLiteral("seed %1, game %2, step %3: %4\n  last moves:%5")
                  .arg(seed_)
                  .arg(dealt_)
                  .arg(steps_)
                  .arg(what, trail);
}

void Soak::Note(const QString& what) {
    recent_.push_back(QStringLiteral("%1: %2").arg(steps_).arg(what));
    if (recent_.size() > 25) recent_.pop_front();
}

// ---- Modal windows ------------------------------------------------------------------

Pending Soak::ExpectModal(const QString& name, std::function<void(QWidget*)> body) {
    Pending p{std::make_shared<bool>(false), new QTimer(qApp)};
    QTimer* poller = p.poller;
    poller->setInterval(0);
    ++pendingModals_;
    QObject::connect(poller, &QTimer::timeout, poller, [this, poller, name, body, ran = p.ran] {
        QWidget* m = QApplication::activeModalWidget();
        if (!m || (m->objectName() != name && QLatin1String(m->metaObject()->className()) != name)) return;
        if (auto* form = qobject_cast<forms::Form*>(m); form && form->IsUnloaded()) return;
        poller->stop();
        poller->deleteLater();
        --pendingModals_;
        *ran = true;
        QPointer<QWidget> window(m);
        body(m);
        // A failed check may leave the window open: close it all the same,
        // so that the opener's modal showing returns.
        if (window && window == QApplication::activeModalWidget() && !errors.isEmpty()) AnswerBox(window);
    });
    poller->start();
    return p;
}

void Soak::Settle(Pending& p, const QString& what) {
    if (!*p.ran && p.poller) {
        p.poller->stop();
        p.poller->deleteLater();
        --pendingModals_;
    }
    SOAK_CHECK(*p.ran, QStringLiteral("%1 did not appear as a modal window").arg(what));
}

// Answers a message box with OK or by its frame; closes any other window.
void Soak::AnswerBox(QWidget* w) {
    if (auto* box = qobject_cast<QMessageBox*>(w)) {
        if (Chance(0.8) && box->button(QMessageBox::Ok))
            box->button(QMessageBox::Ok)->click();
        else
            box->close();
        if (box->isVisible() && box->button(QMessageBox::Ok)) box->button(QMessageBox::Ok)->click();
        return;
    }
    w->close();
}

// A modal window that nobody answers would hang the run: report it and close it.
void Soak::Watch() {
    QWidget* m = QApplication::activeModalWidget();
    if (m != watched_) {
        watched_ = m;
        watchedSince_.start();
        return;
    }
    if (!m) return;
    const qint64 limit = pendingModals_ > 0 ? 30000 : 10000;
    if (watchedSince_.elapsed() < limit) return;
    Fail(QStringLiteral("modal window %1 (%2) left open")
             .arg(m->objectName(), QLatin1String(m->metaObject()->className())));
    watchedSince_.start();
    if (auto* box = qobject_cast<QMessageBox*>(m); box && box->button(QMessageBox::Ok))
        box->button(QMessageBox::Ok)->click();
    else
        m->close();
}

// Lets the event loop run once, and the deferred deletes with it.
void Soak::Pump() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---- The timers -------------------------------------------------------------------------

void Soak::CallerTick() {
    const int32_t before = St().CalledCount;
    const bool wasOn = GameOn();
    const bool sound = SoundOn();
    Main().Form1_Timer1_Timer();
    if (St().CalledCount == before) return;
    ++dueTicks_;
    if (sound) ++expectedBeeps_;
    AfterBall(wasOn);
}

void Soak::RollTick() {
    auto& f = Main();
    auto& S = St();
    f.Form1_tmrBallrool_Timer();
    SOAK_CHECK(S.BallStep >= 0 && S.BallStep <= 57 && S.BallFrame >= 0 && S.BallFrame <= 12,
               QStringLiteral("ball drop at step %1, frame %2").arg(S.BallStep).arg(S.BallFrame));
    if (S.BallStep == 0)
        SOAK_CHECK(!f.tmrBallrool->Enabled() && Shown(f.lblball) && Shown(f.imgBallroll) &&
                       forms::TopOf(f.imgBallroll) == 1515,
                   QStringLiteral("a landed ball: drop timer %1, ball label %2, ball at %3")
                       .arg(f.tmrBallrool->Enabled())
                       .arg(Shown(f.lblball))
                       .arg(forms::TopOf(f.imgBallroll)));
}

// Ticks of both timers as their 25 ms intervals come, each only while it is
// on; stops early when the game ends, so the player can look at it.
void Soak::Ticks(int count) {
    auto& f = Main();
    const bool wasOn = GameOn();
    for (int i = 0; i < count && errors.isEmpty(); ++i) {
        const bool roll = f.tmrBallrool->Enabled();
        if (!f.Timer1->Enabled() && !roll) break;
        const bool rollFirst = Chance(0.5);
        if (rollFirst && roll) RollTick();
        if (f.Timer1->Enabled()) CallerTick();
        if (!rollFirst && roll && f.tmrBallrool->Enabled()) RollTick();
        if (wasOn && !GameOn()) break;
    }
}

// Lets the real timers tick a few times, as the running program would.
void Soak::RealTicks() {
    auto& f = Main();
    budgetCaller_ = f.Timer1->Enabled() ? 1 + Roll(2) : 0;
    budgetRoll_ = f.tmrBallrool->Enabled() ? 1 + Roll(2) : 0;
    QElapsedTimer t;
    t.start();
    while (errors.isEmpty() &&
           ((budgetCaller_ > 0 && f.Timer1->Enabled()) || (budgetRoll_ > 0 && f.tmrBallrool->Enabled()))) {
        if (t.elapsed() > 3000) {
            Fail(QStringLiteral("a timer is on but does not tick (caller %1, drop %2)")
                     .arg(f.Timer1->Enabled())
                     .arg(f.tmrBallrool->Enabled()));
            break;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    budgetCaller_ = budgetRoll_ = 0;
}

// ---- One step of the player ---------------------------------------------------------

void Soak::Step() {
    ++steps_;
    ++gameSteps_;
    auto& f = Main();
    auto& S = St();
    struct Move {
        double weight;
        const char* name;
        std::function<void()> act;
    };
    std::vector<Move> moves;
    auto add = [&](double weight, const char* name, std::function<void()> act) {
        if (weight > 0) moves.push_back({weight, name, std::move(act)});
    };
    auto* board = App().Bingomsg.IfLoaded();
    const bool boardShown = board && board->isVisible();
    auto* dialog = App().frmGamestatus.IfLoaded();
    const bool helpMenu = HelpMenuOpen();
    const bool howToPlay = helpMenu && f.helpgame->isVisible();

    add(1, "dot colour", [this] { DotColour(); });
    add(1, "sound", [this] { Sound(); });
    add(0.4, "web label", [this, &f] {
        SOAK_CHECK(Reachable(f.Label2), QStringLiteral("the main window's link cannot be clicked"));
        Visit(QStringLiteral("main window link"), [&f] { Click(f.Label2); });
    });
    if (helpMenu) {
        add(0.3, "web menu", [this, &f] { Visit(QStringLiteral("Visit menu"), [&f] { f.bngVisit->trigger(); }); });
        add(0.8, "about", [this] { About(); });
        add(1, "full help",
            [this, &S, &f] { OpenHelp(QStringLiteral("Full Help"), S.HelpTopic, [&f] { f.bngFullhelp->trigger(); }); });
    }
    if (howToPlay)
        add(1, "how to play", [this, &S, &f] {
            OpenHelp(QStringLiteral("How to play"), S.GameName == "Any Bingo" ? 11 : S.GameType - 1,
                     [&f] { f.helpgame->trigger(); });
        });
    if (boardShown) {
        add(GameOn() ? 1 : 0.4, "board ?", [this, &S, board] {
            SOAK_CHECK(Reachable(board->lblQuestion), QStringLiteral("the board's \"?\" cannot be clicked"));
            OpenHelp(QStringLiteral("the board's ?"), S.GameName == "Any Bingo" ? 11 : S.GameType - 1,
                     [board] { Click(board->lblQuestion); });
        });
        add(GameOn() ? 1 : 0.4, "board example", [this, &S, board] {
            SOAK_CHECK(Reachable(board->lblCoverinfo), QStringLiteral("the board's example cannot be clicked"));
            OpenHelp(QStringLiteral("the board's example"), S.GameName == "Any Bingo" ? 11 : S.GameType - 1,
                     [board] { Click(board->lblCoverinfo); });
        });
        add(0.4, "close board", [this] { CloseBoard(); });
    }
    if (f.bngPause->isEnabled()) add(S.Paused ? 25 : (GameOn() ? 3 : 0.3), "pause", [this] { Pause(); });
    add(0.08, "close main window", [this] { CloseMain(false); });
    add(0.05, "exit", [this] { CloseMain(true); });
    add(2, "pump", [this] { Pump(); });

    if (!Playing()) {
        add(20, "play", [this] { Play(); });
    } else if (GameOn()) {
        add(60, "ticks", [this] {
            const int r = Roll(10);
            const int n = r < 3 ? 1 + Roll(5) : r < 7 ? 5 + Roll(60) : 50 + Roll(300);
            Note(QStringLiteral("%1 ticks").arg(n));
            Ticks(n);
        });
        if (f.Timer1->Enabled() || f.tmrBallrool->Enabled()) add(0.4, "real ticks", [this] { RealTicks(); });
        add(15, "cell", [this] { ClickCell(); });
        add(App().E.CheckPlayerBingo() == Bingo ? 25 : 1.5, "claim", [this] { Claim(); });
        add(0.1, "end play", [this] { EndPlay(false); });
    } else {
        if (dialog) {
            add(4, "dialog OK", [this] { DialogOk(false); });
            add(2, "dialog frame", [this] { DialogOk(true); });
            add(8, "dialog next", [this] { NextGame(true); });
            add(0.5, "dialog end play", [this] { EndPlay(true); });
        }
        if (f.Bngnext->isVisible()) add(6, "next menu", [this] { NextGame(false); });
        add(0.5, "end play", [this] { EndPlay(false); });
        add(2, "cell", [this] { ClickCell(); });
        add(1, "ticks", [this] { Ticks(1 + Roll(60)); });
    }

    double total = 0;
    for (const Move& m : moves) total += m.weight;
    double r = std::uniform_real_distribution<double>(0.0, total)(rng_);
    const Move* chosen = &moves.back();
    for (const Move& m : moves) {
        if (r < m.weight) {
            chosen = &m;
            break;
        }
        r -= m.weight;
    }
    if (QLatin1String(chosen->name) != QLatin1String("ticks")) Note(QLatin1String(chosen->name));
    Count(QLatin1String(chosen->name));
    chosen->act();
    if (Chance(0.15)) Pump();
    if (!errors.isEmpty()) return;
    CheckStep();
    if (gameOn_ && !GameOn()) {
        gameOn_ = false;
        OnGameEnded();
    }
    SOAK_CHECK(gameSteps_ < kMaxStepsPerGame, QStringLiteral("a game does not end"));
}

// ---- Play and the options dialog -------------------------------------------------------

void Soak::Play() {
    auto& f = Main();
    auto& S = St();
    const int32_t winsBefore = S.Wins;
    bool started = false;
    int lastGame = 0;
    std::array<int, 4> picked{};
    Pending p = ExpectModal(QStringLiteral("BngOptions"), [&](QWidget* w) {
        AnswerOptions(*static_cast<win::BngOptions*>(w), &started, &lastGame, &picked);
    });
    f.bngPlay->trigger();
    Settle(p, QStringLiteral("the options dialog"));
    money_ = Purse{};
    if (!errors.isEmpty()) return;
    SOAK_CHECK(f.lblWins->Caption() == QString::number(winsBefore),
               QStringLiteral("Play shows %1 wins, not the %2 before it").arg(f.lblWins->Caption()).arg(winsBefore));
    SOAK_CHECK(!App().BngOptions.Loaded(), QStringLiteral("the options dialog stays loaded"));
    if (!started) {
        Count(QStringLiteral("options cancelled"));
        SOAK_CHECK(!Playing() && !f.Timer1->Enabled(), QStringLiteral("a cancelled options dialog starts play"));
        SOAK_CHECK(S.GameType == lastGame + 1,
                   QStringLiteral("GameType %1 after cancelling on list entry %2").arg(S.GameType).arg(lastGame));
        return;
    }
    const auto [boards, game, seconds, players] = picked;
    SOAK_CHECK(
        S.NumCards == boards + 1 && S.NumPc == players + 1 && S.CallInterval == (seconds + 1) * 5000,
        QStringLiteral("Start stored %1 boards, %2 players, %3 ms").arg(S.NumCards).arg(S.NumPc).arg(S.CallInterval));
    const bool random = game == RandomPickKind - 1;
    SOAK_CHECK(S.RandomPick == random, QStringLiteral("RandomPick %1 for list entry %2").arg(S.RandomPick).arg(game));
    if (random)
        SOAK_CHECK(S.GameType >= 1 && S.GameType <= 10 && f.windowTitle() == QLatin1String("Pelloric - Random Pick"),
                   QStringLiteral("Random Pick: GameType %1, caption %2").arg(S.GameType).arg(f.windowTitle()));
    else
        SOAK_CHECK(
            S.GameType == game + 1 && f.windowTitle() == QLatin1String("Pelloric"),
            QStringLiteral("GameType %1 for list entry %2, caption %3").arg(S.GameType).arg(game).arg(f.windowTitle()));
    SOAK_CHECK(Playing() && Shown(f.Picture1) && Shown(f.Picture2) == (boards == 1) &&
                   forms::WidthOf(f.Command1) == (boards == 1 ? 8895 : 3735),
               QStringLiteral("Start laid out %1 boards wrongly").arg(boards + 1));
    SOAK_CHECK(S.CalledCount == 0 && S.BallStep == 0, QStringLiteral("Play left %1 calls").arg(S.CalledCount));
    SOAK_CHECK(
        f.helpgame->isVisible() && Shown(f.lblWins) && Shown(f.lblBalance) && Shown(f.lblWins2) && Shown(f.lblbalnce2),
        QStringLiteral("Start did not show the money labels and How to play"));
    OnDeal(QStringLiteral("Start"));
}

void Soak::AnswerOptions(win::BngOptions& d, bool* started, int* lastGame, std::array<int, 4>* picked) {
    auto& S = St();
    QPointer<win::BngOptions> alive(&d);
    SOAK_CHECK(!S.GameRunning && !Main().Timer1->Enabled(), QStringLiteral("the options dialog opens during a game"));
    SOAK_CHECK(d.Combo1->currentIndex() == 0 && d.Combo2->currentIndex() == 0 && d.cmbSeconds->currentIndex() == 0 &&
                   d.cmbPlayers->currentIndex() == 0 && S.GameType == 1,
               QStringLiteral("the options dialog does not open on its first entries"));
    CheckOptionsExample(d);
    for (int i = 0, n = Roll(3); i < n; ++i) {
        d.Combo2->setCurrentIndex(Roll(12));
        CheckOptionsExample(d);
    }
    const int r = Roll(20);
    auto& [boards, game, seconds, players] = *picked;
    boards = Roll(2);
    game = Roll(12);
    seconds = r < 12 ? 0 : r < 17 ? 1 : 2;
    players = Roll(6);
    d.Combo1->setCurrentIndex(boards);
    d.Combo2->setCurrentIndex(game);
    d.cmbSeconds->setCurrentIndex(seconds);
    d.cmbPlayers->setCurrentIndex(players);
    CheckOptionsExample(d);
    Note(QStringLiteral("options: %1 boards, game %2, %3 s, %4 players")
             .arg(boards + 1)
             .arg(game + 1)
             .arg((seconds + 1) * 5)
             .arg(players + 1));

    for (int i = 0, n = Roll(4); i < n && alive && errors.isEmpty(); ++i) {
        const int pick = Roll(10);
        if (pick < 4) {
            SOAK_CHECK(Reachable(d.lblHelp), QStringLiteral("the options dialog's example area cannot be clicked"));
            const QString item = d.Combo2->currentText();
            const int page = item == QLatin1String("Any Bingo")     ? 11
                             : item == QLatin1String("Random Pick") ? 10
                                                                    : d.Combo2->currentIndex();
            OpenHelp(QStringLiteral("the options dialog's example"), page, [&d] { Click(d.lblHelp); });
        } else if (pick < 8) {
            SOAK_CHECK(Reachable(d.cmdHelp), QStringLiteral("the options dialog's Help cannot be clicked"));
            OpenHelp(
                QStringLiteral("the options dialog's Help"), -2, [&d] { Click(d.cmdHelp); }, true);
        } else {
            Visit(QStringLiteral("options link"), [&d] { Click(d.lblVisit); });
        }
        SOAK_CHECK(alive && !d.IsUnloaded() && QApplication::activeModalWidget() == &d,
                   QStringLiteral("the options dialog is gone after help"));
    }
    if (!alive || d.IsUnloaded() || !errors.isEmpty()) return;
    *lastGame = d.Combo2->currentIndex();
    const int end = Roll(100);
    if (end < 82) {
        *started = true;
        Click(d.Command1);
    } else if (end < 93) {
        Click(d.Command2);
    } else {
        d.close();
    }
    SOAK_CHECK(d.IsUnloaded(), QStringLiteral("the options dialog did not close"));
}

void Soak::CheckOptionsExample(win::BngOptions& d) {
    const int kind = d.Combo2->currentIndex() + 1;
    SOAK_CHECK(d.lblexamplename->Caption() == d.Combo2->currentText() && St().GameType == kind &&
                   d.lblInfo->Caption() == QLatin1String(ExamplePattern(kind).info),
               QStringLiteral("the options dialog's example of kind %1 is named %2, GameType %3")
                   .arg(kind)
                   .arg(d.lblexamplename->Caption())
                   .arg(St().GameType));
    Report(ExampleProblems(d.shpExample, d.lneExample, kind, QStringLiteral("options dialog")));
}

// ---- Help --------------------------------------------------------------------------

void Soak::OpenHelp(const QString& opener, int page, const std::function<void()>& open, bool optionsPanel) {
    auto& S = St();
    HelpVisit v;
    v.opener = opener;
    v.page = page;
    v.optionsPanel = optionsPanel;
    v.pausedHere = !S.Paused && (S.GameRunning || Main().Timer1->Enabled());
    v.paused = S.Paused || v.pausedHere;
    Pending p = ExpectModal(QStringLiteral("frmHelp"),
                            [this, v](QWidget* w) { AnswerHelp(*static_cast<win::frmHelp*>(w), v, 0); });
    open();
    Settle(p, QStringLiteral("help from ") + opener);
}

void Soak::AnswerHelp(win::frmHelp& h, const HelpVisit& visit, int depth) {
    auto& S = St();
    auto& f = Main();
    QPointer<win::frmHelp> alive(&h);
    Count(QStringLiteral("help from ") + visit.opener);
    SOAK_CHECK(!f.bngPause->isEnabled() && !f.bngPlay->isEnabled(),
               QStringLiteral("help from %1: Pause and Play stay enabled").arg(visit.opener));
    SOAK_CHECK(S.HelpOpenedFrom == 0 && S.HelpCaller == 0,
               QStringLiteral("help from %1 leaves HelpOpenedFrom %2, HelpCaller %3")
                   .arg(visit.opener)
                   .arg(S.HelpOpenedFrom)
                   .arg(S.HelpCaller));
    SOAK_CHECK(S.Paused == visit.paused, QStringLiteral("help from %1: Paused is %2").arg(visit.opener).arg(S.Paused));
    if (visit.pausedHere)
        SOAK_CHECK(!f.Timer1->Enabled() && BoardText() == QLatin1String("Game has been Paused"),
                   QStringLiteral("help from %1 did not pause the game: %2").arg(visit.opener, BoardText()));
    SOAK_CHECK(Shown(h.pctHelpOption) == visit.optionsPanel,
               QStringLiteral("help from %1: options-help panel %2").arg(visit.opener).arg(Shown(h.pctHelpOption)));
    if (visit.page != -2)
        SOAK_CHECK(
            S.HelpTopic == visit.page,
            QStringLiteral("help from %1 opens on page %2, not %3").arg(visit.opener).arg(S.HelpTopic).arg(visit.page));
    if (!visit.optionsPanel)
        SOAK_CHECK(Shown(h.pctContents) == (S.HelpTopic < 0),
                   QStringLiteral("help from %1 on page %2: contents list %3")
                       .arg(visit.opener)
                       .arg(S.HelpTopic)
                       .arg(Shown(h.pctContents)));
    Report(HelpPageProblems(h, St()));

    for (int i = 0, n = Roll(9); i < n && alive && !h.IsUnloaded() && errors.isEmpty(); ++i) {
        // What the player can reach, in groups: page buttons, contents
        // entries, the areas of the options picture, "Help on Bingo", the link.
        std::vector<QWidget*> groups[5];
        for (QWidget* b :
             {static_cast<QWidget*>(h.cmdNext), static_cast<QWidget*>(h.cmdBack), static_cast<QWidget*>(h.Command1)})
            if (Reachable(b)) groups[0].push_back(b);
        for (auto* e : h.lblcontents)
            if (Reachable(e)) groups[1].push_back(e);
        for (auto* a : h.lblobject)
            if (Reachable(a)) groups[2].push_back(a);
        if (depth == 0 && Reachable(h.lblHlp)) groups[3].push_back(h.lblHlp);
        if (Chance(0.1) && Reachable(h.lblVisit)) groups[4].push_back(h.lblVisit);
        std::vector<int> open;
        for (int g = 0; g < 5; ++g)
            if (!groups[g].empty()) open.push_back(g);
        if (open.empty()) break;
        const int g = open[Roll(int(open.size()))];
        QWidget* target = groups[g][Roll(int(groups[g].size()))];
        if (g == 3) {
            // "Help on Bingo": this window closes and a new one opens on the
            // page of the game selected in the options dialog beneath.
            auto* options = App().BngOptions.IfLoaded();
            SOAK_CHECK(options, QStringLiteral("\"Help on Bingo\" without the options dialog beneath"));
            if (!options) break;
            const QString item = options->Combo2->currentText();
            HelpVisit next;
            next.opener = QStringLiteral("Help on Bingo");
            next.page = item == QLatin1String("Any Bingo")     ? 11
                        : item == QLatin1String("Random Pick") ? 10
                                                               : options->Combo2->currentIndex();
            Pending p = ExpectModal(QStringLiteral("frmHelp"), [this, next, depth](QWidget* w) {
                AnswerHelp(*static_cast<win::frmHelp*>(w), next, depth + 1);
            });
            Click(h.lblHlp);
            Settle(p, QStringLiteral("help after Help on Bingo"));
            // The first window may be gone already: its deferred delete can run
            // in the new window's loop.
            SOAK_CHECK(!alive || alive->IsUnloaded(), QStringLiteral("\"Help on Bingo\" left its window open"));
            return;
        }
        if (g == 4) {
            Visit(QStringLiteral("help link"), [target] { Click(target); });
            continue;
        }
        if (g == 1 && Chance(0.3)) {
            // The mouse over an entry highlights it, as the window system reports it.
            const int index =
                int(std::find(h.lblcontents.begin(), h.lblcontents.end(), target) - h.lblcontents.begin());
            const QPointF at(target->rect().center());
            QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(target, &move);
            for (int e = 0; e < 13; ++e)
                SOAK_CHECK(h.lblcontents[e]->ForeColor() == (e == index ? kEntryHighlight : kEntryNormal),
                           QStringLiteral("contents entry %1 has colour %2 with the mouse over entry %3")
                               .arg(e)
                               .arg(h.lblcontents[e]->ForeColor())
                               .arg(index));
            continue;
        }
        Click(target);
        if (g == 1) {
            const int index =
                int(std::find(h.lblcontents.begin(), h.lblcontents.end(), target) - h.lblcontents.begin());
            SOAK_CHECK(S.HelpTopic == index - 1 && h.lblcontents[index]->ForeColor() == kEntryHighlight,
                       QStringLiteral("contents entry %1 leads to page %2").arg(index).arg(S.HelpTopic));
        }
        if (g == 2) {
            const int index = int(std::find(h.lblobject.begin(), h.lblobject.end(), target) - h.lblobject.begin());
            for (int k = 0; k < 7; ++k)
                SOAK_CHECK(Shown(h.lblopinfo[k]) == (k == index),
                           QStringLiteral("area %1 clicked: explanation %2 is %3")
                               .arg(index)
                               .arg(k)
                               .arg(Shown(h.lblopinfo[k])));
        }
        Report(HelpPageProblems(h, St()));
    }
    if (!alive || h.IsUnloaded()) return;
    const bool pausedAtClose = S.Paused;
    if (Chance(0.5)) {
        Click(h.Command2);
        SOAK_CHECK(S.HelpTopic == -1, QStringLiteral("Cancel leaves HelpTopic %1").arg(S.HelpTopic));
    } else {
        h.close();
    }
    SOAK_CHECK(!alive || alive->IsUnloaded(), QStringLiteral("help from %1 did not close").arg(visit.opener));
    AfterHelpClosed(pausedAtClose);
}

void Soak::AfterHelpClosed(bool pausedAtClose) {
    auto& S = St();
    auto& f = Main();
    SOAK_CHECK(!S.Paused, QStringLiteral("closing help leaves the game paused"));
    SOAK_CHECK(f.bngPause->isEnabled() && f.bngPlay->isEnabled() && f.isEnabled(),
               QStringLiteral("closing help leaves Pause %1, Play %2")
                   .arg(f.bngPause->isEnabled())
                   .arg(f.bngPlay->isEnabled()));
    if (!pausedAtClose) return;
    SOAK_CHECK(BoardText() == QLatin1String("Game has been Unpaused") && f.bngPause->text() == QLatin1String("Pause"),
               QStringLiteral("closing help resumed with %1 and %2").arg(BoardText(), f.bngPause->text()));
    if (S.GameRunning && S.CalledCount <= kLastBall)
        SOAK_CHECK(f.Timer1->Enabled(), QStringLiteral("closing help does not resume the calls"));
}

// ---- The player's own controls -------------------------------------------------------

void Soak::ClickCell() {
    auto& f = Main();
    const auto& S = St();
    std::vector<int> cells, called;
    const int32_t last = std::min(S.CalledCount, kLastBall);
    auto isCalled = [&](int index) {
        const int32_t number = f.Label1[index]->Caption().toInt();
        for (int32_t j = 1; j <= last; ++j)
            if (S.Called[j] == number) return true;
        return false;
    };
    for (int k = 0; k < 2; ++k) {
        if (!(k == 0 ? f.Picture1 : f.Picture2)->isVisible()) continue;
        for (int c = 1; c <= kCells; ++c) {
            cells.push_back(24 * k + c);
            if (isCalled(24 * k + c)) called.push_back(24 * k + c);
        }
        cells.push_back(49 + k);
    }
    if (cells.empty()) return;
    const int r = Roll(10);
    const int index = (r < 6 && !called.empty()) ? called[Roll(int(called.size()))]
                      : r < 8                    ? 49 + Roll(2)
                                                 : cells[Roll(int(cells.size()))];
    if (std::find(cells.begin(), cells.end(), index) == cells.end()) return;   // that board is hidden
    forms::Label* cell = f.Label1[index];
    SOAK_CHECK(Reachable(cell), QStringLiteral("cell %1 cannot be clicked").arg(index));
    const bool before = Shown(f.Image2[index]);
    const bool toggles = index > 48 || isCalled(index);
    Note(QStringLiteral("cell %1 (%2)").arg(index).arg(cell->Caption()));
    Click(cell);
    SOAK_CHECK(Shown(f.Image2[index]) == (toggles ? !before : before),
               QStringLiteral("cell %1 (%2, called %3): dot %4 -> %5")
                   .arg(index)
                   .arg(cell->Caption())
                   .arg(toggles)
                   .arg(before)
                   .arg(Shown(f.Image2[index])));
}

// The claim is judged against the called numbers alone. A pattern found
// valid must be covered on a card that counts; a covered pattern must be
// found, but for the kite, whose test tries only the first complete diagonal.
void Soak::Claim() {
    auto& f = Main();
    auto& S = St();
    const int judged = App().E.CheckPlayerBingo();
    const int kind = S.GameType;
    Cells covered[2] = {Covered(S, S.Card1, S.CalledCount), S.NumCards == 2 ? Covered(S, S.Card2, S.CalledCount) : 0};
    const bool holds = Holds(kind, covered[0], true) || Holds(kind, covered[1], true);
    const bool holdsPlain = Holds(kind, covered[0], false) || Holds(kind, covered[1], false);
    SOAK_CHECK(judged != Bingo || holds,
               QStringLiteral("a claim of kind %1 is valid with no pattern covered").arg(kind));
    if (kind != KiteBingo)
        SOAK_CHECK(judged == Bingo || !holdsPlain,
                   QStringLiteral("a covered pattern of kind %1 is not a valid claim").arg(kind));
    SOAK_CHECK(Reachable(f.Command1), QStringLiteral("the claim button cannot be clicked"));
    Note(judged == Bingo ? QStringLiteral("claim (valid)") : QStringLiteral("claim (not valid)"));
    Count(judged == Bingo ? QStringLiteral("valid claims") : QStringLiteral("claims not valid"));
    Click(f.Command1);
    if (judged != Bingo) {
        SOAK_CHECK(
            f.Timer1->Enabled() && BoardText() == QStringLiteral("Sorry, Continue Jackpot is $%1").arg(money_.jackpot),
            QStringLiteral("a claim that is not valid: caller %1, board %2").arg(f.Timer1->Enabled()).arg(BoardText()));
        return;
    }
    money_.level += 1;
    money_.balance += money_.jackpot;
    money_.wins += 1;
    auto* dialog = App().frmGamestatus.IfLoaded();
    SOAK_CHECK(dialog && dialog->isVisible() && f.Bngnext->isVisible() &&
                   f.Bngnext->text() == QLatin1String("&Next game") && !f.Command1->isEnabled() &&
                   !f.Timer1->Enabled() && !S.GameRunning,
               QStringLiteral("a valid claim does not end the game"));
    SOAK_CHECK(BoardText() == QStringLiteral("You are a Winner your new balance is $%1").arg(money_.balance) &&
                   f.lblBalance->Caption() == Q(Money(money_.balance)) &&
                   f.lblWins->Caption() == QString::number(money_.wins),
               QStringLiteral("a valid claim shows %1, balance %2, wins %3")
                   .arg(BoardText(), f.lblBalance->Caption(), f.lblWins->Caption()));
    if (dialog)
        SOAK_CHECK(dialog->lblStatus->Caption() == Congratulation() &&
                       dialog->lblStatus2->Caption() ==
                           QLatin1String("If you would like to play the next game press Next Game") &&
                       dialog->cmdTryagain->text() == QLatin1String("&Next game"),
                   QStringLiteral("the end-of-game dialog after a valid claim reads %1 / %2")
                       .arg(dialog->lblStatus->Caption(), dialog->lblStatus2->Caption()));
}

void Soak::Pause() {
    auto& f = Main();
    auto& S = St();
    const bool claimable = f.Command1->isEnabled();
    const bool wasPaused = S.Paused;
    const bool pauses = !wasPaused && (S.GameRunning || f.Timer1->Enabled());
    const QString caption = f.bngPause->text();
    f.bngPause->trigger();
    if (!claimable) {
        SOAK_CHECK(S.Paused == wasPaused && f.bngPause->text() == caption,
                   QStringLiteral("Pause acted with no game to claim"));
        return;
    }
    if (wasPaused)
        SOAK_CHECK(!S.Paused && f.bngPause->text() == QLatin1String("Pause") &&
                       BoardText() == QLatin1String("Game has been Unpaused") &&
                       (!S.GameRunning || S.CalledCount > kLastBall || f.Timer1->Enabled()),
                   QStringLiteral("a resume leaves Paused %1, %2, caller %3")
                       .arg(S.Paused)
                       .arg(f.bngPause->text())
                       .arg(f.Timer1->Enabled()));
    else if (pauses)
        SOAK_CHECK(S.Paused && f.bngPause->text() == QLatin1String("Unpause") &&
                       BoardText() == QLatin1String("Game has been Paused") && !f.Timer1->Enabled(),
                   QStringLiteral("a pause leaves Paused %1, %2, caller %3")
                       .arg(S.Paused)
                       .arg(f.bngPause->text())
                       .arg(f.Timer1->Enabled()));
    else
        SOAK_CHECK(!S.Paused, QStringLiteral("a pause with no game running paused it"));
}

void Soak::About() {
    auto& f = Main();
    auto& rec = session_.rec;
    const bool caller = f.Timer1->Enabled();
    const int32_t elapsed = St().CallElapsed;
    const int boxes = int(rec.messageBoxes.size());
    Pending p = ExpectModal(QStringLiteral("QMessageBox"), [this, &f](QWidget* w) {
        SOAK_CHECK(!f.Timer1->Enabled(), QStringLiteral("the ball caller runs behind the About box"));
        AnswerBox(w);
    });
    f.bnghelpabout->trigger();
    Settle(p, QStringLiteral("the About box"));
    SOAK_CHECK(f.Timer1->Enabled() == caller && St().CallElapsed == elapsed && rec.messageBoxes.size() == boxes + 1,
               QStringLiteral("About changed the caller from %1 to %2").arg(caller).arg(f.Timer1->Enabled()));
}

void Soak::Visit(const QString& where, const std::function<void()>& click) {
    auto& rec = session_.rec;
    rec.browserStarts = Chance(0.8);
    const QStringList before = rec.browser;
    const QString url = QLatin1String(kWebAddress);
    click();
    QStringList want = before;
    want << QStringLiteral("start ") + url;
    if (!rec.browserStarts) want << QStringLiteral("fallback ") + url;
    SOAK_CHECK(rec.browser == want,
               QStringLiteral("%1 opened %2").arg(where, rec.browser.mid(before.size()).join(QStringLiteral(", "))));
    rec.browserStarts = true;
}

void Soak::DotColour() {
    auto& f = Main();
    QAction* entries[5] = {f.bngOptdotblue, f.bngOptdotred, f.bngOptdotgreen, f.bngOptdotyellow, f.bngOptdotPurple};
    dotColour_ = Roll(5);
    entries[dotColour_]->trigger();
}

void Soak::Sound() {
    const bool before = SoundOn();
    Main().bngoptSound->trigger();
    SOAK_CHECK(SoundOn() == !before, QStringLiteral("the sound entry reads %1").arg(Main().bngoptSound->text()));
}

void Soak::CloseBoard() {
    auto* board = App().Bingomsg.IfLoaded();
    if (!board) return;
    board->close();
    SOAK_CHECK(!App().Bingomsg.Loaded(), QStringLiteral("the board closed by its frame stays loaded"));
}

// Closing the main window, or Exit, ends the process: the recording
// platform counts it instead, and the window stays.
void Soak::CloseMain(bool byExit) {
    auto& f = Main();
    const int before = session_.rec.endProcess;
    if (byExit)
        f.bngfileExit->trigger();
    else
        f.close();
    SOAK_CHECK(
        session_.rec.endProcess == before + 1 && App().Form1.Loaded() && f.isVisible(),
        QStringLiteral("closing the main window ended the process %1 times").arg(session_.rec.endProcess - before));
}

void Soak::EndPlay(bool fromDialog) {
    auto& f = Main();
    auto& S = St();
    const bool paused = S.Paused;
    const QString pauseCaption = f.bngPause->text();
    if (fromDialog)
        Click(App().frmGamestatus().cmdEndPlay);
    else
        f.bngPlay->trigger();
    money_.level = 1;
    money_.wins = 0;
    bool dotsHidden = true;
    for (int i = 1; i <= 50; ++i) dotsHidden = dotsHidden && !Shown(f.Image2[i]);
    SOAK_CHECK(!Playing() && !S.GameRunning && !f.Timer1->Enabled() && !f.tmrBallrool->Enabled() &&
                   !f.Bngnext->isVisible() && !f.bngPause->isEnabled() && !Shown(f.Command1) && !Shown(f.Picture1) &&
                   !Shown(f.Picture2) && !Shown(f.lblball) && !Shown(f.imgBallroll) && !Shown(f.lblBalance) &&
                   dotsHidden,
               QStringLiteral("End Play leaves the main window in play"));
    SOAK_CHECK(!App().Bingomsg.Loaded() && !App().frmGamestatus.Loaded(),
               QStringLiteral("End Play leaves the board or the dialog open"));
    SOAK_CHECK(S.Paused == paused && f.bngPause->text() == pauseCaption, QStringLiteral("End Play changed the pause"));
}

void Soak::NextGame(bool fromDialog) {
    auto& f = Main();
    auto& S = St();
    const bool charge = f.Bngnext->text() == QLatin1String("&Next game");
    const int price = S.NumPc <= 1 ? 5 : 10;
    const bool free1 = Shown(f.Image2[49]), free2 = Shown(f.Image2[50]);
    const int16_t kind = S.GameType;
    Count(charge ? QStringLiteral("next games") : QStringLiteral("try agains"));
    Pending p;
    if (charge)
        p = ExpectModal(QStringLiteral("QMessageBox"), [this, fromDialog, price, &f](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            SOAK_CHECK(box->text() == QStringLiteral("This Game will cost $%1.00").arg(price) &&
                           box->windowTitle() == QLatin1String("Next Game"),
                       QStringLiteral("the price box reads %1 | %2").arg(box->windowTitle(), box->text()));
            auto* dialog = App().frmGamestatus.IfLoaded();
            SOAK_CHECK(bool(dialog && dialog->isVisible()) == fromDialog,
                       QStringLiteral("the end-of-game dialog under the price box: %1").arg(bool(dialog)));
            SOAK_CHECK(!f.Timer1->Enabled() && !f.tmrBallrool->Enabled(),
                       QStringLiteral("a timer runs behind the price box"));
            AnswerBox(w);
        });
    if (fromDialog)
        Click(App().frmGamestatus().cmdTryagain);
    else
        f.Bngnext->trigger();
    if (charge) {
        Settle(p, QStringLiteral("the price box"));
        money_.balance -= price;
    } else {
        money_.balance = 0;
        money_.level = 1;
    }
    SOAK_CHECK(Shown(f.Image2[49]) == free1 && Shown(f.Image2[50]) == free2,
               QStringLiteral("the next game changed a free-space dot"));
    SOAK_CHECK(!App().frmGamestatus.Loaded() && HelpMenuOpen() && !f.Bngnext->isVisible(),
               QStringLiteral("the next game leaves the dialog, the Help menu lock or the Next menu"));
    if (!S.RandomPick)
        SOAK_CHECK(S.GameType == kind, QStringLiteral("the next game changed the kind to %1").arg(S.GameType));
    OnDeal(charge ? QStringLiteral("Next game") : QStringLiteral("Try Again"));
}

void Soak::DialogOk(bool byFrame) {
    auto* dialog = App().frmGamestatus.IfLoaded();
    if (!dialog) return;
    if (byFrame)
        dialog->close();
    else
        Click(dialog->cmdOK);
    SOAK_CHECK(!App().frmGamestatus.Loaded() && HelpMenuOpen() && Main().Bngnext->isVisible(),
               QStringLiteral("closing the end-of-game dialog leaves it loaded, or the Help menu locked"));
}

// ---- Checks ---------------------------------------------------------------------------

void Soak::OnDeal(const QString& how) {
    auto& f = Main();
    auto& S = St();
    ++dealt_;
    gameSteps_ = 0;
    gameOn_ = true;
    gameType_ = S.GameType;
    money_.jackpot = money_.level * 5 * S.NumPc;
    Note(QStringLiteral("deal %1 by %2: %3, %4 boards, %5 players")
             .arg(dealt_)
             .arg(how, Q(S.GameName))
             .arg(S.NumCards)
             .arg(S.NumPc));

    Report(CardProblems(S.Card1, QStringLiteral("card 1")));
    Report(CardProblems(S.Card2, QStringLiteral("card 2")));
    for (int p = 1; p <= S.NumPc; ++p) Report(CardProblems(S.PcCard[p], QStringLiteral("computer card %1").arg(p)));
    for (int c = 1; c <= kCells; ++c)
        SOAK_CHECK(
            f.Label1[c]->Caption() == QString::number(S.Card1[c]) &&
                f.Label1[24 + c]->Caption() == QString::number(S.Card2[c]),
            QStringLiteral("cell %1 shows %2 / %3").arg(c).arg(f.Label1[c]->Caption(), f.Label1[24 + c]->Caption()));
    SOAK_CHECK(S.GameType >= 1 && S.GameType <= 11 && (!S.RandomPick || S.GameType <= 10) &&
                   S.GameName == GameKindName(S.GameType),
               QStringLiteral("%1 deals kind %2 named %3").arg(how).arg(S.GameType).arg(Q(S.GameName)));
    SOAK_CHECK(S.GameRunning && !S.Paused && S.CallElapsed == 0 && S.CalledCount == 0 && S.BallStep == 0,
               QStringLiteral("%1 starts with running %2, paused %3, %4 calls")
                   .arg(how)
                   .arg(S.GameRunning)
                   .arg(S.Paused)
                   .arg(S.CalledCount));
    SOAK_CHECK(f.Timer1->Enabled() && Shown(f.Command1) && f.Command1->isEnabled() &&
                   f.Command1->toolTip() == QLatin1String("If you have BINGO then press here") &&
                   f.bngPause->isEnabled() && !f.Bngnext->isVisible() &&
                   test::MenuText(f.helpgame) == QStringLiteral("How to play ") + Q(S.GameName),
               QStringLiteral("%1 does not make the main window ready for play").arg(how));
    for (int i = 1; i <= 48; ++i)
        SOAK_CHECK(!Shown(f.Image2[i]), QStringLiteral("%1 keeps the dot of cell %2").arg(how).arg(i));

    auto* board = App().Bingomsg.IfLoaded();
    gameBoard_ = board;
    SOAK_CHECK(board && board->isVisible(), QStringLiteral("%1 does not show the board").arg(how));
    if (!board) return;
    for (int n = 1; n <= 75; ++n)
        SOAK_CHECK(
            board->lblselctedNums[n]->Caption() == QString::number(n) && board->lblselctedNums[n]->ForeColor() == kGrey,
            QStringLiteral("%1: the fresh board shows number %2 as %3")
                .arg(how)
                .arg(n)
                .arg(board->lblselctedNums[n]->Caption()));
    for (auto* cell : board->lblExample)
        SOAK_CHECK(cell->Caption().isEmpty(), QStringLiteral("%1: the board shows a card").arg(how));
    Report(ExampleProblems(board->shpExample, board->lneExample, S.GameType, QStringLiteral("board")));
    const QString players = S.NumPc == 1 ? QStringLiteral("1 player") : QStringLiteral("%1 players").arg(S.NumPc);
    const QString opening = QStringLiteral("You are playing %1, Jackpot is $%2. There is %3 playing against you.")
                                .arg(Q(S.GameName))
                                .arg(money_.jackpot)
                                .arg(players);
    SOAK_CHECK(board->lblMsg->Caption() == opening && board->lblexplname->Caption() == Q(S.GameName),
               QStringLiteral("%1 opens with %2").arg(how, board->lblMsg->Caption()));
}

// After a due tick of the ball caller: the calls, the board, the status line
// and the ball display; then either the computer player who won holds a
// pattern, or none of them does.
void Soak::AfterBall(bool wasOn) {
    auto& f = Main();
    auto& S = St();
    Report(CallProblems(St()));
    CheckBoard();
    if (!errors.isEmpty()) return;
    if (wasOn && !GameOn()) {
        OnPcWin();
        return;
    }
    const QString status = QStringLiteral("You are playing %1, Jackpot is $%2. There is %3 playing against you.")
                               .arg(Q(S.GameName))
                               .arg(S.JackpotLevel * 5 * S.NumPc)
                               .arg(S.NumPc);
    SOAK_CHECK(BoardText() == status, QStringLiteral("the status line at a call reads %1").arg(BoardText()));
    if (S.CalledCount <= kLastBall) {
        const int32_t ball = S.Called[S.CalledCount];
        const QString text = QLatin1Char(kColumnLetter[S.CallCol[S.CalledCount]]) + QString::number(ball);
        SOAK_CHECK(f.lblball->Caption() == text,
                   QStringLiteral("ball %1 is shown as %2").arg(text, f.lblball->Caption()));
    }
    if (!wasOn || S.GameType == KiteBingo) return;
    for (int p = 1; p <= S.NumPc; ++p)
        SOAK_CHECK(!Holds(S.GameType, Covered(S, S.PcCard[p], S.CalledCount - 1), false),
                   QStringLiteral("computer player %1 holds kind %2 after %3 calls and is not announced")
                       .arg(p)
                       .arg(S.GameType)
                       .arg(S.CalledCount));
}

void Soak::OnPcWin() {
    auto& f = Main();
    auto& S = St();
    const int32_t p = S.WinnerNo;
    Count(QStringLiteral("computer wins"));
    Note(QStringLiteral("computer player %1 wins after %2 calls").arg(p).arg(S.CalledCount));
    SOAK_CHECK(S.WinnerKind == 2 && p >= 1 && p <= S.NumPc,
               QStringLiteral("winner %1 of kind %2").arg(p).arg(S.WinnerKind));
    if (p < 1 || p > S.NumPc) return;
    const int count = S.WinCellCount;
    SOAK_CHECK(count == 4 || count == 5 || count == 8 || count == 10 || count == 16 || count == 24,
               QStringLiteral("%1 winning cells").arg(count));
    Cells won = 0;
    for (int i = 1; i <= count && i <= 24; ++i) {
        const int c = S.WinCells[p][i];
        SOAK_CHECK(c >= 1 && c <= kCells, QStringLiteral("winning cell %1").arg(c));
        if (c >= 1 && c <= kCells) won |= 1u << c;
    }
    const Cells covered = Covered(S, S.PcCard[p], S.CalledCount - 1);
    SOAK_CHECK((won & ~covered) == 0, QStringLiteral("computer player %1 wins with cells not yet called").arg(p));
    SOAK_CHECK(IsShape(S.GameType, won),
               QStringLiteral("computer player %1's winning cells %2 are no pattern of kind %3")
                   .arg(p)
                   .arg(won, 0, 16)
                   .arg(S.GameType));

    auto* board = App().Bingomsg.IfLoaded();
    SOAK_CHECK(board, QStringLiteral("a computer win without a board"));
    if (board) {
        for (int c = 1; c <= kCells; ++c) {
            const auto* cell = board->lblExample[c - 1];
            SOAK_CHECK(cell->Caption() == QString::number(S.PcCard[p][c]) &&
                           (cell->ForeColor() == kRed) == bool(won & (1u << c)),
                       QStringLiteral("the winning card shows cell %1 as %2 in %3")
                           .arg(c)
                           .arg(cell->Caption())
                           .arg(cell->ForeColor()));
        }
        for (auto* d : board->shpExample)
            SOAK_CHECK(!Shown(d), QStringLiteral("the winning card keeps an example dot"));
        for (auto* l : board->lneExample)
            SOAK_CHECK(!Shown(l), QStringLiteral("the winning card keeps an example line"));
    }
    const bool usedUp = S.Balance < 1;
    const QString announcement = QStringLiteral("The Computer Player #%1 has won the jackpot.").arg(p) +
                                 (usedUp ? QStringLiteral("  Your balance is 0 Game Over.") : QString());
    SOAK_CHECK(BoardText() == announcement, QStringLiteral("a computer win reads %1").arg(BoardText()));
    SOAK_CHECK(
        f.Bngnext->isVisible() &&
            f.Bngnext->text() == (usedUp ? QLatin1String("&Try Again") : QLatin1String("&Next game")),
        QStringLiteral("after a computer win with balance %1 the menu reads %2").arg(S.Balance).arg(f.Bngnext->text()));
    SOAK_CHECK(!f.Timer1->Enabled() && !f.tmrBallrool->Enabled() && !Shown(f.imgBallroll) && !f.Command1->isEnabled() &&
                   f.Command1->toolTip() == QLatin1String("Press End Game to start a new game") && !HelpMenuOpen() &&
                   !S.GameRunning,
               QStringLiteral("a computer win does not stop the game"));
    auto* dialog = App().frmGamestatus.IfLoaded();
    SOAK_CHECK(dialog && dialog->isVisible(), QStringLiteral("a computer win does not show the end-of-game dialog"));
    if (!dialog) return;
    const QString status = dialog->lblStatus->Caption();
    if (usedUp)
        SOAK_CHECK(status.startsWith(Q(Engine::PcPlayerName(p)) + QStringLiteral(", ")) &&
                       dialog->lblStatus2->Caption() == QLatin1String("If you would like to try again press Try Again"),
                   QStringLiteral("the dialog after a game-over win reads %1").arg(status));
    else
        SOAK_CHECK(
            status == announcement && dialog->lblStatus2->Caption() ==
                                          QLatin1String("If you would like to play the next game press Next Game"),
            QStringLiteral("the dialog after a computer win reads %1").arg(status));
    SOAK_CHECK(dialog->cmdTryagain->text() == f.Bngnext->text(),
               QStringLiteral("the dialog's middle button reads %1").arg(dialog->cmdTryagain->text()));
}

void Soak::CheckBoard() {
    auto* board = App().Bingomsg.IfLoaded();
    if (board && Playing()) Report(BoardColourProblems(*board, St(), board == gameBoard_.data()));
}

void Soak::CheckStep() {
    auto& f = Main();
    auto& S = St();
    auto& rec = session_.rec;
    SOAK_CHECK(!QApplication::activeModalWidget(), QStringLiteral("a modal window stays open"));
    for (const QString& w : TakeWarnings()) Fail(QStringLiteral("warning: ") + w);
    SOAK_CHECK(App().Form1.Loaded() && f.isVisible() && f.isEnabled() && f.bngPlay->isEnabled(),
               QStringLiteral("the main window is hidden, disabled or without Play"));
    Report(CallProblems(St()));
    CheckBoard();
    SOAK_CHECK(S.Balance == money_.balance && S.Jackpot == money_.jackpot && S.JackpotLevel == money_.level &&
                   S.Wins == money_.wins,
               QStringLiteral("money: balance %1 (%2), jackpot %3 (%4), level %5 (%6), wins %7 (%8)")
                   .arg(S.Balance)
                   .arg(money_.balance)
                   .arg(S.Jackpot)
                   .arg(money_.jackpot)
                   .arg(S.JackpotLevel)
                   .arg(money_.level)
                   .arg(S.Wins)
                   .arg(money_.wins));
    SOAK_CHECK(rec.beeps == expectedBeeps_,
               QStringLiteral("%1 beeps for %2 due calls with sound").arg(rec.beeps).arg(expectedBeeps_));
    const int32_t last = std::min(S.CalledCount, kLastBall);
    for (int i = 1; i <= 48; ++i) {
        if (!Shown(f.Image2[i])) continue;
        const int32_t number = f.Label1[i]->Caption().toInt();
        bool called = false;
        for (int32_t j = 1; j <= last && !called; ++j) called = S.Called[j] == number;
        SOAK_CHECK(called, QStringLiteral("cell %1 (%2) is dotted but not called").arg(i).arg(number));
    }
    for (int i = 1; i <= 50; ++i)
        SOAK_CHECK(f.Image2[i]->GetPicture() == f.imgDotcolor[dotColour_]->GetPicture(),
                   QStringLiteral("dot %1 does not have colour %2").arg(i).arg(dotColour_));
    SOAK_CHECK(!S.Paused || f.bngPause->text() == QLatin1String("Unpause"),
               QStringLiteral("paused, and the entry reads Pause"));

    auto* dialog = App().frmGamestatus.IfLoaded();
    SOAK_CHECK(HelpMenuOpen() == !dialog,
               QStringLiteral("Help menu %1 with the dialog %2").arg(HelpMenuOpen()).arg(bool(dialog)));
    if (dialog)
        SOAK_CHECK(!S.GameRunning && !f.Timer1->Enabled() && !f.tmrBallrool->Enabled() && f.Bngnext->isVisible() &&
                       !f.Command1->isEnabled(),
                   QStringLiteral("the end-of-game dialog is open during a game"));
    if (!Playing()) {
        SOAK_CHECK(!S.GameRunning && !f.Timer1->Enabled() && !f.tmrBallrool->Enabled() && !f.Bngnext->isVisible() &&
                       !Shown(f.Command1) && !Shown(f.Picture1) && !Shown(f.Picture2),
                   QStringLiteral("the idle main window is in play"));
        return;
    }
    SOAK_CHECK(S.GameType == gameType_,
               QStringLiteral("the game's kind changed from %1 to %2").arg(gameType_).arg(S.GameType));
    SOAK_CHECK(f.lblBalance->Caption() == Q(Money(S.Balance)),
               QStringLiteral("the balance shows %1").arg(f.lblBalance->Caption()));
    if (GameOn()) {
        SOAK_CHECK(S.GameRunning && !f.Bngnext->isVisible() && Shown(f.Command1),
                   QStringLiteral("a game on without its controls"));
        if (!S.Paused && S.CalledCount <= kLastBall)
            SOAK_CHECK(f.Timer1->Enabled(), QStringLiteral("the ball caller stands still in a running game"));
    } else {
        SOAK_CHECK(!S.GameRunning && f.Bngnext->isVisible() && !f.Timer1->Enabled(),
                   QStringLiteral("a finished game still runs"));
    }
}

void Soak::OnGameEnded() {
    ++gamesEnded;
    Pump();
    CheckWindows();
    // The recorder keeps every message box and link: only this game's count.
    session_.rec.messageBoxes.clear();
    session_.rec.browser.clear();
    if (gamesEnded % 100 != 0) return;
    // Memory is read with play ended, so that every reading finds the same
    // windows loaded.
    if (Playing()) EndPlay(false);
    Pump();
    const Memory now{VmRssKb(), HeapKb()};
    if (gamesEnded == kHeapFlatFrom) atFlat = now;
    qInfo("soak: %d games, %lld s, RSS %ld kB, heap %ld kB", gamesEnded, clock_.elapsed() / 1000, now.rss, now.heap);
}

void Soak::CheckWindows() { Report(census_.Take()); }

// ---- The run ----------------------------------------------------------------------------

void Soak::Run() {
    clock_.start();
    while (gamesEnded < games_ && errors.isEmpty()) Step();
    if (errors.isEmpty() && Playing()) EndPlay(false);
    Pump();
    if (errors.isEmpty()) CheckWindows();
    atEnd = {VmRssKb(), HeapKb()};
    renewedPalettes = palettes_->Renewed();
}

QString Soak::Figures() const {
    QString s = QStringLiteral(
                    "%1 games (%2 dealt), %3 steps, %4 due calls, %5 real ticks (%6 held back), %7 s; "
                    "top-level widgets at most %8")
                    .arg(gamesEnded)
                    .arg(dealt_)
                    .arg(steps_)
                    .arg(dueTicks_)
                    .arg(realTicks_)
                    .arg(swallowed_)
                    .arg(clock_.elapsed() / 1000.0, 0, 'f', 1)
                    .arg(census_.MaxTopLevel());
    s += QStringLiteral("\n  moves:");
    for (const auto& [name, n] : stats_) s += QStringLiteral(" %1=%2").arg(name).arg(n);
    return s;
}

}   // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void randomPlayer() {
        const int games = EnvCount("PELLORIC_SOAK_GAMES", kDefaultGames);
        bool seeded = false;
        uint64_t seed = qEnvironmentVariable("PELLORIC_SOAK_SEED").toULongLong(&seeded);
        if (!seeded) seed = 777;   // the same run every time unless a seed is given
        qInfo("soak: seed %llu, %d games (PELLORIC_SOAK_SEED=%llu repeats this run)", (unsigned long long)seed, games,
              (unsigned long long)seed);

        CollectWarnings(true);
        QString figures;
        QStringList errors;
        Soak::Memory atFlat, atEnd;
        QStringList renewedPalettes;
        {
            Soak soak(seed, games);
            soak.Run();
            figures = soak.Figures();
            errors = soak.errors;
            atFlat = soak.atFlat;
            atEnd = soak.atEnd;
            renewedPalettes = soak.renewedPalettes;
        }
        CollectWarnings(false);
        qInfo("soak: %s", qPrintable(figures));
        if (games > kHeapFlatFrom)
            qInfo("soak: RSS %ld kB at game %d, %ld kB at the end; heap %ld kB at game %d, %ld kB at the end",
                  atFlat.rss, kHeapFlatFrom, atEnd.rss, atFlat.heap, kHeapFlatFrom, atEnd.heap);
        else
            qInfo("soak: RSS %ld kB, heap %ld kB at the end", atEnd.rss, atEnd.heap);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QStringLiteral("\n"))));
        QVERIFY2(renewedPalettes.isEmpty(),
                 qPrintable(QStringLiteral("controls drawn with more than one palette (seed %1): %2")
                                .arg(seed)
                                .arg(renewedPalettes.join(QStringLiteral(", ")))));
        if (games < kMemoryCheckGames) return;
        QVERIFY2(atEnd.heap - atFlat.heap <= kHeapGrowthKb,
                 qPrintable(QStringLiteral("the heap grew by %1 kB from game %2 to the end, more than the %3 kB "
                                           "allowed (seed %4)")
                                .arg(atEnd.heap - atFlat.heap)
                                .arg(kHeapFlatFrom)
                                .arg(kHeapGrowthKb)
                                .arg(seed)));
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
