#include "extract/extraction_plan.h"

#include "disk/name_safety.h"
#include "extract/name_claims.h"

#include <unordered_set>

namespace vorn {
namespace {

// The files extracted in place, and the folders that lead to them.
struct InPlaceFiles {
    std::unordered_set<std::uint32_t> files;
    std::unordered_set<const CDirNode*> folders;

    bool Wants(std::uint32_t entry) const { return files.contains(entry); }
    bool Leads(const CDirNode& folder) const { return folders.contains(&folder); }
};

const CDirNode* TopFolderOf(const CDirNode* folder)
{
    while (folder && folder->m_parent)
        folder = folder->m_parent;
    return folder;
}

// A file another item already puts at the same place is left out: one under a
// top-level folder item, or a top-level file item.
InPlaceFiles InPlaceFilesOf(const Catalogue& catalogue, const std::vector<ExtractionItem>& items)
{
    std::unordered_set<const CDirNode*> wholeFolders;
    std::unordered_set<std::uint32_t> flatFiles;
    for (const ExtractionItem& item : items) {
        if (item.kind == ExtractionItem::Kind::Folder && !item.folder->m_parent)
            wholeFolders.insert(item.folder);
        else if (item.kind == ExtractionItem::Kind::File && !item.inPlace)
            flatFiles.insert(item.entry);
    }
    InPlaceFiles inPlace;
    for (const ExtractionItem& item : items) {
        if (item.kind != ExtractionItem::Kind::File || !item.inPlace || item.entry >= catalogue.entries.size())
            continue;
        const CDirNode* folder = catalogue.entries[item.entry].m_folder;
        if (folder ? wholeFolders.contains(TopFolderOf(folder)) : flatFiles.contains(item.entry))
            continue;
        inPlace.files.insert(item.entry);
        while (folder && inPlace.folders.insert(folder).second)
            folder = folder->m_parent;
    }
    return inPlace;
}

class Planner {
public:
    Planner(const Catalogue& catalogue, ExtractionPlan& plan) : m_catalogue(catalogue), m_plan(plan) {}

    // folder: the plan's folder it goes into, or PlanStep::kTarget.
    void AddFile(std::uint32_t index, std::uint32_t folder, const NameClaims* claims)
    {
        const FileEntry& entry = m_catalogue.entries[index];
        if (Refuse(entry.m_name, entry.GetFullPath()) ||
            RefuseClaim(claims ? claims->RefusalOfFile(index) : std::nullopt, PathOf(folder), entry.m_name))
            return;
        m_plan.steps.push_back({index, folder});
        ++m_plan.totalFiles;
        m_plan.totalBytes += entry.m_size;
    }

    // A folder named `name` holding the files and sub-folders that the
    // catalogue lists under `content` (the top level when content is null);
    // only those extracted in place, when given.
    void AddFolder(const std::string& name, const std::string& archivePath, const CDirNode* content,
                   const InPlaceFiles* only = nullptr)
    {
        if (Refuse(name, archivePath))
            return;
        struct Frame {
            const CDirNode* content;
            std::size_t nextChild;
            std::uint32_t folder;              // in the plan's folders
            std::optional<NameClaims> claims;  // where its content needs them
        };
        std::vector<Frame> frames;  // the folders being planned, innermost last; no recursion
        const auto open = [&](const std::string& folderName, const CDirNode* folderContent, std::uint32_t parent) {
            const auto folder = static_cast<std::uint32_t>(m_plan.folders.size());
            m_plan.folders.push_back({folderName, Join(PathOf(parent), folderName), frames.size(), 0});
            m_plan.steps.push_back({PlanStep::kNoEntry, folder});
            Frame& frame = frames.emplace_back(Frame{folderContent, 0, folder, std::nullopt});
            if (NameClaims::Needed(m_catalogue, folderContent))
                frame.claims.emplace(m_catalogue).ClaimContent(folderContent);
            for (const std::uint32_t index : m_catalogue.FilesOf(folderContent))
                if (!only || only->Wants(index))
                    AddFile(index, folder, frame.claims ? &*frame.claims : nullptr);
        };
        open(name, content, PlanStep::kTarget);
        while (!frames.empty()) {
            Frame& frame = frames.back();
            const auto& children = m_catalogue.FoldersOf(frame.content);
            if (frame.nextChild == children.size()) {
                m_plan.folders[frame.folder].subtreeEnd = m_plan.steps.size();
                frames.pop_back();
                continue;
            }
            const CDirNode& child = *children[frame.nextChild++];
            const std::uint32_t parent = frame.folder;
            if (only && !only->Leads(child))
                continue;
            if (!Refuse(child.m_name, child.GetPath()) &&
                !RefuseClaim(frame.claims->RefusalOfFolder(child), PathOf(parent), child.m_name))
                open(child.m_name, &child, parent);
        }
    }

    // The refusal of an item whose place another item of its folder takes.
    bool RefuseClaim(std::optional<FailureKind> refusal, const std::string& parentPath, const std::string& name)
    {
        if (refusal)
            m_plan.refused.push_back({*refusal, Join(parentPath, name)});
        return refusal.has_value();
    }

private:
    bool Refuse(const std::string& name, const std::string& archivePath)
    {
        const auto reason = UnsafeNameReason(name);
        if (reason)
            m_plan.refused.push_back({FailureKind::RefusedName, archivePath, 0, *reason});
        return reason.has_value();
    }

    const std::string& PathOf(std::uint32_t folder) const
    {
        static const std::string target;
        return folder == PlanStep::kTarget ? target : m_plan.folders[folder].relativePath;
    }

