#include <QtTest>

#include "tests/windows/support/harness.h"
#include "windows/bingomsg.h"
#include "windows/form1.h"

using namespace pelloric;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowShowsAndLoadsTheBoardHidden() {
        test::Session s;
        auto& f = win::App().Form1();
        QCOMPARE(f.windowTitle(), QStringLiteral("Pelloric"));
        QVERIFY(f.isVisible());
        QVERIFY(win::App().Bingomsg.Loaded());
        QVERIFY(!win::App().Bingomsg().isVisible());
        QCOMPARE(win::App().S.JackpotLevel, 1);
        QCOMPARE(win::App().S.HelpTopic, int16_t(-1));
    }
    void playAndStartDealsAGame() {
        test::Session s;
        test::PlayAndStart({1, 2, 1, 2});
        auto& S = win::App().S;
        QCOMPARE(S.NumCards, int16_t(2));
        QCOMPARE(S.GameType, int16_t(3));
        QCOMPARE(S.CallInterval, 10000);
        QCOMPARE(S.NumPc, int16_t(3));
        QVERIFY(S.GameRunning);
        QCOMPARE(test::Action(QStringLiteral("bngPlay"))->text(), QStringLiteral("&End Play"));
        QVERIFY(win::App().Bingomsg().isVisible());
        QVERIFY(!win::App().BngOptions.Loaded());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
