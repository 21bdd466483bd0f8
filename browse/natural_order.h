#pragma once

#include <string_view>

namespace vorn {

// Orders names the way people read them: letters without regard to the case
// of A-Z, and runs of digits by their value, so "MAP2" comes before "MAP10".
// Negative, zero or positive. Names that differ only in case or in leading
// zeros compare equal; callers that need a strict order break the tie.
int NaturalCompare(std::string_view a, std::string_view b);

}  // namespace vorn
