#include "tests/support/temp_dir.h"
#include "write/archive_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace vorn::testing {
namespace {

class StopAtOnce final : public WriteObserver {
public:
    void Progress(const WriteProgress&) override {}
    bool StopRequested() const override { return true; }
};

// A file on disk that is not what it was when it was taken fails the write,
// as does a stop; either way no archive and no temporary is left.
TEST(ArchiveWriter, AChangedSourceOrAStopLeavesNothing)
{
    struct Case {
        const char* what;
        std::uint32_t takenSize;
        std::int64_t takenTimeOffset;
        bool stop;
        WriteProblemKind expected;
    };
    const Case cases[] = {
        {"grown since", 3, 0, false, WriteProblemKind::SourceChanged},
        {"shrunk since", 5, 0, false, WriteProblemKind::SourceChanged},
        {"touched since", 4, -1, false, WriteProblemKind::SourceChanged},
        {"stopped", 4, 0, true, WriteProblemKind::Stopped},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        TempDir dir;
        WriteFile(dir / "SOURCE", "abcd");
        EditTree tree;
        struct stat taken {};
        ASSERT_EQ(::stat((dir / "SOURCE").c_str(), &taken), 0);
        tree.picked.push_back({dir / "SOURCE", test.takenSize, ModifiedNsOf(taken) + test.takenTimeOffset});
        tree.top.files.push_back({.name = "A.BIN", .size = test.takenSize, .source = FileSource::Picked});
        StopAtOnce stop;
        NameEncoder names = *NameEncoder::For(kDefaultNameEncoding);
        const WriteResult result =
            WriteArchive(tree, names, {}, {ArchiveFormat::Pck, 1, test.stop ? &stop : nullptr}, {dir / "OUT.PCK"});
        ASSERT_EQ(result.problems.size(), 1u);
        EXPECT_EQ(result.problems[0].kind, test.expected);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    }
}

}  // namespace
}  // namespace vorn::testing
