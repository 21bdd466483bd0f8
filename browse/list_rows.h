#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vorn {

class CDirNode;
class NamePattern;
class RowItems;
struct Catalogue;

// The columns of the file list, by model index. Folder is shown with
// whole-archive results; Bytes and Offset when the user asks for them.
enum ListColumn : int { NameColumn, SizeColumn, TypeColumn, FolderColumn, BytesColumn, OffsetColumn };
inline constexpr int kListColumnCount = 6;

// The order of the list: by a column, or catalogue order (no column, as at start).
struct ListSort {
    static constexpr int kCatalogueOrder = -1;

    int column = kCatalogueOrder;
    bool descending = false;

    bool operator==(const ListSort&) const = default;
};

// What the file list shows: folders, always above files. Both refer to the
// catalogue, so a row costs four or eight bytes however long its name.
struct ListRows {
    std::vector<const CDirNode*> folders;
    std::vector<std::uint32_t> files;  // indices into the catalogue's entries

    std::size_t Size() const { return folders.size() + files.size(); }
};

// Rows held by more than one owner (the search's ordered archive and the list
// showing all of it): a million rows are 4 MB, too much to copy. Folders and
// files are held apart, so that an answer keeping every file shares them
// though it drops folders.
struct SharedRows {
    std::shared_ptr<const std::vector<const CDirNode*>> folders;
    std::shared_ptr<const std::vector<std::uint32_t>> files;

    std::size_t Size() const { return folders->size() + files->size(); }
};
SharedRows Share(ListRows rows);

// A folder's sub-folders and files, or the top level's for null, in catalogue order.
ListRows ContentOf(const Catalogue& catalogue, const CDirNode* folder);
// Every folder and every file of the archive, in catalogue order.
ListRows WholeArchive(const Catalogue& catalogue);

// Orders folders and files each by the column; names compare naturally and
// settle every tie, then catalogue order does. Catalogue order leaves the rows
// as they are. The Folder column orders by the catalogue's folder paths;
// folders it does not hold come last.
void SortRows(ListRows& rows, const Catalogue& catalogue, const RowItems& items, const ListSort& sort);

// The rows whose names match, in their order, sharing the folders or the files
// of rows when every one of them matches.
SharedRows FilterSharedRows(const SharedRows& rows, const RowItems& items, const NamePattern& pattern);
// Every folder and file of the archive whose name matches, in catalogue order:
// FilterSharedRows over WholeArchive without making the whole list first.
ListRows FindInArchive(const Catalogue& catalogue, const NamePattern& pattern);

}  // namespace vorn
