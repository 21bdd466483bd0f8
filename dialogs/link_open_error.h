#pragma once

#include <string>

namespace vorn {

// Result code for a link that no application would open: the one failure
// QDesktopServices::openUrl can tell us about.
inline constexpr int kLinkNoAssociation = 31;

// The explanation shown for a link that could not be opened, by result code.
std::string LinkOpenErrorText(int code);

}  // namespace vorn
