#include "windows/help_art.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <memory>

#include "engine/example_pattern.h"
#include "engine/geometry.h"
#include "windows/app.h"
#include "windows/bngoptions.h"

namespace pelloric::win::art {

namespace {

const QColor kCardFace(0xff, 0xfd, 0xf5);
const QColor kCardEdge(0x8b, 0x00, 0x00);
const QColor kGridLine(0x9e, 0x9e, 0x9e);
const QColor kRangeBand(0xf3, 0xe6, 0xe6);
const QColor kDialogGrey = forms::VbColor(12632256);

QFont PixelFont(double px, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(qMax(1, qRound(px)));
    f.setBold(bold);
    return f;
}

// The colours of the example card's lines, by lneExample index: rows red,
// columns yellow, diagonals dark blue.
uint32_t LineColor(int index) {
    if (index < 5) return 255;
    if (index < 10) return 65535;
    return 12582912;
}

// One kite: the top-left stamp with the diagonal from that corner, the free
// centre included, as the Kite Bingo page's text describes its sample.
constexpr std::array<int, 7> kOneKite = {1, 2, 6, 7, kCentre, 18, 24};

// A card: a heading band over a five by five grid, with the given dots
// (CardCell numbers, kCentre for the free centre) and lines (lneExample
// indexes) marked. With ranges, each column letter has its number range
// beneath it.
void DrawCard(QPainter& p, const QRectF& r, CardMarks marks, bool ranges) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF card = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const double edge = qMax(1.0, r.width() / 90.0);
    p.setPen(QPen(kCardEdge, edge));
    p.setBrush(kCardFace);
    p.drawRect(card);

    // The heading: the letters on a red band, the ranges on a light one.
    const double letterH = r.height() * (ranges ? 0.12 : 0.14);
    const double rangeH = ranges ? r.height() * 0.075 : 0.0;
    const double margin = r.width() * 0.035;
    const double gridLeft = r.left() + margin;
    const double gridWidth = r.width() - 2 * margin;
    const double colWidth = gridWidth / 5;
    const QRectF letterBand(card.left(), card.top(), card.width(), letterH);
    p.fillRect(letterBand, kCardEdge);
    if (ranges) p.fillRect(QRectF(card.left(), letterBand.bottom(), card.width(), rangeH), kRangeBand);
    p.setFont(PixelFont(letterH * 0.78, true));
    p.setPen(Qt::white);
    for (int col = 1; col <= 5; ++col) {
        const QRectF cell(gridLeft + (col - 1) * colWidth, letterBand.top(), colWidth, letterH);
        p.drawText(cell, Qt::AlignCenter, QString(QLatin1Char(kColumnLetter[col])));
    }
    if (ranges) {
        // The widest range must fit its column: a narrower face first, then
        // a smaller size.
        QFont font = PixelFont(rangeH * 0.8, false);
        font.setStretch(QFont::SemiCondensed);
        while (font.pixelSize() > 5 &&
               QFontMetricsF(font).horizontalAdvance(QStringLiteral("46-60")) > colWidth * 0.94)
            font.setPixelSize(font.pixelSize() - 1);
        p.setFont(font);
        p.setPen(QColor(0x40, 0x10, 0x10));
        for (int col = 1; col <= 5; ++col) {
            const QRectF cell(gridLeft + (col - 1) * colWidth, letterBand.bottom(), colWidth, rangeH);
            p.drawText(cell, Qt::AlignCenter, QStringLiteral("%1-%2").arg(ColumnLow(col)).arg(ColumnHigh(col)));
        }
    }

