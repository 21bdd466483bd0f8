#include "archive/archive_file.h"
#include "archive/entry_range.h"
#include "cli/commands.h"
#include "cli/glob_filter.h"
#include "extract/item_lookup.h"
#include "cli/output_buffer.h"

#include <unordered_set>

namespace vorn::cli {
namespace {

// The files to print in order: the items as named, then the files the
// patterns match in catalogue order, those already named left out. A folder
// or a missing item is reported and skipped; failed tells whether one was.
std::vector<std::uint32_t> FilesToPrint(const CatOptions& options, const Catalogue& catalogue,
                                        MessageReporter& reporter, bool& failed)
{
    std::vector<std::uint32_t> files;
    for (const std::string& path : options.items) {
        const auto item = FindItem(catalogue, path);
        if (!item) {
            reporter.ShowMessage({"No folder or file " + path + " in " + options.archive.path, ""});
            failed = true;
        } else if (item->kind == ExtractionItem::Kind::Folder) {
            reporter.ShowMessage({path + " is a folder; cat prints files only", ""});
            failed = true;
        } else {
            files.push_back(item->entry);
        }
    }
    GlobFilter glob(options.glob);
    if (glob.Any()) {
        const std::unordered_set<std::uint32_t> named(files.begin(), files.end());
        for (std::uint32_t index = 0; index < catalogue.entries.size(); ++index)
            if (glob.Matches(catalogue.entries[index]) && !named.contains(index))
                files.push_back(index);
        failed = glob.ReportUnmatched(reporter, options.archive.path) || failed;
    }
    return files;
}

}  // namespace

int RunCat(const CatOptions& options)
{
    StderrReporter reporter("vorn-cli");
    const OpenedArchive opened = OpenArchive(options.archive, reporter);
    if (opened.exit != kExitOk)
        return opened.exit;
    const CArchiveFile& archive = *opened.archive;
    bool failed = ReportLoadAnomalies(archive);
    const std::vector<std::uint32_t> files = FilesToPrint(options, archive.GetCatalogue(), reporter, failed);

    // Small entries gather in the output buffer; large ones pass in pieces of a MiB.
    OutputBuffer out;
    std::vector<unsigned char> piece(std::size_t{1} << 20);
    for (const std::uint32_t index : files) {
        const FileEntry& entry = archive.Entries()[index];
        const std::uint64_t stored = StoredSize(entry, archive.Source().Size());
        std::uint64_t printed = 0;
        while (printed < stored) {
            const std::size_t count = ReadEntryRange(archive.Source(), entry, printed, piece);
            if (count == 0)
                break;
            out << std::string_view(reinterpret_cast<const char*>(piece.data()), count);
            printed += count;
        }
        if (printed == entry.m_size)
            continue;
        const std::string path = entry.GetFullPath().substr(1);
        const std::string counted = std::to_string(printed) + " of " + std::to_string(entry.m_size) + " bytes printed";
        reporter.ShowMessage(printed < stored ? Message{path + ": the archive could not be read", counted}
                                              : Message{path + ": the data runs past the end of the archive", counted});
        failed = true;
    }
    if (!out.Finish(reporter))
        return kExitFailures;
    return failed ? kExitFailures : kExitOk;
}

}  // namespace vorn::cli
