// The warning box the library shows for an error message when its caller
// asked for boxes (DsInit's conLaud).
#pragma once

#include <string>

namespace tembra {

// A modal warning with an OK button over the program's window when the
// program runs a Qt application on this thread; otherwise the title and the
// text go to stderr, since there is no window to show a box in.
void ShowWarningBox(const std::string& title, const std::string& text);

}  // namespace tembra
