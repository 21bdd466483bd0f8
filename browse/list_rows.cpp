#include "browse/list_rows.h"

#include "archive/catalogue.h"
#include "browse/name_pattern.h"
#include "browse/natural_order.h"
#include "browse/row_items.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace vorn {
namespace {

// Natural order, then byte order, so that only equal names tie.
int CompareNames(std::string_view a, std::string_view b)
{
    if (const int natural = NaturalCompare(a, b))
        return natural;
    return a.compare(b);
}

bool NameLess(std::string_view a, std::string_view b)
{
    return CompareNames(a, b) < 0;
}

// Each folder's place when every folder is ordered by its path, each level by
// name; the top level (null) comes first.
std::unordered_map<const CDirNode*, std::uint32_t> FolderPathRanks(const Catalogue& catalogue)
{
    std::unordered_map<const CDirNode*, std::uint32_t> ranks{{nullptr, 0}};
    std::vector<const CDirNode*> pending;
    const auto pushChildren = [&](const CDirNode* folder) {
        const std::size_t first = pending.size();
        for (const auto& child : catalogue.FoldersOf(folder))
            pending.push_back(child.get());
        // Reversed, so that the smallest name is taken first.
        std::sort(pending.begin() + static_cast<std::ptrdiff_t>(first), pending.end(),
                  [](const CDirNode* a, const CDirNode* b) { return NameLess(b->m_name, a->m_name); });
    };
    pushChildren(nullptr);
    while (!pending.empty()) {
        const CDirNode* folder = pending.back();
        pending.pop_back();
        ranks.emplace(folder, static_cast<std::uint32_t>(ranks.size()));
        pushChildren(folder);
    }
    return ranks;
}

// Compares rows by a key, then by name.
template <typename Row, typename Key, typename Name>
int CompareByKeyThenName(const Row& a, const Row& b, const Key& key, const Name& name)
{
    const auto keyA = key(a);
    const auto keyB = key(b);
    if (keyA != keyB)
        return keyA < keyB ? -1 : 1;
    return CompareNames(name(a), name(b));
}

// Folders that tie keep the order they came in; descending is the exact reverse.
template <typename Key>
void SortFolders(std::vector<const CDirNode*>& folders, const RowItems& items, bool descending, const Key& key)
{
    const auto name = [&items](const CDirNode* folder) { return items.FolderName(*folder); };
    std::stable_sort(folders.begin(), folders.end(), [&](const CDirNode* a, const CDirNode* b) {
        return CompareByKeyThenName(a, b, key, name) < 0;
    });
    if (descending)
        std::reverse(folders.begin(), folders.end());
}

// Files that tie go in catalogue order, which makes the order strict, so that
// the sort needs no buffer as large as the rows (a million of them, searching).
template <typename Key>
void SortFiles(std::vector<std::uint32_t>& files, const RowItems& items, bool descending, const Key& key)
{
    const auto name = [&items](std::uint32_t entry) { return std::string_view(items.File(entry).m_name); };
    std::sort(files.begin(), files.end(), [&](std::uint32_t a, std::uint32_t b) {
        const int order = CompareByKeyThenName(a, b, key, name);
        return order != 0 ? order < 0 : a < b;
    });
    if (descending)
        std::reverse(files.begin(), files.end());
}

// Which of the rows at 0..count-1 match. Marking them first lets the result
// be allocated once at its final size: a million rows take 4 MB, where a
// growing vector would briefly need 6.
struct Marks {
    std::vector<bool> matched;
    std::size_t found = 0;

