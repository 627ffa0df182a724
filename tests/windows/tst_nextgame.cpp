// Next game and Try Again: the price box, what a restart resets and keeps,
// the closing order of its two callers and the kind drawn under Random Pick.
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <deque>

#include "engine/geometry.h"
#include "tests/windows/support/game_end.h"
#include "tests/windows/support/harness.h"
#include "tests/windows/support/texts.h"
#include "windows/bingomsg.h"
#include "windows/form1.h"
#include "windows/frmgamestatus.h"

using namespace pelloric;

namespace {

// The test's generator, with values that a test queues for the next draws.
class QueuedRandom final : public Random {
public:
    void Randomize() override {}
    double Rnd() override {
        if (queued.empty()) return inner->Rnd();
        const double v = queued.front();
        queued.pop_front();
        return v;
    }
    std::deque<double> queued;

private:
    std::shared_ptr<Random> inner = test::SeededRandom(777);
};

}  // namespace

class NextGameTest : public QObject {
    Q_OBJECT
private slots:
    void priceDependsOnTheComputerPlayers_data() {
        QTest::addColumn<int>("players");   // list index: n - 1 computer players
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("price");
        QTest::newRow("1 computer player") << 0 << "This Game will cost $5.00" << 5;
        QTest::newRow("2 computer players") << 1 << "This Game will cost $10.00" << 10;
        QTest::newRow("6 computer players") << 5 << "This Game will cost $10.00" << 10;
    }
    void priceDependsOnTheComputerPlayers() {
        QFETCH(int, players);
        QFETCH(QString, text);
        QFETCH(int, price);
        test::Session s;
        test::PlayAndStart({0, 0, 0, players});
        test::ClaimColumnB();
        auto& S = win::App().S;
        const int32_t won = S.Balance;
        QStringList seen;
        test::AnswerMessageBox(&seen);
        test::Action(QStringLiteral("Bngnext"))->trigger();
        QCOMPARE(seen, QStringList{QStringLiteral("Next Game|") + text});
        QCOMPARE(S.Balance, won - price);
        QCOMPARE(win::App().Form1().lblBalance->Caption(), QStringLiteral("$%1").arg(won - price));
    }

    // The menu closes the dialog before the price box, the dialog's button
    // after the new game has started. Either way both timers are off while
    // the box waits, so ticks that arrive meanwhile draw nothing.
    void callersCloseTheDialogInTheirOrder_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("Bngnext menu") << true;
        QTest::newRow("dialog button") << false;
    }
    void callersCloseTheDialogInTheirOrder() {
        QFETCH(bool, fromMenu);
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        QVERIFY(test::TickToNextBall() > 0);
        test::ClaimColumnB();
        auto& S = win::App().S;
        auto& f = win::App().Form1();
        const int32_t called = S.CalledCount;
        const int32_t elapsed = S.CallElapsed;

        bool dialogShown = false, helpEnabled = false, timersOff = false, nothingTicked = false;
        test::WhenModal(QStringLiteral("QMessageBox"), [&](QWidget* box) {
            dialogShown = win::App().frmGamestatus.Loaded() && win::App().frmGamestatus().isVisible();
            helpEnabled = f.bnghelp->menuAction()->isEnabled();
            timersOff = !f.Timer1->Enabled() && !f.tmrBallrool->Enabled();
            QTest::qWait(200);   // about eight ticks' worth
            nothingTicked = S.CalledCount == called && S.CallElapsed == elapsed;
            qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
        });
        if (fromMenu)
            test::Action(QStringLiteral("Bngnext"))->trigger();
        else
            win::App().frmGamestatus().cmdTryagain->click();

        QCOMPARE(dialogShown, !fromMenu);
        QCOMPARE(helpEnabled, fromMenu);
        QVERIFY(timersOff);
        QVERIFY(nothingTicked);
        QVERIFY(!win::App().frmGamestatus.Loaded());
        QVERIFY(f.bnghelp->menuAction()->isEnabled());
        QVERIFY(f.Timer1->Enabled());
    }

    void restartDealsAFreshGame() {
        test::Session s;
        test::PlayAndStart({1, 0, 0, 2});
        auto& S = win::App().S;
        auto& f = win::App().Form1();
        QVERIFY(test::TickToNextBall() > 0);
        test::ClaimColumnB();
        for (int i : {3, 30, 49}) f.Image2[i]->show();
        f.Image2[50]->hide();
        f.lblball->show();
        QPointer<win::Bingomsg> oldBoard = &win::App().Bingomsg();
        const auto oldCard = S.Card1;
        const int wins = S.Wins;

        test::AnswerMessageBox();
        test::Action(QStringLiteral("Bngnext"))->trigger();

        for (int i = 1; i <= 48; ++i) QVERIFY2(!f.Image2[i]->isVisible(), qPrintable(QString::number(i)));
        QVERIFY(f.Image2[49]->isVisible());   // the free-space dots carry over
        QVERIFY(!f.Image2[50]->isVisible());
        QVERIFY(!oldBoard || oldBoard->IsUnloaded());
        auto& board = win::App().Bingomsg();
        QVERIFY(board.isVisible());
        QCOMPARE(board.lblMsg->Caption(), QStringLiteral("You are playing Regular Bingo, Jackpot is $30. There is "
                                                         "3 players playing against you."));
        QVERIFY(S.Card1 != oldCard);
        for (int c = 1; c <= 24; ++c) QCOMPARE(f.Label1[c]->Caption(), QString::number(S.Card1[c]));
        QCOMPARE(S.CalledCount, 0);
        QCOMPARE(S.BallStep, int16_t(0));
        QCOMPARE(S.GameType, int16_t(RegularBingo));
        QCOMPARE(S.Wins, wins);
        QVERIFY(S.GameRunning);
        QVERIFY(!S.Paused);
        QVERIFY(f.Timer1->Enabled());
        QVERIFY(f.Command1->isVisible());
        QVERIFY(f.Command1->isEnabled());
        QVERIFY(!f.Bngnext->isVisible());
        QVERIFY(!f.lblball->isVisible());
        QVERIFY(!f.imgBallroll->isVisible());
        QCOMPARE(test::TickToNextBall(), 101);   // the count starts afresh
    }

    // Under Random Pick each restart draws a kind 1..10 as Int(r * 10 + 1).
    void randomPickDrawsAKindForEveryGame() {
        auto random = std::make_shared<QueuedRandom>();
        test::Session s(random);
        test::PlayAndStart({0, 11, 0, 0});
        auto& S = win::App().S;
        auto& f = win::App().Form1();
        QVERIFY(S.RandomPick);
        const std::pair<double, int> draws[] = {{0.0, 1}, {0.42, 5}, {0.999, 10}};
        for (const auto& [r, kind] : draws) {
            test::ComputerWins(1);   // balance 0: "&Try Again", no price box
            random->queued = {r};
            test::Action(QStringLiteral("Bngnext"))->trigger();
            const QString name = QLatin1String(GameKindName(kind));
            QCOMPARE(S.GameType, int16_t(kind));
            QCOMPARE(win::Q(S.GameName), name);
            QCOMPARE(win::App().Bingomsg().lblexplname->Caption(), name);
            QCOMPARE(test::MenuText(f.helpgame), QStringLiteral("How to play ") + name);
        }
    }
};

QTEST_MAIN(NextGameTest)
#include "tst_nextgame.moc"
