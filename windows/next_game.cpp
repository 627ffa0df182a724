#include "windows/next_game.h"

#include "windows/app.h"
#include "windows/bingomsg.h"
#include "windows/form1.h"
#include "windows/frmgamestatus.h"

namespace pelloric::win {

// Both timers are off when a restart begins: the game has ended, and the
// end-of-game dialog stopped the rolling ball when it opened. The ball caller
// is switched on only once the new game has been dealt, so no tick can draw a
// ball while the price box waits for its answer.
void RestartGame(RestartCaller caller) {
    auto& S = App().S;
    auto& f = App().Form1();
    Random& rnd = *App().platform.random;

    rnd.Randomize();                                                      // 1
    if (caller == RestartCaller::NextGameMenu) App().frmGamestatus.Unload();  // 2
    if (S.RandomPick) S.GameType = int16_t(Pick(rnd.Rnd(), 1, 10));      // 3
    const QString mode = f.Bngnext->text();                               // 4
    if (mode == QLatin1String("&Next game")) {
        const bool onePlayer = S.NumPc <= 1;
        App().platform.messageBox(onePlayer ? QStringLiteral("This Game will cost $5.00")
                                            : QStringLiteral("This Game will cost $10.00"),
                                  QStringLiteral("Next Game"));
        S.Balance -= onePlayer ? 5 : 10;
    } else if (mode == QLatin1String("&Try Again")) {
        S.JackpotLevel = 1;
        S.Balance = 0;
    }
    f.Command1->setEnabled(false);                                        // 5
    S.BallStep = 0;                                                       // 6
    S.CalledCount = 0;
    f.lblball->hide();                                                    // 7
    f.imgBallroll->hide();
    App().Bingomsg.Unload();                                              // 8
    f.Timer1->SetEnabled(false);                                          // 9
    for (int i = 1; i <= 48; ++i) f.Image2[i]->hide();                    // 10
    App().E.NewGame(S.NumCards, S.GameType);                              // 11
    App().Bingomsg().Show();                                              // 12
    f.Timer1->SetEnabled(true);                                           // 13
    f.Command1->show();                                                   // 14
    f.Bngnext->setVisible(false);                                         // 15
    if (caller == RestartCaller::DialogButton) App().frmGamestatus.Unload();  // 16
}

}  // namespace pelloric::win
