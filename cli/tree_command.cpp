#include "archive/archive_file.h"
#include "cli/commands.h"
#include "cli/human_size.h"
#include "cli/output_buffer.h"

#include <unordered_map>

namespace vorn::cli {
namespace {

struct Totals {
    std::uint64_t files = 0;
    std::uint64_t bytes = 0;

    void Add(const Totals& other)
    {
        files += other.files;
        bytes += other.bytes;
    }
};

std::string Describe(const Totals& totals)
{
    return std::to_string(totals.files) + (totals.files == 1 ? " file, " : " files, ") + HumanSize(totals.bytes);
}

}  // namespace

int RunTree(const ArchiveArguments& arguments)
{
    StderrReporter reporter("vorn-cli");
    // Only the folders' totals are needed: the files are counted as they are
    // read rather than kept (the top level's under the null folder).
    std::unordered_map<const CDirNode*, Totals> own;
    const OpenedArchive opened = OpenArchive(arguments, reporter, [&](const FileEntry& entry) {
        Totals& totals = own[entry.m_folder];
        ++totals.files;
        totals.bytes += entry.m_size;
    });
    if (opened.exit != kExitOk)
        return opened.exit;
    const Catalogue& catalogue = opened.archive->GetCatalogue();

    std::vector<const CDirNode*> folders;
    ForEachFolder(catalogue, [&](const CDirNode& folder) { folders.push_back(&folder); });
    // Children follow their parents in pre-order, so walking backwards sums
    // every subtree before its parent needs it.
    std::unordered_map<const CDirNode*, Totals> subtree;
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
        Totals& totals = subtree[*folder];
        totals.Add(own[*folder]);
        if ((*folder)->m_parent)
            subtree[(*folder)->m_parent].Add(totals);
    }

    Totals all = own[nullptr];
    for (const auto& top : catalogue.topFolders)
        all.Add(subtree[top.get()]);

    OutputBuffer out;
    out.Escaped(opened.archive->GetFileName()) << "  " << Describe(all) << '\n';
    for (const CDirNode* folder : folders) {
        out << std::string(2 * folder->Depth(), ' ');
        out.Escaped(folder->m_name) << "\\  " << Describe(own[folder]);
        if (!folder->m_children.empty())
            out << " (" << Describe(subtree[folder]) << " with sub-folders)";
        out << '\n';
    }
    if (!out.Finish(reporter))
        return kExitFailures;
    return ReportLoadAnomalies(*opened.archive) ? kExitFailures : kExitOk;
}

}  // namespace vorn::cli
