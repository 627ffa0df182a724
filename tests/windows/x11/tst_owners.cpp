// What the window manager makes of the game's dialogs, on a real X server
// with openbox: each belongs to the window it opens over, keeps its size,
// stays above its owner when the player clicks the owner, and minimises and
// comes back with it.
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "tests/windows/support/game_end.h"
#include "tests/windows/support/help.h"
#include "tests/windows/support/harness.h"
#include "tests/windows/x11/xprops.h"
#include "windows/bingomsg.h"
#include "windows/bngoptions.h"
#include "windows/form1.h"
#include "windows/frmgamestatus.h"
#include "windows/frmhelp.h"

using namespace pelloric;
namespace x11 = test::x11;

namespace {


uint32_t Id(const QWidget* w) { return uint32_t(w->winId()); }

// The window w is transient for, or 0.
uint32_t TransientFor(const QWidget* w) {
    const QList<uint32_t> v = x11::Values(w, "WM_TRANSIENT_FOR");
    return v.isEmpty() ? 0 : v.front();
}

// Whether the size hints pin the window to one size.
bool FixedSize(const QWidget* w) {
    const x11::SizeHints h = x11::SizeHintsOf(w);
    return !h.least.isEmpty() && h.least == h.most;
}

// Whether the window manager stacks upper above lower.
bool StackedAbove(const QWidget* upper, const QWidget* lower) {
    const QList<uint32_t> order = x11::Stacking();
    const qsizetype u = order.indexOf(Id(upper));
    const qsizetype l = order.indexOf(Id(lower));
    return u >= 0 && l >= 0 && u > l;
}

// A point of the main window's client area that the dialog does not cover.
QPoint UncoveredPoint(const QWidget& main, const QWidget& dialog) {
    const QRect covered = dialog.frameGeometry().adjusted(-4, -4, 4, 4);
    const int bottom = main.height() - 6;
    const QPoint corners[] = {{6, bottom}, {main.width() - 6, bottom}, {6, 40}, {main.width() - 6, 40}};
    for (const QPoint& corner : corners) {
        const QPoint at = main.mapToGlobal(corner);
        if (!covered.contains(at)) return at;
    }
    return {};
}

}  // namespace

class OwnersTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(x11::Connection(), "needs the xcb platform on a real X server"); }

    // The options dialog and its help belong to the windows they open over and
    // keep their size; a click on the blocked main window leaves the dialog in
    // front. Once the dialog has gone the main window has the keyboard again.
    void theModalWindowsBelongToTheirOpeners() {
        test::Session s;
        auto& f = win::App().Form1();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        uint32_t optionsOwner = 0;
        uint32_t helpOwner = 0;
        bool optionsFixed = false;
        bool helpFixed = false;
        bool inFrontAfterClick = false;
        test::WhenModal(QStringLiteral("BngOptions"), [&](QWidget* w) {
            auto& d = *static_cast<win::BngOptions*>(w);
            if (!QTest::qWaitForWindowExposed(&d)) qWarning("the options dialog was never shown");
            optionsOwner = TransientFor(&d);
            optionsFixed = FixedSize(&d);
            x11::ClickScreen(UncoveredPoint(f, d));
            QTest::qWait(300);   // what the window manager does with the click
            inFrontAfterClick = StackedAbove(&d, &f);
            test::WhenHelp(
                [&](win::frmHelp& h) {
                    if (!QTest::qWaitForWindowExposed(&h)) qWarning("help was never shown");
                    helpOwner = TransientFor(&h);
                    helpFixed = FixedSize(&h);
                },
                nullptr);
            d.cmdHelp->click();
            // As a player's next click would, Cancel comes once the options
            // dialog has the focus back from its help.
            QTRY_COMPARE(QApplication::activeWindow(), w);
            d.Command2->click();
        });
        test::Action(QStringLiteral("bngPlay"))->trigger();
        // The main window itself can grow, but not shrink below its layout.
        const x11::SizeHints hints = x11::SizeHintsOf(&f);
        QVERIFY(!hints.least.isEmpty() && hints.most.isEmpty());
        QCOMPARE(hints.least, f.size());
        QCOMPARE(optionsOwner, Id(&f));
        QVERIFY(optionsFixed);
        QVERIFY(inFrontAfterClick);
        QVERIFY(helpOwner != 0 && helpOwner != Id(&f));   // the options dialog's own
        QVERIFY(helpFixed);
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&f));

        uint32_t fullHelpOwner = 0;
        test::WhenHelp(
            [&](win::frmHelp& h) {
                if (QTest::qWaitForWindowExposed(&h)) fullHelpOwner = TransientFor(&h);
            },
            nullptr);
        test::Action(QStringLiteral("bngFullhelp"))->trigger();
        QCOMPARE(fullHelpOwner, Id(&f));

        uint32_t aboutOwner = 0;
        test::WhenModal(QStringLiteral("QMessageBox"), [&](QWidget* w) {
            if (QTest::qWaitForWindowExposed(w)) aboutOwner = TransientFor(w);
            static_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
        });
        test::Action(QStringLiteral("bnghelpabout"))->trigger();
        QCOMPARE(aboutOwner, Id(&f));
    }

    // The end-of-game dialog is modeless: a click on the main window leaves it
    // above, and it minimises and comes back with the main window.
    void theEndOfGameDialogStaysWithTheMainWindow() {
        test::Session s;
        auto& f = win::App().Form1();
        test::PlayAndStart({});
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        test::ClaimColumnB();
        auto* dialog = win::App().frmGamestatus.IfLoaded();
        QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(TransientFor(dialog), Id(&f));
        QVERIFY(FixedSize(dialog));
        QTRY_VERIFY(StackedAbove(dialog, &f));

        x11::ClickScreen(UncoveredPoint(f, *dialog));
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&f));
        QTest::qWait(200);   // any restacking the click causes
        QVERIFY(StackedAbove(dialog, &f));

        f.showMinimized();
        QTRY_VERIFY(x11::Iconic(&f));
        QTRY_VERIFY(x11::Iconic(dialog));
        f.showNormal();
        QTRY_VERIFY(!x11::Iconic(&f));
        QTRY_VERIFY(!x11::Iconic(dialog));
        QTRY_VERIFY(StackedAbove(dialog, &f));
    }

    // No place is given to the end-of-game dialog: it opens over the main
    // window, clear of the message board and its status line.
    void theEndOfGameDialogOpensOverTheMainWindow() {
        test::Session s;
        auto& f = win::App().Form1();
        test::PlayAndStart({0, 0, 0, 2});
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        test::ComputerWins(3);
        auto* dialog = win::App().frmGamestatus.IfLoaded();
        QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
        // The frames as the window manager draws them, once it has said how wide.
        QTRY_VERIFY(dialog->frameGeometry() != dialog->geometry() && f.frameGeometry() != f.geometry());
        QVERIFY2(f.frameGeometry().contains(dialog->frameGeometry()),
                 qPrintable(QStringLiteral("dialog %1,%2 %3x%4 over the main window %5,%6 %7x%8")
                                .arg(dialog->frameGeometry().x()).arg(dialog->frameGeometry().y())
                                .arg(dialog->frameGeometry().width()).arg(dialog->frameGeometry().height())
                                .arg(f.frameGeometry().x()).arg(f.frameGeometry().y())
                                .arg(f.frameGeometry().width()).arg(f.frameGeometry().height())));
        const auto* status = win::App().Bingomsg().lblMsg;
        QVERIFY(!dialog->frameGeometry().intersects(QRect(status->mapToGlobal(QPoint()), status->size())));
    }
};

QTEST_MAIN(OwnersTest)
#include "tst_owners.moc"
