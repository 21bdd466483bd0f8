#include "extract/extraction_plan.h"

#include "disk/name_safety.h"

namespace vorn {
namespace {

class Planner {
public:
    Planner(const Catalogue& catalogue, ExtractionPlan& plan) : m_catalogue(catalogue), m_plan(plan) {}

    void AddFile(std::uint32_t index, std::size_t depth, const std::string& parentPath)
    {
        const FileEntry& entry = m_catalogue.entries[index];
        if (Refuse(entry.m_name, entry.GetFullPath()))
            return;
        m_plan.steps.push_back({PlanStep::Action::WriteFile, depth, entry.m_name, Join(parentPath, entry.m_name),
                                index, 0});
        ++m_plan.totalFiles;
        m_plan.totalBytes += entry.m_size;
    }

    // A folder named `name` holding the files and sub-folders that the
    // catalogue lists under `content` (the top level when content is null).
    void AddFolder(const std::string& name, const std::string& archivePath, const CDirNode* content)
    {
        if (Refuse(name, archivePath))
            return;
        struct Frame {
            const CDirNode* content;
            std::size_t nextChild;
            std::size_t step;  // its MakeFolder step
        };
        std::vector<Frame> frames;  // the folders being planned, innermost last; no recursion
        const auto open = [&](const std::string& folderName, const CDirNode* folderContent, std::string parent) {
            const std::size_t at = frames.size();
            std::string path = Join(parent, folderName);
            m_plan.steps.push_back({PlanStep::Action::MakeFolder, at, folderName, path, 0, 0});
            frames.push_back({folderContent, 0, m_plan.steps.size() - 1});
            for (const std::uint32_t index : m_catalogue.FilesOf(folderContent))
                AddFile(index, at + 1, path);
        };
        open(name, content, "");
        while (!frames.empty()) {
            Frame& frame = frames.back();
            const auto& children = m_catalogue.FoldersOf(frame.content);
            if (frame.nextChild == children.size()) {
                m_plan.steps[frame.step].subtreeEnd = m_plan.steps.size();
                frames.pop_back();
                continue;
            }
            const CDirNode& child = *children[frame.nextChild++];
            if (!Refuse(child.m_name, child.GetPath()))
                open(child.m_name, &child, m_plan.steps[frame.step].relativePath);
        }
    }

private:
    bool Refuse(const std::string& name, const std::string& archivePath)
    {
        const auto reason = UnsafeNameReason(name);
        if (reason)
            m_plan.refused.push_back({FailureKind::RefusedName, archivePath, 0, *reason});
        return reason.has_value();
    }

    static std::string Join(const std::string& parent, const std::string& name)
    {
        return parent.empty() ? name : parent + "/" + name;
    }

    const Catalogue& m_catalogue;
    ExtractionPlan& m_plan;
};

}  // namespace

ExtractionPlan PlanExtraction(const Catalogue& catalogue, const std::vector<ExtractionItem>& items)
{
    ExtractionPlan plan;
    Planner planner(catalogue, plan);
    for (const ExtractionItem& item : items) {
        switch (item.kind) {
        case ExtractionItem::Kind::Folder:
            planner.AddFolder(item.folder->m_name, item.folder->GetPath(), item.folder);
            break;
        case ExtractionItem::Kind::File:
            if (item.entry < catalogue.entries.size())
                planner.AddFile(item.entry, 0, {});
            break;
        case ExtractionItem::Kind::TopLevel:
            planner.AddFolder(item.folderName, item.folderName, nullptr);
            break;
        }
    }
    return plan;
}

}  // namespace vorn
