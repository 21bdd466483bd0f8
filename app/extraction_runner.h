#pragma once

#include "extract/extraction_engine.h"

#include <QString>

#include <memory>

class QWidget;

namespace vorn {

// Runs an extraction on a worker thread while the window stays alive: a
// progress dialog shows files and bytes done of the total and the current
// name, its Cancel stops the run after the current file, and existing files
// are asked about on the user-interface thread. The worker holds its own share
// of the archive.
ExtractionResult RunExtractionWithProgress(QWidget* parent, std::shared_ptr<const CArchiveFile> archive,
                                           const QString& target,
                                           const std::vector<ExtractionItem>& items, const ExtractionOptions& options);

}  // namespace vorn
