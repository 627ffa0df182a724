// The example card in both windows: the dots, lines and sentence of every game
// type, the game's name in its box, where the parts lie, their colours, and
// the blank card behind them.
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QtTest>
#include <set>

#include "engine/geometry.h"
#include "tests/windows/support/harness.h"
#include "tests/windows/support/texts.h"
#include "windows/bingomsg.h"
#include "windows/bngoptions.h"
#include "windows/example_card.h"

using namespace pelloric;

namespace {

struct Expected {
    int kind;
    std::set<int> dots;    // CardCell numbers
    std::set<int> lines;   // lneExample indexes
    const char* sentence;
};

const std::set<int> kStamps = {1, 2, 6, 7, 4, 5, 9, 10, 15, 16, 20, 21, 18, 19, 23, 24};
const char* const kFrames = "To play this game you have to have Bingo on all red areas";

const std::vector<Expected>& Patterns() {
    static const std::vector<Expected> all = {
        {1, {}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
         "To Play this game you need Bingo either up and down, across, or diagnal on 1 of the examples above"},
        {2, {1, 5, 20, 24}, {}, "To play this game you have to have Bingo on all 4 corners"},
        {3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}, {},
         "To play this game you have to have Bingo on the entire board."},
        {4, kStamps, {},
         "To play this game you have to have Bingo on 1 of the postage stamp corners like the example above."},
        {5, {3, 11, 14, 22, 7, 9, 16, 18}, {},
         "To Play this game you have to have Bingo on all eight red dotted areas above in the shape of a diamond"},
        {6, {8, 12, 13, 17}, {},
         "To Play this game you have to have Bingo on all four red dotted areas above in the shape of a small "
         "diamond"},
        {7, kStamps, {10, 11},
         "To play this game you have to have Bingo on one corner and one connecting diagnal line"},
        {8, {1, 2, 3, 4, 5, 6, 10, 11, 14, 15, 19, 20, 21, 22, 23, 24}, {}, kFrames},
        {9, {7, 8, 9, 12, 13, 16, 17, 18}, {}, kFrames},
        {10, {1, 2, 3, 4, 5, 20, 21, 22, 23, 24}, {},
         "To play this game you have to have Bingo on all squares in B and O"},
        {11, {}, {},
         "To play this game you will need to get bingo from : Regular Bingo, PostageStamp, Four corners, "
         "Diamond's, and Picture Frame's"},
        {12, {}, {}, "This will radomly pick games for you to play automaticly"},
    };
    return all;
}

// Compares the shown dots and lines of a card with what a kind expects.
template <class Window>
bool Shows(const Window& w, const std::set<int>& dots, const std::set<int>& lines) {
    bool ok = true;
    for (int c = 1; c <= 24; ++c) {
        if (w.shpExample[c - 1]->isHidden() == dots.contains(c)) {
            qWarning("dot of cell %d is %s", c, w.shpExample[c - 1]->isHidden() ? "hidden" : "shown");
            ok = false;
        }
    }
    for (int i = 0; i < 12; ++i) {
        if (w.lneExample[i]->isHidden() == lines.contains(i)) {
            qWarning("line %d is %s", i, w.lneExample[i]->isHidden() ? "hidden" : "shown");
            ok = false;
        }
    }
    return ok;
}

QPoint TwipsAt(const QWidget* w) { return {forms::LeftOf(w), forms::TopOf(w)}; }
QPoint Twips(int left, int top) { return {forms::Twips(forms::Px(left)), forms::Twips(forms::Px(top))}; }

}  // namespace

class ExampleTest : public QObject {
    Q_OBJECT
private slots:
    // Each selection starts from a bare card, whatever the one before showed:
    // the kinds are walked forwards and then backwards.
    void theOptionsDialogShowsEveryKind() {
        test::Session s;
        auto& d = win::App().BngOptions();
        std::vector<Expected> walk = Patterns();
        walk.insert(walk.end(), Patterns().rbegin(), Patterns().rend());
        for (const Expected& e : walk) {
            d.Combo2->setCurrentIndex(e.kind - 1);
            QVERIFY2(Shows(d, e.dots, e.lines), qPrintable(d.Combo2->currentText()));
            QCOMPARE(d.lblInfo->Caption(), QLatin1String(e.sentence));
            QCOMPARE(d.lblexamplename->Caption(), d.Combo2->currentText());
            QCOMPARE(win::App().S.GameType, int16_t(e.kind));
            for (auto* cell : d.lblExample) QVERIFY(cell->Caption().isEmpty());
        }
        win::App().BngOptions.Unload();
    }

