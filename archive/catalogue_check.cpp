#include "archive/catalogue_check.h"

#include "disk/name_safety.h"
#include "archive/windows1252.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace vorn {
namespace {

// Each file is a step of the overlap pass and one of the name pass.
class StepCounter {
public:
    StepCounter(const CheckProgress& progress, std::uint64_t total) : m_progress(progress), m_total(total) {}

    // False once the check is to stop.
    bool Advance(std::uint64_t steps)
    {
        m_done += steps;
        if (!m_progress || m_done < m_nextReport)
            return true;
        m_nextReport = m_done + kReportEvery;
        return m_progress(m_done, m_total);
    }

private:
    static constexpr std::uint64_t kReportEvery = 16384;
    const CheckProgress& m_progress;
    std::uint64_t m_total;
    std::uint64_t m_done = 0;
    std::uint64_t m_nextReport = 0;
};

bool CheckOverlaps(const Catalogue& catalogue, StepCounter& steps, CatalogueFindings& out)
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
            out.Add({AnomalyKind::Overlap, {}, ItemPath(entry.m_folder, entry.m_name),
                     {.otherPath = ItemPath(reaching->m_folder, reaching->m_name)}});
        }
        if (!reaching || entry.DataEnd() > reaching->DataEnd())
            reaching = &entry;
        if (!steps.Advance(1))
            return false;
    }
    return steps.Advance(entries.size() - order.size());  // the empty files
}

void CheckFolder(const Catalogue& catalogue, const CDirNode* folder, CatalogueFindings& out)
{
    std::unordered_set<std::string> names;
    std::unordered_map<std::string, std::string> byFoldedName;  // the first name of each folded form
    const auto check = [&](const std::string& name, bool isFolder) {
        if (const auto reason = UnsafeNameReason(name)) {
            out.Add({AnomalyKind::UnsafeName, {}, ItemPath(folder, name),
                     {.name = name, .isFolder = isFolder, .unsafeName = reason}});
        } else if (!names.insert(name).second) {
            out.Add({AnomalyKind::Duplicate, {}, ItemPath(folder, name)});
        } else if (const auto [first, isNew] = byFoldedName.try_emplace(FoldCase(name), name); !isNew) {
            out.Add({AnomalyKind::CaseCollision, {}, ItemPath(folder, name),
                     {.otherPath = ItemPath(folder, first->second)}});
        }
    };
    for (const auto& child : catalogue.FoldersOf(folder))
        check(child->m_name, true);
    for (const std::uint32_t index : catalogue.FilesOf(folder))
        check(catalogue.entries[index].m_name, false);
}

}  // namespace

void CatalogueFindings::Add(CatalogueAnomaly anomaly)
{
    if (anomalies.size() < Catalogue::kMaxAnomalies)
        anomalies.push_back(std::move(anomaly));
    ++count;
}

CatalogueFindings CheckCatalogue(const Catalogue& catalogue, const CheckProgress& progress)
{
    CatalogueFindings out{catalogue.anomalies, catalogue.anomalyCount};
    StepCounter steps(progress, 2 * std::uint64_t{catalogue.entries.size()});
    if (!CheckOverlaps(catalogue, steps, out)) {
        out.stopped = true;
        return out;
    }
    CheckFolder(catalogue, nullptr, out);
    out.stopped = !steps.Advance(catalogue.topFiles.size());
    ForEachFolder(catalogue, [&](const CDirNode& folder) {
        if (out.stopped)
            return;
        CheckFolder(catalogue, &folder, out);
        out.stopped = !steps.Advance(folder.m_files.size());
    });
    return out;
}

}  // namespace vorn
