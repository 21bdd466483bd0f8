#include "archive/archive_file.h"
#include "cli/commands.h"
#include "cli/folder_path_cache.h"
#include "cli/glob_filter.h"
#include "cli/json_text.h"
#include "cli/output_buffer.h"
#include "framework/escape_controls.h"

#include <utility>

namespace vorn::cli {
namespace {

// What follows the files in the JSON object: the folders, known only once the
// whole catalogue is read, and what the load found. archive is null when the
// file was never opened.
void PrintJsonRest(OutputBuffer& out, const OpenedArchive& opened)
{
    const CArchiveFile* archive = opened.archive.get();
    out << "], \"format\": " << JsonQuote(FormatName(archive ? archive->GetFormat() : ArchiveFormat::None))
        << ", \"folders\": [";
    const char* separator = "";
    if (archive) {
        ForEachFolder(archive->GetCatalogue(), [&](const CDirNode& folder) {
            out << separator << "{\"path\": " << JsonQuote(folder.GetPath()) << ", \"name\": " << JsonQuote(folder.m_name)
                << ", \"parent\": " << JsonQuote(folder.m_parent ? folder.m_parent->GetPath() : "") << '}';
            separator = ", ";
        });
    }
    out << "], \"warnings\": [";
    if (!opened.problem.empty())
        out << JsonQuote(opened.problem);
    out << "], \"findings\": [";
    separator = "";
    if (archive) {
        for (const CatalogueAnomaly& anomaly : archive->GetCatalogue().anomalies) {
            out << separator << FindingJson(anomaly);
            separator = ", ";
        }
    }
    out << "]}\n";
}

void PrintFileJson(OutputBuffer& out, FolderPathCache& paths, const FileEntry& entry, const char* separator)
{
    out << separator << "{\"path\": " << JsonQuote(paths.PathOf(entry)) << ", \"name\": " << JsonQuote(entry.m_name)
        << ", \"size\": " << std::uint64_t{entry.m_size} << ", \"offset\": " << std::uint64_t{entry.m_offset} << '}';
}

void PrintLine(OutputBuffer& out, FolderPathCache& paths, const FileEntry& entry)
{
    out.Padded(entry.m_size, 10) << ' ';
    out.Padded(entry.m_offset, 10) << ' ' << paths.PathOf(entry) << '\\';
    out.Escaped(entry.m_name) << '\n';
}

}  // namespace

int RunList(const ListOptions& options)
{
    StderrReporter reporter("vorn-cli");
    OutputBuffer out;
    // Files are printed as the catalogue is read: a listing has no use for the
    // file list itself, and a million entries are slow to build and costly to
    // hold. The JSON object therefore names its files before the folders, which
    // are known only at the end. One thread does it all: handing entries to a
    // second one cost more than it gained, and made runs twice as slow when the
    // other core was busy.
    FolderPathCache paths(options.json ? PathText::Exact : PathText::Escaped);
    GlobFilter glob(options.glob);
    const char* separator = "";
    if (options.json)
        out << "{\"archive\": " << JsonQuote(options.archive.path) << ", \"files\": [";
    const FileSink print = [&](const FileEntry& entry) {
        if (glob.Any() && !glob.Matches(entry))
            return;
        if (options.json)
            PrintFileJson(out, paths, entry, std::exchange(separator, ", "));
        else
            PrintLine(out, paths, entry);
    };
    const OpenedArchive opened = OpenArchive(options.archive, reporter, print);
    if (options.json)
        PrintJsonRest(out, opened);
    const bool written = out.Finish(reporter);
    if (opened.exit != kExitOk)
        return opened.exit;
    if (!written)
        return kExitFailures;
    const bool unmatched = glob.ReportUnmatched(reporter, options.archive.path);
    return ReportLoadAnomalies(*opened.archive) || unmatched ? kExitFailures : kExitOk;
}

}  // namespace vorn::cli
