// The end-of-game dialog.
#pragma once

#include <QPushButton>

#include "windows/forms/forms.h"

namespace pelloric::win {

class frmGamestatus : public forms::Form {
    Q_OBJECT
public:
    frmGamestatus();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void frmGamestatus_cmdOK_Click();
    void frmGamestatus_cmdTryagain_Click();
    void frmGamestatus_cmdEndPlay_Click();
    void frmGamestatus_lblStatus_Change();

    forms::Label* lblStatus = nullptr;
    forms::Label* lblStatus2 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdTryagain = nullptr;
    QPushButton* cmdEndPlay = nullptr;

    bool Activated = false;
    QString LastStatus;
};

}  // namespace pelloric::win
