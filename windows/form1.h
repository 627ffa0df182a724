// The main window: the player's two boards, the claim button, the ball
// display, the money labels, the menu bar and the two 25 ms timers.
#pragma once

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <array>

#include "windows/forms/forms.h"

namespace pelloric::win {

class Form1 : public forms::Form {
    Q_OBJECT
public:
    Form1();

    // Window events.
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;
    void Form_Terminate();

    // Menus and the web link.
    void Form1_bngfileExit_Click();
    void Form1_bngPlay_Click();
    void Form1_Bngnext_Click();
    void Form1_bngFullhelp_Click();
    void Form1_helpgame_Click();
    void Form1_bnghelpabout_Click();
    void Form1_bngVisit_Click();
    void Form1_Label2_Click();

    // The ball caller and the rolling ball.
    void Form1_Timer1_Timer();
    void Form1_tmrBallrool_Timer();

    // The claim, the dots, the dot colour, the sound and the pause.
    void Form1_Command1_Click();
    void Form1_Label1_Click(int16_t Index);
    void Form1_bngOptdotblue_Click();
    void Form1_bngOptdotred_Click();
    void Form1_bngOptdotgreen_Click();
    void Form1_bngOptdotyellow_Click();
    void Form1_bngOptdotPurple_Click();
    void Form1_bngoptSound_Click();
    void Form1_bngPause_Click();

    // End Play, shared by the Play menu and the end-of-game dialog.
    void EndPlay();

    // Controls, by their names.
    forms::Image* background = nullptr;
    QWidget* Picture1 = nullptr;
    QWidget* Picture2 = nullptr;
    std::array<forms::Image*, 2> Image1{};
    std::array<forms::Label*, 51> Label1{};
    std::array<forms::Image*, 51> Image2{};
    QPushButton* Command1 = nullptr;
    forms::Label* lblball = nullptr;
    forms::Image* imgBallroll = nullptr;
    std::array<forms::Image*, 13> imgBalls{};
    forms::Label* lblbalnce2 = nullptr;
    forms::Label* lblBalance = nullptr;
    forms::Label* lblWins2 = nullptr;
    forms::Label* lblWins = nullptr;
    forms::Label* Label2 = nullptr;
    std::array<forms::Image*, 5> imgDotcolor{};
    forms::Timer* Timer1 = nullptr;
    forms::Timer* tmrBallrool = nullptr;

    // The menu bar.
    QMenuBar* menuBar = nullptr;
    QMenu* bngfile = nullptr;
    QAction* bngfileExit = nullptr;
    QAction* bngPlay = nullptr;
    QAction* Bngnext = nullptr;
    QMenu* bngOpt = nullptr;
    QMenu* bngOptdot = nullptr;
    QAction* bngOptdotblue = nullptr;
    QAction* bngOptdotred = nullptr;
    QAction* bngOptdotgreen = nullptr;
    QAction* bngOptdotyellow = nullptr;
    QAction* bngOptdotPurple = nullptr;
    QAction* bngoptSound = nullptr;
    QAction* bngPause = nullptr;
    QMenu* bnghelp = nullptr;
    QAction* helpgame = nullptr;
    QAction* bngFullhelp = nullptr;
    QAction* bnghelpabout = nullptr;
    QAction* bngVisit = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void SetDotColor(int k);
    void ToggleDot(int index);
};

}  // namespace pelloric::win
