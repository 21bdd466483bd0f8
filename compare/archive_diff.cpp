#include "compare/archive_diff.h"

#include "compare/entry_bytes.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <unordered_set>

namespace vorn {
namespace {

enum Side { kA = 0, kB = 1 };

// A file as the pairing keeps it while its counterpart is awaited.
struct PendingFile {
    std::uint32_t offset;
    std::uint32_t size;
};

// A file as a load hands it over: its folder's path ("DATA\\SUB\\", empty
// at the top level) is kept once for its side, not once for each file.
struct ArrivedFile {
    const std::string* folderPath;
    std::string name;
    PendingFile file;

    std::string Path() const { return *folderPath + name; }
};

using Batch = std::vector<ArrivedFile>;

// Two files of one path and one size whose bytes are compared once both
// archives are open.
struct SameSizePair {
    std::string path;
    std::uint32_t offsetA;
    std::uint32_t offsetB;
    std::uint32_t size;
};

// Pairs the files of both archives by path as the two loads hand them over.
// Archives in the same order pair file by file, in step; where the orders
// part, a file waits, by path, for its counterpart, and the pairing steps on
// again where they meet.
class FilePairing {
public:
    // One side's files, a batch at a time.
    void Take(Side side, Batch&& batch)
    {
        std::unique_lock lock(m_mutex);
        // A side far ahead waits for the other to catch up.
        m_changed.wait(lock, [&] { return m_queued[side].size() < kAhead || m_done[1 - side]; });
        if (!batch.empty())
            m_queued[side].push_back(std::move(batch));
        Pair();
        m_changed.notify_all();
    }

    void Done(Side side)
    {
        std::lock_guard lock(m_mutex);
        m_done[side] = true;
        Pair();
        m_changed.notify_all();
    }

    // Where a side's files keep their folders' paths. Only the side's loading
    // thread adds to it; the addresses stay while the pairing reads them.
    std::deque<std::string>& FolderPaths(Side side) { return m_folderPaths[side]; }

    // Once both sides are done.
    std::unordered_map<std::string, PendingFile>& OnlyIn(Side side) { return m_pending[side]; }
    std::vector<std::string>& ChangedBySize() { return m_changedBySize; }
    std::vector<SameSizePair>& SameSize() { return m_sameSize; }

private:
    static constexpr std::size_t kAhead = 4;  // batches

    bool HasNext(Side side) const { return !m_queued[side].empty(); }
    ArrivedFile& Next(Side side) { return m_queued[side].front()[m_next[side]]; }
    void Pop(Side side)
    {
        if (++m_next[side] == m_queued[side].front().size()) {
            m_queued[side].pop_front();
            m_next[side] = 0;
        }
    }

    // Pairs what both sides have handed over, and once one side is done, what
    // the other hands over.
    void Pair()
    {
        while (HasNext(kA) && HasNext(kB)) {
            ArrivedFile& a = Next(kA);
            ArrivedFile& b = Next(kB);
            if (a.name == b.name && *a.folderPath == *b.folderPath) {
                Compare(a.Path(), a.file, b.file);
                Pop(kA);
                Pop(kB);
            } else if (PairWithWaiting(kA, a)) {
                Pop(kA);
            } else if (PairWithWaiting(kB, b)) {
                Pop(kB);
            } else {
                Wait(kA, a);
                Wait(kB, b);
                Pop(kA);
                Pop(kB);
            }
        }
        for (const Side side : {kA, kB}) {
            const auto other = static_cast<Side>(1 - side);
            for (; m_done[other] && HasNext(side); Pop(side))
                if (!PairWithWaiting(side, Next(side)))
                    Wait(side, Next(side));
        }
    }

