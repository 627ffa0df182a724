#include "windows/bngoptions.h"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <climits>

#include "engine/example_pattern.h"
#include "engine/geometry.h"
#include "windows/app.h"
#include "windows/artwork.h"
#include "windows/bingomsg.h"
#include "windows/example_card.h"
#include "windows/form1.h"
#include "windows/frmhelp.h"

namespace pelloric::win {

using forms::Place;

namespace {

constexpr uint32_t kDialogGrey = 12632256;

// The four lists with the labels above them, in the panel Picture2.
struct ListPlace {
    const char* label;
    const char* caption;
    const char* list;
    int top;   // of the list; its label sits right above it
};
constexpr ListPlace kLists[4] = {
    {"Label2", "Number of Boards", "Combo1", 360},
    {"Label3", "Game Type", "Combo2", 960},
    {"lblSeconds", "Time Between Ball's", "cmbSeconds", 1560},
    {"Label4", "Number of Pc players", "cmbPlayers", 2160},
};
constexpr int kListLeft = 240;
constexpr int kListWidth = 2055;
constexpr int kListHeight = 315;
constexpr int kLabelHeight = 255;

constexpr const char* kPlayersTip = "More players you have the harder it is to win";
constexpr const char* kHelpTip = "Click here if you would like help on this game.";

// The dialog, its panels and each of its controls take the grey palette
// themselves rather than inherit it, so that every dialog draws with the
// palette of the first (see forms::LastingPalette).
void Grey(QWidget* w) { w->setPalette(forms::LastingPalette({{QPalette::Window, kDialogGrey}})); }

void Paint(QWidget* w) {
    Grey(w);
    w->setAutoFillBackground(true);
}

QFrame* Panel(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Paint(panel);
    Place(panel, left, top, width, height);
    return panel;
}

template <class T>
T* Control(QWidget* parent, const char* name, const QString& caption, int left, int top, int width, int height) {
    auto* w = new T(caption, parent);
    w->setObjectName(QLatin1String(name));
    Grey(w);
    Place(w, left, top, width, height);
    return w;
}

forms::Label* BoldLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* l = new forms::Label(parent, QLatin1String(name), caption);
    l->setFont(forms::VbFont(8.25, true));
    return l;
}

// The room for a closed list's entry: the style's text field, less the pixel
// that Fusion leaves on either side of the text it draws there.
int EntryRoom(const QComboBox* box) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    return box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width() -
           2;
}

}  // namespace

