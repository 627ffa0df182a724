// The options dialog: its first state at every opening, what Start stores and
// lays out for each list value, Cancel, Random Pick, the help and web links,
// and the network panel under the lists.
#include <QComboBox>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QtTest>

#include "engine/geometry.h"
#include "tests/windows/support/harness.h"
#include "windows/bingomsg.h"
#include "windows/bngoptions.h"
#include "windows/form1.h"
#include "windows/frmhelp.h"

using namespace pelloric;

namespace {

QStringList Items(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

// The width the style gives the chosen entry of a closed list: its text field,
// found from the state the list itself hands the style, less the pixel the
// text is drawn in from either side.
int TextRoom(const QComboBox* box) {
    struct Open : QComboBox {
        using QComboBox::initStyleOption;
    };
    QStyleOptionComboBox option;
    (box->*&Open::initStyleOption)(&option);
    return box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width() - 2;
}

// Runs check on the options dialog once Play has opened it, then cancels it.
void WithDialog(const std::function<void(win::BngOptions&)>& check) {
    test::WhenModal(QStringLiteral("BngOptions"), [check](QWidget* w) {
        auto& dialog = *static_cast<win::BngOptions*>(w);
        check(dialog);
        dialog.Command2->click();
    });
    test::Action(QStringLiteral("bngPlay"))->trigger();
}

// A generator that logs each value it hands out, and each re-seed as -1.
class LoggingRandom final : public Random {
public:
    void Randomize() override { log.push_back(-1); }
    double Rnd() override {
        const double v = inner->Rnd();
        log.push_back(v);
        return v;
    }
    std::vector<double> log;

private:
    std::shared_ptr<Random> inner = test::SeededRandom(4242);
};

}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheFirstEntriesWhateverWasChosenBefore() {
        test::Session s;
        WithDialog([](win::BngOptions& d) {
            d.Combo1->setCurrentIndex(1);
            d.Combo2->setCurrentIndex(7);
            d.cmbSeconds->setCurrentIndex(2);
            d.cmbPlayers->setCurrentIndex(5);
        });
        bool seen = false;
        WithDialog([&seen](win::BngOptions& d) {
            seen = true;
            QCOMPARE(d.windowTitle(), QStringLiteral("Select your options"));
            QCOMPARE(d.Client()->size(), QSize(forms::Px(4575), forms::Px(4065)));
            QCOMPARE(Items(d.Combo1), (QStringList{"1 Board", "2 Boards"}));
            QCOMPARE(Items(d.Combo2),
                     (QStringList{"Regular Bingo", "Four Corners", "Cover All", "Postage Stamp", "Big Diamond",
                                  "Small Diamond", "Kite Bingo", "Big Picture Frame", "Little Picture Frame",
                                  "B & O Railroad Tracks", "Any Bingo", "Random Pick"}));
            QCOMPARE(Items(d.cmbSeconds), (QStringList{"5 Seconds", "10 Seconds", "15 Seconds"}));
            QCOMPARE(Items(d.cmbPlayers), (QStringList{"1 Pc player", "2 Pc player", "3 Pc player", "4 Pc player",
                                                       "5 Pc player", "6 Pc player"}));
            for (QComboBox* box : {d.Combo1, d.Combo2, d.cmbSeconds, d.cmbPlayers}) {
                QCOMPARE(box->currentIndex(), 0);
                QVERIFY(!box->isEditable());
            }
            QCOMPARE(d.lblexamplename->Caption(), QStringLiteral("Regular Bingo"));
            for (auto* line : d.lneExample) QVERIFY(!line->isHidden());
            QCOMPARE(win::App().S.GameType, int16_t(1));
            QVERIFY(d.Check1->isChecked());
            QCOMPARE(d.cmbPlayers->toolTip(), QStringLiteral("More players you have the harder it is to win"));
            QCOMPARE(d.Label4->toolTip(), d.cmbPlayers->toolTip());
            QCOMPARE(d.lblHelp->toolTip(), QStringLiteral("Click here if you would like help on this game."));
        });
        QVERIFY(seen);
    }

