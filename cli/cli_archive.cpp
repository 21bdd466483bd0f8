#include "cli/cli_archive.h"

#include <cstdio>

namespace vorn::cli {

OpenedArchive OpenArchive(const ArchiveArguments& arguments, MessageReporter& reporter)
{
    std::optional<ArchiveFormat> forced;
    if (arguments.format == "dir")
        forced = ArchiveFormat::Dir;
    else if (arguments.format == "pck")
        forced = ArchiveFormat::Pck;

    OpenedArchive opened;
    opened.archive = std::make_unique<CArchiveFile>(arguments.path, reporter, forced);
    if (!opened.archive->IsOpen()) {
        opened.problem = "Error opening file.";
        reporter.ShowMessage({opened.problem, arguments.path + ": " + OpenErrorText(opened.archive->GetOpenError())});
        opened.exit = kExitUsage;
    } else if (opened.archive->GetFormat() == ArchiveFormat::None) {
        opened.problem = arguments.path + " has no DIR or PCK extension; use --format dir or --format pck";
        reporter.ShowMessage({opened.problem, ""});
        opened.exit = kExitUsage;
    } else if (const std::size_t count = opened.archive->GetCatalogue().unknownRecords) {
        reporter.ShowMessage({"Unknown file type encountered.", arguments.path + ": " + std::to_string(count) +
                                                                    (count == 1 ? " record" : " records") + " skipped"});
    }
    return opened;
}

bool ReportLoadAnomalies(const CArchiveFile& archive)
{
    const Catalogue& catalogue = archive.GetCatalogue();
    for (const CatalogueAnomaly& anomaly : catalogue.anomalies)
        if (anomaly.kind != AnomalyKind::UnknownRecord)  // OpenArchive counted those
            std::fprintf(stderr, "vorn-cli: %s: %s\n", archive.GetPathName().c_str(), anomaly.text.c_str());
    if (catalogue.anomalyCount > catalogue.anomalies.size())
        std::fprintf(stderr, "vorn-cli: %s: %zu more anomalies not shown\n", archive.GetPathName().c_str(),
                     catalogue.anomalyCount - catalogue.anomalies.size());
    return catalogue.anomalyCount > 0;
}

}  // namespace vorn::cli
