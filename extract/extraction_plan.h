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
    static ExtractionItem Folder(const CDirNode& folder) { return {Kind::Folder, &folder, 0, {}}; }
    // One file, as TARGET/name.
    static ExtractionItem File(std::uint32_t entryIndex) { return {Kind::File, nullptr, entryIndex, {}}; }
    // The archive's top level (its top-level folders and the files outside every
    // folder), written into a new folder TARGET/folderName.
    static ExtractionItem TopLevel(std::string folderName) { return {Kind::TopLevel, nullptr, 0, std::move(folderName)}; }

    Kind kind;
    const CDirNode* folder;
    std::uint32_t entry;
    std::string folderName;
};

struct PlanStep {
    enum class Action { MakeFolder, WriteFile };

    Action action;
    std::size_t depth;         // 0: directly in the target; n: in the n-th folder made above it
    std::string name;          // the one path component to create
    std::string relativePath;  // from the target, with '/' separators
    std::uint32_t entry = 0;   // WriteFile: index into the catalogue's entries
    std::size_t subtreeEnd = 0;  // MakeFolder: the first step after this folder's content
};

// The whole run worked out before anything touches the disk: folders before
// their content, a folder's own files before its sub-folders, depth first in
// catalogue order. Every name in it is a single safe path component, so nothing
// it describes can land outside the target.
struct [[nodiscard]] ExtractionPlan {
    std::vector<PlanStep> steps;
    std::vector<Failure> refused;  // items left out because of unsafe names
    std::uint64_t totalFiles = 0;
    std::uint64_t totalBytes = 0;
};

ExtractionPlan PlanExtraction(const Catalogue& catalogue, const std::vector<ExtractionItem>& items);

}  // namespace vorn
