#include "extract/extraction_engine.h"

#include "archive/archive_file.h"
#include "disk/entry_copy.h"
#include "disk/pending_file.h"
#include "extract/worker_pool.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <unordered_set>

namespace vorn {

namespace {

// A batch of a folder's files is small enough to spread a folder over the
// workers and large enough that handing it over costs nothing next to the files.
constexpr std::size_t kBatchFiles = 64;
constexpr std::uint64_t kBatchBytes = 8 << 20;
// A batch whose files lie within this many bytes of the archive is read in one go.
constexpr std::uint64_t kBatchReadBytes = 1 << 20;
// The paths of files handed out that the dispatch remembers at most: waiting
// for the workers now and then costs little next to the files written meanwhile.
constexpr std::size_t kRememberedPaths = 1 << 12;
// How often the thread that runs the extraction looks for a cancel and reports
// progress while workers write.
constexpr auto kObserverInterval = std::chrono::milliseconds(50);

// An open folder, shared by the walk that entered it and the batches of its files.
struct FolderHandle {
    FolderHandle(int descriptor, bool made) : fd(descriptor), madeByRun(made) {}
    ~FolderHandle() { ::close(fd); }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;

    int fd;
    bool madeByRun;  // so every name in it was written by this run
};
using Folder = std::shared_ptr<const FolderHandle>;

struct Batch {
    Folder folder;
    std::vector<std::size_t> steps;  // plan indices, in plan order
    std::uint64_t bytes = 0;
};

// The data of a batch's files, read in one go when they lie close together in
// the archive: one read for a batch of small files instead of one for each.
struct BatchData {
    std::uint64_t offset = 0;
    std::size_t size = 0;  // 0 when not read together
    std::unique_ptr<unsigned char[]> bytes;

    std::optional<std::span<const unsigned char>> Of(const FileEntry& entry) const
    {
        if (size == 0 || entry.m_offset < offset || entry.DataEnd() > offset + size)
            return std::nullopt;
        return std::span<const unsigned char>(bytes.get() + (entry.m_offset - offset), entry.m_size);
    }
};

class Run;

// The copy of one file on one thread: its bytes go into the run's progress and
// come out again if the copy fails.
class FileCopier final : public CopyMonitor {
public:
    FileCopier(Run& run, bool onRunThread) : m_run(run), m_onRunThread(onRunThread) {}

    bool OnRunThread() const { return m_onRunThread; }
    // From bytes read beforehand when given, else from the archive.
    CopyResult Copy(const FileEntry& entry, std::optional<std::span<const unsigned char>> bytesRead, int dirFd,
                    const std::string& name, ExistingFile existing);

