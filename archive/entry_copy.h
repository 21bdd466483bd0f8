#pragma once

#include "framework/message_reporter.h"

#include <cstdint>
#include <string>

namespace vorn {

// Told about every chunk copied; answers whether to stop.
class CopyMonitor {
public:
    virtual ~CopyMonitor() = default;
    virtual void BytesCopied(std::uint64_t count) = 0;
    virtual bool ShouldStop() const = 0;
};

enum class ExistingFile { Keep, Replace };

enum class CopyStatus { Copied, Exists, CreateFailed, ShortRead, WriteFailed, ReplaceFailed, Stopped };

struct CopyResult {
    CopyStatus status = CopyStatus::Copied;
    int error = 0;  // errno of the failing call, if any
};

struct DataRange {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

// Copies a range of the archive into the file `name` inside the folder dirFd.
// A new name is created exclusively and removed again if the copy fails. An
// existing name (a file, a folder or a symbolic link, never followed) is left
// alone with ExistingFile::Keep; with Replace the data goes to a temporary
// file beside it, renamed over it only once every byte is written.
CopyResult CopyArchiveRange(int archiveFd, DataRange range, int dirFd, const std::string& name,
                            ExistingFile existing, CopyMonitor* monitor = nullptr);

// The user's message for a failed copy; displayPath names the target file.
Message DescribeCopyFailure(const CopyResult& result, const std::string& displayPath);

}  // namespace vorn
