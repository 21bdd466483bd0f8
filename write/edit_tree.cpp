#include "write/edit_tree.h"

namespace vorn {

TreeCount CountTree(const EditFolder& folder)
{
    TreeCount count;
    std::vector<const EditFolder*> pending = {&folder};
    while (!pending.empty()) {
        const EditFolder* current = pending.back();
        pending.pop_back();
        count.files += current->files.size();
        for (const EditFile& file : current->files)
            count.bytes += file.size;
        for (const EditFolder& child : current->folders) {
            ++count.folders;
            pending.push_back(&child);
        }
    }
    return count;
}

}  // namespace vorn
