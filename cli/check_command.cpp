#include "archive/archive_file.h"
#include "archive/catalogue_check.h"
#include "archive/describe_finding.h"
#include "cli/commands.h"
#include "cli/json_text.h"
#include "cli/output_buffer.h"

namespace vorn::cli {
namespace {

// {"archive": ..., "files": N, "findings": [...], "unlisted": N}
void PrintJson(OutputBuffer& out, const std::string& archivePath, std::size_t files, const CatalogueFindings& findings)
{
    out << "{\"archive\": " << JsonQuote(archivePath) << ", \"files\": " << std::uint64_t{files}
        << ", \"findings\": [";
    const char* separator = "";
    for (const CatalogueAnomaly& anomaly : findings.anomalies) {
        out << separator << FindingJson(anomaly);
        separator = ", ";
    }
    out << "], \"unlisted\": " << std::uint64_t{findings.count - findings.anomalies.size()} << "}\n";
}

// "no anomalies", "3 anomalies", then ", 1 note" when there are notes.
void PrintSummary(OutputBuffer& out, const std::string& archivePath, std::size_t files, std::size_t anomalies,
                  std::size_t notes)
{
    out.Escaped(archivePath) << ": " << std::uint64_t{files} << " files, ";
    if (anomalies == 0)
        out << "no anomalies";
    else
        out << std::uint64_t{anomalies} << (anomalies == 1 ? " anomaly" : " anomalies");
    if (notes > 0)
        out << ", " << std::uint64_t{notes} << (notes == 1 ? " note" : " notes");
    out << '\n';
}

// Reads the catalogue again for the names of a few of its files: the check
// keeps no names of its own.
EntryNames NamesReadAgain(const CArchiveFile& archive, const std::string& encoding)
{
    return [&archive, encoding](std::span<const std::uint32_t> indices) {
        std::vector<std::string> names;
        names.reserve(indices.size());
        std::uint32_t index = 0;
        const FileSink pick = [&](const FileEntry& entry) {
            if (names.size() < indices.size() && indices[names.size()] == index)
                names.push_back(entry.m_name);
            ++index;
        };
        (void)LoadCatalogue(archive.Source(), archive.GetFormat(), *NameDecoder::For(encoding), pick);
        names.resize(indices.size());  // a file changed meanwhile holds fewer
        return names;
    };
}

}  // namespace

int RunCheck(const CheckOptions& options)
{
    const std::string& path = options.archive.path;
    StderrReporter reporter("vorn-cli");
    CatalogueChecker checker;
    const OpenedArchive opened =
        OpenArchive(options.archive, reporter, [&](const FileEntry& entry) { checker.Add(entry); });
    if (opened.exit != kExitOk)
        return opened.exit;
    const CatalogueFindings findings =
        checker.Finish(opened.archive->GetCatalogue(), NamesReadAgain(*opened.archive, options.archive.encoding));
    const std::size_t notes = CountNotes(findings.anomalies);

    OutputBuffer out;
    if (options.json) {
        PrintJson(out, path, checker.FileCount(), findings);
    } else {
        for (const CatalogueAnomaly& anomaly : findings.anomalies)
            reporter.ShowMessage({path + ": " + AnomalyKindName(anomaly.kind) + ": " + DescribeFinding(anomaly), ""});
        ReportUnshownAnomalies(reporter, path, findings.count - findings.anomalies.size());
        PrintSummary(out, path, checker.FileCount(), findings.count - notes, notes);
    }
    if (!out.Finish(reporter))
        return kExitFailures;
    return findings.count == notes ? kExitOk : kExitFailures;
}

}  // namespace vorn::cli
