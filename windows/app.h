// The running program: the game state, the engine, the desktop services and
// the single instance of each of the five windows, reachable from anywhere.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "engine/engine.h"
#include "windows/forms/forms.h"

namespace pelloric::win {

class Form1;
class BngOptions;
class Bingomsg;
class frmGamestatus;
class frmHelp;

// What the game needs of the desktop. Every member has a working default;
// tests replace the ones they want to observe.
struct Platform {
    std::function<void()> beep;                                             // the system beep
    std::function<void(const QString& text, const QString& title)> messageBox;  // modal, one OK button
    std::function<bool(const QString& url)> startBrowser;                   // false when it cannot start
    std::function<void(const QString& url)> openUrlFallback;
    std::function<void()> endProcess;                                       // ends the process at once
    std::shared_ptr<Random> random;
};

// The default desktop services.
Platform DesktopPlatform();
// A modal message box with a title and one OK button, over the window it
// belongs to.
void MessageBox(const QString& text, const QString& title);

// The engine's window operations, carried out on the five windows.
class AppWindows final : public GameWindows {
public:
    void SetMainEnabled(bool on) override;
    void SetCardCaption(int index, const std::string& text) override;
    void SetClaimEnabled(bool on) override;
    void SetClaimToolTip(const std::string& text) override;
    void SetBalanceCaption(const std::string& text) override;
    bool CallerOn() override;
    void SetCallerOn(bool on) override;
    void SetBallTimerOn(bool on) override;
    void ShowRollingBall() override;
    void SetRollingBallTop(int twips) override;
    void SetRollingBallAtRest() override;
    void ShowBallLabel() override;
    std::string NextGameCaption() override;
    void SetNextGameCaption(const std::string& text) override;
    void SetNextGameVisible(bool on) override;
    void SetPauseCaption(const std::string& text) override;
    void SetPauseEnabled(bool on) override;
    void SetHowToPlayCaption(const std::string& text) override;
    std::string BoardMessage() override;
    void SetBoardMessage(const std::string& text) override;
    void SetBoardGameName(const std::string& text) override;
    void SetExampleLineVisible(int index, bool on) override;
    void SetExampleDotVisible(int index, bool on) override;
    void SetExampleCellCaption(int index, const std::string& text) override;
    void SetExampleCellColor(int index, uint32_t color) override;
    void SetGameStatus(const std::string& text) override;
    void ShowGameStatus() override;
    void ShowHelp() override;
    bool StartBrowser(const std::string& url) override;
    void OpenUrlFallback(const std::string& url) override;
    void DoEvents() override;
};

class Program {
public:
    explicit Program(Platform platform);
    ~Program();

    Platform platform;
    GameState S;
    AppWindows ui;
    Engine E;

    forms::FormHandle<win::Form1> Form1;
    forms::FormHandle<win::BngOptions> BngOptions;
    forms::FormHandle<win::Bingomsg> Bingomsg;
    forms::FormHandle<win::frmGamestatus> frmGamestatus;
    forms::FormHandle<win::frmHelp> frmHelp;
};

// The program that is running. Only valid between StartUp and ShutDown.
Program& App();

// Starts the game: creates the main window, which loads and shows itself.
// app/main.cpp calls it, and so do the tests, with their own platform.
void StartUp(Platform platform = DesktopPlatform());
// Destroys every window without running an unload handler and forgets the
// game, so that a test can start the program afresh.
void ShutDown();

QString Q(const std::string& s);
std::string U(const QString& s);

}  // namespace pelloric::win
