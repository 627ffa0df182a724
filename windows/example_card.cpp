#include "windows/example_card.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "engine/example_pattern.h"
#include "engine/geometry.h"

namespace pelloric::win {

using forms::Indexed;
using forms::Place;

const ExampleLayout kOptionsExample = {
    0,
    2880, 480, 1515, 1830,
    2880, 480, 1455, 255,
    {3000, 3240, 3480, 3840, 4080},
    {840, 1080, 1440, 1680, 2040},
    {3000, 3360, 3600, 3840, 4200},
    {840, 1200, 1440, 1800, 2040},
    {3120, 3360, 3600, 3960, 4200},
    {960, 1200, 1560, 1800, 2040},
    false,
};

const ExampleLayout kBoardExample = {
    1,
    7800, 0, 1515, 1830,
    7800, 0, 1455, 255,
    {7920, 8160, 8400, 8670, 9000},
    {360, 600, 960, 1200, 1560},
    {7920, 8280, 8520, 8760, 9120},
    {360, 720, 960, 1320, 1560},
    {8040, 8280, 8520, 8880, 9120},
    {480, 720, 1080, 1320, 1560},
    true,
};

namespace {

// Pixels of blank between the numbers of neighbouring cells on a winner's card.
constexpr int kNumberGap = 3;

// The cells of a card lie closer together than they are wide (16 pixels apart
// on the board, 17 wide): the numbers, bold 8.25 point in the narrower face,
// are made small enough for two digits to keep the gap where the columns lie
// closest.
QFont CellFont(const ExampleLayout& at) {
    int closest = forms::Px(kExampleCellSize);
    for (int k = 0; k + 1 < 5; ++k)
        closest = std::min(closest, forms::Px(at.cellLeft[k + 1]) - forms::Px(at.cellLeft[k]));
    QFont font = forms::VbFont(8.25, true);
    font.setStretch(QFont::SemiCondensed);
    return forms::FittingFont(font, {QStringLiteral("00")}, closest - kNumberGap);
}

}  // namespace

ExampleCard BuildExampleCard(QWidget* parent, const ExampleLayout& at, const QString& imageName,
                             const QString& headerName) {
    ExampleCard card;
    card.image = new forms::Image(parent, imageName, BlankCardPicture(at));
    Place(card.image, at.imageLeft, at.imageTop, at.imageWidth, at.imageHeight);

    card.header = new forms::Label(parent, headerName, QLatin1String(kExampleHeader));
    Place(card.header, at.headerLeft, at.headerTop, at.headerWidth, at.headerHeight);
    card.header->SetBackColor(0xFFFFFF);
    card.header->setAlignment(Qt::AlignCenter);
    card.header->setWordWrap(false);
    // Narrower blanks, so that the letters stand over their columns.
    QFont headerFont = forms::VbFont(9.75, true);
    headerFont.setWordSpacing(-1.2);
    card.header->setFont(headerFont);

    for (int c = 1; c <= kCells; ++c) {
        auto* dot = new forms::Shape(parent, Indexed("shpExample", c - 1), kExampleDotColor);
        Place(dot, at.dotLeft[CellColumn(c) - 1], at.dotTop[CellRow(c) - 1], kExampleDotSize, kExampleDotSize);
        dot->hide();
        card.dots[c - 1] = dot;
    }

    const auto& x = at.lineX;
    const auto& y = at.lineY;
    auto line = [&](int index, int x1, int y1, int x2, int y2, uint32_t color) {
        card.lines[index] = new forms::Line(parent, Indexed("lneExample", index), x1, y1, x2, y2, color,
                                            kExampleLineWidthPx);
        card.lines[index]->hide();
    };
    for (int k = 0; k < 5; ++k) line(k, x[0], y[k], x[4], y[k], kExampleRowColor);
    for (int k = 0; k < 5; ++k) line(5 + k, x[k], y[0], x[k], y[4], kExampleColumnColor);
    line(10, x[0], y[0], x[4], y[4], kExampleDiagonalColor);
    line(11, x[0], y[4], x[4], y[0], kExampleDiagonalColor);

    const QFont numbers = CellFont(at);
    for (int c = 1; c <= kCells; ++c) {
        auto* cell = new forms::Label(parent, Indexed("lblExample", c - 1));
        Place(cell, at.cellLeft[CellColumn(c) - 1], at.cellTop[CellRow(c) - 1], kExampleCellSize,
              kExampleCellSize);
        cell->setWordWrap(false);
        cell->setAlignment(Qt::AlignCenter);
        cell->setFont(numbers);
        card.cells[c - 1] = cell;
    }
    return card;
}

QFont GameNameFont(int width) {
    QFont font = forms::VbFont(8.25, true);
    font.setStretch(QFont::SemiCondensed);
    QStringList names;
    for (const char* name : kGameKindNames) names << QLatin1String(name);
    return forms::FittingFont(font, names, width);
}

void HideExamplePattern(const std::array<forms::Line*, 12>& lines, const std::array<forms::Shape*, 24>& dots) {
    for (forms::Line* l : lines) l->hide();
    for (forms::Shape* d : dots) d->hide();
}

void ShowExamplePattern(int kind, const std::array<forms::Shape*, 24>& dots,
                        const std::array<forms::Line*, 12>& lines) {
    if (kind < RegularBingo || kind > BORailroadTracks) return;
    const ExampleRow& row = ExamplePattern(kind);
    for (int cell : row.dots) dots[cell - 1]->show();
    for (int index : row.lines) lines[index]->show();
}

namespace {

// The grid lines lie halfway between the centres of neighbouring cells; the
// outer edges lie half a step beyond the outer cells, kept inside the card.
struct Grid {
    std::array<double, 6> x;
    std::array<double, 6> y;
};

std::array<double, 6> Edges(const std::array<int, 5>& at, double offset, double low, double high) {
    std::array<double, 5> centre{};
    for (int i = 0; i < 5; ++i) centre[i] = at[i] + offset;
    std::array<double, 6> e{};
    e[0] = std::max(low, centre[0] - (centre[1] - centre[0]) / 2);
    for (int i = 1; i < 5; ++i) e[i] = (centre[i - 1] + centre[i]) / 2;
    e[5] = std::min(high, centre[4] + (centre[4] - centre[3]) / 2);
    return e;
}

Grid GridOf(const ExampleLayout& at) {
    const double margin = 45;   // twips between the outermost grid line and the card's edge
    const double belowHeader = at.headerTop - at.imageTop + at.headerHeight + 60;
    const double half = at.gridAroundCells ? kExampleCellSize / 2.0 : 0.0;
    const auto& xs = at.gridAroundCells ? at.cellLeft : at.lineX;
    const auto& ys = at.gridAroundCells ? at.cellTop : at.lineY;
    return {Edges(xs, half - at.imageLeft, margin, at.imageWidth - margin),
            Edges(ys, half - at.imageTop, belowHeader, at.imageHeight - margin)};
}

// Pixel centre of a one-pixel line near v, so thin lines stay sharp.
double Snap(double v) { return std::floor(v) + 0.5; }

}  // namespace

void BlankCard(QPainter& p, const QRectF& r, int index) {
    const ExampleLayout& at = index == kBoardExample.pictureIndex ? kBoardExample : kOptionsExample;
    const double sx = r.width() / at.imageWidth;
    const double sy = r.height() / at.imageHeight;
    const Grid g = GridOf(at);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, Qt::white);

    const QRectF box(QPointF(Snap(r.left() + g.x[0] * sx), Snap(r.top() + g.y[0] * sy)),
                     QPointF(Snap(r.left() + g.x[5] * sx), Snap(r.top() + g.y[5] * sy)));
    // The free centre, lightly shaded.
    const QRectF centre(QPointF(r.left() + g.x[2] * sx, r.top() + g.y[2] * sy),
                        QPointF(r.left() + g.x[3] * sx, r.top() + g.y[3] * sy));
    p.fillRect(centre, QColor(0xF4, 0xE4, 0xE4));

    p.setPen(QPen(QColor(0xA8, 0xA8, 0xA8), 1));
    for (int i = 1; i < 5; ++i) {
        const double x = Snap(r.left() + g.x[i] * sx);
        const double y = Snap(r.top() + g.y[i] * sy);
        p.drawLine(QPointF(x, box.top()), QPointF(x, box.bottom()));
        p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
    }
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
    p.drawRect(box);
    p.drawRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, r.height() - 1));
    p.restore();
}

}  // namespace pelloric::win
