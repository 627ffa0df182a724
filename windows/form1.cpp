#include "windows/form1.h"

#include <QCloseEvent>
#include <QRegion>
#include <QResizeEvent>
#include <algorithm>
#include <optional>

#include "engine/geometry.h"
#include "windows/app.h"
#include "windows/artwork.h"
#include "windows/bingomsg.h"
#include "windows/bngoptions.h"
#include "windows/frmgamestatus.h"
#include "windows/frmhelp.h"
#include "windows/next_game.h"

namespace pelloric::win {

using forms::Indexed;
using forms::Place;

namespace {
// The cell grid of both panels, in twips.
constexpr int kRowTop[6] = {0, 840, 1560, 2280, 3000, 3720};
constexpr int kColLeft[6] = {0, 120, 840, 1560, 2280, 2880};
constexpr int kColLeftPanel2O = 3000;
constexpr int kDotLeft[6] = {0, 240, 960, 1680, 2400, 3120};
constexpr int kDotTop[6] = {0, 960, 1680, 2400, 3120, 3720};

// The called-numbers board: the ball before the newest in red, older ones yellow.
constexpr uint32_t kBoardPrevious = 255;
constexpr uint32_t kBoardOlder = 65535;

constexpr const char* kAboutVersion = "1.0";
}  // namespace

Form1::Form1() : Form("Form1", forms::FormStyle::Main) {
    setWindowTitle(QStringLiteral("Pelloric"));
    QWidget* c = Client();

    // The menu bar.
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setNativeMenuBar(false);
    bngfile = menuBar->addMenu(QStringLiteral("&File"));
    bngfile->setObjectName(QStringLiteral("bngfile"));
    bngfile->menuAction()->setObjectName(QStringLiteral("bngfile"));
    bngfileExit = forms::MenuEntry(this, "bngfileExit", QStringLiteral("E&xit"));
    bngfile->addAction(bngfileExit);
    bngPlay = forms::MenuEntry(this, "bngPlay", QStringLiteral("&Play"));
    menuBar->addAction(bngPlay);
    Bngnext = forms::MenuEntry(this, "Bngnext", QStringLiteral("&Next game"));
    Bngnext->setVisible(false);
    menuBar->addAction(Bngnext);
    bngOpt = menuBar->addMenu(QStringLiteral("&Options"));
    bngOpt->setObjectName(QStringLiteral("bngOpt"));
    bngOpt->menuAction()->setObjectName(QStringLiteral("bngOpt"));
    bngOptdot = bngOpt->addMenu(QStringLiteral("Dotter Color"));
    bngOptdot->setObjectName(QStringLiteral("bngOptdot"));
    bngOptdot->menuAction()->setObjectName(QStringLiteral("bngOptdot"));
    bngOptdotblue = forms::MenuEntry(this, "bngOptdotblue", QStringLiteral("Blue"));
    bngOptdotred = forms::MenuEntry(this, "bngOptdotred", QStringLiteral("Red"));
    bngOptdotgreen = forms::MenuEntry(this, "bngOptdotgreen", QStringLiteral("Green"));
    bngOptdotyellow = forms::MenuEntry(this, "bngOptdotyellow", QStringLiteral("Yellow"));
    bngOptdotPurple = forms::MenuEntry(this, "bngOptdotPurple", QStringLiteral("Purple"));
    bngOptdot->addActions({bngOptdotblue, bngOptdotred, bngOptdotgreen, bngOptdotyellow, bngOptdotPurple});
    bngoptSound = forms::MenuEntry(this, "bngoptSound", QStringLiteral("&Sound Off"));
    bngPause = forms::MenuEntry(this, "bngPause", QStringLiteral("Pause"));
    bngPause->setEnabled(false);
    bngOpt->addAction(bngoptSound);
    bngOpt->addAction(bngPause);
    bnghelp = menuBar->addMenu(QStringLiteral("Help"));
    bnghelp->setObjectName(QStringLiteral("bnghelp"));
    bnghelp->menuAction()->setObjectName(QStringLiteral("bnghelp"));
    helpgame = forms::MenuEntry(this, "helpgame", QString());
    helpgame->setVisible(false);
    bngFullhelp = forms::MenuEntry(this, "bngFullhelp", QStringLiteral("Full Help"));
    bnghelpabout = forms::MenuEntry(this, "bnghelpabout", QStringLiteral("About"));
    bngVisit = forms::MenuEntry(this, "bngVisit", QStringLiteral("Visit Us AT ") + QLatin1String(kWebAddress));
    bnghelp->addActions({helpgame, bngFullhelp, bnghelpabout, bngVisit});
    SetMenuHeightPx(menuBar->sizeHint().height());
    menuBar->setGeometry(0, 0, forms::Px(9990), menuBar->sizeHint().height());

    // The background, then the panels with the card artwork, the dots and the cells.
    background = new forms::Image(c, QStringLiteral("background"), art::BackgroundPicture());
    Place(background, 0, 0, 9990, 5160);

    Picture1 = new QWidget(c);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Place(Picture1, 0, 0, 3855, 4575);
    Picture2 = new QWidget(c);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Place(Picture2, 5160, 0, 3855, 4575);
    Picture1->hide();
    Picture2->hide();
    QWidget* panels[2] = {Picture1, Picture2};
    for (int k = 0; k < 2; ++k) {
        Image1[k] = new forms::Image(panels[k], Indexed("Image1", k), art::CardPicture());
        Place(Image1[k], 0, 0, 3750, 4500);
    }

    // Element 0 of both arrays: hidden, outside the panels.
    Image2[0] = new forms::Image(c, Indexed("Image2", 0), art::DotPicture(0));
    Image2[0]->hide();
    Label1[0] = new forms::Label(c, Indexed("Label1", 0), QStringLiteral("1"));
    Label1[0]->hide();

    auto makeCell = [&](int index, QWidget* panel, int col, int row, bool panel2) {
        const bool centre = col == 3 && row == 3;
        const int left = (col == 5 && panel2) ? kColLeftPanel2O : kColLeft[col];
        Image2[index] = new forms::Image(panel, Indexed("Image2", index), art::DotPicture(0));
        Place(Image2[index], kDotLeft[col], kDotTop[row], 450, 450);
        Image2[index]->hide();
        Label1[index] = new forms::Label(panel, Indexed("Label1", index),
                                         centre ? QStringLiteral("Free Space") : QStringLiteral("1"));
        Place(Label1[index], left, kRowTop[row], 735, centre ? 615 : 735);
        Label1[index]->setAlignment(Qt::AlignCenter);
        Label1[index]->setFont(forms::VbFont(centre ? 9.75 : 18, true));
        Label1[index]->SetForeColor(centre ? art::kFreeSpaceColor : art::kCardNumberColor);
        // Card 1's O labels start left of the card's O column: the margin
        // centres their numbers in the column as drawn, and the mask leaves
        // the strip over the drawn G cells to the G labels beneath.
        if (col == 5 && !panel2) {
            Label1[index]->setContentsMargins(forms::Px(2 * (kColLeftPanel2O - left)), 0, 0, 0);
            const int strip = forms::Px(kColLeftPanel2O) - forms::Px(left);
            Label1[index]->setMask(QRegion(strip, 0, Label1[index]->width() - strip, Label1[index]->height()));
        }
        connect(Label1[index], &forms::Label::clicked, this, [this, index] { Form1_Label1_Click(int16_t(index)); });
    };
    // Dots first, labels over them: build every dot, then raise the labels.
    for (int cell = 1; cell <= kCells; ++cell) {
        makeCell(cell, Picture1, CellColumn(cell), CellRow(cell), false);
        makeCell(24 + cell, Picture2, CellColumn(cell), CellRow(cell), true);
    }
    makeCell(49, Picture1, 3, 3, false);
    makeCell(50, Picture2, 3, 3, true);
    // Each column's labels over those of the column to its left, the free
    // centre with column N: where two labels share a pixel, it goes to the
    // cell that the card draws there.
    for (int cell = 1; cell <= kCells; ++cell) {
        Label1[cell]->raise();
        Label1[24 + cell]->raise();
        if (cell == CellAt(3, 5)) {
            Label1[49]->raise();
            Label1[50]->raise();
        }
    }

    Command1 = new QPushButton(QStringLiteral("B I N G O"), c);
    Command1->setObjectName(QStringLiteral("Command1"));
    Place(Command1, 120, 4680, 8895, 375);
    Command1->setFont(forms::VbFont(9.75, true));
    Command1->hide();
    connect(Command1, &QPushButton::clicked, this, [this] { Form1_Command1_Click(); });

    for (int i = 0; i <= 12; ++i) {
        imgBalls[i] = new forms::Image(c, Indexed("imgBalls", i), art::BallPicture(i));
        Place(imgBalls[i], 0, 0, 825, 810);
        imgBalls[i]->hide();
    }
    imgBallroll = new forms::Image(c, QStringLiteral("imgBallroll"), art::BallPicture(0));
    Place(imgBallroll, 4080, -480, 825, 810);
    imgBallroll->hide();
    lblball = new forms::Label(c, QStringLiteral("lblball"));
    Place(lblball, 4440, 1680, 495, 255);
    // The text stands on the ball's white face, which lies under the left part
    // of the label: at its foot, where the ball is widest, in the narrower
    // face, centred so that the widest text starts at the label's left edge.
    QFont ballFont = forms::VbFont(8.25, true);
    ballFont.setStretch(QFont::SemiCondensed);
    lblball->setFont(ballFont);
    lblball->setWordWrap(false);
    lblball->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    const int widest = QFontMetrics(ballFont).horizontalAdvance(QStringLiteral("O75"));
    lblball->setContentsMargins(0, 0, qMax(0, lblball->width() - widest - 1), 0);
    lblball->SetForeColor(art::kBallTextColor);
    lblball->hide();

    auto moneyLabel = [&](const char* name, const QString& caption, int top, uint32_t color) {
        auto* l = new forms::Label(c, QLatin1String(name), caption);
        Place(l, 4080, top, 975, 255);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(false);
        l->setFont(forms::VbFont(8.25, true));
        l->SetForeColor(color);
        l->hide();
        return l;
    };
    lblbalnce2 = moneyLabel("lblbalnce2", QStringLiteral("Balance"), 2280, art::kMoneyHeadColor);
    lblBalance = moneyLabel("lblBalance", QString(), 2520, art::kMoneyColor);
    lblWins2 = moneyLabel("lblWins2", QStringLiteral("Wins"), 2760, art::kMoneyHeadColor);
    lblWins = moneyLabel("lblWins", QString(), 3000, art::kMoneyColor);

    Label2 = new forms::Label(c, QStringLiteral("Label2"), QLatin1String(kWebDomain));
    Place(Label2, 3840, 4320, 1335, 255);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(false);
    // Underlined, in a font small enough for the domain to fit on one line.
    QFont linkFont = forms::VbFont(8.25);
    linkFont.setUnderline(true);
    Label2->setFont(forms::FittingFont(linkFont, {Label2->text()}, Label2->width()));
    Label2->SetForeColor(art::kLinkColor);
    Label2->setCursor(art::LinkPointer());
    connect(Label2, &forms::Label::clicked, this, [this] { Form1_Label2_Click(); });

    for (int k = 0; k < 5; ++k) {
        imgDotcolor[k] = new forms::Image(c, Indexed("imgDotcolor", k), art::DotPicture(k));
        imgDotcolor[k]->hide();
    }

    Timer1 = new forms::Timer(this, QStringLiteral("Timer1"));
    Timer1->Tick = [this] { Form1_Timer1_Timer(); };
    tmrBallrool = new forms::Timer(this, QStringLiteral("tmrBallrool"));
    tmrBallrool->Tick = [this] { Form1_tmrBallrool_Timer(); };

    connect(bngfileExit, &QAction::triggered, this, [this] { Form1_bngfileExit_Click(); });
    connect(bngPlay, &QAction::triggered, this, [this] { Form1_bngPlay_Click(); });
    connect(Bngnext, &QAction::triggered, this, [this] { Form1_Bngnext_Click(); });
    connect(bngOptdotblue, &QAction::triggered, this, [this] { Form1_bngOptdotblue_Click(); });
    connect(bngOptdotred, &QAction::triggered, this, [this] { Form1_bngOptdotred_Click(); });
    connect(bngOptdotgreen, &QAction::triggered, this, [this] { Form1_bngOptdotgreen_Click(); });
    connect(bngOptdotyellow, &QAction::triggered, this, [this] { Form1_bngOptdotyellow_Click(); });
    connect(bngOptdotPurple, &QAction::triggered, this, [this] { Form1_bngOptdotPurple_Click(); });
    connect(bngoptSound, &QAction::triggered, this, [this] { Form1_bngoptSound_Click(); });
    connect(bngPause, &QAction::triggered, this, [this] { Form1_bngPause_Click(); });
    connect(helpgame, &QAction::triggered, this, [this] { Form1_helpgame_Click(); });
    connect(bngFullhelp, &QAction::triggered, this, [this] { Form1_bngFullhelp_Click(); });
    connect(bnghelpabout, &QAction::triggered, this, [this] { Form1_bnghelpabout_Click(); });
    connect(bngVisit, &QAction::triggered, this, [this] { Form1_bngVisit_Click(); });

    SetClientSize(9990, 5160);
    SetScreenPos(1500, 2475);
}

void Form1::Form_Load() {
    auto& S = App().S;
    SetOuterHeight(5745);
    S.BallStep = 0;
    S.Balance = 0;
    S.Jackpot = 0;
    S.JackpotLevel = 1;
    S.Wins = 0;
    S.HelpTopic = -1;
    App().frmHelp.Unload();
}

void Form1::Form_Resize() {
    const int state = WindowState();
    if (state == forms::vbMinimized) App().Bingomsg().SetWindowState(forms::vbMinimized);
    if (state == forms::vbNormal) App().Bingomsg().SetWindowState(forms::vbNormal);
}

// Closing the main window ends the process at once: nothing is asked, nothing
// saved, and no other window's unload handler runs.
void Form1::Form_Unload() { App().platform.endProcess(); }
void Form1::Form_Terminate() { App().platform.endProcess(); }

void Form1::closeEvent(QCloseEvent* e) {
    e->ignore();
    Form_Unload();
}

// The background covers the whole client area whatever the window's size.
void Form1::resizeEvent(QResizeEvent* e) {
    forms::Form::resizeEvent(e);
    if (background) background->resize(Client()->size());
}

void Form1::Form1_bngfileExit_Click() { App().platform.endProcess(); }

void Form1::Form1_bngPlay_Click() {
    auto& S = App().S;
    App().frmGamestatus.Unload();                                    // 1
    if (bngPlay->text() == QLatin1String("&Play")) {                 // 2
        lblWins->SetCaption(QString::number(S.Wins));
        S.BallStep = 0;
        S.Balance = 0;
        S.Jackpot = 0;
        S.JackpotLevel = 1;
        S.Wins = 0;
        App().BngOptions().ShowModal();
        S.BallStep = 0;
        S.CalledCount = 0;
    } else if (bngPlay->text() == QLatin1String("&End Play")) {     // 3
        EndPlay();
    }
}

void Form1::EndPlay() {
    auto& S = App().S;
    S.Wins = 0;                                                      // 1
    S.JackpotLevel = 1;
    S.GameRunning = false;
    bngPause->setEnabled(false);                                     // 2
    Bngnext->setVisible(false);
    lblball->hide();                                                 // 3
    imgBallroll->hide();
    Picture1->hide();
    Picture2->hide();
    Command1->hide();
    S.BallStep = 0;                                                  // 4
    bngPlay->setText(QStringLiteral("&Play"));                       // 5
    App().Bingomsg.Unload();                                         // 6
    Timer1->SetEnabled(false);                                       // 7
    tmrBallrool->SetEnabled(false);
    lblWins->hide();                                                 // 8
    lblBalance->hide();
    lblWins2->hide();
    lblbalnce2->hide();
    for (int i = 1; i <= 50; ++i) Image2[i]->hide();                 // 9
}

void Form1::Form1_Bngnext_Click() { RestartGame(RestartCaller::NextGameMenu); }

// ---- Help menu and web links --------------------------------------------------

void Form1::Form1_bngFullhelp_Click() {
    auto& S = App().S;
    S.HelpOpenedFrom = 4;            // the game is paused and the entries disabled here
    if (!S.Paused) App().E.TogglePause();
    bngPause->setEnabled(false);
    bngPlay->setEnabled(false);
    App().frmHelp().ShowModal();
}

void Form1::Form1_helpgame_Click() {
    if (!App().S.Paused) App().E.TogglePause();
    App().E.ShowGameHelp();
}

void Form1::Form1_bnghelpabout_Click() {
    const QString text = QStringLiteral("Pelloric\nVersion %1\n\n"
                                        "Bingo for one player against up to six computer players.\n"
                                        "Good luck, and have fun!\n\n%2")
                             .arg(QLatin1String(kAboutVersion), QLatin1String(kWebAddress));
    const QString title = QStringLiteral("About Pelloric");
    // The ball caller stands still while the box is open; the time already
    // counted towards the next ball is kept.
    if (Timer1->Enabled()) {
        Timer1->SetEnabled(false);
        App().platform.messageBox(text, title);
        Timer1->SetEnabled(true);
    } else {
        App().platform.messageBox(text, title);
    }
}

void Form1::Form1_bngVisit_Click() { App().E.VisitWebSite(); }
void Form1::Form1_Label2_Click() { App().E.VisitWebSite(); }

// ---- The ball caller and the rolling ball ----------------------------------------

void Form1::Form1_Timer1_Timer() {
    auto& S = App().S;
    // Time is counted, not measured: 25 ms a tick, and a ball is due once half
    // the interval (fraction kept) has been counted.
    if (!(S.CallInterval / 2.0 <= S.CallElapsed)) {
        S.CallElapsed += 25;
        return;
    }
    S.CallElapsed = 0;
    tmrBallrool->SetEnabled(true);
    lblball->hide();
    const std::optional<int32_t> drawn = App().E.DrawBall();
    App().Bingomsg().lblMsg->SetCaption(Q(CallStatus(S)));
    if (bngoptSound->text() == QLatin1String("&Sound Off")) App().platform.beep();

    if (S.CalledCount > kLastBall) {
        // The balls have run out: one more test of the computer players'
        // cards, now counting all 75 balls.
        Timer1->SetEnabled(false);
        S.CalledCount += 1;
        App().E.CheckPcBingo();
        S.CallElapsed += 25;
        return;
    }

    const int32_t n = drawn.value_or(S.CalledCount);
    auto& board = App().Bingomsg();
    if (S.CalledCount > 2) board.lblselctedNums[S.Called[n - 2]]->SetForeColor(kBoardOlder);
    if (S.CalledCount > 1) board.lblselctedNums[S.Called[n - 1]]->SetForeColor(kBoardPrevious);
    lblball->SetCaption(QLatin1Char(kColumnLetter[S.CallCol[n]]) + QString::number(S.Called[n]));
    App().E.CheckPcBingo();
}

void Form1::Form1_tmrBallrool_Timer() {
    auto& S = App().S;
    imgBallroll->SetPicture(imgBalls[S.BallFrame]->GetPicture());
    S.BallFrame += 1;
    S.BallStep += 1;
    if (S.BallFrame > 12) S.BallFrame = 0;
    App().E.RollBall(S.BallStep);
}

// ---- The claim and the dots --------------------------------------------------------

void Form1::Form1_Command1_Click() {
    auto& S = App().S;
    Timer1->SetEnabled(false);
    if (App().E.CheckPlayerBingo() == Bingo) {
        Bngnext->setVisible(true);
        S.JackpotLevel += 1;
        S.Balance += S.Jackpot;      // the jackpot of this game; the raised level pays from the next deal
        lblBalance->SetCaption(Q(Money(S.Balance)));
        App().Bingomsg().lblMsg->SetCaption(QStringLiteral("You are a Winner your new balance is $") +
                                            QString::number(S.Balance));
        S.Wins += 1;
        lblWins->SetCaption(QString::number(S.Wins));
        Command1->setEnabled(false);
        Bngnext->setText(QStringLiteral("&Next game"));
        App().frmGamestatus().Show();
        return;                      // the game is over: the caller stays off
    }
    // No penalty: the calls go on with the time already counted.
    Timer1->SetEnabled(true);
    App().Bingomsg().lblMsg->SetCaption(QStringLiteral("Sorry, Continue Jackpot is $") + QString::number(S.Jackpot));
}

void Form1::ToggleDot(int index) { Image2[index]->setVisible(Image2[index]->isHidden()); }

void Form1::Form1_Label1_Click(int16_t Index) {
    if (Index < 1 || Index > 50) return;
    if (Index > 48) {                // the free centres take a dot at any time
        ToggleDot(Index);
        return;
    }
    const auto& S = App().S;
    if (S.CalledCount < 1) return;
    // Only this game's balls count; positions past the 75th never hold one.
    const int32_t number = Label1[Index]->Caption().toInt();
    const int32_t last = std::min(S.CalledCount, kLastBall);
    for (int32_t j = 1; j <= last; ++j) {
        if (S.Called[j] == number) {
            ToggleDot(Index);
            return;
        }
    }
}

// Every dot takes the chosen picture, shown or hidden, on both boards.
void Form1::SetDotColor(int k) {
    for (int i = 1; i <= 50; ++i) Image2[i]->SetPicture(imgDotcolor[k]->GetPicture());
}
void Form1::Form1_bngOptdotblue_Click() { SetDotColor(0); }
void Form1::Form1_bngOptdotred_Click() { SetDotColor(1); }
void Form1::Form1_bngOptdotgreen_Click() { SetDotColor(2); }
void Form1::Form1_bngOptdotyellow_Click() { SetDotColor(3); }
void Form1::Form1_bngOptdotPurple_Click() { SetDotColor(4); }

// ---- Sound and pause -----------------------------------------------------------------

void Form1::Form1_bngoptSound_Click() {
    bngoptSound->setText(bngoptSound->text() == QLatin1String("&Sound Off") ? QStringLiteral("&Sound On")
                                                                             : QStringLiteral("&Sound Off"));
}

void Form1::Form1_bngPause_Click() {
    // The claim button's own enabled state: a disabled window does not count.
    if (Command1->testAttribute(Qt::WA_ForceDisabled)) return;
    bngPause->setText(bngPause->text() == QLatin1String("Pause") ? QStringLiteral("Unpause")
                                                                  : QStringLiteral("Pause"));
    App().E.TogglePause();
}

}  // namespace pelloric::win
