#include "windows/frmhelp.h"

#include <QComboBox>
#include <QScrollBar>
#include <QtMath>

#include "engine/engine.h"
#include "engine/geometry.h"
#include "windows/app.h"
#include "windows/artwork.h"
#include "windows/bngoptions.h"
#include "windows/form1.h"
#include "windows/help_art.h"

namespace pelloric::win {

using forms::Indexed;
using forms::Place;

namespace {

// HelpCallerCode and HelpOpenedFromCode.
constexpr int16_t kCallerOptionsDialog = 6;
constexpr int16_t kOpenedFromGameWindow = 4;

// HelpPage values: -1 the introduction, 0..11 the pages.
constexpr int16_t kIntroduction = -1;
constexpr int16_t kLastPage = 11;
constexpr int16_t kRandomPickPage = 10;
constexpr int16_t kAnyBingoPage = 11;

// Colours of the contents entries.
constexpr uint32_t kEntryDesign = 4210752;              // dark grey, as created
constexpr uint32_t kEntryNormal = forms::kButtonTextColor;
constexpr uint32_t kEntryHighlight = 16711680;           // blue
constexpr uint32_t kLinkBlue = 16711680;
constexpr uint32_t kIntroductionGrey = 12632256;

// The page texts, HelpPages(0..11).
constexpr const char* kPageTexts[12] = {
    "This is Regular Bingo.  To win this game your board needs to have Bingo either horizontally in any of the "
    "rows, vertically in any of the columns, or diagonally across the board. You dont have to dot the free space "
    "in the middle of your board(s) to have Bingo, although you can.  A sample is to the left.",
    "This is Four Corners Bingo.  To win this game your board needs to have Bingo on all four corners.  A sample "
    "is to the left of the screen.",
    "This is Cover All Bingo.  To win this game your board needs to have Bingo in every square.  A sample is to "
    "the left.",
    "This is Postage Stamp Bingo.  To win this game your board needs to have Bingo in the shape of a stamp in any "
    "of the four corners.  A sample is to the left.",
    "This is Big Diamond Bingo.  To win this game your board needs to have Bingo in the shape of a diamond.  A "
    "sample is to the left.",
    "This is Small Diamond Bingo.  To win this game your board needs to have Bingo in the shape of a diamond.  A "
    "sample is to the left.",
    "This is Kite Bingo.  To win this game your board needs to have Bingo in the shape of a Kite.  You must have "
    "bingo on either one of the fours corners in the shape of a Postage Stamp and bingo diagonally connected to "
    "the postage stamp.  A sample is to the left. This sample only show's one of four ways to win this game.",
    "This is Big Picture Frame Bingo.  To win this game your board needs to have Bingo in the shape of a Picture "
    "Frame.  A sample is to the left.",
    "This is Little Picture Frame Bingo.  To win this game your board needs to have Bingo in the shape of a "
    "little Picture Frame.  A sample is to the left.",
    "This is B & O RailRoad Bingo.  To win this game your board will need to have Bingo vertically in colums B "
    "and O.  A sample is to the left.",
    "This is Random Bingo.  Randomly one of the 10 games that you can play with Pelloric will be choosen.  There "
    "is no example for this game. If you would like help on how to play the games that random will be picking "
    "from.  Click on Contents below and choose the game you would like help on.",
    "This game is Any Bingo.  To win this game you will have to have one of the following 6 patterns: Regular "
    "Bingo, Postage Stamp, Four Corners, Big and Small Diamond, or Little Picture Frame.  There is no example for "
    "this game if you would like help on how to play any of the 6 types of games click the Contents below and "
    "choose the game you would like help on.",
};

// The introduction, line by line with its blanks; "75." is padded to push
// the next paragraph onto a line of its own.
QString IntroductionText() {
    const QString crlf = QStringLiteral("\r\n");
    const QString padding(108, QLatin1Char(' '));
    static const char* const kLines[19] = {
        "     Bingo is played on a card with 5 rows and 5 columns or numbers.  ",
        "The first column is the B column and it contains 5 random numbers from ",
        "1 to 15.  The second Column is the I Column and it contains 5 randon ",
        "numbers from 16 to 30.  The third coumn is teh N column and it contains ",
        "4 random numbers from 31 to 45.  The reason the N column has only 4 ",
        "random numbers is because the middle space is considered a free ",
        "space and doesn't have a number.  The fourth coumn is the G coumn ",
        "and it contains 5 random numbers from 45 to 60. The fith and last ",
        "column is the O column and it contains 5 random numbers from 61 to ",
        "75.",
        "     To play Bingo, numbers will be selected at random and displayed on ",
        "the rolling ball.  After the number has been displayed on the rolling ball,  ",
        "it will then be displayed in on the Message board at the top of the ",
        "screen. The most recent number that has been picked is displayed in ",
        "red.  All of the previous numbers will be displayed in yellow. To check ",
        "your card for a match first find the column of the letter displayed on the ",
        "ball and then find the number in that column.  If you have a match then ",
        "click on the space that contains that number.  If you are the first person ",
        "to match the Bingo pattern that has been selected then you win. ",
    };
    QString text;
    for (int i = 0; i < 19; ++i) {
        text += QLatin1String(kLines[i]);
        if (i == 9) text += padding;
        text += crlf;
    }
    return text;
}

// The contents entries; entry i opens page i - 1.
constexpr const char* kContents[13] = {
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

// The options-help panel: the click area over each part of the options
// dialog, and the explanation each one shows; the last explanation is the
// prompt, with no area of its own.
struct Area {
    int left, top, width, height;
};
constexpr Area kAreas[6] = {
    {120, 360, 2415, 615},    // number of boards
    {120, 960, 2415, 615},    // game type
    {120, 1440, 2415, 615},   // time between balls
    {120, 1920, 2415, 615},   // number of computer players
    {0, 2760, 2415, 855},     // Start, Cancel and the web link
    {2520, 240, 1935, 3375},  // the example card
};
constexpr const char* kExplanations[7] = {
    "This area will let you choose either 1 or 2 boards to play with.",
    "This area will let you choose 1 of 12 games and display the example in the area to the right.  If you would "
    "like help on the game you select you can click the example after choosing the game.",
    "This area will let you choose how long the wait is before a new number is picked. Either 5 seconds, 10 "
    "seconds, or max of 15 seconds.",
    "This area lets you choose either 1 or a total of 6 computer players to play against you.  The more players "
    "the bigger the jackpot and the more difficult it will be.",
    "This area will let you either start the game using the opitons you have selected, cancel and not paly, or "
    "visit or website.",
    "This area displays an example of the game you about to play it may be blank if your playing a random game or "
    "All Bingo.  If you want help on the game your about to play click the example after you choose the game from "
    "the options window.",
    "Click the area that you would like hlep on.  If you would like help on how to play any of the Bingo games "
    "just click on the example after selecting the game you would like to play.",
};
constexpr int kPrompt = 6;

QWidget* Panel(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* w = new QWidget(parent);
    w->setObjectName(QLatin1String(name));
    w->setAutoFillBackground(true);
    Place(w, left, top, width, height);
    return w;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int left, int top, int width,
                    int height) {
    auto* b = new QPushButton(QLatin1String(caption), parent);
    b->setObjectName(QLatin1String(name));
    Place(b, left, top, width, height);
    return b;
}

// An opaque label: its back colour hides whatever lies beneath it.
void SetOpaque(forms::Label* label, uint32_t color) { label->SetBackColor(color); }

bool IsPage(int page) { return page >= 0 && page <= kLastPage; }

}  // namespace

// ---- TextBox ---------------------------------------------------------------------

TextBox::TextBox(QWidget* parent, const QString& name) : QPlainTextEdit(parent) {
    setObjectName(name);
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void TextBox::SetText(const QString& text) {
    text_ = text;
    // The box shows one line per CR LF.
    setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    Fit();
}

void TextBox::FitLinesToWidth(const QFont& font) {
    fitFrom_ = font;
    Fit();
}

// The viewport has its final width here, the scroll bar laid out beside it.
void TextBox::resizeEvent(QResizeEvent* e) {
    QPlainTextEdit::resizeEvent(e);
    Fit();
}

void TextBox::Fit() {
    if (!fitFrom_) return;
    const int width = viewport()->width() - qCeil(2 * document()->documentMargin());
    setFont(forms::FittingFont(*fitFrom_, text_.split(QLatin1String("\r\n")), width));
}

// ---- The window --------------------------------------------------------------------

frmHelp::frmHelp() : Form("frmHelp", forms::FormStyle::Dialog) {
    setWindowTitle(QStringLiteral("Help"));
    QWidget* c = Client();
    art::PrepareOptionsDialogPhoto();

    // The three panels in the same place, created from the bottom up: the
    // page area, the contents list over it, the options-help panel over both.
    pctinfo = Panel(c, "pctinfo", 480, 600, 5415, 3135);
    for (int i = 0; i < art::kHelpPageCount; ++i) {
        imgHelp[i] = new forms::Image(pctinfo, Indexed("imgHelp", i), art::HelpPagePicture(i));
        Place(imgHelp[i], 240, 240, 1875, 2250);
        imgHelp[i]->hide();
    }
    lblHelp = new forms::Label(pctinfo, QStringLiteral("lblHelp"));
    Place(lblHelp, 2280, 240, 3015, 2415);
    lblstart = new TextBox(pctinfo, QStringLiteral("lblstart"));
    Place(lblstart, 0, 0, 5415, 2655);
    {
        // The box and its scroll bars each take the one palette of every help
        // window (see forms::LastingPalette).
        const QPalette& pal = forms::LastingPalette({{QPalette::Base, kIntroductionGrey}, {QPalette::Text, 0}});
        lblstart->setPalette(pal);
        lblstart->verticalScrollBar()->setPalette(pal);
        lblstart->horizontalScrollBar()->setPalette(pal);
    }
    lblstart->SetText(IntroductionText());
    // The introduction's CR LFs alone break its lines: a line broken again by
    // the box would read as a long piece over a short one. The narrower face
    // keeps the fitted size readable.
    QFont introduction = forms::VbFont(8.25);
    introduction.setStretch(QFont::SemiCondensed);
    lblstart->FitLinesToWidth(introduction);
    cmdBack = Button(pctinfo, "cmdBack", "< Back", 120, 2760, 1575, 255);
    cmdBack->setEnabled(false);
    Command1 = Button(pctinfo, "Command1", "Contents", 1800, 2760, 1575, 255);
    cmdNext = Button(pctinfo, "cmdNext", "Next >", 3480, 2760, 1575, 255);

    pctContents = Panel(c, "pctContents", 120, 240, 5895, 3615);
    Label1 = new forms::Label(pctContents, QStringLiteral("Label1"), QStringLiteral("Contents"));
    Place(Label1, 240, 0, 5655, 255);
    Label1->setFont(forms::VbFont(12, true));
    Label1->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 13; ++i) {
        auto* entry = new forms::Label(pctContents, Indexed("lblcontents", i), QLatin1String(kContents[i]));
        const int left = i <= 8 ? 240 : 120;
        Place(entry, left, 240 + 240 * i, 5775 - left, 255);
        entry->setWordWrap(false);
        entry->SetForeColor(kEntryDesign);
        entry->setCursor(forms::QuestionCursor());
        entry->setMouseTracking(true);
        const auto index = int16_t(i);
        connect(entry, &forms::Label::clicked, this, [this, index] { frmHelp_lblcontents_Click(index); });
        connect(entry, &forms::Label::mouseMoved, this, [this, index] { frmHelp_lblcontents_MouseMove(index); });
        entry->SetKeyboardChoosable(true);
        lblcontents[i] = entry;
    }

    pctHelpOption = new forms::Image(c, QStringLiteral("pctHelpOption"), art::OptionsHelpPicture());
    Place(pctHelpOption, 120, 240, 5895, 3615);
    pctHelpOption->hide();
    for (int i = 0; i < 7; ++i) {
        lblopinfo[i] = new forms::Label(pctHelpOption, Indexed("lblopinfo", i), QLatin1String(kExplanations[i]));
        Place(lblopinfo[i], 4560, 0, 1335, 3495);
        SetOpaque(lblopinfo[i], 0x8000000Fu);   // the desktop's button face
        lblopinfo[i]->setFont(forms::VbFont(7.5));
        lblopinfo[i]->setMargin(1);
        lblopinfo[i]->setVisible(i == kPrompt);
    }
    // The example area of the pictured dialog: the Four Corners card, its
    // sentence and the link to its page. The click areas lie above the card
    // and the sentence; only the link lies above the areas.
    Image1 = new forms::Image(pctHelpOption, QStringLiteral("Image1"), art::ExampleCardPicture(FourCorners));
    Place(Image1, 2760, 600, 1530, 1695);
    Label2 = new forms::Label(pctHelpOption, QStringLiteral("Label2"),
                              QStringLiteral("To play this game you will need to have Bingo on all 4 corners"));
    Place(Label2, 2760, 2280, 1575, 855);
    SetOpaque(Label2, kIntroductionGrey);
    Label2->setFont(forms::VbFont(7.5, true));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    for (int i = 0; i < 6; ++i) {
        lblobject[i] = new forms::Label(pctHelpOption, Indexed("lblobject", i));
        Place(lblobject[i], kAreas[i].left, kAreas[i].top, kAreas[i].width, kAreas[i].height);
        const auto index = int16_t(i);
        connect(lblobject[i], &forms::Label::clicked, this, [this, index] { frmHelp_lblobject_Click(index); });
        lblobject[i]->SetKeyboardChoosable(true);
    }
    lblHlp = new forms::Label(pctHelpOption, QStringLiteral("lblHlp"), QStringLiteral("Help on Bingo"));
    Place(lblHlp, 2760, 3240, 1575, 255);
    SetOpaque(lblHlp, kIntroductionGrey);
    lblHlp->SetForeColor(kLinkBlue);
    lblHlp->setFont(forms::VbFont(9.75, true));
    lblHlp->setAlignment(Qt::AlignCenter);
    lblHlp->setCursor(forms::QuestionCursor());
    connect(lblHlp, &forms::Label::clicked, this, [this] { frmHelp_lblHlp_Click(); });
    lblHlp->SetKeyboardChoosable(true);

    // Window-level controls: "Cancel" under the panels, the web link along the top.
    Command2 = Button(c, "Command2", "Cancel", 120, 3840, 5895, 375);
    Command2->setFont(forms::VbFont(12, true));
    lblVisit = new forms::Label(c, QStringLiteral("lblVisit"),
                                QStringLiteral("For more software visit us at ") + QLatin1String(kWebAddress));
    Place(lblVisit, 0, 0, 6135, 255);
    lblVisit->setFont(forms::VbFont(8.25, true));
    lblVisit->setAlignment(Qt::AlignCenter);
    lblVisit->setCursor(art::LinkPointer());   // the pointer of every web link

    connect(cmdBack, &QPushButton::clicked, this, [this] { frmHelp_cmdBack_Click(); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { frmHelp_cmdNext_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { frmHelp_Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { frmHelp_Command2_Click(); });
    connect(lblVisit, &forms::Label::clicked, this, [this] { frmHelp_lblVisit_Click(); });

    SetClientSize(6120, 4275);
    SetCancelButton(Command2);
    SetScreenPos(3075, 1920);

    for (QWidget* panel : {static_cast<QWidget*>(pctHelpOption), pctContents, pctinfo})
        for (QWidget* w : panel->findChildren<QWidget*>())
            if (w->focusPolicy() != Qt::NoFocus) focusPolicies_.insert(w, w->focusPolicy());
}

// The three panels lie one over another, and the keyboard reaches only the
// one in front: a covered control that took the focus would act on keys
// nobody sees. Runs after each change of the panels shown; a panel that comes
// to the front takes the focus on its first control, so that the contents
// list opens on its first entry.
void frmHelp::KeepTheKeyboardInFront() {
    QWidget* const panels[3] = {pctHelpOption, pctContents, pctinfo};   // from the top
    QWidget* front = nullptr;
    for (QWidget* panel : panels)
        if (!front && !panel->isHidden()) front = panel;
    for (QWidget* panel : panels)
        for (QWidget* w : panel->findChildren<QWidget*>())
            if (auto it = focusPolicies_.constFind(w); it != focusPolicies_.cend())
                w->setFocusPolicy(panel == front ? *it : Qt::NoFocus);
    if (!front || front == front_) return;
    front_ = front;
    for (QWidget* w = front->nextInFocusChain(); w && w != front; w = w->nextInFocusChain()) {
        if (front->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(front)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

// Qt moves the focus off a control disabled under it through here, on down
// the tab order. From "Next >" on the last page (or "< Back" on the
// introduction) that would be "Cancel", and one press more of a key held on
// the button would close help: the other page button takes the focus instead.
bool frmHelp::focusNextPrevChild(bool next) {
    QWidget* const from = focusWidget();
    QPushButton* const other = from == cmdNext ? cmdBack : from == cmdBack ? cmdNext : nullptr;
    if (other && !from->isEnabled() && other->isEnabled()) {
        other->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return Form::focusNextPrevChild(next);
}

// Page p: its picture shown and its text in lblHelp.
void frmHelp::ShowPage(int page) {
    if (!IsPage(page)) return;
    imgHelp[page]->show();
    lblHelp->SetCaption(Q(App().S.HelpPages[page]));
}

void frmHelp::Form_Load() {
    auto& S = App().S;
    auto& main = App().Form1();
    // 1. An opener that has paused the game itself says so; otherwise a
    //    running game is paused here.
    if (S.HelpOpenedFrom != kOpenedFromGameWindow) {
        if (!S.Paused) App().E.TogglePause();
        main.bngPause->setEnabled(false);
        main.bngPlay->setEnabled(false);
    }
    S.HelpOpenedFrom = 0;
    // 2.
    if (S.HelpTopic < 0) S.HelpTopic = kIntroduction;
    // 3.
    for (int p = 0; p <= kLastPage; ++p) S.HelpPages[p] = kPageTexts[p];
    // 4. A page to open on; with the introduction the contents list stays in front.
    if (S.HelpTopic >= 0) {
        pctContents->hide();
        pctinfo->show();
        lblstart->hide();
        if (S.HelpTopic > 0) cmdBack->setEnabled(true);
        ShowPage(S.HelpTopic);
        if (S.HelpTopic == kLastPage) cmdNext->setEnabled(false);
    }
    // 5.
    if (S.HelpCaller == kCallerOptionsDialog) {
        pctHelpOption->show();
        S.HelpCaller = 0;
    }
    KeepTheKeyboardInFront();
}

void frmHelp::Form_Unload() {
    auto& S = App().S;
    auto& main = App().Form1();
    if (S.Paused) App().E.TogglePause();
    main.bngPause->setEnabled(true);
    main.bngPlay->setEnabled(true);
    main.setEnabled(true);
    main.bngPlay->setEnabled(true);
}

void frmHelp::frmHelp_cmdNext_Click() {
    auto& S = App().S;
    lblstart->hide();
    cmdBack->setEnabled(true);
    S.HelpTopic = int16_t(S.HelpTopic + 1);
    if (IsPage(S.HelpTopic)) imgHelp[S.HelpTopic]->show();
    if (S.HelpTopic != 0 && IsPage(S.HelpTopic - 1)) imgHelp[S.HelpTopic - 1]->hide();
    if (IsPage(S.HelpTopic)) lblHelp->SetCaption(Q(S.HelpPages[S.HelpTopic]));
    if (S.HelpTopic == kLastPage) cmdNext->setEnabled(false);
}

void frmHelp::frmHelp_cmdBack_Click() {
    auto& S = App().S;
    cmdNext->setEnabled(true);
    S.HelpTopic = int16_t(S.HelpTopic - 1);
    if (S.HelpTopic != kIntroduction) {
        if (IsPage(S.HelpTopic)) imgHelp[S.HelpTopic]->show();
        if (IsPage(S.HelpTopic + 1)) imgHelp[S.HelpTopic + 1]->hide();
        if (IsPage(S.HelpTopic)) lblHelp->SetCaption(Q(S.HelpPages[S.HelpTopic]));
    } else {
        lblstart->show();   // covers the page left behind
    }
    if (S.HelpTopic == kIntroduction) cmdBack->setEnabled(false);
}

void frmHelp::frmHelp_Command1_Click() {
    pctinfo->hide();
    pctContents->show();
    KeepTheKeyboardInFront();
}

void frmHelp::frmHelp_Command2_Click() {
    App().S.HelpTopic = kIntroduction;
    Unload();
}

void frmHelp::frmHelp_lblcontents_Click(int16_t Index) {
    auto& S = App().S;
    for (auto* entry : lblcontents) entry->SetForeColor(kEntryNormal);
    for (auto* picture : imgHelp) picture->hide();
    lblcontents[Index]->SetForeColor(kEntryHighlight);
    lblHelp->SetCaption(QString());
    pctContents->hide();
    S.HelpTopic = int16_t(Index - 1);
    pctinfo->show();
    if (S.HelpTopic != kIntroduction) {
        lblstart->hide();
        if (S.HelpTopic > 0) cmdBack->setEnabled(true);
        ShowPage(S.HelpTopic);
        cmdNext->setEnabled(S.HelpTopic != kLastPage);
    }
    if (S.HelpTopic == kIntroduction) {
        lblstart->show();
        cmdBack->setEnabled(false);
        cmdNext->setEnabled(true);
    }
    KeepTheKeyboardInFront();
}

void frmHelp::frmHelp_lblcontents_MouseMove(int16_t Index) {
    for (auto* entry : lblcontents) entry->SetForeColor(kEntryNormal);
    lblcontents[Index]->SetForeColor(kEntryHighlight);
}

void frmHelp::frmHelp_lblobject_Click(int16_t Index) {
    for (auto* info : lblopinfo) info->hide();
    lblopinfo[Index]->show();
}

// "Help on Bingo": this window closes and a new one opens, modally over the
// options dialog, on the page of the game selected there.
void frmHelp::frmHelp_lblHlp_Click() {
    auto& S = App().S;
    Unload();   // from here on this window is gone: only the game state is used
    const QComboBox* list = App().BngOptions().Combo2;
    const QString item = list->currentText();
    if (item == QLatin1String("Any Bingo"))
        S.HelpTopic = kAnyBingoPage;
    else if (item == QLatin1String("Random Pick"))
        S.HelpTopic = kRandomPickPage;
    else
        S.HelpTopic = int16_t(list->currentIndex());
    App().frmHelp().ShowModal();
}

void frmHelp::frmHelp_lblVisit_Click() { App().E.VisitWebSite(); }

}  // namespace pelloric::win
