// The help window's texts, character by character: the page texts, the
// introduction with its blanks and line ends, the contents entries, the
// options-help explanations and the window's fixed captions.
#include <QTextBlock>
#include <QtTest>

#include "engine/engine.h"
#include "tests/windows/support/harness.h"
#include "tests/windows/support/help.h"
#include "windows/app.h"

using namespace pelloric;

namespace {

// Compares two texts and names the first character where they part.
bool SameText(const QString& what, const QString& actual, const QString& expected) {
    if (actual == expected) return true;
    qsizetype i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i]) ++i;
    const qsizetype from = qMax<qsizetype>(0, i - 12);
    qWarning("%s: differs at character %lld (lengths %lld and %lld): got \"%s\", expected \"%s\"", qPrintable(what),
             static_cast<long long>(i), static_cast<long long>(actual.size()),
             static_cast<long long>(expected.size()), qPrintable(actual.mid(from, 40)),
             qPrintable(expected.mid(from, 40)));
    return false;
}

const char* const kPages[12] = {
    "This is Regular Bingo.  To win this game your board needs to have Bingo either horizontally in any of the rows, "
    "vertically in any of the columns, or diagonally across the board. You dont have to dot the free space in the "
    "middle of your board(s) to have Bingo, although you can.  A sample is to the left.",
    "This is Four Corners Bingo.  To win this game your board needs to have Bingo on all four corners.  A sample is "
    "to the left of the screen.",
    "This is Cover All Bingo.  To win this game your board needs to have Bingo in every square.  A sample is to the "
    "left.",
    "This is Postage Stamp Bingo.  To win this game your board needs to have Bingo in the shape of a stamp in any of "
    "the four corners.  A sample is to the left.",
    "This is Big Diamond Bingo.  To win this game your board needs to have Bingo in the shape of a diamond.  A sample "
    "is to the left.",
    "This is Small Diamond Bingo.  To win this game your board needs to have Bingo in the shape of a diamond.  A "
    "sample is to the left.",
    "This is Kite Bingo.  To win this game your board needs to have Bingo in the shape of a Kite.  You must have "
    "bingo on either one of the fours corners in the shape of a Postage Stamp and bingo diagonally connected to the "
    "postage stamp.  A sample is to the left. This sample only show's one of four ways to win this game.",
    "This is Big Picture Frame Bingo.  To win this game your board needs to have Bingo in the shape of a Picture "
    "Frame.  A sample is to the left.",
    "This is Little Picture Frame Bingo.  To win this game your board needs to have Bingo in the shape of a little "
    "Picture Frame.  A sample is to the left.",
    "This is B & O RailRoad Bingo.  To win this game your board will need to have Bingo vertically in colums B and "
    "O.  A sample is to the left.",
    "This is Random Bingo.  Randomly one of the 10 games that you can play with Pelloric will be choosen.  There is "
    "no example for this game. If you would like help on how to play the games that random will be picking from.  "
    "Click on Contents below and choose the game you would like help on.",
    "This game is Any Bingo.  To win this game you will have to have one of the following 6 patterns: Regular Bingo, "
    "Postage Stamp, Four Corners, Big and Small Diamond, or Little Picture Frame.  There is no example for this game "
    "if you would like help on how to play any of the 6 types of games click the Contents below and choose the game "
    "you would like help on.",
};

// The introduction's lines without their blanks, and the blanks around them.
const char* const kIntroLines[19] = {
    "Bingo is played on a card with 5 rows and 5 columns or numbers.",
    "The first column is the B column and it contains 5 random numbers from",
    "1 to 15.  The second Column is the I Column and it contains 5 randon",
    "numbers from 16 to 30.  The third coumn is teh N column and it contains",
    "4 random numbers from 31 to 45.  The reason the N column has only 4",
    "random numbers is because the middle space is considered a free",
    "space and doesn't have a number.  The fourth coumn is the G coumn",
    "and it contains 5 random numbers from 45 to 60. The fith and last",
    "column is the O column and it contains 5 random numbers from 61 to",
    "75.",
    "To play Bingo, numbers will be selected at random and displayed on",
    "the rolling ball.  After the number has been displayed on the rolling ball,",
    "it will then be displayed in on the Message board at the top of the",
    "screen. The most recent number that has been picked is displayed in",
    "red.  All of the previous numbers will be displayed in yellow. To check",
    "your card for a match first find the column of the letter displayed on the",
    "ball and then find the number in that column.  If you have a match then",
    "click on the space that contains that number.  If you are the first person",
    "to match the Bingo pattern that has been selected then you win.",
};

QString ExpectedIntroduction() {
    QString text;
    for (int line = 1; line <= 19; ++line) {
        const int before = (line == 1 || line == 11) ? 5 : 0;
        const int after = line == 10 ? 108 : (line == 1 || line == 12) ? 2 : 1;
        text += QString(before, QLatin1Char(' ')) + QLatin1String(kIntroLines[line - 1]) +
                QString(after, QLatin1Char(' ')) + QStringLiteral("\r\n");
    }
    return text;
}

const char* const kContents[13] = {
    "1) What is Bingo",
    "2) How to play Regular Bingo",
    "3) How to play Four Corners",
    "4) How to play Cover All",
    "5) How to play Postage Stamp",
    "6) How to play Big Diamond",
    "7) How to play Small Diamond ",
    "8) How to play Kite Bingo ",
    "9) How to play Big Picture Frame ",
    "10)  How to play Small Picture Frame ",
    "11)  How to play B and O Rail Road Bingo",
    "12)  How to play Random Bingo",
    "13)  How to play Any Bingo",
};

