#include "tests/cli/cli_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn::testing {
namespace {

using ::testing::HasSubstr;

// A random tree in no sorted order: names of letters, digits and letters
// above ASCII that both code pages of the test hold (0xC0-0xFF), each unique
// in its folder ignoring case; empty files and folders; for DIR one chain of
// folders as deep as the format allows.
class RandomTree {
public:
    RandomTree(unsigned seed, std::size_t nameLimit, std::size_t depth) : m_random(seed), m_nameLimit(nameLimit)
    {
        m_tree.folders.push_back(Folder(1, depth));
        Fill(m_tree.files, m_tree.folders, 1, depth);
    }
    const WriterTree& Tree() const { return m_tree; }

private:
    std::string Name(std::set<std::string>& used)
    {
        static const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-.";
        for (;;) {
            std::string name;
            const std::size_t length = 1 + m_random() % m_nameLimit;
            for (std::size_t i = 0; i < length; ++i)
                name += m_random() % 5 == 0 ? static_cast<char>(0xC0 + m_random() % 64)
                                            : letters[m_random() % letters.size()];
            if (name == "." || name == "..")
                continue;
            std::string folded = name;
            for (char& c : folded) {
                const auto byte = static_cast<unsigned char>(c);
                if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0))
                    c = static_cast<char>(byte - 0x20);
            }
            if (used.insert(folded).second)
                return name;
        }
    }

    WriterFolder Folder(std::size_t depth, std::size_t chain)
    {
        WriterFolder folder{"CHAIN" + std::to_string(depth), {}, {}};
        if (depth < chain)
            folder.folders.push_back(Folder(depth + 1, chain));
        return folder;
    }

    void Fill(std::vector<WriterFile>& files, std::vector<WriterFolder>& folders, std::size_t depth, std::size_t limit)
    {
        std::set<std::string> used;
        for (const WriterFolder& folder : folders)
            used.insert(folder.name);
        for (std::size_t i = m_random() % 6; i > 0; --i) {
            const std::size_t size = m_random() % 3 == 0 ? 0 : m_random() % 3000;
            std::string data(size, '\0');
            for (char& c : data)
                c = static_cast<char>(m_random());
            files.push_back({Name(used), data, "", 0});
        }
        for (std::size_t i = depth < limit ? m_random() % 4 : 0; i > 0; --i) {
            WriterFolder folder{Name(used), {}, {}};
            Fill(folder.files, folder.folders, depth + 1, limit);
            folders.push_back(std::move(folder));
        }
        std::shuffle(folders.begin(), folders.end(), m_random);
    }

    std::mt19937 m_random;
    std::size_t m_nameLimit;
    WriterTree m_tree;
};

class WriteCommands : public Cli {
protected:
    void ExpectRun(const std::vector<std::string>& arguments, int exit = 0)
    {
        const CliRun run = Run(arguments);
        EXPECT_EQ(run.exit, exit) << run.err;
    }
};

// Every archive written as pack writes it comes back byte for byte: from
// update without a change, and from its extraction packed in its order; a
// canonical pack of that extraction reads back clean with the same content.
TEST_F(WriteCommands, RoundTripsGiveTheSameBytes)
{
    struct Case {
        ArchiveFormat format;
        std::string encoding;
        unsigned seed;
    };
    for (const Case& test : {Case{ArchiveFormat::Pck, "Windows-1252", 1}, Case{ArchiveFormat::Dir, "Windows-1252", 2},
                             Case{ArchiveFormat::Pck, "Windows-1251", 3}, Case{ArchiveFormat::Dir, "Windows-1251", 4}}) {
        const std::string ext = test.format == ArchiveFormat::Pck ? ".pck" : ".dir";
        SCOPED_TRACE(ext + " " + test.encoding);
        const RandomTree random(test.seed, test.format == ArchiveFormat::Pck ? 35 : 31,
                                test.format == ArchiveFormat::Pck ? 12 : 10);
        const std::string a = Archive("a" + ext, BuildArchive(test.format, random.Tree()));
        const std::string encoding = "--encoding=" + test.encoding;
        const std::string tag = std::to_string(test.seed);

        ExpectRun({"check", a, encoding});
        ExpectRun({"update", a, encoding, "-o", m_dir / ("b" + tag + ext)});
        EXPECT_EQ(ReadFile(m_dir / ("b" + tag + ext)), ReadFile(a));

        const std::string extracted = m_dir / ("x" + tag);
        ExpectRun({"extract", a, encoding, "-q", "-C", extracted});
        ExpectRun({"pack", extracted, encoding, "--order-from", a, "-o", m_dir / ("c" + tag + ext)});
        EXPECT_EQ(ReadFile(m_dir / ("c" + tag + ext)), ReadFile(a));

        const std::string canonical = m_dir / ("d" + tag + ext);
        ExpectRun({"pack", extracted, encoding, "-o", canonical});
        ExpectRun({"check", canonical, encoding});
        ExpectRun({"extract", canonical, encoding, "-q", "-C", m_dir / ("y" + tag)});
        EXPECT_EQ(TreeContent(m_dir / ("y" + tag)), TreeContent(extracted));
    }
}

