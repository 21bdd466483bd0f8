#include "archive/catalogue_check.h"

#include "archive/windows1252.h"
#include "disk/name_safety.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

namespace vorn {
namespace {

constexpr std::uint64_t kReportEvery = 16384;

std::uint32_t FoldedNameHash(std::string_view name)
{
    return static_cast<std::uint32_t>(std::hash<std::string>{}(FoldCase(name)));
}

// What a folder's names are checked for, met in order: its sub-folders, then
// the files that may have a finding (any other file's name is safe and alone
// in its folded form, so it changes nothing).
void CheckFolderNames(const Catalogue& catalogue, const CDirNode* folder,
                      const std::vector<std::string_view>& files, CatalogueFindings& out)
{
    std::unordered_set<std::string_view> names;
    std::unordered_map<std::string, std::string_view> byFoldedName;  // the first name of each folded form
    const auto check = [&](std::string_view name, bool isFolder) {
        if (const auto reason = UnsafeNameReason(name)) {
            out.Add({AnomalyKind::UnsafeName, {}, ItemPath(folder, name),
                     {.name = std::string(name), .isFolder = isFolder, .unsafeName = reason}});
        } else if (!names.insert(name).second) {
            out.Add({AnomalyKind::Duplicate, {}, ItemPath(folder, name)});
        } else if (const auto [first, isNew] = byFoldedName.try_emplace(FoldCase(name), name); !isNew) {
            out.Add({AnomalyKind::CaseCollision, {}, ItemPath(folder, name),
                     {.otherPath = ItemPath(folder, first->second)}});
        }
    };
    for (const auto& child : catalogue.FoldersOf(folder))
        check(child->m_name, true);
    for (const std::string_view name : files)
        check(name, false);
}

}  // namespace

// Counts the check's steps (a file added, a file placed among the data, a
// file placed among its folder's names) and reports them now and then.
class CatalogueChecker::Steps {
public:
    Steps(const CheckProgress& progress, std::uint64_t done, std::uint64_t total)
        : m_progress(progress), m_done(done), m_total(total)
    {
    }

    // False once the check is to stop.
    bool Advance(std::uint64_t steps)
    {
        m_done += steps;
        if (m_progress && !m_stopped && m_done >= m_nextReport) {
            m_nextReport = m_done + kReportEvery;
            m_stopped = !m_progress(m_done, m_total);
        }
        return !m_stopped;
    }
    bool Stopped() const { return m_stopped; }

private:
    const CheckProgress& m_progress;
    std::uint64_t m_done;
    std::uint64_t m_total;
    std::uint64_t m_nextReport = 0;
    bool m_stopped = false;
};

void CatalogueFindings::Add(CatalogueAnomaly anomaly)
{
    if (anomalies.size() < Catalogue::kMaxAnomalies)
        anomalies.push_back(std::move(anomaly));
    ++count;
}

std::uint32_t CatalogueChecker::FolderId(const CDirNode* folder)
{
    // Files come folder by folder: most are in the folder of the one before.
    if (!m_files.empty() && m_folders[m_files.back().folder] == folder)
        return m_files.back().folder;
    const auto [found, isNew] = m_folderIds.try_emplace(folder, static_cast<std::uint32_t>(m_folders.size()));
    if (isNew)
        m_folders.push_back(folder);
    return found->second;
}

void CatalogueChecker::Add(const FileEntry& entry)
{
    const auto index = static_cast<std::uint32_t>(m_files.size());
    const std::uint32_t folder = FolderId(entry.m_folder);
    m_files.push_back({entry.m_offset, entry.m_size, folder, FoldedNameHash(entry.m_name)});
    if (UnsafeNameReason(entry.m_name))
        m_unsafe.push_back(index);
}

void CatalogueChecker::FindOverlaps(Steps& steps)
{
    std::vector<std::uint32_t> order;
    order.reserve(m_files.size());
    for (std::uint32_t index = 0; index < m_files.size(); ++index)
        if (m_files[index].size > 0)
            order.push_back(index);
    // By offset, then catalogue order: the first of two files at one offset is the one overlapped.
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return m_files[a].offset != m_files[b].offset ? m_files[a].offset < m_files[b].offset : a < b;
    });
    const auto dataEnd = [&](std::uint32_t index) {
        return std::uint64_t{m_files[index].offset} + m_files[index].size;
    };
    std::optional<std::uint32_t> reaching;  // the file whose data reaches furthest so far
    for (const std::uint32_t index : order) {
        if (reaching && m_files[index].offset < dataEnd(*reaching)) {
            if (m_overlaps.size() < Catalogue::kMaxAnomalies)
                m_overlaps.emplace_back(index, *reaching);
            ++m_overlapCount;
        }
        if (!reaching || dataEnd(index) > dataEnd(*reaching))
            reaching = index;
        if (!steps.Advance(1))
            return;
    }
    steps.Advance(m_files.size() - order.size());  // the empty files
}