    bool All() const { return found == matched.size(); }
};

template <typename RowAt, typename Matches>
Marks Mark(std::size_t count, const RowAt& rowAt, const Matches& matches)
{
    Marks marks{std::vector<bool>(count), 0};
    for (std::size_t index = 0; index < count; ++index)
        if (matches(rowAt(index))) {
            marks.matched[index] = true;
            ++marks.found;
        }
    return marks;
}

template <typename Row, typename RowAt>
std::vector<Row> Kept(const Marks& marks, const RowAt& rowAt)
{
    std::vector<Row> kept;
    kept.reserve(marks.found);
    for (std::size_t index = 0; index < marks.matched.size(); ++index)
        if (marks.matched[index])
            kept.push_back(rowAt(index));
    return kept;
}

Marks MarkFolders(const std::vector<const CDirNode*>& folders, const RowItems& items, const NamePattern& pattern)
{
    return Mark(
        folders.size(), [&](std::size_t index) { return folders[index]; },
        [&](const CDirNode* folder) { return pattern.Matches(items.FolderName(*folder)); });
}

Marks MarkFiles(const std::vector<std::uint32_t>& files, const RowItems& items, const NamePattern& pattern)
{
    return Mark(
        files.size(), [&](std::size_t index) { return files[index]; },
        [&](std::uint32_t entry) { return pattern.Matches(items.File(entry).m_name); });
}

// The matching rows, or the very rows when every one matches.
template <typename Row>
std::shared_ptr<const std::vector<Row>> SharedKept(const std::shared_ptr<const std::vector<Row>>& rows,
                                                   const Marks& marks)
{
    if (marks.All())
        return rows;
    return std::make_shared<const std::vector<Row>>(Kept<Row>(marks, [&](std::size_t index) { return (*rows)[index]; }));
}

}  // namespace

ListRows ContentOf(const Catalogue& catalogue, const CDirNode* folder)
{
    ListRows rows;
    const auto& folders = catalogue.FoldersOf(folder);
    rows.folders.reserve(folders.size());
    for (const auto& child : folders)
        rows.folders.push_back(child.get());
    rows.files = catalogue.FilesOf(folder);
    return rows;
}

ListRows WholeArchive(const Catalogue& catalogue)
{
    ListRows rows;
    ForEachFolder(catalogue, [&rows](const CDirNode& folder) { rows.folders.push_back(&folder); });
    rows.files.resize(catalogue.entries.size());
    std::iota(rows.files.begin(), rows.files.end(), std::uint32_t{0});
    return rows;
}

void SortRows(ListRows& rows, const Catalogue& catalogue, const RowItems& items, const ListSort& sort)
{
    if (sort.column == ListSort::kCatalogueOrder)
        return;
    const bool descending = sort.descending;
    const auto none = [](auto) { return 0; };
    const auto file = [&items](std::uint32_t entry) -> const FileEntry& { return items.File(entry); };
    switch (sort.column) {
    case FolderColumn: {
        const auto ranks = FolderPathRanks(catalogue);
        const auto rankOf = [&ranks](const CDirNode* folder) {
            const auto found = ranks.find(folder);
            return found != ranks.end() ? found->second : static_cast<std::uint32_t>(ranks.size());
        };
        SortFolders(rows.folders, items, descending, [&](const CDirNode* folder) { return rankOf(folder->m_parent); });
        SortFiles(rows.files, items, descending, [&](std::uint32_t entry) { return rankOf(file(entry).m_folder); });
        return;
    }
    // Folders have no size or offset, and every row of a kind has the same type.
    case SizeColumn:
    case BytesColumn:
        SortFiles(rows.files, items, descending, [&](std::uint32_t entry) { return file(entry).m_size; });
        break;
    case OffsetColumn:
        SortFiles(rows.files, items, descending, [&](std::uint32_t entry) { return file(entry).m_offset; });
        break;
    default:
        SortFiles(rows.files, items, descending, none);
    }
    SortFolders(rows.folders, items, descending, none);
}

SharedRows Share(ListRows rows)
{
    const auto owner = std::make_shared<const ListRows>(std::move(rows));
    return {{owner, &owner->folders}, {owner, &owner->files}};
}

SharedRows FilterSharedRows(const SharedRows& rows, const RowItems& items, const NamePattern& pattern)
{
    if (pattern.IsEmpty())
        return rows;
    return {SharedKept(rows.folders, MarkFolders(*rows.folders, items, pattern)),
            SharedKept(rows.files, MarkFiles(*rows.files, items, pattern))};
}

ListRows FindInArchive(const Catalogue& catalogue, const NamePattern& pattern)
{
    ListRows found;
    ForEachFolder(catalogue, [&](const CDirNode& folder) {
        if (pattern.Matches(folder.m_name))
            found.folders.push_back(&folder);
    });
    const auto entryAt = [](std::size_t index) { return static_cast<std::uint32_t>(index); };
    found.files = Kept<std::uint32_t>(
        Mark(catalogue.entries.size(), entryAt,
             [&](std::uint32_t entry) { return pattern.Matches(catalogue.entries[entry].m_name); }),
        entryAt);
    return found;
}

}  // namespace vorn
