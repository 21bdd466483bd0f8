#include "app/busy_state.h"

#include "app/job.h"

#include <QActionGroup>

#include <algorithm>

namespace vorn {

CBusyState::CBusyState(QObject* parent) : QObject(parent), m_waiting(new QActionGroup(this))
{
    // A group only to switch its actions together: they stay independent otherwise.
    m_waiting->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
}

void CBusyState::WaitsWhileBusy(QAction* action)
{
    m_waiting->addAction(action);
}

void CBusyState::Run(CJob* job)
{
    job->setParent(this);
    m_jobs.emplace_back(job);
    connect(job, &CJob::Ended, this, [this, job] { Forget(job); });
    if (m_jobs.size() == 1) {
        // A disabled group disables its actions; enabled again, each action has its own state back.
        m_waiting->setEnabled(false);
        emit BusyChanged(true);
    }
    job->Start();
}

void CBusyState::StopAll()
{
    for (const QPointer<CJob>& job : m_jobs)
        if (job)
            job->RequestStop();
}

void CBusyState::Forget(CJob* job)
{
    std::erase(m_jobs, job);
    job->deleteLater();
    if (!m_jobs.empty())
        return;
    m_waiting->setEnabled(true);
    emit BusyChanged(false);
}

}  // namespace vorn