std::vector<std::uint32_t> CatalogueChecker::FindNamesMetTwice(const Catalogue& catalogue, Steps& steps) const
{
    // The folded forms of the sub-folders' names, by folder of files.
    const auto key = [](std::uint32_t folder, std::uint32_t hash) { return std::uint64_t{folder} << 32 | hash; };
    std::unordered_set<std::uint64_t> folderNames;
    for (std::uint32_t folder = 0; folder < m_folders.size(); ++folder)
        for (const auto& child : catalogue.FoldersOf(m_folders[folder]))
            folderNames.insert(key(folder, FoldedNameHash(child->m_name)));

    std::vector<std::uint32_t> order;
    order.reserve(m_files.size() - m_unsafe.size());
    auto unsafe = m_unsafe.begin();
    for (std::uint32_t index = 0; index < m_files.size(); ++index) {
        if (unsafe != m_unsafe.end() && *unsafe == index)
            ++unsafe;
        else
            order.push_back(index);
    }
    const auto fileKey = [&](std::uint32_t index) { return key(m_files[index].folder, m_files[index].foldedNameHash); };
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return fileKey(a) < fileKey(b); });

    std::vector<std::uint32_t> metTwice;
    for (auto group = order.begin(); group != order.end();) {
        const std::uint64_t groupKey = fileKey(*group);
        const auto end =
            std::find_if(group, order.end(), [&](std::uint32_t index) { return fileKey(index) != groupKey; });
        if (end - group > 1 || folderNames.contains(groupKey))
            metTwice.insert(metTwice.end(), group, end);
        if (!steps.Advance(end - group))
            return {};
        group = end;
    }
    return metTwice;
}

CatalogueFindings CatalogueChecker::Finish(const Catalogue& catalogue, const EntryNames& names,
                                           const CheckProgress& progress)
{
    CatalogueFindings out{catalogue.anomalies, catalogue.anomalyCount};
    Steps steps(progress, m_files.size(), 3 * std::uint64_t{m_files.size()});
    FindOverlaps(steps);
    std::vector<std::uint32_t> suspects =
        steps.Stopped() ? std::vector<std::uint32_t>{} : FindNamesMetTwice(catalogue, steps);
    if (steps.Stopped()) {
        out.stopped = true;
        return out;
    }
    suspects.insert(suspects.end(), m_unsafe.begin(), m_unsafe.end());
    std::sort(suspects.begin(), suspects.end());

    // Read the names the findings need, all at once.
    std::vector<std::uint32_t> named = suspects;
    for (const auto& [file, overlapped] : m_overlaps)
        named.insert(named.end(), {file, overlapped});
    std::sort(named.begin(), named.end());
    named.erase(std::unique(named.begin(), named.end()), named.end());
    const std::vector<std::string> found = named.empty() ? std::vector<std::string>{} : names(named);
    const auto nameOf = [&](std::uint32_t index) -> const std::string& {
        return found[std::lower_bound(named.begin(), named.end(), index) - named.begin()];
    };
    const auto pathOf = [&](std::uint32_t index) { return ItemPath(m_folders[m_files[index].folder], nameOf(index)); };

    for (const auto& [file, overlapped] : m_overlaps)
        out.Add({AnomalyKind::Overlap, {}, pathOf(file), {.otherPath = pathOf(overlapped)}});
    out.count += m_overlapCount - m_overlaps.size();

    // Then folder by folder in catalogue order, the top level first.
    std::vector<std::uint32_t> folderRank(m_folders.size());
    std::uint32_t rank = 0;
    const auto rankFolder = [&](const CDirNode* folder) {
        if (const auto id = m_folderIds.find(folder); id != m_folderIds.end())
            folderRank[id->second] = rank;
        ++rank;
    };
    rankFolder(nullptr);
    ForEachFolder(catalogue, [&](const CDirNode& folder) { rankFolder(&folder); });
    const auto rankOf = [&](std::uint32_t index) { return folderRank[m_files[index].folder]; };
    std::stable_sort(suspects.begin(), suspects.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return rankOf(a) < rankOf(b); });

    auto next = suspects.begin();
    rank = 0;
    std::vector<std::string_view> fileNames;
    const auto checkFolder = [&](const CDirNode* folder) {
        fileNames.clear();
        for (; next != suspects.end() && rankOf(*next) == rank; ++next)
            fileNames.push_back(nameOf(*next));
        CheckFolderNames(catalogue, folder, fileNames, out);
        ++rank;
    };
    checkFolder(nullptr);
    ForEachFolder(catalogue, [&](const CDirNode& folder) { checkFolder(&folder); });
    return out;
}

CatalogueFindings CheckCatalogue(const Catalogue& catalogue, const CheckProgress& progress)
{
    CatalogueChecker checker;
    const std::uint64_t total = 3 * std::uint64_t{catalogue.entries.size()};
    for (const FileEntry& entry : catalogue.entries) {
        checker.Add(entry);
        if (progress && checker.FileCount() % kReportEvery == 0 && !progress(checker.FileCount(), total))
            return {catalogue.anomalies, catalogue.anomalyCount, true};
    }
    const EntryNames names = [&](std::span<const std::uint32_t> indices) {
        std::vector<std::string> found;
        found.reserve(indices.size());
        for (const std::uint32_t index : indices)
            found.push_back(catalogue.entries[index].m_name);
        return found;
    };
    return checker.Finish(catalogue, names, progress);
}

}  // namespace vorn
