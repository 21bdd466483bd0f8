#include "archive/describe_failure.h"
#include "tests/core/archive_fixture.h"
#include "tests/core/catalogue_test_helpers.h"

#include <csignal>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

namespace vorn::testing {
namespace {

using ::testing::ElementsAre;

WriterTree TwoFolders()
{
    return {{},
            {{"DATA",
              {{"readme.txt", "hello", "", 0}, {"EMPTY.BIN", "", "", 0}},
              {{"SUB", {{"README.TXT", "other", "", 0}, {"BIG.BIN", std::string(3 << 20, 'b'), "", 0}}, {}}}}}};
}

// Stops a copy after its first chunk.
class StopAfterFirstChunk final : public CopyMonitor {
public:
    void BytesCopied(std::uint64_t) override { m_copied = true; }
    bool ShouldStop() const override { return m_copied; }

private:
    bool m_copied = false;
};

class EntryCopy : public ArchiveFixture {
protected:
    CopyResult Copy(DataRange range, const std::string& name, ExistingFile existing, CopyMonitor* monitor = nullptr)
    {
        const int folder = ::open(Target().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        const CopyResult result =
            CopyArchiveRange(CopySourceOf(m_archive->Descriptor()), range, folder, name, existing, monitor);
        ::close(folder);
        return result;
    }

    DataRange Range(std::size_t entry) const
    {
        return {m_archive->Entries()[entry].m_offset, m_archive->Entries()[entry].m_size};
    }
};

TEST_F(EntryCopy, WritesTheBytesOfEachRecordWhateverWasReadBefore)
{
    Open(TwoFolders());
    EXPECT_EQ(Copy(Range(3), "big", ExistingFile::Keep).status, CopyStatus::Copied);
    EXPECT_EQ(Copy(Range(0), "first", ExistingFile::Keep).status, CopyStatus::Copied);
    EXPECT_EQ(Copy(Range(1), "empty", ExistingFile::Keep).status, CopyStatus::Copied);
    EXPECT_EQ(ReadFile(InTarget("big")), std::string(3 << 20, 'b'));
    EXPECT_EQ(ReadFile(InTarget("first")), "hello");
    EXPECT_EQ(std::filesystem::file_size(InTarget("empty")), 0u);
    EXPECT_THAT(ListTree(Target()), ElementsAre("big", "empty", "first"));
}

TEST_F(EntryCopy, ExistingNamesAreKeptOrReplacedWholeButNeverTheArchive)
{
    Open(TwoFolders());
    const std::string archiveBytes = ReadFile(m_archivePath);
    std::filesystem::create_hard_link(m_archivePath, InTarget("GAME.PCK"));
    std::filesystem::create_directory(InTarget("FOLDER"));
    struct Case {
        const char* name;
        ExistingFile existing;
        CopyStatus expected;
    };
    for (const Case& c : {Case{"FILE", ExistingFile::Keep, CopyStatus::Exists},
                          Case{"FILE", ExistingFile::Replace, CopyStatus::Copied},
                          Case{"FOLDER", ExistingFile::Replace, CopyStatus::ReplaceFailed},
                          Case{"GAME.PCK", ExistingFile::Keep, CopyStatus::IsArchive},
                          Case{"GAME.PCK", ExistingFile::Replace, CopyStatus::IsArchive}}) {
        WriteFile(InTarget("FILE"), "old");
        EXPECT_EQ(Copy(Range(0), c.name, c.existing).status, c.expected) << c.name;
    }
    EXPECT_EQ(ReadFile(InTarget("FILE")), "old");
    EXPECT_EQ(ReadFile(m_archivePath), archiveBytes);
    EXPECT_THAT(ListTree(Target()), ElementsAre("FILE", "FOLDER/", "GAME.PCK"));  // no temporary left
    EXPECT_EQ(Copy(Range(0), "FILE", ExistingFile::Replace).status, CopyStatus::Copied);
    EXPECT_EQ(ReadFile(InTarget("FILE")), "hello");
}

TEST_F(EntryCopy, AnUnfinishedCopyLeavesNothingUnderTheNameNorBesideIt)
{
    Open(TwoFolders());
    const FileEntry& big = m_archive->Entries()[3];
    // The file size limit makes the write fail part-way, like a full disk.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    struct Case {
        const char* what;
        DataRange range;
        bool limitSize;
        bool stop;
        CopyStatus expected;
    };
    for (const Case& c : {Case{"short read", {big.DataEnd() - 10, 100}, false, false, CopyStatus::ShortRead},
                          Case{"write fails", Range(3), true, false, CopyStatus::WriteFailed},
                          Case{"stopped", Range(3), false, true, CopyStatus::Stopped}}) {
        for (const ExistingFile existing : {ExistingFile::Keep, ExistingFile::Replace}) {
            if (existing == ExistingFile::Replace)
                WriteFile(InTarget("OLD"), "precious");
            rlimit limited = saved;
            limited.rlim_cur = c.limitSize ? 1 << 20 : saved.rlim_cur;
            ::setrlimit(RLIMIT_FSIZE, &limited);
            StopAfterFirstChunk monitor;
            const CopyResult result = Copy(c.range, existing == ExistingFile::Keep ? "NEW" : "OLD", existing,
                                           c.stop ? &monitor : nullptr);
            ::setrlimit(RLIMIT_FSIZE, &saved);
            EXPECT_EQ(result.status, c.expected) << c.what;
        }
        EXPECT_EQ(ReadFile(InTarget("OLD")), "precious") << c.what;
        EXPECT_THAT(ListTree(Target()), ElementsAre("OLD")) << c.what;
    }
    std::signal(SIGXFSZ, previous);
}

// Replacing is one rename: the old file's name is never removed on the way,
// and no temporary stays beside it.
TEST_F(EntryCopy, ReplacingRemovesNoNameOnTheWay)
{
    Open(TwoFolders());
    WriteFile(InTarget("FILE"), "old");
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, Target().c_str(), IN_DELETE), 0);
    EXPECT_EQ(Copy(Range(0), "FILE", ExistingFile::Replace).status, CopyStatus::Copied);
    alignas(inotify_event) char events[4096];
    EXPECT_EQ(::read(watch, events, sizeof events), -1) << "a name was removed";
    ::close(watch);
    EXPECT_EQ(ReadFile(InTarget("FILE")), "hello");
    EXPECT_THAT(ListTree(Target()), ElementsAre("FILE"));
}

