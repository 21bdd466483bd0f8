#include "cli/archive_output.h"
#include "cli/commands.h"
#include "write/name_rules.h"
#include "write/tree_from_archive.h"

#include <algorithm>

namespace vorn::cli {

int RunUpdate(const UpdateOptions& options)
{
    StderrReporter reporter("vorn-cli");
    const OpenedArchive opened = OpenArchive(options.archive, reporter, {}, FileRecordOffsets::Keep);
    if (opened.exit != kExitOk)
        return opened.exit;
    const CArchiveFile& archive = *opened.archive;
    // What a damaged catalogue lost or misplaced, a rewrite would lose for good.
    const auto& findings = archive.GetCatalogue().anomalies;
    if (std::any_of(findings.begin(), findings.end(), [](const CatalogueAnomaly& finding) {
            return SeverityOf(finding.kind) == FindingSeverity::Damage;
        })) {
        static_cast<void>(ReportLoadAnomalies(archive));
        reporter.ShowMessage({"Will not update " + options.archive.path,
                              "its catalogue is damaged: what could not be read would be lost"});
        return kExitFailures;
    }

    EditTree tree = EditTreeOf(archive.GetCatalogue());
    WriteProblems problems;
    for (const TreeChange& change : options.changes) {
        WriteProblems found = ApplyChange(tree, change);
        problems.insert(problems.end(), found.begin(), found.end());
    }
    std::optional<NameEncoder> names = NameEncoder::For(options.archive.encoding);
    const ArchiveFormat format = archive.GetFormat();
    WriteProblems refused = CheckNames(tree.top, format, *names, ChildOrder::Keep);
    problems.insert(problems.end(), refused.begin(), refused.end());
    if (ReportWriteProblems(reporter, problems))
        return kExitFailures;

    const bool inPlace = options.output.path.empty();
    OutputTarget target{inPlace ? options.archive.path : options.output.path,
                        inPlace || options.output.overwrite ? ExistingFile::Replace : ExistingFile::Keep,
                        options.backup};
    return WriteAndReport(tree, *names, {archive.Descriptor(), format}, format, options.output, std::move(target),
                          reporter);
}

}  // namespace vorn::cli
