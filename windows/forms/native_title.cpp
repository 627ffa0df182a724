#include "windows/forms/native_title.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace pelloric::forms {

#if QT_CONFIG(xcb)
namespace {
xcb_atom_t InternAtom(xcb_connection_t* c, const char* name) {
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}
}  // namespace
#endif

void EmptyNativeTitle(QWidget* window) {
#if QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return;
    xcb_connection_t* c = x11->connection();
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t netWmName = InternAtom(c, "_NET_WM_NAME");
    const xcb_atom_t utf8 = InternAtom(c, "UTF8_STRING");
    if (netWmName != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE)
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, netWmName, utf8, 8, 0, nullptr);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(c);
#else
    (void)window;
#endif
}

}  // namespace pelloric::forms
