#include "app/write_job.h"

#include "app/run_progress.h"

namespace vorn {

CWriteJob::CWriteJob(QWidget* parent, const QString& label, Task task, Done done)
    : m_task(std::move(task)), m_done(std::move(done)), m_progress(parent), m_refresh(this)
{
    SetUpRunProgress(m_progress, label);
    connect(&m_progress, &QProgressDialog::canceled, this, &CJob::RequestStop);
    connect(&m_refresh, &QTimer::timeout, this, [this] { m_progress.setValue(m_permille.load()); });
    m_refresh.start(100);
}

void CWriteJob::Work()
{
    m_result = m_task(*this);
}

void CWriteJob::Deliver()
{
    m_refresh.stop();
    // Hidden before any message opens, so that its delayed showing cannot come up over it.
    m_progress.hide();
    m_progress.cancel();
    m_done(m_result);
}

void CWriteJob::Progress(const WriteProgress& progress)
{
    // Files count as bytes do, so that a pack of many empty files moves too.
    const std::uint64_t total = progress.bytesTotal + progress.filesTotal;
    const std::uint64_t done = progress.bytesDone + progress.filesDone;
    m_permille = total ? static_cast<int>(1000 * done / total) : 0;
}

}  // namespace vorn
