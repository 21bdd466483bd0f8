#include "archive/archive_file.h"
#include "archive/describe_failure.h"
#include "cli/archive_output.h"
#include "cli/commands.h"
#include "cli/glob_filter.h"
#include "cli/human_size.h"
#include "cli/interrupt_signals.h"
#include "extract/item_lookup.h"
#include "cli/progress_line.h"
#include "disk/target_folder.h"

#include <unistd.h>

namespace vorn::cli {
namespace {

// No items: every top-level folder and every file outside the folders.
std::vector<ExtractionItem> WholeArchive(const Catalogue& catalogue)
{
    std::vector<ExtractionItem> items;
    for (const auto& folder : catalogue.topFolders)
        items.push_back(ExtractionItem::Folder(*folder));
    for (const std::uint32_t index : catalogue.topFiles)
        items.push_back(ExtractionItem::File(index));
    return items;
}

}  // namespace

int RunExtract(const ExtractOptions& options)
{
    StderrReporter reporter("vorn-cli");
    const OpenedArchive opened = OpenArchive(options.archive, reporter);
    if (opened.exit != kExitOk)
        return opened.exit;
    const CArchiveFile& archive = *opened.archive;
    bool failed = ReportLoadAnomalies(archive);

    std::vector<ExtractionItem> items;
    GlobFilter glob(options.glob);
    if (options.items.empty() && !glob.Any())
        items = WholeArchive(archive.GetCatalogue());
    for (const std::string& path : options.items) {
        if (const auto item = FindItem(archive.GetCatalogue(), path)) {
            items.push_back(*item);
        } else {
            reporter.ShowMessage({"No folder or file " + path + " in " + options.archive.path, ""});
            failed = true;
        }
    }
    // What the patterns pick keeps its folders, as a whole extraction would.
    if (glob.Any()) {
        const std::vector<FileEntry>& entries = archive.Entries();
        for (std::uint32_t index = 0; index < entries.size(); ++index)
            if (glob.Matches(entries[index]))
                items.push_back(ExtractionItem::FileInPlace(index));
        failed = glob.ReportUnmatched(reporter, options.archive.path) || failed;
    }

    // A new target is made, as the user named it; what stands there is the engine's to judge.
    if (const int error = MakeTargetFolder(options.target)) {
        reporter.ShowMessage(DescribeFailure({FailureKind::FolderNotCreated, options.target, error}));
        return kExitUsage;
    }

    // Like tar, a second run into the same target completes what the first left out.
    const ExtractionOptions extraction{options.overwrite ? OverwritePolicy::Replace : OverwritePolicy::Skip,
                                       ExistingFolder::Merge, options.jobs ? options.jobs : DefaultExtractionJobs()};
    ExtractionResult result;
    int signal = 0;
    {
        const InterruptSignals interrupts;
        ProgressLine progress(!options.quiet && ::isatty(STDERR_FILENO));
        result = RunExtraction(archive, options.target, items, extraction, &progress);
        signal = InterruptSignals::Received();
    }
    ReportLeftoversRemoved(reporter, result.leftoversRemoved);
    for (const Failure& failure : result.failures)
        reporter.ShowMessage(DescribeFailure(failure));
    if (result.cancelled) {
        reporter.ShowMessage({"cancelled: " + GroupDigits(result.filesWritten) + " of " +
                                  GroupDigits(result.filesPlanned) + " files extracted; the rest was left out",
                              ""});
        return 128 + signal;
    }
    // A target that cannot be opened stops the run before it starts, like an archive that cannot.
    const std::optional<Severity> worst = WorstSeverity(result.failures);
    if (worst == Severity::RunFailed)
        return kExitUsage;
    return failed || worst ? kExitFailures : kExitOk;
}

}  // namespace vorn::cli
