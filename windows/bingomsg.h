// The message board: the 75 numbers with the called ones in colour, the status
// line and the example card of the game being played.
#pragma once

#include <array>

#include "windows/forms/forms.h"

namespace pelloric::win {

class Bingomsg : public forms::Form {
    Q_OBJECT
public:
    Bingomsg();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Bingomsg_lblCoverinfo_Click();
    void Bingomsg_lblQuestion_Click();
    void Bingomsg_lblExample_Change() {}

    forms::Label* lblMsg = nullptr;
    std::array<forms::Label*, 5> Label3{};
    std::array<forms::Label*, 76> lblselctedNums{};   // element 0 hidden and unused
    forms::Label* lblQuestion = nullptr;
    forms::Label* lblCoverinfo = nullptr;
    forms::Image* Image1 = nullptr;
    forms::Label* Label1 = nullptr;
    std::array<forms::Label*, 24> lblExample{};
    std::array<forms::Shape*, 24> shpExample{};
    std::array<forms::Line*, 12> lneExample{};
    forms::Label* lblexplname = nullptr;
    forms::Label* Label2 = nullptr;                    // hidden and unused

private:
    void OpenGameHelp();
    void BringMainForward();

    bool forwarding_ = false;   // while the board brings the main window forward
};

}  // namespace pelloric::win
