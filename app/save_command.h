#pragma once

#include "archive/archive_format.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace vorn {

class CArchiveFile;
class CBusyState;
class MessageReporter;
class PendingArchive;

// Writes the open archive with its pending changes to target, in format,
// as a job under a progress dialog with Cancel. The archive is made beside
// target and takes its name only once complete, so a failure or a cancel
// leaves whatever was there untouched; what went wrong is told in a message
// box. The job then reads what it wrote, as the archive to show (reporter
// receives its later failures), so that the window waits for neither.
// done(saved) follows on the user-interface thread, null when nothing was saved.
void StartSave(QWidget* parent, CBusyState& busy, const PendingArchive& pending, const QString& target,
               ArchiveFormat format, MessageReporter& reporter,
               std::function<void(std::shared_ptr<const CArchiveFile> saved)> done);

}  // namespace vorn
