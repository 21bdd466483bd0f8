#pragma once

#include "archive/catalogue.h"

#include <cstdint>
#include <string_view>

namespace vorn {

// What the list's rows refer to: the catalogue's entries and folders, or the
// same seen through changes not saved yet (renamed and replaced items, and
// added ones, whose entry numbers follow the catalogue's).
class RowItems {
public:
    virtual ~RowItems() = default;
    virtual const FileEntry& File(std::uint32_t entry) const = 0;
    virtual std::string_view FolderName(const CDirNode& folder) const = 0;
};

// The catalogue's own items.
class CatalogueItems final : public RowItems {
public:
    explicit CatalogueItems(const Catalogue& catalogue) : m_entries(catalogue.entries) {}
    const FileEntry& File(std::uint32_t entry) const override { return m_entries[entry]; }
    std::string_view FolderName(const CDirNode& folder) const override { return folder.m_name; }

private:
    const std::vector<FileEntry>& m_entries;
};

}  // namespace vorn
