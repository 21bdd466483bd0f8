#include "cli/item_lookup.h"

#include <vector>

namespace vorn::cli {
namespace {

std::vector<std::string_view> SplitPath(std::string_view path)
{
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const std::size_t separator = path.find_first_of("\\/");
        const std::string_view part = path.substr(0, separator);
        if (!part.empty())
            parts.push_back(part);
        if (separator == std::string_view::npos)
            break;
        path.remove_prefix(separator + 1);
    }
    return parts;
}

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
    const std::vector<std::string_view> parts = SplitPath(path);
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

}  // namespace vorn::cli
