#include "windows/frmhelp.h"

#include "windows/app.h"

namespace pelloric::win {

frmHelp::frmHelp() : Form("frmHelp") {
    setWindowTitle(QStringLiteral("Help"));
    SetClientSize(6120, 4275);
    SetScreenPos(3075, 1920);
}

void frmHelp::Form_Load() {}
void frmHelp::Form_Unload() {}

}  // namespace pelloric::win
