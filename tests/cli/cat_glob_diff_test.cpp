#include "tests/cli/cli_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace vorn::testing {
namespace {

using ::testing::HasSubstr;

using Paths = std::vector<std::string>;

// The paths list --json names, as messages spell them.
Paths ListedPaths(const std::string& json)
{
    Paths paths;
    const auto listing = nlohmann::json::parse(json);
    for (const auto& file : listing["files"]) {
        const std::string folder = file["path"];
        paths.push_back((folder.empty() ? "" : folder.substr(1) + "\\") + file["name"].get<std::string>());
    }
    return paths;
}

TEST_F(Cli, GlobPatternsPickTheFilesListShows)
{
    const std::string demo = Demo();
    const struct {
        std::vector<std::string> options;
        Paths listed;
    } cases[] = {
        {{"--glob", "*.BIN"}, {"DATA\\A.BIN", "DATA\\SUB\\B.BIN"}},
        {{"--glob", "DATA/*.BIN"}, {"DATA\\A.BIN"}},
        {{"--glob", "DATA/**"}, {"DATA\\A.BIN", "DATA\\CAF\xC3\x89.TXT", "DATA\\SUB\\B.BIN"}},
        {{"--glob", "**/B.BIN"}, {"DATA\\SUB\\B.BIN"}},
        {{"--glob", "**/*.TXT"}, {"TOP.TXT", "DATA\\CAF\xC3\x89.TXT"}},
        {{"--glob", "\\data\\sub\\b.bin"}, {"DATA\\SUB\\B.BIN"}},
        {{"--glob", "caf?.txt"}, {"DATA\\CAF\xC3\x89.TXT"}},
        {{"--glob", "[at]*"}, {"TOP.TXT", "DATA\\A.BIN"}},
        {{"--glob", "[!at]*"}, {"DATA\\CAF\xC3\x89.TXT", "DATA\\SUB\\B.BIN"}},
        {{"--glob", "D*/*.BIN", "--glob", "top.txt"}, {"TOP.TXT", "DATA\\A.BIN"}},
        {{"--glob", "DATA/*.BIN", "--case-sensitive"}, {"DATA\\A.BIN"}},
    };
    for (const auto& [options, listed] : cases) {
        std::vector<std::string> arguments = {"list", demo, "--json"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const CliRun run = Run(arguments);
        EXPECT_EQ(run.exit, 0) << options.at(1) << ": " << run.err;
        EXPECT_EQ(ListedPaths(run.out), listed) << options.at(1);
    }
}

TEST_F(Cli, AGlobThatMatchesNothingIsAnErrorLikeAMissingItem)
{
    const std::string demo = Demo();
    for (const std::string command : {"list", "cat", "extract"}) {
        std::vector<std::string> arguments = {command, demo, "--glob", "data/*.bin", "--glob", "*.WAV", "--case-sensitive"};
        if (command == "extract")
            arguments.insert(arguments.end(), {"-C", Target()});
        const CliRun run = Run(arguments);
        EXPECT_EQ(run.exit, 1) << command;
        EXPECT_THAT(run.err, HasSubstr("No file matches data/*.bin in " + demo)) << command;
        EXPECT_THAT(run.err, HasSubstr("No file matches *.WAV in " + demo)) << command;
    }
}

TEST_F(Cli, ExtractionByPatternKeepsEachFilesFolders)
{
    const std::string demo = Demo();
    const struct {
        std::vector<std::string> arguments;
        Paths written;
    } cases[] = {
        {{"--glob", "*.BIN"}, {"DATA/", "DATA/A.BIN", "DATA/SUB/", "DATA/SUB/B.BIN"}},
        {{"--glob", "**/B.BIN", "TOP.TXT"}, {"DATA/", "DATA/SUB/", "DATA/SUB/B.BIN", "TOP.TXT"}},
        // An item that holds what a pattern picks already puts it at the same place.
        {{"DATA", "--glob", "*.BIN"}, {"DATA/", "DATA/A.BIN", "DATA/CAF\xC3\x89.TXT", "DATA/EMPTY/", "DATA/SUB/", "DATA/SUB/B.BIN"}},
        // A folder item is extracted as itself, a pattern's pick under its path.
        {{"DATA/SUB", "--glob", "B.BIN"}, {"DATA/", "DATA/SUB/", "DATA/SUB/B.BIN", "SUB/", "SUB/B.BIN"}},
    };
    int run = 0;
    for (const auto& [options, written] : cases) {
        const std::string target = m_dir / ("out" + std::to_string(run++));
        std::vector<std::string> arguments = {"extract", demo, "-q", "-C", target};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const CliRun extracted = Run(arguments);
        EXPECT_EQ(extracted.exit, 0) << options.at(0) << ": " << extracted.err;
        EXPECT_EQ(extracted.err, "");
        EXPECT_EQ(ListTree(target), written) << options.at(0);
    }
    EXPECT_EQ(ReadFile(m_dir / "out0/DATA/SUB/B.BIN"), std::string(2048, 'b'));
}

TEST_F(Cli, CatPrintsTheFilesInOrderAndRefusesFolders)
{
    const std::string demo = Demo();
    const CliRun run = Run({"cat", demo, "DATA/A.BIN", "\\TOP.TXT", "DATA/SUB", "DATA/A.BIN", "--glob", "*.txt"});
    EXPECT_EQ(run.exit, 1);
    // The items as named, then what the pattern picks that they did not name.
    EXPECT_EQ(run.out, "aaaatopaaaacaf\xe9");
    EXPECT_EQ(run.err, "vorn-cli: DATA/SUB is a folder; cat prints files only\n");

    const CliRun missing = Run({"cat", demo, "NOPE", "TOP.TXT"});
    EXPECT_EQ(missing.exit, 1);
    EXPECT_EQ(missing.out, "top");
}

TEST_F(Cli, CatOfDataPastTheEndPrintsTheBytesThereAre)
{
    // B.BIN's data is last; the archive ends 48 bytes into it.
    std::string bytes = ReadFile(Demo());
    bytes.resize(bytes.size() - 2000);
    const CliRun run = Run({"cat", Archive("cut.pck", bytes), "DATA/SUB/B.BIN", "TOP.TXT"});
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.out, std::string(48, 'b') + "top");
    EXPECT_THAT(run.err, HasSubstr("DATA\\SUB\\B.BIN: the data runs past the end of the archive (48 of 2048 bytes printed)"));
}

// The report of diff --json, whose exit status must agree with what it found.
nlohmann::json DiffJson(const CliRun& run)
{
    const auto diff = nlohmann::json::parse(run.out);
    bool equal = true;
    for (const auto& [key, value] : diff.items())
        if (value.is_array() && !value.empty())
            equal = false;
    EXPECT_EQ(run.exit, equal ? 0 : 1) << run.err;
    return diff;
}

TEST_F(Cli, DiffNamesExactlyTheChangesAnUpdateMade)
{
    const std::string a = Demo();
    WriteFile(m_dir / "FOUR.BIN", "bbbb");
    WriteFile(m_dir / "LONGER.BIN", "aaaaa");
    const struct {
        std::vector<std::string> changes;
        nlohmann::json expected;  // the non-empty arrays
    } cases[] = {
        {{}, {}},
        {{"--replace", "DATA/A.BIN=" + (m_dir / "FOUR.BIN")}, {{"changed", {"DATA\\A.BIN"}}}},
        {{"--replace", "DATA/A.BIN=" + (m_dir / "LONGER.BIN")}, {{"changed", {"DATA\\A.BIN"}}}},
        {{"--add", "DATA/SUB=" + (m_dir / "FOUR.BIN")}, {{"added", {"DATA\\SUB\\FOUR.BIN"}}}},
        {{"--delete", "TOP.TXT"}, {{"removed", {"TOP.TXT"}}}},
        {{"--rename", "DATA/A.BIN=Z.BIN"}, {{"moved", {{{"from", "DATA\\A.BIN"}, {"to", "DATA\\Z.BIN"}}}}}},
        // Same size, other bytes: no move.
        {{"--delete", "DATA/A.BIN", "--add", "DATA=" + (m_dir / "FOUR.BIN")},
         {{"removed", {"DATA\\A.BIN"}}, {"added", {"DATA\\FOUR.BIN"}}}},
        {{"--mkdir", "DATA/NEW/DEEP"}, {{"foldersAdded", {"DATA\\NEW", "DATA\\NEW\\DEEP"}}}},
        {{"--delete", "DATA/EMPTY"}, {{"foldersRemoved", {"DATA\\EMPTY"}}}},
        {{"--rename", "DATA/SUB=MOVED", "--delete", "DATA/CAF\xC3\x89.TXT"},
         {{"removed", {"DATA\\CAF\xC3\x89.TXT"}},
          {"moved", {{{"from", "DATA\\SUB\\B.BIN"}, {"to", "DATA\\MOVED\\B.BIN"}}}},
          {"foldersAdded", {"DATA\\MOVED"}},
          {"foldersRemoved", {"DATA\\SUB"}}}},
    };
    for (const auto& [changes, expected] : cases) {
        const std::string b = m_dir / "b.pck";
        std::vector<std::string> update = {"update", a, "-q", "--overwrite", "-o", b};
        update.insert(update.end(), changes.begin(), changes.end());
        const CliRun updated = Run(update);
        ASSERT_EQ(updated.exit, 0) << updated.err;
        const std::string label = changes.empty() ? "no change" : changes.at(1);

        nlohmann::json diff = DiffJson(Run({"diff", a, b, "--json"}));
        EXPECT_EQ(diff["a"], a);
        EXPECT_EQ(diff["b"], b);
        for (const std::string key : {"added", "removed", "changed", "moved", "foldersAdded", "foldersRemoved", "unread"})
            EXPECT_EQ(diff[key], expected.contains(key) ? expected[key] : nlohmann::json::array()) << label << ": " << key;
    }
}

TEST_F(Cli, DiffPairsTheFilesOfArchivesInAnyOrder)
{
    // More files than are handed over at once, in opposite orders: each file
    // waits for its counterpart by path. One shifted file steps the pairing
    // out of line in the same order.
    WriterTree forward{{}, {{"F", {}, {}}}};
    WriterTree backward{{}, {{"F", {}, {}}}};
    WriterTree shifted{{{"NEW", "n", "", 0}}, {{"F", {}, {}}}};
    for (int file = 0; file < 20000; ++file)
        forward.folders[0].files.push_back({"N" + std::to_string(file), std::to_string(file % 7), "", 0});
    backward.folders[0].files.assign(forward.folders[0].files.rbegin(), forward.folders[0].files.rend());
    backward.folders[0].files[5].data = "x";  // N19994
    backward.folders[0].files.erase(backward.folders[0].files.begin() + 100);  // N19899
    shifted.folders[0].files = forward.folders[0].files;
    shifted.folders[0].files.insert(shifted.folders[0].files.begin() + 5000, {"EXTRA", "e", "", 0});
    const std::string a = Archive("a.pck", BuildArchive(ArchiveFormat::Pck, forward));

    const auto diff = DiffJson(Run({"diff", a, Archive("b.pck", BuildArchive(ArchiveFormat::Pck, backward)), "--json"}));
    EXPECT_EQ(diff["changed"], nlohmann::json({"F\\N19994"}));
    EXPECT_EQ(diff["removed"], nlohmann::json({"F\\N19899"}));
    EXPECT_EQ(diff["added"].size() + diff["moved"].size(), 0u);

    const auto more = DiffJson(Run({"diff", a, Archive("c.pck", BuildArchive(ArchiveFormat::Pck, shifted)), "--json"}));
    EXPECT_EQ(more["added"], nlohmann::json({"F\\EXTRA", "NEW"}));
    EXPECT_EQ(more["changed"].size() + more["removed"].size() + more["moved"].size(), 0u);
}

TEST_F(Cli, DiffPrintsOneLinePerChangeAndExitsTwoOnTrouble)
{
    const std::string a = Demo();
    const std::string b = m_dir / "b.pck";
    WriteFile(m_dir / "FOUR.BIN", "bbbb");
    ASSERT_EQ(Run({"update", a, "-q", "-o", b, "--replace", "DATA/A.BIN=" + (m_dir / "FOUR.BIN"),
                   "--rename", "TOP.TXT=TOP.DOC", "--delete", "DATA/SUB", "--add", "/=" + (m_dir / "FOUR.BIN")})
                  .exit,
              0);
    const CliRun run = Run({"diff", a, b});
    EXPECT_EQ(run.exit, 1) << run.err;
    EXPECT_EQ(run.out, "Folder only in " + a + ": DATA\\SUB\n"
                       "Only in " + a + ": DATA\\SUB\\B.BIN\n"
                       "Only in " + b + ": FOUR.BIN\n"
                       "Files DATA\\A.BIN differ\n"
                       "Moved: TOP.TXT -> TOP.DOC\n");

    // Each archive is read as its extension says: the same tree in the other format is equal.
    ASSERT_EQ(Run({"extract", a, "-q", "-C", m_dir / "tree"}).exit, 0);
    ASSERT_EQ(Run({"pack", m_dir / "tree", "-q", "-o", m_dir / "same.dir"}).exit, 0);
    const CliRun same = Run({"diff", a, m_dir / "same.dir"});
    EXPECT_EQ(same.exit, 0) << same.out << same.err;
    EXPECT_EQ(same.out, "");
    EXPECT_EQ(Run({"diff", a, m_dir / "missing.pck"}).exit, 2);

    std::string cut = ReadFile(a);
    cut.resize(cut.size() - 10);
    const CliRun unread = Run({"diff", a, Archive("cut.pck", cut)});
    EXPECT_EQ(unread.exit, 2);
    EXPECT_THAT(unread.err, HasSubstr("DATA\\SUB\\B.BIN could not be read whole; its content was not compared"));
}

}  // namespace
}  // namespace vorn::testing
