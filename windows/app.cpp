#include "windows/app.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QStyle>
#include <QStyleFactory>
#include <QUrl>
#include <cstdlib>

#include "windows/bingomsg.h"
#include "windows/bngoptions.h"
#include "windows/form1.h"
#include "windows/frmgamestatus.h"
#include "windows/frmhelp.h"

namespace pelloric::win {

namespace {
// A plain pointer, not a static owner: when the display goes away Qt ends the
// process with exit(), and a static destructor would then tear the windows
// down after Qt's platform is gone. The program is freed by ShutDown, which
// main() calls once the event loop has returned.
Program* g_program = nullptr;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string U(const QString& s) { return s.toStdString(); }

// The box belongs to the window it opens over, like every dialog.
void MessageBox(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, forms::DialogOwner(true));
    box.exec();
}

Platform DesktopPlatform() {
    Platform p;
    p.beep = [] { QApplication::beep(); };
    p.messageBox = &MessageBox;
    // The address goes to xdg-open as an argument of its own, never through a shell.
    p.startBrowser = [](const QString& url) { return QProcess::startDetached(QStringLiteral("xdg-open"), {url}); };
    p.openUrlFallback = [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); };
    p.endProcess = [] { std::_Exit(0); };
    p.random = std::make_shared<ClockRandom>();
    return p;
}

Program::Program(Platform p) : platform(std::move(p)), E(S, *platform.random, ui) {
    const Platform d = DesktopPlatform();
    if (!platform.beep) platform.beep = d.beep;
    if (!platform.messageBox) platform.messageBox = d.messageBox;
    if (!platform.startBrowser) platform.startBrowser = d.startBrowser;
    if (!platform.openUrlFallback) platform.openUrlFallback = d.openUrlFallback;
    if (!platform.endProcess) platform.endProcess = d.endProcess;
}

Program::~Program() {
    frmHelp.Destroy();
    frmGamestatus.Destroy();
    BngOptions.Destroy();
    Bingomsg.Destroy();
    Form1.Destroy();
}

Program& App() { return *g_program; }

void StartUp(Platform platform) {
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(forms::VbFont(8.25));
    if (!platform.random) platform.random = std::make_shared<ClockRandom>();
    delete g_program;
    g_program = new Program(std::move(platform));
    // Process start: every number 0, then the main window loads and shows,
    // which loads the message board hidden.
    App().Form1().Show();
}

void ShutDown() {
    delete g_program;
    g_program = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---- The engine's window operations -----------------------------------------------

void AppWindows::SetMainEnabled(bool on) { App().Form1().setEnabled(on); }
void AppWindows::SetCardCaption(int index, const std::string& text) { App().Form1().Label1[index]->SetCaption(Q(text)); }
void AppWindows::SetClaimEnabled(bool on) { App().Form1().Command1->setEnabled(on); }
void AppWindows::SetClaimToolTip(const std::string& text) { App().Form1().Command1->setToolTip(Q(text)); }
void AppWindows::SetBalanceCaption(const std::string& text) { App().Form1().lblBalance->SetCaption(Q(text)); }
bool AppWindows::CallerOn() { return App().Form1().Timer1->Enabled(); }
void AppWindows::SetCallerOn(bool on) { App().Form1().Timer1->SetEnabled(on); }
void AppWindows::SetBallTimerOn(bool on) { App().Form1().tmrBallrool->SetEnabled(on); }
void AppWindows::ShowRollingBall() { App().Form1().imgBallroll->setVisible(true); }
void AppWindows::SetRollingBallTop(int twips) { forms::SetTop(App().Form1().imgBallroll, twips); }
void AppWindows::SetRollingBallAtRest() {
    auto& f = App().Form1();
    f.imgBallroll->SetPicture(f.imgBalls[0]->GetPicture());
}
void AppWindows::ShowBallLabel() { App().Form1().lblball->setVisible(true); }
std::string AppWindows::NextGameCaption() { return U(App().Form1().Bngnext->text()); }
void AppWindows::SetNextGameCaption(const std::string& text) { App().Form1().Bngnext->setText(Q(text)); }
void AppWindows::SetNextGameVisible(bool on) { App().Form1().Bngnext->setVisible(on); }
void AppWindows::SetPauseCaption(const std::string& text) { App().Form1().bngPause->setText(Q(text)); }
void AppWindows::SetPauseEnabled(bool on) { App().Form1().bngPause->setEnabled(on); }
// The caption carries the game's name, which shows as it is written ("B & O").
void AppWindows::SetHowToPlayCaption(const std::string& text) {
    App().Form1().helpgame->setText(forms::AsWritten(Q(text)));
}

std::string AppWindows::BoardMessage() { return U(App().Bingomsg().lblMsg->Caption()); }
void AppWindows::SetBoardMessage(const std::string& text) { App().Bingomsg().lblMsg->SetCaption(Q(text)); }
void AppWindows::SetBoardGameName(const std::string& text) { App().Bingomsg().lblexplname->SetCaption(Q(text)); }
void AppWindows::SetExampleLineVisible(int index, bool on) { App().Bingomsg().lneExample[index]->setVisible(on); }
void AppWindows::SetExampleDotVisible(int index, bool on) { App().Bingomsg().shpExample[index]->setVisible(on); }
void AppWindows::SetExampleCellCaption(int index, const std::string& text) {
    App().Bingomsg().lblExample[index]->SetCaption(Q(text));
}
void AppWindows::SetExampleCellColor(int index, uint32_t color) {
    App().Bingomsg().lblExample[index]->SetForeColor(color);
}

void AppWindows::SetGameStatus(const std::string& text) { App().frmGamestatus().lblStatus->SetCaption(Q(text)); }
void AppWindows::ShowGameStatus() { App().frmGamestatus().Show(); }
void AppWindows::ShowHelp() { App().frmHelp().ShowModal(); }

bool AppWindows::StartBrowser(const std::string& url) { return App().platform.startBrowser(Q(url)); }
void AppWindows::OpenUrlFallback(const std::string& url) { App().platform.openUrlFallback(Q(url)); }
void AppWindows::DoEvents() { QCoreApplication::processEvents(); }

}  // namespace pelloric::win
