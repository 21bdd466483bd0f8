#pragma once

#include "archive/archive_file.h"

#include <memory>
#include <optional>
#include <string>

namespace vorn::cli {

enum ExitCode { kExitOk = 0, kExitFailures = 1, kExitUsage = 2 };

struct ArchiveArguments {
    std::string path;
    std::string format;  // "", "dir" or "pck"
    std::string encoding = kDefaultNameEncoding;  // of the names
};

// Opens the archive for a command, its files passed to sink instead of kept
// when one is given. Reports on standard error and leaves `exit` at kExitUsage
// when the file cannot be opened or its format or name encoding is unknown; the
// unknown records of the load are reported once, with their count.
struct [[nodiscard]] OpenedArchive {
    std::unique_ptr<CArchiveFile> archive;  // null when the file could not be opened
    std::string problem;                    // why the command cannot go on, if it cannot
    int exit = kExitOk;
};

OpenedArchive OpenArchive(const ArchiveArguments& arguments, MessageReporter& reporter, const FileSink& sink = {},
                          FileRecordOffsets offsets = FileRecordOffsets::Drop);

// Prints what the load found wrong on standard error, notes aside; true if it
// found anything but notes.
bool ReportLoadAnomalies(const CArchiveFile& archive);

// "PATH: N more anomalies not shown", when count is not 0.
void ReportUnshownAnomalies(MessageReporter& reporter, const std::string& path, std::size_t count);

}  // namespace vorn::cli
