#pragma once

#include "disk/failure.h"
#include "framework/message_reporter.h"

namespace vorn {

// The pane's wording for a folder that cannot be made in the target:
// "Could not make directory " or "Could not create directory ".
enum class FolderFailureText { MakeDirectory, CreateDirectory };

// The user's message for a failure: a fixed wording with the path, and the
// system's reason (or why a name was refused) as its detail.
Message DescribeFailure(const Failure& failure, FolderFailureText folderText = FolderFailureText::CreateDirectory);

}  // namespace vorn
