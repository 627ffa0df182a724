// The end-of-game dialog: what it shows after each kind of ending, the
// personalised text after a computer win that used up the balance, and the
// Help menu lock that every way of closing it lifts.
#include <QPushButton>
#include <QtTest>

#include "tests/windows/support/game_end.h"
#include "tests/windows/support/harness.h"
#include "windows/bingomsg.h"
#include "windows/form1.h"
#include "windows/frmgamestatus.h"

using namespace pelloric;

namespace {

enum Ending { PlayerClaim, ComputerWinWithMoney, ComputerWinBalanceUsedUp };

const QString kNextGameLine = QStringLiteral("If you would like to play the next game press Next Game");
const QString kTryAgainLine = QStringLiteral("If you would like to try again press Try Again");

bool HelpMenuEnabled() { return win::App().Form1().bnghelp->menuAction()->isEnabled(); }

}  // namespace

class GameStatusTest : public QObject {
    Q_OBJECT
private slots:
    void showsHowTheGameEnded_data() {
        QTest::addColumn<int>("ending");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("status2");
        const QString congrats = QStringLiteral("Congradulaton's\n\rYou have B I N G O");
        QTest::newRow("player's claim") << int(PlayerClaim) << "&Next game" << congrats
                                        << "Congradulaton's\nYou have B I N G O" << kNextGameLine;
        const QString won = test::Announcement(2, false);
        QTest::newRow("computer win, money left")
            << int(ComputerWinWithMoney) << "&Next game" << won << won << kNextGameLine;
        const QString personal =
            QStringLiteral("Dots Dot, Computer Player #2 has won the jackpot,  Your balance is 0 Game Over");
        QTest::newRow("computer win, balance used up")
            << int(ComputerWinBalanceUsedUp) << "&Try Again" << personal << personal << kTryAgainLine;
    }
    void showsHowTheGameEnded() {
        QFETCH(int, ending);
        QFETCH(QString, mode);
        QFETCH(QString, status);
        QFETCH(QString, shown);
        QFETCH(QString, status2);
        test::Session s;
        test::PlayAndStart({0, 0, 0, 1});
        auto& S = win::App().S;
        auto& f = win::App().Form1();
        QVERIFY(test::TickToNextBall() > 0);
        QVERIFY(f.tmrBallrool->Enabled());   // the ball is dropping when the game ends

        if (ending == PlayerClaim) test::ClaimColumnB();
        if (ending == ComputerWinWithMoney) S.Balance = 20;
        if (ending != PlayerClaim) test::ComputerWins(2);

        QVERIFY(win::App().frmGamestatus.Loaded());
        auto& d = win::App().frmGamestatus();
        QVERIFY(d.isVisible());
        QCOMPARE(f.Bngnext->text(), mode);
        QCOMPARE(d.lblStatus->Caption(), status);
        QCOMPARE(d.lblStatus->text(), shown);   // what the label draws
        QCOMPARE(d.lblStatus2->Caption(), status2);
        QCOMPARE(d.cmdTryagain->text(), mode);
        QCOMPARE(d.cmdTryagain->text(), f.Bngnext->text());

        // While it is open the game is over and help is locked.
        QVERIFY(!S.GameRunning);
        QVERIFY(!f.tmrBallrool->Enabled());
        QVERIFY(!f.imgBallroll->isVisible());
        QVERIFY(f.Bngnext->isVisible());
        QVERIFY(!HelpMenuEnabled());

        // Coming back to the front runs nothing a second time.
        S.GameRunning = true;
        d.Form_Activate();
        QVERIFY(S.GameRunning);
    }

