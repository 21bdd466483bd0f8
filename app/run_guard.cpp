#include "app/run_guard.h"

#include <QActionGroup>

namespace vorn {

CRunGuard::CRunGuard(QObject* parent) : QObject(parent), m_guarded(new QActionGroup(this))
{
    // A group only to switch its actions together: they stay independent otherwise.
    m_guarded->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
}

void CRunGuard::Guard(QAction* action)
{
    m_guarded->addAction(action);
}

void CRunGuard::RequestStop()
{
    if (IsRunning())
        emit StopRequested();
}

void CRunGuard::SetRuns(int runs)
{
    const bool wasRunning = IsRunning();
    m_runs = runs;
    if (IsRunning() == wasRunning)
        return;
    // A disabled group disables its actions; enabled again, each action has its own state back.
    m_guarded->setEnabled(!IsRunning());
    emit RunningChanged(IsRunning());
}

CRunGuard::Scope::Scope(CRunGuard& guard) : m_guard(guard)
{
    m_guard.SetRuns(m_guard.m_runs + 1);
}

CRunGuard::Scope::~Scope()
{
    m_guard.SetRuns(m_guard.m_runs - 1);
}

}  // namespace vorn