    // Pairs the file with the other side's file of its path waiting; false
    // when there is none.
    bool PairWithWaiting(Side side, const ArrivedFile& arrived)
    {
        auto& waiting = m_pending[1 - side];
        if (waiting.empty())
            return false;
        const std::string path = arrived.Path();
        const auto other = waiting.find(path);
        if (other == waiting.end())
            return false;
        if (side == kA)
            Compare(path, arrived.file, other->second);
        else
            Compare(path, other->second, arrived.file);
        waiting.erase(other);
        return true;
    }

    // Of two files of one path on one side, the later stands.
    void Wait(Side side, const ArrivedFile& arrived) { m_pending[side].insert_or_assign(arrived.Path(), arrived.file); }

    void Compare(std::string path, const PendingFile& a, const PendingFile& b)
    {
        if (a.size != b.size)
            m_changedBySize.push_back(std::move(path));
        else if (a.size > 0)
            m_sameSize.push_back({std::move(path), a.offset, b.offset, a.size});
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::string> m_folderPaths[2] = {{""}, {""}};
    std::deque<Batch> m_queued[2];
    std::size_t m_next[2] = {0, 0};  // in the first queued batch
    std::unordered_map<std::string, PendingFile> m_pending[2];
    bool m_done[2] = {false, false};
    std::vector<std::string> m_changedBySize;
    std::vector<SameSizePair> m_sameSize;
};

// Loads one archive, handing its files to the pairing in batches.
const CArchiveFile* LoadSide(const OpenArchiveWith& open, Side side, FilePairing& pairing)
{
    constexpr std::size_t kBatch = 4096;
    Batch batch;
    batch.reserve(kBatch);
    std::deque<std::string>& folderPaths = pairing.FolderPaths(side);
    const CDirNode* folder = nullptr;
    const CArchiveFile* archive = open([&](const FileEntry& entry) {
        if (entry.m_folder != folder) {
            folder = entry.m_folder;
            folderPaths.push_back(folder ? folder->GetPath().substr(1) + '\\' : std::string());
        }
        batch.push_back({&folderPaths.back(), entry.m_name, {entry.m_offset, entry.m_size}});
        if (batch.size() == kBatch) {
            pairing.Take(side, std::move(batch));
            batch = {};
            batch.reserve(kBatch);
        }
    });
    pairing.Take(side, std::move(batch));
    pairing.Done(side);
    return archive;
}

std::vector<std::string> FolderPaths(const CArchiveFile& archive)
{
    std::vector<std::string> paths;
    ForEachFolder(archive.GetCatalogue(), [&](const CDirNode& folder) { paths.push_back(folder.GetPath().substr(1)); });
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::vector<std::string> Missing(const std::vector<std::string>& from, const std::vector<std::string>& in)
{
    std::vector<std::string> missing;
    std::set_difference(from.begin(), from.end(), in.begin(), in.end(), std::back_inserter(missing));
    return missing;
}

// Compares the pairs' bytes on two threads, each taking every other pair.
void CompareSameSize(const std::vector<SameSizePair>& pairs, const CArchiveFile& a, const CArchiveFile& b,
                     ArchiveDiff& diff)
{
    std::vector<char> outcome(pairs.size());  // 0 same, 1 differ, 2 unread
    const auto compare = [&](std::size_t first) {
        for (std::size_t i = first; i < pairs.size(); i += 2) {
            const SameSizePair& pair = pairs[i];
            const auto same = SameBytes({&a.Source(), pair.offsetA, pair.size}, {&b.Source(), pair.offsetB, pair.size});
            outcome[i] = !same ? 2 : *same ? 0 : 1;
        }
    };
    std::thread second(compare, 1);
    compare(0);
    second.join();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (outcome[i] == 1)
            diff.changed.push_back(pairs[i].path);
        else if (outcome[i] == 2)
            diff.unread.push_back({ArchiveDiff::Unread::Side::A, pairs[i].path});
    }
}

// Pairs files only in A with files only in B of the same bytes, in path order;
// the rest are removed and added. Only sizes both sides have are read.
void FindMoves(std::unordered_map<std::string, PendingFile>& onlyA, std::unordered_map<std::string, PendingFile>& onlyB,
               const CArchiveFile& a, const CArchiveFile& b, ArchiveDiff& diff)
{
    using Candidates = std::map<std::string, PendingFile>;  // by path
    const Candidates removed(std::make_move_iterator(onlyA.begin()), std::make_move_iterator(onlyA.end()));
    Candidates added(std::make_move_iterator(onlyB.begin()), std::make_move_iterator(onlyB.end()));
    std::unordered_set<std::uint32_t> removedSizes;
    for (const auto& [path, file] : removed)
        removedSizes.insert(file.size);

    using ContentKey = std::pair<std::uint32_t, std::uint64_t>;  // size, hash
    std::map<ContentKey, std::vector<Candidates::iterator>> addedByContent;
    std::unordered_set<std::uint32_t> addedSizes;  // of those hashed
    for (auto file = added.begin(); file != added.end(); ++file) {
        if (!removedSizes.contains(file->second.size))
            continue;
        if (const auto hash = ContentHash({&b.Source(), file->second.offset, file->second.size})) {
            addedByContent[{file->second.size, *hash}].push_back(file);
            addedSizes.insert(file->second.size);
        } else
            diff.unread.push_back({ArchiveDiff::Unread::Side::B, file->first});
    }
    for (const auto& [path, file] : removed) {
        const EntryBytes bytes{&a.Source(), file.offset, file.size};
        const bool sizeAdded = addedSizes.contains(file.size);
        const std::optional<std::uint64_t> hash = sizeAdded ? ContentHash(bytes) : std::nullopt;
        if (sizeAdded && !hash) {
            diff.unread.push_back({ArchiveDiff::Unread::Side::A, path});
            continue;
        }
        const auto group = hash ? addedByContent.find({file.size, *hash}) : addedByContent.end();
        std::optional<Candidates::iterator> match;
        if (group != addedByContent.end()) {
            auto& sameContent = group->second;
            const auto found = std::ranges::find_if(sameContent, [&, size = file.size](Candidates::iterator candidate) {
                return SameBytes(bytes, {&b.Source(), candidate->second.offset, size}) == true;
            });
            if (found != sameContent.end()) {
                match = *found;
                sameContent.erase(found);
            }
        }
        if (match) {
            diff.moved.push_back({path, (*match)->first});
            added.erase(*match);
        } else {
            diff.removed.push_back(path);
        }
    }
    for (const auto& [path, file] : added)
        diff.added.push_back(path);
}

}  // namespace

bool ArchiveDiff::Equal() const
{
    return added.empty() && removed.empty() && changed.empty() && moved.empty() && foldersAdded.empty() &&
           foldersRemoved.empty();
}

std::optional<ArchiveDiff> CompareArchives(const OpenArchiveWith& openA, const OpenArchiveWith& openB)
{
    FilePairing pairing;
    const CArchiveFile* b = nullptr;
    std::thread loadB([&] { b = LoadSide(openB, kB, pairing); });
    const CArchiveFile* a = LoadSide(openA, kA, pairing);
    loadB.join();
    if (!a || !b)
        return std::nullopt;

    ArchiveDiff diff;
    diff.changed = std::move(pairing.ChangedBySize());
    CompareSameSize(pairing.SameSize(), *a, *b, diff);
    FindMoves(pairing.OnlyIn(kA), pairing.OnlyIn(kB), *a, *b, diff);
    const std::vector<std::string> foldersA = FolderPaths(*a);
    const std::vector<std::string> foldersB = FolderPaths(*b);
    diff.foldersRemoved = Missing(foldersA, foldersB);
    diff.foldersAdded = Missing(foldersB, foldersA);
    std::sort(diff.changed.begin(), diff.changed.end());
    std::sort(diff.unread.begin(), diff.unread.end(),
              [](const ArchiveDiff::Unread& x, const ArchiveDiff::Unread& y) { return x.path < y.path; });
    return diff;
}

}  // namespace vorn
