#pragma once

#include <functional>
#include <memory>
#include <string>

class QString;
class QWidget;

namespace vorn {

class CArchiveFile;
class CBusyState;

// Compare With: what changed from the open archive to the one at otherPath
// (of either format, its names in the same encoding), as a job of busy that
// reads both anew. The report opens beside the window and stays while the
// user looks: a row activated hands the path of its item in the open archive
// to reveal.
void StartCompareArchives(QWidget* parent, CBusyState& busy, std::shared_ptr<const CArchiveFile> archive,
                          const QString& otherPath, std::function<void(const std::string& path)> reveal);

}  // namespace vorn