const char* const kExplanations[7] = {
    "This area will let you choose either 1 or 2 boards to play with.",
    "This area will let you choose 1 of 12 games and display the example in the area to the right.  If you would "
    "like help on the game you select you can click the example after choosing the game.",
    "This area will let you choose how long the wait is before a new number is picked. Either 5 seconds, 10 "
    "seconds, or max of 15 seconds.",
    "This area lets you choose either 1 or a total of 6 computer players to play against you.  The more players the "
    "bigger the jackpot and the more difficult it will be.",
    "This area will let you either start the game using the opitons you have selected, cancel and not paly, or "
    "visit or website.",
    "This area displays an example of the game you about to play it may be blank if your playing a random game or "
    "All Bingo.  If you want help on the game your about to play click the example after you choose the game from "
    "the options window.",
    "Click the area that you would like hlep on.  If you would like help on how to play any of the Bingo games just "
    "click on the example after selecting the game you would like to play.",
};

}  // namespace

class HelpTextsTest : public QObject {
    Q_OBJECT
private slots:
    // HelpPages is written afresh at each opening, and each contents entry
    // shows its page's text.
    void pageTexts() {
        test::Session s;
        auto& S = win::App().S;
        S.HelpPages[4] = "left over";
        QVERIFY(test::InHelp([&](win::frmHelp& h) {
            for (int p = 0; p < 12; ++p)
                QVERIFY(SameText(QStringLiteral("HelpPages(%1)").arg(p), win::Q(S.HelpPages[p]),
                                 QLatin1String(kPages[p])));
            for (int p = 0; p < 12; ++p) {
                h.frmHelp_Command1_Click();
                h.frmHelp_lblcontents_Click(int16_t(p + 1));
                QVERIFY(SameText(QStringLiteral("lblHelp on page %1").arg(p), h.lblHelp->Caption(),
                                 QLatin1String(kPages[p])));
            }
        }));
    }

    void introductionWithItsBlanksAndLineEnds() {
        test::Session s;
        QVERIFY(test::InHelp([](win::frmHelp& h) {
            const QString expected = ExpectedIntroduction();
            QCOMPARE(expected.count(QStringLiteral("\r\n")), 19);
            QVERIFY(SameText(QStringLiteral("lblstart"), h.lblstart->Text(), expected));
            // Shown one line per CR LF, blanks kept.
            QVERIFY(SameText(QStringLiteral("lblstart as shown"), h.lblstart->toPlainText(),
                             QString(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
        }));
    }

    // Each line of the introduction shows on one line of its box, in the
    // DejaVu font the game pins: the box breaks none of them, nor do the 108
    // blanks after "75." start a line of their own.
    void introductionLinesAreNotBrokenByTheBox() {
        test::Session s;
        QVERIFY(test::InHelp([](win::frmHelp& h) {
            h.frmHelp_lblcontents_Click(0);
            QCoreApplication::processEvents();
            QVERIFY(h.lblstart->isVisible());
            QCOMPARE(QFontInfo(h.lblstart->font()).family(), QStringLiteral("DejaVu Sans"));
            QTextDocument* doc = h.lblstart->document();
            QCOMPARE(doc->blockCount(), 20);   // the 19 lines and the empty one after the last CR LF
            for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
                doc->documentLayout()->blockBoundingRect(block);   // lays the block out
                QVERIFY2(block.layout()->lineCount() == 1,
                         qPrintable(QStringLiteral("line %1 takes %2 lines of the box: \"%3\"")
                                        .arg(block.blockNumber() + 1)
                                        .arg(block.layout()->lineCount())
                                        .arg(block.text().trimmed())));
            }
        }));
    }

    void captionsOfTheWindow() {
        test::Session s;
        QVERIFY(test::InHelp([](win::frmHelp& h) {
            QCOMPARE(h.windowTitle(), QStringLiteral("Help"));
            for (int i = 0; i < 13; ++i)
                QVERIFY(SameText(QStringLiteral("lblcontents(%1)").arg(i), h.lblcontents[i]->Caption(),
                                 QLatin1String(kContents[i])));
            for (int i = 0; i < 7; ++i)
                QVERIFY(SameText(QStringLiteral("lblopinfo(%1)").arg(i), h.lblopinfo[i]->Caption(),
                                 QLatin1String(kExplanations[i])));
            const QList<std::pair<QString, QString>> fixed = {
                {h.Label1->Caption(), QStringLiteral("Contents")},
                {h.Label2->Caption(), QStringLiteral("To play this game you will need to have Bingo on all 4 corners")},
                {h.lblHlp->Caption(), QStringLiteral("Help on Bingo")},
                {h.lblVisit->Caption(), QStringLiteral("For more software visit us at ") + QLatin1String(kWebAddress)},
                {h.Command2->text(), QStringLiteral("Cancel")},
                {h.cmdBack->text(), QStringLiteral("< Back")},
                {h.Command1->text(), QStringLiteral("Contents")},
                {h.cmdNext->text(), QStringLiteral("Next >")},
            };
            for (const auto& [actual, expected] : fixed) QVERIFY(SameText(expected, actual, expected));
            QVERIFY(h.lblHelp->Caption().isEmpty());   // empty until a page is shown
        }));
    }
};

QTEST_MAIN(HelpTextsTest)
#include "tst_help_texts.moc"
