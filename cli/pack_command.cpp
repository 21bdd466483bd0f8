#include "cli/archive_output.h"
#include "cli/commands.h"
#include "write/folder_scan.h"
#include "write/name_rules.h"
#include "write/order_from.h"
#include "write/tree_from_archive.h"

#include <filesystem>

namespace vorn::cli {
namespace {

// Whether the output path lies in the folder or below it, where a pack would
// take in what it writes.
bool IsInside(const std::string& output, const std::string& folder)
{
    std::error_code error;
    const auto base = std::filesystem::weakly_canonical(folder, error);
    const auto target = std::filesystem::weakly_canonical(std::filesystem::absolute(output, error), error);
    if (error)
        return false;
    const auto [baseEnd, targetAt] = std::mismatch(base.begin(), base.end(), target.begin(), target.end());
    return baseEnd == base.end();
}

ArchiveFormat ChosenFormat(const std::string& format, const std::string& output, ArchiveFormat fallback)
{
    if (format == "dir")
        return ArchiveFormat::Dir;
    if (format == "pck")
        return ArchiveFormat::Pck;
    const ArchiveFormat fromPath = FormatFromPath(output);
    return fromPath != ArchiveFormat::None ? fromPath : fallback;
}

}  // namespace

int RunPack(const PackOptions& options)
{
    StderrReporter reporter("vorn-cli");
    std::optional<NameEncoder> names = NameEncoder::For(options.encoding);
    if (!names) {
        reporter.ShowMessage({"Unknown name encoding " + options.encoding + ".", ""});
        return kExitUsage;
    }
    // The archive whose order is kept lends its format too, unless one is named.
    OpenedArchive model;
    if (!options.orderFrom.empty()) {
        model = OpenArchive({options.orderFrom, "", options.encoding}, reporter);
        if (model.exit != kExitOk)
            return model.exit;
    }
    const ArchiveFormat format = ChosenFormat(options.format, options.output.path,
                                              model.archive ? model.archive->GetFormat() : ArchiveFormat::None);
    if (format == ArchiveFormat::None) {
        reporter.ShowMessage(
            {options.output.path + " has no DIR or PCK extension; use --format dir or --format pck", ""});
        return kExitUsage;
    }

    ScannedFolder scanned = ScanFolder(options.folder, LimitsOf(format).folderDepth);
    WriteProblems problems = std::move(scanned.problems);
    if (IsInside(options.output.path, options.folder))
        problems.push_back({WriteProblemKind::OutputInsideFolder, options.output.path});
    EditTree tree;
    tree.top = std::move(scanned.folder);
    tree.top.name.clear();
    WriteProblems refused = CheckNames(tree.top, format, *names, ChildOrder::Canonical);
    problems.insert(problems.end(), refused.begin(), refused.end());
    if (ReportWriteProblems(reporter, problems))
        return kExitFailures;

    if (model.archive) {
        const EditTree order = EditTreeOf(model.archive->GetCatalogue());
        for (const std::string& path : OrderAsArchive(tree.top, order.top))
            reporter.ShowMessage(
                {"Left out " + path, "it is in " + options.orderFrom + " but not in " + options.folder});
    }
    const OutputTarget target{options.output.path,
                              options.output.overwrite ? ExistingFile::Replace : ExistingFile::Keep};
    return WriteAndReport(tree, *names, {}, format, options.output, target, reporter);
}

}  // namespace vorn::cli