TEST_F(EntryCopy, WriteEntryKeepsAnExistingFileUnlessToldToReplaceItAndNeverReplacesTheArchive)
{
    Open(TwoFolders());
    const std::uint32_t offset = m_archive->Entries()[0].m_offset;
    WriteFile(InTarget("keep"), "precious");
    EXPECT_FALSE(m_archive->WriteEntry(InTarget("keep"), 5, offset));
    EXPECT_EQ(ReadFile(InTarget("keep")), "precious");
    EXPECT_TRUE(m_archive->WriteEntry(InTarget("keep"), 5, offset, ExistingFile::Replace));
    EXPECT_EQ(ReadFile(InTarget("keep")), "hello");

    const std::string archiveBytes = ReadFile(m_archivePath);
    EXPECT_FALSE(m_archive->WriteEntry(m_archivePath, 5, offset, ExistingFile::Replace));
    EXPECT_EQ(ReadFile(m_archivePath), archiveBytes);
    EXPECT_FALSE(m_archive->WriteEntry(InTarget("missing/file"), 5, offset));
    EXPECT_THAT(Texts(m_reporter.Messages()),
                ElementsAre("Did not replace existing file " + InTarget("keep"),
                            "Will not replace the archive being read: " + m_archivePath,
                            "Could not create file " + InTarget("missing/file")));
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

TEST(FailureText, WordsEachKindAtTheEdge)
{
    struct Case {
        Failure failure;
        FolderFailureText wording;
        Message expected;
    };
    for (const Case& c : {
             Case{{FailureKind::FolderExists, "DATA", EEXIST}, FolderFailureText::MakeDirectory,
                  {"Could not make directory DATA", "File exists"}},
             Case{{FailureKind::FolderNotCreated, "DATA", EACCES}, FolderFailureText::CreateDirectory,
                  {"Could not create directory DATA", "Permission denied"}},
             Case{{FailureKind::ShortRead, "A/B"}, FolderFailureText::CreateDirectory,
                  {"Could not read the data of A/B", "the archive ends before the file's data does"}},
             Case{{FailureKind::RefusedName, "\\X\\..", 0, UnsafeName::FolderItself}, FolderFailureText::CreateDirectory,
                  {"Refused unsafe name \\X\\..", "the name refers to a folder itself"}},
             Case{{FailureKind::WouldReplaceArchive, "GAME.PCK", EEXIST}, FolderFailureText::CreateDirectory,
                  {"Will not replace the archive being read: GAME.PCK", ""}},
         }) {
        const Message message = DescribeFailure(c.failure, c.wording);
        EXPECT_EQ(message.text, c.expected.text);
        EXPECT_EQ(message.detail, c.expected.detail) << c.expected.text;
    }
}

}  // namespace
}  // namespace vorn::testing
