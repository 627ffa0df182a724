#include "tests/windows/x11/xprops.h"

#include <QGuiApplication>
#include <QString>
#include <QWidget>
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

QString WmTitle(const QWidget* w) {
    const auto net = Property(w, "_NET_WM_NAME");
    if (net && !net->isEmpty()) return QString::fromUtf8(*net);
    return QString::fromLatin1(Property(w, "WM_NAME").value_or(QByteArray()));
}

QList<uint32_t> Stacking() {
    xcb_connection_t* c = Connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    return Values(screen->root, "_NET_CLIENT_LIST_STACKING");
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
