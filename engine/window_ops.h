// The window operations the engine needs, and nothing more. The windows
// implement them; the engine's tests use a recording fake.
#pragma once

#include <cstdint>
#include <string>

namespace pelloric {

class GameWindows {
public:
    virtual ~GameWindows() = default;

    // Main window.
    virtual void SetMainEnabled(bool on) = 0;                              // Form1.Enabled
    virtual void SetCardCaption(int index, const std::string& text) = 0;  // Label1(1..48)
    virtual void SetClaimEnabled(bool on) = 0;                            // Command1.Enabled
    virtual void SetClaimToolTip(const std::string& text) = 0;            // Command1.ToolTipText
    virtual void SetBalanceCaption(const std::string& text) = 0;          // lblBalance
    virtual bool CallerOn() = 0;                                          // Timer1.Enabled
    virtual void SetCallerOn(bool on) = 0;
    virtual void SetBallTimerOn(bool on) = 0;                             // tmrBallrool.Enabled
    virtual void ShowRollingBall() = 0;                                   // imgBallroll.Visible
    virtual void SetRollingBallTop(int twips) = 0;                        // imgBallroll.Top
    virtual void SetRollingBallAtRest() = 0;                              // picture of imgBalls(0)
    virtual void ShowBallLabel() = 0;                                     // lblball.Visible
    virtual std::string NextGameCaption() = 0;                            // Bngnext.Caption
    virtual void SetNextGameCaption(const std::string& text) = 0;
    virtual void SetNextGameVisible(bool on) = 0;                         // Bngnext.Visible
    virtual void SetPauseCaption(const std::string& text) = 0;            // bngPause.Caption
    virtual void SetPauseEnabled(bool on) = 0;                            // bngPause.Enabled
    virtual void SetHowToPlayCaption(const std::string& text) = 0;        // helpgame.Caption

    // Message board (a write to a board that is not loaded loads it, hidden).
    virtual std::string BoardMessage() = 0;                               // Bingomsg.lblMsg
    virtual void SetBoardMessage(const std::string& text) = 0;
    virtual void SetBoardGameName(const std::string& text) = 0;           // Bingomsg.lblexplname
    virtual void SetExampleLineVisible(int index, bool on) = 0;           // lneExample(0..11)
    virtual void SetExampleDotVisible(int index, bool on) = 0;            // shpExample(0..23)
    virtual void SetExampleCellCaption(int index, const std::string& text) = 0;  // lblExample(0..23)
    virtual void SetExampleCellColor(int index, uint32_t color) = 0;      // lblExample ForeColor

    // End-of-game dialog (touching lblStatus loads the dialog first).
    virtual void SetGameStatus(const std::string& text) = 0;              // frmGamestatus.lblStatus
    virtual void ShowGameStatus() = 0;                                    // shown modeless

    // Help window, shown modally; returns once it has closed.
    virtual void ShowHelp() = 0;

    // The desktop: open a web address in the browser. StartBrowser answers
    // false when the browser could not be started.
    virtual bool StartBrowser(const std::string& url) = 0;
    virtual void OpenUrlFallback(const std::string& url) = 0;
    virtual void DoEvents() = 0;
};

}  // namespace pelloric
