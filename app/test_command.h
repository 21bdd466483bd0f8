#pragma once

#include <memory>

class QWidget;

namespace vorn {

class CArchiveFile;
class CBusyState;

// Test Archive: the checks of `vorn-cli check`, run as a job of busy that
// holds its own share of the archive, under a progress dialog once they take
// a moment. Cancel, or a stop asked for otherwise, ends them without a report;
// otherwise the report window opens over parent.
void StartTestArchive(QWidget* parent, CBusyState& busy, std::shared_ptr<const CArchiveFile> archive);

}  // namespace vorn
