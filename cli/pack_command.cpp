#include "cli/archive_output.h"
#include "cli/commands.h"
#include "write/folder_pack.h"
#include "write/order_from.h"
#include "write/tree_from_archive.h"

namespace vorn::cli {
namespace {

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

    TreeToPack pack = PackFolder(options.folder, options.output.path, format, *names);
    if (ReportWriteProblems(reporter, pack.problems))
        return kExitFailures;
    EditTree& tree = pack.tree;

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