    // A fresh board draws the current kind's pattern; kinds without one, and
    // the 0 before any game, show a bare card.
    void theMessageBoardShowsEveryKind() {
        test::Session s;
        std::vector<Expected> kinds = Patterns();
        kinds.push_back({0, {}, {}, ""});
        for (const Expected& e : kinds) {
            win::App().S.GameType = int16_t(e.kind);
            win::App().Bingomsg.Unload();
            auto& b = win::App().Bingomsg();
            QVERIFY2(Shows(b, e.dots, e.lines), qPrintable(QString::number(e.kind)));
            for (auto* cell : b.lblExample) QVERIFY(cell->Caption().isEmpty());
        }
    }

    // Every game's name shows whole on one line in the options dialog's name
    // box, and in the board's name label as the new game writes it.
    void everyNameShowsWholeOnOneLine() {
        test::Session s;
        auto& d = win::App().BngOptions();
        auto& b = win::App().Bingomsg();
        QCOMPARE(d.Combo2->count(), int(kGameKindNames.size()));
        QVERIFY2(test::WhyNotOneLine(b.lblexplname).isEmpty(), qPrintable(test::WhyNotOneLine(b.lblexplname)));
        for (int i = 0; i < d.Combo2->count(); ++i) {
            d.Combo2->setCurrentIndex(i);
            const QString name = QLatin1String(kGameKindNames[i]);
            QCOMPARE(d.lblexamplename->text(), name);
            QVERIFY2(test::WhyNotOneLine(d.lblexamplename).isEmpty(),
                     qPrintable(test::WhyNotOneLine(d.lblexamplename)));
            win::App().ui.SetBoardGameName(win::U(name));
            QCOMPARE(b.lblexplname->text(), name);
            QVERIFY2(test::WhyNotOneLine(b.lblexplname).isEmpty(), qPrintable(test::WhyNotOneLine(b.lblexplname)));
        }
        win::App().BngOptions.Unload();
    }

