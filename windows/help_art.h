// The help window's pictures: a card for every help page, the example card of
// the options-help panel and the photograph of the options dialog behind it.
// The cards are drawn from the same ExamplePattern table as the example cards
// of the options dialog and the message board, so they can never disagree.
#pragma once

#include <QImage>

#include "windows/forms/forms.h"

class QPainter;
class QRectF;

namespace pelloric::win::art {

inline constexpr int kHelpPageCount = 12;   // pages 0..11

// A help page's card: the column letters with their number ranges over a five
// by five grid. Pages 0..9 mark the pattern of GameKind page + 1 (coloured
// lines for line patterns, red dots on the pattern's cells); pages 10 and 11
// show the empty card.
void HelpPageCard(QPainter& p, const QRectF& r, int page);

// The options dialog's example card with the pattern of a GameKind marked:
// the " B   I    N  G  O" header over the grid.
void ExampleCard(QPainter& p, const QRectF& r, int kind);

// The options-help panel's background: the options dialog as it opens, drawn
// into the panel so that each area of the dialog lies under its click area.
void OptionsHelpBackground(QPainter& p, const QRectF& r, int);

// Takes the photograph of the options dialog, once per process. The dialog is
// built for the photograph only, never loaded: no game variable changes and
// no window is left behind.
void PrepareOptionsDialogPhoto();
// The photograph (null until prepared).
const QImage& OptionsDialogPhoto();

inline forms::Picture HelpPagePicture(int page) { return {&HelpPageCard, page}; }
inline forms::Picture ExampleCardPicture(int kind) { return {&ExampleCard, kind}; }
inline forms::Picture OptionsHelpPicture() { return {&OptionsHelpBackground, 0}; }

}  // namespace pelloric::win::art
