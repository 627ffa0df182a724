#include "tests/windows/x11/xprops.h"

#include <QGuiApplication>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <xcb/xtest.h>

namespace pelloric::test::x11 {

xcb_connection_t* Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(const char* name) {
    xcb_connection_t* c = Connection();
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

std::optional<QByteArray> Property(xcb_window_t window, const char* name) {
    xcb_connection_t* c = Connection();
    const xcb_atom_t property = Atom(name);
    if (property == XCB_ATOM_NONE) return std::nullopt;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096), nullptr);
    if (!reply) return std::nullopt;
    std::optional<QByteArray> value;
    if (reply->type != XCB_ATOM_NONE)
        value = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
    std::free(reply);
    return value;
}

std::optional<QByteArray> Property(const QWidget* w, const char* name) {
    return Property(xcb_window_t(w->winId()), name);
}

QList<uint32_t> Values(xcb_window_t window, const char* name) {
    QList<uint32_t> values;
    const QByteArray bytes = Property(window, name).value_or(QByteArray());
    for (qsizetype i = 0; i + 4 <= bytes.size(); i += 4) {
        uint32_t v = 0;
        std::memcpy(&v, bytes.constData() + i, 4);
        values << v;
    }
    return values;
}

QList<uint32_t> Values(const QWidget* w, const char* name) { return Values(xcb_window_t(w->winId()), name); }

QString WmTitle(xcb_window_t window) {
    const auto net = Property(window, "_NET_WM_NAME");
    if (net && !net->isEmpty()) return QString::fromUtf8(*net);
    return QString::fromLatin1(Property(window, "WM_NAME").value_or(QByteArray()));
}

QString WmTitle(const QWidget* w) { return WmTitle(xcb_window_t(w->winId())); }

SizeHints SizeHintsOf(const QWidget* w) {
    constexpr uint32_t kMinSize = 16;   // the flags of the two sizes
    constexpr uint32_t kMaxSize = 32;
    const QList<uint32_t> h = Values(w, "WM_NORMAL_HINTS");
    SizeHints hints;
    if (h.size() < 9) return hints;
    if (h[0] & kMinSize) hints.least = QSize(int(h[5]), int(h[6]));
    if (h[0] & kMaxSize) hints.most = QSize(int(h[7]), int(h[8]));
    return hints;
}

constexpr uint32_t kIconicState = 3;   // WM_STATE and WM_CHANGE_STATE

bool Iconic(const QWidget* w) {
    const QList<uint32_t> state = Values(w, "WM_STATE");
    return !state.isEmpty() && state.front() == kIconicState;
}

static xcb_window_t Root() {
    return xcb_setup_roots_iterator(xcb_get_setup(Connection())).data->root;
}

QList<uint32_t> Stacking() { return Values(Root(), "_NET_CLIENT_LIST_STACKING"); }

// A client message to the root window, where the window manager listens.
static void ToWindowManager(const QWidget* w, const char* type, std::array<uint32_t, 5> data) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(w->winId());
    event.type = Atom(type);
    std::copy(data.begin(), data.end(), event.data.data32);
    xcb_send_event(Connection(), 0, Root(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(Connection());
}

constexpr uint32_t kFromPager = 2;   // the source indication of a request made for the player

void Iconify(const QWidget* w) { ToWindowManager(w, "WM_CHANGE_STATE", {kIconicState, 0, 0, 0, 0}); }

void Activate(const QWidget* w) { ToWindowManager(w, "_NET_ACTIVE_WINDOW", {kFromPager, XCB_CURRENT_TIME, 0, 0, 0}); }

void Maximize(const QWidget* w) {
    ToWindowManager(w, "_NET_WM_STATE",
                    {1 /* add */, Atom("_NET_WM_STATE_MAXIMIZED_VERT"), Atom("_NET_WM_STATE_MAXIMIZED_HORZ"),
                     kFromPager, 0});
}

void MoveResize(const QWidget* w, const QRect& client) {
    constexpr uint32_t kStaticGravity = 10;   // the client area itself is placed
    constexpr uint32_t kAllFour = 0xF00;      // x, y, width and height are given
    ToWindowManager(w, "_NET_MOVERESIZE_WINDOW",
                    {kStaticGravity | kAllFour | (kFromPager << 12), uint32_t(client.x()), uint32_t(client.y()),
                     uint32_t(client.width()), uint32_t(client.height())});
}

void ClickScreen(QPoint at) {
    xcb_connection_t* c = Connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, screen->root, int16_t(at.x()), int16_t(at.y()), 0);
    xcb_test_fake_input(c, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(c, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(c);
}

}  // namespace pelloric::test::x11
