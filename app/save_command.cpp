#include "app/save_command.h"

#include "app/busy_state.h"
#include "app/job.h"
#include "app/run_progress.h"
#include "archive/archive_file.h"
#include "edit/pending_archive.h"
#include "edit/save_changes.h"
#include "extract/extraction_engine.h"
#include "framework/message_box.h"
#include "write/describe_write_problem.h"

#include <QFile>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>

namespace vorn {
namespace {

class CSaveJob final : public CJob, private WriteObserver {
public:
    CSaveJob(QWidget* parent, const PendingArchive& pending, const QString& target, ArchiveFormat format,
             std::function<void(bool)> done)
        : m_parent(parent), m_archive(pending.Saved()), m_done(std::move(done)), m_progress(parent), m_refresh(this)
    {
        m_request.archiveFd = m_archive->Descriptor();
        m_request.archiveFormat = m_archive->GetFormat();
        m_request.nameEncoding = m_archive->GetNameEncoding();
        m_request.changes = pending.Changes();
        m_request.format = format;
        m_request.target = {QFile::encodeName(target).toStdString(), ExistingFile::Replace};
        m_request.jobs = DefaultExtractionJobs();
        m_request.observer = this;
        SetUpRunProgress(m_progress, tr("Saving %1...").arg(target));
        connect(&m_progress, &QProgressDialog::canceled, this, &CJob::RequestStop);
        connect(&m_refresh, &QTimer::timeout, this, [this] { m_progress.setValue(m_permille.load()); });
        m_refresh.start(100);
    }

private:
    void Work() override { m_result = SaveChanges(m_request); }

    void Deliver() override
    {
        m_refresh.stop();
        m_progress.hide();
        m_progress.cancel();
        const bool saved = m_result.problems.empty();
        if (!saved && m_result.problems.front().kind != WriteProblemKind::Stopped)
            ShowMessageBox(m_parent, DescribeWriteProblems(m_result.problems));
        m_done(saved);
    }

    void Progress(const WriteProgress& progress) override
    {
        const std::uint64_t total = progress.bytesTotal + progress.filesTotal;
        const std::uint64_t done = progress.bytesDone + progress.filesDone;
        m_permille = total ? static_cast<int>(1000 * done / total) : 0;
    }

    bool StopRequested() const override { return CJob::StopRequested(); }

    QWidget* m_parent;
    std::shared_ptr<const CArchiveFile> m_archive;  // the descriptor the save reads stays open
    std::function<void(bool)> m_done;
    SaveRequest m_request;
    WriteResult m_result;
    std::atomic<int> m_permille{0};
    QProgressDialog m_progress;
    QTimer m_refresh;
};

}  // namespace

void StartSave(QWidget* parent, CBusyState& busy, const PendingArchive& pending, const QString& target,
               ArchiveFormat format, std::function<void(bool saved)> done)
{
    busy.Run(new CSaveJob(parent, pending, target, format, std::move(done)));
}

}  // namespace vorn
