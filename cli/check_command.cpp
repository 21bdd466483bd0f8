#include "archive/archive_file.h"
#include "archive/catalogue_check.h"
#include "cli/commands.h"
#include "cli/output_buffer.h"

namespace vorn::cli {

int RunCheck(const ArchiveArguments& arguments)
{
    StderrReporter reporter("vorn-cli");
    const OpenedArchive opened = OpenArchive(arguments, reporter);
    if (opened.exit != kExitOk)
        return opened.exit;
    const Catalogue& catalogue = opened.archive->GetCatalogue();
    const CatalogueFindings findings = CheckCatalogue(catalogue);
    for (const CatalogueAnomaly& anomaly : findings.anomalies)
        reporter.ShowMessage({arguments.path + ": " + AnomalyKindName(anomaly.kind) + ": " + anomaly.text, ""});
    ReportUnshownAnomalies(reporter, arguments.path, findings.count - findings.anomalies.size());

    OutputBuffer out;
    out.Escaped(arguments.path) << ": " << std::uint64_t{catalogue.entries.size()} << " files, ";
    if (findings.count == 0)
        out << "no anomalies\n";
    else
        out << std::uint64_t{findings.count} << (findings.count == 1 ? " anomaly\n" : " anomalies\n");
    if (!out.Finish(reporter))
        return kExitFailures;
    return findings.count == 0 ? kExitOk : kExitFailures;
}

}  // namespace vorn::cli
