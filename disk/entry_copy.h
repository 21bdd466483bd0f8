#pragma once

#include "disk/failure.h"

#include <cstdint>
#include <span>
#include <string>
#include <sys/types.h>

namespace vorn {

// Told about every chunk copied; answers whether to stop.
class CopyMonitor {
public:
    virtual ~CopyMonitor() = default;
    virtual void BytesCopied(std::uint64_t count) = 0;
    virtual bool ShouldStop() const = 0;
};

// The archive copies read from: its descriptor, and what identifies its file
// on disk, so that no copy ever replaces it.
struct CopySource {
    int fd = -1;
    dev_t device = 0;
    ino_t inode = 0;
};

// Looks the identity up once; a run makes one source for all its copies.
CopySource CopySourceOf(int archiveFd);

enum class ExistingFile { Keep, Replace };

// IsArchive: the name holds the archive being read, which is never replaced.
enum class CopyStatus { Copied, Exists, IsArchive, CreateFailed, ShortRead, WriteFailed, ReplaceFailed, Stopped };

struct [[nodiscard]] CopyResult {
    CopyStatus status = CopyStatus::Copied;
    int error = 0;  // errno of the failing call, if any
};

struct DataRange {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

// Copies a range of the file inFd to outOffset in outFd, in the kernel where it
// can; the files' positions stay where they are, so several threads may copy
// into one file at once. ShortRead: inFd ends before the range does.
CopyResult CopyRange(int inFd, DataRange range, int outFd, std::uint64_t outOffset, CopyMonitor* monitor = nullptr);

// Copies a range of the archive into the file `name` inside the folder dirFd.
// The name shows the file only once every byte is written (see PendingFile);
// a failed or stopped copy leaves nothing behind. An existing name (a file, a
// folder or a symbolic link, never followed) is left alone with
// ExistingFile::Keep, which looks before it copies; with Replace the complete
// copy takes its place in one rename.
CopyResult CopyArchiveRange(const CopySource& source, DataRange range, int dirFd, const std::string& name,
                            ExistingFile existing, CopyMonitor* monitor = nullptr);

// Writes bytes of the archive read beforehand into the file `name` inside the
// folder dirFd, as CopyArchiveRange would copy them.
CopyResult WriteArchiveBytes(const CopySource& source, std::span<const unsigned char> bytes, int dirFd,
                             const std::string& name, ExistingFile existing, CopyMonitor* monitor = nullptr);

// The failure a copy that did not end in Copied or Stopped stands for, with the
// target file's path.
std::optional<Failure> CopyFailure(const CopyResult& result, std::string path);

}  // namespace vorn
