#pragma once

#include "archive/archive_format.h"

#include <QString>

#include <functional>

class QWidget;

namespace vorn {

class CBusyState;
class PendingArchive;

// Writes the open archive with its pending changes to target, in format,
// as a job under a progress dialog with Cancel. The archive is made beside
// target and takes its name only once complete, so a failure or a cancel
// leaves whatever was there untouched; what went wrong is told in a message
// box. done(saved) follows on the user-interface thread.
void StartSave(QWidget* parent, CBusyState& busy, const PendingArchive& pending, const QString& target,
               ArchiveFormat format, std::function<void(bool saved)> done);

}  // namespace vorn
