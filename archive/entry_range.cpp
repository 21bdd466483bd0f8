#include "archive/entry_range.h"

#include <algorithm>

namespace vorn {

std::uint64_t StoredSize(const FileEntry& entry, std::uint64_t archiveSize)
{
    if (entry.m_offset >= archiveSize)
        return 0;
    return std::min<std::uint64_t>(entry.m_size, archiveSize - entry.m_offset);
}

std::size_t ReadEntryRange(const ByteSource& source, const FileEntry& entry, std::uint64_t from,
                           std::span<unsigned char> out)
{
    const std::uint64_t stored = StoredSize(entry, source.Size());
    if (from >= stored)
        return 0;
    const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(out.size(), stored - from));
    return source.ReadAt(entry.m_offset + from, out.first(count));
}

}  // namespace vorn
