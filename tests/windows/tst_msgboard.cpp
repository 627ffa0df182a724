// The message board: a fresh board, the colours of the called numbers, the
// winner's card with its numbers apart and through resizes and restores,
// minimising and restoring with the main window, bringing the main window
// forward, and help on the game type.
#include <QtTest>
#include <array>
#include <climits>
#include <set>

#include "engine/geometry.h"
#include "tests/windows/support/form1_support.h"
#include "tests/windows/support/harness.h"
#include "tests/windows/support/texts.h"
#include "windows/bingomsg.h"
#include "windows/form1.h"
#include "windows/frmhelp.h"

using namespace pelloric;

namespace {

using test::BoardColour;
using test::kGrey;
using test::kRed;
using test::kYellow;

}  // namespace

class MsgBoardTest : public QObject {
    Q_OBJECT
private slots:
    void aFreshBoard() {
        test::Session s;
        test::PlayAndStart({0, 1, 0, 2});
        auto& b = win::App().Bingomsg();
        QCOMPARE(b.windowTitle(), QStringLiteral("Pelloric message board"));
        QCOMPARE(b.Client()->size(), QSize(forms::Px(9525), forms::Px(1965)));
        QCOMPARE(b.palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(b.lblMsg->Caption(), QStringLiteral("You are playing Four Corners, Jackpot is $15. "
                                                     "There is 3 players playing against you."));
        QCOMPARE(b.lblMsg->ForeColor(), kRed);
        QVERIFY(b.lblMsg->font().bold());
        const QStringList rows = {"B's", "I's", "N's", "G's", "O's"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(b.Label3[i]->Caption(), rows[i]);
            QCOMPARE(b.Label3[i]->ForeColor(), kRed);
            QCOMPARE(forms::TopOf(b.Label3[i]), forms::Twips(forms::Px(480 + 240 * i)));
        }
        for (int n = 1; n <= 75; ++n) {
            QCOMPARE(b.lblselctedNums[n]->Caption(), QString::number(n));
            QCOMPARE(b.lblselctedNums[n]->ForeColor(), kGrey);
            const int row = (n - 1) / 15;
            const int col = (n - 1) % 15;
            QCOMPARE(b.lblselctedNums[n]->pos(), QPoint(forms::Px(840 + 360 * col), forms::Px(480 + 240 * row)));
        }
        QCOMPARE(b.lblQuestion->Caption(), QStringLiteral("?"));
        QCOMPARE(b.lblQuestion->ForeColor(), 16777215u);
        QVERIFY(b.lblexplname->isHidden());
        QCOMPARE(b.lblexplname->Caption(), QStringLiteral("Four Corners"));
        QVERIFY(b.lblCoverinfo->toolTip().isEmpty());
        QTRY_COMPARE(win::App().S.MsgBoardShown, int16_t(1));   // Start showed it, and it became active once

        // The help area lies above every part of the example card.
        QList<QWidget*> parts = {b.Image1, b.Label1};
        for (auto* w : b.lblExample) parts << w;
        for (auto* w : b.shpExample) parts << w;
        for (auto* w : b.lneExample) parts << w;
        for (QWidget* w : parts) {
            const QPoint centre = w->geometry().center();
            QCOMPARE(b.Client()->childAt(centre), static_cast<QWidget*>(b.lblCoverinfo));
        }
    }

    // The ball before the newest turns red, every earlier one yellow, the
    // newest stays grey until the next call.
    void theCalledNumbersTakeTheirColours() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& S = win::App().S;
        QVERIFY(test::TickToNextBall() > 0);
        QCOMPARE(BoardColour(S.Called[1]), kGrey);
        QVERIFY(test::TickToNextBall() > 0);
        QCOMPARE(BoardColour(S.Called[1]), kRed);
        QCOMPARE(BoardColour(S.Called[2]), kGrey);
        QVERIFY(test::TickToNextBall() > 0);
        QCOMPARE(BoardColour(S.Called[1]), kYellow);
        QCOMPARE(BoardColour(S.Called[2]), kRed);
        QCOMPARE(BoardColour(S.Called[3]), kGrey);
        QVERIFY(test::TickToNextBall() > 0);
        QCOMPARE(BoardColour(S.Called[1]), kYellow);
        QCOMPARE(BoardColour(S.Called[2]), kYellow);
        QCOMPARE(BoardColour(S.Called[3]), kRed);
        int grey = 0;
        for (int n = 1; n <= 75; ++n) grey += BoardColour(n) == kGrey;
        QCOMPARE(grey, 75 - 3);
    }

