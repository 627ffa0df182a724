// The player's side of the main window: the claim with its money, the dots,
// the dot colours and the pause entry, and one whole game played through.
#include <QtTest>

#include "tests/windows/support/form1_support.h"
#include "tests/windows/support/harness.h"
#include "windows/artwork.h"
#include "windows/bingomsg.h"
#include "windows/form1.h"
#include "windows/frmgamestatus.h"

using namespace pelloric;
using test::Main;
using test::State;

namespace {
void Claim() { QTest::mouseClick(Main().Command1, Qt::LeftButton); }
QString PauseCaption() { return Main().bngPause->text(); }
void PauseEntry() { test::Action(QStringLiteral("bngPause"))->trigger(); }

// The numbered cells of both boards that show number.
QList<int> CellsShowing(int32_t number) {
    QList<int> cells;
    for (int i = 1; i <= 48; ++i)
        if (Main().Label1[i]->Caption() == QString::number(number)) cells << i;
    return cells;
}
}  // namespace

class Form1PlayTest : public QObject {
    Q_OBJECT
private slots:
    // A valid claim: the jackpot dealt with the game is added to the balance,
    // a negative one included, the level and the wins go up, the game ends.
    void validClaimPaysTheJackpot_data() {
        QTest::addColumn<int>("balance");
        QTest::addColumn<int>("after");
        QTest::newRow("zero") << 0 << 15;
        QTest::newRow("negative, still negative") << -20 << -5;
        QTest::newRow("positive") << 40 << 55;
    }
    void validClaimPaysTheJackpot() {
        QFETCH(int, balance);
        QFETCH(int, after);
        test::Session s;
        test::PlayAndStart({0, 0, 0, 2});   // Regular Bingo, three computer players
        auto& f = Main();
        auto& S = State();
        QCOMPARE(S.Jackpot, 15);
        S.Balance = balance;
        test::TickToNextBall();
        test::CallCard1Cells({1, 6, 11, 15, 20});   // the top row
        Claim();

        QVERIFY(!f.Timer1->Enabled());
        QVERIFY(f.Bngnext->isVisible());
        QCOMPARE(f.Bngnext->text(), QStringLiteral("&Next game"));
        QCOMPARE(S.JackpotLevel, 2);
        QCOMPARE(S.Jackpot, 15);
        QCOMPARE(S.Balance, after);
        QCOMPARE(f.lblBalance->Caption(), QStringLiteral("$") + QString::number(after));
        QCOMPARE(test::BoardMessage(), QStringLiteral("You are a Winner your new balance is $") + QString::number(after));
        QCOMPARE(S.Wins, 1);
        QCOMPARE(f.lblWins->Caption(), QStringLiteral("1"));
        QVERIFY(!f.Command1->isEnabled());
        QVERIFY(win::App().frmGamestatus.Loaded());
        QVERIFY(win::App().frmGamestatus().isVisible());
        QVERIFY(!win::App().frmGamestatus().isModal());
    }

