#include "archive/archive_file.h"
#include "cli/commands.h"
#include "cli/item_lookup.h"
#include "cli/progress_line.h"

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
    if (options.items.empty())
        items = WholeArchive(archive.GetCatalogue());
    for (const std::string& path : options.items) {
        if (const auto item = FindItem(archive.GetCatalogue(), path)) {
            items.push_back(*item);
        } else {
            reporter.ShowMessage({"No folder or file " + path + " in " + options.archive.path, ""});
            failed = true;
        }
    }

    const ExtractionOptions extraction{FolderFailureText::CreateDirectory,
                                       options.overwrite ? OverwritePolicy::Replace : OverwritePolicy::Skip};
    ExtractionResult result;
    {
        ProgressLine progress(!options.quiet && ::isatty(STDERR_FILENO));
        result = RunExtraction(archive, options.target, items, extraction, &progress);
    }
    for (const Message& failure : result.failures)
        reporter.ShowMessage(failure);
    return failed || !result.failures.empty() ? kExitFailures : kExitOk;
}

}  // namespace vorn::cli
