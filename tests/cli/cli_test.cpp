#include "tests/cli/cli_fixture.h"
#include "tests/core/catalogue_test_helpers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>

namespace vorn::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST_F(Cli, ListPrintsSizeOffsetAndPathOfEveryFile)
{
    const CliRun run = Run({"list", Demo(ArchiveFormat::Dir)});
    EXPECT_EQ(run.exit, 0) << run.err;
    // Eleven 44-byte records, then the data.
    EXPECT_EQ(run.out, "         3        484 \\TOP.TXT\n"
                       "         4        487 \\DATA\\A.BIN\n"
                       "         4        491 \\DATA\\CAF\xC3\x89.TXT\n"
                       "      2048        495 \\DATA\\SUB\\B.BIN\n");
}

TEST_F(Cli, ListOfALargeArchiveNamesTheFilesOfItsJsonInTheSameOrder)
{
    // Lines are printed while the catalogue is read, the JSON from the whole
    // catalogue: both must agree over many more files than are handed over at once.
    WriterFolder top{"TOP", {}, {}};
    for (int folder = 0; folder < 4; ++folder) {
        WriterFolder& sub = top.folders.emplace_back(WriterFolder{"SUB" + std::to_string(folder), {}, {}});
        for (int file = 0; file < 3000; ++file)
            sub.files.push_back({"F" + std::to_string(file) + (file % 7 ? ".BIN" : ".LONGER-NAME.TXT"), "x", "", 0});
        top.files.push_back({"T" + std::to_string(folder), "", "", 0});
    }
    for (const ArchiveFormat format : {ArchiveFormat::Pck, ArchiveFormat::Dir}) {
        const std::string archive =
            Archive(format == ArchiveFormat::Pck ? "big.pck" : "big.dir", BuildArchive(format, {{}, {top}}));
        const CliRun text = Run({"list", archive});
        const auto json = nlohmann::json::parse(Run({"list", "--json", archive}).out);
        ASSERT_EQ(text.exit, 0) << text.err;
        std::string expected;
        for (const auto& file : json["files"]) {
            std::string line(10, ' ');
            line += ' ' + std::string(10, ' ') + ' ' + file["path"].get<std::string>() + '\\' +
                    file["name"].get<std::string>() + '\n';
            const std::string size = std::to_string(file["size"].get<int>());
            const std::string offset = std::to_string(file["offset"].get<int>());
            line.replace(10 - size.size(), size.size(), size);
            line.replace(21 - offset.size(), offset.size(), offset);
            expected += line;
        }
        EXPECT_EQ(json["files"].size(), 12004u);
        EXPECT_TRUE(text.out == expected) << "the listing differs from the JSON's files";
    }
}

TEST_F(Cli, ListJsonHoldsFoldersFilesAndWarningsInCatalogueOrder)
{
    const CliRun run = Run({"list", "--json", Demo()});
    EXPECT_EQ(run.exit, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["format"], "pck");
    EXPECT_EQ(json["folders"].size(), 3u);
    EXPECT_EQ(json["folders"][1], nlohmann::json({{"path", "\\DATA\\SUB"}, {"name", "SUB"}, {"parent", "\\DATA"}}));
    EXPECT_EQ(json["folders"][0]["parent"], "");
    ASSERT_EQ(json["files"].size(), 4u);
    EXPECT_EQ(json["files"][0]["path"], "");
    EXPECT_EQ(json["files"][2], nlohmann::json({{"path", "\\DATA"}, {"name", "CAF\xC3\x89.TXT"}, {"size", 4},
                                                {"offset", 535}}));
    EXPECT_TRUE(json["warnings"].empty());
}