    // A claim that is not valid costs nothing: the calls go on at once and the
    // next ball comes when the rest of the interval is counted.
    void invalidClaimKeepsEverything() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 2});
        auto& f = Main();
        auto& S = State();
        test::TickToNextBall();
        test::TickToNextBall();
        for (int i = 0; i < 40; ++i) f.Form1_Timer1_Timer();
        S.Balance = 25;
        const GameState before = S;
        Claim();
        QVERIFY(f.Timer1->Enabled());
        QCOMPARE(test::BoardMessage(), QStringLiteral("Sorry, Continue Jackpot is $15"));
        QCOMPARE(S.Balance, before.Balance);
        QCOMPARE(S.Jackpot, before.Jackpot);
        QCOMPARE(S.JackpotLevel, before.JackpotLevel);
        QCOMPARE(S.Wins, before.Wins);
        QCOMPARE(S.CalledCount, before.CalledCount);
        QCOMPARE(S.CallElapsed, before.CallElapsed);
        QVERIFY(f.Command1->isEnabled());
        QVERIFY(!f.Bngnext->isVisible());
        QVERIFY(!win::App().frmGamestatus.Loaded());
        QCOMPARE(test::TickToNextBall(), 101 - 40);
    }

    void pauseAndResumeFromTheMenu() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& f = Main();
        PauseEntry();
        QVERIFY(State().Paused);
        QVERIFY(!f.Timer1->Enabled());
        QCOMPARE(PauseCaption(), QStringLiteral("Unpause"));
        QCOMPARE(test::BoardMessage(), QStringLiteral("Game has been Paused"));
        PauseEntry();
        QVERIFY(!State().Paused);
        QVERIFY(f.Timer1->Enabled());
        QCOMPARE(PauseCaption(), QStringLiteral("Pause"));
        QCOMPARE(test::BoardMessage(), QStringLiteral("Game has been Unpaused"));
        QVERIFY(f.bngPause->isEnabled());
    }

    // The entry acts only while the claim button is enabled. With no game and
    // no caller its caption still flips, and nothing is paused.
    void pauseEntryNeedsTheClaimButton() {
        test::Session s;
        auto& f = Main();
        f.Command1->setEnabled(false);
        f.Form1_bngPause_Click();
        QCOMPARE(PauseCaption(), QStringLiteral("Pause"));
        f.Command1->setEnabled(true);
        win::App().Bingomsg().lblMsg->SetCaption(QStringLiteral("marker"));
        f.Form1_bngPause_Click();
        QCOMPARE(PauseCaption(), QStringLiteral("Unpause"));
        QVERIFY(!State().Paused);
        QVERIFY(!f.Timer1->Enabled());
        QCOMPARE(test::BoardMessage(), QStringLiteral("marker"));
    }

    // A valid claim made while paused ends the game and leaves the pause on
    // the entry; the resume that follows (closing help) calls no more balls.
    void validClaimWhilePaused() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& f = Main();
        auto& S = State();
        test::TickToNextBall();
        PauseEntry();
        test::CallCard1Cells({5, 10, 14, 19, 24});   // the bottom row
        Claim();
        QCOMPARE(S.Wins, 1);
        QVERIFY(S.Paused);
        QCOMPARE(PauseCaption(), QStringLiteral("Unpause"));
        QVERIFY(!f.Timer1->Enabled());
        PauseEntry();   // the claim button is disabled: nothing happens
        QCOMPARE(PauseCaption(), QStringLiteral("Unpause"));
        QVERIFY(S.Paused);

        win::App().E.TogglePause();
        QVERIFY(!S.Paused);
        QVERIFY(!f.Timer1->Enabled());
        QCOMPARE(PauseCaption(), QStringLiteral("Pause"));
        QCOMPARE(test::BoardMessage(), QStringLiteral("Game has been Unpaused"));
        QCOMPARE(test::TickWhileOn(500), 0);
    }

    // A claim that is not valid while paused switches the caller on: balls
    // are called while the entry still reads "Unpause"; choosing it resumes.
    void invalidClaimWhilePaused() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& f = Main();
        auto& S = State();
        test::TickToNextBall();
        PauseEntry();
        Claim();
        QVERIFY(f.Timer1->Enabled());
        QVERIFY(S.Paused);
        QCOMPARE(PauseCaption(), QStringLiteral("Unpause"));
        QCOMPARE(test::TickToNextBall(), 101);
        QCOMPARE(S.CalledCount, 2);
        PauseEntry();
        QVERIFY(!S.Paused);
        QVERIFY(f.Timer1->Enabled());
        QCOMPARE(PauseCaption(), QStringLiteral("Pause"));
        QCOMPARE(test::BoardMessage(), QStringLiteral("Game has been Unpaused"));
    }

    // A game ended while paused hands no "Unpause" to the next one: after End
    // Play, and after a valid claim and Next game, the new game's entry reads
    // "Pause", and choosing it pauses.
    void aNewGameStartsWithPauseOnTheMenu() {
        test::Session s;
        s.rec.realMessageBoxes = false;
        auto& S = State();
        test::PlayAndStart({0, 0, 0, 0});
        test::TickToNextBall();
        PauseEntry();
        QCOMPARE(PauseCaption(), QStringLiteral("Unpause"));
        test::Action(QStringLiteral("bngPlay"))->trigger();   // End Play, still paused
        QVERIFY(S.Paused);
        test::PlayAndStart({0, 0, 0, 0});
        QVERIFY(!S.Paused);
        QCOMPARE(PauseCaption(), QStringLiteral("Pause"));
        PauseEntry();
        QVERIFY(S.Paused);
        QCOMPARE(test::BoardMessage(), QStringLiteral("Game has been Paused"));

        test::CallCard1Cells({5, 10, 14, 19, 24});   // a valid claim during the pause
        Claim();
        QCOMPARE(PauseCaption(), QStringLiteral("Unpause"));
        test::Action(QStringLiteral("Bngnext"))->trigger();
        QVERIFY(S.GameRunning);
        QCOMPARE(PauseCaption(), QStringLiteral("Pause"));
    }

    // Only called numbers take a dot, the free centres at any time; a click
    // shows the dot and the next one hides it.
    void daubRules() {
        test::Session s;
        test::PlayAndStart({1, 0, 0, 0});
        auto& f = Main();
        auto& S = State();
        // Before the first ball: numbered cells refuse, free centres toggle.
        for (int i : {1, 30}) {
            test::ClickCell(i);
            QVERIFY(f.Image2[i]->isHidden());
        }
        for (int i : {49, 50}) {
            test::ClickCell(i);
            QVERIFY(f.Image2[i]->isVisible());
            test::ClickCell(i);
            QVERIFY(f.Image2[i]->isHidden());
        }
        // Ball 1 is the number of card 1's cell 7; card 2 may hold it too.
        test::CallCard1Cells({7});
        const int32_t number = S.Card1[7];
        test::ClickCell(7);
        QVERIFY(f.Image2[7]->isVisible());
        for (int c = 1; c <= kCells; ++c) {
            test::ClickCell(24 + c);
            QCOMPARE(f.Image2[24 + c]->isVisible(), S.Card2[c] == number);
            if (S.Card2[c] == number) test::ClickCell(24 + c);
        }
        test::ClickCell(7);
        QVERIFY(f.Image2[7]->isHidden());
        // A number not called, and an entry past the count left from before.
        S.Called[2] = S.Card1[1];
        test::ClickCell(1);
        QVERIFY(f.Image2[1]->isHidden());
        // However far the count has run past the last ball, only the 75
        // positions that can hold a ball are searched.
        S.CalledCount = 900;
        S.Called[76] = S.Card1[2];
        test::ClickCell(1);
        QVERIFY(f.Image2[1]->isVisible());
        test::ClickCell(2);
        QVERIFY(f.Image2[2]->isHidden());
        QVERIFY(s.rec.beeps == 0 && s.rec.messageBoxes.isEmpty());
    }

    // The card picture draws every column 720 twips wide from 120, O from 3000
    // on both cards; card 1's O labels start at 2880, over the G cells' right
    // strip. Every point of a drawn cell still reaches that cell's own label,
    // the first pixel column of the O cells included, on both cards.
    void aClickAnywhereInADrawnCellReachesItsLabel() {
        test::Session s;
        test::PlayAndStart({1, 0, 0, 0});
        auto& f = Main();
        // Left edge, middle and right edge of the drawn cell, by column; the O
        // cells up to where card 1's labels end (3615).
        constexpr int kXs[6][3] = {
            {}, {120, 480, 825}, {840, 1200, 1545}, {1560, 1920, 2265}, {2280, 2640, 2985}, {3000, 3300, 3600}};
        QWidget* panels[2] = {f.Picture1, f.Picture2};
        for (int card = 0; card < 2; ++card) {
            for (int cell = 1; cell <= kCells; ++cell) {
                const int top = 840 + 720 * (CellRow(cell) - 1);
                for (int x : kXs[CellColumn(cell)]) {
                    for (int y : {top, top + 360, top + 705}) {
                        // The pixel that holds the twip (x, y).
                        const QPoint at(x / forms::kTwipsPerPixel, y / forms::kTwipsPerPixel);
                        QWidget* hit = panels[card]->childAt(at);
                        QVERIFY2(hit == f.Label1[24 * card + cell],
                                 qPrintable(QStringLiteral("card %1 cell %2 at (%3, %4) reaches %5")
                                                .arg(card + 1)
                                                .arg(cell)
                                                .arg(x)
                                                .arg(y)
                                                .arg(hit ? hit->objectName() : QStringLiteral("nothing"))));
                    }
                }
            }
        }
        // A real click at the right edge of card 1's G cell in row 1 dots that
        // cell and not the O cell beside it.
        const int g = CellAt(4, 1);
        const int o = CellAt(5, 1);
        test::CallCard1Cells({g, o});
        const QPoint edge =
            f.Picture1->mapTo(&f, QPoint(2985 / forms::kTwipsPerPixel, (840 + 360) / forms::kTwipsPerPixel));
        QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, edge);
        QVERIFY(f.Image2[g]->isVisible());
        QVERIFY(f.Image2[o]->isHidden());
    }

    // Each colour entry gives every dot its picture, shown or hidden, on both
    // boards and the free centres, without showing or hiding any.
    void dotColoursRecolourEveryDot_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("k");
        QTest::newRow("blue") << "bngOptdotblue" << 0;
        QTest::newRow("red") << "bngOptdotred" << 1;
        QTest::newRow("green") << "bngOptdotgreen" << 2;
        QTest::newRow("yellow") << "bngOptdotyellow" << 3;
        QTest::newRow("purple") << "bngOptdotPurple" << 4;
    }
    void dotColoursRecolourEveryDot() {
        QFETCH(QString, entry);
        QFETCH(int, k);
        test::Session s;
        test::PlayAndStart({1, 0, 0, 0});
        auto& f = Main();
        if (k == 0) test::Action(QStringLiteral("bngOptdotPurple"))->trigger();
        f.Form1_Label1_Click(49);
        test::Action(entry)->trigger();
        for (int i = 1; i <= 50; ++i) {
            QCOMPARE(f.Image2[i]->GetPicture(), f.imgDotcolor[k]->GetPicture());
            QCOMPARE(f.Image2[i]->isVisible(), i == 49);
        }
        QCOMPARE(f.imgDotcolor[k]->GetPicture(), win::art::DotPicture(k));
        QVERIFY(test::Action(entry)->isEnabled() && !test::Action(entry)->isChecked());
        // A dot shown later carries the chosen colour.
        f.Form1_Label1_Click(50);
        QCOMPARE(f.Image2[50]->GetPicture(), win::art::DotPicture(k));
    }

    // One game dealt the way "Start" does and played to its end with the real
    // timers' order of ticks: balls with the rolling ball, dots, a claim that
    // is not valid, a pause and a resume, then the end of the game, by the
    // player's claim or a computer player's win.
    void aWholeGame() {
        test::Session s(test::SeededRandom(1));
        test::PlayAndStart({1, 0, 0, 0});
        auto& f = Main();
        auto& S = State();
        auto& E = win::App().E;
        int dots = 0;
        bool claimed = false;
        bool dropping = false;
        for (int tick = 0; tick < 200000 && (f.Timer1->Enabled() || f.tmrBallrool->Enabled()); ++tick) {
            const int32_t before = S.CalledCount;
            if (f.Timer1->Enabled()) f.Form1_Timer1_Timer();
            if (S.CalledCount != before && S.CalledCount <= 75) {
                QVERIFY(f.lblball->isHidden());
                dropping = true;
            }
            if (f.tmrBallrool->Enabled()) f.Form1_tmrBallrool_Timer();
            if (!S.GameRunning) break;   // a computer player has won
            if (!dropping || f.tmrBallrool->Enabled()) continue;
            dropping = false;

            // The ball has landed.
            const int32_t n = S.CalledCount;
            QVERIFY(f.lblball->isVisible());
            QCOMPARE(f.lblball->Caption(), QStringLiteral(" BINGO")[S.CallCol[n]] + QString::number(S.Called[n]));
            QCOMPARE(forms::TopOf(f.imgBallroll), 1515);
            for (int cell : CellsShowing(S.Called[n])) {
                test::ClickCell(cell);
                QVERIFY(f.Image2[cell]->isVisible());
                ++dots;
            }
            if (n == 2) {
                Claim();
                QCOMPARE(test::BoardMessage(), QStringLiteral("Sorry, Continue Jackpot is $5"));
            }
            if (n == 3) {
                PauseEntry();
                QCOMPARE(test::TickWhileOn(500), 0);
                PauseEntry();
                QCOMPARE(test::BoardMessage(), QStringLiteral("Game has been Unpaused"));
            }
            if (E.CheckPlayerBingo() == Bingo) {
                Claim();
                claimed = true;
                break;
            }
        }
        QVERIFY(!f.Timer1->Enabled());
        QVERIFY(!f.Command1->isEnabled());
        QVERIFY(f.Bngnext->isVisible());
        QVERIFY(win::App().frmGamestatus.Loaded());
        QVERIFY(S.CalledCount >= 4);
        QVERIFY(dots > 0);
        if (claimed) {
            QCOMPARE(S.Wins, 1);
            QCOMPARE(S.Balance, 5);
            QCOMPARE(test::BoardMessage(), QStringLiteral("You are a Winner your new balance is $5"));
        } else {
            QCOMPARE(S.Wins, 0);
            QVERIFY(test::BoardMessage().startsWith(QStringLiteral("The Computer Player #1 has won the jackpot.")));
        }
        qInfo("ended after %d balls, %s", S.CalledCount, claimed ? "claimed by the player" : "won by the computer");
    }
};

QTEST_MAIN(Form1PlayTest)
#include "tst_form1_play.moc"
