#include "windows/bingomsg.h"

#include "engine/example_pattern.h"
#include "windows/app.h"

namespace pelloric::win {

using forms::Indexed;
using forms::Place;

Bingomsg::Bingomsg() : Form("Bingomsg") {
    setWindowTitle(QStringLiteral("Pelloric message board"));
    QWidget* c = Client();
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    lblMsg = new forms::Label(c, QStringLiteral("lblMsg"));
    Place(lblMsg, 0, 0, 7095, 495);
    lblMsg->SetForeColor(255);
    lblMsg->setFont(forms::VbFont(9.75, true, true));

    static const char* rows[5] = {"B's", "I's", "N's", "G's", "O's"};
    for (int i = 0; i < 5; ++i) {
        Label3[i] = new forms::Label(c, Indexed("Label3", i), QLatin1String(rows[i]));
        Place(Label3[i], 240, 480 + 240 * i, 495, 255);
        Label3[i]->SetForeColor(255);
        Label3[i]->setFont(forms::VbFont(12, true));
    }
    lblselctedNums[0] = new forms::Label(c, Indexed("lblselctedNums", 0));
    lblselctedNums[0]->hide();
    for (int n = 1; n <= 75; ++n) {
        auto* l = new forms::Label(c, Indexed("lblselctedNums", n));
        const int row = (n - 1) / 15;
        const int col = (n - 1) % 15;
        Place(l, 840 + 360 * col, 480 + 240 * row, 255, 240);
        l->SetForeColor(12632256);
        l->setFont(forms::VbFont(9.75, true));
        lblselctedNums[n] = l;
    }

    Image1 = new forms::Image(c, QStringLiteral("Image1"));
    Place(Image1, 7800, 0, 1515, 1830);
    Label1 = new forms::Label(c, QStringLiteral("Label1"), QStringLiteral(" B   I    N  G  O"));
    Place(Label1, 7800, 0, 1455, 255);
    Label1->SetBackColor(0xFFFFFF);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(forms::VbFont(9.75, true));

    for (int i = 0; i < 12; ++i) {
        lneExample[i] = new forms::Line(c, Indexed("lneExample", i), 8040, 480, 9120, 480, 255, 3);
        lneExample[i]->hide();
    }
    for (int i = 0; i < 24; ++i) {
        shpExample[i] = new forms::Shape(c, Indexed("shpExample", i), 255);
        Place(shpExample[i], 7920, 360, 135, 135);
        shpExample[i]->hide();
        lblExample[i] = new forms::Label(c, Indexed("lblExample", i));
        Place(lblExample[i], 7920, 360, 255, 255);
        lblExample[i]->setFont(forms::VbFont(8.25, true));
        lblExample[i]->Change = [this] { Bingomsg_lblExample_Change(); };
    }

    lblQuestion = new forms::Label(c, QStringLiteral("lblQuestion"), QStringLiteral("?"));
    Place(lblQuestion, 7320, 0, 495, 375);
    lblQuestion->SetForeColor(0xFFFFFF);
    lblQuestion->setFont(forms::VbFont(13.5, true));
    lblQuestion->setAlignment(Qt::AlignCenter);
    lblQuestion->setCursor(forms::QuestionCursor());
    connect(lblQuestion, &forms::Label::clicked, this, [this] { Bingomsg_lblQuestion_Click(); });

    lblCoverinfo = new forms::Label(c, QStringLiteral("lblCoverinfo"));
    Place(lblCoverinfo, 7800, -120, 1575, 2175);
    lblCoverinfo->setCursor(forms::QuestionCursor());
    connect(lblCoverinfo, &forms::Label::clicked, this, [this] { Bingomsg_lblCoverinfo_Click(); });

    lblexplname = new forms::Label(c, QStringLiteral("lblexplname"), QStringLiteral("Regular bingo"));
    Place(lblexplname, 7800, 1800, 1455, 255);
    lblexplname->hide();

    SetClientSize(9525, 1965);
    SetScreenPos(1500, 60);
}

void Bingomsg::Form_Load() {
    auto& S = App().S;
    lblCoverinfo->setToolTip(QString());
    S.MsgBoardShown = 0;
    for (int i = 1; i <= 75; ++i) lblselctedNums[i]->SetCaption(QString::number(i));
    if (S.GameType >= 1 && S.GameType <= 10) {
        const ExampleRow& row = ExamplePattern(S.GameType);
        for (int cell : row.dots) shpExample[cell - 1]->show();
        for (int line : row.lines) lneExample[line]->show();
    }
}

void Bingomsg::Form_Activate() {}
void Bingomsg::Form_Resize() {}
void Bingomsg::Bingomsg_lblCoverinfo_Click() {}
void Bingomsg::Bingomsg_lblQuestion_Click() {}

}  // namespace pelloric::win
