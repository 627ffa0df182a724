// Whole-process probes for the performance figures, run by bench/measure under
// Xvfb: each starts either the game or a bare Qt main window, does one thing
// and exits, so that /usr/bin/time and hyperfine measure the whole process.
//
//   probe bare            a bare Qt main window with a menu bar: shown, then exit
//   probe start           the game's main window: shown, then exit
//   probe bare-idle S     the bare window, left running for S seconds
//   probe calling S       a game being called (5 s between balls, rolling ball
//                         included) for S seconds; prints the CPU time used
//   probe ten-games       ten complete games through the real windows, then exit
#include <sys/resource.h>

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "tests/windows/support/harness.h"
#include "windows/app.h"
#include "windows/form1.h"
#include "windows/frmgamestatus.h"

namespace {

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

int Bare(int seconds) {
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Pelloric"));
    w.menuBar()->addMenu(QStringLiteral("&File"));
    w.resize(666, 383);
    w.show();
    QTimer::singleShot(seconds * 1000, qApp, [] { QCoreApplication::exit(0); });
    const double before = CpuSeconds();
    const int rc = QApplication::exec();
    if (seconds > 0) std::printf("cpu %.4f s over %d s\n", CpuSeconds() - before, seconds);
    return rc;
}

pelloric::win::Platform QuietPlatform() {
    pelloric::win::Platform p = pelloric::win::DesktopPlatform();
    p.beep = [] {};
    p.messageBox = [](const QString&, const QString&) {};
    p.endProcess = [] { QCoreApplication::exit(0); };
    return p;
}

int Start() {
    pelloric::win::StartUp(QuietPlatform());
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    const int rc = QApplication::exec();
    pelloric::win::ShutDown();
    return rc;
}

int Calling(int seconds) {
    using namespace pelloric;
    win::StartUp(QuietPlatform());
    test::PlayAndStart({0, 2, 0, 0});   // Cover All, one board, 5 seconds, one computer player
    QTimer::singleShot(seconds * 1000, qApp, [] { QCoreApplication::exit(0); });
    const double before = CpuSeconds();
    const int rc = QApplication::exec();
    std::printf("cpu %.4f s over %d s, %d balls called\n", CpuSeconds() - before, seconds,
                int(win::App().S.CalledCount));
    win::ShutDown();
    return rc;
}

int TenGames() {
    using namespace pelloric;
    win::StartUp(QuietPlatform());
    auto& f = win::App().Form1();
    test::PlayAndStart({1, 0, 0, 5});   // two boards, Regular Bingo, six computer players
    for (int game = 1; game <= 10; ++game) {
        while (f.Timer1->Enabled()) {
            test::TickToNextBall();
            test::FinishDrop();
        }
        // Between games the player reads the result: the event loop runs and
        // the windows closed at the end of the game are deleted.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (game < 10) f.Form1_Bngnext_Click();
    }
    win::ShutDown();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const char* mode = argc > 1 ? argv[1] : "start";
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 0;
    if (!std::strcmp(mode, "bare")) return Bare(0);
    if (!std::strcmp(mode, "bare-idle")) return Bare(seconds);
    if (!std::strcmp(mode, "calling")) return Calling(seconds);
    if (!std::strcmp(mode, "ten-games")) return TenGames();
    return Start();
}
