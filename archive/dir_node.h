#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// One folder of the catalogue. Besides its child folders it keeps the indices
// of its own files in the archive's entry list, built once at load, so a
// folder's content costs what it holds, not the size of the whole archive.
class CDirNode {
public:
    CDirNode(std::string name, const CDirNode* parent);
    // A node has its place in one tree.
    CDirNode(const CDirNode&) = delete;
    CDirNode& operator=(const CDirNode&) = delete;

    std::string GetName() const { return m_name; }
    // "\ROOT\SUB": each name from the top-level folder down, preceded by a backslash.
    std::string GetPath() const;
    // Nesting level: 1 for a top-level folder.
    std::size_t Depth() const;

    const CDirNode* m_parent;
    std::string m_name;
    std::vector<std::unique_ptr<CDirNode>> m_children;
    std::vector<std::uint32_t> m_files;  // indices into the archive's entries, catalogue order
    std::size_t m_row = 0;               // position among the parent's children (or the top level)
    std::uint32_t m_filesBefore = 0;     // file records read before this folder's, for the catalogue order
    // Where its folder record and the end record that closed it lie; a writer
    // that rewrites the archive keeps what these records hold besides.
    std::uint64_t m_recordOffset = 0;
    std::optional<std::uint64_t> m_endOffset;
};

// "DATA\\SUB\\name": the item named name in folder (null for the top level), as
// findings and messages name it, without the leading backslash.
std::string ItemPath(const CDirNode* folder, std::string_view name);

// The names of an item's path as users spell it: "\\DATA\\SUB", "DATA/SUB" or
// "/DATA/SUB/A.BIN" (either separator, a leading one optional).
std::vector<std::string_view> SplitItemPath(std::string_view path);

}  // namespace vorn
