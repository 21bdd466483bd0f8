#include "archive/archive_file.h"
#include "cli/commands.h"
#include "cli/entry_pipe.h"
#include "cli/json_text.h"
#include "cli/output_buffer.h"
#include "framework/escape_controls.h"

namespace vorn::cli {
namespace {

enum class PathText { Exact, Escaped };

// A folder's path, worked out once for each run of entries in the same folder.
class FolderPathCache {
public:
    explicit FolderPathCache(PathText text) : m_text(text) {}

    const std::string& PathOf(const FileEntry& entry)
    {
        if (!m_folder || *m_folder != entry.m_folder) {
            m_folder = entry.m_folder;
            m_path = m_text == PathText::Escaped ? EscapeControls(entry.GetPath()) : entry.GetPath();
        }
        return m_path;
    }

private:
    PathText m_text;
    std::optional<const CDirNode*> m_folder;
    std::string m_path;
};

void PrintJson(OutputBuffer& out, const std::string& archivePath, const OpenedArchive& opened)
{
    const CArchiveFile& archive = *opened.archive;
    const Catalogue& catalogue = archive.GetCatalogue();
    out << "{\"archive\": " << JsonQuote(archivePath) << ", \"format\": " << JsonQuote(FormatName(archive.GetFormat()))
        << ", \"folders\": [";
    const char* separator = "";
    ForEachFolder(catalogue, [&](const CDirNode& folder) {
        out << separator << "{\"path\": " << JsonQuote(folder.GetPath()) << ", \"name\": " << JsonQuote(folder.m_name)
            << ", \"parent\": " << JsonQuote(folder.m_parent ? folder.m_parent->GetPath() : "") << '}';
        separator = ", ";
    });
    out << "], \"files\": [";
    separator = "";
    FolderPathCache paths(PathText::Exact);
    for (const FileEntry& entry : catalogue.entries) {
        out << separator << "{\"path\": " << JsonQuote(paths.PathOf(entry)) << ", \"name\": " << JsonQuote(entry.m_name)
            << ", \"size\": " << std::uint64_t{entry.m_size} << ", \"offset\": " << std::uint64_t{entry.m_offset}
            << '}';
        separator = ", ";
    }
    out << "], \"warnings\": [";
    if (!opened.problem.empty())
        out << JsonQuote(opened.problem);
    out << "], \"findings\": [";
    separator = "";
    for (const CatalogueAnomaly& anomaly : catalogue.anomalies) {
        out << separator << FindingJson(anomaly);
        separator = ", ";
    }
    out << "]}\n";
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
    OpenedArchive opened;
    if (options.json) {
        opened = OpenArchive(options.archive, reporter);
        PrintJson(out, options.archive.path, opened);
    } else {
        // Lines are printed as the catalogue is read, on a second thread: a
        // listing has no use for the file list itself, and a million entries
        // are slow to build.
        FolderPathCache paths(PathText::Escaped);
        EntryPipe lines([&](const FileEntry& entry) { PrintLine(out, paths, entry); });
        opened = OpenArchive(options.archive, reporter, [&](const FileEntry& entry) { lines.Push(entry); });
        lines.Close();
    }
    const bool written = out.Finish(reporter);
    if (opened.exit != kExitOk)
        return opened.exit;
    if (!written)
        return kExitFailures;
    return ReportLoadAnomalies(*opened.archive) ? kExitFailures : kExitOk;
}

}  // namespace vorn::cli
