#pragma once

#include <memory>

class QWidget;

namespace vorn {

class CArchiveFile;
class CRunGuard;

// Test Archive: the checks of `vorn-cli check`, run on a worker thread that
// holds its own share of the archive, under a progress dialog once they take a
// moment. Cancel, or a stop asked through guard, ends them without a report;
// otherwise the report window opens over parent.
void TestArchive(QWidget* parent, CRunGuard& guard, std::shared_ptr<const CArchiveFile> archive);

}  // namespace vorn