BngOptions::BngOptions() : Form("BngOptions", forms::FormStyle::Dialog) {
    setWindowTitle(QStringLiteral("Select your options"));
    Paint(this);
    QWidget* c = Client();

    // The network panel, built first so that the lists' panel lies over it and
    // covers it completely: only "Single play" falls inside its height.
    Picture1 = Panel(c, "Picture1", 0, 120, 2535, 255);
    Check1 = Control<forms::CheckBox>(Picture1, "Check1", QStringLiteral("Single play"), 120, 0, 2295, 255);
    Check1->setChecked(true);
    Check2 =
        Control<forms::CheckBox>(Picture1, "Check2", QStringLiteral("Multiplayer network game"), 120, 360, 2295, 255);
    Option2 = Control<QRadioButton>(Picture1, "Option2", QStringLiteral("Connect to game with IP address below"), 120,
                                    720, 2295, 255);
    Label1 = new forms::Label(Picture1, QStringLiteral("Label1"), QStringLiteral("IP Address:"));
    Place(Label1, 120, 1080, 975, 255);
    Text1 = new QLineEdit(Picture1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Grey(Text1);
    Place(Text1, 1095, 1080, 1320, 285);
    Option3 = Control<forms::OptionButton>(Picture1, "Option3", QStringLiteral("Host the game"), 120, 1440, 2295, 255);
    Check4 = Control<QCheckBox>(Picture1, "Check4", QStringLiteral("Allow Betting"), 120, 1800, 2295, 255);
    for (QWidget* w : std::initializer_list<QWidget*>{Option2, Option3, Label1, Text1, Check4}) w->setEnabled(false);
    // Covered, the panel is out of the keyboard's reach too: a covered control
    // that took the focus could be unticked by a key nobody sees.
    for (QWidget* w : Picture1->findChildren<QWidget*>()) w->setFocusPolicy(Qt::NoFocus);

    // The panel of the four lists, above the network panel.
    Picture2 = Panel(c, "Picture2", 0, 120, 2535, 2895);
    forms::Label** labels[4] = {&Label2, &Label3, &lblSeconds, &Label4};
    QComboBox** lists[4] = {&Combo1, &Combo2, &cmbSeconds, &cmbPlayers};
    for (int i = 0; i < 4; ++i) {
        const ListPlace& at = kLists[i];
        *labels[i] = BoldLabel(Picture2, at.label, QLatin1String(at.caption));
        Place(*labels[i], kListLeft, at.top - kLabelHeight, kListWidth, kLabelHeight);
        auto* box = new QComboBox(Picture2);
        box->setObjectName(QLatin1String(at.list));
        Grey(box);
        box->setEditable(false);
        Place(box, kListLeft, at.top, kListWidth, kListHeight);
        *lists[i] = box;
    }
    cmbPlayers->setToolTip(QLatin1String(kPlayersTip));
    Label4->setToolTip(QLatin1String(kPlayersTip));
    Picture2->raise();

    // Hidden and unused.
    Text2 = new QLineEdit(c);
    Text2->setObjectName(QStringLiteral("Text2"));
    Grey(Text2);
    Text2->hide();
    Text2->installEventFilter(this);
    Check3 = Control<QCheckBox>(c, "Check3", QString(), 0, 0, 1215, 255);
    Check3->hide();
    Option1 = Control<QRadioButton>(c, "Option1", QStringLiteral("Single Play"), 0, 0, 1215, 255);
    Option1->hide();

    // The web address is too long for one line under the lists: the link
    // takes the height down to the buttons, the address on a line of its own.
    lblVisit = BoldLabel(c, "lblVisit", QStringLiteral("Visit Us  ") + QLatin1String(kWebAddress));
    Place(lblVisit, 120, 3000, 2295, 360);
    lblVisit->setFont(forms::VbFont(7.5, true));
    lblVisit->setCursor(art::LinkPointer());
    // Shown with the break at the two blanks, so that the address stays whole;
    // the caption itself keeps its exact text.
    lblVisit->setText(lblVisit->Caption().replace(QStringLiteral("  "), QStringLiteral("\n")));

    Command1 = Control<QPushButton>(c, "Command1", QStringLiteral("Start"), 120, 3360, 1215, 315);
    Command2 = Control<QPushButton>(c, "Command2", QStringLiteral("Cancel"), 1440, 3360, 975, 315);
    cmdHelp = Control<QPushButton>(c, "cmdHelp", QStringLiteral("Help"), 120, 3720, 2295, 315);

    // The example card with its name and sentence, and the help area over all of it.
    lblexamplename = BoldLabel(c, "lblexamplename", QString());
    Place(lblexamplename, 2640, 120, 1935, 255);
    lblexamplename->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblexamplename->setWordWrap(false);
    lblexamplename->setFont(GameNameFont(lblexamplename->width()));
    const ExampleCard card =
        BuildExampleCard(c, kOptionsExample, QStringLiteral("Image1"), QStringLiteral("Label5"));
    Image1 = card.image;
    Label5 = card.header;
    lblExample = card.cells;
    shpExample = card.dots;
    lneExample = card.lines;
    lblInfo = BoldLabel(c, "lblInfo", QString());
    Place(lblInfo, 2760, 2400, 1695, 1695);
    lblInfo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblHelp = new forms::Label(c, QStringLiteral("lblHelp"));
    Place(lblHelp, 2640, 120, 1935, 3855);
    lblHelp->setCursor(forms::QuestionCursor());
    lblHelp->setToolTip(QLatin1String(kHelpTip));
    lblHelp->raise();

    connect(Combo2, &QComboBox::currentIndexChanged, this, [this] { BngOptions_Combo2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { BngOptions_Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { BngOptions_Command2_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { BngOptions_cmdHelp_Click(); });
    connect(lblHelp, &forms::Label::clicked, this, [this] { BngOptions_lblHelp_Click(); });
    connect(lblVisit, &forms::Label::clicked, this, [this] { BngOptions_lblVisit_Click(); });
    Check1->MouseUp = [this] { BngOptions_Check1_MouseUp(); };
    Check2->MouseUp = [this] { BngOptions_Check2_MouseUp(); };
    connect(Option2, &QAbstractButton::clicked, this, [this] { BngOptions_Option2_Click(); });
    Option3->MouseUp = [this] { BngOptions_Option3_MouseUp(); };
    connect(Check4, &QAbstractButton::clicked, this, [this] { BngOptions_Check4_Click(); });

    SetClientSize(4575, 4065);
    SetCancelButton(Command2);
    SetScreenPos(3870, 3375);
    Combo1->setFocus();
}

void BngOptions::FillLists() {
    // Filling a list selects its first item on its own; only the selections
    // of the load handler count, so the game list stays quiet here.
    const QSignalBlocker quiet(Combo2);
    Combo1->addItems({QStringLiteral("1 Board"), QStringLiteral("2 Boards")});
    for (const char* name : kGameKindNames) Combo2->addItem(QLatin1String(name));
    cmbSeconds->addItems({QStringLiteral("5 Seconds"), QStringLiteral("10 Seconds"), QStringLiteral("15 Seconds")});
    for (int i = 1; i <= 6; ++i) cmbPlayers->addItem(QStringLiteral("%1 Pc player").arg(i));

    // "B & O Railroad Tracks" is wider than a closed list in the dialog's own
    // face. The four lists share one face, the narrower one of the game names,
    // made smaller if an entry still does not fit.
    const std::initializer_list<QComboBox*> lists = {Combo1, Combo2, cmbSeconds, cmbPlayers};
    QStringList entries;
    int room = INT_MAX;
    for (QComboBox* box : lists) {
        for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
        room = qMin(room, EntryRoom(box));
    }
    QFont font = forms::VbFont(8.25);
    font.setStretch(QFont::SemiCondensed);
    font = forms::FittingFont(font, entries, room);
    for (QComboBox* box : lists) box->setFont(font);
}

void BngOptions::Form_Load() {
    FillLists();
    Combo1->setCurrentIndex(0);
    // Selecting an item from code always runs the list's click handler, also
    // when that item was already the current one.
    if (Combo2->currentIndex() == 0)
        BngOptions_Combo2_Click();
    else
        Combo2->setCurrentIndex(0);
    cmbSeconds->setCurrentIndex(0);
    cmbPlayers->setCurrentIndex(0);
}

void BngOptions::Form_Unload() { App().Form1().setEnabled(true); }

void BngOptions::BngOptions_Combo2_Click() {
    const QString name = Combo2->currentText();
    lblexamplename->SetCaption(name);                                    // 1
    lblInfo->SetCaption(QString());                                      // 2
    HideExamplePattern(lneExample, shpExample);                          // 3
    auto& S = App().S;
    S.GameType = int16_t(Combo2->currentIndex() + 1);                    // 4
    if (S.GameType >= RegularBingo && S.GameType <= BORailroadTracks) {  // 5
        lblInfo->SetCaption(QLatin1String(ExamplePattern(S.GameType).info));
        ShowExamplePattern(S.GameType, shpExample, lneExample);
    }
    if (name == QLatin1String(GameKindName(AnyBingo)))                   // 6
        lblInfo->SetCaption(QLatin1String(ExamplePattern(AnyBingo).info));
    if (name == QLatin1String(GameKindName(RandomPickKind)))
        lblInfo->SetCaption(QLatin1String(ExamplePattern(RandomPickKind).info));
}

// Start: every choice is read from the lists before the dialog closes, and
// nothing touches the dialog once it has closed, since a touch would create
// it again and its load would select the first game type.
void BngOptions::BngOptions_Command1_Click() {
    auto& S = App().S;
    auto& f = App().Form1();
    App().Bingomsg.Unload();                                             // 1
    S.RandomPick = false;                                                // 2
    S.GameName = U(Combo2->currentText());                               // 3
    S.NumPc = int16_t(cmbPlayers->currentIndex() + 1);                   // 4
    S.NumCards = int16_t(Combo1->currentIndex() + 1);                    // 5
    S.GameType = int16_t(Combo2->currentIndex() + 1);
    S.CallInterval = (cmbSeconds->currentIndex() + 1) * 5000;            // 6
    f.setWindowTitle(QStringLiteral("Pelloric"));                        // 7
    if (Combo2->currentText() == QLatin1String(GameKindName(RandomPickKind))) {   // 8
        f.setWindowTitle(QStringLiteral("Pelloric - Random Pick"));
        S.RandomPick = true;
        S.GameType = int16_t(Pick(App().platform.random->Rnd(), 1, 10));
    }
    f.SetWindowState(forms::vbNormal);                                   // 9
    if (Check1->isChecked()) App().E.NewGame(S.NumCards, S.GameType);   // 10
    const int boards = Combo1->currentIndex();
    if (boards == 0) {                                                   // 11
        f.Picture1->show();
        f.Picture2->hide();
        f.SetOuterWidth(9300);
        forms::SetWidth(f.Command1, 3735);
    } else if (boards == 1) {
        f.Picture1->show();
        f.Picture2->show();
        f.SetOuterWidth(9300);
        forms::SetWidth(f.Command1, 8895);
    }
    f.Timer1->SetEnabled(true);                                          // 12
    Unload();                                                            // 13
    App().Bingomsg().Show();                                             // 14
    f.Timer1->SetEnabled(true);                                          // 15
    f.Command1->show();                                                  // 16
    f.bngPlay->setText(QStringLiteral("&End Play"));                     // 17
    f.lblWins->show();                                                   // 18
    f.lblBalance->show();
    f.lblWins2->show();
    f.lblbalnce2->show();
    f.helpgame->setVisible(true);                                        // 19
}

void BngOptions::BngOptions_Command2_Click() { Unload(); }

void BngOptions::BngOptions_cmdHelp_Click() {
    App().S.HelpCaller = 6;
    App().frmHelp().ShowModal();
}

void BngOptions::BngOptions_lblHelp_Click() {
    auto& S = App().S;
    const QString name = Combo2->currentText();
    if (name == QLatin1String(GameKindName(AnyBingo)))
        S.HelpTopic = 11;
    else if (name == QLatin1String(GameKindName(RandomPickKind)))
        S.HelpTopic = 10;
    else
        S.HelpTopic = int16_t(Combo2->currentIndex());
    App().frmHelp().ShowModal();
}

void BngOptions::BngOptions_lblVisit_Click() { App().E.VisitWebSite(); }

void BngOptions::BngOptions_Text2_Click() { Text2->setText(Combo2->currentText()); }

void BngOptions::BngOptions_Check1_MouseUp() {
    if (!Check1->isChecked()) return;
    Check2->setChecked(false);
    Option2->setEnabled(false);
    Option3->setEnabled(false);
    Text1->setEnabled(false);
    Label1->setEnabled(false);
}

void BngOptions::BngOptions_Check2_MouseUp() {
    if (Check2->isChecked()) {
        Option2->setEnabled(true);
        Option3->setEnabled(true);
        Text1->setEnabled(true);
        Label1->setEnabled(true);
        Check1->setChecked(false);
    }
    if (!Check2->isChecked()) {
        Option2->setEnabled(false);
        Option3->setEnabled(false);
        Text1->setEnabled(false);
        Label1->setEnabled(false);
    }
}

void BngOptions::BngOptions_Option2_Click() { Check4->setEnabled(false); }

void BngOptions::BngOptions_Option3_MouseUp() {
    if (Option3->isChecked()) Check4->setEnabled(true);
}

void BngOptions::BngOptions_Check4_Click() {
    if (!Option3->isChecked()) Check4->setEnabled(false);
}

bool BngOptions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text2 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        BngOptions_Text2_Click();
    return Form::eventFilter(watched, event);
}

}  // namespace pelloric::win
