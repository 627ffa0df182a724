// The main window itself: its controls and menus at start-up, the access
// keys, the message board following it, closing, Play / Cancel / End Play,
// the Help menu and the web links.
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/windows/support/form1_support.h"
#include "tests/windows/support/harness.h"
#include "tests/windows/support/texts.h"
#include "windows/artwork.h"
#include "windows/bingomsg.h"
#include "windows/bngoptions.h"
#include "windows/form1.h"
#include "windows/frmgamestatus.h"
#include "windows/frmhelp.h"

using namespace pelloric;
using test::Main;
using test::State;

namespace {

QString Caption(const char* action) { return test::Action(QLatin1String(action))->text(); }

// Answers the options dialog with Cancel once it is open; *during runs first.
void CancelOptions(std::function<void(QWidget*)> during = {}) {
    test::WhenModal(QStringLiteral("BngOptions"), [during](QWidget* w) {
        if (during) during(w);
        test::Find<QPushButton>(w, QStringLiteral("Command2"))->click();
    });
}

// Closes the help window once it is open; *during runs first.
void CloseHelp(std::function<void(QWidget*)> during = {}) {
    test::WhenModal(QStringLiteral("frmHelp"), [during](QWidget* w) {
        if (during) during(w);
        w->close();
    });
}

}  // namespace

class Form1WindowTest : public QObject {
    Q_OBJECT
private slots:
    void startUpShowsTheIdleWindow() {
        test::Session s;
        auto& f = Main();
        auto& S = State();
        QVERIFY(f.isVisible());
        QCOMPARE(f.windowTitle(), QStringLiteral("Pelloric"));
        QCOMPARE(f.OuterHeight(), 5745);
        QCOMPARE(S.BallStep, int16_t(0));
        QCOMPARE(S.Balance, 0);
        QCOMPARE(S.Jackpot, 0);
        QCOMPARE(S.JackpotLevel, 1);
        QCOMPARE(S.Wins, 0);
        QCOMPARE(S.HelpTopic, int16_t(-1));
        QVERIFY(!win::App().frmHelp.Loaded());
        // The first showing counts as a resize: the board is loaded, hidden.
        QVERIFY(win::App().Bingomsg.Loaded());
        QVERIFY(!win::App().Bingomsg().isVisible());

        QVERIFY(!f.Timer1->Enabled());
        QVERIFY(!f.tmrBallrool->Enabled());
        for (QWidget* hidden : std::initializer_list<QWidget*>{f.Picture1, f.Picture2, f.Command1, f.lblball,
                                                               f.imgBallroll, f.lblbalnce2, f.lblBalance,
                                                               f.lblWins2, f.lblWins})
            QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
        for (int i = 0; i <= 50; ++i) QVERIFY(f.Image2[i]->isHidden());
        for (int k = 0; k < 5; ++k) QVERIFY(f.imgDotcolor[k]->isHidden());
        QVERIFY(f.Label2->isVisible());
        QCOMPARE(f.Label2->Caption(), QLatin1String(kWebDomain));
        QCOMPARE(f.Command1->text(), QStringLiteral("B I N G O"));
        for (int i = 1; i <= 48; ++i) QCOMPARE(f.Label1[i]->Caption(), QStringLiteral("1"));
        QCOMPARE(f.Label1[49]->Caption(), QStringLiteral("Free Space"));
        QCOMPARE(f.Label1[50]->Caption(), QStringLiteral("Free Space"));
        // Every dot starts with the blue picture.
        for (int i = 0; i <= 50; ++i) QCOMPARE(f.Image2[i]->GetPicture(), f.imgDotcolor[0]->GetPicture());
        QCOMPARE(f.imgDotcolor[0]->GetPicture(), win::art::DotPicture(0));
    }

