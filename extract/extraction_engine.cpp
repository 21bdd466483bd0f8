#include "extract/extraction_engine.h"

#include "archive/archive_file.h"
#include "archive/entry_copy.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>

namespace vorn {

namespace {

class Executor final : private CopyMonitor {
public:
    Executor(const CArchiveFile& archive, const ExtractionPlan& plan, const ExtractionOptions& options,
             ExtractionObserver* observer)
        : m_archive(archive), m_source(CopySourceOf(archive.Descriptor())), m_plan(plan), m_options(options),
          m_observer(observer), m_overwrite(options.overwrite)
    {
        m_progress.filesTotal = plan.totalFiles;
        m_progress.bytesTotal = plan.totalBytes;
    }

    ~Executor() override
    {
        for (const OpenFolder& folder : m_folders)
            ::close(folder.fd);
    }

    ExtractionResult Run(const std::string& target)
    {
        m_result.failures = m_plan.refused;
        m_result.filesPlanned = m_plan.totalFiles;
        // A folder opened as a path only can be written into without being listed.
        const int targetFd = ::open(target.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (targetFd < 0) {
            m_result.failures.push_back({FailureKind::TargetNotOpened, target, errno});
            return m_result;
        }
        m_folders.push_back({targetFd, false});
        if (m_observer)
            m_observer->Progress(m_progress);  // the totals, before the first file
        for (std::size_t i = 0; i < m_plan.steps.size();) {
            if (ShouldStop()) {
                m_result.cancelled = true;
                break;
            }
            const PlanStep& step = m_plan.steps[i];
            CloseFoldersAbove(step.depth);
            if (step.action == PlanStep::Action::MakeFolder)
                i = MakeFolder(step) ? i + 1 : step.subtreeEnd;
            else {
                WriteFile(step);
                ++i;
            }
        }
        // A stop during the last file, or a Cancel to its question, ends the loop as well.
        m_result.cancelled = m_result.cancelled || m_cancelRequested;
        return m_result;
    }

private:
    // Keeps the target and the first `depth` folders made below it open.
    void CloseFoldersAbove(std::size_t depth)
    {
        while (m_folders.size() > depth + 1) {
            ::close(m_folders.back().fd);
            m_folders.pop_back();
        }
    }

    bool MakeFolder(const PlanStep& step)
    {
        const int parent = m_folders.back().fd;
        const bool made = ::mkdirat(parent, step.name.c_str(), 0777) == 0;
        const int error = made ? 0 : errno;
        if (!made && (error != EEXIST || m_options.existingFolder == ExistingFolder::Refuse)) {
            Fail({error == EEXIST ? FailureKind::FolderExists : FailureKind::FolderNotCreated, step.relativePath, error});
            return false;
        }
        // O_NOFOLLOW with O_DIRECTORY refuses a symbolic link (ENOTDIR) even for a path-only open.
        const int folder = ::openat(parent, step.name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (folder < 0) {
            Fail({FailureKind::FolderNotEntered, step.relativePath, errno});
            return false;
        }
        if (made) {
            ++m_result.foldersCreated;
            m_foldersMade.insert(step.relativePath);
        }
        m_folders.push_back({folder, made || m_foldersMade.contains(step.relativePath)});
        return true;
    }

    void WriteFile(const PlanStep& step)
    {
        const FileEntry& entry = m_archive.Entries()[step.entry];
        m_progress.currentPath = step.relativePath;
        // Inside a folder this run made, and for a name this run wrote itself,
        // a second record of the same name replaces the first.
        const bool inFolderMade = m_folders.back().madeByRun;
        const bool ownName = inFolderMade || m_filesWritten.contains(step.relativePath);
        const bool replace = ownName || m_overwrite == OverwritePolicy::Replace;
        CopyResult copy = Copy(entry, step, replace ? ExistingFile::Replace : ExistingFile::Keep);
        if (copy.status == CopyStatus::Exists && m_overwrite == OverwritePolicy::Ask && m_observer) {
            switch (m_observer->AskOverwrite(step.relativePath)) {
            case OverwriteAnswer::YesToAll:
                m_overwrite = OverwritePolicy::Replace;
                [[fallthrough]];
            case OverwriteAnswer::Yes:
                copy = Copy(entry, step, ExistingFile::Replace);
                break;
            case OverwriteAnswer::Cancel:
                m_cancelRequested = true;
                [[fallthrough]];
            case OverwriteAnswer::No:
                ++m_result.filesKept;
                FinishFile();
                return;
            }
        }
        if (copy.status == CopyStatus::Copied) {
            ++m_result.filesWritten;
            m_result.bytesWritten += entry.m_size;
            if (!inFolderMade)
                m_filesWritten.insert(step.relativePath);
        } else if (copy.status == CopyStatus::Stopped) {
            m_cancelRequested = true;  // the run stops here, whatever the observer says next
        } else if (auto failure = CopyFailure(copy, step.relativePath)) {
            Fail(std::move(*failure));
        }
        FinishFile();
    }

    CopyResult Copy(const FileEntry& entry, const PlanStep& step, ExistingFile existing)
    {
        const std::uint64_t bytesBeforeFile = m_progress.bytesDone;
        const CopyResult result = CopyArchiveRange(m_source, {entry.m_offset, entry.m_size}, m_folders.back().fd,
                                                   step.name, existing, this);
        if (result.status != CopyStatus::Copied)
            m_progress.bytesDone = bytesBeforeFile;  // a failed copy left nothing behind
        return result;
    }

    void FinishFile()
    {
        ++m_progress.filesDone;
        if (m_observer)
            m_observer->Progress(m_progress);
    }

    void Fail(Failure failure) { m_result.failures.push_back(std::move(failure)); }

    void BytesCopied(std::uint64_t count) override
    {
        m_progress.bytesDone += count;
        if (m_observer)
            m_observer->Progress(m_progress);
    }

    bool ShouldStop() const override
    {
        return m_cancelRequested || (m_observer && m_observer->CancelRequested());
    }

    struct OpenFolder {
        int fd;
        bool madeByRun;  // so every name in it was written by this run
    };

    const CArchiveFile& m_archive;
    const CopySource m_source;
    const ExtractionPlan& m_plan;
    const ExtractionOptions& m_options;
    ExtractionObserver* m_observer;
    OverwritePolicy m_overwrite;
    bool m_cancelRequested = false;
    std::vector<OpenFolder> m_folders;  // the target, then each folder entered below it, innermost last
    std::unordered_set<std::string> m_foldersMade;   // relative paths
    std::unordered_set<std::string> m_filesWritten;  // relative paths, in folders this run did not make
    ExtractionProgress m_progress;
    ExtractionResult m_result;
};

}  // namespace

ExtractionResult RunExtraction(const CArchiveFile& archive, const std::string& target,
                               const std::vector<ExtractionItem>& items, const ExtractionOptions& options,
                               ExtractionObserver* observer)
{
    const ExtractionPlan plan = PlanExtraction(archive.GetCatalogue(), items);
    return Executor(archive, plan, options, observer).Run(target);
}

}  // namespace vorn
