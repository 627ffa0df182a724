// The help window through its real openers and its real controls: the
// contents list, the pages with "< Back" and "Next >", the options-help
// panel, "Help on Bingo" over the options dialog, and the pause around help.
#include <QComboBox>
#include <QPushButton>
#include <QtTest>
#include <set>

#include "engine/engine.h"
#include "engine/example_pattern.h"
#include "engine/geometry.h"
#include "tests/windows/support/harness.h"
#include "tests/windows/support/help.h"
#include "windows/app.h"
#include "windows/bingomsg.h"
#include "windows/bngoptions.h"
#include "windows/form1.h"
#include "windows/help_art.h"

using namespace pelloric;
using forms::Px;
using test::ShownPictures;

namespace {

constexpr uint32_t kNormal = forms::kButtonTextColor;
constexpr uint32_t kHighlight = 16711680;

QList<int> Pages(std::initializer_list<int> pages) { return QList<int>(pages); }

// The explanations shown on the options-help panel.
QList<int> ShownExplanations(const win::frmHelp& h) {
    QList<int> shown;
    for (int i = 0; i < int(h.lblopinfo.size()); ++i)
        if (!h.lblopinfo[i]->isHidden()) shown << i;
    return shown;
}

// A click at a point of the options-help panel, in panel twips: it reaches
// whatever lies on top there.
void ClickPanel(win::frmHelp& h, int x, int y) {
    const QPoint at(Px(x), Px(y));
    QWidget* target = h.pctHelpOption->childAt(at);
    QVERIFY2(target, "nothing on the panel there");
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(h.pctHelpOption, at));
}

// The mouse moved, no button held, to the middle of a control of the
// window, as the window system reports it.
void MoveMouseOver(QWidget& window, QWidget* control) {
    const QPoint at = control->mapTo(&window, control->rect().center());
    QTest::mouseMove(window.windowHandle(), at);
    QCoreApplication::processEvents();
}

// Opens the options dialog from Play and runs body inside it; the dialog is
// cancelled afterwards.
void InOptionsDialog(std::function<void(win::BngOptions&)> body) {
    bool ran = false;
    test::WhenModal(QStringLiteral("BngOptions"), [&](QWidget* w) {
        ran = true;
        auto& dialog = *static_cast<win::BngOptions*>(w);
        body(dialog);
        if (win::App().BngOptions.IfLoaded() == &dialog) dialog.Command2->click();
    });
    test::Action(QStringLiteral("bngPlay"))->trigger();
    QVERIFY(ran);
}

// The control with the keyboard's focus, once the window has it.
QWidget* Focus(QWidget& window) {
    if (!test::WaitActive(&window)) qWarning("the help window never became active");
    return QApplication::focusWidget();
}

// Once round the tab order from the focus the window has, as a player walks it.
QWidgetList TabWalk(QWidget& window) {
    QWidgetList visited{Focus(window)};
    for (int step = 0; step < 60 && visited.back(); ++step) {
        QTest::keyClick(visited.back(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == visited.front()) break;
        visited << now;
    }
    return visited;
}

// The controls of the walk that lie in the given panels.
QStringList Inside(const QWidgetList& walk, std::initializer_list<QWidget*> panels) {
    QStringList found;
    for (QWidget* w : walk)
        for (QWidget* panel : panels)
            if (w && panel->isAncestorOf(w)) found << w->objectName();
    return found;
}

void Key(QWidget& window, Qt::Key key) { QTest::keyClick(Focus(window), key); }

// Whether a dotted line of the colour runs along a row of the picture: a
// dozen dots or more, evenly spaced, as a focus frame draws its edges.
bool HasDottedRow(const QImage& picture, QColor colour) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        int last = -1, step = 0, dots = 0;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != colour.rgba()) continue;
            const int gap = x - last;
            if (last >= 0 && (gap == 2 || gap == 3) && (dots == 1 || gap == step)) {
                step = gap;
                ++dots;
            } else {
                dots = 1;
            }
            last = x;
            if (dots >= 12) return true;
        }
    }
    return false;
}

