#include "write/name_rules.h"

#include "archive/catalogue.h"
#include "archive/windows1252.h"
#include "disk/name_safety.h"

#include <algorithm>
#include <unordered_map>

namespace vorn {
namespace {

// The items of one folder in ascending order of their stored bytes.
template <typename Item>
void SortByStoredBytes(std::vector<Item>& items, NameEncoder& names)
{
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        keys.emplace_back(names.Encode(items[i].name).value_or(items[i].name), i);
    std::sort(keys.begin(), keys.end());
    std::vector<Item> sorted;
    sorted.reserve(items.size());
    for (auto& key : keys)
        sorted.push_back(std::move(items[key.second]));
    items = std::move(sorted);
}

class NameChecker {
public:
    NameChecker(ArchiveFormat format, NameEncoder& names, ChildOrder order)
        : m_limits(LimitsOf(format)), m_names(names), m_order(order)
    {
    }

    void Check(EditFolder& folder, const std::string& path, std::size_t depth)
    {
        if (m_order == ChildOrder::Canonical) {
            SortByStoredBytes(folder.files, m_names);
            SortByStoredBytes(folder.folders, m_names);
            for (EditFolder& child : folder.folders)
                child.filesBefore = folder.files.size();
        }
        // Each folded name, with whether the archive already holds it so: two
        // names the archive held side by side stay as they were, and a folder
        // of such names alone (most, in an update) needs no look at all.
        const auto isNew = [](const auto& item) { return !item.nameFromArchive; };
        const bool namesToCheck = std::any_of(folder.files.begin(), folder.files.end(), isNew) ||
                                  std::any_of(folder.folders.begin(), folder.folders.end(), isNew);
        std::unordered_map<std::string, std::pair<const std::string*, bool>> taken;
        const auto checkName = [&](const std::string& name, bool fromArchive) {
            const std::string itemPath = path.empty() ? name : path + '\\' + name;
            if (!namesToCheck)
                return itemPath;
            if (!fromArchive)
                CheckOwnName(name, itemPath);
            const auto [found, added] = taken.try_emplace(FoldCase(name), &name, fromArchive);
            if (!added && !(fromArchive && found->second.second))
                m_problems.push_back({WriteProblemKind::NameTaken, itemPath, 0, {}, 0, 0, *found->second.first});
            return itemPath;
        };
        if (namesToCheck) {
            for (const EditFile& file : folder.files)
                checkName(file.name, file.nameFromArchive);
        }
        for (EditFolder& child : folder.folders) {
            const std::string childPath = checkName(child.name, child.nameFromArchive);
            if (depth + 1 > m_limits.folderDepth)
                m_problems.push_back({WriteProblemKind::TooDeep, childPath, 0, {}, 0, m_limits.folderDepth});
            else
                Check(child, childPath, depth + 1);
        }
    }

    WriteProblems TakeProblems() { return std::move(m_problems); }

private:
    void CheckOwnName(const std::string& name, const std::string& itemPath)
    {
        if (auto problem = CheckNewName(name, itemPath, m_limits, m_names))
            m_problems.push_back(std::move(*problem));
    }

    FormatLimits m_limits;
    NameEncoder& m_names;
    ChildOrder m_order;
    WriteProblems m_problems;
};

}  // namespace

std::optional<WriteProblem> CheckNewName(const std::string& name, const std::string& itemPath, FormatLimits limits,
                                         NameEncoder& names)
{
    if (const auto unsafe = UnsafeNameReason(name))
        return WriteProblem{WriteProblemKind::UnsafeName, itemPath, 0, unsafe};
    const std::optional<std::string> bytes = names.Encode(name);
    if (!bytes || bytes->find('\0') != std::string::npos)
        return WriteProblem{WriteProblemKind::NameNotEncodable, itemPath};
    if (bytes->size() > limits.nameBytes)
        return WriteProblem{WriteProblemKind::NameTooLong, itemPath, 0, {}, bytes->size(), limits.nameBytes};
    return std::nullopt;
}

FormatLimits LimitsOf(ArchiveFormat format)
{
    // The name field less the NUL that ends a name; DIR's reader keeps ten
    // return positions, ours reads what it bounds its walk at.
    const RecordLayout layout = LayoutOf(format);
    return {layout.nameField - 1, format == ArchiveFormat::Dir ? std::size_t{10} : Catalogue::kMaxFolderDepth};
}

WriteProblems CheckNames(EditFolder& top, ArchiveFormat format, NameEncoder& names, ChildOrder order)
{
    NameChecker checker(format, names, order);
    checker.Check(top, "", 0);
    return checker.TakeProblems();
}

}  // namespace vorn
