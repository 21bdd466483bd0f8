#include "write/folder_pack.h"

#include "write/folder_scan.h"
#include "write/name_rules.h"

#include <algorithm>
#include <filesystem>

namespace vorn {
namespace {

// Whether the output path lies in the folder or below it.
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

}  // namespace

TreeToPack PackFolder(const std::string& folder, const std::string& output, ArchiveFormat format, NameEncoder& names)
{
    ScannedFolder scanned = ScanFolder(folder, LimitsOf(format).folderDepth);
    TreeToPack pack{{}, std::move(scanned.problems)};
    if (IsInside(output, folder))
        pack.problems.push_back({WriteProblemKind::OutputInsideFolder, output});
    pack.tree.top = std::move(scanned.folder);
    pack.tree.top.name.clear();
    WriteProblems refused = CheckNames(pack.tree.top, format, names, ChildOrder::Canonical);
    pack.problems.insert(pack.problems.end(), refused.begin(), refused.end());
    return pack;
}

}  // namespace vorn
