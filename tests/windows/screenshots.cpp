// Takes the README's pictures: plays a game through the real windows and saves
// each window as a PNG. Run by scripts/screenshots under Xvfb.
//
//   screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTimer>

#include "tests/windows/support/harness.h"
#include "windows/bingomsg.h"
#include "windows/bngoptions.h"
#include "windows/form1.h"
#include "windows/frmgamestatus.h"
#include "windows/frmhelp.h"

using namespace pelloric;

namespace {

QString g_out;

void Save(QWidget* w, const char* name) {
    QApplication::processEvents();
    const QString path = QDir(g_out).filePath(QLatin1String(name) + QStringLiteral(".png"));
    if (!w->window()->grab().save(path)) qFatal("could not write %s", qPrintable(path));
    qInfo("wrote %s", qPrintable(path));
}

void Settle(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    g_out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(g_out);

    test::Session session(test::SeededRandom(20261210));
    session.rec.realMessageBoxes = false;
    auto& f = win::App().Form1();

    // The options dialog with Kite Bingo chosen, then Start with two boards.
    test::WhenModal(QStringLiteral("BngOptions"), [](QWidget* w) {
        test::Find<QComboBox>(w, QStringLiteral("Combo1"))->setCurrentIndex(1);
        test::Find<QComboBox>(w, QStringLiteral("Combo2"))->setCurrentIndex(6);
        test::Find<QComboBox>(w, QStringLiteral("cmbPlayers"))->setCurrentIndex(2);
        Settle(300);
        Save(w, "options");
        test::Find<QComboBox>(w, QStringLiteral("Combo2"))->setCurrentIndex(0);
        test::Find<QPushButton>(w, QStringLiteral("Command1"))->click();
    });
    test::Action(QStringLiteral("bngPlay"))->trigger();

    // A dozen balls, with the player's dots on what was called.
    for (int ball = 0; ball < 12; ++ball) {
        test::TickToNextBall();
        test::FinishDrop();
    }
    auto& S = win::App().S;
    for (int i = 1; i <= 48; ++i)
        for (int n = 1; n <= S.CalledCount; ++n)
            if (f.Label1[i]->Caption().toInt() == S.Called[n]) f.Form1_Label1_Click(int16_t(i));
    f.Form1_Label1_Click(49);
    f.Form1_Label1_Click(50);
    Settle(300);
    Save(&f, "main-window");
    Save(&win::App().Bingomsg(), "message-board");

    // A help page, opened from the message board's "?".
    test::WhenModal(QStringLiteral("frmHelp"), [](QWidget* w) {
        Settle(300);
        Save(w, "help");
        win::App().frmHelp.Unload();
    });
    win::App().Bingomsg().Bingomsg_lblQuestion_Click();

    // The end of the game: play on until someone wins.
    while (f.Timer1->Enabled()) {
        test::TickToNextBall();
        test::FinishDrop();
    }
    Settle(300);
    if (win::App().frmGamestatus.Loaded()) Save(&win::App().frmGamestatus(), "end-of-game");
    Save(&win::App().Bingomsg(), "message-board-winner");
    return 0;
}