TEST_F(Cli, ListJsonAlwaysPrintsTheObject)
{
    const CliRun unknown = Run({"list", "--json", Archive("data.bak", "whatever")});
    EXPECT_EQ(unknown.exit, 2);
    const auto json = nlohmann::json::parse(unknown.out);
    EXPECT_EQ(json["format"], "none");
    EXPECT_TRUE(json["folders"].empty());
    EXPECT_TRUE(json["files"].empty());
    ASSERT_EQ(json["warnings"].size(), 1u);
    EXPECT_THAT(json["warnings"][0].get<std::string>(), HasSubstr("no DIR or PCK extension"));

    const CliRun missing = Run({"list", "--json", m_dir / "missing.pck"});
    EXPECT_EQ(missing.exit, 2);
    EXPECT_EQ(nlohmann::json::parse(missing.out)["warnings"][0], "Error opening file.");
    EXPECT_THAT(missing.err, HasSubstr("Error opening file."));
    EXPECT_THAT(missing.err, HasSubstr("missing.pck"));

    const CliRun encoding = Run({"list", "--json", "--encoding", "NO-SUCH-CODE-PAGE", Demo()});
    EXPECT_EQ(encoding.exit, 2);
    EXPECT_EQ(nlohmann::json::parse(encoding.out)["warnings"][0], "Unknown name encoding NO-SUCH-CODE-PAGE.");

    const CliRun forced = Run({"list", "--json", "--format", "pck", Archive("renamed.bin", ReadFile(Demo()))});
    EXPECT_EQ(forced.exit, 0);
    EXPECT_EQ(nlohmann::json::parse(forced.out)["files"].size(), 4u);
}

TEST_F(Cli, DamagedCatalogueIsListedAsFarAsItGoesAndExitsOne)
{
    const auto pck = ArchiveFormat::Pck;
    const std::string path = Archive("bad.pck", FolderRecord(pck, "DATA", 48) + Record(pck, "", 9, 0, 1) +
                                                    FileRecord(pck, "PAST.BIN", 100, 4000) + EndRecord(pck));
    const CliRun run = Run({"list", "--json", path});
    EXPECT_EQ(run.exit, 1);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["files"].size(), 1u);
    EXPECT_TRUE(json["warnings"].empty());
    EXPECT_THAT(run.err, HasSubstr("Unknown file type encountered. (" + path + ": 1 record skipped)"));

    // Both commands publish the findings as objects; check adds its own after the load's.
    const nlohmann::json loaded = nlohmann::json::parse(R"([
        {"kind": "unknown-record", "severity": "warning", "path": null, "offset": 48,
         "message": "Unknown record type at offset 48; skipped."},
        {"kind": "data-past-end", "severity": "damage", "path": "DATA\\PAST.BIN", "offset": 96,
         "message": "The data of \\DATA\\PAST.BIN lies past the end of the archive (offset 4000, size 100, archive size 192)."},
        {"kind": "missing-end", "severity": "note", "path": null, "offset": 192,
         "message": "The catalogue ends without its closing record."}])");
    EXPECT_EQ(json["findings"], loaded);
    const CliRun check = Run({"check", "--json", Archive("twice.pck", ReadFile(path) + FileRecord(pck, "A", 1, 1) +
                                                                             FileRecord(pck, "a", 1, 1))});
    EXPECT_EQ(check.exit, 1);
    const auto checked = nlohmann::json::parse(check.out);
    EXPECT_EQ(checked["files"], 3);
    EXPECT_EQ(checked["unlisted"], 0);
    ASSERT_EQ(checked["findings"].size(), 5u);
    EXPECT_EQ(checked["findings"][3], nlohmann::json::parse(R"({"kind": "overlap", "severity": "damage",
        "path": "a", "offset": null, "message": "The data of \\a overlaps that of \\A."})"));
    EXPECT_EQ(checked["findings"][4]["kind"], "case-collision");
    EXPECT_EQ(checked["findings"][4]["severity"], "warning");
}

TEST_F(Cli, ACatalogueEndingBetweenRecordsWithoutItsClosingRecordIsANote)
{
    for (const auto format : {ArchiveFormat::Dir, ArchiveFormat::Pck}) {
        const std::string records = FolderRecord(format, "DATA", format == ArchiveFormat::Dir ? 88 : 48) +
                                    (format == ArchiveFormat::Dir ? EndRecord(format) : "") +
                                    FileRecord(format, "A.TXT", 0, 1);
        const std::string path = Archive(format == ArchiveFormat::Dir ? "open.dir" : "open.pck", records);
        const CliRun check = Run({"check", path});
        EXPECT_EQ(check.exit, 0) << check.err;
        EXPECT_EQ(check.err, "vorn-cli: " + path + ": missing-end: The catalogue ends without its closing record.\n");
        EXPECT_THAT(check.out, HasSubstr(": 1 files, no anomalies, 1 note\n"));
        for (const char* command : {"list", "tree"}) {
            const CliRun run = Run({command, path});
            EXPECT_EQ(run.exit, 0) << command;
            EXPECT_EQ(run.err, "") << command;
        }
    }
}

