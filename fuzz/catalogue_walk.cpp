#include "fuzz/catalogue_walk.h"

#include "fuzz/fuzz_require.h"

#include <unordered_set>
#include <vector>

namespace vorn::fuzz {
namespace {

void CheckFolderPlace(const Catalogue& catalogue, const CDirNode& folder)
{
    const auto& siblings = catalogue.FoldersOf(folder.m_parent);
    Require(folder.m_row < siblings.size() && siblings[folder.m_row].get() == &folder,
            "a folder's row points at itself among its siblings");
    const std::string path = folder.GetPath();
    const std::string parentPath = folder.m_parent ? folder.m_parent->GetPath() : std::string();
    Require(path == parentPath + '\\' + folder.m_name, "a folder's path is its parent's path, '\\' and its name");
    Require(folder.Depth() == (folder.m_parent ? folder.m_parent->Depth() + 1 : 1),
            "a folder is one level below its parent");
}

}  // namespace

void WalkCatalogue(const Catalogue& catalogue)
{
    std::unordered_set<const CDirNode*> folders;
    std::vector<unsigned> listed(catalogue.entries.size(), 0);
    const auto checkFiles = [&](const CDirNode* folder) {
        for (const std::uint32_t index : catalogue.FilesOf(folder)) {
            Require(index < catalogue.entries.size(), "a folder's file index is inside the entry list");
            Require(catalogue.entries[index].m_folder == folder, "a folder lists only its own files");
            ++listed[index];
        }
    };
    checkFiles(nullptr);
    ForEachFolder(catalogue, [&](const CDirNode& folder) {
        Require(folders.insert(&folder).second, "every folder is visited once");
        CheckFolderPlace(catalogue, folder);
        checkFiles(&folder);
    });
    for (std::size_t index = 0; index < catalogue.entries.size(); ++index) {
        const FileEntry& entry = catalogue.entries[index];
        Require(listed[index] == 1, "every entry is listed by exactly one folder");
        Require(!entry.m_folder || folders.count(entry.m_folder) == 1, "an entry's folder is in the tree");
        Require(entry.GetFullPath() == entry.GetPath() + '\\' + entry.GetName(),
                "an entry's full path is its folder's path, '\\' and its name");
    }
}

}  // namespace vorn::fuzz