    // The winner's card stays as the winning-card display left it: nothing in
    // a resize or a restore draws the pattern again.
    void theWinnersCardSurvivesResizesAndRestores() {
        test::Session s;
        test::PlayAndStart({0, 6, 0, 1});   // Kite Bingo: dots and lines on show
        auto& S = win::App().S;
        auto& b = win::App().Bingomsg();
        for (int c = 1; c <= 24; ++c) S.PcCard[2][c] = 60 + (c % 15) + 1;
        const int cells[8] = {1, 7, 18, 24, 18, 19, 23, 24};   // a kite: diagonal and stamp share two cells
        for (int i = 0; i < 8; ++i) S.WinCells[2][i + 1] = int16_t(cells[i]);
        S.WinCellCount = 8;
        int16_t kind = 2;
        int32_t winner = 2;
        win::App().E.ShowWinningCard(kind, winner);

        auto checkCard = [&](const char* when) {
            const std::set<int> red = {1, 7, 18, 19, 23, 24};
            for (int c = 1; c <= 24; ++c) {
                QVERIFY2(b.lblExample[c - 1]->Caption() == QString::number(S.PcCard[2][c]), when);
                QVERIFY2((b.lblExample[c - 1]->ForeColor() == kRed) == red.contains(c), when);
                QVERIFY2(b.shpExample[c - 1]->isHidden(), when);
            }
            for (auto* line : b.lneExample) QVERIFY2(line->isHidden(), when);
        };
        checkCard("shown");
        b.SetWindowState(forms::vbMinimized);
        b.SetWindowState(forms::vbNormal);
        checkCard("restored");
        b.SetWindowState(forms::vbMaximized);
        b.SetWindowState(forms::vbNormal);
        checkCard("after a maximise");
        b.resize(b.width() + 30, b.height() + 10);
        b.Form_Resize();
        QCoreApplication::processEvents();
        checkCard("resized");
        win::App().Form1().SetWindowState(forms::vbMinimized);
        win::App().Form1().SetWindowState(forms::vbNormal);
        checkCard("main window restored");
    }

