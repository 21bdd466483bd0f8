#pragma once

#include <QString>

class QProgressDialog;

namespace vorn {

// The look every run's progress dialog shares: window-modal, permille steps,
// shown only once the run has taken 300 ms, and kept open until the run ends.
void SetUpRunProgress(QProgressDialog& dialog, const QString& label);

}  // namespace vorn
