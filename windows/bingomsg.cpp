#include "windows/bingomsg.h"

#include "windows/app.h"
#include "windows/example_card.h"
#include "windows/form1.h"

namespace pelloric::win {

using forms::Indexed;
using forms::Place;

namespace {

constexpr uint32_t kRed = 255;
constexpr uint32_t kWhite = 16777215;
constexpr uint32_t kNumberGrey = 12632256;

}  // namespace

Bingomsg::Bingomsg() : Form("Bingomsg") {
    setWindowTitle(QStringLiteral("Pelloric message board"));
    QWidget* c = Client();
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    lblMsg = new forms::Label(c, QStringLiteral("lblMsg"));
    Place(lblMsg, 0, 0, 7095, 495);
    lblMsg->SetForeColor(kRed);
    lblMsg->setFont(forms::VbFont(9.75, true, true));

    static const char* const kRows[5] = {"B's", "I's", "N's", "G's", "O's"};
    for (int i = 0; i < 5; ++i) {
        Label3[i] = new forms::Label(c, Indexed("Label3", i), QLatin1String(kRows[i]));
        Place(Label3[i], 240, 480 + 240 * i, 495, 255);
        Label3[i]->SetForeColor(kRed);
        Label3[i]->setFont(forms::VbFont(12, true));
        Label3[i]->setWordWrap(false);
    }
    lblselctedNums[0] = new forms::Label(c, Indexed("lblselctedNums", 0));
    lblselctedNums[0]->hide();
    for (int n = 1; n <= 75; ++n) {
        auto* l = new forms::Label(c, Indexed("lblselctedNums", n));
        const int row = (n - 1) / 15;
        const int col = (n - 1) % 15;
        Place(l, 840 + 360 * col, 480 + 240 * row, 255, 240);
        l->SetForeColor(kNumberGrey);
        l->setFont(forms::VbFont(9.75, true));
        l->setWordWrap(false);
        lblselctedNums[n] = l;
    }
    Label2 = new forms::Label(c, QStringLiteral("Label2"));
    Label2->hide();

    lblQuestion = new forms::Label(c, QStringLiteral("lblQuestion"), QStringLiteral("?"));
    Place(lblQuestion, 7320, 0, 495, 375);
    lblQuestion->SetForeColor(kWhite);
    lblQuestion->setFont(forms::VbFont(13.5, true));
    lblQuestion->setAlignment(Qt::AlignCenter);
    lblQuestion->setCursor(forms::QuestionCursor());

    const ExampleCard card = BuildExampleCard(c, kBoardExample, QStringLiteral("Image1"), QStringLiteral("Label1"));
    Image1 = card.image;
    Label1 = card.header;
    lblExample = card.cells;
    shpExample = card.dots;
    lneExample = card.lines;
    for (forms::Label* cell : lblExample) cell->Change = [this] { Bingomsg_lblExample_Change(); };

    lblexplname = new forms::Label(c, QStringLiteral("lblexplname"), QStringLiteral("Regular bingo"));
    Place(lblexplname, 7800, 1800, 1455, 255);
    lblexplname->SetForeColor(kRed);
    lblexplname->setFont(GameNameFont(lblexplname->width()));
    lblexplname->setWordWrap(false);
    lblexplname->setAlignment(Qt::AlignCenter);
    lblexplname->hide();

    // The help area over the whole example card, above every part of it.
    lblCoverinfo = new forms::Label(c, QStringLiteral("lblCoverinfo"));
    Place(lblCoverinfo, 7800, -120, 1575, 2175);
    lblCoverinfo->setCursor(forms::QuestionCursor());
    lblCoverinfo->raise();

    connect(lblQuestion, &forms::Label::clicked, this, [this] { Bingomsg_lblQuestion_Click(); });
    connect(lblCoverinfo, &forms::Label::clicked, this, [this] { Bingomsg_lblCoverinfo_Click(); });

    SetClientSize(9525, 1965);
    SetScreenPos(1500, 60);
}

void Bingomsg::Form_Load() {
    auto& S = App().S;
    lblCoverinfo->setToolTip(QString());                                  // 1
    S.MsgBoardShown = 0;                                                  // 2
    for (int i = 1; i <= 75; ++i) lblselctedNums[i]->SetCaption(QString::number(i));   // 3
    ShowExamplePattern(S.GameType, shpExample, lneExample);               // 4
}

// Whenever the board becomes the active window the main window comes to the
// front, however soon after the last time. Only an activation that arrives
// while the board is itself bringing the main window forward is left alone:
// answering it would call this handler inside itself without end.
void Bingomsg::Form_Activate() {
    if (forwarding_) return;
    auto& S = App().S;
    if (S.MsgBoardShown < 1) {
        BringMainForward();
        S.MsgBoardShown = int16_t(S.MsgBoardShown + 1);
    }
    BringMainForward();
}

// Shows the main window modeless, which makes it the active window.
void Bingomsg::BringMainForward() {
    forwarding_ = true;
    App().Form1().Show();
    forwarding_ = false;
}

// Restoring the board restores the main window; the main window's own resize
// handler does the reverse. Nothing here redraws the example card, so a
// winner's card stays on show.
void Bingomsg::Form_Resize() {
    if (WindowState() == forms::vbNormal) App().Form1().SetWindowState(forms::vbNormal);
}

void Bingomsg::Bingomsg_lblCoverinfo_Click() { OpenGameHelp(); }
void Bingomsg::Bingomsg_lblQuestion_Click() { OpenGameHelp(); }

// Help on the game type: the board pauses the game itself, so the help window
// is told not to pause it again.
void Bingomsg::OpenGameHelp() {
    auto& S = App().S;
    S.HelpOpenedFrom = 4;
    if (!S.Paused) App().E.TogglePause();
    auto& f = App().Form1();
    f.bngPause->setEnabled(false);
    f.bngPlay->setEnabled(false);
    App().E.ShowGameHelp();
}

}  // namespace pelloric::win