// Whatever pack refuses, it lists (every case, not only the first) before it
// writes anything.
TEST_F(WriteCommands, PackRefusesBeforeWritingAnything)
{
    struct Case {
        const char* what;
        std::string output;  // in the case's own folder unless it holds a '/'
        std::function<void(const std::string& folder)> make;
        std::vector<std::string> expected;
    };
    const auto file = [](const std::string& path) { WriteFile(path, "x"); };
    const std::vector<Case> cases = {
        {"names too long for their fields", "out.pck",
         [&](const std::string& f) {
             file(f + "/" + std::string(36, 'L'));
             file(f + "/" + std::string(35, 'K'));
         },
         {"Refused name " + std::string(36, 'L') + " (it is too long for the field: 36 bytes encoded, at most 35)"}},
        {"a DIR name of 32 bytes", "out.dir", [&](const std::string& f) { file(f + "/" + std::string(32, 'D')); },
         {"at most 31"}},
        {"names that do not encode, and an unsafe one", "out.pck",
         [&](const std::string& f) {
             file(f + "/\xE4\xB8\xAD.TXT");
             std::filesystem::create_directory(f + "/\xE4\xB8\xAD");
             file(f + "/A\\B");
         },
         {"Refused name \xE4\xB8\xAD.TXT (it does not encode", "Refused name \xE4\xB8\xAD (it does not encode",
          "Refused unsafe name A\\B"}},
        {"names that differ in case only", "out.pck",
         [&](const std::string& f) {
             file(f + "/readme.txt");
             file(f + "/README.TXT");
         },
         {"it is already there"}},
        {"a link, a FIFO and a file of 5 GiB", "out.pck",
         [&](const std::string& f) {
             std::filesystem::create_symlink("/etc/hostname", f + "/LINK");
             ::mkfifo((f + "/FIFO").c_str(), 0600);
             file(f + "/HUGE");
             std::filesystem::resize_file(f + "/HUGE", std::uint64_t{5} << 30);
         },
         {"LINK (not a regular file", "FIFO (not a regular file", "HUGE (it holds 5368709120 bytes"}},
        {"DIR folders 11 deep", "out.dir",
         [&](const std::string& f) { std::filesystem::create_directories(f + "/1/2/3/4/5/6/7/8/9/10/11"); },
         {"folders nest deeper than the format's 10 levels"}},
        {"the output inside the folder", "IN/out.pck", [&](const std::string& f) { file(f + "/A"); },
         {"inside the folder being packed"}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].what);
        const std::string folder = m_dir / ("case" + std::to_string(i));
        std::filesystem::create_directories(folder);
        cases[i].make(folder);
        const std::string output = cases[i].output.find('/') == std::string::npos
                                       ? m_dir / (std::to_string(i) + cases[i].output)
                                       : folder + "/" + cases[i].output;
        std::filesystem::create_directories(std::filesystem::path(output).parent_path());
        const CliRun run = Run({"pack", folder, "-o", output});
        EXPECT_EQ(run.exit, 1);
        for (const std::string& expected : cases[i].expected)
            EXPECT_THAT(run.err, HasSubstr(expected));
        EXPECT_FALSE(std::filesystem::exists(output));
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(output).parent_path()))
            EXPECT_NE(entry.path().filename().string().front(), '.') << "a temporary was left: " << entry.path();
    }
}

TEST_F(WriteCommands, AnExistingOutputIsReplacedOnlyWhenAsked)
{
    std::filesystem::create_directories(m_dir / "T/DATA");
    WriteFile(m_dir / "T/DATA/A.TXT", "new");
    WriteFile(m_dir / "out.pck", "keep");
    const CliRun refused = Run({"pack", m_dir / "T", "-o", m_dir / "out.pck"});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_THAT(refused.err, HasSubstr("Will not replace existing file"));
    EXPECT_EQ(ReadFile(m_dir / "out.pck"), "keep");
    ExpectRun({"pack", m_dir / "T", "-o", m_dir / "out.pck", "--overwrite"});
    EXPECT_THAT(Run({"list", m_dir / "out.pck"}).out, HasSubstr("\\DATA\\A.TXT"));
}

