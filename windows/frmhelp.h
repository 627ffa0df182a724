// The help window.
#pragma once

#include "windows/forms/forms.h"

namespace pelloric::win {

class frmHelp : public forms::Form {
    Q_OBJECT
public:
    frmHelp();

    void Form_Load() override;
    void Form_Unload() override;
};

}  // namespace pelloric::win
