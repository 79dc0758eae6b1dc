#pragma once

#include <string>
#include <string_view>

#include "launcher/frm_splash.h"

namespace n5::replay {

// A number in its shortest exact form: 1800, 2114.5, 10.5.
std::string FormatNumber(float value);
// A text in double quotes, with " and \ escaped by a backslash.
std::string Quote(std::string_view text);

// The state of the launcher window: the window, one line per control in the order of its
// definition, then the item descriptions.
std::string DumpState(frmSplash& form);

}  // namespace n5::replay
