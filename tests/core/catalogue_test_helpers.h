#pragma once

#include "archive/catalogue.h"
#include "tests/support/archive_writer.h"

#include <span>
#include <string>
#include <vector>

namespace vorn::testing {

inline Catalogue Load(ArchiveFormat format, const std::string& bytes)
{
    const MemoryByteSource source(
        std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
    return LoadCatalogue(source, format);
}

// "\DATA\A.BIN" for every entry, in catalogue order.
inline std::vector<std::string> EntryPaths(const Catalogue& catalogue)
{
    std::vector<std::string> paths;
    for (const FileEntry& entry : catalogue.entries)
        paths.push_back(entry.GetFullPath());
    return paths;
}

// Every folder's path, in catalogue order.
inline std::vector<std::string> FolderPaths(const Catalogue& catalogue)
{
    std::vector<std::string> paths;
    ForEachFolder(catalogue, [&](const CDirNode& folder) { paths.push_back(folder.GetPath()); });
    return paths;
}

inline std::size_t CountAnomalies(const Catalogue& catalogue, AnomalyKind kind)
{
    std::size_t count = 0;
    for (const CatalogueAnomaly& anomaly : catalogue.anomalies)
        count += anomaly.kind == kind;
    return count;
}

// Shorthands for raw records.
inline std::string FileRecord(ArchiveFormat format, std::string_view name, std::uint32_t size, std::uint32_t position)
{
    return Record(format, name, 0, size, position);
}
inline std::string FolderRecord(ArchiveFormat format, std::string_view name, std::uint32_t position)
{
    return Record(format, name, 1, 0, position);
}
inline std::string EndRecord(ArchiveFormat format, std::uint32_t position = 1)
{
    return Record(format, "", 255, 0, position);
}

}  // namespace vorn::testing