    static std::string Join(const std::string& parent, const std::string& name)
    {
        return parent.empty() ? name : parent + "/" + name;
    }

    const Catalogue& m_catalogue;
    ExtractionPlan& m_plan;
};

// The items land side by side in the target, so they claim their names there
// as a folder's content does; needed for a mix of files and folders, or for
// names of two spellings. Files in place claim their top-level folder.
std::optional<NameClaims> ClaimsOfItems(const Catalogue& catalogue, const std::vector<ExtractionItem>& items,
                                        const InPlaceFiles& inPlace)
{
    std::vector<const CDirNode*> folders;
    std::vector<std::uint32_t> files;
    for (const ExtractionItem& item : items) {
        if (item.kind == ExtractionItem::Kind::Folder)
            folders.push_back(item.folder);
        else if (item.kind == ExtractionItem::Kind::File && !item.inPlace && item.entry < catalogue.entries.size())
            files.push_back(item.entry);
    }
    for (const CDirNode* folder : inPlace.folders)
        if (!folder->m_parent)
            folders.push_back(folder);
    for (const std::uint32_t entry : inPlace.files)
        if (!catalogue.entries[entry].m_folder)
            files.push_back(entry);
    std::optional<NameClaims> claims;
    if ((folders.empty() || files.empty()) && catalogue.sharedNames.Empty())
        return claims;
    claims.emplace(catalogue);
    for (const CDirNode* folder : folders)
        claims->ClaimFolder(*folder);
    for (const std::uint32_t entry : files)
        claims->ClaimFile(entry);
    return claims;
}

// At most one step for each file and folder the items hold: the steps are
// sized once instead of regrown, which would briefly hold a million steps twice.
std::size_t StepsAtMost(const Catalogue& catalogue, const std::vector<ExtractionItem>& items,
                        const InPlaceFiles& inPlace)
{
    std::size_t steps = inPlace.files.size() + inPlace.folders.size();
    const auto countContent = [&](const CDirNode* content) {
        std::vector<const CDirNode*> pending = {content};
        while (!pending.empty()) {
            const CDirNode* folder = pending.back();
            pending.pop_back();
            steps += 1 + catalogue.FilesOf(folder).size();
            for (const auto& child : catalogue.FoldersOf(folder))
                pending.push_back(child.get());
        }
    };
    for (const ExtractionItem& item : items) {
        if (item.kind != ExtractionItem::Kind::File)
            countContent(item.kind == ExtractionItem::Kind::Folder ? item.folder : nullptr);
        else if (!item.inPlace)
            ++steps;  // files in place are counted with their folders
    }
    return steps;
}

}  // namespace

const std::string& ExtractionPlan::Name(std::size_t step) const
{
    const PlanStep& planned = steps[step];
    return planned.GetAction() == PlanStep::Action::MakeFolder ? folders[planned.folder].name
                                                                : catalogue->entries[planned.entry].m_name;
}

std::string ExtractionPlan::RelativePath(std::size_t step) const
{
    const PlanStep& planned = steps[step];
    if (planned.GetAction() == PlanStep::Action::MakeFolder)
        return folders[planned.folder].relativePath;
    const std::string& name = Name(step);
    return planned.folder == PlanStep::kTarget ? name : folders[planned.folder].relativePath + '/' + name;
}

std::size_t ExtractionPlan::Depth(std::size_t step) const
{
    const PlanStep& planned = steps[step];
    if (planned.GetAction() == PlanStep::Action::MakeFolder)
        return folders[planned.folder].depth;
    return planned.folder == PlanStep::kTarget ? 0 : folders[planned.folder].depth + 1;
}

ExtractionPlan PlanExtraction(const Catalogue& catalogue, const std::vector<ExtractionItem>& items)
{
    ExtractionPlan plan;
    plan.catalogue = &catalogue;
    const InPlaceFiles inPlace = InPlaceFilesOf(catalogue, items);
    plan.steps.reserve(StepsAtMost(catalogue, items, inPlace));
    Planner planner(catalogue, plan);
    const std::optional<NameClaims> claims = ClaimsOfItems(catalogue, items, inPlace);
    for (const ExtractionItem& item : items) {
        switch (item.kind) {
        case ExtractionItem::Kind::Folder:
            if (!planner.RefuseClaim(claims ? claims->RefusalOfFolder(*item.folder) : std::nullopt, {},
                                     item.folder->m_name))
                planner.AddFolder(item.folder->m_name, item.folder->GetPath(), item.folder);
            break;
        case ExtractionItem::Kind::File:
            if (!item.inPlace && item.entry < catalogue.entries.size())
                planner.AddFile(item.entry, PlanStep::kTarget, claims ? &*claims : nullptr);
            break;
        case ExtractionItem::Kind::TopLevel:
            planner.AddFolder(item.folderName, item.folderName, nullptr);
            break;
        }
    }
    if (!inPlace.files.empty()) {
        for (const std::uint32_t index : catalogue.FilesOf(nullptr))
            if (inPlace.Wants(index))
                planner.AddFile(index, PlanStep::kTarget, claims ? &*claims : nullptr);
        for (const auto& folder : catalogue.FoldersOf(nullptr))
            if (inPlace.Leads(*folder) &&
                !planner.RefuseClaim(claims ? claims->RefusalOfFolder(*folder) : std::nullopt, {}, folder->m_name))
                planner.AddFolder(folder->m_name, folder->GetPath(), folder.get(), &inPlace);
    }
    return plan;
}

}  // namespace vorn
