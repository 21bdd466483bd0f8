#include "archive/archive_file.h"
#include "archive/catalogue_check.h"
#include "cli/commands.h"

#include <cstdio>

namespace vorn::cli {

int RunCheck(const ArchiveArguments& arguments)
{
    StderrReporter reporter("vorn-cli");
    const OpenedArchive opened = OpenArchive(arguments, reporter);
    if (opened.exit != kExitOk)
        return opened.exit;
    const Catalogue& catalogue = opened.archive->GetCatalogue();
    const std::vector<CatalogueAnomaly> anomalies = CheckCatalogue(catalogue);
    for (const CatalogueAnomaly& anomaly : anomalies)
        std::fprintf(stderr, "vorn-cli: %s: %s: %s\n", arguments.path.c_str(), AnomalyKindName(anomaly.kind),
                     anomaly.text.c_str());
    const std::size_t unlisted = catalogue.anomalyCount - catalogue.anomalies.size();
    const std::size_t total = anomalies.size() + unlisted;
    if (unlisted > 0)
        std::fprintf(stderr, "vorn-cli: %s: %zu more anomalies not shown\n", arguments.path.c_str(), unlisted);
    std::printf("%s: %zu files, %s\n", arguments.path.c_str(), catalogue.entries.size(),
                total == 0 ? "no anomalies" : (std::to_string(total) + (total == 1 ? " anomaly" : " anomalies")).c_str());
    return total == 0 ? kExitOk : kExitFailures;
}

}  // namespace vorn::cli
