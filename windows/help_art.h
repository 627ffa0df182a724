// The help window's pictures: a card for every help page, the example card of
// the options-help panel and the photograph of the options dialog behind it.
// The cards are drawn from the same ExamplePattern table as the example cards
// of the options dialog and the message board, so they can never disagree.
#pragma once

#include <QImage>
#include <span>

#include "windows/forms/forms.h"

class QPainter;
class QRectF;

namespace pelloric::win::art {

inline constexpr int kHelpPageCount = 12;   // pages 0..11

// What a card picture marks: red dots on cells (CardCell numbers, kCentre
// for the free centre) and coloured lines (lneExample indexes).
struct CardMarks {
    std::span<const int> dots;
    std::span<const int> lines;
};

// The marks of a help page's card. Pages 0..9 mark the pattern of GameKind
// page + 1 as the example cards show it, coloured lines for Regular Bingo and
// red dots for the others, except that Kite Bingo shows one of its four kites
// in red dots; pages 10 and 11 show the empty card.
CardMarks HelpPageMarks(int page);

// A help page's card: the column letters with their number ranges over a five
// by five grid, with the page's marks.
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
