// Reading what the X server holds of the game's windows: their properties,
// the window manager's stacking order, and clicks as real input.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>
#include <xcb/xcb.h>

class QWidget;

namespace pelloric::test::x11 {

xcb_connection_t* Connection();   // null off the xcb platform
xcb_atom_t Atom(const char* name);

// A property of an X window, raw; empty when it is not set.
std::optional<QByteArray> Property(xcb_window_t window, const char* name);
std::optional<QByteArray> Property(const QWidget* w, const char* name);
// A property made of 32-bit values (WINDOW, CARDINAL, WM_SIZE_HINTS).
QList<uint32_t> Values(xcb_window_t window, const char* name);
QList<uint32_t> Values(const QWidget* w, const char* name);

// What a window manager shows as the title: _NET_WM_NAME, else WM_NAME.
QString WmTitle(xcb_window_t window);
QString WmTitle(const QWidget* w);

// The least and the most size the window's hints (WM_NORMAL_HINTS) let the
// window manager give it; each empty where the hints set none.
struct SizeHints {
    QSize least;
    QSize most;
};
SizeHints SizeHintsOf(const QWidget* w);

// Whether the window manager has iconified the window (WM_STATE).
bool Iconic(const QWidget* w);

// The root window's client list, bottom first, as the window manager stacks it.
QList<uint32_t> Stacking();

// Requests to the window manager, as a pager or a task bar sends them for the
// player: iconify (WM_CHANGE_STATE), bring back and activate
// (_NET_ACTIVE_WINDOW), maximise (_NET_WM_STATE), and move and resize the
// client area to a rectangle of the screen (_NET_MOVERESIZE_WINDOW).
void Iconify(const QWidget* w);
void Activate(const QWidget* w);
void Maximize(const QWidget* w);
void MoveResize(const QWidget* w, const QRect& client);

// A left click at a point of the screen, sent to the X server as input from
// the mouse (XTEST), so that the window manager sees it as the player's.
void ClickScreen(QPoint at);

}  // namespace pelloric::test::x11
