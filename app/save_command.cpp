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
               ArchiveFormat format, std::function<void(bool saved)> done)
{
    // The job holds the archive, whose descriptor the save reads.
    std::shared_ptr<const CArchiveFile> archive = pending.Saved();
    SaveRequest request{archive->Descriptor(), archive->GetFormat(), archive->GetNameEncoding(), pending.Changes(),
                        format, {QFile::encodeName(target).toStdString(), ExistingFile::Replace},
                        DefaultExtractionJobs()};
    auto task = [archive = std::move(archive), request = std::move(request)](WriteObserver& observer) mutable {
        request.observer = &observer;
        return SaveChanges(request);
    };
    busy.Run(new CWriteJob(parent, QObject::tr("Saving %1...").arg(target), std::move(task),
                           [parent, done = std::move(done)](const WriteResult& result) {
                               const bool saved = result.problems.empty();
                               if (!saved && result.problems.front().kind != WriteProblemKind::Stopped)
                                   ShowMessageBox(parent, DescribeWriteProblems(result.problems));
                               done(saved);
                           }));
}

}  // namespace vorn
