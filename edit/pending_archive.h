#pragma once

#include "archive/archive_file.h"
#include "archive/name_encoding.h"
#include "browse/list_rows.h"
#include "browse/row_items.h"
#include "write/edit_tree.h"
#include "write/name_rules.h"
#include "write/tree_changes.h"
#include "write/write_problem.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vorn {

// A folder (file unset) or a file of the archive as it will be saved.
struct PendingItem {
    static constexpr std::uint32_t kFolder = UINT32_MAX;
    static PendingItem Folder(const CDirNode& folder) { return {&folder, kFolder}; }
    static PendingItem File(std::uint32_t entry) { return {nullptr, entry}; }

    bool IsFolder() const { return file == kFolder; }

    const CDirNode* folder = nullptr;
    std::uint32_t file = kFolder;
};

// What the changes did to an item, for its mark in the list.
struct PendingMark {
    bool added = false;
    bool renamed = false;
    const PickedFile* source = nullptr;  // an added or replaced file: where its bytes will come from
    std::uint32_t savedSize = 0;         // a replaced file: its size in the saved archive
    std::string_view savedName;          // a renamed item: its name in the saved archive

    bool Any() const { return added || renamed || source; }
};

// One step of the history, as the user made it: its kind, how many items it
// took, and the first one's name (a renamed item's name before).
struct PendingStep {
    enum class Kind { Replace, Add, MakeFolder, Delete, Rename };
    Kind kind;
    std::size_t items = 1;
    std::string name;
};

// The open archive with the changes made to it and not saved yet: replaced,
// added, deleted and renamed items and new folders, seen the way they will be
// saved. Each change is checked as it is made against the writer's rules, so
// one that could not be saved is refused at once; and each is one step of a
// history that can be undone and redone. Nothing is written here: a save
// hands Changes() to the writer, which applies them to the saved archive.
// Added files are numbered after the catalogue's entries, added folders are
// nodes of their own; both stay valid while the step that made them is in
// the history.
class PendingArchive final : public RowItems {
public:
    explicit PendingArchive(std::shared_ptr<const CArchiveFile> saved);

    const std::shared_ptr<const CArchiveFile>& Saved() const { return m_saved; }

    // The archive as it will be saved.
    const FileEntry& File(std::uint32_t entry) const override;
    std::string_view FolderName(const CDirNode& folder) const override;
    ListRows ContentOf(const CDirNode* folder) const;
    std::vector<const CDirNode*> FoldersOf(const CDirNode* folder) const;
    // "DATA\\SUB", or "DATA\\SUB\\A.BIN", with the names as they will be.
    std::string PathOf(const PendingItem& item) const;
    PendingMark MarkOf(const PendingItem& item) const;
    // An item the saved archive does not hold.
    bool IsAdded(const PendingItem& item) const;
    // Whether folder is there: neither it nor a folder above it was deleted,
    // or added by a step since undone.
    bool IsShown(const CDirNode* folder) const;

    // The changes. Each is refused whole, with every problem it has, or made
    // as one step.
    WriteProblems Replace(std::uint32_t entry, const std::string& diskPath);
    // Files and folders (with everything below) from disk, into folder.
    WriteProblems Add(const CDirNode* folder, const std::vector<std::string>& diskPaths);
    WriteProblems MakeFolder(const CDirNode* folder, const std::string& name);
    WriteProblems Rename(const PendingItem& item, const std::string& name);
    void Delete(const std::vector<PendingItem>& items);

    // Steps done and not undone.
    std::size_t PendingSteps() const { return m_done; }
    std::optional<PendingStep> NextUndo() const;
    std::optional<PendingStep> NextRedo() const;
    void Undo();
    void Redo();

    // What the writer applies, in order, to the saved archive's tree.
    std::vector<TreeChange> Changes() const;

private:
    // Ops and steps are kept small: a change of many items (a folder added,
    // a selection deleted) is an op for each, and each change is a step.
    struct Op {
        enum class Kind : std::uint8_t { Replace, AddFile, AddFolder, Delete, Rename };
        Kind kind;
        // Replace, AddFile: the picked file; Rename: the new name, the old one after it.
        std::uint32_t value = 0;
        PendingItem item;  // AddFile, AddFolder: the new item, which knows its folder
    };
    struct Step {
        std::size_t opsEnd;
        std::uint32_t items;
        PendingStep::Kind kind;
    };
    struct PatchedFile {
        static constexpr std::uint32_t kNotPicked = UINT32_MAX;
        FileEntry entry;
        std::uint32_t picked = kNotPicked;
        bool renamed = false;
    };
    // The saved archive as the steps done so far make it.
    struct State {
        std::unordered_set<std::uint32_t> deletedFiles;
        std::unordered_set<const CDirNode*> deletedFolders;
        std::unordered_map<std::uint32_t, PatchedFile> files;
        std::unordered_map<const CDirNode*, std::string> folderNames;
        std::unordered_map<const CDirNode*, ListRows> added;  // by folder, null for the top level
    };

    const FileEntry& FileIn(const State& state, std::uint32_t entry) const;
    std::string PathIn(const State& state, const PendingItem& item) const;
    void Apply(State& state, const Op& op) const;
    void Replay();
    // Opens a step, dropping the undone ones; Commit ends it.
    void Begin();
    void Commit(PendingStep::Kind kind, std::size_t items);
    PendingStep StepAt(std::size_t step) const;
    // The folder an added item goes into.
    const CDirNode* FolderOfAdded(const Op& op) const;
    void Push(Op op);
    // A folder's names as they will be, by their folded forms, which compare ignoring case.
    using TakenNames = std::unordered_map<std::string, std::string>;
    TakenNames NamesIn(const CDirNode* folder, const PendingItem* except = nullptr) const;
    // "DATA\\SUB", empty for the top level.
    std::string FolderPath(const CDirNode* folder) const;
    // Checks a name new to the folder at folderPath against the rules and the
    // names taken, which it joins; returns the item's path.
    std::string CheckName(const std::string& folderPath, const std::string& name, TakenNames& taken,
                          WriteProblems& problems);
    std::uint32_t AddPicked(PickedFile picked);
    void AddFile(const CDirNode* folder, const std::string& name, PickedFile picked);
    // A folder read from disk, to go at depth into the folder at intoPath:
    // its names checked and its files picked (into picks, in the order
    // MakeScanned takes them), nothing made yet.
    void CheckScanned(const std::string& intoPath, std::size_t depth, const EditFolder& scanned, TakenNames& taken,
                      std::vector<PickedFile>& picks, WriteProblems& problems);
    void MakeScanned(const CDirNode* into, const EditFolder& scanned, std::vector<PickedFile>& picks,
                     std::size_t& nextPick);
    // Forgets the ops from firstOp on, and the items they made.
    void DropOpsFrom(std::size_t firstOp);
    std::size_t StepBegin(std::size_t step) const { return step == 0 ? 0 : m_steps[step - 1].opsEnd; }

    std::shared_ptr<const CArchiveFile> m_saved;
    std::uint32_t m_savedFiles;
    FormatLimits m_limits;
    NameEncoder m_names;
    std::vector<FileEntry> m_addedFiles;
    std::vector<std::uint32_t> m_addedSources;  // by added file: its picked file
    std::vector<std::unique_ptr<CDirNode>> m_addedFolders;
    std::unordered_set<const CDirNode*> m_isAddedFolder;
    std::vector<PickedFile> m_picked;
    std::vector<std::string> m_newNames;  // of renames
    std::vector<Op> m_ops;
    std::vector<Step> m_steps;
    std::size_t m_done = 0;  // steps applied
    State m_state;
};

}  // namespace vorn
