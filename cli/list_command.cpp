#include "archive/archive_file.h"
#include "cli/commands.h"
#include "cli/output_buffer.h"

#include <nlohmann/json.hpp>

namespace vorn::cli {
namespace {

std::string Quote(std::string_view text)
{
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// A folder's path, worked out once for each run of entries in the same folder.
class FolderPathCache {
public:
    const std::string& PathOf(const FileEntry& entry)
    {
        if (!m_folder || *m_folder != entry.m_folder) {
            m_folder = entry.m_folder;
            m_path = entry.GetPath();
        }
        return m_path;
    }

private:
    std::optional<const CDirNode*> m_folder;
    std::string m_path;
};

void PrintJson(const std::string& archivePath, const OpenedArchive& opened)
{
    OutputBuffer out;
    const CArchiveFile& archive = *opened.archive;
    const Catalogue& catalogue = archive.GetCatalogue();
    out << "{\"archive\": " << Quote(archivePath) << ", \"format\": " << Quote(FormatName(archive.GetFormat()))
        << ", \"folders\": [";
    const char* separator = "";
    ForEachFolder(catalogue, [&](const CDirNode& folder) {
        out << separator << "{\"path\": " << Quote(folder.GetPath()) << ", \"name\": " << Quote(folder.m_name)
            << ", \"parent\": " << Quote(folder.m_parent ? folder.m_parent->GetPath() : "") << '}';
        separator = ", ";
    });
    out << "], \"files\": [";
    separator = "";
    FolderPathCache paths;
    for (const FileEntry& entry : catalogue.entries) {
        out << separator << "{\"path\": " << Quote(paths.PathOf(entry)) << ", \"name\": " << Quote(entry.m_name)
            << ", \"size\": " << std::uint64_t{entry.m_size} << ", \"offset\": " << std::uint64_t{entry.m_offset}
            << '}';
        separator = ", ";
    }
    out << "], \"warnings\": [";
    separator = "";
    if (!opened.problem.empty()) {
        out << Quote(opened.problem);
        separator = ", ";
    }
    for (const CatalogueAnomaly& anomaly : catalogue.anomalies) {
        out << separator << Quote(anomaly.text);
        separator = ", ";
    }
    out << "]}\n";
}

void PrintLines(const Catalogue& catalogue)
{
    OutputBuffer out;
    FolderPathCache paths;
    for (const FileEntry& entry : catalogue.entries) {
        out.Padded(entry.m_size, 10) << ' ';
        out.Padded(entry.m_offset, 10) << ' ' << paths.PathOf(entry) << '\\' << entry.m_name << '\n';
    }
}

}  // namespace

int RunList(const ListOptions& options)
{
    StderrReporter reporter("vorn-cli");
    const OpenedArchive opened = OpenArchive(options.archive, reporter);
    if (options.json)
        PrintJson(options.archive.path, opened);
    if (opened.exit != kExitOk)
        return opened.exit;
    if (!options.json)
        PrintLines(opened.archive->GetCatalogue());
    return ReportLoadAnomalies(*opened.archive) ? kExitFailures : kExitOk;
}

}  // namespace vorn::cli
