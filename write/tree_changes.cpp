#include "write/tree_changes.h"

#include "archive/catalogue.h"
#include "archive/dir_node.h"
#include "write/folder_scan.h"

#include <algorithm>
#include <sys/stat.h>

namespace vorn {
namespace {

// The folder at parts, or null.
EditFolder* FindFolder(EditFolder& top, std::span<const std::string_view> parts)
{
    EditFolder* folder = &top;
    for (const std::string_view part : parts) {
        const auto found = std::find_if(folder->folders.begin(), folder->folders.end(),
                                        [&](const EditFolder& child) { return child.name == part; });
        if (found == folder->folders.end())
            return nullptr;
        folder = &*found;
    }
    return folder;
}

// Where an item stands: its folder and its place there. Of several files of
// one name, the last, as extraction leaves it on disk; a folder wins over a
// file, as in extraction.
struct ItemPlace {
    EditFolder* parent = nullptr;
    EditFolder* folder = nullptr;
    std::size_t file = 0;  // when folder is null
};

std::optional<ItemPlace> FindItem(EditFolder& top, const std::string& path)
{
    const std::vector<std::string_view> parts = SplitItemPath(path);
    if (parts.empty())
        return std::nullopt;
    EditFolder* parent = FindFolder(top, std::span(parts).first(parts.size() - 1));
    if (!parent)
        return std::nullopt;
    if (EditFolder* folder = FindFolder(*parent, std::span(parts).last(1)))
        return ItemPlace{parent, folder};
    for (std::size_t i = parent->files.size(); i-- > 0;)
        if (parent->files[i].name == parts.back())
            return ItemPlace{parent, nullptr, i};
    return std::nullopt;
}

// The file the change names, which must still be what it was when it was taken.
std::optional<PickedFile> PickOf(const TreeChange& change, WriteProblems& problems)
{
    std::optional<PickedFile> picked = PickFile(change.value, problems);
    if (picked && change.taken &&
        (picked->size != change.taken->size || picked->modifiedNs != change.taken->modifiedNs)) {
        problems.push_back({WriteProblemKind::SourceChanged, change.value, 0, {}, picked->size, change.taken->size});
        return std::nullopt;
    }
    return picked;
}

EditFile PickedEntry(EditTree& tree, std::string name, PickedFile picked)
{
    EditFile file{.name = std::move(name),
                  .size = static_cast<std::uint32_t>(picked.size),
                  .sourceOffset = static_cast<std::uint32_t>(tree.picked.size()),
                  .source = FileSource::Picked};
    tree.picked.push_back(std::move(picked));
    return file;
}

void RemoveFile(EditFolder& folder, std::size_t index)
{
    folder.files.erase(folder.files.begin() + static_cast<std::ptrdiff_t>(index));
    for (EditFolder& child : folder.folders)
        if (child.filesBefore > index)
            --child.filesBefore;
}

WriteProblems Replace(EditTree& tree, const TreeChange& change)
{
    WriteProblems problems;
    const auto place = FindItem(tree.top, change.item);
    if (!place || place->folder) {
        problems.push_back({place ? WriteProblemKind::NotAFolder : WriteProblemKind::NoSuchItem, change.item});
        return problems;
    }
    if (auto picked = PickOf(change, problems)) {
        EditFile& file = place->parent->files[place->file];
        const EditFile entry = PickedEntry(tree, file.name, std::move(*picked));
        file.size = entry.size;
        file.sourceOffset = entry.sourceOffset;
        file.source = entry.source;
    }
    return problems;
}

WriteProblems Add(EditTree& tree, const TreeChange& change)
{
    WriteProblems problems;
    EditFolder* into = SplitItemPath(change.item).empty() ? &tree.top : nullptr;
    if (!into) {
        const auto place = FindItem(tree.top, change.item);
        if (!place || !place->folder) {
            problems.push_back({place ? WriteProblemKind::NotAFolder : WriteProblemKind::NoSuchItem, change.item});
            return problems;
        }
        into = place->folder;
    }
    struct stat status {};
    if (::stat(change.value.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
        ScannedFolder scanned = ScanFolder(change.value, Catalogue::kMaxFolderDepth);
        if (!scanned.problems.empty())
            return std::move(scanned.problems);
        scanned.folder.filesBefore = into->files.size();
        into->folders.push_back(std::move(scanned.folder));
        return problems;
    }
    if (auto picked = PickOf(change, problems))
        into->files.push_back(PickedEntry(tree, LastPathName(change.value), std::move(*picked)));
    return problems;
}

WriteProblems Delete(EditTree& tree, const TreeChange& change)
{
    const auto place = FindItem(tree.top, change.item);
    if (!place)
        return {{WriteProblemKind::NoSuchItem, change.item}};
    if (!place->folder) {
        RemoveFile(*place->parent, place->file);
        return {};
    }
    auto& siblings = place->parent->folders;
    siblings.erase(siblings.begin() + (place->folder - siblings.data()));
    return {};
}

WriteProblems Rename(EditTree& tree, const TreeChange& change)
{
    const auto place = FindItem(tree.top, change.item);
    if (!place)
        return {{WriteProblemKind::NoSuchItem, change.item}};
    if (place->folder) {
        place->folder->name = change.value;
        place->folder->nameFromArchive = false;
    } else {
        EditFile& file = place->parent->files[place->file];
        file.name = change.value;
        file.nameFromArchive = false;
    }
    return {};
}

WriteProblems MakeFolder(EditTree& tree, const TreeChange& change)
{
    EditFolder* folder = &tree.top;
    for (const std::string_view part : SplitItemPath(change.item)) {
        const auto isPart = [&](const auto& item) { return item.name == part; };
        if (std::any_of(folder->files.begin(), folder->files.end(), isPart))
            return {{WriteProblemKind::NotAFolder, change.item}};
        const auto found = std::find_if(folder->folders.begin(), folder->folders.end(), isPart);
        if (found != folder->folders.end()) {
            folder = &*found;
            continue;
        }
        EditFolder& made = folder->folders.emplace_back();
        made.name = std::string(part);
        made.filesBefore = folder->files.size();
        folder = &made;
    }
    return {};
}

}  // namespace

std::optional<PickedFile> PickFile(const std::string& path, WriteProblems& problems)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        problems.push_back({WriteProblemKind::NotReadable, path, errno});
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        problems.push_back({WriteProblemKind::NotRegularFile, path});
        return std::nullopt;
    }
    const auto size = static_cast<std::uint64_t>(status.st_size);
    if (size >> 32 != 0) {
        problems.push_back({WriteProblemKind::FileTooLarge, path, 0, {}, size, (std::uint64_t{1} << 32) - 1});
        return std::nullopt;
    }
    return PickedFile{path, size, ModifiedNsOf(status)};
}

WriteProblems ApplyChange(EditTree& tree, const TreeChange& change)
{
    switch (change.kind) {
    case TreeChange::Kind::Replace:
        return Replace(tree, change);
    case TreeChange::Kind::Add:
        return Add(tree, change);
    case TreeChange::Kind::Delete:
        return Delete(tree, change);
    case TreeChange::Kind::Rename:
        return Rename(tree, change);
    case TreeChange::Kind::MakeFolder:
        return MakeFolder(tree, change);
    }
    return {};
}

}  // namespace vorn
