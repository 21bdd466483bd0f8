#pragma once

#include "framework/message_reporter.h"

#include <optional>
#include <string>

namespace vorn {

class CArchiveFile;

// Everything an archive's load skipped or found wrong, as one message with a
// line for each finding: "Unknown file type encountered." when unknown records
// were among them. Notes are left out. Nothing when the load went cleanly, or
// found notes only. shownPath names the archive in the message.
std::optional<Message> LoadReport(const CArchiveFile& archive, const std::string& shownPath);

// "Error opening file." with the path and why, for an archive that could not be opened.
Message OpenFailure(const CArchiveFile& archive, const std::string& shownPath);

}  // namespace vorn