    void menuCaptionsAndStates_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("enabled");
        const struct {
            const char* name;
            QString caption;
            bool visible, enabled;
        } rows[] = {
            {"bngfile", "&File", true, true},
            {"bngfileExit", "E&xit", true, true},
            {"bngPlay", "&Play", true, true},
            {"Bngnext", "&Next game", false, true},
            {"bngOpt", "&Options", true, true},
            {"bngOptdot", "Dotter Color", true, true},
            {"bngOptdotblue", "Blue", true, true},
            {"bngOptdotred", "Red", true, true},
            {"bngOptdotgreen", "Green", true, true},
            {"bngOptdotyellow", "Yellow", true, true},
            {"bngOptdotPurple", "Purple", true, true},
            {"bngoptSound", "&Sound Off", true, true},
            {"bngPause", "Pause", true, false},
            {"bnghelp", "Help", true, true},
            {"helpgame", "", false, true},
            {"bngFullhelp", "Full Help", true, true},
            {"bnghelpabout", "About", true, true},
            {"bngVisit", QStringLiteral("Visit Us AT ") + QLatin1String(kWebAddress), true, true},
        };
        for (const auto& r : rows) QTest::newRow(r.name) << QString(QLatin1String(r.name)) << r.caption << r.visible << r.enabled;
    }
    void menuCaptionsAndStates() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(bool, visible);
        QFETCH(bool, enabled);
        test::Session s;
        QAction* a = test::Action(name);
        QVERIFY(a);
        QCOMPARE(a->text(), caption);
        QCOMPARE(a->isVisible(), visible);
        if (visible) QCOMPARE(a->isEnabled(), enabled);   // a hidden entry reads as disabled
    }

    void menuTreeHoldsEachEntryInItsPlace() {
        test::Session s;
        auto& f = Main();
        QCOMPARE(f.menuBar->actions(),
                 (QList<QAction*>{f.bngfile->menuAction(), f.bngPlay, f.Bngnext, f.bngOpt->menuAction(),
                                  f.bnghelp->menuAction()}));
        QCOMPARE(f.bngfile->actions(), QList<QAction*>{f.bngfileExit});
        QCOMPARE(f.bngOpt->actions(), (QList<QAction*>{f.bngOptdot->menuAction(), f.bngoptSound, f.bngPause}));
        QCOMPARE(f.bngOptdot->actions(), (QList<QAction*>{f.bngOptdotblue, f.bngOptdotred, f.bngOptdotgreen,
                                                          f.bngOptdotyellow, f.bngOptdotPurple}));
        QCOMPARE(f.bnghelp->actions(), (QList<QAction*>{f.helpgame, f.bngFullhelp, f.bnghelpabout, f.bngVisit}));
    }

    void controlsLieAtTheirTwipsGeometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        const struct {
            const char* name;
            QRect twips;
        } rows[] = {
            {"Picture1", {0, 0, 3855, 4575}},       {"Picture2", {5160, 0, 3855, 4575}},
            {"Image1(0)", {0, 0, 3750, 4500}},      {"Image1(1)", {0, 0, 3750, 4500}},
            {"Command1", {120, 4680, 8895, 375}},   {"lblball", {4440, 1680, 495, 255}},
            {"imgBallroll", {4080, -480, 825, 810}}, {"imgBalls(12)", {0, 0, 825, 810}},
            {"lblbalnce2", {4080, 2280, 975, 255}}, {"lblBalance", {4080, 2520, 975, 255}},
            {"lblWins2", {4080, 2760, 975, 255}},   {"lblWins", {4080, 3000, 975, 255}},
            {"Label2", {3840, 4320, 1335, 255}},
            // Card 1: B row 1, N row 5, O column at 2880; card 2's O column at 3000.
            {"Label1(1)", {120, 840, 735, 735}},    {"Label1(14)", {1560, 3720, 735, 735}},
            {"Label1(20)", {2880, 840, 735, 735}},  {"Label1(44)", {3000, 840, 735, 735}},
            {"Label1(49)", {1560, 2280, 735, 615}}, {"Label1(50)", {1560, 2280, 735, 615}},
            {"Image2(1)", {240, 960, 450, 450}},    {"Image2(24)", {3120, 3720, 450, 450}},
            {"Image2(48)", {3120, 3720, 450, 450}}, {"Image2(49)", {1680, 2400, 450, 450}},
            {"Image2(13)", {1680, 3120, 450, 450}},
        };
        for (const auto& r : rows) QTest::newRow(r.name) << QString(QLatin1String(r.name)) << r.twips;
    }
    void controlsLieAtTheirTwipsGeometry() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        test::Session s;
        auto* w = test::Find<QWidget>(&Main(), name);
        QVERIFY(w);
        using forms::Px;
        QCOMPARE(w->geometry(), QRect(Px(twips.x()), Px(twips.y()), Px(twips.width()), Px(twips.height())));
    }

    // Within a panel the cell labels lie over the dots, the dots over the card;
    // a click anywhere on a cell, on its dot too, reaches the cell's label.
    void labelsLieOverDotsOverTheCard() {
        test::Session s;
        auto& f = Main();
        for (int i : {1, 24, 25, 48, 49, 50}) {
            QWidget* panel = f.Label1[i]->parentWidget();
            QCOMPARE(f.Image2[i]->parentWidget(), panel);
            const QObjectList order = panel->children();
            QWidget* card = i <= 24 || i == 49 ? f.Image1[0] : f.Image1[1];
            QVERIFY(order.indexOf(card) < order.indexOf(f.Image2[i]));
            QVERIFY(order.indexOf(f.Image2[i]) < order.indexOf(f.Label1[i]));
            f.Image2[i]->show();
            QCOMPARE(panel->childAt(f.Image2[i]->geometry().center()), f.Label1[i]);
        }
    }

    // The access keys of the menu bar work from the keyboard.
    void accessKeysTriggerTheMenus() {
        test::Session s;
        auto& f = Main();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));

        bool optionsOpened = false;
        CancelOptions([&](QWidget*) { optionsOpened = true; });
        QTest::keyClick(&f, Qt::Key_P, Qt::AltModifier);
        QVERIFY(optionsOpened);
        QCOMPARE(Caption("bngPlay"), QStringLiteral("&Play"));

        // The dialog hands the focus back to the window it belongs to (with
        // no window manager here to do it).
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&f));
        QTest::keyClick(&f, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(f.bngOpt->isVisible());
        QTest::keyClick(f.bngOpt, Qt::Key_S);
        QCOMPARE(Caption("bngoptSound"), QStringLiteral("&Sound On"));

        QTest::keyClick(&f, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(f.bngfile->isVisible());
        QTest::keyClick(f.bngfile, Qt::Key_X);
        QCOMPARE(s.rec.endProcess, 1);
    }

    void messageBoardFollowsMinimiseAndRestoreNotMaximise() {
        test::Session s;
        auto& f = Main();
        auto& board = win::App().Bingomsg();
        // Each step lets the platform's own report of the change arrive, as it
        // would between a player's clicks; a report left queued would replay
        // an old state over a later one.
        auto set = [](forms::Form& w, int state) {
            w.SetWindowState(state);
            QCoreApplication::processEvents();
        };
        set(f, forms::vbMinimized);
        QCOMPARE(board.WindowState(), int(forms::vbMinimized));
        set(f, forms::vbNormal);
        QCOMPARE(board.WindowState(), int(forms::vbNormal));
        set(f, forms::vbMaximized);
        QCOMPARE(board.WindowState(), int(forms::vbNormal));
        set(f, forms::vbNormal);
        // Nor does maximising bring back a minimised board: one minimised on
        // its own, or one minimised with the main window that then comes back
        // maximised.
        set(board, forms::vbMinimized);
        set(f, forms::vbMaximized);
        QCOMPARE(board.WindowState(), int(forms::vbMinimized));
        set(f, forms::vbMinimized);
        set(f, forms::vbMaximized);
        QCOMPARE(f.WindowState(), int(forms::vbMaximized));
        QCOMPARE(board.WindowState(), int(forms::vbMinimized));
        set(f, forms::vbNormal);
        QCOMPARE(board.WindowState(), int(forms::vbNormal));
        // A board closed meanwhile is loaded again, hidden, by the next change.
        win::App().Bingomsg.Unload();
        f.SetWindowState(forms::vbMinimized);
        QVERIFY(win::App().Bingomsg.Loaded());
        QVERIFY(!win::App().Bingomsg().isVisible());
    }

    // Closing the window and "E&xit" end the process at once, with no other
    // window unloaded first.
    void closingAndExitEndTheProcess() {
        test::Session s;
        bool boardUnloaded = false;
        QObject::connect(&win::App().Bingomsg(), &forms::Form::unloaded, [&] { boardUnloaded = true; });
        Main().close();
        QCOMPARE(s.rec.endProcess, 1);
        QVERIFY(Main().isVisible());
        test::Action(QStringLiteral("bngfileExit"))->trigger();
        QCOMPARE(s.rec.endProcess, 2);
        QVERIFY(!boardUnloaded);
    }

    // Play shows the old win count, resets the money, and after Cancel leaves
    // the window idle with the call count and ball step back at 0.
    void playThenCancelLeavesTheWindowIdle() {
        test::Session s;
        auto& S = State();
        S.Wins = 3;
        S.Balance = 40;
        S.Jackpot = 30;
        S.JackpotLevel = 3;
        S.CalledCount = 12;
        S.BallStep = 9;
        bool checked = false;
        CancelOptions([&](QWidget*) {
            QCOMPARE(Main().lblWins->Caption(), QStringLiteral("3"));
            QCOMPARE(S.Wins, 0);
            QCOMPARE(S.Balance, 0);
            QCOMPARE(S.Jackpot, 0);
            QCOMPARE(S.JackpotLevel, 1);
            QCOMPARE(S.BallStep, int16_t(0));
            QCOMPARE(S.CalledCount, 12);   // reset only once the dialog has closed
            checked = true;
        });
        test::Action(QStringLiteral("bngPlay"))->trigger();
        QVERIFY(checked);
        QCOMPARE(S.CalledCount, 0);
        QCOMPARE(S.BallStep, int16_t(0));
        QCOMPARE(Caption("bngPlay"), QStringLiteral("&Play"));
        QVERIFY(!Main().Timer1->Enabled());
        QVERIFY(Main().Picture1->isHidden());
        QVERIFY(Main().lblWins->isHidden());
        QVERIFY(!win::App().BngOptions.Loaded());
    }

    void playAndStartOpensTheGame() {
        test::Session s;
        test::PlayAndStart({1, 0, 0, 0});
        auto& f = Main();
        QCOMPARE(Caption("bngPlay"), QStringLiteral("&End Play"));
        QVERIFY(f.Timer1->Enabled());
        QVERIFY(f.Picture1->isVisible());
        QVERIFY(f.Picture2->isVisible());
        QVERIFY(f.Command1->isVisible());
        QVERIFY(f.Command1->isEnabled());
        QVERIFY(f.bngPause->isEnabled());
        QVERIFY(f.helpgame->isVisible());
        QCOMPARE(test::MenuText(f.helpgame), QStringLiteral("How to play Regular Bingo"));
        QCOMPARE(State().CalledCount, 0);
        for (int c = 1; c <= 24; ++c) {
            QCOMPARE(f.Label1[c]->Caption(), QString::number(State().Card1[c]));
            QCOMPARE(f.Label1[24 + c]->Caption(), QString::number(State().Card2[c]));
        }
    }

    // End Play returns to the idle window and keeps the balance, the jackpot,
    // the call count and a pause as they were.
    void endPlayReturnsToTheIdleWindow() {
        test::Session s;
        test::PlayAndStart({1, 0, 0, 0});
        auto& f = Main();
        auto& S = State();
        test::TickToNextBall();
        f.Form1_tmrBallrool_Timer();
        QVERIFY(f.imgBallroll->isVisible());
        f.Bngnext->setVisible(true);
        f.Form1_Label1_Click(49);
        f.Form1_Label1_Click(50);
        test::Action(QStringLiteral("bngPause"))->trigger();
        QVERIFY(S.Paused);
        S.Balance = -5;
        S.Wins = 2;
        S.JackpotLevel = 4;
        const int32_t jackpot = S.Jackpot;

        test::Action(QStringLiteral("bngPlay"))->trigger();
        QCOMPARE(S.Wins, 0);
        QCOMPARE(S.JackpotLevel, 1);
        QVERIFY(!S.GameRunning);
        QVERIFY(!f.bngPause->isEnabled());
        QVERIFY(!f.Bngnext->isVisible());
        for (QWidget* hidden : std::initializer_list<QWidget*>{f.lblball, f.imgBallroll, f.Picture1, f.Picture2,
                                                               f.Command1, f.lblWins, f.lblBalance, f.lblWins2,
                                                               f.lblbalnce2})
            QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
        QCOMPARE(S.BallStep, int16_t(0));
        QCOMPARE(Caption("bngPlay"), QStringLiteral("&Play"));
        QVERIFY(!win::App().Bingomsg.Loaded());
        QVERIFY(!f.Timer1->Enabled());
        QVERIFY(!f.tmrBallrool->Enabled());
        for (int i = 1; i <= 50; ++i) QVERIFY(f.Image2[i]->isHidden());
        // Kept.
        QCOMPARE(S.Balance, -5);
        QCOMPARE(S.Jackpot, jackpot);
        QCOMPARE(S.CalledCount, 1);
        QVERIFY(S.Paused);
        QCOMPARE(Caption("bngPause"), QStringLiteral("Unpause"));
    }

    void playAndEndPlayCloseTheEndOfGameDialogFirst() {
        test::Session s;
        win::App().frmGamestatus().Show();
        bool closedBeforeOptions = false;
        CancelOptions([&](QWidget*) { closedBeforeOptions = !win::App().frmGamestatus.Loaded(); });
        test::Action(QStringLiteral("bngPlay"))->trigger();
        QVERIFY(closedBeforeOptions);

        test::PlayAndStart({0, 0, 0, 0});
        win::App().frmGamestatus().Show();
        test::Action(QStringLiteral("bngPlay"))->trigger();
        QVERIFY(!win::App().frmGamestatus.Loaded());
        QCOMPARE(Caption("bngPlay"), QStringLiteral("&Play"));
    }

    // About while the balls are called stops the caller around the box and
    // keeps the counted time; while it is off it stays off.
    void aboutStopsTheCallerAroundTheBox() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& f = Main();
        for (int i = 0; i < 30; ++i) f.Form1_Timer1_Timer();
        const int32_t counted = State().CallElapsed;
        QStringList seen;
        bool offWhileOpen = false;
        test::WhenModal(QStringLiteral("QMessageBox"), [&](QWidget* w) {
            offWhileOpen = !f.Timer1->Enabled();
            auto* box = qobject_cast<QMessageBox*>(w);
            seen << box->windowTitle() << box->text();
            box->button(QMessageBox::Ok)->click();
        });
        test::Action(QStringLiteral("bnghelpabout"))->trigger();
        QVERIFY(offWhileOpen);
        QVERIFY(f.Timer1->Enabled());
        QCOMPARE(State().CallElapsed, counted);
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0], QStringLiteral("About Pelloric"));
        QVERIFY(seen[1].contains(QStringLiteral("Pelloric")));
        QVERIFY(seen[1].contains(QStringLiteral("Version ")));
        QVERIFY(seen[1].contains(QLatin1String(kWebAddress)));

        // Paused: the caller stays off after the box.
        test::Action(QStringLiteral("bngPause"))->trigger();
        test::AnswerMessageBox();
        test::Action(QStringLiteral("bnghelpabout"))->trigger();
        QVERIFY(!f.Timer1->Enabled());
        QCOMPARE(s.rec.messageBoxes.size(), 2);
    }

    // Full Help pauses the game and disables Pause and Play before the help
    // window opens.
    void fullHelpPausesBeforeHelpOpens() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& f = Main();
        bool checked = false;
        CloseHelp([&](QWidget*) {
            QVERIFY(State().Paused);
            QVERIFY(!f.Timer1->Enabled());
            QVERIFY(!f.bngPause->isEnabled());
            QVERIFY(!f.bngPlay->isEnabled());
            QCOMPARE(test::BoardMessage(), QStringLiteral("Game has been Paused"));
            checked = true;
        });
        test::Action(QStringLiteral("bngFullhelp"))->trigger();
        QVERIFY(checked);
    }

    // Already paused from the menu: Full Help adds no second pause.
    void fullHelpWhilePausedDoesNotToggle() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        test::Action(QStringLiteral("bngPause"))->trigger();
        win::App().Bingomsg().lblMsg->SetCaption(QStringLiteral("marker"));
        bool checked = false;
        CloseHelp([&](QWidget*) {
            QVERIFY(State().Paused);
            QCOMPARE(test::BoardMessage(), QStringLiteral("marker"));
            checked = true;
        });
        test::Action(QStringLiteral("bngFullhelp"))->trigger();
        QVERIFY(checked);
    }

    // How to play pauses and opens help on the page of the game played.
    void howToPlayOpensTheGamePage() {
        test::Session s;
        test::PlayAndStart({0, 4, 0, 0});   // Big Diamond
        bool checked = false;
        CloseHelp([&](QWidget*) {
            QVERIFY(State().Paused);
            QCOMPARE(State().HelpTopic, int16_t(4));
            checked = true;
        });
        QCOMPARE(test::MenuText(test::Action(QStringLiteral("helpgame"))),
                 QStringLiteral("How to play Big Diamond"));
        test::Action(QStringLiteral("helpgame"))->trigger();
        QVERIFY(checked);
    }

    // The entry shows the game's name as it is written: the menu takes no
    // ampersand in it for an access key ("B & O" showed as "B _O").
    void howToPlayShowsTheNameAsWritten() {
        test::Session s;
        test::PlayAndStart({0, 9, 0, 0});
        QAction* entry = test::Action(QStringLiteral("helpgame"));
        QCOMPARE(test::MenuText(entry), QStringLiteral("How to play B & O Railroad Tracks"));
        QVERIFY(QKeySequence::mnemonic(entry->text()).isEmpty());
        for (const char* name : kGameKindNames) {
            win::App().ui.SetHowToPlayCaption(std::string("How to play ") + name);
            QCOMPARE(test::MenuText(entry), QStringLiteral("How to play ") + QLatin1String(name));
            QVERIFY(QKeySequence::mnemonic(entry->text()).isEmpty());
        }
    }

    void webLinksOpenTheWebSite() {
        test::Session s;
        const QString url = QLatin1String(kWebAddress);
        test::Action(QStringLiteral("bngVisit"))->trigger();
        QCOMPARE(s.rec.browser, QStringList{QStringLiteral("start ") + url});
        QCOMPARE(Main().Label2->cursor().shape(), Qt::BitmapCursor);
        s.rec.browserStarts = false;
        QTest::mouseClick(Main().Label2, Qt::LeftButton);
        QCOMPARE(s.rec.browser,
                 (QStringList{QStringLiteral("start ") + url, QStringLiteral("start ") + url,
                              QStringLiteral("fallback ") + url}));
        QVERIFY(s.rec.messageBoxes.isEmpty());
    }

    // The desktop's browser start hands the address to xdg-open as its one
    // argument: no shell reads it, so its characters stay as they are.
    void theAddressGoesToXdgOpenAsItsOwnArgument() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString args = dir.filePath(QStringLiteral("args"));
        const QString planted = dir.filePath(QStringLiteral("planted"));
        QFile opener(dir.filePath(QStringLiteral("xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$0.part\" && mv \"$0.part\" \"$(dirname \"$0\")/args\"\n");
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()) + ':' + path);

        const QString url = QStringLiteral("https://pelloric.example/a b?x=1&y=$(touch %1);touch %1").arg(planted);
        const bool started = win::DesktopPlatform().startBrowser(url);
        qputenv("PATH", path);
        QVERIFY(started);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(args), 10000);
        QFile recorded(args);
        QVERIFY(recorded.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(recorded.readAll()), QStringLiteral("1\n") + url + QLatin1Char('\n'));
        QVERIFY(!QFile::exists(planted));
    }
};

QTEST_MAIN(Form1WindowTest)
#include "tst_form1_window.moc"
