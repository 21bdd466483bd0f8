#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace vorn {

class CDirNode;

// The folders shown one after the other, for Back and Forward. A folder is
// its node; null stands for the archive's top level.
class FolderHistory {
public:
    // A folder is shown: it becomes the current one, after which Forward has
    // nowhere to go. Showing the current folder again changes nothing.
    void Visit(const CDirNode* folder);
    // Steps back or forward and returns the folder to show; nothing at either end.
    std::optional<const CDirNode*> Back();
    std::optional<const CDirNode*> Forward();
    void Clear();

private:
    std::vector<const CDirNode*> m_visited;
    std::size_t m_current = 0;  // index into m_visited while it is not empty
};

}  // namespace vorn
