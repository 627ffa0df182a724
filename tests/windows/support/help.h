// Helpers of the help window's tests: running a test's steps inside the modal
// help window, and what its page area shows.
#pragma once

#include <QList>
#include <functional>

#include "windows/frmhelp.h"

namespace pelloric::test {

// Runs body inside the help window once it is the active modal window, then
// closes the window by its frame unless body has closed it. Call before the
// step that opens the window; *ran tells whether body ran.
void WhenHelp(std::function<void(win::frmHelp&)> body, bool* ran);

// Opens the help window directly, as ShowGameHelp does, runs body inside it
// and closes it; false when the window never became modal.
bool InHelp(std::function<void(win::frmHelp&)> body);

// The pages whose picture is shown (not hidden) in the page area.
QList<int> ShownPictures(const win::frmHelp& help);

}  // namespace pelloric::test
