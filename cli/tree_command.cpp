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

Totals OwnFiles(const Catalogue& catalogue, const CDirNode* folder)
{
    Totals totals;
    for (const std::uint32_t index : catalogue.FilesOf(folder)) {
        ++totals.files;
        totals.bytes += catalogue.entries[index].m_size;
    }
    return totals;
}

}  // namespace

int RunTree(const ArchiveArguments& arguments)
{
    StderrReporter reporter("vorn-cli");
    const OpenedArchive opened = OpenArchive(arguments, reporter);
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
        totals.Add(OwnFiles(catalogue, *folder));
        if ((*folder)->m_parent)
            subtree[(*folder)->m_parent].Add(totals);
    }

    Totals all = OwnFiles(catalogue, nullptr);
    for (const auto& top : catalogue.topFolders)
        all.Add(subtree[top.get()]);

    OutputBuffer out;
    out.Escaped(opened.archive->GetFileName()) << "  " << Describe(all) << '\n';
    for (const CDirNode* folder : folders) {
        const Totals own = OwnFiles(catalogue, folder);
        out << std::string(2 * folder->Depth(), ' ');
        out.Escaped(folder->m_name) << "\\  " << Describe(own);
        if (!folder->m_children.empty())
            out << " (" << Describe(subtree[folder]) << " with sub-folders)";
        out << '\n';
    }
    if (!out.Finish(reporter))
        return kExitFailures;
    return ReportLoadAnomalies(*opened.archive) ? kExitFailures : kExitOk;
}

}  // namespace vorn::cli
