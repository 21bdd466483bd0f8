#include "archive/catalogue_check.h"

#include "archive/name_safety.h"
#include "archive/windows1252.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace vorn {
namespace {

void CheckOverlaps(const Catalogue& catalogue, CatalogueFindings& out)
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
            out.Add(AnomalyKind::Overlap,
                    "The data of " + entry.GetFullPath() + " overlaps that of " + reaching->GetFullPath() + ".");
        }
        if (!reaching || entry.DataEnd() > reaching->DataEnd())
            reaching = &entry;
    }
}

void CheckFolder(const Catalogue& catalogue, const CDirNode* folder, CatalogueFindings& out)
{
    const std::string where = folder ? folder->GetPath() : std::string();
    std::unordered_set<std::string> names;
    std::unordered_map<std::string, std::string> byFoldedName;  // the first name of each folded form
    const auto check = [&](const std::string& name, const char* what) {
        if (const auto reason = UnsafeNameReason(name)) {
            out.Add(AnomalyKind::UnsafeName,
                    std::string(what) + " \"" + name + "\" in " + (where.empty() ? "\\" : where) + ": " +
                        DescribeUnsafeName(*reason) + ".");
        } else if (!names.insert(name).second) {
            out.Add(AnomalyKind::Duplicate, where + "\\" + name + " occurs more than once.");
        } else if (const auto [first, isNew] = byFoldedName.try_emplace(FoldCase(name), name); !isNew) {
            out.Add(AnomalyKind::CaseCollision,
                    where + "\\" + name + " differs only in case from " + where + "\\" + first->second + ".");
        }
    };
    for (const auto& child : catalogue.FoldersOf(folder))
        check(child->m_name, "Folder");
    for (const std::uint32_t index : catalogue.FilesOf(folder))
        check(catalogue.entries[index].m_name, "File");
}

}  // namespace

void CatalogueFindings::Add(AnomalyKind kind, std::string text)
{
    if (anomalies.size() < Catalogue::kMaxAnomalies)
        anomalies.push_back({kind, 0, std::move(text)});
    ++count;
}

CatalogueFindings CheckCatalogue(const Catalogue& catalogue)
{
    CatalogueFindings out{catalogue.anomalies, catalogue.anomalyCount};
    CheckOverlaps(catalogue, out);
    CheckFolder(catalogue, nullptr, out);
    ForEachFolder(catalogue, [&](const CDirNode& folder) { CheckFolder(catalogue, &folder, out); });
    return out;
}

}  // namespace vorn
