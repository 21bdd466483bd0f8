#include "browse/folder_history.h"

namespace vorn {

void FolderHistory::Visit(const CDirNode* folder)
{
    if (!m_visited.empty() && m_visited[m_current] == folder)
        return;
    if (!m_visited.empty())
        m_visited.resize(m_current + 1);
    m_visited.push_back(folder);
    m_current = m_visited.size() - 1;
}

std::optional<const CDirNode*> FolderHistory::Back()
{
    if (m_visited.empty() || m_current == 0)
        return std::nullopt;
    return m_visited[--m_current];
}

std::optional<const CDirNode*> FolderHistory::Forward()
{
    if (m_current + 1 >= m_visited.size())
        return std::nullopt;
    return m_visited[++m_current];
}

void FolderHistory::Clear()
{
    m_visited.clear();
    m_current = 0;
}

}  // namespace vorn
