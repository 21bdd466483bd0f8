#include "tests/core/archive_fixture.h"
#include "tests/core/catalogue_test_helpers.h"

#include <csignal>
#include <sys/resource.h>

namespace vorn::testing {
namespace {

using ::testing::ElementsAre;

class EntryCopy : public ArchiveFixture {};

WriterTree TwoFolders()
{
    return {{},
            {{"DATA",
              {{"readme.txt", "hello", "", 0}, {"EMPTY.BIN", "", "", 0}},
              {{"SUB", {{"README.TXT", "other", "", 0}, {"BIG.BIN", std::string(3 << 20, 'b'), "", 0}}, {}}}}}};
}

TEST_F(EntryCopy, WritesTheBytesOfEachRecordWhateverWasReadBefore)
{
    Open(TwoFolders());
    const auto& entries = m_archive->Entries();
    EXPECT_TRUE(m_archive->WriteEntry(InTarget("big"), entries[3].m_size, entries[3].m_offset));
    EXPECT_TRUE(m_archive->WriteEntry(InTarget("first"), entries[0].m_size, entries[0].m_offset));
    EXPECT_TRUE(m_archive->WriteEntry(InTarget("empty"), 0, entries[1].m_offset));
    EXPECT_EQ(ReadFile(InTarget("big")), std::string(3 << 20, 'b'));
    EXPECT_EQ(ReadFile(InTarget("first")), "hello");
    EXPECT_TRUE(std::filesystem::exists(InTarget("empty")));
    EXPECT_EQ(std::filesystem::file_size(InTarget("empty")), 0u);
}

TEST_F(EntryCopy, ReplacesAnExistingFileOnlyWhenTheCopyIsComplete)
{
    Open(TwoFolders());
    WriteFile(InTarget("keep"), "precious");
    EXPECT_TRUE(m_archive->WriteEntry(InTarget("keep"), 5, m_archive->Entries()[0].m_offset));
    EXPECT_EQ(ReadFile(InTarget("keep")), "hello");

    WriteFile(InTarget("keep"), "precious");
    EXPECT_FALSE(m_archive->WriteEntry(InTarget("keep"), 100, static_cast<std::uint32_t>(m_archive->Entries()[3].DataEnd() - 10)));
    EXPECT_EQ(ReadFile(InTarget("keep")), "precious");
    EXPECT_THAT(ListTree(Target()), ElementsAre("keep"));  // no temporary file left
    ASSERT_EQ(m_reporter.Messages().size(), 1u);
    EXPECT_EQ(m_reporter.Messages()[0].text, "Could not read the data of " + InTarget("keep"));
}

TEST_F(EntryCopy, ByNameMatchesIgnoringCaseAndTakesTheFirstRecord)
{
    Open(TwoFolders());
    EXPECT_TRUE(m_archive->WriteEntryByName("README.TXT", Target()));
    EXPECT_THAT(ListTree(Target()), ElementsAre("readme.txt"));
    EXPECT_EQ(ReadFile(InTarget("readme.txt")), "hello");

    EXPECT_FALSE(m_archive->WriteEntryByName("NOPE.TXT ", Target()));
    EXPECT_THAT(Texts(m_reporter.Messages()), ElementsAre("Could not find file NOPE.TXT ."));
}

TEST_F(EntryCopy, ByNameInAnEmptyArchiveFindsNothing)
{
    OpenBytes(EndRecord(ArchiveFormat::Pck, 0));
    EXPECT_FALSE(m_archive->WriteEntryByName("A", Target()));
    EXPECT_FALSE(m_archive->WriteEntryByName("B", Target()));
    EXPECT_THAT(Texts(m_reporter.Messages()), ElementsAre("Could not find file A.", "Could not find file B."));
}

TEST_F(EntryCopy, ByNameRefusesAnUnsafeRecordName)
{
    OpenBytes(FileRecord(ArchiveFormat::Pck, "../ESCAPE", 1, 96) + EndRecord(ArchiveFormat::Pck, 0) + "x");
    EXPECT_FALSE(m_archive->WriteEntryByName("../escape", Target()));
    EXPECT_TRUE(ListTree(m_dir.Path().string()) == std::vector<std::string>({"out/", "test.pck"}));
    EXPECT_THAT(Texts(m_reporter.Messages()), ElementsAre("Refused unsafe name \\../ESCAPE"));
}

TEST_F(EntryCopy, FailedWriteIsReportedAndLeavesNoPartialFile)
{
    Open(TwoFolders());
    const FileEntry& big = m_archive->Entries()[3];
    // A file size limit makes the write fail part-way, like a full disk.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 1 << 20;
    ::setrlimit(RLIMIT_FSIZE, &limited);
    const bool written = m_archive->WriteEntry(InTarget("big"), big.m_size, big.m_offset);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(written);
    EXPECT_TRUE(ListTree(Target()).empty());
    ASSERT_EQ(m_reporter.Messages().size(), 1u);
    EXPECT_EQ(m_reporter.Messages()[0].text, "Could not write file " + InTarget("big"));
    EXPECT_EQ(m_reporter.Messages()[0].detail, "File too large");
}

TEST_F(EntryCopy, TargetThatCannotBeCreatedIsReported)
{
    Open(TwoFolders());
    EXPECT_FALSE(m_archive->WriteEntry(InTarget("missing/file"), 5, m_archive->Entries()[0].m_offset));
    EXPECT_THAT(Texts(m_reporter.Messages()), ElementsAre("Could not create file " + InTarget("missing/file")));
}

}  // namespace
}  // namespace vorn::testing