    // Winners' cards that between them put every number of each column in
    // its cells: each number shows whole inside its cell, and whatever the
    // card, its ink stands at least 3 pixels clear of its neighbours' in the
    // row (the cells of B, I and N lie only 16 pixels apart).
    void theWinnersNumbersStandApart() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& S = win::App().S;
        auto& b = win::App().Bingomsg();
        struct Reach {
            int left = INT_MAX, right = INT_MIN;
            int leftmost = 0, rightmost = 0;   // the numbers that reach furthest
        };
        std::array<Reach, 6> column{};
        for (int card = 0; card < 4; ++card) {
            for (int c = 1; c <= kCells; ++c) {
                const int col = CellColumn(c);
                const int inColumn = col == 3 ? 4 : 5;
                S.PcCard[1][c] = ColumnLow(col) + (card * inColumn + c - CellAt(col, 1)) % 15;
            }
            S.WinCells[1][1] = 1;
            S.WinCellCount = 1;
            int16_t kind = 2;
            int32_t winner = 1;
            win::App().E.ShowWinningCard(kind, winner);
            for (int c = 1; c <= kCells; ++c) {
                forms::Label* cell = b.lblExample[c - 1];
                const int number = S.PcCard[1][c];
                QCOMPARE(cell->text(), QString::number(number));
                const QRect ink = test::InkRect(cell);
                QVERIFY2(ink.left() > cell->x() && ink.right() < cell->geometry().right() && ink.top() > cell->y() &&
                             ink.bottom() < cell->geometry().bottom(),
                         qPrintable(QStringLiteral("%1 is cut by its cell").arg(number)));
                Reach& r = column[CellColumn(c)];
                if (ink.left() < r.left) r.left = ink.left(), r.leftmost = number;
                if (ink.right() > r.right) r.right = ink.right(), r.rightmost = number;
            }
        }
        for (int col = 1; col < 5; ++col) {
            const Reach& l = column[col];
            const Reach& r = column[col + 1];
            const int gap = r.left - l.right - 1;
            QVERIFY2(gap >= 3, qPrintable(QStringLiteral("%1 and %2 stand %3 px apart")
                                              .arg(l.rightmost)
                                              .arg(r.leftmost)
                                              .arg(gap)));
        }
    }

    void minimisesAndRestoresWithTheMainWindow() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& f = win::App().Form1();
        auto& b = win::App().Bingomsg();
        // Each step lets the window system's own reports of the change arrive.
        auto set = [](forms::Form& w, int state) {
            w.SetWindowState(state);
            QCoreApplication::processEvents();
        };
        set(f, forms::vbMinimized);
        QCOMPARE(b.WindowState(), int(forms::vbMinimized));
        set(b, forms::vbNormal);   // restoring the board restores the main window
        QCOMPARE(f.WindowState(), int(forms::vbNormal));
        set(f, forms::vbMaximized);
        QCOMPARE(b.WindowState(), int(forms::vbNormal));
        set(b, forms::vbMinimized);   // minimising the board leaves the main window alone
        QCOMPARE(f.WindowState(), int(forms::vbMaximized));
        set(b, forms::vbNormal);
        QCOMPARE(f.WindowState(), int(forms::vbNormal));
        set(b, forms::vbMaximized);   // and so does maximising it
        QCOMPARE(f.WindowState(), int(forms::vbNormal));
        QCOMPARE(b.WindowState(), int(forms::vbMaximized));
    }

    // Every activation of the board brings the main window forward, also one
    // that follows the last at once (a player clicking the board twice).
    void becomingActiveBringsTheMainWindowForward() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& f = win::App().Form1();
        auto& b = win::App().Bingomsg();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&f));
        QCOMPARE(win::App().S.MsgBoardShown, int16_t(1));
        int boardActive = 0, mainActive = 0;
        auto seen = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, [&](QWindow* w) {
            boardActive += w && w == b.windowHandle();
            mainActive += w && w == f.windowHandle();
        });
        for (int click = 1; click <= 3; ++click) {
            b.activateWindow();
            QTRY_COMPARE(mainActive, click);
            QCOMPARE(boardActive, click);
            QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&f));
        }
        QObject::disconnect(seen);
        QCOMPARE(win::App().S.MsgBoardShown, int16_t(1));   // the once-flag counts the first time only
    }

    // A window manager may hand the focus straight back to the board once the
    // main window has taken it (seen under X): the board then brings the main
    // window forward again, and the main window ends in front.
    void aFocusHandedBackToTheBoardStillEndsOnTheMainWindow() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& f = win::App().Form1();
        auto& b = win::App().Bingomsg();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&f));
        QPointer<win::Bingomsg> board(&b);
        int handedBack = 0, boardActive = 0, mainActive = 0;
        auto wm = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, [&](QWindow* w) {
            boardActive += w && w == b.windowHandle();
            if (w && w == f.windowHandle()) {
                ++mainActive;
                if (board && handedBack == 0) {
                    ++handedBack;
                    board->activateWindow();
                }
            }
        });
        b.activateWindow();
        QTRY_COMPARE(mainActive, 2);
        QCOMPARE(handedBack, 1);
        QCOMPARE(boardActive, 2);
        QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&f));
        QObject::disconnect(wm);
    }

    void helpOnTheGameType_data() {
        QTest::addColumn<int>("game");
        QTest::addColumn<QString>("state");   // "running", "paused" (from the menu), "between" games
        QTest::addColumn<bool>("question");   // the "?" or the example card
        QTest::addColumn<int>("page");        // -1: the drawn kind's page
        QTest::newRow("Regular Bingo, running, ?") << 0 << "running" << true << 0;
        QTest::newRow("Kite Bingo, running, card") << 6 << "running" << false << 6;
        QTest::newRow("Any Bingo, running, card") << 10 << "running" << false << 11;
        QTest::newRow("Random Pick, running, ?") << 11 << "running" << true << -1;
        QTest::newRow("Cover All, paused, ?") << 2 << "paused" << true << 2;
        QTest::newRow("Four Corners, between games, card") << 1 << "between" << false << 1;
    }
    void helpOnTheGameType() {
        QFETCH(int, game);
        QFETCH(QString, state);
        QFETCH(bool, question);
        QFETCH(int, page);
        test::Session s;
        test::PlayAndStart({0, game, 0, 0});
        auto& S = win::App().S;
        auto& f = win::App().Form1();
        auto& b = win::App().Bingomsg();
        if (state == QLatin1String("paused")) win::App().E.TogglePause();
        if (state == QLatin1String("between")) {
            f.Timer1->SetEnabled(false);
            S.GameRunning = false;
            b.lblMsg->SetCaption(QStringLiteral("between"));
        }
        const QString before = b.lblMsg->Caption();
        if (page < 0) page = S.GameType - 1;

        struct Seen {
            bool opened = false;
            bool paused = false;
            QString message;
            bool pauseEntry = true;
            bool playEntry = true;
            int topic = -99;
        } seen;
        test::WhenModal(QStringLiteral("frmHelp"), [&](QWidget*) {
            seen.opened = true;
            seen.paused = S.Paused;
            seen.message = win::App().Bingomsg().lblMsg->Caption();
            seen.pauseEntry = f.bngPause->isEnabled();
            seen.playEntry = f.bngPlay->isEnabled();
            seen.topic = S.HelpTopic;
            win::App().frmHelp.Unload();
        });
        forms::Label* link = question ? b.lblQuestion : b.lblCoverinfo;
        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        QVERIFY(seen.opened);
        QCOMPARE(seen.topic, page);
        QVERIFY(!seen.pauseEntry);
        QVERIFY(!seen.playEntry);
        if (state == QLatin1String("between")) {
            QVERIFY(!seen.paused);
            QCOMPARE(seen.message, before);
        } else {
            QVERIFY(seen.paused);
            QCOMPARE(seen.message, QStringLiteral("Game has been Paused"));
        }
    }
};

QTEST_MAIN(MsgBoardTest)
#include "tst_msgboard.moc"