    // Each list keeps its width and place, all four in one font, and shows
    // every entry whole when it is the chosen one.
    void everyListShowsEachEntryWhole() {
        test::Session s;
        WithDialog([](win::BngOptions& d) {
            const QList<QComboBox*> lists = {d.Combo1, d.Combo2, d.cmbSeconds, d.cmbPlayers};
            const int tops[] = {360, 960, 1560, 2160};
            for (int k = 0; k < lists.size(); ++k) {
                QComboBox* box = lists[k];
                QCOMPARE(box->geometry(), QRect(forms::Px(240), forms::Px(tops[k]), forms::Px(2055), forms::Px(315)));
                QCOMPARE(box->font(), d.Combo1->font());
                for (int i = 0; i < box->count(); ++i) {
                    box->setCurrentIndex(i);
                    const int needed = QFontMetrics(box->font()).horizontalAdvance(box->currentText());
                    const int room = TextRoom(box);
                    QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1 needs %2 px of %3")
                                                            .arg(box->currentText())
                                                            .arg(needed)
                                                            .arg(room)));
                }
            }
        });
    }

    void startStoresEveryListValue_data() {
        QTest::addColumn<int>("boards");
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("name");
        QTest::newRow("1 board, Regular, 5 s, 1 player") << 0 << 0 << 0 << 0 << 5000 << "Regular Bingo";
        QTest::newRow("2 boards, Cover All, 10 s, 2") << 1 << 2 << 1 << 1 << 10000 << "Cover All";
        QTest::newRow("1 board, Kite, 15 s, 3") << 0 << 6 << 2 << 2 << 15000 << "Kite Bingo";
        QTest::newRow("2 boards, B & O, 5 s, 4") << 1 << 9 << 0 << 3 << 5000 << "B & O Railroad Tracks";
        QTest::newRow("1 board, Any Bingo, 10 s, 5") << 0 << 10 << 1 << 4 << 10000 << "Any Bingo";
        QTest::newRow("2 boards, Postage Stamp, 15 s, 6") << 1 << 3 << 2 << 5 << 15000 << "Postage Stamp";
    }
    void startStoresEveryListValue() {
        QFETCH(int, boards);
        QFETCH(int, game);
        QFETCH(int, seconds);
        QFETCH(int, players);
        QFETCH(int, interval);
        QFETCH(QString, name);
        test::Session s;
        test::PlayAndStart({boards, game, seconds, players});
        QCoreApplication::processEvents();
        auto& S = win::App().S;
        auto& f = win::App().Form1();
        QCOMPARE(S.NumCards, int16_t(boards + 1));
        QCOMPARE(S.GameType, int16_t(game + 1));
        QCOMPARE(S.CallInterval, interval);
        QCOMPARE(S.NumPc, int16_t(players + 1));
        QCOMPARE(win::Q(S.GameName), name);
        QVERIFY(!S.RandomPick);
        QVERIFY(S.GameRunning);
        // The dialog stays closed: nothing created it again after Start.
        QVERIFY(!win::App().BngOptions.Loaded());
        QCOMPARE(f.windowTitle(), QStringLiteral("Pelloric"));
        QVERIFY(win::App().Bingomsg().lblMsg->Caption().startsWith(QStringLiteral("You are playing ") + name));

        // The layout for one or two boards.
        QVERIFY(!f.Picture1->isHidden());
        QCOMPARE(f.Picture2->isHidden(), boards == 0);
        QCOMPARE(forms::WidthOf(f.Command1), boards == 0 ? 3735 : 8895);
        QCOMPARE(f.OuterWidth(), 9300);
        QVERIFY(f.Timer1->Enabled());
        QVERIFY(!f.Command1->isHidden());
        QCOMPARE(f.bngPlay->text(), QStringLiteral("&End Play"));
        for (QWidget* w : std::initializer_list<QWidget*>{f.lblWins, f.lblBalance, f.lblWins2, f.lblbalnce2})
            QVERIFY(!w->isHidden());
        QVERIFY(f.helpgame->isVisible());
        QVERIFY(f.isEnabled());
        QVERIFY(win::App().Bingomsg().isVisible());
    }

    void cancelKeepsTheGameTypeAndStartsNothing() {
        test::Session s;
        WithDialog([](win::BngOptions& d) { d.Combo2->setCurrentIndex(4); });
        auto& S = win::App().S;
        auto& f = win::App().Form1();
        QCOMPARE(S.GameType, int16_t(5));
        QVERIFY(!win::App().BngOptions.Loaded());
        QCOMPARE(f.bngPlay->text(), QStringLiteral("&Play"));
        QVERIFY(!f.Timer1->Enabled());
        QVERIFY(!S.GameRunning);
        QVERIFY(f.isEnabled());
        QVERIFY(f.Command1->isHidden());
    }

    // Start draws the kind from the generator as it stands, without a re-seed
    // first; the game is then dealt and named after that kind.
    void randomPickDrawsAKindWithoutReseeding_data() {
        QTest::addColumn<int>("skip");   // values drawn before Play, to vary the draw
        for (int skip : {0, 1, 2, 3, 5, 8}) QTest::newRow(qPrintable(QString::number(skip))) << skip;
    }
    void randomPickDrawsAKindWithoutReseeding() {
        QFETCH(int, skip);
        auto random = std::make_shared<LoggingRandom>();
        test::Session s(random);
        for (int i = 0; i < skip; ++i) random->Rnd();
        random->log.clear();
        test::PlayAndStart({0, 11, 0, 0});
        auto& S = win::App().S;
        QVERIFY(!random->log.empty());
        const double first = random->log.front();
        QVERIFY(first >= 0);   // a drawn value, not a re-seed
        QCOMPARE(S.GameType, int16_t(Int(first * 10 + 1)));
        QVERIFY(S.GameType >= 1 && S.GameType <= 10);
        QVERIFY(S.RandomPick);
        QCOMPARE(win::App().Form1().windowTitle(), QStringLiteral("Pelloric - Random Pick"));
        QCOMPARE(S.GameName, std::string(GameKindName(S.GameType)));
        QCOMPARE(win::App().Bingomsg().lblexplname->Caption(), win::Q(S.GameName));
    }

    void theHelpLinkOpensThePageOfTheSelectedGame_data() {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("page");
        QTest::newRow("Regular Bingo") << 0 << 0;
        QTest::newRow("Four Corners") << 1 << 1;
        QTest::newRow("B & O Railroad Tracks") << 9 << 9;
        QTest::newRow("Any Bingo") << 10 << 11;
        QTest::newRow("Random Pick") << 11 << 10;
    }
    void theHelpLinkOpensThePageOfTheSelectedGame() {
        QFETCH(int, game);
        QFETCH(int, page);
        test::Session s;
        int shownOn = -99;
        bool overTheDialog = false;
        WithDialog([&](win::BngOptions& d) {
            d.Combo2->setCurrentIndex(game);
            test::WhenModal(QStringLiteral("frmHelp"), [&](QWidget*) {
                shownOn = win::App().S.HelpTopic;
                overTheDialog = win::App().BngOptions.Loaded() && d.isVisible();
                win::App().frmHelp.Unload();
            });
            QTest::mouseClick(d.lblHelp, Qt::LeftButton, {}, QPoint(d.lblHelp->width() / 2, 5));
        });
        QCOMPARE(shownOn, page);
        QVERIFY(overTheDialog);
    }

    void helpButtonOpensTheOptionsHelp() {
        test::Session s;
        bool opened = false;
        bool onOptionsHelp = false;
        WithDialog([&](win::BngOptions& d) {
            test::WhenModal(QStringLiteral("frmHelp"), [&](QWidget* help) {
                opened = true;
                // The help window consumes the caller code when it opens on its
                // options-help panel; until it does, the code is still set.
                if (auto* panel = help->findChild<QWidget*>(QStringLiteral("pctHelpOption")))
                    onOptionsHelp = !panel->isHidden();
                else
                    onOptionsHelp = win::App().S.HelpCaller == 6;
                win::App().frmHelp.Unload();
            });
            d.cmdHelp->click();
        });
        QVERIFY(opened);
        QVERIFY(onOptionsHelp);
    }

    void theWebLinkOpensTheSite() {
        test::Session s;
        WithDialog([](win::BngOptions& d) {
            QCOMPARE(d.lblVisit->Caption(), QStringLiteral("Visit Us  ") + QLatin1String(kWebAddress));
            QTest::mouseClick(d.lblVisit, Qt::LeftButton, {}, QPoint(5, 5));
        });
        QCOMPARE(s.rec.browser, QStringList{QStringLiteral("start ") + QLatin1String(kWebAddress)});
    }

    void theNetworkPanelLiesCoveredUnderTheLists() {
        test::Session s;
        auto& d = win::App().BngOptions();
        d.Show();
        const QRect under = d.Picture1->geometry();
        QVERIFY(d.Picture2->geometry().contains(under));
        QVERIFY(d.Client()->children().indexOf(d.Picture2) > d.Client()->children().indexOf(d.Picture1));
        // Every point of the network panel reaches the lists' panel instead.
        for (QWidget* w : d.Picture1->findChildren<QWidget*>()) {
            const QPoint at = w->mapTo(d.Client(), w->rect().center());
            if (!under.contains(at)) continue;   // outside the panel's height: clipped away
            QWidget* hit = d.Client()->childAt(at);
            QVERIFY(hit == d.Picture2 || d.Picture2->isAncestorOf(hit));
        }
        QVERIFY(d.Check1->isChecked());
        QVERIFY(!d.Check2->isChecked());
        for (QWidget* w : std::initializer_list<QWidget*>{d.Option2, d.Option3, d.Label1, d.Text1, d.Check4})
            QVERIFY(!w->isEnabled());
        QVERIFY(d.Text2->isHidden() && d.Check3->isHidden() && d.Option1->isHidden());
        QCOMPARE(d.Option1->text(), QStringLiteral("Single Play"));
        win::App().BngOptions.Unload();
    }

    void theNetworkHandlersSwitchOneAnother() {
        test::Session s;
        auto& d = win::App().BngOptions();
        auto fourEnabled = [&d] {
            const int on =
                d.Option2->isEnabled() + d.Option3->isEnabled() + d.Text1->isEnabled() + d.Label1->isEnabled();
            if (on != 0 && on != 4) qWarning("the four network controls disagree");
            return on == 4;
        };

        d.Check2->setChecked(true);
        d.BngOptions_Check2_MouseUp();
        QVERIFY(fourEnabled());
        QVERIFY(!d.Check1->isChecked());

        d.BngOptions_Check1_MouseUp();   // not ticked: nothing changes
        QVERIFY(fourEnabled());
        QVERIFY(d.Check2->isChecked());

        d.Check1->setChecked(true);
        d.BngOptions_Check1_MouseUp();
        QVERIFY(!d.Check2->isChecked());
        QVERIFY(!fourEnabled());

        d.Check2->setChecked(true);
        d.BngOptions_Check2_MouseUp();
        d.Check2->setChecked(false);
        d.BngOptions_Check2_MouseUp();
        QVERIFY(!fourEnabled());
        QVERIFY(!d.Check1->isChecked());   // unticking the network game does not tick Single play

        d.BngOptions_Option3_MouseUp();    // "Host the game" not selected: nothing
        QVERIFY(!d.Check4->isEnabled());
        d.Option3->setChecked(true);
        d.BngOptions_Option3_MouseUp();
        QVERIFY(d.Check4->isEnabled());
        d.BngOptions_Check4_Click();       // still hosting: stays enabled
        QVERIFY(d.Check4->isEnabled());
        d.BngOptions_Option2_Click();
        QVERIFY(!d.Check4->isEnabled());
        d.Option3->setChecked(true);
        d.BngOptions_Option3_MouseUp();
        d.Option2->setChecked(true);       // the two options exclude each other
        QVERIFY(!d.Option3->isChecked());
        d.BngOptions_Check4_Click();
        QVERIFY(!d.Check4->isEnabled());
        win::App().BngOptions.Unload();
    }

    // The keyboard, as a player who never touches the mouse: the focus walks
    // the lists and buttons only, Space and Return on each control leave the
    // covered "Single play" ticked, and Start then deals.
    void theKeyboardNeverReachesTheNetworkPanel() {
        test::Session s;
        auto& f = win::App().Form1();
        QStringList visited;
        QStringList untickedAfter;
        test::WhenModal(QStringLiteral("BngOptions"), [&](QWidget* w) {
            auto& d = *static_cast<win::BngOptions*>(w);
            if (!test::WaitActive(&d)) qWarning("the options dialog never became active");
            visited << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
            // Once round the tab order, pressing Space and Return on every
            // control but the three buttons, which would act.
            for (int step = 0; step < 30; ++step) {
                QWidget* at = QApplication::focusWidget();
                if (!at) break;
                if (!qobject_cast<QPushButton*>(at)) {
                    QTest::keyClick(at, Qt::Key_Space);
                    if (auto* list = qobject_cast<QComboBox*>(at)) list->hidePopup();   // Space opened it
                    QTest::keyClick(at, Qt::Key_Return);
                    if (!d.Check1->isChecked()) untickedAfter << at->objectName();
                }
                QTest::keyClick(at, Qt::Key_Tab);
                if (!QApplication::focusWidget() || QApplication::focusWidget()->objectName() == visited.front())
                    break;
                visited << QApplication::focusWidget()->objectName();
            }
            // Then to Start and Space on it.
            for (int step = 0; step < visited.size() && QApplication::focusWidget() != d.Command1; ++step)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == d.Command1)
                QTest::keyClick(d.Command1, Qt::Key_Space);
            else
                d.Command2->click();
        });
        test::Action(QStringLiteral("bngPlay"))->trigger();

        const QStringList reachable = {"Combo1",   "Combo2",   "cmbSeconds", "cmbPlayers",
                                       "Command1", "Command2", "cmdHelp"};
        const QStringList network = {"Check1", "Check2", "Option2", "Text1", "Option3", "Check4"};
        QVERIFY(!visited.isEmpty());
        QCOMPARE(visited.front(), QStringLiteral("Combo1"));
        for (const QString& name : reachable)
            QVERIFY2(visited.contains(name), qPrintable(name + QStringLiteral(" is not in the tab order")));
        for (const QString& name : visited)
            QVERIFY2(!network.contains(name), qPrintable(name + QStringLiteral(" of the covered panel has the focus")));
        QVERIFY2(untickedAfter.isEmpty(),
                 qPrintable(QStringLiteral("Single play unticked at ") + untickedAfter.join(QLatin1Char(','))));
        QVERIFY(win::App().S.GameRunning);
        QCOMPARE(f.bngPlay->text(), QStringLiteral("&End Play"));
        // Dealt: the design caption "1" stays on at most one cell of a card.
        QVERIFY(f.Label1[1]->Caption() != QStringLiteral("1") || f.Label1[2]->Caption() != QStringLiteral("1"));
    }

    // Without "Single play" Start does every step but the deal.
    void startWithoutSinglePlayDealsNothing() {
        test::Session s;
        test::WhenModal(QStringLiteral("BngOptions"), [](QWidget* w) {
            auto& d = *static_cast<win::BngOptions*>(w);
            d.Check1->setChecked(false);
            d.Command1->click();
        });
        test::Action(QStringLiteral("bngPlay"))->trigger();
        auto& f = win::App().Form1();
        QVERIFY(!win::App().S.GameRunning);
        QCOMPARE(f.Label1[1]->Caption(), QStringLiteral("1"));
        QVERIFY(f.Timer1->Enabled());
        QCOMPARE(f.bngPlay->text(), QStringLiteral("&End Play"));
        QVERIFY(win::App().Bingomsg().isVisible());
    }
};

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
