#include "archive/dir_node.h"

#include <algorithm>

namespace vorn {

CDirNode::CDirNode(std::string name, const CDirNode* parent) : m_parent(parent), m_name(std::move(name))
{
}

std::string CDirNode::GetPath() const
{
    std::vector<const CDirNode*> chain;
    for (const CDirNode* node = this; node; node = node->m_parent)
        chain.push_back(node);
    std::string path;
    std::for_each(chain.rbegin(), chain.rend(), [&](const CDirNode* node) {
        path += '\\';
        path += node->m_name;
    });
    return path;
}

std::size_t CDirNode::Depth() const
{
    std::size_t depth = 0;
    for (const CDirNode* node = this; node; node = node->m_parent)
        ++depth;
    return depth;
}

std::vector<std::string_view> SplitItemPath(std::string_view path)
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

std::string ItemPath(const CDirNode* folder, std::string_view name)
{
    return folder ? folder->GetPath().substr(1) + '\\' + std::string(name) : std::string(name);
}

}  // namespace vorn
