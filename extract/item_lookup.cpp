#include "extract/item_lookup.h"

#include <vector>

namespace vorn {
namespace {

const CDirNode* FindChildFolder(const Catalogue& catalogue, const CDirNode* folder, std::string_view name)
{
    for (const auto& child : catalogue.FoldersOf(folder))
        if (child->m_name == name)
            return child.get();
    return nullptr;
}

}  // namespace

std::optional<ExtractionItem> FindItem(const Catalogue& catalogue, std::string_view path)
{
    const std::vector<std::string_view> parts = SplitItemPath(path);
    if (parts.empty())
        return std::nullopt;
    const CDirNode* folder = nullptr;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        folder = FindChildFolder(catalogue, folder, parts[i]);
        if (!folder)
            return std::nullopt;
    }
    if (const CDirNode* found = FindChildFolder(catalogue, folder, parts.back()))
        return ExtractionItem::Folder(*found);
    const auto& files = catalogue.FilesOf(folder);
    for (auto index = files.rbegin(); index != files.rend(); ++index)
        if (catalogue.entries[*index].m_name == parts.back())
            return ExtractionItem::File(*index);
    return std::nullopt;
}

}  // namespace vorn