TEST_F(Cli, ControlCharactersAreEscapedInTextAndExactInJson)
{
    const WriterTree tree{{{"A\nB", "1", "", 0}, {"C\x9D", "2", "", 0}},
                          {{"E\x1b[31m", {{"D\x7f", "3", "", 0}}, {}}}};
    const std::string archive = Archive("ctl\x1b.pck", BuildArchive(ArchiveFormat::Pck, tree));
    const std::pair<const char*, const char*> cases[] = {
        {"list", "\\A\\nB\n"},
        {"list", "\\C\\u009d\n"},
        {"tree", "ctl\\x1b.pck  3 files, 3 B\n  E\\x1b[31m\\  1 file, 1 B\n"},
        {"check", "File \"A\\nB\" in \\: the name holds a control character"},
    };
    for (const auto& [command, expected] : cases) {
        const CliRun run = Run({command, archive});
        const std::string text = run.out + run.err;
        EXPECT_THAT(text, HasSubstr(expected)) << command;
        const auto isControl = [](unsigned char c) { return (c < 0x20 && c != '\n') || c == 0x7f; };
        EXPECT_EQ(std::count_if(text.begin(), text.end(), isControl), 0) << command << ": " << text;
        EXPECT_EQ(text.find("\xC2\x9D"), std::string::npos) << command;
    }
    const std::string jsonText = Run({"list", "--json", archive}).out;
    EXPECT_EQ(jsonText.find_first_of("\x1b\x7f"), std::string::npos);
    EXPECT_EQ(jsonText.find("\xC2\x9D"), std::string::npos);
    const auto json = nlohmann::json::parse(jsonText);
    EXPECT_EQ(json["folders"][0]["name"], "E\x1b[31m");
    EXPECT_EQ(json["files"][1]["name"], "C\xC2\x9D");
    EXPECT_EQ(json["files"][2]["name"], "D\x7f");
}

TEST_F(Cli, TreeShowsFoldersIndentedWithCountsAndSizes)
{
    const CliRun run = Run({"tree", Demo()});
    EXPECT_EQ(run.exit, 0);
    EXPECT_EQ(run.out, "demo.pck  4 files, 2.0 KiB\n"
                       "  DATA\\  2 files, 8 B (3 files, 2.0 KiB with sub-folders)\n"
                       "    SUB\\  1 file, 2.0 KiB\n"
                       "    EMPTY\\  0 files, 0 B\n");
}

TEST_F(Cli, ExtractWritesTheWholeArchiveOrTheItemsGiven)
{
    const std::string archive = Demo();
    const CliRun all = Run({"extract", archive, "-C", Target()});
    EXPECT_EQ(all.exit, 0) << all.err;
    EXPECT_THAT(ListTree(Target()), ElementsAre("DATA/", "DATA/A.BIN", "DATA/CAF\xC3\x89.TXT", "DATA/EMPTY/",
                                                "DATA/SUB/", "DATA/SUB/B.BIN", "TOP.TXT"));
    EXPECT_EQ(ReadFile(Target() + "/DATA/CAF\xC3\x89.TXT"), "caf\xe9");
    EXPECT_EQ(all.err, "");  // no progress line when standard error is not a terminal

    std::filesystem::remove_all(Target());
    const CliRun items =
        Run({"extract", archive, "-C", Target(), "--jobs", "1", "/DATA/SUB", "DATA\\A.BIN", "\\NOPE"});
    EXPECT_EQ(items.exit, 1);
    EXPECT_THAT(ListTree(Target()), ElementsAre("A.BIN", "SUB/", "SUB/B.BIN"));
    EXPECT_THAT(items.err, HasSubstr("No folder or file \\NOPE in " + archive));
}

