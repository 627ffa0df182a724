#include "windows/frmgamestatus.h"

#include "windows/app.h"
#include "windows/next_game.h"

namespace pelloric::win {

frmGamestatus::frmGamestatus() : Form("frmGamestatus") {
    QWidget* c = Client();
    lblStatus = new forms::Label(c, QStringLiteral("lblStatus"),
                                 QStringLiteral("game ove your game is now over please continue"));
    forms::Place(lblStatus, 240, 120, 4215, 1815);
    lblStatus->Change = [this] { frmGamestatus_lblStatus_Change(); };
    lblStatus2 = new forms::Label(c, QStringLiteral("lblStatus2"));
    forms::Place(lblStatus2, 120, 1920, 4455, 255);
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
}

void frmGamestatus::Form_Load() {}
void frmGamestatus::Form_Activate() {}
void frmGamestatus::Form_Unload() {}
void frmGamestatus::frmGamestatus_cmdOK_Click() { Unload(); }
void frmGamestatus::frmGamestatus_cmdTryagain_Click() { RestartGame(RestartCaller::DialogButton); }
void frmGamestatus::frmGamestatus_cmdEndPlay_Click() {}
void frmGamestatus::frmGamestatus_lblStatus_Change() {}

}  // namespace pelloric::win
