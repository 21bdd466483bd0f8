#pragma once

#include "archive/dir_node.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vorn {

// The bytes of the names that other bytes could decode to as well (some code
// pages give one character for two byte sequences), so that two such names
// are not taken for one. Empty for Windows-1252 and UTF-8 names.
struct SharedNames {
    std::unordered_map<std::uint32_t, std::string> files;  // by entry index
    std::unordered_map<const CDirNode*, std::string> folders;

    bool Empty() const { return files.empty() && folders.empty(); }

    // Whether two items whose names decode equal have the same bytes; an item
    // not listed has the one spelling of its name, which a listed one lacks.
    static bool SameBytes(const std::string* a, const std::string* b) { return a && b ? *a == *b : a == b; }
    const std::string* OfFile(std::uint32_t entry) const { return Find(files, entry); }
    const std::string* OfFolder(const CDirNode* folder) const { return Find(folders, folder); }

private:
    template <typename Map, typename Key>
    static const std::string* Find(const Map& map, const Key& key)
    {
        if (map.empty())
            return nullptr;
        const auto found = map.find(key);
        return found == map.end() ? nullptr : &found->second;
    }
};

}  // namespace vorn
