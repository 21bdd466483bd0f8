#pragma once

#include "extract/extraction_engine.h"

#include <QString>

#include <memory>

class QWidget;

namespace vorn {

class CRunGuard;

// Runs an extraction on a worker thread while the window stays alive. A
// progress dialog shows the files and bytes done of the run's totals and the
// current name; its Cancel, or a stop requested through guard, stops the run,
// discarding the file being written. Existing files are asked about on the
// user-interface thread, over the progress dialog, and a stop answers an open
// question with Cancel. The worker holds its own share of the archive.
ExtractionResult RunExtractionWithProgress(QWidget* parent, CRunGuard& guard,
                                           std::shared_ptr<const CArchiveFile> archive, const QString& target,
                                           const std::vector<ExtractionItem>& items, const ExtractionOptions& options);

}  // namespace vorn