    // The grid.
    const double gridTop = letterBand.bottom() + rangeH + margin * 0.6;
    const double gridHeight = r.bottom() - margin - gridTop;
    const double rowHeight = gridHeight / 5;
    const QRectF grid(gridLeft, gridTop, gridWidth, gridHeight);
    p.setPen(QPen(kGridLine, qMax(1.0, r.width() / 150.0)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(grid);
    for (int k = 1; k < 5; ++k) {
        p.drawLine(QPointF(gridLeft + k * colWidth, gridTop), QPointF(gridLeft + k * colWidth, grid.bottom()));
        p.drawLine(QPointF(gridLeft, gridTop + k * rowHeight), QPointF(grid.right(), gridTop + k * rowHeight));
    }
    auto cellRect = [&](int col, int row) {
        return QRectF(gridLeft + (col - 1) * colWidth, gridTop + (row - 1) * rowHeight, colWidth, rowHeight);
    };
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.setFont(PixelFont(qMin(colWidth, rowHeight) * 0.26, true));
    p.drawText(cellRect(3, 3), Qt::AlignCenter, QStringLiteral("FREE"));

    // Lines through the cell centres, each with a darker rim so that the
    // yellow columns stand out on the light card.
    const double w = qMax(2.0, colWidth * 0.13);
    auto centre = [&](int col, int row) { return cellRect(col, row).center(); };
    for (int index : marks.lines) {
        QPointF a, b;
        if (index < 5) {
            a = centre(1, index + 1), b = centre(5, index + 1);
        } else if (index < 10) {
            a = centre(index - 4, 1), b = centre(index - 4, 5);
        } else if (index == 10) {
            a = centre(1, 1), b = centre(5, 5);
        } else {
            a = centre(1, 5), b = centre(5, 1);
        }
        const QColor color = forms::VbColor(LineColor(index));
        p.setPen(QPen(color.darker(170), w + 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
        p.setPen(QPen(color, w, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
    }
    // Red dots on the pattern's cells.
    const double d = qMin(colWidth, rowHeight) * 0.62;
    p.setPen(QPen(QColor(0x8b, 0x00, 0x00), qMax(0.8, d / 14)));
    p.setBrush(forms::VbColor(255));
    for (int cell : marks.dots) {
        const QPointF c =
            cell == kCentre ? cellRect(3, 3).center() : cellRect(CellColumn(cell), CellRow(cell)).center();
        p.drawEllipse(c, d / 2, d / 2);
    }
    p.restore();
}

// The options dialog as it opens, photographed at three times its size so
// that it stays sharp when drawn into the panel.
QImage& Photo() {
    static QImage photo;
    return photo;
}

}  // namespace

CardMarks HelpPageMarks(int page) {
    if (page < 0 || page > 9) return {};
    if (page + 1 == KiteBingo) return {kOneKite, {}};
    const ExampleRow& pattern = ExamplePattern(page + 1);
    return {pattern.dots, pattern.lines};
}

void HelpPageCard(QPainter& p, const QRectF& r, int page) { DrawCard(p, r, HelpPageMarks(page), true); }

void ExampleCard(QPainter& p, const QRectF& r, int kind) {
    CardMarks marks;
    if (kind >= 1 && kind <= 12) marks = {ExamplePattern(kind).dots, ExamplePattern(kind).lines};
    DrawCard(p, r, marks, false);
}

void PrepareOptionsDialogPhoto() {
    if (!Photo().isNull()) return;
    // The dialog is built for the photograph only: it is never loaded (its
    // load handler and its game list's handler write GameType), and none of
    // its signals reach a handler while its lists are filled. Whatever its
    // construction might touch of the game state is put back all the same.
    const auto saved = std::make_unique<GameState>(App().S);
    {
        auto dialog = std::make_unique<BngOptions>();
        dialog->blockSignals(true);
        for (QObject* child : dialog->findChildren<QObject*>()) child->blockSignals(true);
        dialog->FillLists();
        dialog->Combo1->setCurrentIndex(0);
        dialog->Combo2->setCurrentIndex(FourCorners - 1);   // the game the panel's example shows
        dialog->cmbSeconds->setCurrentIndex(0);
        dialog->cmbPlayers->setCurrentIndex(0);
        // The panel lays its own example card, sentence and link over the
        // dialog's example area; only the game's name is kept from it.
        const QString exampleName = QStringLiteral("lblexamplename");
        for (QWidget* w : dialog->findChildren<QWidget*>()) {
            if (w->objectName() != exampleName && w->mapTo(dialog.get(), QPoint(0, 0)).x() >= forms::Px(2640))
                w->hide();
        }
        if (auto* name = dialog->findChild<QLabel*>(exampleName))
            name->setText(QLatin1String(GameKindName(FourCorners)));

        constexpr qreal kScale = 3;
        QImage image(dialog->size() * kScale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(kScale);
        image.fill(kDialogGrey);
        dialog->render(&image);
        Photo() = image;
    }
    App().S = *saved;
}

const QImage& OptionsDialogPhoto() { return Photo(); }

void OptionsHelpBackground(QPainter& p, const QRectF& r, int) {
    // Panel twips: the dialog's client area is drawn from x -120 (its empty
    // left margin falls outside) to the start of the explanations, and over
    // the full height, so that its lists, its buttons and its example area
    // lie under the panel's click areas.
    constexpr double kPanelWidth = 5895;
    constexpr double kLeft = -120, kWidth = 4575;
    p.save();
    p.setClipRect(r);
    p.fillRect(r, kDialogGrey);
    const QImage& photo = Photo();
    if (!photo.isNull()) {
        const double sx = r.width() / kPanelWidth;
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(r.left() + kLeft * sx, r.top(), kWidth * sx, r.height()), photo);
    }
    p.restore();
}

}  // namespace pelloric::win::art
