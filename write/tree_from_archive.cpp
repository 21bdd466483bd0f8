#include "write/tree_from_archive.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace vorn {
namespace {

void CopyFolder(const Catalogue& catalogue, const CDirNode* node, EditFolder& out)
{
    const bool keepRecords = catalogue.fileRecords.has_value();
    // A record past 4 GiB could only lead to data inside the catalogue; its spare bytes are let go.
    const auto recordOf = [&](std::uint32_t index) -> std::optional<std::uint32_t> {
        if (!keepRecords || (*catalogue.fileRecords)[index] > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
        return static_cast<std::uint32_t>((*catalogue.fileRecords)[index]);
    };
    const auto& files = catalogue.FilesOf(node);
    out.files.reserve(files.size());
    for (const std::uint32_t index : files) {
        const FileEntry& entry = catalogue.entries[index];
        const std::optional<std::uint32_t> record = recordOf(index);
        out.files.push_back({.name = entry.m_name,
                             .size = entry.m_size,
                             .sourceOffset = entry.m_offset,
                             .recordOffset = record.value_or(0),
                             .source = FileSource::Archive,
                             .hasRecord = record.has_value(),
                             .nameFromArchive = record.has_value()});
    }
    const auto& children = catalogue.FoldersOf(node);
    out.folders.reserve(children.size());
    for (const auto& child : children) {
        EditFolder& folder = out.folders.emplace_back();
        folder.name = child->m_name;
        // The folder record came after the folder's files that were read before it.
        const auto firstAfter = std::lower_bound(files.begin(), files.end(), child->m_filesBefore);
        folder.filesBefore = static_cast<std::size_t>(firstAfter - files.begin());
        folder.recordOffset = child->m_recordOffset;
        folder.hasRecord = keepRecords;
        folder.nameFromArchive = keepRecords;
        if (child->m_endOffset) {
            folder.endRecordOffset = *child->m_endOffset;
            folder.hasEndRecord = keepRecords;
        }
        CopyFolder(catalogue, child.get(), folder);
    }
}

}  // namespace

EditTree EditTreeOf(const Catalogue& catalogue)
{
    EditTree tree;
    CopyFolder(catalogue, nullptr, tree.top);
    if (catalogue.closingRecord && catalogue.fileRecords) {
        tree.closingRecordOffset = *catalogue.closingRecord;
        tree.hasClosingRecord = true;
    }
    return tree;
}

}  // namespace vorn
