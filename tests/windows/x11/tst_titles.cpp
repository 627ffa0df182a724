// The title each window hands the window manager, read back from a real X
// server with a window manager: the offscreen platform has no titles to read.
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QtTest>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <xcb/xcb.h>

#include "tests/windows/support/game_end.h"
#include "tests/windows/support/harness.h"
#include "windows/bingomsg.h"
#include "windows/form1.h"
#include "windows/frmgamestatus.h"
#include "windows/frmhelp.h"

using namespace pelloric;

namespace {

xcb_connection_t* Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// A text property of the window's own X window; empty when it is not set.
std::optional<QByteArray> TextProperty(QWidget* w, const char* name) {
    xcb_connection_t* c = Connection();
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    if (!atom) return std::nullopt;
    const xcb_atom_t property = atom->atom;
    std::free(atom);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, xcb_window_t(w->winId()), property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    if (!reply) return std::nullopt;
    std::optional<QByteArray> value;
    if (reply->type != XCB_ATOM_NONE)
        value = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
    std::free(reply);
    return value;
}

// What a window manager shows as the title: _NET_WM_NAME, else WM_NAME.
QString WmTitle(QWidget* w) {
    const auto net = TextProperty(w, "_NET_WM_NAME");
    if (net && !net->isEmpty()) return QString::fromUtf8(*net);
    return QString::fromLatin1(TextProperty(w, "WM_NAME").value_or(QByteArray()));
}

}  // namespace

class TitlesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(Connection(), "needs the xcb platform on a real X server"); }

    void everyWindowHandsTheWindowManagerItsTitle() {
        test::Session s;
        auto& f = win::App().Form1();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(WmTitle(&f), QStringLiteral("Pelloric"));

        QString options;
        test::WhenModal(QStringLiteral("BngOptions"), [&options](QWidget* w) {
            options = WmTitle(w);
            test::Find<QPushButton>(w, QStringLiteral("Command1"))->click();
        });
        test::Action(QStringLiteral("bngPlay"))->trigger();
        QCOMPARE(options, QStringLiteral("Select your options"));
        QCOMPARE(WmTitle(&win::App().Bingomsg()), QStringLiteral("Pelloric message board"));

        QString help;
        test::WhenModal(QStringLiteral("frmHelp"), [&help](QWidget* w) {
            help = WmTitle(w);
            test::Find<QPushButton>(w, QStringLiteral("Command2"))->click();
        });
        test::Action(QStringLiteral("bngFullhelp"))->trigger();
        QCOMPARE(help, QStringLiteral("Help"));
    }

    // The end-of-game dialog has no title text; Qt alone would hand the
    // window manager the program's name for it.
    void theEndOfGameDialogHasNoTitle() {
        test::Session s;
        test::PlayAndStart({});
        test::ClaimColumnB();
        auto* dialog = win::App().frmGamestatus.IfLoaded();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(TextProperty(dialog, "_NET_WM_NAME").value_or(QByteArray()), QByteArray());
        QCOMPARE(TextProperty(dialog, "WM_NAME").value_or(QByteArray()), QByteArray());

        // A fresh dialog after a computer player's win, too.
        dialog->frmGamestatus_cmdOK_Click();
        test::AnswerMessageBox();   // the price of the next game
        test::Action(QStringLiteral("Bngnext"))->trigger();
        test::ComputerWins(1);
        dialog = win::App().frmGamestatus.IfLoaded();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(WmTitle(dialog), QString());
    }
};

QTEST_MAIN(TitlesTest)
#include "tst_titles.moc"