// Changes apply in the order given; the archive is replaced whole, its old
// self kept on request; a change that cannot apply leaves it as it was.
TEST_F(WriteCommands, UpdateAppliesChangesInOrderOrNothingAtAll)
{
    const std::string archive = Demo();
    WriteFile(m_dir / "NEW.BIN", "replacement");
    std::filesystem::create_directories(m_dir / "ADD/INNER");
    WriteFile(m_dir / "ADD/INNER/X.TXT", "x");
    const std::string before = ReadFile(archive);

    ExpectRun({"update", archive, "--backup", "--replace", "DATA/A.BIN=" + (m_dir / "NEW.BIN"), "--rename",
               "DATA/SUB=MOVED", "--add", "DATA/MOVED=" + (m_dir / "ADD"), "--delete", "TOP.TXT", "--mkdir",
               "DATA/EMPTY/MADE", "--add", "/=" + (m_dir / "NEW.BIN")});
    EXPECT_EQ(ReadFile(archive + "~"), before);
    const auto listed = nlohmann::json::parse(Run({"list", archive, "--json"}).out);
    std::vector<std::string> paths;
    for (const auto& folder : listed["folders"])
        paths.push_back(folder["path"]);
    for (const auto& file : listed["files"])
        paths.push_back(file["path"].get<std::string>() + "\\" + file["name"].get<std::string>() + "=" +
                        std::to_string(file["size"].get<int>()));
    EXPECT_THAT(paths, ::testing::ElementsAre("\\DATA", "\\DATA\\MOVED", "\\DATA\\MOVED\\ADD", "\\DATA\\MOVED\\ADD\\INNER",
                                              "\\DATA\\EMPTY", "\\DATA\\EMPTY\\MADE", "\\DATA\\A.BIN=11",
                                              "\\DATA\\CAF\xC3\x89.TXT=4", "\\DATA\\MOVED\\B.BIN=2048",
                                              "\\DATA\\MOVED\\ADD\\INNER\\X.TXT=1", "\\NEW.BIN=11"));
    ExpectRun({"check", archive});

    const std::string updated = ReadFile(archive);
    const CliRun failed = Run({"update", archive, "--delete", "DATA/A.BIN", "--rename", "DATA/NOPE=X"});
    EXPECT_EQ(failed.exit, 1);
    EXPECT_THAT(failed.err, HasSubstr("No folder or file DATA/NOPE"));
    EXPECT_EQ(ReadFile(archive), updated);
}

// An archive laid out otherwise (data in another order, with gaps, bytes in
// the records that carry nothing) is written again as pack lays one out: the
// same items in the same order with the same bytes, its records' spare bytes
// kept, and from then on it round-trips byte for byte.
TEST_F(WriteCommands, UpdateOfAnotherLayoutKeepsItemsOrderAndSpareBytes)
{
    const std::string folderName("DATA\0spare", 10);
    const std::string catalogue = Record(ArchiveFormat::Pck, folderName, 0xAB000001, 77, 48) +
                                  Record(ArchiveFormat::Pck, "Z.BIN", 0x00CD0000, 4, 400) +
                                  Record(ArchiveFormat::Pck, "A.BIN", 0, 6, 300) +
                                  Record(ArchiveFormat::Pck, "", 0xFF, 0, 9) + Record(ArchiveFormat::Pck, "", 0xFF, 0, 0);
    std::string bytes = catalogue + std::string(300 - catalogue.size(), '\0') + "aaaaaa" + std::string(94, '\0') + "zzzz";
    const std::string a = Archive("foreign.pck", bytes);
    const std::string b = m_dir / "b.pck";
    ExpectRun({"update", a, "-o", b});
    const auto files = [&](const std::string& archive) {
        return nlohmann::json::parse(Run({"list", archive, "--json"}).out)["files"];
    };
    auto expected = files(a);
    auto written = files(b);
    for (auto* list : {&expected, &written})
        for (auto& file : *list)
            file.erase("offset");
    EXPECT_EQ(written, expected);
    ExpectRun({"check", b});
    ExpectRun({"extract", b, "-q", "-C", m_dir / "x"});
    EXPECT_EQ(TreeContent(m_dir / "x"), (std::map<std::string, std::string>{
                                            {"DATA/", ""}, {"DATA/A.BIN", "aaaaaa"}, {"DATA/Z.BIN", "zzzz"}}));
    const std::string rewritten = ReadFile(b);
    EXPECT_EQ(rewritten.substr(0, 37), bytes.substr(0, 37));  // the folder's name field and type byte
    EXPECT_EQ(rewritten.substr(37, 3), bytes.substr(37, 3));  // its spare type bytes
    EXPECT_EQ(rewritten.substr(48 + 36, 4), bytes.substr(48 + 36, 4));
    ExpectRun({"update", b, "-o", m_dir / "c.pck"});
    EXPECT_EQ(ReadFile(m_dir / "c.pck"), rewritten);
}

}  // namespace
}  // namespace vorn::testing
