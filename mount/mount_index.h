#pragma once

#include "archive/catalogue.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vorn {

// An item of the mounted tree: a folder (file unset) or a file.
struct MountItem {
    const CDirNode* folder = nullptr;  // the folder itself, or null for a file (and for the top level)
    std::uint32_t file = 0;
    bool isFile = false;
};

// Why an item of the archive is not in the mounted tree.
struct MountOmission {
    enum class Reason { UnsafeName, Replaced, FolderHasName };
    Reason reason;
    std::string path;  // in the archive ("DATA\\A.BIN")
    std::optional<UnsafeName> unsafe = {};
};

// The archive's folders and files as a file system sees them: each folder's
// items found by name, in name order. Names that cannot stand on disk are
// left out; of two items of one name in a folder the later stands (a folder
// before any file), as extraction leaves them.
class MountIndex {
public:
    explicit MountIndex(const Catalogue& catalogue);

    // The item of that name in a folder (null: the top level).
    std::optional<MountItem> FindIn(const CDirNode* folder, std::string_view name) const;
    // A folder's items (null: the top level), in name order.
    const std::vector<MountItem>& ItemsOf(const CDirNode* folder) const;
    std::string_view NameOf(const MountItem& item) const;
    std::size_t FoldersIn(const CDirNode* folder) const;
    const std::vector<MountOmission>& Omissions() const { return m_omissions; }

private:
    void IndexFolder(const CDirNode* folder);

    const Catalogue& m_catalogue;
    std::unordered_map<const CDirNode*, std::vector<MountItem>> m_items;
    std::unordered_map<const CDirNode*, std::size_t> m_folderCounts;
    std::vector<MountOmission> m_omissions;
};

}  // namespace vorn
