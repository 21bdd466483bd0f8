#include "write/order_from.h"

#include <algorithm>
#include <unordered_map>

namespace vorn {
namespace {

// Leaves in items those named as the items of model, in model's order (each
// taken once), and returns the rest in their order; the names of model that
// items lack go to missing, and kept tells which of model's were found.
template <typename Item, typename Model>
std::vector<Item> TakeInOrder(std::vector<Item>& items, const std::vector<Model>& model, const std::string& path,
                              std::vector<std::string>& missing, std::vector<bool>& kept)
{
    std::unordered_map<std::string_view, std::size_t> byName;
    for (std::size_t i = 0; i < items.size(); ++i)
        byName.emplace(items[i].name, i);
    std::vector<Item> ordered;
    ordered.reserve(items.size());
    kept.assign(model.size(), false);
    for (std::size_t i = 0; i < model.size(); ++i) {
        const auto found = byName.find(model[i].name);
        if (found == byName.end()) {
            missing.push_back(path.empty() ? model[i].name : path + '\\' + model[i].name);
            continue;
        }
        ordered.push_back(std::move(items[found->second]));
        byName.erase(found);
        kept[i] = true;
    }
    std::vector<Item> added;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (byName.contains(items[i].name))
            added.push_back(std::move(items[i]));
    items = std::move(ordered);
    return added;
}

void Order(EditFolder& scanned, const EditFolder& archive, const std::string& path, std::vector<std::string>& missing)
{
    std::vector<bool> keptFiles;
    std::vector<bool> keptFolders;
    std::vector<EditFile> newFiles = TakeInOrder(scanned.files, archive.files, path, missing, keptFiles);
    std::vector<EditFolder> newFolders = TakeInOrder(scanned.folders, archive.folders, path, missing, keptFolders);
    // A kept folder comes after the kept files that came before it.
    std::size_t folder = 0;
    for (std::size_t i = 0; i < archive.folders.size(); ++i) {
        if (!keptFolders[i])
            continue;
        const std::size_t before = archive.folders[i].filesBefore;
        scanned.folders[folder].filesBefore = static_cast<std::size_t>(
            std::count(keptFiles.begin(), keptFiles.begin() + static_cast<std::ptrdiff_t>(before), true));
        Order(scanned.folders[folder], archive.folders[i],
              path.empty() ? archive.folders[i].name : path + '\\' + archive.folders[i].name, missing);
        ++folder;
    }
    for (EditFile& file : newFiles)
        scanned.files.push_back(std::move(file));
    for (EditFolder& child : newFolders) {
        child.filesBefore = scanned.files.size();
        scanned.folders.push_back(std::move(child));
    }
}

}  // namespace

std::vector<std::string> OrderAsArchive(EditFolder& scanned, const EditFolder& archive)
{
    std::vector<std::string> missing;
    Order(scanned, archive, "", missing);
    return missing;
}

}  // namespace vorn
