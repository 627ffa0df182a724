// The title each window hands the window manager, read back from a real X
// server with a window manager: the offscreen platform has no titles to read.
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QtTest>

#include "tests/windows/support/game_end.h"
#include "tests/windows/support/harness.h"
#include "tests/windows/x11/xprops.h"
#include "windows/bingomsg.h"
#include "windows/form1.h"
#include "windows/frmgamestatus.h"
#include "windows/frmhelp.h"

using namespace pelloric;

using test::x11::Property;
using test::x11::WmTitle;

class TitlesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(test::x11::Connection(), "needs the xcb platform on a real X server"); }

    void everyWindowHandsTheWindowManagerItsTitle() {
        test::Session s;
        auto& f = win::App().Form1();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(WmTitle(&f), QStringLiteral("Pelloric"));

        QString options;
        test::WhenModal(QStringLiteral("BngOptions"), [&options](QWidget* w) {
            options = WmTitle(w);
            test::Find<QPushButton>(w, QStringLiteral("Command1"))->click();
        });
        test::Action(QStringLiteral("bngPlay"))->trigger();
        QCOMPARE(options, QStringLiteral("Select your options"));
        QCOMPARE(WmTitle(&win::App().Bingomsg()), QStringLiteral("Pelloric message board"));

        QString help;
        test::WhenModal(QStringLiteral("frmHelp"), [&help](QWidget* w) {
            help = WmTitle(w);
            test::Find<QPushButton>(w, QStringLiteral("Command2"))->click();
        });
        test::Action(QStringLiteral("bngFullhelp"))->trigger();
        QCOMPARE(help, QStringLiteral("Help"));
    }

    // The end-of-game dialog has no title text; Qt alone would hand the
    // window manager the program's name for it.
    void theEndOfGameDialogHasNoTitle() {
        test::Session s;
        test::PlayAndStart({});
        test::ClaimColumnB();
        auto* dialog = win::App().frmGamestatus.IfLoaded();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(Property(dialog, "_NET_WM_NAME").value_or(QByteArray()), QByteArray());
        QCOMPARE(Property(dialog, "WM_NAME").value_or(QByteArray()), QByteArray());

        // A fresh dialog after a computer player's win, too.
        dialog->frmGamestatus_cmdOK_Click();
        test::AnswerMessageBox();   // the price of the next game
        test::Action(QStringLiteral("Bngnext"))->trigger();
        test::ComputerWins(1);
        dialog = win::App().frmGamestatus.IfLoaded();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(WmTitle(dialog), QString());
    }
};

QTEST_MAIN(TitlesTest)
#include "tst_titles.moc"
