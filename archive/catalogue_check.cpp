#include "archive/catalogue_check.h"

#include "archive/name_safety.h"

#include <algorithm>
#include <unordered_set>

namespace vorn {
namespace {

void CheckOverlaps(const Catalogue& catalogue, std::vector<CatalogueAnomaly>& out)
{
    const auto& entries = catalogue.entries;
    std::vector<std::uint32_t> order;
    for (std::uint32_t i = 0; i < entries.size(); ++i)
        if (entries[i].m_size > 0)
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return entries[a].m_offset < entries[b].m_offset; });
    const FileEntry* reaching = nullptr;  // the entry whose data reaches furthest so far
    for (const std::uint32_t index : order) {
        const FileEntry& entry = entries[index];
        if (reaching && entry.m_offset < reaching->DataEnd()) {
            out.push_back({AnomalyKind::Overlap, 0,
                           "The data of " + entry.GetFullPath() + " overlaps that of " + reaching->GetFullPath() + "."});
        }
        if (!reaching || entry.DataEnd() > reaching->DataEnd())
            reaching = &entry;
    }
}

void CheckFolder(const Catalogue& catalogue, const CDirNode* folder, std::vector<CatalogueAnomaly>& out)
{
    const std::string where = folder ? folder->GetPath() : std::string();
    std::unordered_set<std::string> names;
    const auto check = [&](const std::string& name, const char* what) {
        if (const auto reason = UnsafeNameReason(name))
            out.push_back({AnomalyKind::UnsafeName, 0,
                           std::string(what) + " \"" + name + "\" in " + (where.empty() ? "\\" : where) + ": " +
                               DescribeUnsafeName(*reason) + "."});
        else if (!names.insert(name).second)
            out.push_back({AnomalyKind::Duplicate, 0, where + "\\" + name + " occurs more than once."});
    };
    for (const auto& child : catalogue.FoldersOf(folder))
        check(child->m_name, "Folder");
    for (const std::uint32_t index : catalogue.FilesOf(folder))
        check(catalogue.entries[index].m_name, "File");
}

}  // namespace

std::vector<CatalogueAnomaly> CheckCatalogue(const Catalogue& catalogue)
{
    std::vector<CatalogueAnomaly> out = catalogue.anomalies;
    CheckOverlaps(catalogue, out);
    CheckFolder(catalogue, nullptr, out);
    ForEachFolder(catalogue, [&](const CDirNode& folder) { CheckFolder(catalogue, &folder, out); });
    return out;
}

}  // namespace vorn
