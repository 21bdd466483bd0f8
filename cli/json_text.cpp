#include "cli/json_text.h"

#include "archive/describe_finding.h"
#include "framework/escape_controls.h"

#include <nlohmann/json.hpp>

namespace vorn::cli {

std::string JsonQuote(std::string_view text)
{
    return EscapeControls(nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

std::string FindingJson(const CatalogueAnomaly& finding)
{
    return std::string("{\"kind\": \"") + AnomalyKindName(finding.kind) + "\", \"severity\": \"" +
           SeverityName(SeverityOf(finding.kind)) +
           "\", \"path\": " + (finding.path.empty() ? "null" : JsonQuote(finding.path)) +
           ", \"offset\": " + (finding.offset ? std::to_string(*finding.offset) : "null") +
           ", \"message\": " + JsonQuote(DescribeFinding(finding)) + '}';
}

}  // namespace vorn::cli
