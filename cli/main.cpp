#include "cli/commands.h"

#include <CLI/CLI.hpp>

namespace {

using namespace vorn::cli;

void AddArchiveArguments(CLI::App& command, ArchiveArguments& archive)
{
    command.add_option("ARCHIVE", archive.path, "The DIR or PCK archive")->required();
    command.add_option("--format", archive.format, "Read the archive as this format, whatever its extension")
        ->check(CLI::IsMember({"dir", "pck"}));
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Lists, checks and extracts DIR and PCK game archives.", "vorn-cli"};
    app.require_subcommand(1);

    ListOptions list;
    CLI::App* listCommand = app.add_subcommand("list", "List every file: size, offset and path");
    AddArchiveArguments(*listCommand, list.archive);
    listCommand->add_flag("--json", list.json, "Print folders, files and warnings as one JSON object");

    ArchiveArguments tree;
    CLI::App* treeCommand = app.add_subcommand("tree", "Show the folder tree with file counts and sizes");
    AddArchiveArguments(*treeCommand, tree);

    ExtractOptions extract;
    CLI::App* extractCommand =
        app.add_subcommand("extract", "Extract the whole archive, or the given folders and files, into TARGET");
    AddArchiveArguments(*extractCommand, extract.archive);
    extractCommand->add_option("-C,--directory", extract.target, "The existing folder to extract into")->required();
    extractCommand->add_option("ITEM", extract.items,
                               "A folder or file inside the archive, as \\DATA\\SUB or DATA/SUB (default: everything)");
    extractCommand->add_flag("--overwrite", extract.overwrite, "Replace files that already exist in TARGET");
    extractCommand->add_flag("-q,--quiet", extract.quiet, "Do not show progress");

    ArchiveArguments check;
    CLI::App* checkCommand =
        app.add_subcommand("check", "Report anomalies of the catalogue; exit status 1 if there are any");
    AddArchiveArguments(*checkCommand, check);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        return code == 0 ? kExitOk : kExitUsage;
    }

    if (*listCommand)
        return RunList(list);
    if (*treeCommand)
        return RunTree(tree);
    if (*extractCommand)
        return RunExtract(extract);
    return RunCheck(check);
}
