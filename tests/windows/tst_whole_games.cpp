// Whole games through the real windows, as a player meets them: "&Play" and
// "Start" for every game type, with one and two boards against one and six
// computer players; the balls called tick by tick; the player's claim as soon
// as a card shows the pattern; computer wins; "&Next game" from the menu and
// from the end-of-game dialog; a computer win that uses up the balance;
// "&Try Again" and "&End Play".
//
// What the player holds is read from the windows only: the numbers of the
// card labels, placed by where they lie, and the balls as the ball display
// shows them after each drop. The money is worked out here from the game's
// rules, never read from the engine.
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "tests/windows/support/harness.h"
#include "tests/windows/support/texts.h"
#include "windows/bingomsg.h"
#include "windows/form1.h"
#include "windows/frmgamestatus.h"

using namespace pelloric;

namespace {

// The options dialog's game list, in list order.
const std::array<QString, 12> kGameNames = {
    QStringLiteral("Regular Bingo"),     QStringLiteral("Four Corners"),         QStringLiteral("Cover All"),
    QStringLiteral("Postage Stamp"),     QStringLiteral("Big Diamond"),          QStringLiteral("Small Diamond"),
    QStringLiteral("Kite Bingo"),        QStringLiteral("Big Picture Frame"),    QStringLiteral("Little Picture Frame"),
    QStringLiteral("B & O Railroad Tracks"), QStringLiteral("Any Bingo"),        QStringLiteral("Random Pick")};
constexpr int kAnyBingo = 11;
constexpr int kRandomPick = 12;

const std::array<QString, 6> kPcNames = {QStringLiteral("Bingo Ben"),    QStringLiteral("Dots Dot"),
                                         QStringLiteral("Money Marcy"),  QStringLiteral("Jackpot John"),
                                         QStringLiteral("Numbers Nathan"), QStringLiteral("Winning Wanda")};

constexpr int kBallTicks = 101;   // "5 Seconds": a ball every 101 ticks of the caller
constexpr uint32_t kRed = 255;

// ---- The test's own pattern reference -------------------------------------------
// A cell is coded by its column (1..5, B to O) and its row (1..5 from the top).
// The free centre belongs to no pattern: lines through it need only their
// four numbered cells.
constexpr int At(int col, int row) { return col * 10 + row; }
constexpr int kCentre = At(3, 3);
using Pattern = std::set<int>;

Pattern Block(int col, int row) { return {At(col, row), At(col + 1, row), At(col, row + 1), At(col + 1, row + 1)}; }

Pattern Cells(bool (*in)(int col, int row)) {
    Pattern p;
    for (int col = 1; col <= 5; ++col)
        for (int row = 1; row <= 5; ++row)
            if (At(col, row) != kCentre && in(col, row)) p.insert(At(col, row));
    return p;
}

Pattern Joined(Pattern a, const Pattern& b) {
    a.insert(b.begin(), b.end());
    return a;
}

// Every way of holding the pattern of a game kind 1..10; Any Bingo takes all of them.
std::vector<Pattern> PatternsOf(int kind) {
    std::vector<Pattern> out;
    Pattern down, up;   // the diagonal from the top-left corner, and from the bottom-left corner
    for (int i = 1; i <= 5; ++i) {
        if (i == 3) continue;
        down.insert(At(i, i));
        up.insert(At(i, 6 - i));
    }
    const Pattern topLeft = Block(1, 1), bottomLeft = Block(1, 4), topRight = Block(4, 1), bottomRight = Block(4, 4);
    switch (kind) {
        case 1:   // a row, a column or a diagonal
            for (int k = 1; k <= 5; ++k) {
                Pattern row, col;
                for (int i = 1; i <= 5; ++i) {
                    if (At(i, k) != kCentre) row.insert(At(i, k));
                    if (At(k, i) != kCentre) col.insert(At(k, i));
                }
                out.push_back(row);
                out.push_back(col);
            }
            out.push_back(down);
            out.push_back(up);
            break;
        case 2: out.push_back({At(1, 1), At(1, 5), At(5, 1), At(5, 5)}); break;
        case 3: out.push_back(Cells([](int, int) { return true; })); break;
        case 4: out = {topLeft, bottomLeft, topRight, bottomRight}; break;
        case 5: out.push_back({At(3, 1), At(1, 3), At(5, 3), At(3, 5), At(2, 2), At(4, 2), At(2, 4), At(4, 4)}); break;
        case 6: out.push_back({At(3, 2), At(2, 3), At(4, 3), At(3, 4)}); break;
        case 7:   // a diagonal with a stamp at one of its ends
            out = {Joined(down, topLeft), Joined(down, bottomRight), Joined(up, bottomLeft), Joined(up, topRight)};
            break;
        case 8: out.push_back(Cells([](int c, int r) { return c == 1 || c == 5 || r == 1 || r == 5; })); break;
        case 9: out.push_back(Cells([](int c, int r) { return c >= 2 && c <= 4 && r >= 2 && r <= 4; })); break;
        case 10: out.push_back(Cells([](int c, int) { return c == 1 || c == 5; })); break;
        case kAnyBingo:
            for (int k = 1; k <= 10; ++k) {
                const std::vector<Pattern> more = PatternsOf(k);
                out.insert(out.end(), more.begin(), more.end());
            }
            break;
        default: break;
    }
    return out;
}

// A card as the player reads it: its numbers by cell, 0 at the free centre.
struct Card {
    std::array<int, 56> number{};
};

bool Covered(const Card& card, const Pattern& p, const std::set<int>& called) {
    return std::all_of(p.begin(), p.end(), [&](int cell) { return called.count(card.number[cell]) > 0; });
}

const Pattern* HeldPattern(const Card& card, const std::vector<Pattern>& patterns, const std::set<int>& called) {
    for (const Pattern& p : patterns)
        if (Covered(card, p, called)) return &p;
    return nullptr;
}

// The kite as the game judges a claim: only the first diagonal complete on a
// board that counts (top-left before bottom-left) is tried, only on the boards
// that hold it, and only with the two stamps at its ends. Patterns of kind 7
// come in that order: the top-left diagonal with its two stamps, then the
// bottom-left one with its two. Sets *board to the board that holds the kite.
const Pattern* HeldKite(const std::array<Card, 2>& cards, int boards, const std::vector<Pattern>& kites,
                        const std::set<int>& called, int* board) {
    for (int d = 0; d < 2; ++d) {
        const Pattern diagonal = [&] {
            Pattern p;
            for (int i = 1; i <= 5; ++i)
                if (i != 3) p.insert(d == 0 ? At(i, i) : At(i, 6 - i));
            return p;
        }();
        bool someHolds = false;
        for (int k = 0; k < boards; ++k) someHolds = someHolds || Covered(cards[k], diagonal, called);
        if (!someHolds) continue;
        for (int s = 0; s < 2; ++s)
            for (int k = 0; k < boards; ++k)
                if (Covered(cards[k], diagonal, called) && Covered(cards[k], kites[2 * d + s], called)) {
                    *board = k;
                    return &kites[2 * d + s];
                }
        return nullptr;
    }
    return nullptr;
}

// Reads a card from its 24 cell labels by where they lie: the five lefts, from
// the left, are the columns B to O and the five tops the rows. Collects the
// cells written in red when red is given. Returns what is wrong with the card.
QString ReadCard(const std::vector<forms::Label*>& labels, Card& card, Pattern* red = nullptr) {
    std::set<int> lefts, tops;
    for (const forms::Label* l : labels) {
        if (!l) return QStringLiteral("a cell label is missing");
        lefts.insert(l->x());
        tops.insert(l->y());
    }
    if (lefts.size() != 5 || tops.size() != 5) return QStringLiteral("the cells do not stand in five columns and rows");
    card = Card{};
    std::set<int> places, numbers;
    for (const forms::Label* l : labels) {
        const int col = 1 + int(std::distance(lefts.begin(), lefts.find(l->x())));
        const int row = 1 + int(std::distance(tops.begin(), tops.find(l->y())));
        const int cell = At(col, row);
        if (cell == kCentre || !places.insert(cell).second) return QStringLiteral("two cells share a place");
        bool ok = false;
        const int n = l->Caption().toInt(&ok);
        if (!ok || n < 15 * col - 14 || n > 15 * col)
            return QStringLiteral("\"%1\" stands in column %2").arg(l->Caption()).arg(col);
        if (!numbers.insert(n).second) return QStringLiteral("%1 is on the card twice").arg(n);
        card.number[cell] = n;
        if (red && l->ForeColor() == kRed) red->insert(cell);
    }
    return {};
}

QString Ball(int n) { return QLatin1Char("BINGO"[(n - 1) / 15]) + QString::number(n); }

QString Numbers(const Card& card, const Pattern& cells) {
    QStringList out;
    for (int cell : cells) out << Ball(card.number[cell]);
    return out.join(QLatin1Char(' '));
}

// A card row by row from the top, for failure messages.
QString Rows(const Card& card) {
    QStringList rows;
    for (int row = 1; row <= 5; ++row) {
        QStringList cells;
        for (int col = 1; col <= 5; ++col)
            cells << (At(col, row) == kCentre ? QStringLiteral("free") : QString::number(card.number[At(col, row)]));
        rows << cells.join(QLatin1Char(' '));
    }
    return rows.join(QStringLiteral(" / "));
}

QString Show(const QString& s) { return s; }
QString Show(const char* s) { return QString::fromUtf8(s); }
QString Show(int v) { return QString::number(v); }
QString Show(bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); }

