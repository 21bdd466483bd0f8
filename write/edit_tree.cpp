#include "write/edit_tree.h"

namespace vorn {

std::int64_t ModifiedNsOf(const struct stat& status)
{
    return std::int64_t{status.st_mtim.tv_sec} * 1'000'000'000 + status.st_mtim.tv_nsec;
}

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
