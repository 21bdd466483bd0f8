#include "cli/archive_output.h"
#include "cli/commands.h"
#include "write/archive_update.h"

namespace vorn::cli {

int RunUpdate(const UpdateOptions& options)
{
    StderrReporter reporter("vorn-cli");
    const OpenedArchive opened = OpenArchive(options.archive, reporter, {}, FileRecordOffsets::Keep);
    if (opened.exit != kExitOk)
        return opened.exit;
    const CArchiveFile& archive = *opened.archive;
    // What a damaged catalogue lost or misplaced, a rewrite would lose for good.
    if (HasDamage(archive.GetCatalogue())) {
        static_cast<void>(ReportLoadAnomalies(archive));
        reporter.ShowMessage({"Will not update " + options.archive.path,
                              "its catalogue is damaged: what could not be read would be lost"});
        return kExitFailures;
    }

    std::optional<NameEncoder> names = NameEncoder::For(options.archive.encoding);
    const ArchiveFormat format = archive.GetFormat();
    UpdatedTree updated = TreeWithChanges(archive.GetCatalogue(), options.changes, format, *names);
    if (ReportWriteProblems(reporter, updated.problems))
        return kExitFailures;

    const bool inPlace = options.output.path.empty();
    OutputTarget target{inPlace ? options.archive.path : options.output.path,
                        inPlace || options.output.overwrite ? ExistingFile::Replace : ExistingFile::Keep,
                        options.backup};
    return WriteAndReport(updated.tree, *names, {archive.Descriptor(), format}, format, options.output,
                          std::move(target), reporter);
}

}  // namespace vorn::cli
