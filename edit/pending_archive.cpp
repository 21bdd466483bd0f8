#include "edit/pending_archive.h"

#include "archive/windows1252.h"
#include "write/folder_scan.h"

#include <algorithm>
#include <sys/stat.h>

namespace vorn {
namespace {

NameEncoder EncoderFor(const CArchiveFile& archive)
{
    if (std::optional<NameEncoder> names = NameEncoder::For(archive.GetNameEncoding()))
        return std::move(*names);
    return std::move(*NameEncoder::For(kDefaultNameEncoding));
}

std::size_t DepthOf(const CDirNode* folder)
{
    return folder ? folder->Depth() : 0;
}

bool IsFolderOnDisk(const std::string& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

PendingArchive::PendingArchive(std::shared_ptr<const CArchiveFile> saved)
    : m_saved(std::move(saved)), m_savedFiles(static_cast<std::uint32_t>(m_saved->Entries().size())),
      m_limits(LimitsOf(m_saved->GetFormat())), m_names(EncoderFor(*m_saved))
{
}

const FileEntry& PendingArchive::File(std::uint32_t entry) const
{
    return FileIn(m_state, entry);
}

const FileEntry& PendingArchive::FileIn(const State& state, std::uint32_t entry) const
{
    if (const auto patched = state.files.find(entry); patched != state.files.end())
        return patched->second.entry;
    return entry < m_savedFiles ? m_saved->Entries()[entry] : m_addedFiles[entry - m_savedFiles];
}

std::string_view PendingArchive::FolderName(const CDirNode& folder) const
{
    const auto renamed = m_state.folderNames.find(&folder);
    return renamed != m_state.folderNames.end() ? std::string_view(renamed->second) : std::string_view(folder.m_name);
}

ListRows PendingArchive::ContentOf(const CDirNode* folder) const
{
    if (m_done == 0)
        return vorn::ContentOf(m_saved->GetCatalogue(), folder);
    ListRows rows{FoldersOf(folder), {}};
    const auto keep = [&](std::uint32_t entry) {
        if (!m_state.deletedFiles.contains(entry))
            rows.files.push_back(entry);
    };
    if (!m_isAddedFolder.contains(folder))
        std::ranges::for_each(m_saved->GetCatalogue().FilesOf(folder), keep);
    if (const auto added = m_state.added.find(folder); added != m_state.added.end())
        std::ranges::for_each(added->second.files, keep);
    return rows;
}

std::vector<const CDirNode*> PendingArchive::FoldersOf(const CDirNode* folder) const
{
    std::vector<const CDirNode*> folders;
    const auto keep = [&](const CDirNode* child) {
        if (!m_state.deletedFolders.contains(child))
            folders.push_back(child);
    };
    if (!m_isAddedFolder.contains(folder))
        for (const auto& child : m_saved->GetCatalogue().FoldersOf(folder))
            keep(child.get());
    if (const auto added = m_state.added.find(folder); added != m_state.added.end())
        std::ranges::for_each(added->second.folders, keep);
    return folders;
}

std::string PendingArchive::PathOf(const PendingItem& item) const
{
    return PathIn(m_state, item);
}

std::string PendingArchive::PathIn(const State& state, const PendingItem& item) const
{
    std::vector<std::string_view> names;
    const CDirNode* folder = item.folder;
    if (!item.IsFolder()) {
        const FileEntry& file = FileIn(state, item.file);
        names.push_back(file.m_name);
        folder = file.m_folder;
    }
    for (; folder; folder = folder->m_parent) {
        const auto renamed = state.folderNames.find(folder);
        names.push_back(renamed != state.folderNames.end() ? renamed->second : folder->m_name);
    }
    std::string path;
    for (auto name = names.rbegin(); name != names.rend(); ++name)
        path.append(path.empty() ? "" : "\\").append(*name);
    return path;
}

PendingMark PendingArchive::MarkOf(const PendingItem& item) const
{
    PendingMark mark;
    mark.added = IsAdded(item);
    if (item.IsFolder()) {
        mark.renamed = !mark.added && m_state.folderNames.contains(item.folder);
        if (mark.renamed)
            mark.savedName = item.folder->m_name;
        return mark;
    }
    const auto patched = m_state.files.find(item.file);
    if (patched != m_state.files.end()) {
        mark.renamed = !mark.added && patched->second.renamed;
        if (patched->second.picked != PatchedFile::kNotPicked)
            mark.source = &m_picked[patched->second.picked];
    }
    if (mark.added && !mark.source)
        mark.source = &m_picked[m_addedSources[item.file - m_savedFiles]];
    if (!mark.added) {
        const FileEntry& saved = m_saved->Entries()[item.file];
        mark.savedSize = saved.m_size;
        mark.savedName = saved.m_name;
    }
    return mark;
}

bool PendingArchive::IsAdded(const PendingItem& item) const
{
    return item.IsFolder() ? m_isAddedFolder.contains(item.folder) : item.file >= m_savedFiles;
}

bool PendingArchive::IsShown(const CDirNode* folder) const
{
    for (; folder; folder = folder->m_parent) {
        if (m_state.deletedFolders.contains(folder))
            return false;
        if (m_isAddedFolder.contains(folder)) {
            // Its step may have been undone.
            const auto added = m_state.added.find(folder->m_parent);
            if (added == m_state.added.end() || std::ranges::find(added->second.folders, folder) ==
                                                    added->second.folders.end())
                return false;
        }
    }
    return true;
}

// The changes.

WriteProblems PendingArchive::Replace(std::uint32_t entry, const std::string& diskPath)
{
    WriteProblems problems;
    std::optional<PickedFile> picked = PickFile(diskPath, problems);
    if (!picked)
        return problems;
    Begin();
    Push({Op::Kind::Replace, AddPicked(std::move(*picked)), PendingItem::File(entry)});
    Commit(PendingStep::Kind::Replace, 1);
    return problems;
}

WriteProblems PendingArchive::Add(const CDirNode* folder, const std::vector<std::string>& diskPaths)
{
    // Everything is checked and every file picked before anything is made, so
    // that a refused Add leaves the history as it was.
    struct Taken {
        std::string name;
        std::optional<EditFolder> tree;  // a folder, or
        std::optional<PickedFile> file;  // a file
    };
    WriteProblems problems;
    TakenNames taken = NamesIn(folder);
    const std::string folderPath = FolderPath(folder);
    std::vector<Taken> items;
    std::vector<PickedFile> picks;  // of the folders' files, in the order MakeScanned takes them
    for (const std::string& path : diskPaths) {
        if (IsFolderOnDisk(path)) {
            const std::size_t room = m_limits.folderDepth - std::min(m_limits.folderDepth, DepthOf(folder) + 1);
            ScannedFolder scanned = ScanFolder(path, room);
            if (scanned.problems.empty())
                CheckScanned(folderPath, DepthOf(folder) + 1, scanned.folder, taken, picks, problems);
            problems.insert(problems.end(), scanned.problems.begin(), scanned.problems.end());
            items.push_back({scanned.folder.name, std::move(scanned.folder), std::nullopt});
        } else if (std::optional<PickedFile> picked = PickFile(path, problems)) {
            CheckName(folderPath, LastPathName(path), taken, problems);
            items.push_back({LastPathName(path), std::nullopt, std::move(picked)});
        }
    }
    if (!problems.empty() || items.empty())
        return problems;
    Begin();
    std::size_t nextPick = 0;
    for (Taken& item : items) {
        if (item.tree)
            MakeScanned(folder, *item.tree, picks, nextPick);
        else
            AddFile(folder, item.name, std::move(*item.file));
    }
    Commit(PendingStep::Kind::Add, diskPaths.size());
    return problems;
}

void PendingArchive::CheckScanned(const std::string& intoPath, std::size_t depth, const EditFolder& scanned,
                                  TakenNames& taken, std::vector<PickedFile>& picks, WriteProblems& problems)
{
    const std::string path = CheckName(intoPath, scanned.name, taken, problems);
    if (depth > m_limits.folderDepth)
        problems.push_back({WriteProblemKind::TooDeep, scanned.diskPath, 0, {}, 0, m_limits.folderDepth});
    TakenNames inside;
    for (const EditFile& file : scanned.files) {
        if (std::optional<PickedFile> picked = PickFile(scanned.diskPath + '/' + file.name, problems)) {
            CheckName(path, file.name, inside, problems);
            picks.push_back(std::move(*picked));
        }
    }
    for (const EditFolder& child : scanned.folders)
        CheckScanned(path, depth + 1, child, inside, picks, problems);
}

void PendingArchive::MakeScanned(const CDirNode* into, const EditFolder& scanned, std::vector<PickedFile>& picks,
                                 std::size_t& nextPick)
{
    const CDirNode* folder = m_addedFolders.emplace_back(std::make_unique<CDirNode>(scanned.name, into)).get();
    m_isAddedFolder.insert(folder);
    Push({Op::Kind::AddFolder, 0, PendingItem::Folder(*folder)});
    for (const EditFile& file : scanned.files)
        AddFile(folder, file.name, std::move(picks[nextPick++]));
    for (const EditFolder& child : scanned.folders)
        MakeScanned(folder, child, picks, nextPick);
}

WriteProblems PendingArchive::MakeFolder(const CDirNode* folder, const std::string& name)
{
    WriteProblems problems;
    TakenNames taken = NamesIn(folder);
    CheckName(FolderPath(folder), name, taken, problems);
    if (DepthOf(folder) + 1 > m_limits.folderDepth)
        problems.push_back({WriteProblemKind::TooDeep, PathOf(PendingItem::Folder(*folder)), 0, {}, 0,
                            m_limits.folderDepth});
    if (!problems.empty())
        return problems;
    Begin();
    const CDirNode* made = m_addedFolders.emplace_back(std::make_unique<CDirNode>(name, folder)).get();
    m_isAddedFolder.insert(made);
    Push({Op::Kind::AddFolder, 0, PendingItem::Folder(*made)});
    Commit(PendingStep::Kind::MakeFolder, 1);
    return problems;
}

WriteProblems PendingArchive::Rename(const PendingItem& item, const std::string& name)
{
    const CDirNode* folder = item.IsFolder() ? item.folder->m_parent : File(item.file).m_folder;
    WriteProblems problems;
    TakenNames taken = NamesIn(folder, &item);
    CheckName(FolderPath(folder), name, taken, problems);
    if (!problems.empty())
        return problems;
    const std::string oldName = item.IsFolder() ? std::string(FolderName(*item.folder)) : File(item.file).m_name;
    if (oldName == name)
        return problems;
    Begin();
    m_newNames.push_back(name);
    m_newNames.push_back(oldName);
    Push({Op::Kind::Rename, static_cast<std::uint32_t>(m_newNames.size() - 2), item});
    Commit(PendingStep::Kind::Rename, 1);
    return problems;
}

void PendingArchive::Delete(const std::vector<PendingItem>& items)
{
    if (items.empty())
        return;
    Begin();
    for (const PendingItem& item : items)
        Push({Op::Kind::Delete, 0, item});
    Commit(PendingStep::Kind::Delete, items.size());
}

// The history.

std::optional<PendingStep> PendingArchive::NextUndo() const
{
    return m_done > 0 ? std::optional(StepAt(m_done - 1)) : std::nullopt;
}

std::optional<PendingStep> PendingArchive::NextRedo() const
{
    return m_done < m_steps.size() ? std::optional(StepAt(m_done)) : std::nullopt;
}

PendingStep PendingArchive::StepAt(std::size_t step) const
{
    const Op& first = m_ops[StepBegin(step)];
    std::string name;
    switch (first.kind) {
    case Op::Kind::Rename:
        name = m_newNames[first.value + 1];
        break;
    case Op::Kind::AddFolder:
        name = first.item.folder->m_name;
        break;
    default:
        name = first.item.IsFolder() ? std::string(FolderName(*first.item.folder)) : File(first.item.file).m_name;
    }
    return {m_steps[step].kind, m_steps[step].items, std::move(name)};
}

const CDirNode* PendingArchive::FolderOfAdded(const Op& op) const
{
    return op.kind == Op::Kind::AddFolder ? op.item.folder->m_parent
                                          : m_addedFiles[op.item.file - m_savedFiles].m_folder;
}

void PendingArchive::Undo()
{
    if (m_done == 0)
        return;
    --m_done;
    Replay();
}

void PendingArchive::Redo()
{
    if (m_done == m_steps.size())
        return;
    for (std::size_t op = StepBegin(m_done); op < m_steps[m_done].opsEnd; ++op)
        Apply(m_state, m_ops[op]);
    ++m_done;
}

void PendingArchive::Replay()
{
    m_state = {};
    for (std::size_t op = 0; op < StepBegin(m_done); ++op)
        Apply(m_state, m_ops[op]);
}

void PendingArchive::Begin()
{
    if (m_done < m_steps.size()) {
        DropOpsFrom(StepBegin(m_done));
        m_steps.resize(m_done);
    }
    m_steps.push_back({m_ops.size(), 0, PendingStep::Kind::Replace});
}

void PendingArchive::Commit(PendingStep::Kind kind, std::size_t items)
{
    m_steps.back() = {m_ops.size(), static_cast<std::uint32_t>(items), kind};
    ++m_done;
}

void PendingArchive::DropOpsFrom(std::size_t firstOp)
{
    // Items are made in the order of the ops that bring them: the first one
    // a dropped op made is where each list is cut.
    std::size_t files = m_addedFiles.size();
    std::size_t picked = m_picked.size();
    std::size_t names = m_newNames.size();
    std::size_t folders = m_addedFolders.size();
    for (std::size_t index = m_ops.size(); index-- > firstOp;) {
        const Op& op = m_ops[index];
        switch (op.kind) {
        case Op::Kind::AddFile:
            files = op.item.file - m_savedFiles;
            picked = op.value;
            break;
        case Op::Kind::Replace:
            picked = op.value;
            break;
        case Op::Kind::Rename:
            names = op.value;
            break;
        case Op::Kind::AddFolder:
            folders = static_cast<std::size_t>(
                std::find_if(m_addedFolders.begin(), m_addedFolders.begin() + static_cast<std::ptrdiff_t>(folders),
                             [&](const auto& added) { return added.get() == op.item.folder; }) -
                m_addedFolders.begin());
            break;
        case Op::Kind::Delete:
            break;
        }
    }
    for (std::size_t folder = folders; folder < m_addedFolders.size(); ++folder)
        m_isAddedFolder.erase(m_addedFolders[folder].get());
    m_addedFolders.resize(folders);
    m_addedFiles.resize(files);
    m_addedSources.resize(files);
    m_picked.resize(picked);
    m_newNames.resize(names);
    m_ops.resize(firstOp);
}

void PendingArchive::Push(Op op)
{
    Apply(m_state, op);
    m_ops.push_back(std::move(op));
}

void PendingArchive::Apply(State& state, const Op& op) const
{
    static const State kNoChanges;
    const auto patched = [&]() -> PatchedFile& {
        const auto [found, made] = state.files.try_emplace(op.item.file);
        if (made)
            found->second.entry = FileIn(kNoChanges, op.item.file);
        return found->second;
    };
    switch (op.kind) {
    case Op::Kind::Replace: {
        PatchedFile& file = patched();
        file.entry.m_size = static_cast<std::uint32_t>(m_picked[op.value].size);
        file.picked = op.value;
        break;
    }
    case Op::Kind::AddFile:
        state.added[FolderOfAdded(op)].files.push_back(op.item.file);
        break;
    case Op::Kind::AddFolder:
        state.added[FolderOfAdded(op)].folders.push_back(op.item.folder);
        break;
    case Op::Kind::Delete:
        if (op.item.IsFolder())
            state.deletedFolders.insert(op.item.folder);
        else
            state.deletedFiles.insert(op.item.file);
        break;
    case Op::Kind::Rename:
        if (op.item.IsFolder()) {
            state.folderNames[op.item.folder] = m_newNames[op.value];
        } else {
            PatchedFile& file = patched();
            file.entry.m_name = m_newNames[op.value];
            file.renamed = true;
        }
        break;
    }
}

std::vector<TreeChange> PendingArchive::Changes() const
{
    std::vector<TreeChange> changes;
    State state;
    for (std::size_t index = 0; index < StepBegin(m_done); ++index) {
        const Op& op = m_ops[index];
        const bool adds = op.kind == Op::Kind::AddFile || op.kind == Op::Kind::AddFolder;
        const CDirNode* into = adds ? FolderOfAdded(op) : nullptr;
        const std::string path = PathIn(state, !adds ? op.item : into ? PendingItem::Folder(*into) : PendingItem{});
        switch (op.kind) {
        case Op::Kind::Replace:
            changes.push_back({TreeChange::Kind::Replace, path, m_picked[op.value].path, m_picked[op.value]});
            break;
        case Op::Kind::AddFile: {
            const PickedFile& picked = m_picked[op.value];
            changes.push_back({TreeChange::Kind::Add, path.empty() ? "/" : path, picked.path, picked});
            break;
        }
        case Op::Kind::AddFolder:
            changes.push_back(
                {TreeChange::Kind::MakeFolder, (path.empty() ? "" : path + '\\') + op.item.folder->m_name});
            break;
        case Op::Kind::Delete:
            changes.push_back({TreeChange::Kind::Delete, path});
            break;
        case Op::Kind::Rename:
            changes.push_back({TreeChange::Kind::Rename, path, m_newNames[op.value]});
            break;
        }
        Apply(state, op);
    }
    return changes;
}

// The checks.

PendingArchive::TakenNames PendingArchive::NamesIn(const CDirNode* folder, const PendingItem* except) const
{
    const ListRows rows = ContentOf(folder);
    TakenNames taken;
    taken.reserve(rows.Size());
    for (const CDirNode* child : rows.folders)
        if (!except || !except->IsFolder() || except->folder != child)
            taken.emplace(FoldCase(FolderName(*child)), FolderName(*child));
    for (const std::uint32_t entry : rows.files)
        if (!except || except->IsFolder() || except->file != entry)
            taken.emplace(FoldCase(File(entry).m_name), File(entry).m_name);
    return taken;
}

std::string PendingArchive::FolderPath(const CDirNode* folder) const
{
    return folder ? PathOf(PendingItem::Folder(*folder)) : std::string();
}

std::string PendingArchive::CheckName(const std::string& folderPath, const std::string& name, TakenNames& taken,
                                      WriteProblems& problems)
{
    std::string path = folderPath.empty() ? name : folderPath + '\\' + name;
    if (std::optional<WriteProblem> problem = CheckNewName(name, path, m_limits, m_names))
        problems.push_back(std::move(*problem));
    else if (const auto [found, added] = taken.emplace(FoldCase(name), name); !added)
        problems.push_back({WriteProblemKind::NameTaken, path, 0, {}, 0, 0, found->second});
    return path;
}

void PendingArchive::AddFile(const CDirNode* folder, const std::string& name, PickedFile picked)
{
    const auto entry = static_cast<std::uint32_t>(m_savedFiles + m_addedFiles.size());
    m_addedFiles.emplace_back(folder, name, static_cast<std::uint32_t>(picked.size), 0);
    m_addedSources.push_back(AddPicked(std::move(picked)));
    Push({Op::Kind::AddFile, m_addedSources.back(), PendingItem::File(entry)});
}

std::uint32_t PendingArchive::AddPicked(PickedFile picked)
{
    m_picked.push_back(std::move(picked));
    return static_cast<std::uint32_t>(m_picked.size() - 1);
}

}  // namespace vorn
