#include "mount/mount_index.h"

#include "archive/dir_node.h"
#include "disk/name_safety.h"

#include <algorithm>

namespace vorn {

MountIndex::MountIndex(const Catalogue& catalogue) : m_catalogue(catalogue)
{
    IndexFolder(nullptr);
    ForEachFolder(catalogue, [&](const CDirNode& folder) { IndexFolder(&folder); });
}

std::string_view MountIndex::NameOf(const MountItem& item) const
{
    return item.isFile ? std::string_view(m_catalogue.entries[item.file].m_name)
                       : std::string_view(item.folder->m_name);
}

void MountIndex::IndexFolder(const CDirNode* folder)
{
    // In catalogue order, folders first: a later item of a name replaces an
    // earlier one, and a file never replaces a folder.
    std::vector<MountItem> items;
    const auto keep = [&](MountItem item) {
        const std::string_view name = NameOf(item);
        if (const auto reason = UnsafeNameReason(name)) {
            m_omissions.push_back({MountOmission::Reason::UnsafeName, ItemPath(folder, name), reason});
            return;
        }
        items.push_back(item);
    };
    for (const auto& child : m_catalogue.FoldersOf(folder))
        keep({child.get(), 0, false});
    for (const std::uint32_t file : m_catalogue.FilesOf(folder))
        keep({nullptr, file, true});
    std::stable_sort(items.begin(), items.end(),
                     [&](const MountItem& a, const MountItem& b) { return NameOf(a) < NameOf(b); });
    std::vector<MountItem> kept;
    kept.reserve(items.size());
    std::size_t folders = 0;
    for (std::size_t start = 0; start < items.size();) {
        std::size_t end = start + 1;
        while (end < items.size() && NameOf(items[end]) == NameOf(items[start]))
            ++end;
        // Of one name, the folders came first: the last folder stands, or else the last file.
        std::size_t winner = end - 1;
        const bool hasFolder = !items[start].isFile;
        for (std::size_t i = start; i < end && !items[i].isFile; ++i)
            winner = i;
        for (std::size_t i = start; i < end; ++i) {
            if (i == winner)
                continue;
            const auto reason = items[i].isFile && hasFolder ? MountOmission::Reason::FolderHasName
                                                             : MountOmission::Reason::Replaced;
            m_omissions.push_back({reason, ItemPath(folder, NameOf(items[i]))});
        }
        kept.push_back(items[winner]);
        folders += kept.back().isFile ? 0 : 1;
        start = end;
    }
    m_folderCounts[folder] = folders;
    m_items[folder] = std::move(kept);
}

const std::vector<MountItem>& MountIndex::ItemsOf(const CDirNode* folder) const
{
    return m_items.at(folder);
}

std::size_t MountIndex::FoldersIn(const CDirNode* folder) const
{
    return m_folderCounts.at(folder);
}

std::optional<MountItem> MountIndex::FindIn(const CDirNode* folder, std::string_view name) const
{
    const auto& items = ItemsOf(folder);
    const auto found = std::lower_bound(items.begin(), items.end(), name,
                                        [&](const MountItem& a, std::string_view b) { return NameOf(a) < b; });
    if (found == items.end() || NameOf(*found) != name)
        return std::nullopt;
    return *found;
}

}  // namespace vorn
