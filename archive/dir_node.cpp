#include "archive/dir_node.h"

#include <algorithm>

namespace vorn {

CDirNode::CDirNode(std::string name, CDirNode* parent) : m_parent(parent), m_name(std::move(name))
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

std::string ItemPath(const CDirNode* folder, std::string_view name)
{
    return folder ? folder->GetPath().substr(1) + '\\' + std::string(name) : std::string(name);
}

}  // namespace vorn
