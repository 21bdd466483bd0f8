#pragma once

#include "cli/commands.h"
#include "write/archive_writer.h"

namespace vorn::cli {

// "Removed N leftover temporary files of an interrupted run", when there were any.
void ReportLeftoversRemoved(MessageReporter& reporter, std::uint64_t count);

// Prints each problem on standard error; false when there were none.
bool ReportWriteProblems(MessageReporter& reporter, const WriteProblems& problems);

// Writes the tree to the output as pack and update do: progress on standard
// error unless quiet, SIGINT and SIGTERM stop it (and nothing is written), a
// summary in JSON on standard output when asked. Returns the exit code.
int WriteAndReport(const EditTree& tree, NameEncoder& names, const SourceArchive& source, ArchiveFormat format,
                   const OutputOptions& output, OutputTarget target, MessageReporter& reporter);

}  // namespace vorn::cli
