// The game's pictures, drawn by the program so that they are sharp at any
// scale: the main window's background, the card, the dots, the turning ball
// and the pointer of the web links.
#pragma once

#include <QCursor>

#include "windows/forms/forms.h"

class QPainter;
class QRectF;

namespace pelloric::win::art {

// A bingo hall at night: a warm gradient with marquee lights along the edges.
void MainBackground(QPainter& p, const QRectF& r, int index);
// The player's card (3750 x 4500 twips): the B I N G O header band over a
// five by five grid whose cells lie under the number labels.
void Card(QPainter& p, const QRectF& r, int index);
// A dot; index is the DotColor 0..4 (blue, red, green, yellow, purple). The
// dots are see-through, so a number under one stays readable.
void Dot(QPainter& p, const QRectF& r, int index);
// Frame 0..12 of the turning ball; frame 0 is the ball at rest, its number
// patch where the called ball's text appears.
void Ball(QPainter& p, const QRectF& r, int index);

inline constexpr int kBallFrames = 13;
inline constexpr int kDotColors = 5;

inline forms::Picture BackgroundPicture() { return {&MainBackground, 0}; }
inline forms::Picture CardPicture() { return {&Card, 0}; }
inline forms::Picture DotPicture(int color) { return {&Dot, color}; }
inline forms::Picture BallPicture(int frame) { return {&Ball, frame}; }

// The pointer over the web links: a pointing hand.
QCursor LinkPointer();

// Colours of the main window's texts, with red in the low byte.
inline constexpr uint32_t kCardNumberColor = 0x5A2A1Au;   // dark navy
inline constexpr uint32_t kFreeSpaceColor = 0x2828B0u;    // deep red
inline constexpr uint32_t kMoneyHeadColor = 0x4AD2FFu;    // gold
inline constexpr uint32_t kMoneyColor = 0xFFFFFFu;        // white
inline constexpr uint32_t kBallTextColor = 0x5A2A1Au;     // dark navy
inline constexpr uint32_t kLinkColor = 0x9CE6FFu;         // pale gold

}  // namespace pelloric::win::art
