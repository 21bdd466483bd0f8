#pragma once

#include "archive/catalogue.h"
#include "disk/failure.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorn {

// One thing the user asked to extract.
struct ExtractionItem {
    enum class Kind { Folder, File, TopLevel };

    // The folder itself, as TARGET/name, with its files and sub-folders.
    static ExtractionItem Folder(const CDirNode& folder) { return {Kind::Folder, &folder, 0, {}, false}; }
    // One file, as TARGET/name.
    static ExtractionItem File(std::uint32_t entryIndex) { return {Kind::File, nullptr, entryIndex, {}, false}; }
    // One file at its place in the archive, as TARGET/FOLDER/SUB/name, its
    // folders made once for all such files.
    static ExtractionItem FileInPlace(std::uint32_t entryIndex) { return {Kind::File, nullptr, entryIndex, {}, true}; }
    // The archive's top level (its top-level folders and the files outside every
    // folder), written into a new folder TARGET/folderName.
    static ExtractionItem TopLevel(std::string folderName)
    {
        return {Kind::TopLevel, nullptr, 0, std::move(folderName), false};
    }

    Kind kind;
    const CDirNode* folder;
    std::uint32_t entry;
    std::string folderName;
    bool inPlace;  // File: under its folders' path
};

// One step of a plan, small because there is one per file: it names its
// entry and its folder, and the plan gives names and paths when they are needed.
struct PlanStep {
    enum class Action { MakeFolder, WriteFile };
    static constexpr std::uint32_t kNoEntry = UINT32_MAX;  // the entry of a MakeFolder step
    static constexpr std::uint32_t kTarget = UINT32_MAX;   // the folder of a file written directly into the target

    Action GetAction() const { return entry == kNoEntry ? Action::MakeFolder : Action::WriteFile; }

    std::uint32_t entry;   // WriteFile: index into the catalogue's entries
    std::uint32_t folder;  // index into the plan's folders: the one made, or the one a file is written into
};

struct PlannedFolder {
    std::string name;          // the one path component to create
    std::string relativePath;  // from the target, with '/' separators
    std::size_t depth;         // 0: directly in the target; n: in the n-th folder made above it
    std::size_t subtreeEnd;    // the first step after this folder's content
};

// The whole run worked out before anything touches the disk: folders before
// their content, a folder's own files before its sub-folders, depth first in
// catalogue order. Every name in it is a single safe path component, so nothing
// it describes can land outside the target. It refers to the catalogue it was
// made from, which must outlive it.
struct [[nodiscard]] ExtractionPlan {
    const Catalogue* catalogue = nullptr;
    std::vector<PlanStep> steps;
    std::vector<PlannedFolder> folders;
    std::vector<Failure> refused;  // items left out because of unsafe names
    std::uint64_t totalFiles = 0;
    std::uint64_t totalBytes = 0;

    // The one path component step creates.
    const std::string& Name(std::size_t step) const;
    // From the target, with '/' separators.
    std::string RelativePath(std::size_t step) const;
    // 0: directly in the target; n: in the n-th folder made above it.
    std::size_t Depth(std::size_t step) const;
    // MakeFolder: the first step after the folder's content.
    std::size_t SubtreeEnd(std::size_t step) const { return folders[steps[step].folder].subtreeEnd; }
};

ExtractionPlan PlanExtraction(const Catalogue& catalogue, const std::vector<ExtractionItem>& items);

}  // namespace vorn
