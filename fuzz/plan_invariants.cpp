#include "fuzz/plan_invariants.h"

#include "disk/name_safety.h"
#include "fuzz/fuzz_require.h"

#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace vorn::fuzz {
namespace {

bool IsSafeComponent(std::string_view name)
{
    if (name.empty() || name == "." || name == ".." || name.find_first_of(std::string_view("/\\\0", 3)) != name.npos)
        return false;
    const bool letter = (name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z');
    return !(name.size() >= 2 && letter && name[1] == ':');
}

// Relative, every '/'-separated component safe, the last one the step's name.
void CheckRelativePath(const ExtractionPlan& plan, std::size_t at)
{
    const std::string& name = plan.Name(at);
    Require(IsSafeComponent(name), "a planned name is one safe path component");
    const std::string path = plan.RelativePath(at);
    std::string_view rest = path;
    std::string_view last;
    for (;;) {
        const std::size_t slash = rest.find('/');
        last = rest.substr(0, slash);
        Require(IsSafeComponent(last), "every component of a planned path is safe");
        if (slash == rest.npos)
            break;
        rest.remove_prefix(slash + 1);
    }
    Require(last == name, "a planned path ends in the step's name");
}

}  // namespace

void CheckPlan(const Catalogue& catalogue, const ExtractionPlan& plan)
{
    const auto& steps = plan.steps;
    std::vector<std::size_t> open;  // MakeFolder steps whose content is being listed
    // What each name of a folder on disk is: files of one spelling, or one folder made or merged into.
    std::map<std::pair<std::size_t, std::string_view>, std::pair<PlanStep::Action, const std::string*>> kinds;
    std::uint64_t files = 0;
    std::uint64_t bytes = 0;
    for (std::size_t at = 0; at < steps.size(); ++at) {
        while (!open.empty() && plan.SubtreeEnd(open.back()) <= at)
            open.pop_back();
        const PlanStep& step = steps[at];
        const PlanStep::Action action = step.GetAction();
        const std::string& name = plan.Name(at);
        CheckRelativePath(plan, at);
        Require(plan.Depth(at) == open.size(), "a step's depth is the number of folders open around it");
        const std::string expected = open.empty() ? name : plan.RelativePath(open.back()) + '/' + name;
        Require(plan.RelativePath(at) == expected, "a step's path is its folder's path, '/' and its name");
        const std::string* spelling =
            action == PlanStep::Action::WriteFile ? catalogue.sharedNames.OfFile(step.entry) : nullptr;
        const auto [kind, added] = kinds.try_emplace({open.empty() ? steps.size() : open.back(), name}, action, spelling);
        Require(added || kind->second.first == action, "a name in a folder is a file or a folder, never both");
        Require(added || SharedNames::SameBytes(kind->second.second, spelling),
                "files of one name in a folder have one spelling");
        if (action == PlanStep::Action::MakeFolder) {
            const std::size_t end = plan.SubtreeEnd(at);
            Require(end > at && end <= steps.size(), "a folder's subtreeEnd is in range");
            Require(open.empty() || end <= plan.SubtreeEnd(open.back()),
                    "a folder's content lies inside its parent's");
            open.push_back(at);
        } else {
            Require(step.entry < catalogue.entries.size(), "a planned file is an entry of the catalogue");
            Require(name == catalogue.entries[step.entry].m_name, "a planned file keeps its entry's name");
            ++files;
            bytes += catalogue.entries[step.entry].m_size;
        }
    }
    Require(plan.totalFiles == files, "the plan's file total counts its files");
    Require(plan.totalBytes == bytes, "the plan's byte total sums its files");
}

void CheckFolderPlan(const ExtractionPlan& plan, const std::string& folderName)
{
    if (UnsafeNameReason(folderName)) {
        Require(plan.steps.empty() && plan.refused.size() == 1, "an unsafe folder is refused whole");
        return;
    }
    Require(!plan.steps.empty(), "a safe folder is planned");
    Require(plan.steps.front().GetAction() == PlanStep::Action::MakeFolder && plan.Name(0) == folderName &&
                plan.Depth(0) == 0,
            "a folder's plan starts by making it in the target");
    Require(plan.SubtreeEnd(0) == plan.steps.size(), "a folder's plan holds nothing but its content");
}

void CheckFilePlan(const Catalogue& catalogue, const ExtractionPlan& plan, std::uint32_t entry)
{
    if (UnsafeNameReason(catalogue.entries[entry].m_name)) {
        Require(plan.steps.empty() && plan.refused.size() == 1, "an unsafe file is refused");
        return;
    }
    Require(plan.steps.size() == 1 && plan.refused.empty(), "a safe file is planned alone");
    const PlanStep& step = plan.steps.front();
    Require(step.GetAction() == PlanStep::Action::WriteFile && step.entry == entry && plan.Depth(0) == 0,
            "a file is written directly into the target");
}

}  // namespace vorn::fuzz
