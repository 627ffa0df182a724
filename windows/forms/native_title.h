// The title a window hands the window manager.
#pragma once

class QWidget;

namespace pelloric::forms {

// Empties the title properties of a window's native X11 window, creating it if
// need be. Qt never hands the window manager an empty title: it puts the
// program's name in its place. Does nothing on other platforms.
void EmptyNativeTitle(QWidget* window);

}  // namespace pelloric::forms
