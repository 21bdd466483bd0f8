#include "cli/commands.h"
#include "cli/output_buffer.h"
#include "framework/escape_controls.h"
#include "framework/version.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <sstream>

namespace {

using namespace vorn::cli;

void AddArchiveArguments(CLI::App& command, ArchiveArguments& archive)
{
    command.add_option("ARCHIVE", archive.path, "The DIR or PCK archive")->required();
    command.add_option("--format", archive.format, "Read the archive as this format, whatever its extension")
        ->check(CLI::IsMember({"dir", "pck"}));
    command.add_option("--encoding", archive.encoding,
                       "Decode names from this encoding (default Windows-1252; also Windows-1250, Windows-1251, "
                       "Shift-JIS, UTF-8 or any name iconv knows)");
}

// What the argument parser says: help and the version on standard output, a
// usage error on standard error, where it may quote a hostile argument.
int ReportParseResult(const CLI::App& app, const CLI::ParseError& error)
{
    std::ostringstream out;
    std::ostringstream err;
    const int code = app.exit(error, out, err);
    std::istringstream errorLines(err.str());
    for (std::string line; std::getline(errorLines, line);)
        std::fputs((vorn::EscapeControls(line) + "\n").c_str(), stderr);
    vorn::StderrReporter reporter("vorn-cli");
    OutputBuffer output;
    output << out.str();
    if (!output.Finish(reporter))
        return kExitFailures;
    return code == 0 ? kExitOk : kExitUsage;
}

}  // namespace

int main(int argc, char** argv)
{
    // A closed pipe (vorn-cli list ... | head) ends the program quietly, as it
    // ends any filter, even when the parent ignored the signal.
    std::signal(SIGPIPE, SIG_DFL);
    // Past a file-size limit a write fails with EFBIG, which is reported for
    // that file, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);

    CLI::App app{"Lists, checks and extracts DIR and PCK game archives.", "vorn-cli"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("vorn-cli ") + vorn::kVersion, "Print the version and exit");

    ListOptions list;
    CLI::App* listCommand = app.add_subcommand("list", "List every file: size, offset and path");
    AddArchiveArguments(*listCommand, list.archive);
    listCommand->add_flag("--json", list.json, "Print folders, files and findings as one JSON object");

    ArchiveArguments tree;
    CLI::App* treeCommand = app.add_subcommand("tree", "Show the folder tree with file counts and sizes");
    AddArchiveArguments(*treeCommand, tree);

    ExtractOptions extract;
    CLI::App* extractCommand =
        app.add_subcommand("extract", "Extract the whole archive, or the given folders and files, into TARGET");
    AddArchiveArguments(*extractCommand, extract.archive);
    extractCommand->add_option("-C,--directory", extract.target, "The folder to extract into (made with its parents when missing)")->required();
    extractCommand->add_option("ITEM", extract.items,
                               "A folder or file inside the archive, as \\DATA\\SUB or DATA/SUB (default: everything)");
    extractCommand->add_flag("--overwrite", extract.overwrite, "Replace files that already exist in TARGET");
    extractCommand->add_flag("-q,--quiet", extract.quiet, "Do not show progress");
    extractCommand
        ->add_option("-j,--jobs", extract.jobs,
                     "Files written at once (default: the number of cores, at most 8; 1 writes in catalogue order)")
        ->check(CLI::Range(1u, 64u));

    CheckOptions check;
    CLI::App* checkCommand = app.add_subcommand(
        "check", "Report anomalies of the catalogue; exit status 1 if there are any besides notes");
    AddArchiveArguments(*checkCommand, check.archive);
    checkCommand->add_flag("--json", check.json, "Print the findings as one JSON object");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return ReportParseResult(app, error);
    }

    if (*listCommand)
        return RunList(list);
    if (*treeCommand)
        return RunTree(tree);
    if (*extractCommand)
        return RunExtract(extract);
    return RunCheck(check);
}
