// The game's pictures, drawn by the program so that they are sharp at any
// scale: the main window's background, the card, the dots, the turning ball.
#pragma once

#include "windows/forms/forms.h"

class QPainter;
class QRectF;

namespace pelloric::win::art {

void MainBackground(QPainter& p, const QRectF& r, int index);
// The player's card: the B I N G O header over a five by five grid.
void Card(QPainter& p, const QRectF& r, int index);
// A dot; index is the DotColor 0..4 (blue, red, green, yellow, purple).
void Dot(QPainter& p, const QRectF& r, int index);
// Frame 0..12 of the turning ball; frame 0 is the ball at rest.
void Ball(QPainter& p, const QRectF& r, int index);

inline forms::Picture BackgroundPicture() { return {&MainBackground, 0}; }
inline forms::Picture CardPicture() { return {&Card, 0}; }
inline forms::Picture DotPicture(int color) { return {&Dot, color}; }
inline forms::Picture BallPicture(int frame) { return {&Ball, frame}; }

}  // namespace pelloric::win::art
