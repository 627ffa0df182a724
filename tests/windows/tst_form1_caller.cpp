// The ball caller and the rolling ball: counted time between calls, the
// status line, the beep, the colours on the message board, the ball text on
// the ball's face, the drop, and the end of the balls.
#include <QtTest>

#include "tests/windows/support/form1_support.h"
#include "tests/windows/support/harness.h"
#include "windows/bingomsg.h"
#include "windows/form1.h"

using namespace pelloric;
using test::Main;
using test::State;

namespace {
using test::BoardColour;
using test::kGrey;
using test::kRed;
using test::kYellow;
}  // namespace

class Form1CallerTest : public QObject {
    Q_OBJECT
private slots:
    // A ball falls due at the 101st, 201st or 301st tick after the caller
    // starts and again after each call.
    void ticksFromCallToCall_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("ticks");
        QTest::newRow("5 s") << 0 << 5000 << 101;
        QTest::newRow("10 s") << 1 << 10000 << 201;
        QTest::newRow("15 s") << 2 << 15000 << 301;
    }
    void ticksFromCallToCall() {
        QFETCH(int, seconds);
        QFETCH(int, interval);
        QFETCH(int, ticks);
        test::Session s;
        test::PlayAndStart({0, 0, seconds, 0});
        QCOMPARE(State().CallInterval, interval);
        QCOMPARE(test::TickToNextBall(), ticks);
        QCOMPARE(State().CalledCount, 1);
        QCOMPARE(State().CallElapsed, 0);   // the calling tick adds nothing
        test::FinishDrop();
        QCOMPARE(test::TickToNextBall(), ticks);
        QCOMPARE(test::TickToNextBall(), ticks);
        QCOMPARE(State().CalledCount, 3);
    }

    // Half the interval keeps its fraction: with 5001 ms a ball is due only
    // once more than 2500 ms are counted.
    void halfTheIntervalKeepsItsFraction() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        State().CallInterval = 5001;
        QCOMPARE(test::TickToNextBall(), 102);
        State().CallInterval = 5000;
        QCOMPARE(test::TickToNextBall(), 101);
    }

    // A pause stops the caller and freezes the counted time; after the resume
    // the rest of the interval is counted.
    void pauseFreezesTheCount() {
        test::Session s;
        test::PlayAndStart({0, 0, 1, 0});
        QCOMPARE(test::TickWhileOn(100), 100);
        QCOMPARE(State().CallElapsed, 2500);
        test::Action(QStringLiteral("bngPause"))->trigger();
        QVERIFY(!Main().Timer1->Enabled());
        QCOMPARE(test::TickWhileOn(1000), 0);
        QCOMPARE(State().CallElapsed, 2500);
        QCOMPARE(State().CalledCount, 0);
        test::Action(QStringLiteral("bngPause"))->trigger();
        QVERIFY(Main().Timer1->Enabled());
        QCOMPARE(test::TickToNextBall(), 101);
    }

    // The real 25 ms timer calls the first ball and lands it.
    void theRunningTimerCallsAndDropsTheBall() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        QTRY_COMPARE_WITH_TIMEOUT(State().CalledCount, 1, 15000);
        QVERIFY(Main().tmrBallrool->Enabled() || Main().lblball->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(Main().lblball->isVisible(), 10000);
        QVERIFY(!Main().tmrBallrool->Enabled());
    }

    void statusLineAtEachCall() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 2});
        State().JackpotLevel = 2;
        test::TickToNextBall();
        QCOMPARE(test::BoardMessage(),
                 QStringLiteral("You are playing Regular Bingo, Jackpot is $30. There is 3 playing against you."));
        win::App().Bingomsg().lblMsg->SetCaption(QString());
        State().JackpotLevel = 1;
        test::TickToNextBall();
        QCOMPARE(test::BoardMessage(),
                 QStringLiteral("You are playing Regular Bingo, Jackpot is $15. There is 3 playing against you."));
    }

    // At each call the ball before the newest turns red, the one before that
    // yellow; the newest stays grey.
    void boardColoursAfterTheFirstCalls() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& S = State();
        test::TickToNextBall();
        for (int n = 1; n <= 75; ++n) QCOMPARE(BoardColour(n), kGrey);
        test::TickToNextBall();
        QCOMPARE(BoardColour(S.Called[1]), kRed);
        QCOMPARE(BoardColour(S.Called[2]), kGrey);
        test::TickToNextBall();
        QCOMPARE(BoardColour(S.Called[1]), kYellow);
        QCOMPARE(BoardColour(S.Called[2]), kRed);
        QCOMPARE(BoardColour(S.Called[3]), kGrey);
        test::TickToNextBall();
        QCOMPARE(BoardColour(S.Called[1]), kYellow);
        QCOMPARE(BoardColour(S.Called[2]), kYellow);
        QCOMPARE(BoardColour(S.Called[3]), kRed);
        int coloured = 0;
        for (int n = 1; n <= 75; ++n) coloured += BoardColour(n) != kGrey;
        QCOMPARE(coloured, 3);
    }

    // The ball's letter and number are set at the call and shown when the
    // drop lands at its 57th step, top edge 1515.
    void ballTextAndTheDrop() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& f = Main();
        auto& S = State();
        test::TickToNextBall();
        QVERIFY(f.tmrBallrool->Enabled());
        QVERIFY(f.lblball->isHidden());
        const QString letters = QStringLiteral(" BINGO");
        QCOMPARE(f.lblball->Caption(), letters[S.CallCol[1]] + QString::number(S.Called[1]));
        QVERIFY(S.Called[1] >= 15 * S.CallCol[1] - 14 && S.Called[1] <= 15 * S.CallCol[1]);

        for (int step = 1; step <= 56; ++step) {
            const int16_t frame = S.BallFrame;
            f.Form1_tmrBallrool_Timer();
            QCOMPARE(f.imgBallroll->GetPicture(), f.imgBalls[frame]->GetPicture());
            QCOMPARE(S.BallStep, int16_t(step));
            QCOMPARE(f.imgBallroll->y(), forms::Px(step * 35 - 480));
            QVERIFY(f.imgBallroll->isVisible());
        }
        QVERIFY(f.tmrBallrool->Enabled());
        QVERIFY(f.lblball->isHidden());
        f.Form1_tmrBallrool_Timer();
        QCOMPARE(forms::TopOf(f.imgBallroll), 1515);
        QVERIFY(!f.tmrBallrool->Enabled());
        QVERIFY(f.lblball->isVisible());
        QCOMPARE(S.BallStep, int16_t(0));
        QCOMPARE(f.imgBallroll->GetPicture(), f.imgBalls[0]->GetPicture());
        QVERIFY(f.imgBallroll->isVisible());

        // Frames 0..12 ran round four times and up to 4 in the 57th step: the
        // next drop starts with frame 5.
        QCOMPARE(S.BallFrame, int16_t(5));
        test::TickToNextBall();
        QVERIFY(f.lblball->isHidden());
        f.Form1_tmrBallrool_Timer();
        QCOMPARE(f.imgBallroll->GetPicture(), f.imgBalls[5]->GetPicture());
    }

    // Once the ball has landed, its text lies on the ball's white face, clear
    // of the face's gold rim and of the blue body: every ball's, the widest
    // "O75" among them. Read from what is drawn: the ink is every pixel the
    // text changes, and the ball drawn without the text is white there and
    // on each pixel next to it.
    void theBallTextLiesOnTheFace() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& f = Main();
        test::TickToNextBall();
        test::FinishDrop();
        QVERIFY(f.lblball->isVisible());
        const QColor textColour = f.lblball->palette().color(QPalette::WindowText);
        // The label's box with a pixel round it, as the window shows it.
        const QRect box = f.lblball->geometry().adjusted(-1, -1, 1, 1);
        auto shot = [&] { return f.Client()->grab(box).toImage().convertToFormat(QImage::Format_RGB32); };
        f.lblball->hide();
        const QImage bare = shot();
        f.lblball->show();
        // The face is white, made greyer by the ball's shading; the rim is
        // gold, the body blue: only the face is a light grey.
        auto face = [](const QColor& c) { return c.hsvSaturation() <= 25 && c.value() >= 128; };
        for (int n = 1; n <= 75; ++n) {
            const QString text = QLatin1Char(kColumnLetter[(n + 14) / 15]) + QString::number(n);
            f.lblball->SetCaption(text);
            const QImage shown = shot();
            bool inTextColour = false;
            for (int y = 1; y + 1 < shown.height(); ++y)
                for (int x = 1; x + 1 < shown.width(); ++x) {
                    if (shown.pixel(x, y) == bare.pixel(x, y)) continue;
                    inTextColour = inTextColour || shown.pixelColor(x, y) == textColour;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            QVERIFY2(face(bare.pixelColor(x + dx, y + dy)),
                                     qPrintable(QStringLiteral("%1 inks (%2, %3) next to %4")
                                                    .arg(text)
                                                    .arg(box.x() + x)
                                                    .arg(box.y() + y)
                                                    .arg(bare.pixelColor(x + dx, y + dy).name())));
                }
            QVERIFY2(inTextColour, qPrintable(text + QStringLiteral(" shows no ink in the text's colour")));
        }
    }

    // One beep per due tick while the menu offers "&Sound Off"; none while it
    // offers "&Sound On".
    void soundSwitchAndOneBeepPerCall() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        QAction* sound = test::Action(QStringLiteral("bngoptSound"));
        test::TickToNextBall();
        QCOMPARE(s.rec.beeps, 1);
        test::TickToNextBall();
        QCOMPARE(s.rec.beeps, 2);
        sound->trigger();
        QCOMPARE(sound->text(), QStringLiteral("&Sound On"));
        test::TickToNextBall();
        QCOMPARE(s.rec.beeps, 2);
        sound->trigger();
        QCOMPARE(sound->text(), QStringLiteral("&Sound Off"));
        test::TickToNextBall();
        QCOMPARE(s.rec.beeps, 3);
    }

    // After the 75th ball the next due tick still starts a drop, rewrites the
    // status line and beeps; the caller then stops, the count goes to 77 and
    // the computer players' test runs once more. Board and ball text stay.
    // The computer cards hold no ball here: a win in that last run would
    // overwrite the status line and stop the drop, hiding both.
    void theDueTickAfterTheLastBall() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& f = Main();
        auto& S = State();
        for (int n = 1; n <= 75; ++n) {
            S.Called[n] = 76 - n;
            S.CallCol[n] = int16_t((75 - n) / 15 + 1);
        }
        for (int p = 1; p <= 6; ++p)
            for (int c = 1; c <= kCells; ++c) S.PcCard[p][c] = 100 + c;
        S.CalledCount = 75;
        S.CallElapsed = 2500;
        f.lblball->SetCaption(QStringLiteral("B1"));
        f.lblball->show();
        f.Bngnext->setText(QStringLiteral("marker"));
        win::App().Bingomsg().lblMsg->SetCaption(QString());

        f.Form1_Timer1_Timer();
        QVERIFY(!f.Timer1->Enabled());
        QCOMPARE(S.CalledCount, 77);
        QCOMPARE(S.Called[76], 0);
        QCOMPARE(S.CallElapsed, 25);
        QVERIFY(f.tmrBallrool->Enabled());
        QVERIFY(f.lblball->isHidden());
        QCOMPARE(f.lblball->Caption(), QStringLiteral("B1"));
        QCOMPARE(test::BoardMessage(),
                 QStringLiteral("You are playing Regular Bingo, Jackpot is $5. There is 1 playing against you."));
        QCOMPARE(s.rec.beeps, 1);
        QVERIFY(f.Bngnext->text() != QStringLiteral("marker"));   // the computer players were tested
        QVERIFY(S.GameRunning);
        for (int n = 1; n <= 75; ++n) QCOMPARE(BoardColour(n), kGrey);
    }

    // A claim that is not valid after the balls have run out switches the
    // caller on again; its next due tick does the same once more.
    void anInvalidClaimAfterTheLastBallRunsOutAgain() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& f = Main();
        auto& S = State();
        S.NumPc = 1;
        S.CalledCount = 77;   // no ball in Called: no card is covered
        f.Form1_Command1_Click();
        QVERIFY(f.Timer1->Enabled());
        QCOMPARE(test::TickToNextBall(), 101);
        QCOMPARE(S.CalledCount, 79);
        QVERIFY(!f.Timer1->Enabled());
        QCOMPARE(s.rec.beeps, 1);
    }
};

QTEST_MAIN(Form1CallerTest)
#include "tst_form1_caller.moc"
