#include "app/save_command.h"

#include "app/busy_state.h"
#include "app/write_job.h"
#include "archive/archive_file.h"
#include "edit/pending_archive.h"
#include "edit/save_changes.h"
#include "extract/extraction_engine.h"
#include "framework/message_box.h"
#include "write/describe_write_problem.h"

#include <QFile>

namespace vorn {

void StartSave(QWidget* parent, CBusyState& busy, const PendingArchive& pending, const QString& target,
               ArchiveFormat format, MessageReporter& reporter,
               std::function<void(std::shared_ptr<const CArchiveFile> saved)> done)
{
    // The job holds the archive, whose descriptor the save reads.
    std::shared_ptr<const CArchiveFile> archive = pending.Saved();
    SaveRequest request{archive->Descriptor(), archive->GetFormat(), archive->GetNameEncoding(), pending.Changes(),
                        format, {QFile::encodeName(target).toStdString(), ExistingFile::Replace},
                        DefaultExtractionJobs()};
    // Written on the job's thread, read on this one once the job has ended.
    auto saved = std::make_shared<std::shared_ptr<const CArchiveFile>>();
    auto task = [archive = std::move(archive), request = std::move(request), saved,
                 &reporter](WriteObserver& observer) mutable {
        request.observer = &observer;
        WriteResult result = SaveChanges(request);
        if (result.problems.empty())
            *saved = std::make_shared<const CArchiveFile>(
                request.target.path, reporter, request.format,
                NameDecoder::For(request.nameEncoding).value_or(NameDecoder::Default()));
        return result;
    };
    busy.Run(new CWriteJob(parent, QObject::tr("Saving %1...").arg(target), std::move(task),
                           [parent, saved, done = std::move(done)](const WriteResult& result) {
                               if (!result.problems.empty() &&
                                   result.problems.front().kind != WriteProblemKind::Stopped)
                                   ShowMessageBox(parent, DescribeWriteProblems(result.problems));
                               done(result.problems.empty() ? *saved : nullptr);
                           }));
}

}  // namespace vorn
