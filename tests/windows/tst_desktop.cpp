// The game's windows answer the keyboard and the mouse as desktop windows do:
// Return presses the focused button and Escape cancels, a double-click is one
// click, dialogs belong to the main window, and a menu entry that opens a
// modal window leaves no highlight behind on the menu bar.
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "tests/windows/support/form1_support.h"
#include "tests/windows/support/game_end.h"
#include "tests/windows/support/help.h"
#include "windows/bngoptions.h"
#include "windows/frmgamestatus.h"
#include "windows/frmhelp.h"

using namespace pelloric;
using test::Main;
using test::State;

namespace {

// The widget that has the keyboard focus, by name.
QString FocusName() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("(none)");
}

// Presses a key where the keyboard focus is, as the player's keyboard does.
void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

// A real double-click on a control: press, release, press, double-click, release.
void DoubleClick(QWidget* w) {
    const QPoint at = w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
    QTest::mousePress(w, Qt::LeftButton, {}, at);
    QTest::mouseDClick(w, Qt::LeftButton, {}, at);
    QTest::mouseRelease(w, Qt::LeftButton, {}, at);
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    // Play, Tab to Start, Return: the game starts, from the keyboard alone.
    void startFromTheKeyboardAlone() {
        test::Session s;
        QStringList walked;
        test::WhenModal(QStringLiteral("BngOptions"), [&](QWidget* w) {
            auto& d = *static_cast<win::BngOptions*>(w);
            QTRY_COMPARE(QApplication::activeWindow(), w);
            walked << FocusName();
            for (int step = 0; step < 10 && QApplication::focusWidget() != d.Command1; ++step) {
                Key(Qt::Key_Tab);
                walked << FocusName();
            }
            Key(Qt::Key_Return);
            if (!d.IsUnloaded()) d.Command2->click();
        });
        Main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Main()));
        QTest::keyClick(&Main(), Qt::Key_P, Qt::AltModifier);
        QVERIFY(!walked.isEmpty());
        QCOMPARE(walked.front(), QStringLiteral("Combo1"));
        QCOMPARE(walked.back(), QStringLiteral("Command1"));
        QVERIFY(State().GameRunning);
        QCOMPARE(Main().bngPlay->text(), QStringLiteral("&End Play"));
        QVERIFY(Main().Timer1->Enabled());

        // Return on the focused "B I N G O" claims.
        test::CallCard1Cells({1, 2, 3, 4, 5});
        Main().Command1->setFocus();
        QTest::keyClick(Main().Command1, Qt::Key_Return);
        QCOMPARE(State().Wins, 1);
        QVERIFY(win::App().frmGamestatus.Loaded());
    }

    // Escape in the options dialog does what Cancel does.
    void escapeCancelsTheOptionsDialog() {
        test::Session s;
        bool closedByKey = false;
        test::WhenModal(QStringLiteral("BngOptions"), [&](QWidget* w) {
            auto& d = *static_cast<win::BngOptions*>(w);
            QTRY_COMPARE(QApplication::activeWindow(), w);
            Key(Qt::Key_Escape);
            closedByKey = d.IsUnloaded();
            if (!closedByKey) d.Command2->click();
        });
        test::Action(QStringLiteral("bngPlay"))->trigger();
        QVERIFY(closedByKey);
        QVERIFY(!win::App().BngOptions.Loaded());
        QVERIFY(!State().GameRunning);
        QCOMPARE(Main().bngPlay->text(), QStringLiteral("&Play"));
    }

    // Escape in the help window does what Cancel does: it closes and the next
    // opening starts from the introduction again. Return on Cancel likewise.
    void escapeAndReturnCloseTheHelpWindow_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("Return on Cancel") << false;
    }
    void escapeAndReturnCloseTheHelpWindow() {
        QFETCH(bool, escape);
        test::Session s;
        State().HelpTopic = 3;
        bool closedByKey = false;
        const bool opened = test::InHelp([&](win::frmHelp& h) {
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&h));
            if (!escape) h.Command2->setFocus();
            Key(escape ? Qt::Key_Escape : Qt::Key_Return);
            closedByKey = h.IsUnloaded();
        });
        QVERIFY(opened);
        QVERIFY(closedByKey);
        QCOMPARE(State().HelpTopic, int16_t(-1));
    }

    // In the end-of-game dialog Escape does what OK does, and Return presses
    // whichever of the three buttons has the focus.
    void theEndOfGameDialogFromTheKeyboard() {
        test::Session s;
        s.rec.realMessageBoxes = false;
        test::PlayAndStart({});
        // The message board, shown by Start, hands the activation to the main window.
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&Main()));
        test::ClaimColumnB();
        auto* dialog = win::App().frmGamestatus.IfLoaded();
        QVERIFY(dialog && dialog->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(dialog));
        Key(Qt::Key_Escape);
        QVERIFY(!win::App().frmGamestatus.Loaded());
        QVERIFY(Main().Bngnext->isVisible());
        QVERIFY(Main().bnghelp->menuAction()->isEnabled());
        QVERIFY(!State().GameRunning);

        // Next game from the dialog's middle button, by Return.
        Main().Form1_Bngnext_Click();
        test::ClaimColumnB();
        dialog = win::App().frmGamestatus.IfLoaded();
        QVERIFY(dialog);
        dialog->cmdTryagain->setFocus();
        QTest::keyClick(dialog->cmdTryagain, Qt::Key_Return);
        QVERIFY(State().GameRunning);
        QCOMPARE(s.rec.messageBoxes.size(), 2);

        // End Play by Return.
        test::ClaimColumnB();
        dialog = win::App().frmGamestatus.IfLoaded();
        QVERIFY(dialog);
        dialog->cmdEndPlay->setFocus();
        QTest::keyClick(dialog->cmdEndPlay, Qt::Key_Return);
        QCOMPARE(Main().bngPlay->text(), QStringLiteral("&Play"));
        QVERIFY(!win::App().frmGamestatus.Loaded());
    }

    // A double-click on a called number or on a Free Space leaves it dotted,
    // as one click does; a double-click on the web link opens the site once.
    void aDoubleClickIsOneClick() {
        test::Session s;
        test::PlayAndStart({});
        test::CallCard1Cells({7});
        DoubleClick(Main().Label1[7]);
        QVERIFY(Main().Image2[7]->isVisibleTo(Main().Picture1));
        DoubleClick(Main().Label1[49]);
        QVERIFY(Main().Image2[49]->isVisibleTo(Main().Picture1));
        DoubleClick(Main().Label1[7]);
        QVERIFY(!Main().Image2[7]->isVisibleTo(Main().Picture1));

        DoubleClick(Main().Label2);
        QCOMPARE(s.rec.browser.size(), 1);
    }

    // Play chosen with the mouse on the menu bar: while the options dialog is
    // open no title of the menu bar stays highlighted.
    void aModalWindowLeavesNoMenuHighlight() {
        test::Session s;
        auto& f = Main();
        QAction* play = test::Action(QStringLiteral("bngPlay"));
        const QRect at = f.menuBar->actionGeometry(play);
        QVERIFY(at.isValid());
        bool ran = false;
        QAction* highlighted = play;
        test::WhenModal(QStringLiteral("BngOptions"), [&](QWidget* w) {
            ran = true;
            highlighted = f.menuBar->activeAction();
            static_cast<win::BngOptions*>(w)->Command2->click();
        });
        QTest::mouseMove(f.menuBar, at.center());
        QTest::mouseClick(f.menuBar, Qt::LeftButton, {}, at.center());
        QVERIFY(ran);
        QCOMPARE(highlighted, static_cast<QAction*>(nullptr));
    }

    // The three dialogs belong to the main window (the options dialog's help
    // to the options dialog), keep their size and offer no minimise or
    // maximise button; the message board stays a window of its own.
    void dialogsBelongToTheMainWindow() {
        test::Session s;
        auto& f = Main();
        auto fixedDialog = [](QWidget* w) {
            return w->windowType() == Qt::Dialog && w->minimumSize() == w->size() && w->maximumSize() == w->size() &&
                   !(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        };
        QWidget* optionsOwner = nullptr;
        QWidget* helpOwner = nullptr;
        bool optionsFixed = false;
        bool helpFixed = false;
        test::WhenModal(QStringLiteral("BngOptions"), [&](QWidget* w) {
            optionsOwner = w->parentWidget();
            optionsFixed = fixedDialog(w);
            test::WhenHelp(
                [&](win::frmHelp& h) {
                    helpOwner = h.parentWidget();
                    helpFixed = fixedDialog(&h);
                },
                nullptr);
            static_cast<win::BngOptions*>(w)->cmdHelp->click();
            static_cast<win::BngOptions*>(w)->Command1->click();
        });
        test::Action(QStringLiteral("bngPlay"))->trigger();
        QCOMPARE(optionsOwner, static_cast<QWidget*>(&f));
        QVERIFY(optionsFixed);
        QVERIFY(helpOwner && helpOwner->objectName() == QStringLiteral("BngOptions"));
        QVERIFY(helpFixed);

        QWidget* fullHelpOwner = nullptr;
        test::WhenHelp([&](win::frmHelp& h) { fullHelpOwner = h.parentWidget(); }, nullptr);
        test::Action(QStringLiteral("bngFullhelp"))->trigger();
        QCOMPARE(fullHelpOwner, static_cast<QWidget*>(&f));

        test::ClaimColumnB();
        auto* dialog = win::App().frmGamestatus.IfLoaded();
        QVERIFY(dialog);
        QCOMPARE(dialog->parentWidget(), static_cast<QWidget*>(&f));
        QVERIFY(fixedDialog(dialog));

        QCOMPARE(win::App().Bingomsg().parentWidget(), static_cast<QWidget*>(nullptr));
        // The main window can grow, not shrink below its layout.
        QCOMPARE(f.minimumSize(), f.size());
        QCOMPARE(f.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
