#pragma once

#include "app/job.h"
#include "write/archive_writer.h"

#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <functional>

namespace vorn {

// Writes an archive on the job's thread under a progress dialog with Cancel:
// the task gets the observer the writer reports its progress to and asks whether
// to stop. done gets the result on the user-interface thread.
class CWriteJob final : public CJob, private WriteObserver {
public:
    using Task = std::function<WriteResult(WriteObserver& observer)>;
    using Done = std::function<void(const WriteResult& result)>;

    CWriteJob(QWidget* parent, const QString& label, Task task, Done done);

private:
    void Work() override;
    void Deliver() override;
    void Progress(const WriteProgress& progress) override;
    bool StopRequested() const override { return CJob::StopRequested(); }

    Task m_task;
    Done m_done;
    WriteResult m_result;
    std::atomic<int> m_permille{0};
    QProgressDialog m_progress;
    QTimer m_refresh;
};

}  // namespace vorn