TEST_F(Cli, EncodingDecidesTheNamesListedAndExtracted)
{
    const std::string archive = Demo();
    EXPECT_THAT(Run({"list", "--encoding", "Windows-1251", archive}).out, HasSubstr("\\DATA\\CAF\xD0\x99.TXT\n"));
    EXPECT_THAT(Run({"tree", "--encoding", "Windows-1251", archive}).exit, 0);
    const CliRun cyrillic = Run({"extract", "--encoding", "Windows-1251", archive, "-C", Target(), "DATA\\CAF\xC9.TXT"});
    EXPECT_EQ(cyrillic.exit, 1);  // the name is looked up in the encoding too
    EXPECT_EQ(Run({"extract", "--encoding", "Windows-1251", archive, "-C", Target(), "DATA\\CAF\xD0\x99.TXT"}).exit, 0);
    EXPECT_THAT(ListTree(Target()), ElementsAre("CAF\xD0\x99.TXT"));

    // A name the encoding does not define shows U+FFFD and is refused.
    std::filesystem::remove_all(Target());
    const CliRun utf8 = Run({"extract", "--encoding", "UTF-8", archive, "-C", Target()});
    EXPECT_EQ(utf8.exit, 1);
    EXPECT_THAT(utf8.err, HasSubstr("does not decode in the chosen name encoding"));
    EXPECT_THAT(ListTree(Target()), ElementsAre("DATA/", "DATA/A.BIN", "DATA/EMPTY/", "DATA/SUB/", "DATA/SUB/B.BIN",
                                                "TOP.TXT"));
    EXPECT_EQ(Run({"list", "--encoding", "NO-SUCH", archive}).exit, 2);
}

TEST_F(Cli, NamesAreWrittenAsDecodedAndRefusedWhenTheyDoNotDecodeOrDecodeAlike)
{
    const auto file = [](std::string name) { return WriterFile{std::move(name), "x", "", 0}; };
    const std::string kanji = "\xE7\xBA\x8A";  // at ED 40 and at FA 5C in Shift-JIS
    const struct {
        const char* encoding;
        WriterTree tree;
        std::vector<std::string> written;
        const char* why;
    } cases[] = {
        // Five- and six-byte forms and a code point past U+10FFFF.
        {"UTF-8",
         {{file("A\xF8\x88\x80\x80\x80"), file("B\xFC\x84\x80\x80\x80\x80"), file("C\xF4\x90\x80\x80"),
           file("OK\xC3\x89")},
          {}},
         {"OK\xC3\x89"},
         "does not decode in the chosen name encoding"},
        // ".." and "A" in EBCDIC.
        {"IBM037", {{file("\xC2")}, {{"\x4B\x4B", {file("\xC1")}, {}}}}, {"B"}, "refers to a folder itself"},
        {"Shift-JIS", {{}, {{"D", {file("\xED\x40"), file("\xFA\x5C")}, {}}}}, {"D/", "D/" + kanji},
         "Left out D/\xE7\xBA\x8A"},
    };
    for (const auto& [encoding, tree, written, why] : cases) {
        const std::string archive = Archive("names.pck", BuildArchive(ArchiveFormat::Pck, tree));
        std::filesystem::remove_all(Target());
        const CliRun run = Run({"extract", "--encoding", encoding, archive, "-C", Target()});
        EXPECT_EQ(run.exit, 1) << encoding;
        EXPECT_THAT(run.err, HasSubstr(why)) << encoding;
        EXPECT_THAT(ListTree(Target()), ::testing::ElementsAreArray(written)) << encoding;
    }
    EXPECT_FALSE(std::filesystem::exists(m_dir / "A"));  // the EBCDIC "..\\A"
    // check compares the names as decoded.
    const CliRun check = Run({"check", "--encoding", "Shift-JIS", m_dir / "names.pck"});
    EXPECT_EQ(check.exit, 1);
    EXPECT_THAT(check.err, HasSubstr("duplicate: \\D\\" + kanji + " occurs more than once."));
}

TEST_F(Cli, ExtractKeepsExistingFilesUnlessToldToOverwrite)
{
    const std::string archive = Demo();
    WriteFile(Target() + "/TOP.TXT", "mine");
    const CliRun kept = Run({"extract", archive, "-C", Target(), "TOP.TXT"});
    EXPECT_EQ(kept.exit, 1);
    EXPECT_THAT(kept.err, HasSubstr("Did not replace existing file TOP.TXT"));
    EXPECT_EQ(ReadFile(Target() + "/TOP.TXT"), "mine");

    const CliRun replaced = Run({"extract", archive, "-C", Target(), "--overwrite", "TOP.TXT"});
    EXPECT_EQ(replaced.exit, 0);
    EXPECT_EQ(ReadFile(Target() + "/TOP.TXT"), "top");
}

