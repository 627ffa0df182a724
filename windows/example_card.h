// The example card of the options dialog and of the message board: a blank
// card picture with the B I N G O header, one cell label, one red dot per
// numbered cell and the twelve pattern lines. Both windows build it from the
// same parts at their own positions and show a game type's pattern from the
// one ExamplePattern table.
#pragma once

#include <array>

#include "windows/forms/forms.h"

class QPainter;
class QRectF;

namespace pelloric::win {

// Where a window lays out its example card, in twips of its client area.
// Columns run B..O, rows from the top; a cell, dot or line of column k and
// row r takes entry k - 1 and r - 1.
struct ExampleLayout {
    int pictureIndex;              // the blank card picture drawn for this layout
    int imageLeft, imageTop, imageWidth, imageHeight;
    int headerLeft, headerTop, headerWidth, headerHeight;
    std::array<int, 5> cellLeft;   // lblExample, 255 x 255
    std::array<int, 5> cellTop;
    std::array<int, 5> dotLeft;    // shpExample, 135 x 135
    std::array<int, 5> dotTop;
    std::array<int, 5> lineX;      // the column lines, and the ends of the row lines
    std::array<int, 5> lineY;      // the row lines, and the ends of the column lines
    // The blank card's grid lies around the cell labels where they carry
    // numbers (a winner's card), else around the crossings of the lines.
    bool gridAroundCells;
};

// The options dialog's card and the message board's card.
extern const ExampleLayout kOptionsExample;
extern const ExampleLayout kBoardExample;

inline constexpr int kExampleCellSize = 255;
inline constexpr int kExampleDotSize = 135;
inline constexpr int kExampleLineWidthPx = 3;
inline constexpr uint32_t kExampleDotColor = 255;           // red
inline constexpr uint32_t kExampleRowColor = 255;           // red
inline constexpr uint32_t kExampleColumnColor = 65535;      // yellow
inline constexpr uint32_t kExampleDiagonalColor = 12582912; // dark blue
inline constexpr const char* kExampleHeader = " B   I    N  G  O";

// The controls of one example card. Index c - 1 of cells and dots is
// CardCell c; lines 0-4 are the rows from the top, 5-9 the columns B..O,
// 10 the diagonal from the top-left corner and 11 the one from the
// bottom-left corner.
struct ExampleCard {
    forms::Image* image = nullptr;
    forms::Label* header = nullptr;
    std::array<forms::Label*, 24> cells{};
    std::array<forms::Shape*, 24> dots{};
    std::array<forms::Line*, 12> lines{};
};

// Builds the card's controls on parent, stacked from the bottom: the blank
// card, the header, the dots, the lines, the cell labels. Every dot and line
// starts hidden and every cell label empty.
ExampleCard BuildExampleCard(QWidget* parent, const ExampleLayout& at, const QString& imageName,
                             const QString& headerName);

// Hides every line, then every dot.
void HideExamplePattern(const std::array<forms::Line*, 12>& lines, const std::array<forms::Shape*, 24>& dots);
// Shows the dots, then the lines, of ExamplePattern for kind 1..10; any other
// kind shows nothing. Nothing is hidden first.
void ShowExamplePattern(int kind, const std::array<forms::Shape*, 24>& dots,
                        const std::array<forms::Line*, 12>& lines);

// The font of a game's name by the example card: bold 8.25 point in the
// narrower face, made smaller until the longest of the twelve names fits on
// one line of width pixels.
QFont GameNameFont(int width);

// The blank card behind the cells: a white card with a five by five grid for
// the layout named by index (kOptionsExample or kBoardExample).
void BlankCard(QPainter& p, const QRectF& r, int index);
inline forms::Picture BlankCardPicture(const ExampleLayout& at) { return {&BlankCard, at.pictureIndex}; }

}  // namespace pelloric::win
