#include "cli/archive_output.h"

#include "cli/human_size.h"
#include "cli/interrupt_signals.h"
#include "cli/json_text.h"
#include "cli/output_buffer.h"
#include "cli/progress_line.h"
#include "extract/extraction_engine.h"
#include "write/describe_write_problem.h"

#include <unistd.h>

namespace vorn::cli {

void ReportLeftoversRemoved(MessageReporter& reporter, std::uint64_t count)
{
    if (count > 0)
        reporter.ShowMessage({"Removed " + GroupDigits(count) +
                                  (count == 1 ? " leftover temporary file" : " leftover temporary files") +
                                  " of an interrupted run",
                              ""});
}

bool ReportWriteProblems(MessageReporter& reporter, const WriteProblems& problems)
{
    for (const WriteProblem& problem : problems)
        reporter.ShowMessage(DescribeWriteProblem(problem));
    return !problems.empty();
}

int WriteAndReport(const EditTree& tree, NameEncoder& names, const SourceArchive& source, ArchiveFormat format,
                   const OutputOptions& output, OutputTarget target, MessageReporter& reporter)
{
    WriteResult result;
    int signal = 0;
    {
        const InterruptSignals interrupts;
        ProgressLine progress(!output.quiet && ::isatty(STDERR_FILENO));
        const unsigned jobs = output.jobs ? output.jobs : DefaultExtractionJobs();
        result = WriteArchive(tree, names, source, {format, jobs, &progress}, target);
        signal = InterruptSignals::Received();
    }
    ReportLeftoversRemoved(reporter, result.leftoversRemoved);
    if (ReportWriteProblems(reporter, result.problems)) {
        const bool stopped = result.problems.front().kind == WriteProblemKind::Stopped;
        return stopped && signal ? 128 + signal : kExitFailures;
    }
    if (output.json) {
        OutputBuffer out;
        out << "{\"folders\": " << result.count.folders
            << ", \"files\": " << result.count.files
            << ", \"bytes\": " << result.count.bytes
            << ", \"archive_bytes\": " << result.archiveBytes
            << ", \"output\": " << JsonQuote(target.path) << "}\n";
        if (!out.Finish(reporter))
            return kExitFailures;
    }
    return kExitOk;
}

}  // namespace vorn::cli
