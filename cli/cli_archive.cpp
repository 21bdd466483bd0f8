#include "cli/cli_archive.h"

#include "archive/describe_finding.h"

namespace vorn::cli {

OpenedArchive OpenArchive(const ArchiveArguments& arguments, MessageReporter& reporter, const FileSink& sink,
                          FileRecordOffsets offsets)
{
    std::optional<ArchiveFormat> forced;
    if (arguments.format == "dir")
        forced = ArchiveFormat::Dir;
    else if (arguments.format == "pck")
        forced = ArchiveFormat::Pck;

    OpenedArchive opened;
    std::optional<NameDecoder> names = NameDecoder::For(arguments.encoding);
    if (!names) {
        opened.problem = "Unknown name encoding " + arguments.encoding + ".";
        reporter.ShowMessage({opened.problem, ""});
        opened.exit = kExitUsage;
        return opened;
    }
    opened.archive = std::make_unique<CArchiveFile>(arguments.path, reporter, forced, std::move(*names), sink, offsets);
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
    StderrReporter reporter("vorn-cli");
    const Catalogue& catalogue = archive.GetCatalogue();
    const std::string& path = archive.GetPathName();
    for (const CatalogueAnomaly& anomaly : catalogue.anomalies) {
        // OpenArchive counted the unknown records; notes are left to check.
        if (anomaly.kind != AnomalyKind::UnknownRecord && SeverityOf(anomaly.kind) != FindingSeverity::Note)
            reporter.ShowMessage({path + ": " + DescribeFinding(anomaly), ""});
    }
    ReportUnshownAnomalies(reporter, path, catalogue.anomalyCount - catalogue.anomalies.size());
    return catalogue.anomalyCount > CountNotes(catalogue.anomalies);
}

void ReportUnshownAnomalies(MessageReporter& reporter, const std::string& path, std::size_t count)
{
    if (count > 0)
        reporter.ShowMessage({path + ": " + std::to_string(count) + " more anomalies not shown", ""});
}

}  // namespace vorn::cli
