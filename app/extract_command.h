#pragma once

#include "extract/extraction_engine.h"
#include "extract/extract_request.h"

#include <QString>

#include <optional>

class QWidget;

namespace vorn {

class CRunGuard;

// The Extract command of either pane: asks for the target folder (starting
// with the default extraction folder, offering the last ones extracted into),
// makes it with its parents where it is missing and makes sure it can be
// entered, then extracts the pane's selection with progress, entering folders
// that exist already and asking before it replaces an existing file, and shows
// every failure together at the end. guard marks the run and its report.
// Nothing when the user cancelled the dialog or the target was refused.
std::optional<ExtractionResult> RunExtractCommand(QWidget* parent, CRunGuard& guard, const ExtractRequest& request,
                                                  const QString& initialFolder);
// The same without the dialog: extracts into target (Extract Here).
std::optional<ExtractionResult> ExtractInto(QWidget* parent, CRunGuard& guard, const ExtractRequest& request,
                                            const QString& target);

// The failures of a run, not counting its warnings.
std::uint64_t FailureCount(const ExtractionResult& result);

// What the status bar says after a run: "1,234 files extracted" (", 3
// skipped" for existing files kept), "Cancelled after 517 of 1,234 files" or
// "3 failures — see the report".
QString OutcomeText(const ExtractionResult& result);

}  // namespace vorn
