#include "cli/commands.h"
#include "cli/output_buffer.h"
#include "framework/escape_controls.h"
#include "framework/version.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <csignal>
#include <map>
#include <sstream>

namespace {

using namespace vorn::cli;
using vorn::TreeChange;

void AddArchiveArguments(CLI::App& command, ArchiveArguments& archive)
{
    command.add_option("ARCHIVE", archive.path, "The DIR or PCK archive")->required();
    command.add_option("--format", archive.format, "Read the archive as this format, whatever its extension")
        ->check(CLI::IsMember({"dir", "pck"}));
    command.add_option("--encoding", archive.encoding,
                       "Decode names from this encoding (default Windows-1252; also Windows-1250, Windows-1251, "
                       "Shift-JIS, UTF-8 or any name iconv knows)");
}

void AddGlobOptions(CLI::App& command, GlobOptions& glob)
{
    command.add_option("--glob", glob.patterns,
                       "Also the files whose path matches PATTERN (*, ?, [...], ** across folders; without a "
                       "separator, the name in any folder); repeatable")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    command.add_flag("--case-sensitive", glob.caseSensitive, "Match --glob patterns with case");
}

void AddOutputOptions(CLI::App& command, OutputOptions& output)
{
    command.add_flag("--overwrite", output.overwrite, "Replace an existing output file (atomically)");
    command.add_flag("-q,--quiet", output.quiet, "Do not show progress");
    command.add_flag("--json", output.json, "Print a summary as one JSON object");
    command.add_option("-j,--jobs", output.jobs, "Files read at once (default: the number of cores, at least 4 and at most 8)")
        ->check(CLI::Range(1u, 64u));
}

// An option of update that stands for one kind of change.
struct ChangeOption {
    CLI::Option* option;
    TreeChange::Kind kind;
    bool hasValue;  // ITEM=VALUE
};

// The changes as given on the command line, whatever options they came with.
std::vector<TreeChange> ChangesInOrder(const CLI::App& command, const std::vector<ChangeOption>& options)
{
    std::vector<TreeChange> changes;
    std::map<const CLI::Option*, std::size_t> used;
    for (const CLI::Option* given : command.parse_order()) {
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const ChangeOption& candidate) { return candidate.option == given; });
        if (option == options.end())
            continue;
        const std::string& argument = given->results().at(used[given]++);
        const std::size_t equals = argument.find('=');
        if (!option->hasValue) {
            changes.push_back({option->kind, argument});
        } else if (equals == std::string::npos) {
            throw CLI::ValidationError(given->get_name(), "expects ITEM=VALUE, not " + argument);
        } else {
            changes.push_back({option->kind, argument.substr(0, equals), argument.substr(equals + 1)});
        }
    }
    return changes;
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

    CLI::App app{"Lists, checks, extracts, packs and updates DIR and PCK game archives.", "vorn-cli"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("vorn-cli ") + vorn::kVersion, "Print the version and exit");

    ListOptions list;
    CLI::App* listCommand = app.add_subcommand("list", "List every file: size, offset and path");
    AddArchiveArguments(*listCommand, list.archive);
    listCommand->add_flag("--json", list.json, "Print folders, files and findings as one JSON object");
    AddGlobOptions(*listCommand, list.glob);

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
    AddGlobOptions(*extractCommand, extract.glob);
    extractCommand->add_flag("--overwrite", extract.overwrite, "Replace files that already exist in TARGET");
    extractCommand->add_flag("-q,--quiet", extract.quiet, "Do not show progress");
    extractCommand
        ->add_option("-j,--jobs", extract.jobs,
                     "Files written at once (default: the number of cores, at least 4 and at most 8; 1 writes in catalogue order)")
        ->check(CLI::Range(1u, 64u));

    CheckOptions check;
    CLI::App* checkCommand = app.add_subcommand(
        "check", "Report anomalies of the catalogue; exit status 1 if there are any besides notes");
    AddArchiveArguments(*checkCommand, check.archive);
    checkCommand->add_flag("--json", check.json, "Print the findings as one JSON object");

    PackOptions pack;
    CLI::App* packCommand = app.add_subcommand(
        "pack", "Write FOLDER as a new archive: its sub-folders and files become the archive's top level");
    packCommand->add_option("FOLDER", pack.folder, "The folder to pack")->required();
    packCommand->add_option("-o,--output", pack.output.path, "The archive to write (OUT.pck or OUT.dir)")->required();
    packCommand->add_option("--format", pack.format, "Write this format, whatever the output's extension")
        ->check(CLI::IsMember({"dir", "pck"}));
    packCommand->add_option("--encoding", pack.encoding, "Encode names in this encoding (default Windows-1252)");
    packCommand->add_option("--order-from", pack.orderFrom,
                            "Keep this archive's order (and its format, unless given) for the items both hold");
    AddOutputOptions(*packCommand, pack.output);

    UpdateOptions update;
    CLI::App* updateCommand = app.add_subcommand(
        "update", "Write the archive again with changes, in place (atomically) or as another file");
    AddArchiveArguments(*updateCommand, update.archive);
    updateCommand->add_option("-o,--output", update.output.path, "Write the changed archive here instead");
    updateCommand->add_flag("--backup", update.backup, "Keep what is replaced as ARCHIVE~ (or OUT~)");
    const auto changeOption = [&](const std::string& name, const std::string& description) {
        return updateCommand->add_option(name, description)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    };
    const std::vector<ChangeOption> changeOptions = {
        {changeOption("--replace", "ITEM=FILE: the file's bytes replace ITEM's"), TreeChange::Kind::Replace, true},
        {changeOption("--add", "FOLDERITEM=PATH: the file or folder (with its tree) at PATH goes into FOLDERITEM "
                               "(/ for the top level)"),
         TreeChange::Kind::Add, true},
        {changeOption("--delete", "ITEM: remove the file, or the folder with all it holds"), TreeChange::Kind::Delete,
         false},
        {changeOption("--rename", "ITEM=NEWNAME: ITEM takes the new name in its folder"), TreeChange::Kind::Rename,
         true},
        {changeOption("--mkdir", "FOLDERITEM: make the folder, with its missing parents"), TreeChange::Kind::MakeFolder,
         false},
    };
    AddOutputOptions(*updateCommand, update.output);

    MountOptions mount;
    CLI::App* mountCommand = app.add_subcommand(
        "mount", "Show the archive as a read-only file system at MOUNTPOINT until it is unmounted (fusermount3 -u)");
    AddArchiveArguments(*mountCommand, mount.archive);
    mountCommand->add_option("MOUNTPOINT", mount.mountpoint, "An existing empty folder")->required();
    mountCommand->add_flag("-f,--foreground", mount.foreground, "Stay in the foreground; Ctrl+C unmounts");

    CatOptions cat;
    CLI::App* catCommand = app.add_subcommand("cat", "Print the files' bytes to standard output, in order");
    AddArchiveArguments(*catCommand, cat.archive);
    catCommand->add_option("ITEM", cat.items, "A file inside the archive, as \\DATA\\A.BIN or DATA/A.BIN");
    AddGlobOptions(*catCommand, cat.glob);

    DiffOptions diff;
    CLI::App* diffCommand = app.add_subcommand(
        "diff", "Show the files and folders added, removed, changed and moved from A to B; exit status 1 if any");
    AddArchiveArguments(*diffCommand, diff.first);
    diffCommand->add_option("B", diff.second, "The archive to compare with (same --format and --encoding)")->required();
    diffCommand->add_flag("--json", diff.json, "Print the differences as one JSON object");

    try {
        app.parse(argc, argv);
        if (*updateCommand)
            update.changes = ChangesInOrder(*updateCommand, changeOptions);
    } catch (const CLI::ParseError& error) {
        return ReportParseResult(app, error);
    }

    if (*listCommand)
        return RunList(list);
    if (*treeCommand)
        return RunTree(tree);
    if (*extractCommand)
        return RunExtract(extract);
    if (*packCommand)
        return RunPack(pack);
    if (*updateCommand)
        return RunUpdate(update);
    if (*mountCommand)
        return RunMount(mount);
    if (*catCommand)
        return RunCat(cat);
    if (*diffCommand)
        return RunDiff(diff);
    return RunCheck(check);
}
