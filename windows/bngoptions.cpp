#include "windows/bngoptions.h"

#include "engine/geometry.h"
#include "windows/app.h"
#include "windows/bingomsg.h"
#include "windows/form1.h"

namespace pelloric::win {

using forms::Place;

BngOptions::BngOptions() : Form("BngOptions") {
    setWindowTitle(QStringLiteral("Select your options"));
    QWidget* c = Client();
    auto combo = [&](const char* name, int top) {
        auto* box = new QComboBox(c);
        box->setObjectName(QLatin1String(name));
        Place(box, 240, 120 + top, 2055, 315);
        return box;
    };
    Combo1 = combo("Combo1", 360);
    Combo2 = combo("Combo2", 960);
    cmbSeconds = combo("cmbSeconds", 1560);
    cmbPlayers = combo("cmbPlayers", 2160);
    Check1 = new QCheckBox(QStringLiteral("Single play"), c);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setChecked(true);
    Check1->hide();
    Command1 = new QPushButton(QStringLiteral("Start"), c);
    Command1->setObjectName(QStringLiteral("Command1"));
    Place(Command1, 120, 3360, 1215, 315);
    Command2 = new QPushButton(QStringLiteral("Cancel"), c);
    Command2->setObjectName(QStringLiteral("Command2"));
    Place(Command2, 1440, 3360, 975, 315);
    cmdHelp = new QPushButton(QStringLiteral("Help"), c);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    Place(cmdHelp, 120, 3720, 2295, 315);
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this] { BngOptions_Combo2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { BngOptions_Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { BngOptions_Command2_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { BngOptions_cmdHelp_Click(); });
    SetClientSize(4575, 4065);
    SetScreenPos(3870, 3375);
}

void BngOptions::Form_Load() {
    Combo1->addItems({QStringLiteral("1 Board"), QStringLiteral("2 Boards")});
    for (const char* name : kGameKindNames) Combo2->addItem(QLatin1String(name));
    cmbSeconds->addItems({QStringLiteral("5 Seconds"), QStringLiteral("10 Seconds"), QStringLiteral("15 Seconds")});
    for (int i = 1; i <= 6; ++i) cmbPlayers->addItem(QStringLiteral("%1 Pc player").arg(i));
    Combo1->setCurrentIndex(0);
    Combo2->setCurrentIndex(0);
    cmbSeconds->setCurrentIndex(0);
    cmbPlayers->setCurrentIndex(0);
}

void BngOptions::Form_Unload() { App().Form1().setEnabled(true); }

void BngOptions::BngOptions_Combo2_Click() { App().S.GameType = int16_t(Combo2->currentIndex() + 1); }

void BngOptions::BngOptions_Command1_Click() {
    auto& S = App().S;
    auto& f = App().Form1();
    App().Bingomsg.Unload();                                             // 1
    S.RandomPick = false;                                                // 2
    S.GameName = U(Combo2->currentText());                               // 3
    S.NumPc = int16_t(cmbPlayers->currentIndex() + 1);                   // 4
    S.NumCards = int16_t(Combo1->currentIndex() + 1);                    // 5
    S.GameType = int16_t(Combo2->currentIndex() + 1);
    S.CallInterval = (cmbSeconds->currentIndex() + 1) * 5000;            // 6
    f.setWindowTitle(QStringLiteral("Pelloric"));                        // 7
    if (Combo2->currentText() == QLatin1String("Random Pick")) {         // 8
        f.setWindowTitle(QStringLiteral("Pelloric - Random Pick"));
        S.RandomPick = true;
        S.GameType = int16_t(Int(App().platform.random->Rnd() * 10 + 1));
    }
    f.SetWindowState(forms::vbNormal);                                   // 9
    if (Check1->isChecked()) App().E.NewGame(S.NumCards, S.GameType);   // 10
    const bool oneBoard = Combo1->currentIndex() == 0;                   // 11
    f.Picture1->show();
    f.Picture2->setVisible(!oneBoard);
    f.SetOuterWidth(9300);
    forms::SetWidth(f.Command1, oneBoard ? 3735 : 8895);
    f.Timer1->SetEnabled(true);                                          // 12
    Unload();                                                            // 13
    App().Bingomsg().Show();                                             // 14
    f.Timer1->SetEnabled(true);                                          // 15
    f.Command1->show();                                                  // 16
    f.bngPlay->setText(QStringLiteral("&End Play"));                     // 17
    f.lblWins->show();                                                   // 18
    f.lblBalance->show();
    f.lblWins2->show();
    f.lblbalnce2->show();
    f.helpgame->setVisible(true);                                        // 19
}

void BngOptions::BngOptions_Command2_Click() { Unload(); }
void BngOptions::BngOptions_cmdHelp_Click() {}
void BngOptions::BngOptions_lblHelp_Click() {}
void BngOptions::BngOptions_lblVisit_Click() { App().E.VisitWebSite(); }

}  // namespace pelloric::win