TEST_F(Cli, ExtractAgainCompletesWhatIsMissingButNeverFollowsALinkNorReplacesTheArchive)
{
    const std::string archive = Demo();
    ASSERT_EQ(Run({"extract", archive, "-C", Target()}).exit, 0);
    std::filesystem::remove(Target() + "/DATA/SUB/B.BIN");
    WriteFile(Target() + "/DATA/A.BIN", "mine");
    const CliRun again = Run({"extract", archive, "-C", Target(), "DATA"});
    EXPECT_EQ(again.exit, 1);
    EXPECT_EQ(again.err, "vorn-cli: Did not replace existing file DATA/A.BIN (File exists)\n"
                         "vorn-cli: Did not replace existing file DATA/CAF\xC3\x89.TXT (File exists)\n");
    EXPECT_EQ(ReadFile(Target() + "/DATA/SUB/B.BIN"), std::string(2048, 'b'));
    EXPECT_EQ(ReadFile(Target() + "/DATA/A.BIN"), "mine");

    std::filesystem::remove_all(Target() + "/DATA/SUB");
    std::filesystem::create_directory_symlink(m_dir.Path(), Target() + "/DATA/SUB");
    const CliRun replaced = Run({"extract", archive, "-C", Target(), "--overwrite", "DATA", "DATA"});
    EXPECT_EQ(replaced.exit, 1);
    EXPECT_EQ(replaced.err, "vorn-cli: Could not change to directory DATA/SUB (Not a directory)\n"
                            "vorn-cli: Could not change to directory DATA/SUB (Not a directory)\n");
    EXPECT_EQ(ReadFile(Target() + "/DATA/A.BIN"), "aaaa");
    EXPECT_FALSE(std::filesystem::exists(m_dir / "B.BIN"));

    // Into the archive's own folder, where an entry bears the archive's name.
    const std::string self = Archive("TOP.TXT", ReadFile(archive));
    const CliRun own = Run({"extract", "--format", "pck", self, "-C", m_dir.Path(), "--overwrite", "TOP.TXT"});
    EXPECT_EQ(own.exit, 1);
    EXPECT_EQ(own.err, "vorn-cli: Will not replace the archive being read: TOP.TXT\n");
    EXPECT_EQ(ReadFile(self), ReadFile(archive));
}

TEST_F(Cli, CheckReportsAnomaliesAndExitsOneIfAny)
{
    const CliRun clean = Run({"check", Demo()});
    EXPECT_EQ(clean.exit, 0);
    EXPECT_THAT(clean.out, HasSubstr("4 files, no anomalies"));

    const auto pck = ArchiveFormat::Pck;
    const std::string bad = Archive("bad.pck", FolderRecord(pck, "DATA", 48) + FileRecord(pck, "A", 10, 336) +
                                                   FileRecord(pck, "A", 10, 340) + FileRecord(pck, "..", 1, 336) +
                                                   FileRecord(pck, "FAR", 10, 100000) + Record(pck, "", 3, 0, 1) +
                                                   EndRecord(pck) + EndRecord(pck, 0) + std::string(20, 'x'));
    const CliRun run = Run({"check", bad});
    EXPECT_EQ(run.exit, 1);
    for (const char* kind : {"unknown-record", "data-past-end", "overlap", "duplicate", "unsafe-name"})
        EXPECT_THAT(run.err, HasSubstr(kind));
    EXPECT_THAT(run.out, HasSubstr("6 anomalies"));
}

TEST_F(Cli, CheckReportsNamesThatDifferOnlyInCase)
{
    const WriterTree tree{{{"README", "", "", 0}, {"CAF\xC9", "", "", 0}, {"SS", "", "", 0}},
                          {{"readme", {{"X", "", "", 0}, {"x", "", "", 0}}, {}}, {"caf\xE9", {}, {}}, {"\xDF", {}, {}}}};
    const CliRun run = Run({"check", Archive("case.pck", BuildArchive(ArchiveFormat::Pck, tree))});
    EXPECT_EQ(run.exit, 1);
    EXPECT_THAT(run.err, HasSubstr("case-collision: \\README differs only in case from \\readme."));
    EXPECT_THAT(run.out, HasSubstr("3 anomalies"));  // also CAFÉ and café, X and x; ß is no SS
}