    // Every closing clears LastStatus, so each new dialog names the winner
    // again; within one dialog the rewrite sets the caption once more and the
    // nested handler stops there.
    void personalisedTextNamesTheWinner() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 5});
        const char* names[] = {"", "Bingo Ben", "Dots Dot", "Money Marcy", "Jackpot John", "Numbers Nathan",
                               "Winning Wanda"};
        test::ComputerWins(1);
        for (int p = 1; p <= 6; ++p) {
            if (p > 1) test::AnnounceWin(p);   // balance still 0: "&Try Again"
            auto& d = win::App().frmGamestatus();
            const QString expected =
                QLatin1String(names[p]) +
                QStringLiteral(", Computer Player #%1 has won the jackpot,  Your balance is 0 Game Over").arg(p);
            QCOMPARE(d.lblStatus->Caption(), expected);
            QCOMPARE(d.LastStatus, expected);
            QCOMPARE(win::App().Bingomsg().lblMsg->Caption(), test::Announcement(p, true));
            d.cmdOK->click();
            QVERIFY(!win::App().frmGamestatus.Loaded());
        }
    }

    void statusChangeRunsOneNestedLevel() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 2});
        test::ComputerWins(3);
        auto& d = win::App().frmGamestatus();
        const QString personal = d.lblStatus->Caption();
        QVERIFY(personal.startsWith(QLatin1String("Money Marcy, ")));

        int runs = 0;
        const auto handler = d.lblStatus->Change;
        d.lblStatus->Change = [&] {
            ++runs;
            handler();
        };
        d.lblStatus->SetCaption(test::Announcement(3, true));   // the announcement once more
        QCOMPARE(runs, 2);
        QCOMPARE(d.lblStatus->Caption(), personal);
        d.lblStatus->SetCaption(personal);                        // its own text: nothing to do
        QCOMPARE(runs, 3);
        QCOMPARE(d.lblStatus->Caption(), personal);
    }

    // Every way of closing lifts the Help menu lock; the table also says what
    // each closing leaves behind on the main window.
    void everyClosingUnlocksHelp_data() {
        QTest::addColumn<QString>("closer");
        QTest::addColumn<QString>("playCaption");
        QTest::addColumn<bool>("nextShown");
        QTest::addColumn<bool>("callerOn");
        QTest::newRow("OK") << "OK" << "&End Play" << true << false;
        QTest::newRow("End Play button") << "End Play" << "&Play" << false << false;
        QTest::newRow("middle button") << "middle" << "&End Play" << false << true;
        QTest::newRow("window frame") << "frame" << "&End Play" << true << false;
        QTest::newRow("End Play menu") << "End Play menu" << "&Play" << false << false;
        QTest::newRow("Next game menu") << "Next game menu" << "&End Play" << false << true;
    }
    void everyClosingUnlocksHelp() {
        QFETCH(QString, closer);
        QFETCH(QString, playCaption);
        QFETCH(bool, nextShown);
        QFETCH(bool, callerOn);
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        test::ClaimColumnB();
        auto& S = win::App().S;
        auto& f = win::App().Form1();
        auto& d = win::App().frmGamestatus();
        QVERIFY(!HelpMenuEnabled());
        const int32_t balance = S.Balance;

        QStringList seen;
        if (closer == QLatin1String("OK")) d.cmdOK->click();
        if (closer == QLatin1String("End Play")) d.cmdEndPlay->click();
        if (closer == QLatin1String("frame")) d.close();
        if (closer == QLatin1String("End Play menu")) test::Action(QStringLiteral("bngPlay"))->trigger();
        if (closer == QLatin1String("middle")) {
            test::AnswerMessageBox(&seen);
            d.cmdTryagain->click();
        }
        if (closer == QLatin1String("Next game menu")) {
            test::AnswerMessageBox(&seen);
            test::Action(QStringLiteral("Bngnext"))->trigger();
        }

        QVERIFY(!win::App().frmGamestatus.Loaded());
        QVERIFY(HelpMenuEnabled());
        QVERIFY(f.isEnabled());
        QCOMPARE(f.bngPlay->text(), playCaption);
        QCOMPARE(f.Bngnext->isVisible(), nextShown);
        QCOMPARE(f.Timer1->Enabled(), callerOn);
        if (!callerOn) QCOMPARE(S.Balance, balance);
        if (closer == QLatin1String("End Play") || closer == QLatin1String("End Play menu")) {
            QCOMPARE(S.Wins, 0);
            QCOMPARE(S.JackpotLevel, 1);
            QVERIFY(!f.Command1->isVisible());
            QVERIFY(!win::App().Bingomsg.Loaded());
        }
    }
};

QTEST_MAIN(GameStatusTest)
#include "tst_gamestatus.moc"
