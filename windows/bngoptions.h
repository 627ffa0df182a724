// The options dialog "Select your options".
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QLineEdit>
#include <array>

#include "windows/forms/forms.h"

namespace pelloric::win {

class BngOptions : public forms::Form {
    Q_OBJECT
public:
    BngOptions();

    void Form_Load() override;
    void Form_Unload() override;
    void BngOptions_Combo2_Click();
    void BngOptions_Command1_Click();
    void BngOptions_Command2_Click();
    void BngOptions_cmdHelp_Click();
    void BngOptions_lblHelp_Click();
    void BngOptions_lblVisit_Click();

    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* cmbSeconds = nullptr;
    QComboBox* cmbPlayers = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* cmdHelp = nullptr;
};

}  // namespace pelloric::win
