// The money rules end to end, through the real windows: Play, won games,
// Next game at $5 and $10 with no floor, computer wins that move nothing,
// Try Again from a used-up balance, and End Play.
#include <QPushButton>
#include <QtTest>

#include "tests/windows/support/game_end.h"
#include "tests/windows/support/harness.h"
#include "windows/bingomsg.h"
#include "windows/form1.h"
#include "windows/frmgamestatus.h"

using namespace pelloric;

// Balance, jackpot, jackpot level and wins, and the two labels that show them.
#define EXPECT_MONEY(balance, jackpot, level, wins)                                         \
    do {                                                                                    \
        QCOMPARE(S.Balance, balance);                                                       \
        QCOMPARE(S.Jackpot, jackpot);                                                       \
        QCOMPARE(S.JackpotLevel, level);                                                    \
        QCOMPARE(S.Wins, wins);                                                             \
        QCOMPARE(f.lblBalance->Caption(), QStringLiteral("$%1").arg(balance));              \
        QCOMPARE(f.lblWins->Caption(), QString::number(wins));                              \
    } while (0)

namespace {

void NextGameFromMenu() {
    test::AnswerMessageBox();
    test::Action(QStringLiteral("Bngnext"))->trigger();
}

void NextGameFromDialog() {
    test::AnswerMessageBox();
    win::App().frmGamestatus().cmdTryagain->click();
}

QString BoardMessage() { return win::App().Bingomsg().lblMsg->Caption(); }

}  // namespace

class MoneyTest : public QObject {
    Q_OBJECT
private slots:
    void threeComputerPlayersGoBelowZero() {
        test::Session s;
        auto& S = win::App().S;
        auto& f = win::App().Form1();
        test::PlayAndStart({0, 0, 0, 2});
        EXPECT_MONEY(0, 15, 1, 0);

        test::ClaimColumnB();
        EXPECT_MONEY(15, 15, 2, 1);
        QCOMPARE(BoardMessage(), QStringLiteral("You are a Winner your new balance is $15"));

        NextGameFromMenu();
        EXPECT_MONEY(5, 30, 2, 1);
        QCOMPARE(BoardMessage(),
                 QStringLiteral("You are playing Regular Bingo, Jackpot is $30. There is 3 players playing against you."));

        test::ComputerWins(2);   // a balance of 5 is not used up
        QCOMPARE(f.Bngnext->text(), QStringLiteral("&Next game"));
        EXPECT_MONEY(5, 30, 2, 1);

        NextGameFromDialog();
        EXPECT_MONEY(-5, 30, 2, 1);

        test::ClaimColumnB();   // the jackpot lands on the negative balance
        EXPECT_MONEY(25, 30, 3, 2);
        QCOMPARE(BoardMessage(), QStringLiteral("You are a Winner your new balance is $25"));

        NextGameFromMenu();
        EXPECT_MONEY(15, 45, 3, 2);
        QCOMPARE(s.rec.messageBoxes, QStringList(3, QStringLiteral("Next Game|This Game will cost $10.00")));
    }

    void oneComputerPlayerFromZeroToEndPlay() {
        test::Session s;
        auto& S = win::App().S;
        auto& f = win::App().Form1();
        test::PlayAndStart({0, 0, 0, 0});
        EXPECT_MONEY(0, 5, 1, 0);

        test::ComputerWins(1);   // at a zero balance: Try Again
        QCOMPARE(f.Bngnext->text(), QStringLiteral("&Try Again"));
        QCOMPARE(BoardMessage(), test::Announcement(1, true));
        EXPECT_MONEY(0, 5, 1, 0);
        s.rec.realMessageBoxes = false;   // Try Again asks nothing; a box would only be recorded
        win::App().frmGamestatus().cmdTryagain->click();
        EXPECT_MONEY(0, 5, 1, 0);
        s.rec.realMessageBoxes = true;

        test::ClaimColumnB();
        EXPECT_MONEY(5, 5, 2, 1);
        NextGameFromMenu();
        EXPECT_MONEY(0, 10, 2, 1);
        test::ClaimColumnB();
        EXPECT_MONEY(10, 10, 3, 2);
        NextGameFromDialog();
        EXPECT_MONEY(5, 15, 3, 2);

        test::ComputerWins(1);
        QCOMPARE(f.Bngnext->text(), QStringLiteral("&Next game"));
        EXPECT_MONEY(5, 15, 3, 2);
        NextGameFromMenu();
        EXPECT_MONEY(0, 15, 3, 2);

        test::ComputerWins(1);
        QCOMPARE(f.Bngnext->text(), QStringLiteral("&Try Again"));
        s.rec.realMessageBoxes = false;
        test::Action(QStringLiteral("Bngnext"))->trigger();
        s.rec.realMessageBoxes = true;
        EXPECT_MONEY(0, 5, 1, 2);   // Wins keep their count
        QCOMPARE(s.rec.messageBoxes, QStringList(3, QStringLiteral("Next Game|This Game will cost $5.00")));

        test::ClaimColumnB();
        EXPECT_MONEY(5, 5, 2, 3);
        win::App().frmGamestatus().cmdEndPlay->click();
        QCOMPARE(S.Balance, 5);
        QCOMPARE(S.Jackpot, 5);
        QCOMPARE(S.JackpotLevel, 1);
        QCOMPARE(S.Wins, 0);
        QCOMPARE(f.bngPlay->text(), QStringLiteral("&Play"));

        test::PlayAndStart({0, 0, 0, 0});
        EXPECT_MONEY(0, 5, 1, 0);
    }
};

QTEST_MAIN(MoneyTest)
#include "tst_money.moc"