// What happened over the whole table, so that both ways a claimed game can
// end are known to have come up.
struct Tally {
    int rows = 0;
    int playerFirst = 0;     // claimed games the player won
    int computerFirst = 0;   // claimed games a computer player won first
    int aboveZero = 0;       // computer wins that left the balance above zero
    int afterLastBall = 0;   // computer wins found once all 75 balls were out
};
Tally g_tally;

}  // namespace

// Checks that name the game and the ball; the data tag names the
// configuration and the seed.
#define CHECK_MSG(cond, msg)                                                      \
    do {                                                                          \
        if (!(cond)) QFAIL(qPrintable(Where() + QStringLiteral(": ") + (msg)));  \
    } while (0)
#define CHECK(cond) CHECK_MSG(cond, QStringLiteral(#cond))
#define CHECK_EQ(actual, expected)                                                                  \
    do {                                                                                            \
        const QString a_ = Show(actual), e_ = Show(expected);                                      \
        CHECK_MSG(a_ == e_,                                                                         \
                  QStringLiteral("%1 reads \"%2\", expected \"%3\"").arg(QStringLiteral(#actual), a_, e_)); \
    } while (0)
#define STEP(call)                                \
    do {                                          \
        call;                                     \
        if (QTest::currentTestFailed()) return;   \
    } while (0)

namespace {

win::Form1& Main() { return win::App().Form1(); }
win::frmGamestatus* Dialog() { return win::App().frmGamestatus.IfLoaded(); }
win::Bingomsg* Board() { return win::App().Bingomsg.IfLoaded(); }

// One configuration played from "&Play" to "&End Play".
class WholeGame {
public:
    WholeGame(test::Session& session, int gameIndex, int boards, int players, int row)
        : session_(session), chosen_(gameIndex + 1), boards_(boards), players_(players), way_(row) {}

    void Run() {
        test::PlayAndStart({boards_ - 1, chosen_ - 1, 0, players_ - 1});
        CHECK_EQ(Main().bngPlay->text(), "&End Play");
        STEP(ExpectNewGame());
        // Claimed games until the player wins one. A computer player who is
        // first wins at a zero balance (the first game is free and Try Again
        // starts from zero), so Try Again follows.
        for (int tries = 1;; ++tries) {
            STEP(PlayOut(true));
            if (playerWon_) break;
            CHECK_MSG(tries < 40, QStringLiteral("the player never won"));
            STEP(TryAgain());
        }
        STEP(NextGame());
        // No more claims: computer players win until one does with the
        // balance used up.
        for (;;) {
            STEP(PlayOut(false));
            if (balance_ < 1) break;
            STEP(NextGame());
        }
        STEP(TryAgain());
        STEP(PlayOut(true));
        STEP(EndPlay());
        ++g_tally.rows;
    }

private:
    QString Where() const {
        QString at = QStringLiteral("game %1 (%2), %3 balls").arg(games_).arg(name_).arg(balls_.size());
        if (!balls_.empty()) at += QStringLiteral(", last ") + Ball(balls_.back());
        return at;
    }

    QString BoardText() const { return Board() ? Board()->lblMsg->Caption() : QStringLiteral("(no message board)"); }
    QString OpeningLine() const {
        const QString against = players_ == 1 ? QStringLiteral("1 player") : QStringLiteral("%1 players").arg(players_);
        return QStringLiteral("You are playing %1, Jackpot is $%2. There is %3 playing against you.")
            .arg(name_)
            .arg(jackpot_)
            .arg(against);
    }
    QString BallLine() const {
        return QStringLiteral("You are playing %1, Jackpot is $%2. There is %3 playing against you.")
            .arg(name_)
            .arg(level_ * 5 * players_)
            .arg(players_);
    }

    void ExpectMoney() {
        auto& f = Main();
        CHECK_EQ(f.lblBalance->Caption(), QStringLiteral("$%1").arg(balance_));
        CHECK_EQ(f.lblWins->Caption(), wins_);
        CHECK(!f.lblBalance->isHidden() && !f.lblWins->isHidden());
    }

    // A game has just been dealt: its name, the money, the opening status
    // line and the player's cards.
    void ExpectNewGame() {
        auto& f = Main();
        ++games_;
        balls_.clear();
        called_.clear();
        const QString howTo = test::MenuText(f.helpgame);
        if (chosen_ == kRandomPick) {
            CHECK_EQ(f.windowTitle(), "Pelloric - Random Pick");
            kind_ = 0;
            for (int k = 1; k <= 10; ++k)
                if (howTo == QStringLiteral("How to play ") + kGameNames[k - 1]) kind_ = k;
            CHECK_MSG(kind_ != 0, QStringLiteral("\"%1\" names none of the ten patterns").arg(howTo));
        } else {
            kind_ = chosen_;
            CHECK_EQ(howTo, QStringLiteral("How to play ") + kGameNames[chosen_ - 1]);
        }
        name_ = kGameNames[kind_ - 1];
        patterns_ = PatternsOf(kind_);
        jackpot_ = level_ * 5 * players_;
        CHECK_EQ(BoardText(), OpeningLine());
        STEP(ExpectMoney());
        CHECK(Board() && Board()->isVisible());
        CHECK(!Dialog());
        CHECK(!f.Bngnext->isVisible());
        CHECK(!f.Command1->isHidden() && f.Command1->isEnabled());
        CHECK(f.Timer1->Enabled());
        CHECK(!f.Picture1->isHidden());
        CHECK_EQ(f.Picture2->isHidden(), boards_ == 1);
        for (int k = 0; k < boards_; ++k) {
            std::vector<forms::Label*> cells;
            for (int c = 1; c <= 24; ++c)
                cells.push_back(test::Find<forms::Label>(&f, forms::Indexed("Label1", 24 * k + c)));
            const QString error = ReadCard(cells, cards_[k]);
            CHECK_MSG(error.isEmpty(), QStringLiteral("board %1: %2").arg(k + 1).arg(error));
        }
    }

    // Runs both 25 ms timers, tick by tick as the event loop would, until the
    // game ends: by the player's claim (when claim is set) or a computer win.
    void PlayOut(bool claim) {
        auto& f = Main();
        playerWon_ = false;
        bool drawn = false, dropping = false;
        int ticks = 0;
        for (int guard = 0; guard < 80 * (kBallTicks + 60); ++guard) {
            const bool rolling = f.tmrBallrool->Enabled();
            if (f.Timer1->Enabled()) {
                f.Form1_Timer1_Timer();
                ++ticks;
            }
            if (!rolling && f.tmrBallrool->Enabled()) {   // a ball fell due and starts its drop
                if (drawn) CHECK_EQ(ticks, kBallTicks);
                drawn = dropping = true;
                ticks = 0;
            }
            if (Dialog()) {
                STEP(ExpectComputerWin(claim));
                return;
            }
            if (f.tmrBallrool->Enabled()) f.Form1_tmrBallrool_Timer();
            if (dropping && !f.lblball->isHidden()) {   // the ball has landed and shows its number
                dropping = false;
                STEP(BallLanded());
                if (claim && kind_ == 7) {
                    int board = 0;
                    if (const Pattern* held = HeldKite(cards_, boards_, patterns_, called_, &board)) {
                        STEP(Claim(board, *held));
                        return;
                    }
                } else if (claim) {
                    for (int k = 0; k < boards_; ++k) {
                        if (const Pattern* held = HeldPattern(cards_[k], patterns_, called_)) {
                            STEP(Claim(k, *held));
                            return;
                        }
                    }
                }
            }
            CHECK_MSG(f.Timer1->Enabled() || f.tmrBallrool->Enabled(),
                      QStringLiteral("the caller stopped and nobody won"));
        }
        QFAIL(qPrintable(Where() + QStringLiteral(": the game does not end")));
    }

    void BallLanded() {
        CHECK_MSG(balls_.size() < 75, QStringLiteral("a ball lands after all 75 were called, and nobody won"));
        const QString shown = Main().lblball->Caption();
        bool ok = false;
        const int n = shown.mid(1).toInt(&ok);
        CHECK_MSG(ok && n >= 1 && n <= 75 && shown == Ball(n),
                  QStringLiteral("the ball display reads \"%1\"").arg(shown));
        CHECK_MSG(called_.insert(n).second, QStringLiteral("%1 is called twice").arg(shown));
        balls_.push_back(n);
        CHECK_EQ(BoardText(), BallLine());
    }

    void Claim(int board, const Pattern& held) {
        auto& f = Main();
        CHECK_EQ(f.Command1->text(), "B I N G O");
        CHECK(!f.Command1->isHidden() && f.Command1->isEnabled());
        f.Command1->click();
        if (!Dialog()) {
            QString boards;
            for (int k = 0; k < boards_; ++k)
                boards += QStringLiteral("; board %1: %2").arg(k + 1).arg(Rows(cards_[k]));
            QStringList called;
            for (int n : balls_) called << Ball(n);
            const QString why = QStringLiteral("the claim is refused (\"%1\") although board %2 shows %3 called%4; "
                                               "called: %5")
                                    .arg(BoardText())
                                    .arg(board + 1)
                                    .arg(Numbers(cards_[board], held), boards, called.join(QLatin1Char(' ')));
            QFAIL(qPrintable(Where() + QStringLiteral(": ") + why));
        }
        balance_ += jackpot_;
        level_ += 1;
        wins_ += 1;
        CHECK_EQ(BoardText(), QStringLiteral("You are a Winner your new balance is $%1").arg(balance_));
        STEP(ExpectMoney());
        auto* d = Dialog();
        CHECK(d->isVisible());
        CHECK_EQ(d->lblStatus->Caption(),
                 QStringLiteral("Congradulaton's") + QChar(10) + QChar(13) + QStringLiteral("You have B I N G O"));
        CHECK_EQ(d->lblStatus2->Caption(), "If you would like to play the next game press Next Game");
        CHECK_EQ(d->cmdTryagain->text(), "&Next game");
        STEP(ExpectGameOver("&Next game"));
        playerWon_ = true;
        ++g_tally.playerFirst;
    }

    void ExpectGameOver(const char* nextMode) {
        auto& f = Main();
        CHECK(f.Bngnext->isVisible());
        CHECK_EQ(f.Bngnext->text(), nextMode);
        CHECK(!f.Command1->isEnabled());
        CHECK(!f.Timer1->Enabled() && !f.tmrBallrool->Enabled());
        CHECK(!f.bnghelp->menuAction()->isEnabled());
    }

    void ExpectComputerWin(bool claimed) {
        const QString message = BoardText();
        const QString lead = QStringLiteral("The Computer Player #");
        const int p = message.startsWith(lead) ? message.mid(lead.size(), 1).toInt() : 0;
        CHECK_MSG(p >= 1 && p <= players_, QStringLiteral("the game ends with \"%1\"").arg(message));
        const bool usedUp = balance_ < 1;
        QString announcement = lead + QString::number(p) + QStringLiteral(" has won the jackpot.");
        if (usedUp) announcement += QStringLiteral("  Your balance is 0 Game Over.");
        CHECK_EQ(message, announcement);
        STEP(ExpectWinningCard());
        STEP(ExpectMoney());
        auto* d = Dialog();
        CHECK(d->isVisible());
        if (usedUp) {
            STEP(ExpectGameOver("&Try Again"));
            CHECK_EQ(d->cmdTryagain->text(), "&Try Again");
            CHECK_EQ(d->lblStatus2->Caption(), "If you would like to try again press Try Again");
            STEP(ExpectPersonalStatus(d->lblStatus->Caption(), kPcNames[p - 1], announcement));
        } else {
            STEP(ExpectGameOver("&Next game"));
            CHECK_EQ(d->cmdTryagain->text(), "&Next game");
            CHECK_EQ(d->lblStatus->Caption(), announcement);
            CHECK_EQ(d->lblStatus2->Caption(), "If you would like to play the next game press Next Game");
            ++g_tally.aboveZero;
        }
        if (claimed) ++g_tally.computerFirst;
        if (balls_.size() == 75) ++g_tally.afterLastBall;
    }

    // The winner's card on the message board: its red cells make one pattern
    // of the game, covered by the balls shown so far (the computer players are
    // one ball behind, so the ball that fell due at the win does not count).
    void ExpectWinningCard() {
        CHECK(Board());
        std::vector<forms::Label*> cells;
        for (int i = 0; i < 24; ++i)
            cells.push_back(test::Find<forms::Label>(Board(), forms::Indexed("lblExample", i)));
        Card winner;
        Pattern red;
        const QString error = ReadCard(cells, winner, &red);
        CHECK_MSG(error.isEmpty(), QStringLiteral("the winning card: ") + error);
        CHECK_MSG(std::find(patterns_.begin(), patterns_.end(), red) != patterns_.end(),
                  QStringLiteral("the red cells %1 are no pattern of %2").arg(Numbers(winner, red), name_));
        for (int cell : red)
            CHECK_MSG(called_.count(winner.number[cell]),
                      QStringLiteral("the red cell %1 has not been shown as called").arg(Ball(winner.number[cell])));
        // Had the card held the pattern one ball earlier, it would have won
        // then. Not so for a kite: only the first diagonal complete on any
        // computer card is tried, and the other computer cards are not shown.
        if (!balls_.empty() && kind_ != 7) {
            std::set<int> before = called_;
            before.erase(balls_.back());
            const Pattern* earlier = HeldPattern(winner, patterns_, before);
            CHECK_MSG(!earlier, QStringLiteral("the winner, red on %1, held %2 a ball earlier; its card: %3")
                                    .arg(Numbers(winner, red), earlier ? Numbers(winner, *earlier) : QString(),
                                         Rows(winner)));
        }
    }

    // After a win that used up the balance the dialog addresses the winner by
    // name: the name, ", ", then the announcement from "Computer" on without
    // its final full stop, with two of its characters written over by ", ".
    void ExpectPersonalStatus(const QString& status, const QString& name, const QString& announcement) {
        const QString lead = name + QStringLiteral(", ");
        CHECK_MSG(status.startsWith(lead),
                  QStringLiteral("the dialog reads \"%1\", not addressed to %2").arg(status, name));
        const QString rest = status.mid(lead.size());
        const QString from = announcement.mid(4, announcement.size() - 5);
        bool matches = false;
        for (int i = 0; i + 2 <= from.size() && !matches; ++i)
            matches = rest == from.left(i) + QStringLiteral(", ") + from.mid(i + 2);
        CHECK_MSG(matches, QStringLiteral("the dialog reads \"%1\" after the name").arg(rest));
    }

    // Goes on from an ended game in one of the three ways the player has:
    // the dialog's own button, the main window's menu entry with the dialog
    // still open, or that entry after closing the dialog with "OK". Each call
    // takes the next way.
    void GoOn(QPushButton* win::frmGamestatus::*button, const char* menuEntry) {
        auto* d = Dialog();
        CHECK(d);
        const int way = way_++ % 3;
        if (way == 2) {
            d->cmdOK->click();
            CHECK(!Dialog());
            CHECK(Main().Bngnext->isVisible());
            CHECK(Main().bnghelp->menuAction()->isEnabled());
        }
        if (way == 0)
            (d->*button)->click();
        else
            test::Action(QLatin1String(menuEntry))->trigger();
    }

    void NextGame() {
        CHECK_EQ(Main().Bngnext->text(), "&Next game");
        const int price = players_ == 1 ? 5 : 10;
        QStringList boxes;
        test::AnswerMessageBox(&boxes);
        STEP(GoOn(&win::frmGamestatus::cmdTryagain, "Bngnext"));
        CHECK_EQ(boxes.join(QLatin1Char('/')), QStringLiteral("Next Game|This Game will cost $%1.00").arg(price));
        balance_ -= price;
        STEP(ExpectNewGame());
    }

    void TryAgain() {
        CHECK_EQ(Main().Bngnext->text(), "&Try Again");
        // No box is due here: one that came would be recorded, not waited on.
        const int boxes = int(session_.rec.messageBoxes.size());
        session_.rec.realMessageBoxes = false;
        GoOn(&win::frmGamestatus::cmdTryagain, "Bngnext");
        session_.rec.realMessageBoxes = true;
        if (QTest::currentTestFailed()) return;
        CHECK_EQ(session_.rec.messageBoxes.mid(boxes).join(QLatin1Char('/')), "");
        balance_ = 0;
        level_ = 1;
        STEP(ExpectNewGame());
    }

    void EndPlay() {
        auto& f = Main();
        CHECK_EQ(f.bngPlay->text(), "&End Play");
        STEP(GoOn(&win::frmGamestatus::cmdEndPlay, "bngPlay"));
        wins_ = 0;
        level_ = 1;
        CHECK_EQ(f.bngPlay->text(), "&Play");
        CHECK(!Dialog() && !Board());
        CHECK(!f.Bngnext->isVisible());
        CHECK(f.Command1->isHidden() && f.Picture1->isHidden() && f.Picture2->isHidden());
        CHECK(f.lblBalance->isHidden() && f.lblWins->isHidden() && f.lblbalnce2->isHidden() && f.lblWins2->isHidden());
        CHECK(!f.Timer1->Enabled() && !f.tmrBallrool->Enabled());
        CHECK(f.bnghelp->menuAction()->isEnabled());
        // The next "&Play" writes the count of wins that End Play left before
        // it resets the money: none.
        test::WhenModal(QStringLiteral("BngOptions"),
                        [](QWidget* w) { test::Find<QPushButton>(w, QStringLiteral("Command2"))->click(); });
        test::Action(QStringLiteral("bngPlay"))->trigger();
        CHECK_EQ(f.lblWins->Caption(), wins_);
        CHECK_EQ(f.bngPlay->text(), "&Play");
        CHECK(!f.Timer1->Enabled());
    }

    test::Session& session_;
    const int chosen_;   // GameKind as chosen in the list, 1..12
    const int boards_;
    const int players_;
    int way_;

    // The money as the rules have it.
    int balance_ = 0;
    int level_ = 1;
    int wins_ = 0;
    int jackpot_ = 0;

    // The game being played.
    int games_ = 0;
    int kind_ = 0;   // the pattern tested, 1..11
    QString name_;
    std::vector<Pattern> patterns_;
    std::array<Card, 2> cards_{};
    std::vector<int> balls_;   // as the ball display showed them
    std::set<int> called_;
    bool playerWon_ = false;
};

}  // namespace

class WholeGamesTest : public QObject {
    Q_OBJECT
private slots:
    void playToTheEnd_data() {
        QTest::addColumn<int>("game");      // list index in the game list
        QTest::addColumn<int>("boards");
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("row");
        QTest::addColumn<qulonglong>("seed");
        int row = 0;
        for (int game = 0; game < 12; ++game)
            for (int boards : {1, 2})
                for (int players : {1, 6}) {
                    const qulonglong seed = 1000 + row;
                    QTest::addRow("%s, %d board%s, %d Pc, seed %llu", qPrintable(kGameNames[game]), boards,
                                  boards == 1 ? "" : "s", players, seed)
                        << game << boards << players << row << seed;
                    ++row;
                }
    }
    void playToTheEnd() {
        QFETCH(int, game);
        QFETCH(int, boards);
        QFETCH(int, players);
        QFETCH(int, row);
        QFETCH(qulonglong, seed);
        test::Session s(test::SeededRandom(seed));
        WholeGame(s, game, boards, players, row).Run();
    }

    // Over the table the player's claim came first in some claimed games and
    // a computer player in others.
    void bothWaysOfEndingCameUp() {
        if (g_tally.rows == 0) QSKIP("no whole game was played");
        qInfo("%d configurations: the player won %d claimed games, a computer player %d; %d computer wins left "
              "money, %d came after the last ball",
              g_tally.rows, g_tally.playerFirst, g_tally.computerFirst, g_tally.aboveZero, g_tally.afterLastBall);
        QVERIFY(g_tally.playerFirst > 0);
        QVERIFY(g_tally.computerFirst > 0);
    }
};

QTEST_MAIN(WholeGamesTest)
#include "tst_whole_games.moc"
