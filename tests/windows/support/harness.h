// Shared pieces of the window tests: a recording platform, finding controls by
// their names, answering modal windows and message boxes, and playing the
// first steps of a game the way a player does.
#pragma once

#include <QAction>
#include <QApplication>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "windows/app.h"

namespace pelloric::test {

// A platform that records beeps, message boxes, web links and the end of the
// process instead of acting on the desktop. Message boxes are real modal
// QMessageBoxes unless realMessageBoxes is false, in which case they are only
// recorded.
struct Recorder {
    int beeps = 0;
    QStringList messageBoxes;         // "title|text"
    QStringList browser;              // "start URL" / "fallback URL"
    bool browserStarts = true;
    int endProcess = 0;
    bool realMessageBoxes = true;
};

// A generator with a fixed starting state, so a run can be repeated.
std::shared_ptr<Random> SeededRandom(uint64_t seed);

// Starts the program in-process with a recording platform. Call ShutDown()
// (or let the Session go out of scope) at the end of each test.
struct Session {
    explicit Session(std::shared_ptr<Random> random = nullptr);
    ~Session();
    Recorder rec;
};

// A control of a window by its object name; fails the test when missing.
template <class T = QWidget>
T* Find(QObject* window, const QString& name) {
    T* w = window->findChild<T*>(name);
    if (!w) qWarning("no control named %s", qPrintable(name));
    return w;
}
QAction* Action(const QString& name);   // a menu entry of the main window

// Runs handler once the active modal window is an object named windowName
// (a QMessageBox counts by its class "QMessageBox"), polling every few
// milliseconds; gives up after timeoutMs. Call before the step that opens it.
void WhenModal(const QString& windowName, std::function<void(QWidget*)> handler, int timeoutMs = 5000);
// Answers the next message box: checks its text and title, then presses OK.
// The texts seen are appended to *seen when given.
void AnswerMessageBox(QStringList* seen = nullptr, int timeoutMs = 5000);

// Waits until w is the window that takes the keyboard. (QTest's wait for an
// active window also counts a dialog as active while the window it belongs to
// has the focus.)
bool WaitActive(QWidget* w, int timeoutMs = 5000);

// Options as the player picks them in the options dialog, by list index.
struct Choice {
    int boards = 0;      // Combo1: 0 "1 Board", 1 "2 Boards"
    int game = 0;        // Combo2: 0 "Regular Bingo" .. 11 "Random Pick"
    int seconds = 0;     // cmbSeconds: 0 "5 Seconds" .. 2 "15 Seconds"
    int players = 0;     // cmbPlayers: 0 "1 Pc player" .. 5 "6 Pc player"
};
// Chooses "&Play", picks the options in the dialog and presses "Start".
void PlayAndStart(const Choice& choice);

// Calls the ball caller's tick until the next ball is drawn (or the caller
// stops); returns the number of ticks it took.
int TickToNextBall(int limit = 400);
// Lets the rolling ball finish its drop.
void FinishDrop();

}  // namespace pelloric::test
