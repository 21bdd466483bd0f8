#pragma once

#include "archive/catalogue_finding.h"

#include <string>
#include <string_view>

namespace vorn::cli {

// A JSON string of text. JSON escapes C0 controls; DEL and C1 controls are
// escaped too, so that the output cannot drive a terminal either.
std::string JsonQuote(std::string_view text);

// {"kind": ..., "severity": ..., "path": ..., "offset": ..., "message": ...}:
// path and offset are null where the finding names none.
std::string FindingJson(const CatalogueAnomaly& finding);

}  // namespace vorn::cli
