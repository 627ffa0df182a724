// Windows that the game makes again and again (the options dialog, the help
// window, the end-of-game dialog) draw each new instance's controls with the
// palettes of the first. The style keys the pixmaps it caches by the palette's
// cache key and Qt's pixmap cache keeps every key it has seen, so a palette
// that is new with each instance grows the heap by a few kilobytes a window.
#include <QtTest>
#include <functional>

#include "tests/windows/support/harness.h"
#include "tests/windows/support/palette_watch.h"
#include "windows/bngoptions.h"
#include "windows/frmgamestatus.h"
#include "windows/frmhelp.h"

using namespace pelloric;

namespace {

void Pump() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One instance of a window: opens it, draws each of its views with the grab
// callback and closes it.
using Visit = std::function<void(const std::function<void(QWidget*)>& grab)>;

// Visits three instances: each control is drawn with one palette in all three.
void CheckSamePalettes(const Visit& visit, const QStringList& mustDraw, const char* window) {
    test::Session session;
    test::WatchedPalettes style;
    for (int instance = 1; instance <= 3; ++instance) {
        visit([](QWidget* w) {
            w->show();
            (void)w->grab();
        });
        Pump();
    }
    for (const QString& control : mustDraw)
        QVERIFY2(style->keys.count(QLatin1String(window) + QLatin1Char('/') + control),
                 qPrintable(control + QStringLiteral(" was not drawn")));
    const QStringList renewed = style->Renewed();
    QVERIFY2(renewed.isEmpty(), qPrintable(QStringLiteral("drawn with a new palette in a window made again: ") +
                                           renewed.join(QStringLiteral(", "))));
}

}  // namespace

class RemadeWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void optionsDialog() {
        CheckSamePalettes(
            [](const auto& grab) {
                auto& d = win::App().BngOptions();
                d.Combo2->setCurrentIndex(6);
                grab(&d);
                d.Picture1->raise();   // the covered network panel
                grab(&d);
                d.Command2->click();
            },
            {"QFrame Picture1", "QFrame Picture2", "QComboBox Combo1", "QComboBox Combo2", "QComboBox cmbSeconds",
             "QComboBox cmbPlayers", "QPushButton Command1", "QPushButton Command2", "QPushButton cmdHelp",
             "QCheckBox Check1"},
            "pelloric::win::BngOptions");
    }

    // The contents list, the introduction, a page and the options-help panel.
    void helpWindow() {
        CheckSamePalettes(
            [](const auto& grab) {
                auto& h = win::App().frmHelp();
                grab(&h);
                h.frmHelp_lblcontents_Click(0);
                grab(&h);
                h.frmHelp_cmdNext_Click();
                grab(&h);
                h.pctHelpOption->show();
                grab(&h);
                h.Command2->click();
            },
            {"pelloric::win::TextBox lblstart", "QScrollBar", "QPushButton cmdNext", "QPushButton Command2"},
            "pelloric::win::frmHelp");
    }

    void endOfGameDialog() {
        CheckSamePalettes(
            [](const auto& grab) {
                grab(&win::App().frmGamestatus());
                win::App().frmGamestatus.Unload();
            },
            {"QPushButton cmdOK", "QPushButton cmdTryagain", "QPushButton cmdEndPlay"}, "pelloric::win::frmGamestatus");
    }
};

QTEST_MAIN(RemadeWindowsTest)
#include "tst_remade_windows.moc"
