#include "archive/describe_failure.h"

#include <cstring>

namespace vorn {

Message DescribeFailure(const Failure& failure, FolderFailureText folderText)
{
    const std::string& path = failure.path;
    const std::string reason = failure.error ? std::strerror(failure.error) : std::string();
    switch (failure.kind) {
    case FailureKind::RefusedName:
        return {"Refused unsafe name " + path, failure.unsafeName ? DescribeUnsafeName(*failure.unsafeName) : ""};
    case FailureKind::NameTaken:
        return {"Left out " + path, "a file and a folder of its folder have this name; the first one is written"};
    case FailureKind::NameSpelledTwice:
        return {"Left out " + path,
                "its name decodes the same as an earlier, differently spelled name in its folder"};
    case FailureKind::FolderExists:
    case FailureKind::FolderNotCreated:
        return {(folderText == FolderFailureText::MakeDirectory ? "Could not make directory "
                                                                : "Could not create directory ") +
                    path,
                reason};
    case FailureKind::FolderNotEntered:
        return {"Could not change to directory " + path, reason};
    case FailureKind::TargetNotOpened:
        return {"Could not open folder " + path, reason};
    case FailureKind::FileNotCreated:
        return {"Could not create file " + path, reason};
    case FailureKind::ShortRead:
        return {"Could not read the data of " + path,
                reason.empty() ? "the archive ends before the file's data does" : reason};
    case FailureKind::WriteFailed:
        return {"Could not write file " + path, reason};
    case FailureKind::KeptExisting:
        return {"Did not replace existing file " + path, reason};
    case FailureKind::NotReplaced:
        return {"Could not replace file " + path, reason};
    case FailureKind::WouldReplaceArchive:
        return {"Will not replace the archive being read: " + path, ""};
    }
    return {};
}

}  // namespace vorn
