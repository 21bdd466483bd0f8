#include "cli/commands.h"
#include "cli/json_text.h"
#include "cli/output_buffer.h"
#include "compare/archive_diff.h"

namespace vorn::cli {
namespace {

void PrintText(OutputBuffer& out, const ArchiveDiff& diff, const std::string& a, const std::string& b)
{
    const auto lines = [&](const std::vector<std::string>& paths, std::string_view before, std::string_view after) {
        for (const std::string& path : paths) {
            out << before;
            out.Escaped(path) << after << '\n';
        }
    };
    lines(diff.foldersRemoved, "Folder only in " + a + ": ", "");
    lines(diff.foldersAdded, "Folder only in " + b + ": ", "");
    lines(diff.removed, "Only in " + a + ": ", "");
    lines(diff.added, "Only in " + b + ": ", "");
    lines(diff.changed, "Files ", " differ");
    for (const ArchiveDiff::Move& move : diff.moved) {
        out << "Moved: ";
        out.Escaped(move.from) << " -> ";
        out.Escaped(move.to) << '\n';
    }
}

void PrintJson(OutputBuffer& out, const ArchiveDiff& diff, const std::string& a, const std::string& b)
{
    const auto array = [&](std::string_view name, const std::vector<std::string>& paths) {
        out << ", \"" << name << "\": [";
        const char* separator = "";
        for (const std::string& path : paths) {
            out << separator << JsonQuote(path);
            separator = ", ";
        }
        out << ']';
    };
    out << "{\"a\": " << JsonQuote(a) << ", \"b\": " << JsonQuote(b);
    array("added", diff.added);
    array("removed", diff.removed);
    array("changed", diff.changed);
    out << ", \"moved\": [";
    const char* separator = "";
    for (const ArchiveDiff::Move& move : diff.moved) {
        out << separator << "{\"from\": " << JsonQuote(move.from) << ", \"to\": " << JsonQuote(move.to) << '}';
        separator = ", ";
    }
    out << ']';
    array("foldersAdded", diff.foldersAdded);
    array("foldersRemoved", diff.foldersRemoved);
    out << ", \"unread\": [";
    separator = "";
    for (const ArchiveDiff::Unread& unread : diff.unread) {
        out << separator << "{\"archive\": " << JsonQuote(unread.side == ArchiveDiff::Unread::Side::A ? a : b)
            << ", \"path\": " << JsonQuote(unread.path) << '}';
        separator = ", ";
    }
    out << "]}\n";
}

}  // namespace

int RunDiff(const DiffOptions& options)
{
    ArchiveArguments second = options.first;
    second.path = options.second;
    // Each archive is opened on its own thread, and reports through its own reporter.
    StderrReporter reporterA("vorn-cli");
    StderrReporter reporterB("vorn-cli");
    OpenedArchive openedA;
    OpenedArchive openedB;
    const auto opener = [](const ArchiveArguments& arguments, MessageReporter& reporter, OpenedArchive& opened) {
        return [&arguments, &reporter, &opened](const FileSink& sink) -> const CArchiveFile* {
            opened = OpenArchive(arguments, reporter, sink);
            return opened.exit == kExitOk ? opened.archive.get() : nullptr;
        };
    };
    const std::optional<ArchiveDiff> diff =
        CompareArchives(opener(options.first, reporterA, openedA), opener(second, reporterB, openedB));
    if (!diff)
        return kExitUsage;
    ReportLoadAnomalies(*openedA.archive);
    ReportLoadAnomalies(*openedB.archive);

    OutputBuffer out;
    if (options.json)
        PrintJson(out, *diff, options.first.path, second.path);
    else
        PrintText(out, *diff, options.first.path, second.path);
    for (const ArchiveDiff::Unread& unread : diff->unread) {
        const std::string& archive = unread.side == ArchiveDiff::Unread::Side::A ? options.first.path : second.path;
        reporterA.ShowMessage({archive + ": " + unread.path + " could not be read whole; its content was not compared",
                               ""});
    }
    if (!out.Finish(reporterA) || !diff->unread.empty())
        return kExitUsage;
    return diff->Equal() ? kExitOk : kExitFailures;
}

}  // namespace vorn::cli
