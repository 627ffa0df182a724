// The options dialog "Select your options": the four lists, the example card
// of the selected game type, Start, Cancel, Help, the help and web links, and
// the network panel that the lists' panel covers.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "windows/forms/forms.h"

namespace pelloric::win {

class BngOptions : public forms::Form {
    Q_OBJECT
public:
    BngOptions();

    void Form_Load() override;
    // Fills the four lists with their items and selects nothing.
    void FillLists();
    void Form_Unload() override;
    void BngOptions_Combo2_Click();
    void BngOptions_Command1_Click();
    void BngOptions_Command2_Click();
    void BngOptions_cmdHelp_Click();
    void BngOptions_lblHelp_Click();
    void BngOptions_lblVisit_Click();
    void BngOptions_Text2_Click();

    // The network panel's handlers: they only switch one another.
    void BngOptions_Check1_MouseUp();
    void BngOptions_Check2_MouseUp();
    void BngOptions_Option2_Click();
    void BngOptions_Option3_MouseUp();
    void BngOptions_Check4_Click();

    // The lists and their panel.
    QFrame* Picture2 = nullptr;
    forms::Label* Label2 = nullptr;
    forms::Label* Label3 = nullptr;
    forms::Label* lblSeconds = nullptr;
    forms::Label* Label4 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* cmbSeconds = nullptr;
    QComboBox* cmbPlayers = nullptr;

    // The network panel beneath it.
    QFrame* Picture1 = nullptr;
    forms::CheckBox* Check1 = nullptr;
    forms::CheckBox* Check2 = nullptr;
    QRadioButton* Option2 = nullptr;
    forms::Label* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    forms::OptionButton* Option3 = nullptr;
    QCheckBox* Check4 = nullptr;

    // Hidden and unused.
    QLineEdit* Text2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QRadioButton* Option1 = nullptr;

    // Buttons and links.
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* cmdHelp = nullptr;
    forms::Label* lblVisit = nullptr;
    forms::Label* lblHelp = nullptr;

    // The example card.
    forms::Label* lblexamplename = nullptr;
    forms::Label* lblInfo = nullptr;
    forms::Label* Label5 = nullptr;
    forms::Image* Image1 = nullptr;
    std::array<forms::Label*, 24> lblExample{};
    std::array<forms::Shape*, 24> shpExample{};
    std::array<forms::Line*, 12> lneExample{};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace pelloric::win