// The entries, areas and link of the window that are drawn with a focus frame.
QStringList Framed(const win::frmHelp& h) {
    QList<forms::Label*> labels(h.lblcontents.begin(), h.lblcontents.end());
    labels.append(QList<forms::Label*>(h.lblobject.begin(), h.lblobject.end()));
    labels << h.lblHlp;
    QStringList framed;
    for (forms::Label* label : labels)
        if (HasDottedRow(label->grab().toImage(), label->palette().color(QPalette::WindowText)))
            framed << label->objectName();
    return framed;
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    // Runs first: the photograph of the options dialog is taken when the first
    // help window of the process is built.
    void photographOfTheOptionsDialogLeavesTheGameAlone() {
        test::Session s;
        QVERIFY(win::art::OptionsDialogPhoto().isNull());
        auto& S = win::App().S;
        S.GameType = 7;
        S.GameName = "Kite Bingo";
        S.NumCards = 2;
        S.NumPc = 3;
        S.CallInterval = 15000;
        S.RandomPick = true;
        S.HelpTopic = 4;
        S.Balance = -5;
        QVERIFY(test::InHelp([](win::frmHelp&) {}));
        QVERIFY(!win::art::OptionsDialogPhoto().isNull());
        QCOMPARE(S.GameType, int16_t(7));
        QCOMPARE(S.GameName, std::string("Kite Bingo"));
        QCOMPARE(S.NumCards, int16_t(2));
        QCOMPARE(S.NumPc, int16_t(3));
        QCOMPARE(S.CallInterval, 15000);
        QVERIFY(S.RandomPick);
        QCOMPARE(S.HelpTopic, int16_t(4));
        QCOMPARE(S.Balance, -5);
        QVERIFY(!win::App().BngOptions.Loaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(w->objectName() != QLatin1String("BngOptions"), "a dialog was left behind");
    }

    void fullHelpAtStartUpOpensOnTheContents() {
        test::Session s;
        auto& f = win::App().Form1();
        bool ran = false;
        test::WhenHelp([&](win::frmHelp& h) {
            QVERIFY(h.pctContents->isVisible());
            QVERIFY(!h.pctHelpOption->isVisible());
            QVERIFY(ShownPictures(h).isEmpty());
            QVERIFY(!f.bngPause->isEnabled());
            QVERIFY(!f.bngPlay->isEnabled());
            QCOMPARE(win::App().S.HelpOpenedFrom, int16_t(0));

            // "1) What is Bingo": the introduction.
            QTest::mouseClick(h.lblcontents[0], Qt::LeftButton);
            QVERIFY(!h.pctContents->isVisible());
            QVERIFY(h.pctinfo->isVisible());
            QVERIFY(h.lblstart->isVisible());
            QVERIFY(!h.cmdBack->isEnabled());
            QVERIFY(h.cmdNext->isEnabled());
            QCOMPARE(win::App().S.HelpTopic, int16_t(-1));

            // "Next >" shows page 0, "< Back" returns to the introduction.
            QTest::mouseClick(h.cmdNext, Qt::LeftButton);
            QVERIFY(!h.lblstart->isVisible());
            QCOMPARE(ShownPictures(h), Pages({0}));
            QCOMPARE(h.lblHelp->Caption(), win::Q(win::App().S.HelpPages[0]));
            QVERIFY(h.cmdBack->isEnabled());
            QTest::mouseClick(h.cmdBack, Qt::LeftButton);
            QVERIFY(h.lblstart->isVisible());
            QVERIFY(!h.cmdBack->isEnabled());
            QVERIFY(h.cmdNext->isEnabled());
            QCOMPARE(win::App().S.HelpTopic, int16_t(-1));

            QTest::mouseClick(h.Command2, Qt::LeftButton);   // "Cancel"
        }, &ran);
        test::Action(QStringLiteral("bngFullhelp"))->trigger();
        QVERIFY(ran);
        QVERIFY(!win::App().frmHelp.Loaded());
        QCOMPARE(win::App().S.HelpTopic, int16_t(-1));
        QVERIFY(f.bngPause->isEnabled());
        QVERIFY(f.bngPlay->isEnabled());
        QVERIFY(f.isEnabled());
    }

    void nextAndBackThroughEveryPage() {
        test::Session s;
        auto& S = win::App().S;
        QVERIFY(test::InHelp([&](win::frmHelp& h) {
            h.frmHelp_lblcontents_Click(0);
            for (int p = 0; p <= 11; ++p) {
                QTest::mouseClick(h.cmdNext, Qt::LeftButton);
                QCOMPARE(S.HelpTopic, int16_t(p));
                QCOMPARE(ShownPictures(h), Pages({p}));
                QCOMPARE(h.lblHelp->Caption(), win::Q(S.HelpPages[p]));
                QCOMPARE(h.cmdNext->isEnabled(), p != 11);
                QVERIFY(h.cmdBack->isEnabled());
            }
            QTest::mouseClick(h.cmdBack, Qt::LeftButton);
            QCOMPARE(ShownPictures(h), Pages({10}));
            QCOMPARE(h.lblHelp->Caption(), win::Q(S.HelpPages[10]));
            QVERIFY(h.cmdNext->isEnabled());

            // From the last page, a contents entry for another page enables "Next >" again.
            QTest::mouseClick(h.cmdNext, Qt::LeftButton);
            QVERIFY(!h.cmdNext->isEnabled());
            QTest::mouseClick(h.Command1, Qt::LeftButton);   // "Contents"
            QVERIFY(h.pctContents->isVisible());
            QVERIFY(!h.pctinfo->isVisible());
            QTest::mouseClick(h.lblcontents[6], Qt::LeftButton);
            QCOMPARE(S.HelpTopic, int16_t(5));
            QCOMPARE(ShownPictures(h), Pages({5}));
            QVERIFY(h.cmdNext->isEnabled());
        }));
    }

    // Each entry from a freshly opened window (contents in front, "< Back"
    // disabled as created).
    void contentsEntry_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("back");
        QTest::addColumn<bool>("next");
        QTest::newRow("introduction") << 0 << false << true;
        QTest::newRow("page 0 keeps Back as it was") << 1 << false << true;
        QTest::newRow("page 1") << 2 << true << true;
        QTest::newRow("page 9") << 10 << true << true;
        QTest::newRow("page 10") << 11 << true << true;
        QTest::newRow("page 11") << 12 << true << false;
    }
    void contentsEntry() {
        QFETCH(int, entry);
        QFETCH(bool, back);
        QFETCH(bool, next);
        test::Session s;
        QVERIFY(test::InHelp([&](win::frmHelp& h) {
            QTest::mouseClick(h.lblcontents[entry], Qt::LeftButton);
            const int page = entry - 1;
            QCOMPARE(win::App().S.HelpTopic, int16_t(page));
            QCOMPARE(h.lblstart->isVisible(), page == -1);
            QCOMPARE(ShownPictures(h), page >= 0 ? Pages({page}) : Pages({}));
            QCOMPARE(h.lblHelp->Caption(), page >= 0 ? win::Q(win::App().S.HelpPages[page]) : QString());
            QCOMPARE(h.cmdBack->isEnabled(), back);
            QCOMPARE(h.cmdNext->isEnabled(), next);
            for (int i = 0; i < 13; ++i) QCOMPARE(h.lblcontents[i]->ForeColor(), i == entry ? kHighlight : kNormal);
        }));
    }

    void contentsEntriesLightUpUnderTheMouse() {
        test::Session s;
        QVERIFY(test::InHelp([](win::frmHelp& h) {
            for (auto* entry : h.lblcontents) QCOMPARE(entry->ForeColor(), uint32_t(4210752));
            MoveMouseOver(h, h.lblcontents[4]);
            QCOMPARE(h.lblcontents[4]->ForeColor(), kHighlight);
            MoveMouseOver(h, h.lblcontents[9]);
            QCOMPARE(h.lblcontents[9]->ForeColor(), kHighlight);
            for (int i = 0; i < 13; ++i)
                if (i != 9) QCOMPARE(h.lblcontents[i]->ForeColor(), kNormal);
        }));
    }

    // With the contents list in front, the keyboard walks its entries and the
    // window's own controls, never the page area under the list, whose "Next >"
    // would turn pages unseen; the list takes the focus on its first entry
    // whenever it comes to the front.
    void theKeyboardWalksTheContentsListOnly() {
        test::Session s;
        bool ran = false;
        test::WhenHelp([&](win::frmHelp& h) {
            QWidgetList walk = TabWalk(h);
            QCOMPARE(walk.front(), h.lblcontents[0]);
            for (auto* entry : h.lblcontents)
                QVERIFY2(walk.contains(entry), qPrintable(entry->objectName() + QStringLiteral(" is out of reach")));
            QVERIFY(walk.contains(h.Command2));
            QCOMPARE(Inside(walk, {h.pctinfo}), QStringList());
            QCOMPARE(win::App().S.HelpTopic, int16_t(-1));

            // Back to the list from a page: the same walk.
            QTest::mouseClick(h.lblcontents[3], Qt::LeftButton);
            QTest::mouseClick(h.Command1, Qt::LeftButton);
            walk = TabWalk(h);
            QCOMPARE(walk.front(), h.lblcontents[0]);
            QCOMPARE(Inside(walk, {h.pctinfo}), QStringList());
            QCOMPARE(Inside(walk, {h.pctContents}).size(), 13);
        }, &ran);
        test::Action(QStringLiteral("bngFullhelp"))->trigger();
        QVERIFY(ran);
    }

    // An entry chosen from the keyboard: Return at once opens the introduction;
    // the arrows move between entries, showing the focus, and Space opens the
    // entry reached. The page area, in front then, is walked in its turn.
    void contentsEntriesFromTheKeyboard() {
        test::Session s;
        auto& S = win::App().S;
        QVERIFY(test::InHelp([&](win::frmHelp& h) {
            Key(h, Qt::Key_Return);
            QVERIFY(!h.pctContents->isVisible());
            QVERIFY(h.lblstart->isVisible());
            QCOMPARE(S.HelpTopic, int16_t(-1));
            QWidgetList walk = TabWalk(h);
            QVERIFY(h.pctinfo->isAncestorOf(walk.front()));
            QVERIFY(walk.contains(h.Command1));
            QVERIFY(walk.contains(h.cmdNext));

            // "Contents" from the keyboard, then down three entries and up one.
            while (Focus(h) != h.Command1) Key(h, Qt::Key_Tab);
            Key(h, Qt::Key_Space);
            QVERIFY(h.pctContents->isVisible());
            QCOMPARE(Focus(h), h.lblcontents[0]);
            // A key held on "Contents" repeats on the entry that has taken the
            // focus: no repeat chooses it.
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
                QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
                QApplication::sendEvent(h.lblcontents[0], &repeat);
            }
            QVERIFY(h.pctContents->isVisible());
            Key(h, Qt::Key_Up);   // the first entry is the end of the list
            QCOMPARE(Focus(h), h.lblcontents[0]);
            for (int i = 0; i < 3; ++i) Key(h, Qt::Key_Down);
            QCOMPARE(Focus(h), h.lblcontents[3]);
            Key(h, Qt::Key_Left);
            QCOMPARE(Focus(h), h.lblcontents[2]);
            QCOMPARE(Framed(h), QStringList{h.lblcontents[2]->objectName()});
            // The keys leave the colours as the last choice left them.
            for (int i = 0; i < 13; ++i) QCOMPARE(h.lblcontents[i]->ForeColor(), i == 0 ? kHighlight : kNormal);
            Key(h, Qt::Key_Space);
            QCOMPARE(S.HelpTopic, int16_t(1));
            QCOMPARE(ShownPictures(h), Pages({1}));
            QCOMPARE(h.lblcontents[2]->ForeColor(), kHighlight);

            // The last entry is the other end.
            QTest::mouseClick(h.Command1, Qt::LeftButton);
            for (int i = 0; i < 14; ++i) Key(h, Qt::Key_Right);
            QCOMPARE(Focus(h), h.lblcontents[12]);
            Key(h, Qt::Key_Enter);
            QCOMPARE(S.HelpTopic, int16_t(11));
        }));
    }

    // Return pressed again and again on "Next >" reads the pages in turn. The
    // last page disables "Next >" under the focus, which goes to "< Back"
    // rather than on to "Cancel": a press more turns back and never closes
    // help. At the introduction the same, the other way.
    void returnKeptPressedOnThePageButtonsNeverClosesHelp() {
        test::Session s;
        auto& S = win::App().S;
        QVERIFY(test::InHelp([&](win::frmHelp& h) {
            Key(h, Qt::Key_Return);   // "1) What is Bingo"
            while (Focus(h) != h.cmdNext) Key(h, Qt::Key_Tab);
            for (int page = 0; page <= 11; ++page) Key(h, Qt::Key_Return);
            QCOMPARE(S.HelpTopic, int16_t(11));
            Key(h, Qt::Key_Return);
            QVERIFY2(!h.IsUnloaded(), "help closed");
            QCOMPARE(S.HelpTopic, int16_t(10));
            QCOMPARE(Focus(h), h.cmdBack);

            for (int page = 9; page >= -1; --page) Key(h, Qt::Key_Return);
            QCOMPARE(S.HelpTopic, int16_t(-1));
            Key(h, Qt::Key_Return);
            QVERIFY2(!h.IsUnloaded(), "help closed");
            QCOMPARE(S.HelpTopic, int16_t(0));
            QCOMPARE(Focus(h), h.cmdNext);
        }));
    }

    // The focus frames show once the keyboard has been used in the window, as
    // the push buttons' do: a player who only clicks never sees one.
    void focusFramesShowOnceTheKeyboardIsUsed() {
        test::Session s;
        bool ran = false;
        test::WhenHelp([&](win::frmHelp& h) {
            QCOMPARE(Focus(h), h.lblcontents[0]);
            QCOMPARE(Framed(h), QStringList());
            QTest::mouseClick(h.lblcontents[3], Qt::LeftButton);
            QTest::mouseClick(h.Command1, Qt::LeftButton);   // "Contents"
            QCOMPARE(Focus(h), h.lblcontents[0]);
            QCOMPARE(Framed(h), QStringList());
            Key(h, Qt::Key_Tab);
            QCOMPARE(Framed(h), QStringList{h.lblcontents[1]->objectName()});
        }, &ran);
        test::Action(QStringLiteral("bngFullhelp"))->trigger();
        QVERIFY(ran);

        // The options-help panel, opened by a click on the options dialog's
        // Help; there the first keys are arrows.
        InOptionsDialog([&](win::BngOptions& dialog) {
            bool ranPanel = false;
            test::WhenHelp([&](win::frmHelp& h) {
                QCOMPARE(Focus(h), h.lblobject[0]);
                QCOMPARE(Framed(h), QStringList());
                ClickPanel(h, 1200, 1260);   // the game-type area
                QCOMPARE(Focus(h), h.lblobject[1]);
                QCOMPARE(Framed(h), QStringList());
                Key(h, Qt::Key_Down);
                QCOMPARE(Framed(h), QStringList{h.lblobject[2]->objectName()});
            }, &ranPanel);
            QTest::mouseClick(dialog.cmdHelp, Qt::LeftButton);
            QVERIFY(ranPanel);
        });
    }

    // Under the options-help panel neither the contents list nor the page
    // area takes the focus; the areas and "Help on Bingo" are chosen from the
    // keyboard.
    void theOptionsHelpPanelFromTheKeyboard() {
        test::Session s;
        auto& S = win::App().S;
        InOptionsDialog([&](win::BngOptions& dialog) {
            dialog.Combo2->setCurrentIndex(3);   // Postage Stamp
            bool ran = false, ranAgain = false;
            test::WhenHelp([&](win::frmHelp& h) {
                const QWidgetList walk = TabWalk(h);
                QCOMPARE(walk.front(), h.lblobject[0]);
                for (auto* area : h.lblobject)
                    QVERIFY2(walk.contains(area), qPrintable(area->objectName() + QStringLiteral(" is out of reach")));
                QVERIFY(walk.contains(h.lblHlp));
                QCOMPARE(Inside(walk, {h.pctinfo, h.pctContents}), QStringList());

                Key(h, Qt::Key_Return);
                QCOMPARE(ShownExplanations(h), Pages({0}));
                Key(h, Qt::Key_Down);
                Key(h, Qt::Key_Down);
                Key(h, Qt::Key_Space);
                QCOMPARE(ShownExplanations(h), Pages({2}));
                Key(h, Qt::Key_Up);
                Key(h, Qt::Key_Return);
                QCOMPARE(ShownExplanations(h), Pages({1}));
                for (int i = 0; i < 6; ++i) Key(h, Qt::Key_Down);
                QCOMPARE(Focus(h), h.lblHlp);
                test::WhenHelp([&](win::frmHelp& again) {
                    ranAgain = true;
                    QCOMPARE(S.HelpTopic, int16_t(3));
                    QCOMPARE(ShownPictures(again), Pages({3}));
                    QCOMPARE(Inside(TabWalk(again), {again.pctContents, again.pctHelpOption}), QStringList());
                }, nullptr);
                Key(h, Qt::Key_Return);
            }, &ran);
            dialog.cmdHelp->click();
            QVERIFY(ran);
            QVERIFY(ranAgain);
        });
    }

    // Opening on a page; closing by the frame keeps the page for the next
    // Full Help, which opens a fresh window there.
    void openingOnAPage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("back");
        QTest::addColumn<bool>("next");
        QTest::newRow("page 0") << 0 << false << true;
        QTest::newRow("page 4") << 4 << true << true;
        QTest::newRow("page 11") << 11 << true << false;
    }
    void openingOnAPage() {
        QFETCH(int, page);
        QFETCH(bool, back);
        QFETCH(bool, next);
        test::Session s;
        auto& S = win::App().S;
        S.HelpTopic = int16_t(page);
        QPointer<win::frmHelp> first;
        QVERIFY(test::InHelp([&](win::frmHelp& h) {
            first = &h;
            QVERIFY(!h.pctContents->isVisible());
            QVERIFY(!h.lblstart->isVisible());
            QCOMPARE(ShownPictures(h), Pages({page}));
            QCOMPARE(h.lblHelp->Caption(), win::Q(S.HelpPages[page]));
            QCOMPARE(h.cmdBack->isEnabled(), back);
            QCOMPARE(h.cmdNext->isEnabled(), next);
            h.close();   // by the frame
        }));
        QCOMPARE(S.HelpTopic, int16_t(page));
        bool ran = false;
        test::WhenHelp([&](win::frmHelp& h) {
            QVERIFY(&h != first.data());
            QCOMPARE(ShownPictures(h), Pages({page}));
        }, &ran);
        test::Action(QStringLiteral("bngFullhelp"))->trigger();
        QVERIFY(ran);
    }

    // The message board's "?" during a game: the game's page, with the game
    // paused while help is open and resumed after.
    void helpFromTheMessageBoard_data() {
        QTest::addColumn<int>("game");   // Combo2 index
        QTest::newRow("Any Bingo") << 10;
        QTest::newRow("Random Pick") << 11;
        QTest::newRow("B & O Railroad Tracks") << 9;
    }
    void helpFromTheMessageBoard() {
        QFETCH(int, game);
        test::Session s;
        test::PlayAndStart({0, game, 0, 0});
        auto& S = win::App().S;
        auto& f = win::App().Form1();
        const int page = game == 10 ? 11 : S.GameType - 1;
        QVERIFY(page >= 0 && page <= 11);
        if (game == 11) QVERIFY(page <= 9);   // the kind drawn for the game, never 10 or 11
        bool ran = false;
        test::WhenHelp([&](win::frmHelp& h) {
            QCOMPARE(S.HelpTopic, int16_t(page));
            QCOMPARE(ShownPictures(h), Pages({page}));
            QVERIFY(S.Paused);
            QVERIFY(!f.Timer1->Enabled());
            QCOMPARE(S.HelpOpenedFrom, int16_t(0));
            QCOMPARE(win::App().Bingomsg().lblMsg->Caption(), QStringLiteral("Game has been Paused"));
            QVERIFY(!f.bngPause->isEnabled());
            QVERIFY(!f.bngPlay->isEnabled());
        }, &ran);
        QTest::mouseClick(win::App().Bingomsg().lblQuestion, Qt::LeftButton);
        QVERIFY(ran);
        QVERIFY(!S.Paused);
        QVERIFY(f.Timer1->Enabled());
        QCOMPARE(win::App().Bingomsg().lblMsg->Caption(), QStringLiteral("Game has been Unpaused"));
        QVERIFY(f.bngPause->isEnabled());
        QVERIFY(f.bngPlay->isEnabled());
    }

    // Opened without an opener's pause, the window pauses a running game
    // itself; closing it by any means resumes the game.
    void theWindowPausesARunningGame() {
        test::Session s;
        test::PlayAndStart({0, 0, 0, 0});
        auto& S = win::App().S;
        auto& f = win::App().Form1();
        QVERIFY(test::InHelp([&](win::frmHelp&) {
            QVERIFY(S.Paused);
            QVERIFY(!f.Timer1->Enabled());
            QCOMPARE(win::App().Bingomsg().lblMsg->Caption(), QStringLiteral("Game has been Paused"));
            QCOMPARE(f.bngPause->text(), QStringLiteral("Unpause"));
            QVERIFY(!f.bngPause->isEnabled());
            QVERIFY(!f.bngPlay->isEnabled());
        }));
        QVERIFY(!S.Paused);
        QVERIFY(f.Timer1->Enabled());
        QCOMPARE(win::App().Bingomsg().lblMsg->Caption(), QStringLiteral("Game has been Unpaused"));
        QCOMPARE(f.bngPause->text(), QStringLiteral("Pause"));
        QVERIFY(f.bngPause->isEnabled());
        QVERIFY(f.bngPlay->isEnabled());
    }

    // Paused from the menu first: "How to play" and the window add no second
    // pause (which would resume the game), and closing help resumes it.
    void noSecondPauseWhenAlreadyPaused() {
        test::Session s;
        test::PlayAndStart({0, 3, 0, 0});
        auto& S = win::App().S;
        auto& f = win::App().Form1();
        test::Action(QStringLiteral("bngPause"))->trigger();
        QVERIFY(S.Paused);
        win::App().Bingomsg().lblMsg->SetCaption(QStringLiteral("marker"));
        bool ran = false;
        test::WhenHelp([&](win::frmHelp& h) {
            QCOMPARE(ShownPictures(h), Pages({3}));
            QVERIFY(S.Paused);
            QVERIFY(!f.Timer1->Enabled());
            QCOMPARE(win::App().Bingomsg().lblMsg->Caption(), QStringLiteral("marker"));
            QVERIFY(!f.bngPause->isEnabled());
            QVERIFY(!f.bngPlay->isEnabled());
            QTest::mouseClick(h.Command2, Qt::LeftButton);
        }, &ran);
        test::Action(QStringLiteral("helpgame"))->trigger();
        QVERIFY(ran);
        QVERIFY(!S.Paused);
        QVERIFY(f.Timer1->Enabled());
        QCOMPARE(win::App().Bingomsg().lblMsg->Caption(), QStringLiteral("Game has been Unpaused"));
        QVERIFY(f.bngPause->isEnabled());
    }

    // No game: nothing is paused, but both entries are disabled while help is open.
    void helpWhileIdlePausesNothing() {
        test::Session s;
        auto& S = win::App().S;
        auto& f = win::App().Form1();
        win::App().Bingomsg().lblMsg->SetCaption(QStringLiteral("marker"));
        QVERIFY(test::InHelp([&](win::frmHelp&) {
            QVERIFY(!S.Paused);
            QCOMPARE(win::App().Bingomsg().lblMsg->Caption(), QStringLiteral("marker"));
            QVERIFY(!f.bngPause->isEnabled());
            QVERIFY(!f.bngPlay->isEnabled());
        }));
        QVERIFY(!S.Paused);
        QVERIFY(!f.Timer1->Enabled());
        QCOMPARE(win::App().Bingomsg().lblMsg->Caption(), QStringLiteral("marker"));
        QVERIFY(f.bngPlay->isEnabled());
    }

    // The options dialog's "Help": the options-help panel over everything,
    // with the prompt; each area shows its own explanation only. A later
    // opening starts from the prompt again.
    void optionsHelpPanel() {
        test::Session s;
        auto& S = win::App().S;
        InOptionsDialog([&](win::BngOptions& dialog) {
            bool ran = false;
            test::WhenHelp([&](win::frmHelp& h) {
                QCOMPARE(S.HelpCaller, int16_t(0));
                QVERIFY(h.pctHelpOption->isVisible());
                QCOMPARE(ShownExplanations(h), Pages({6}));
                // The boards area, then the game-type area: only the latter's text.
                ClickPanel(h, 1200, 600);
                QCOMPARE(ShownExplanations(h), Pages({0}));
                ClickPanel(h, 1200, 1260);
                QCOMPARE(ShownExplanations(h), Pages({1}));
                ClickPanel(h, 1200, 1750);
                QCOMPARE(ShownExplanations(h), Pages({2}));
                ClickPanel(h, 1200, 2250);
                QCOMPARE(ShownExplanations(h), Pages({3}));
                ClickPanel(h, 1200, 3200);
                QCOMPARE(ShownExplanations(h), Pages({4}));
                // The example area answers over its card and its sentence too.
                ClickPanel(h, 3500, 1400);   // on the card
                QCOMPARE(ShownExplanations(h), Pages({5}));
                ClickPanel(h, 1200, 600);
                ClickPanel(h, 3500, 2700);   // on the sentence
                QCOMPARE(ShownExplanations(h), Pages({5}));
                // Only "Help on Bingo" lies above the example area.
                QCOMPARE(h.pctHelpOption->childAt(QPoint(Px(3500), Px(3360))), h.lblHlp);
            }, &ran);
            dialog.cmdHelp->click();
            QVERIFY(ran);
            QVERIFY(win::App().BngOptions.IfLoaded() == &dialog);

            ran = false;
            test::WhenHelp([&](win::frmHelp& h) {
                QVERIFY(h.pctHelpOption->isVisible());
                QCOMPARE(ShownExplanations(h), Pages({6}));
            }, &ran);
            dialog.cmdHelp->click();
            QVERIFY(ran);
        });
    }

    // "Help on Bingo" closes the window and opens a new one, modal over the
    // options dialog, on the page of the game selected there.
    void helpOnBingo_data() {
        QTest::addColumn<int>("game");   // Combo2 index
        QTest::addColumn<int>("page");
        QTest::newRow("Random Pick") << 11 << 10;
        QTest::newRow("Any Bingo") << 10 << 11;
        QTest::newRow("Four Corners after Any Bingo") << 1 << 1;
    }
    void helpOnBingo() {
        QFETCH(int, game);
        QFETCH(int, page);
        test::Session s;
        auto& S = win::App().S;
        S.GameType = 11;   // the game played before
        S.GameName = "Any Bingo";
        InOptionsDialog([&](win::BngOptions& dialog) {
            dialog.Combo2->setCurrentIndex(game);
            QPointer<win::frmHelp> first;
            bool ranFirst = false, ranSecond = false;
            test::WhenHelp([&](win::frmHelp& h) {
                first = &h;
                QVERIFY(h.pctHelpOption->isVisible());
                test::WhenHelp([&](win::frmHelp& again) {
                    QVERIFY(&again != first.data());
                    QVERIFY(first && first->IsUnloaded());
                    QCOMPARE(QApplication::activeModalWidget(), &again);
                    QVERIFY(dialog.isVisible());
                    QCOMPARE(S.HelpTopic, int16_t(page));
                    QVERIFY(!again.pctHelpOption->isVisible());
                    QVERIFY(!again.pctContents->isVisible());
                    QCOMPARE(ShownPictures(again), Pages({page}));
                    QCOMPARE(again.lblHelp->Caption(), win::Q(S.HelpPages[page]));
                    QTest::mouseClick(again.Command2, Qt::LeftButton);
                }, &ranSecond);
                QTest::mouseClick(h.lblHlp, Qt::LeftButton);
            }, &ranFirst);
            dialog.cmdHelp->click();
            QVERIFY(ranFirst);
            QVERIFY(ranSecond);
            QVERIFY(!win::App().frmHelp.Loaded());
        });
        QVERIFY(!win::App().frmHelp.Loaded());
        QVERIFY(win::App().Form1().bngPlay->isEnabled());
    }

    // Each page's card marks its game type as the example cards do, with
    // lines for Regular Bingo and dots for the rest; Kite Bingo's card shows
    // one kite only, as its page says ("only show's one of four ways"), and
    // the last two pages an empty card.
    void thePagePicturesMarkTheirGameType() {
        for (int page = 0; page <= 11; ++page) {
            const auto marks = win::art::HelpPageMarks(page);
            const std::set<int> dots(marks.dots.begin(), marks.dots.end());
            const std::set<int> lines(marks.lines.begin(), marks.lines.end());
            const QByteArray at = QByteArray::number(page);
            if (page >= 10) {
                QVERIFY2(dots.empty() && lines.empty(), at);
                continue;
            }
            const ExampleRow& example = ExamplePattern(page + 1);
            if (page + 1 == KiteBingo) {
                std::set<int> kite(kStampCorner[1].begin(), kStampCorner[1].end());
                kite.insert(kBingoLine[11].begin(), kBingoLine[11].end());
                QCOMPARE(dots, kite);
                QVERIFY(lines.empty());
                continue;
            }
            QVERIFY2(dots == std::set<int>(example.dots.begin(), example.dots.end()), at);
            QVERIFY2(lines == std::set<int>(example.lines.begin(), example.lines.end()), at);
            QVERIFY2(lines.empty() == (page + 1 != RegularBingo), at);
        }
    }

    void webLink() {
        test::Session s;
        QVERIFY(test::InHelp([&](win::frmHelp& h) {
            // The same pointer picture as the main window's web link.
            const QCursor link = win::App().Form1().Label2->cursor();
            QCOMPARE(h.lblVisit->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(h.lblVisit->cursor().pixmap().toImage(), link.pixmap().toImage());
            QTest::mouseClick(h.lblVisit, Qt::LeftButton);
        }));
        QCOMPARE(s.rec.browser, QStringList{QStringLiteral("start ") + QLatin1String(kWebAddress)});
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
