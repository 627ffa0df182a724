#include "windows/frmgamestatus.h"

#include "windows/app.h"
#include "windows/form1.h"
#include "windows/next_game.h"

namespace pelloric::win {

namespace {

const QString kNextGame = QStringLiteral("&Next game");

// The congratulation after the player's valid claim. The line feed comes
// before the carriage return; the label ends the line at the line feed.
QString Congratulation() {
    return QStringLiteral("Congradulaton's") + QChar(10) + QChar(13) + QStringLiteral("You have B I N G O");
}

// The status text after a computer player's win that used up the balance,
// addressed to the winner by name. The announcement reads
//   "The Computer Player #3 has won the jackpot.  Your balance is 0 Game Over."
// and becomes
//   "Money Marcy, Computer Player #3 has won the jackpot,  Your balance is 0 Game Over"
// : the winner's name, then the announcement from "Computer" on without its
// final full stop, with the full stop after "jackpot" and the blank behind it
// written over by ", " so that the two sentences read as one.
QString PersonalStatus(const QString& announcement) {
    bool isNumber = false;
    const int winner = announcement.mid(21, 1).toInt(&isNumber);   // the digit behind '#'
    const QString name = isNumber ? Q(Engine::PcPlayerName(winner)) : QString();
    QString rest = announcement.length() > 5 ? announcement.mid(4, announcement.length() - 5) : QString();
    const int stop = rest.indexOf(QLatin1String(". "));
    if (stop >= 0) rest.replace(stop, 2, QStringLiteral(", "));
    return name + QStringLiteral(", ") + rest;
}

}  // namespace

frmGamestatus::frmGamestatus() : Form("frmGamestatus", forms::FormStyle::Dialog) {
    // A fixed dialog frame with only the close box, and no title text.
    setWindowTitle(QString());
    QWidget* c = Client();
    lblStatus = new forms::Label(c, QStringLiteral("lblStatus"),
                                 QStringLiteral("game ove your game is now over please continue"));
    forms::Place(lblStatus, 240, 120, 4215, 1815);
    lblStatus->setFont(forms::VbFont(12, true));
    lblStatus->SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblStatus->Change = [this] { frmGamestatus_lblStatus_Change(); };
    lblStatus2 = new forms::Label(c, QStringLiteral("lblStatus2"));
    forms::Place(lblStatus2, 120, 1920, 4455, 255);
    lblStatus2->SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // One line under the status text: the narrower face of the dialog font
    // keeps the longer instruction inside the label's width.
    QFont narrow = lblStatus2->font();
    narrow.setStretch(QFont::SemiCondensed);
    lblStatus2->setFont(narrow);
    lblStatus2->setWordWrap(false);
    cmdOK = new QPushButton(QStringLiteral("OK"), c);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    forms::Place(cmdOK, 240, 2160, 1335, 495);
    cmdTryagain = new QPushButton(QStringLiteral("Try Again"), c);
    cmdTryagain->setObjectName(QStringLiteral("cmdTryagain"));
    forms::Place(cmdTryagain, 1680, 2160, 1335, 495);
    cmdEndPlay = new QPushButton(QStringLiteral("End Play"), c);
    cmdEndPlay->setObjectName(QStringLiteral("cmdEndPlay"));
    forms::Place(cmdEndPlay, 3120, 2160, 1455, 495);
    connect(cmdOK, &QPushButton::clicked, this, [this] { frmGamestatus_cmdOK_Click(); });
    connect(cmdTryagain, &QPushButton::clicked, this, [this] { frmGamestatus_cmdTryagain_Click(); });
    connect(cmdEndPlay, &QPushButton::clicked, this, [this] { frmGamestatus_cmdEndPlay_Click(); });
    SetClientSize(4680, 2670);
    SetCancelButton(cmdOK);
}

void frmGamestatus::Form_Load() {
    auto& f = App().Form1();
    App().S.GameRunning = false;                                          // 1
    f.tmrBallrool->SetEnabled(false);                                     // 2
    f.imgBallroll->hide();                                                // 3
    f.Bngnext->setVisible(true);                                          // 4
    f.bnghelp->menuAction()->setEnabled(false);                           // 5
    if (f.Bngnext->text() != kNextGame)                                   // 6
        lblStatus2->SetCaption(QStringLiteral("If you would like to try again press Try Again"));
    if (f.Bngnext->text() == kNextGame) {                                 // 7
        lblStatus->SetCaption(Congratulation());
        lblStatus2->SetCaption(QStringLiteral("If you would like to play the next game press Next Game"));
    }
    cmdTryagain->setText(f.Bngnext->text());                              // 8
    Form_Activate();                                                      // 9
}

// Runs once per dialog: from the load handler, and then never again however
// often the dialog comes back to the front.
void frmGamestatus::Form_Activate() {
    if (Activated) return;
    Activated = true;
    auto& f = App().Form1();
    App().S.GameRunning = false;
    f.tmrBallrool->SetEnabled(false);
    f.imgBallroll->hide();
    f.Bngnext->setVisible(true);
}

void frmGamestatus::Form_Unload() {
    LastStatus.clear();
    Activated = false;
    auto& f = App().Form1();
    f.setEnabled(true);
    f.bnghelp->menuAction()->setEnabled(true);
}

void frmGamestatus::frmGamestatus_cmdOK_Click() { Unload(); }

void frmGamestatus::frmGamestatus_cmdTryagain_Click() { RestartGame(RestartCaller::DialogButton); }

void frmGamestatus::frmGamestatus_cmdEndPlay_Click() {
    App().Form1().EndPlay();
    Unload();
}

// Every caption set lands here, also the dialog's own. After a computer win
// that used up the balance the announcement is rewritten to address the winner
// by name; LastStatus is written before the caption, so the nested call that
// the rewrite causes finds its own text and stops.
void frmGamestatus::frmGamestatus_lblStatus_Change() {
    const QString caption = lblStatus->Caption();
    if (App().Form1().Bngnext->text() == kNextGame || caption == LastStatus) return;
    const QString personal = PersonalStatus(caption);
    LastStatus = personal;
    lblStatus->SetCaption(personal);
}

}  // namespace pelloric::win
