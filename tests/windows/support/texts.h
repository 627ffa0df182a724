// How the windows' texts come out on the screen: what a menu entry shows, the
// pixels a label inks, and whether a label's text fits its box.
#pragma once

#include <QAction>
#include <QLabel>
#include <QRect>
#include <QString>

namespace pelloric::test {

// The text a menu shows for an entry: an ampersand marks the access key and
// is not shown; a doubled one shows once.
QString MenuText(const QAction* entry);

// The bounding box of the pixels the widget paints itself (a label: its
// text), in its parent's coordinates; empty when it paints none.
QRect InkRect(QWidget* w);

// Why the label does not show its text whole on one line inside its box, or
// an empty string when it does.
QString WhyNotOneLine(const QLabel* label);

}  // namespace pelloric::test
