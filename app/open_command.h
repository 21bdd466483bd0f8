#pragma once

#include <cstdint>
#include <memory>

class QWidget;

namespace vorn {

class CArchiveFile;
class CBusyState;
class CPrivateTempDir;

// Open with the desktop: extracts the entry into a new folder of the private
// temporary folder (with progress, as a job of busy, as any extraction) and
// hands the file to the desktop's default application for its type. A failure
// is shown over parent, naming the file and the reason.
void StartOpenWithDesktop(QWidget* parent, CBusyState& busy, std::shared_ptr<const CArchiveFile> archive,
                          std::uint32_t entry, CPrivateTempDir& temporary);

}  // namespace vorn