TEST_F(Cli, CheckShowsAtMostTenThousandFindingsAndCountsTheRest)
{
    WriterFolder folder{"DATA", std::vector<WriterFile>(Catalogue::kMaxAnomalies + 6, WriterFile{"A", "", "", 0}), {}};
    const CliRun run = Run({"check", Archive("many.pck", BuildArchive(ArchiveFormat::Pck, {{}, {folder}}))});
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), Catalogue::kMaxAnomalies + 1);
    EXPECT_THAT(run.err, HasSubstr("many.pck: 5 more anomalies not shown\n"));
    EXPECT_THAT(run.out, HasSubstr("10005 anomalies"));
}

TEST_F(Cli, AnArchiveThatIsNoRegularFileIsRefusedAtOnce)
{
    const std::string fifo = m_dir / "fifo.pck";  // no writer: opening it used to wait for ever
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string folder = Target();
    for (const std::string& path : {fifo, folder, std::string("/dev/null")}) {
        for (const char* command : {"list", "check"}) {
            const CliRun run = Run({command, "--format", "pck", path});
            EXPECT_EQ(run.exit, 2) << command << " " << path;
            EXPECT_THAT(run.err, HasSubstr(path + ": not a regular file")) << command;
        }
    }
}

TEST_F(Cli, AFailedWriteToStandardOutputIsAnErrorAndAClosedPipeIsQuiet)
{
    const std::string archive = Demo();
    const std::vector<std::vector<std::string>> commands = {
        {"list", archive}, {"list", "--json", archive}, {"tree", archive}, {"check", archive}, {"--help"}, {"--version"}};
    for (const auto& command : commands) {
        const CliRun run = Run(command, ">/dev/full");
        EXPECT_EQ(run.exit, 1) << command[0];
        EXPECT_EQ(run.err, "vorn-cli: Could not write to standard output (No space left on device)\n") << command[0];
    }

    // Far more than a pipe holds, so the reader is gone before the listing ends.
    WriterFolder folder{"DATA", std::vector<WriterFile>(5000, WriterFile{"A", "", "", 0}), {}};
    const std::string big = Archive("big.pck", BuildArchive(ArchiveFormat::Pck, {{}, {folder}}));
    for (const char* ignored : {"", "trap '' PIPE; "}) {
        const CliRun run = Run({"list", big}, std::string("| head -c 10 >/dev/null; ") + ignored + "true");
        EXPECT_EQ(run.err, "") << ignored;
    }
}

TEST_F(Cli, UsageErrorsExitTwoAndHelpAndVersionExitZero)
{
    EXPECT_EQ(Run({}).exit, 2);
    EXPECT_EQ(Run({"extract", Demo()}).exit, 2);  // no -C
    // A missing target is made with its parents; one below a file cannot be.
    EXPECT_EQ(Run({"extract", Demo(), "-C", m_dir / "made/with/parents"}).exit, 0);
    EXPECT_FALSE(std::filesystem::is_empty(m_dir / "made/with/parents"));
    const CliRun below = Run({"extract", Demo(), "-C", Demo() + "/below"});
    EXPECT_EQ(below.exit, 2);
    EXPECT_THAT(below.err, HasSubstr("Could not create directory " + Demo() + "/below (Not a directory)"));
    EXPECT_EQ(Run({"extract", Demo(), "-C", Target(), "--jobs", "0"}).exit, 2);
    EXPECT_EQ(Run({"list", "--format", "zip", Demo()}).exit, 2);
    EXPECT_EQ(Run({"tree", Archive("plain", "")}).exit, 2);
    const CliRun help = Run({"extract", "--help"});
    EXPECT_EQ(help.exit, 0);
    EXPECT_THAT(help.out, HasSubstr("--overwrite"));
    const CliRun version = Run({"--version"});
    EXPECT_EQ(version.exit, 0);
    EXPECT_EQ(version.out, "vorn-cli " VORN_VERSION "\n");
}

}  // namespace
}  // namespace vorn::testing
