// Window states on a real X server with openbox, changed by the player through
// the window manager: the message board follows the main window only while a
// game shows it, and a state the game sets takes effect at once.
#include <QPushButton>
#include <QtTest>

#include "tests/windows/support/harness.h"
#include "tests/windows/x11/xprops.h"
#include "windows/bingomsg.h"
#include "windows/form1.h"

using namespace pelloric;
namespace x11 = test::x11;

namespace {

const QString kBoardTitle = QStringLiteral("Pelloric message board");

// Whether the window manager lists a window with the board's title: it does
// from the moment the window is first mapped, iconified or not.
bool BoardListed() {
    for (uint32_t id : x11::Stacking())
        if (x11::WmTitle(id) == kBoardTitle) return true;
    return false;
}

// The main window iconified and brought back by the window manager, as the
// player does it from a task bar, twice.
void MinimiseAndRestoreTwice(const std::function<void()>& whileMinimised, const std::function<void()>& afterRestore) {
    auto& f = win::App().Form1();
    for (int round = 0; round < 2; ++round) {
        x11::Iconify(&f);
        QTRY_VERIFY(x11::Iconic(&f));
        QTRY_COMPARE(f.WindowState(), int(forms::vbMinimized));
        whileMinimised();
        x11::Activate(&f);
        QTRY_VERIFY(!x11::Iconic(&f));
        QTRY_COMPARE(f.WindowState(), int(forms::vbNormal));
        QTest::qWait(300);   // whatever the window manager does next
        afterRestore();
    }
}

// Play and Start with the first entries, and what the main window is right
// after Start, before the window manager has answered anything.
struct AfterStart {
    int state = -1;
    QRect geometry;
};
AfterStart PlayAndStartLooking() {
    AfterStart seen;
    test::WhenModal(QStringLiteral("BngOptions"), [&seen](QWidget* w) {
        test::Find<QPushButton>(w, QStringLiteral("Command1"))->click();
        seen = {win::App().Form1().WindowState(), win::App().Form1().geometry()};
    });
    test::Action(QStringLiteral("bngPlay"))->trigger();
    return seen;
}

}  // namespace

class StatesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(x11::Connection(), "needs the xcb platform on a real X server"); }

    // The board is loaded hidden at start-up and after End Play; minimising
    // and restoring the main window then never puts it on the screen. During
    // a game it goes and comes back with the main window.
    void aHiddenBoardStaysHidden() {
        test::Session s;
        auto& f = win::App().Form1();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto neverShown = [] {
            QVERIFY(win::App().Bingomsg.Loaded());
            QVERIFY(!win::App().Bingomsg().isVisible());
            QVERIFY(!BoardListed());
        };
        MinimiseAndRestoreTwice(neverShown, neverShown);
        QCOMPARE(win::App().Bingomsg().WindowState(), int(forms::vbNormal));

        test::PlayAndStart({});
        auto& board = win::App().Bingomsg();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        MinimiseAndRestoreTwice([&] { QTRY_VERIFY(x11::Iconic(&board)); },
                                [&] {
                                    QTRY_VERIFY(!x11::Iconic(&board));
                                    QVERIFY(board.isVisible());
                                });

        test::Action(QStringLiteral("bngPlay"))->trigger();   // End Play
        QTRY_VERIFY(!BoardListed());
        MinimiseAndRestoreTwice(neverShown, neverShown);
    }

    // Start sets the main window normal and then its width: a window that
    // the player maximised, or dragged taller, comes back to its own place
    // and height at once, and can always be dragged back to the game's size.
    void aStateSetFromCodeTakesEffectAtOnce() {
        test::Session s;
        auto& f = win::App().Form1();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTRY_VERIFY(f.frameGeometry() != f.geometry());   // placed and framed by the window manager
        const QRect normal = f.geometry();
        const QSize game(forms::Px(9300 - 120), normal.height());

        x11::Maximize(&f);
        QTRY_COMPARE(f.WindowState(), int(forms::vbMaximized));
        QTRY_VERIFY(f.height() > normal.height());
        const AfterStart seen = PlayAndStartLooking();
        QCOMPARE(seen.state, int(forms::vbNormal));
        QCOMPARE(seen.geometry, QRect(normal.topLeft(), game));
        // And so it stays once the window manager has done what it was asked.
        QTRY_COMPARE(f.geometry(), QRect(normal.topLeft(), game));
        QTest::qWait(300);
        QCOMPARE(f.geometry(), QRect(normal.topLeft(), game));
        QCOMPARE(f.WindowState(), int(forms::vbNormal));
        QCOMPARE(x11::SizeHintsOf(&f).least, game);

        // Dragged taller: Start keeps the height the player gave it, and the
        // window can still be dragged back down to the game's size.
        x11::MoveResize(&f, QRect(f.geometry().topLeft(), game + QSize(0, 120)));
        QTRY_COMPARE(f.size(), game + QSize(0, 120));
        test::Action(QStringLiteral("bngPlay"))->trigger();   // End Play
        test::PlayAndStart({});
        QCOMPARE(f.size(), game + QSize(0, 120));
        QCOMPARE(x11::SizeHintsOf(&f).least, game);
        x11::MoveResize(&f, QRect(f.geometry().topLeft(), game));
        QTRY_COMPARE(f.size(), game);
    }
};

QTEST_MAIN(StatesTest)
#include "tst_states.moc"