    void BytesCopied(std::uint64_t count) override;
    bool ShouldStop() const override;

private:
    Run& m_run;
    bool m_onRunThread;
    std::uint64_t m_fileBytes = 0;
};

// One extraction. With one job, the thread that runs it walks the plan and
// writes each file in turn. With more, it makes every folder first, then hands
// batches of files whose folders exist to a pool of workers. The observer is
// only ever called from the thread that runs the extraction: workers leave
// their questions to it and it polls for a cancel and reports progress while
// they write.
class Run final : public WorkerPool::RunThread {
public:
    Run(const CArchiveFile& archive, const ExtractionPlan& plan, const ExtractionOptions& options,
        ExtractionObserver* observer)
        : m_archive(archive), m_source(CopySourceOf(archive.Descriptor())), m_plan(plan), m_options(options),
          m_observer(observer), m_overwrite(options.overwrite)
    {
    }

    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    ExtractionResult Execute(const std::string& target)
    {
        ExtractionResult result;
        result.failures = m_plan.refused;
        result.filesPlanned = m_plan.totalFiles;
        // A folder opened as a path only can be written into without being listed.
        const int targetFd = ::open(target.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (targetFd < 0) {
            result.failures.push_back({FailureKind::TargetNotOpened, target, errno});
            return result;
        }
        const auto targetFolder = std::make_shared<const FolderHandle>(targetFd, false);
        m_leftoversRemoved = RemoveLeftoverPendingFiles(targetFd);
        m_entered.assign(m_plan.folders.size(), Entered::No);
        if (m_observer)
            m_observer->Progress(Snapshot());  // the totals, before the first file

        if (m_options.jobs > 1) {
            m_pool.emplace(*this, m_stop, kObserverInterval);
            if (!m_pool->Start(std::min<std::uint64_t>(m_options.jobs, m_plan.totalFiles)))
                m_pool.reset();  // none given: one job
        }
        if (m_pool)
            WriteFoldersFirst(targetFolder);
        else
            WalkInOrder(targetFolder);

        std::stable_sort(m_failures.begin(), m_failures.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& [step, failure] : m_failures)
            result.failures.push_back(std::move(failure));
        result.filesWritten = m_filesWritten;
        result.foldersCreated = m_foldersCreated;
        result.bytesWritten = m_bytesWritten;
        result.filesKept = m_filesKept;
        result.leftoversRemoved = m_leftoversRemoved;
        result.cancelled = m_stop;
        return result;
    }

private:
    friend class FileCopier;

    // One job: folders and files exactly in plan order.
    void WalkInOrder(const Folder& target)
    {
        FileCopier copier(*this, true);
        m_open = {target};
        for (std::size_t i = 0; i < m_plan.steps.size();) {
            if (StopRequested())
                break;
            CloseFoldersAbove(m_plan.Depth(i));
            if (m_plan.steps[i].GetAction() == PlanStep::Action::MakeFolder) {
                i = MakeFolder(i) ? i + 1 : m_plan.SubtreeEnd(i);
            } else {
                WriteFile(i, *m_open.back(), copier);
                ++i;
            }
        }
        m_open.clear();
    }

    // Several jobs: every folder first, then the files in batches.
    void WriteFoldersFirst(const Folder& target)
    {
        m_open = {target};
        for (std::size_t i = 0; i < m_plan.steps.size();) {
            if (m_plan.steps[i].GetAction() == PlanStep::Action::WriteFile) {
                ++i;
                continue;
            }
            if (StopRequested())
                break;
            CloseFoldersAbove(m_plan.Depth(i));
            i = MakeFolder(i) ? i + 1 : m_plan.SubtreeEnd(i);
        }
        m_open = {target};
        if (!m_stop)
            DispatchFiles();
        m_open.clear();
        m_pool->AwaitIdle();
        m_pool->Stop();
        if (m_observer)
            m_observer->Progress(Snapshot());  // the exact counts, whatever was reported meanwhile
    }

    // Walks the plan again through the folders made, handing their files out in
    // batches. A name given twice waits until its first file is written; so do
    // the questions about a folder the run did not make, which come in plan order.
    // The names handed out are forgotten at each wait, and a wait comes at least
    // every kRememberedPaths files, so that they never cost memory per file.
    void DispatchFiles()
    {
        Batch batch;
        std::unordered_set<std::size_t> handedOut;        // files' paths, hashed, since the last wait
        std::unordered_set<std::size_t> askedFolders;     // folders files may be asked about, likewise
        std::vector<std::size_t> batchPaths;
        const auto send = [&] {
            if (batch.steps.empty())
                return;
            handedOut.insert(batchPaths.begin(), batchPaths.end());
            batchPaths.clear();
            m_pool->Hand([this, handed = std::move(batch)] { WriteBatch(handed); });
            batch = {};
        };
        const auto waitForAll = [&] {
            send();
            m_pool->AwaitIdle();
            handedOut.clear();
            askedFolders.clear();
        };
        const std::hash<std::string_view> hash;
        for (std::size_t i = 0; i < m_plan.steps.size() && !StopRequested();) {
            const PlanStep& step = m_plan.steps[i];
            CloseFoldersAbove(m_plan.Depth(i));
            if (step.GetAction() == PlanStep::Action::MakeFolder) {
                i = EnterAgain(i) ? i + 1 : m_plan.SubtreeEnd(i);
                continue;
            }
            const Folder& folder = m_open.back();
            const bool mayAsk = !folder->madeByRun && m_options.overwrite == OverwritePolicy::Ask;
            const std::string relativePath = m_plan.RelativePath(i);
            const std::size_t path = hash(relativePath);
            const std::string_view parent(relativePath.data(), relativePath.size() - m_plan.Name(i).size());
            const std::size_t folderPath = hash(parent);
            if (batch.folder != folder ||
                (!mayAsk && (batch.steps.size() >= kBatchFiles || batch.bytes >= kBatchBytes)))
                send();
            if (handedOut.contains(path) || handedOut.size() >= kRememberedPaths ||
                (mayAsk && batch.steps.empty() && askedFolders.contains(folderPath)))
                waitForAll();
            if (mayAsk)
                askedFolders.insert(folderPath);
            batch.folder = folder;
            batch.steps.push_back(i);
            batch.bytes += m_archive.Entries()[step.entry].m_size;
            batchPaths.push_back(path);
            ++i;
        }
        send();
    }

    // Keeps the target and the first `depth` folders entered below it open.
    void CloseFoldersAbove(std::size_t depth)
    {
        while (m_open.size() > depth + 1)
            m_open.pop_back();
    }

    bool MakeFolder(std::size_t index)
    {
        const PlannedFolder& planned = m_plan.folders[m_plan.steps[index].folder];
        const int parent = m_open.back()->fd;
        const bool made = ::mkdirat(parent, planned.name.c_str(), 0777) == 0;
        const int error = made ? 0 : errno;
        if (!made && (error != EEXIST || m_options.existingFolder == ExistingFolder::Refuse)) {
            Fail(index, {error == EEXIST ? FailureKind::FolderExists : FailureKind::FolderNotCreated,
                         planned.relativePath, error});
            return false;
        }
        if (made) {
            ++m_foldersCreated;
            m_foldersMade.insert(planned.relativePath);
        }
        const bool madeByRun = made || m_foldersMade.contains(planned.relativePath);
        if (!Enter(index, madeByRun))
            return false;
        // Before any file of this run is written into it.
        if (!madeByRun)
            m_leftoversRemoved += RemoveLeftoverPendingFiles(m_open.back()->fd);
        m_entered[m_plan.steps[index].folder] = madeByRun ? Entered::Made : Entered::Merged;
        return true;
    }

    // The second walk enters the folders the first one made or merged into.
    bool EnterAgain(std::size_t index)
    {
        const Entered entered = m_entered[m_plan.steps[index].folder];
        return entered != Entered::No && Enter(index, entered == Entered::Made);
    }

    bool Enter(std::size_t index, bool madeByRun)
    {
        const PlannedFolder& planned = m_plan.folders[m_plan.steps[index].folder];
        // O_NOFOLLOW with O_DIRECTORY refuses a symbolic link (ENOTDIR) even for a path-only open.
        const int fd = ::openat(m_open.back()->fd, planned.name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            Fail(index, {FailureKind::FolderNotEntered, planned.relativePath, errno});
            return false;
        }
        m_open.push_back(std::make_shared<const FolderHandle>(fd, madeByRun));
        return true;
    }

    void WriteFile(std::size_t index, const FolderHandle& folder, FileCopier& copier,
                   const BatchData* batchData = nullptr)
    {
        const FileEntry& entry = m_archive.Entries()[m_plan.steps[index].entry];
        const auto readBytes = batchData ? batchData->Of(entry) : std::nullopt;
        const std::string& name = m_plan.Name(index);
        m_currentStep.store(index, std::memory_order_relaxed);
        // Inside a folder this run made, and for a name this run wrote itself,
        // a second record of the same name replaces the first.
        const bool ownName = folder.madeByRun || WroteItself(m_plan.RelativePath(index));
        const OverwritePolicy policy = m_overwrite.load(std::memory_order_relaxed);
        const bool replace = ownName || policy == OverwritePolicy::Replace;
        CopyResult copy =
            copier.Copy(entry, readBytes, folder.fd, name, replace ? ExistingFile::Replace : ExistingFile::Keep);
        if (copy.status == CopyStatus::Exists && policy == OverwritePolicy::Ask && m_observer) {
            const std::string relativePath = m_plan.RelativePath(index);
            switch (copier.OnRunThread() ? Answer(relativePath, entry.m_size)
                                         : m_pool->Ask(relativePath, entry.m_size)) {
            case OverwriteAnswer::Yes:
            case OverwriteAnswer::YesToAll:
                copy = copier.Copy(entry, readBytes, folder.fd, name, ExistingFile::Replace);
                break;
            case OverwriteAnswer::Cancel:
            case OverwriteAnswer::No:
            case OverwriteAnswer::NoToAll:
                ++m_filesKept;
                FinishFile(copier);
                return;
            }
        }
        if (copy.status == CopyStatus::Copied) {
            ++m_filesWritten;
            m_bytesWritten += entry.m_size;
            if (!folder.madeByRun)
                NoteWrittenItself(m_plan.RelativePath(index));
        } else if (copy.status == CopyStatus::Stopped) {
            m_stop = true;  // the run stops here, whatever the observer says next
            return;         // and the file is not done
        } else if (auto failure = CopyFailure(copy, m_plan.RelativePath(index))) {
            Fail(index, std::move(*failure));
        }
        FinishFile(copier);
    }

    void FinishFile(const FileCopier& copier)
    {
        ++m_filesDone;
        if (copier.OnRunThread() && m_observer)
            m_observer->Progress(Snapshot());
    }

    // On a worker.
    void WriteBatch(const Batch& batch)
    {
        FileCopier copier(*this, false);
        const BatchData batchData = ReadTogether(batch);
        for (const std::size_t index : batch.steps) {
            if (m_stop)
                break;
            WriteFile(index, *batch.folder, copier, &batchData);
        }
    }

    // The batch's data when it spans little more than the files themselves; a
    // failed read leaves each file to be read, and reported, by itself.
    BatchData ReadTogether(const Batch& batch) const
    {
        std::uint64_t begin = UINT64_MAX;
        std::uint64_t end = 0;
        for (const std::size_t index : batch.steps) {
            const FileEntry& entry = m_archive.Entries()[m_plan.steps[index].entry];
            if (entry.m_size > 0) {
                begin = std::min<std::uint64_t>(begin, entry.m_offset);
                end = std::max(end, entry.DataEnd());
            }
        }
        if (end <= begin || end - begin > kBatchReadBytes || end - begin > 2 * batch.bytes)
            return {};
        BatchData data{begin, static_cast<std::size_t>(end - begin),
                       std::make_unique_for_overwrite<unsigned char[]>(static_cast<std::size_t>(end - begin))};
        if (m_archive.Source().ReadAt(begin, {data.bytes.get(), data.size}) != data.size)
            return {};
        return data;
    }

    // On the thread that runs the extraction only.
    OverwriteAnswer Answer(const std::string& relativePath, std::uint64_t newSize) override
    {
        if (m_overwrite.load(std::memory_order_relaxed) == OverwritePolicy::Replace)
            return OverwriteAnswer::Yes;  // a Yes to all given meanwhile
        if (m_keepAll)
            return OverwriteAnswer::No;  // a No to all given meanwhile
        if (m_stop)
            return OverwriteAnswer::Cancel;
        const OverwriteAnswer answer = m_observer->AskOverwrite(relativePath, newSize);
        if (answer == OverwriteAnswer::YesToAll)
            m_overwrite.store(OverwritePolicy::Replace, std::memory_order_relaxed);
        // Kept files are counted, not reported, as after each No.
        if (answer == OverwriteAnswer::NoToAll)
            m_keepAll = true;
        if (answer == OverwriteAnswer::Cancel)
            m_stop = true;
        return answer;
    }

    void WhileWaiting() override
    {
        StopRequested();
        if (m_observer)
            m_observer->Progress(Snapshot());
    }

    // On the thread that runs the extraction only.
    bool StopRequested()
    {
        if (!m_stop && m_observer && m_observer->CancelRequested())
            m_stop = true;
        return m_stop;
    }

    ExtractionProgress Snapshot() const
    {
        ExtractionProgress progress;
        progress.filesTotal = m_plan.totalFiles;
        progress.bytesTotal = m_plan.totalBytes;
        progress.filesDone = m_filesDone;
        progress.bytesDone = m_bytesDone;
        const std::size_t current = m_currentStep.load(std::memory_order_relaxed);
        if (current < m_plan.steps.size())
            progress.currentPath = m_plan.RelativePath(current);
        return progress;
    }

    bool WroteItself(const std::string& relativePath)
    {
        const std::lock_guard lock(m_mutex);
        return m_ownFiles.contains(relativePath);
    }

    void NoteWrittenItself(const std::string& relativePath)
    {
        const std::lock_guard lock(m_mutex);
        m_ownFiles.insert(relativePath);
    }

    void Fail(std::size_t index, Failure failure)
    {
        const std::lock_guard lock(m_mutex);
        m_failures.emplace_back(index, std::move(failure));
    }

    const CArchiveFile& m_archive;
    const CopySource m_source;
    const ExtractionPlan& m_plan;
    const ExtractionOptions& m_options;
    ExtractionObserver* m_observer;

    // The walk's own, on the thread that runs the extraction.
    std::vector<Folder> m_open;  // the target, then each folder entered below it, innermost last
    std::unordered_set<std::string> m_foldersMade;  // relative paths
    enum class Entered : std::uint8_t { No, Merged, Made };
    std::vector<Entered> m_entered;  // by the plan's folders
    std::uint64_t m_foldersCreated = 0;
    std::uint64_t m_leftoversRemoved = 0;
    bool m_keepAll = false;  // No to all was answered

    // Shared with the workers.
    std::atomic<OverwritePolicy> m_overwrite;
    std::atomic<bool> m_stop{false};
    std::atomic<std::uint64_t> m_filesDone{0};
    std::atomic<std::uint64_t> m_bytesDone{0};
    std::atomic<std::uint64_t> m_filesWritten{0};
    std::atomic<std::uint64_t> m_bytesWritten{0};
    std::atomic<std::uint64_t> m_filesKept{0};
    std::atomic<std::size_t> m_currentStep{SIZE_MAX};

    std::mutex m_mutex;  // guards what follows
    std::unordered_set<std::string> m_ownFiles;  // relative paths written in folders the run did not make
    std::vector<std::pair<std::size_t, Failure>> m_failures;  // with their plan index

    // Last, so that its workers are gone before anything they use.
    std::optional<WorkerPool> m_pool;  // with several jobs
};

CopyResult FileCopier::Copy(const FileEntry& entry, std::optional<std::span<const unsigned char>> bytesRead,
                            int dirFd, const std::string& name, ExistingFile existing)
{
    m_fileBytes = 0;
    const CopyResult result =
        bytesRead ? WriteArchiveBytes(m_run.m_source, *bytesRead, dirFd, name, existing, this)
             : CopyArchiveRange(m_run.m_source, {entry.m_offset, entry.m_size}, dirFd, name, existing, this);
    if (result.status != CopyStatus::Copied)
        m_run.m_bytesDone -= m_fileBytes;  // a failed copy left nothing behind
    return result;
}

void FileCopier::BytesCopied(std::uint64_t count)
{
    m_fileBytes += count;
    m_run.m_bytesDone += count;
    if (m_onRunThread && m_run.m_observer)
        m_run.m_observer->Progress(m_run.Snapshot());
}

bool FileCopier::ShouldStop() const
{
    return m_onRunThread ? m_run.StopRequested() : m_run.m_stop.load(std::memory_order_relaxed);
}

}  // namespace

unsigned DefaultExtractionJobs()
{
    return std::clamp(std::thread::hardware_concurrency(), 4u, 8u);
}

ExtractionResult RunExtraction(const CArchiveFile& archive, const std::string& target,
                               const std::vector<ExtractionItem>& items, const ExtractionOptions& options,
                               ExtractionObserver* observer)
{
    const ExtractionPlan plan = PlanExtraction(archive.GetCatalogue(), items);
    return Run(archive, plan, options, observer).Execute(target);
}

}  // namespace vorn
