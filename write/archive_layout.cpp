#include "write/archive_layout.h"

namespace vorn {
namespace {

std::uint64_t RecordsOf(const EditFolder& folder)
{
    return folder.files.size() + folder.folders.size() + 1;  // and the end record
}

// Counts every record below folder and gives each folder its run, in pre-order.
std::uint64_t PlaceRuns(const EditFolder& folder, std::uint64_t next, ArchiveLayout& layout)
{
    ForEachChild(
        folder, [](const EditFile&) {},
        [&](const EditFolder& child) {
            layout.folders[&child].runStart = next;
            next = PlaceRuns(child, next + RecordsOf(child) * layout.recordSize, layout);
        });
    return next;
}

std::uint64_t PlaceData(const EditFolder& folder, std::uint64_t at, ArchiveLayout& layout)
{
    const std::uint64_t start = at;
    ForEachChild(
        folder, [&](const EditFile& file) { at += file.size; },
        [&](const EditFolder& child) { at = PlaceData(child, at, layout); });
    auto& place = layout.folders[&folder];
    place.dataStart = start;
    place.subtreeBytes = at - start;
    return at;
}

}  // namespace

ArchiveLayout PlanLayout(const EditFolder& top, ArchiveFormat format)
{
    ArchiveLayout layout;
    layout.recordSize = LayoutOf(format).recordSize;
    // Both formats hold a record per file and folder, an end record per folder
    // and the record that ends the catalogue.
    layout.catalogueBytes = PlaceRuns(top, RecordsOf(top) * layout.recordSize, layout);
    layout.end = PlaceData(top, layout.catalogueBytes, layout);
    return layout;
}

}  // namespace vorn
