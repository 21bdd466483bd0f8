#pragma once

#include <QString>

#include <functional>

class QProgressDialog;

namespace vorn {

// The look every run's progress dialog shares: window-modal, permille steps,
// shown only once the run has taken 300 ms, and kept open until the run ends.
void SetUpRunProgress(QProgressDialog& dialog, const QString& label);

// Runs work on a thread of its own and returns once it is done, the user
// interface thread serving its events meanwhile (progress, Cancel, timers).
void RunOffUiThread(const std::function<void()>& work);

}  // namespace vorn