    // Cells and dots by column and row in both windows, the N column skipping
    // the free centre.
    void thePartsLieAtEachWindowsOwnPositions_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QPoint>("optionsCell");
        QTest::addColumn<QPoint>("optionsDot");
        QTest::addColumn<QPoint>("boardCell");
        QTest::addColumn<QPoint>("boardDot");
        QTest::newRow("1, B top") << 1 << Twips(3000, 840) << Twips(3000, 840) << Twips(7920, 360) << Twips(7920, 360);
        QTest::newRow("10, I bottom") << 10 << Twips(3240, 2040) << Twips(3360, 2040) << Twips(8160, 1560)
                                      << Twips(8280, 1560);
        QTest::newRow("12, N row 2") << 12 << Twips(3480, 1080) << Twips(3600, 1200) << Twips(8400, 600)
                                     << Twips(8520, 720);
        QTest::newRow("13, N row 4") << 13 << Twips(3480, 1680) << Twips(3600, 1800) << Twips(8400, 1200)
                                     << Twips(8520, 1320);
        QTest::newRow("17, G middle") << 17 << Twips(3840, 1440) << Twips(3840, 1440) << Twips(8670, 960)
                                      << Twips(8760, 960);
        QTest::newRow("24, O bottom") << 24 << Twips(4080, 2040) << Twips(4200, 2040) << Twips(9000, 1560)
                                      << Twips(9120, 1560);
    }
    void thePartsLieAtEachWindowsOwnPositions() {
        QFETCH(int, cell);
        QFETCH(QPoint, optionsCell);
        QFETCH(QPoint, optionsDot);
        QFETCH(QPoint, boardCell);
        QFETCH(QPoint, boardDot);
        test::Session s;
        auto& d = win::App().BngOptions();
        auto& b = win::App().Bingomsg();
        QCOMPARE(TwipsAt(d.lblExample[cell - 1]), optionsCell);
        QCOMPARE(TwipsAt(d.shpExample[cell - 1]), optionsDot);
        QCOMPARE(TwipsAt(b.lblExample[cell - 1]), boardCell);
        QCOMPARE(TwipsAt(b.shpExample[cell - 1]), boardDot);
        QCOMPARE(d.shpExample[cell - 1]->size(), QSize(forms::Px(135), forms::Px(135)));
        QCOMPARE(b.lblExample[cell - 1]->size(), QSize(forms::Px(255), forms::Px(255)));
        win::App().BngOptions.Unload();
    }

    void theLinesAndDotsHaveTheirColours() {
        test::Session s;
        auto& d = win::App().BngOptions();
        auto& b = win::App().Bingomsg();
        for (const auto* lines : {&d.lneExample, &b.lneExample}) {
            for (int i = 0; i < 12; ++i) {
                const uint32_t want = i < 5 ? 255u : i < 10 ? 65535u : 12582912u;
                QCOMPARE((*lines)[i]->BorderColor(), want);
            }
        }
        for (auto* dot : d.shpExample) QCOMPARE(dot->FillColor(), 255u);
        for (auto* dot : b.shpExample) QCOMPARE(dot->FillColor(), 255u);
        // Row 0 runs across the top row, column 9 down the O column, line 10
        // from the top-left corner, line 11 from the bottom-left corner.
        const QRect row0 = b.lneExample[0]->geometry();
        const QRect col9 = b.lneExample[9]->geometry();
        QVERIFY(row0.contains(forms::Px(8040), forms::Px(480)) && row0.contains(forms::Px(9120), forms::Px(480)));
        QVERIFY(col9.contains(forms::Px(9120), forms::Px(480)) && col9.contains(forms::Px(9120), forms::Px(1560)));
        QCOMPARE(b.lneExample[10]->geometry(), b.lneExample[11]->geometry());
        QCOMPARE(d.Label5->Caption(), QStringLiteral(" B   I    N  G  O"));
        QCOMPARE(b.Label1->Caption(), QStringLiteral(" B   I    N  G  O"));
        QVERIFY(d.Label5->font().bold() && b.Label1->font().bold());
        win::App().BngOptions.Unload();
    }

    // The blank card is drawn sharp: at one and at two device pixels per
    // pixel it holds only its few flat colours, no blurred in-between shades.
    void theBlankCardIsSharp_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<double>("ratio");
        QTest::newRow("options, 1x") << 0 << 1.0;
        QTest::newRow("options, 2x") << 0 << 2.0;
        QTest::newRow("board, 1x") << 1 << 1.0;
        QTest::newRow("board, 2x") << 1 << 2.0;
    }
    void theBlankCardIsSharp() {
        QFETCH(int, layout);
        QFETCH(double, ratio);
        const win::ExampleLayout& at = layout == 0 ? win::kOptionsExample : win::kBoardExample;
        const QSize size(forms::Px(at.imageWidth), forms::Px(at.imageHeight));
        QImage img(size * ratio, QImage::Format_RGB32);
        img.setDevicePixelRatio(ratio);
        img.fill(Qt::black);
        {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            win::BlankCard(p, QRectF(QPointF(0, 0), QSizeF(size)), at.pictureIndex);
        }
        QSet<QRgb> colours;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) colours.insert(img.pixel(x, y));
        QVERIFY2(colours.size() <= 4, qPrintable(QString::number(colours.size())));
        QVERIFY(!colours.contains(qRgb(0, 0, 0)));   // the whole picture is covered
        // A cell's middle is white, the free centre's is not.
        const int midX = forms::Px(at.cellLeft[0] - at.imageLeft + 127);
        const int midY = forms::Px(at.cellTop[0] - at.imageTop + 127);
        QCOMPARE(img.pixel(int(midX * ratio), int(midY * ratio)), qRgb(255, 255, 255));
        const int centreX = forms::Px(at.lineX[2] - at.imageLeft);
        const int centreY = forms::Px(at.lineY[2] - at.imageTop);
        QVERIFY(img.pixel(int(centreX * ratio), int(centreY * ratio)) != qRgb(255, 255, 255));
    }
};

QTEST_MAIN(ExampleTest)
#include "tst_example.moc"
