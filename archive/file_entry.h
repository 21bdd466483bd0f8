#pragma once

#include "archive/dir_node.h"

#include <cstdint>
#include <string>

namespace vorn {

// One archived file. It refers to its folder by node rather than by a copy of
// the folder's path text: the node knows its path, two folders of the same name
// stay apart, and a million entries do not each carry their own path string.
struct FileEntry {
    FileEntry() = default;
    FileEntry(const CDirNode* folder, std::string name, std::uint32_t size, std::uint32_t offset)
        : m_offset(offset), m_size(size), m_folder(folder), m_name(std::move(name))
    {
    }

    std::string GetName() const { return m_name; }
    // The folder's path, empty for a file outside every folder.
    std::string GetPath() const { return m_folder ? m_folder->GetPath() : std::string(); }
    std::uint32_t GetSize() const { return m_size; }
    // The folder's path, a backslash and the name: "\\DATA\\A.BIN".
    std::string GetFullPath() const { return GetPath() + '\\' + m_name; }
    // First byte past the data, in 64 bits: offset + size may exceed 4 GiB.
    std::uint64_t DataEnd() const { return std::uint64_t{m_offset} + m_size; }

    std::uint32_t m_offset = 0;
    std::uint32_t m_size = 0;
    const CDirNode* m_folder = nullptr;
    std::string m_name;
};

}  // namespace vorn
