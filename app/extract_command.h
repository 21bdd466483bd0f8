#pragma once

#include "extract/extraction_engine.h"
#include "extract/pane_selection.h"

#include <QString>

#include <functional>

class QWidget;

namespace vorn {

class CBusyState;

// What the window does with a run's result once its report has been shown.
using ExtractionDone = std::function<void(const ExtractionResult& result)>;

// The Extract command of either pane: asks for the target folder (starting
// with the default extraction folder, offering the last ones extracted into),
// makes it with its parents where it is missing and makes sure it can be
// entered, then extracts the pane's selection as a job of busy, entering
// folders that exist already and asking before it replaces an existing file,
// and shows every failure together at the end before done is called. Nothing
// happens when the user cancels the dialog; a refused target is shown and
// ends there.
void StartExtractCommand(QWidget* parent, CBusyState& busy, const PaneSelection& request,
                         const QString& initialFolder, ExtractionDone done);
// The same without the dialog: extracts into target (Extract to Default
// Folder, drag out). False when the target was refused.
bool StartExtractionInto(QWidget* parent, CBusyState& busy, const PaneSelection& request, const QString& target,
                         ExtractionDone done);

// The failures of a run, not counting its warnings.
std::uint64_t FailureCount(const ExtractionResult& result);

// What the status bar says after a run: "1,234 files extracted" (", 3
// skipped" for existing files kept, and the leftovers of an interrupted run
// that were removed), "Cancelled after 517 of 1,234 files" or "3 failures —
// see the report".
QString OutcomeText(const ExtractionResult& result);

}  // namespace vorn
