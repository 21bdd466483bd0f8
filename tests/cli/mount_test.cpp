// vorn-cli mount, driven through the kernel: skipped where FUSE cannot be used.

#include "tests/cli/cli_fixture.h"
#include "tests/core/catalogue_test_helpers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vorn::testing {
namespace {

using ::testing::HasSubstr;

class Mount : public Cli {
protected:
    void SetUp() override
    {
        const int fuse = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
        if (fuse < 0)
            GTEST_SKIP() << "/dev/fuse cannot be used here";
        ::close(fuse);
        std::filesystem::create_directory(m_mountpoint);
    }

    void TearDown() override
    {
        if (m_pid > 0) {
            Unmount();
            int status = 0;
            ::waitpid(m_pid, &status, 0);
        }
    }

    // Mounts in the foreground, in a process of its own; false when the
    // mount did not stand within ten seconds.
    bool MountInForeground(const std::string& archive)
    {
        m_pid = ::fork();
        if (m_pid == 0) {
            const int err = ::open((m_dir / "mount.err").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            ::dup2(err, STDERR_FILENO);
            ::execl(VORN_CLI_PATH, VORN_CLI_PATH, "mount", archive.c_str(), m_mountpoint.c_str(), "-f", nullptr);
            ::_exit(127);
        }
        return WaitUntilMounted();
    }

    bool WaitUntilMounted() const
    {
        struct stat parent {};
        ::stat(m_dir.Path().c_str(), &parent);
        for (int tries = 0; tries < 1000; ++tries) {
            struct stat point {};
            if (::stat(m_mountpoint.c_str(), &point) == 0 && point.st_dev != parent.st_dev)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    int Unmount() const { return std::system(("fusermount3 -u " + Quote(m_mountpoint) + " 2>/dev/null").c_str()); }

    // How the foreground mount ended once unmounted.
    int UnmountAndWait()
    {
        EXPECT_EQ(Unmount(), 0);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string m_mountpoint = m_dir / "mnt";
    pid_t m_pid = -1;
};

// The mount shows what extraction writes, byte for byte, and nothing can be
// written to it.
TEST_F(Mount, ShowsWhatExtractionWritesAndRefusesWrites)
{
    const std::string archive = Demo();
    ASSERT_EQ(Run({"extract", archive, "-q", "-C", m_dir / "x"}).exit, 0);
    if (!MountInForeground(archive))
        GTEST_SKIP() << "FUSE refused the mount here: " << ReadFile(m_dir / "mount.err");
    EXPECT_EQ(TreeContent(m_mountpoint), TreeContent(m_dir / "x"));
    for (const auto& [path, flags] : {std::pair{"DATA/NEW.BIN", O_WRONLY | O_CREAT}, std::pair{"TOP.TXT", O_RDWR}}) {
        errno = 0;
        EXPECT_EQ(::open((m_mountpoint + "/" + path).c_str(), flags, 0644), -1) << path;
        EXPECT_EQ(errno, EROFS) << path;
    }
    EXPECT_EQ(::mkdir((m_mountpoint + "/DATA/NEW").c_str(), 0755), -1);
    EXPECT_EQ(UnmountAndWait(), 0);
}

// Unsafe names stay out and are named; of two files of one name the later
// stands; data past the archive's end, and an archive changed under the
// mount, read as EIO, never as other bytes.
TEST_F(Mount, HostileArchiveAndAnArchiveChangedUnderTheMount)
{
    const ArchiveFormat pck = ArchiveFormat::Pck;
    const std::string catalogue = FolderRecord(pck, "DATA", 48) + FileRecord(pck, "A.BIN", 3, 400) +
                                  FileRecord(pck, "A.BIN", 4, 403) + FileRecord(pck, "..", 1, 407) +
                                  FileRecord(pck, "B.BIN", 1, 406) +
                                  FileRecord(pck, "PAST.BIN", 100, 405) + EndRecord(pck) + EndRecord(pck, 0);
    const std::string archive =
        Archive("hostile.pck", catalogue + std::string(400 - catalogue.size(), '\0') + "oldnewx");
    if (!MountInForeground(archive))
        GTEST_SKIP() << "FUSE refused the mount here: " << ReadFile(m_dir / "mount.err");
    EXPECT_THAT(ReadFile(m_dir / "mount.err"), HasSubstr("Left out DATA\\.."));
    EXPECT_THAT(ListTree(m_mountpoint),
                ::testing::ElementsAre("DATA/", "DATA/A.BIN", "DATA/B.BIN", "DATA/PAST.BIN"));
    EXPECT_EQ(ReadFile(m_mountpoint + "/DATA/A.BIN"), "newx");

    const auto readError = [&](const std::string& path) {
        const int fd = ::open((m_mountpoint + "/" + path).c_str(), O_RDONLY);
        char buffer[128];
        errno = 0;
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        const int error = got < 0 ? errno : 0;
        ::close(fd);
        return error;
    };
    EXPECT_EQ(readError("DATA/PAST.BIN"), EIO);
    // Rewritten in place with other bytes, the archive is not what the mount
    // shows. What was read before may come from the kernel's cache; B.BIN was not.
    std::string changed = ReadFile(archive);
    changed[406] = 'y';
    WriteFile(archive, changed);
    EXPECT_EQ(readError("DATA/B.BIN"), EIO);
    EXPECT_EQ(UnmountAndWait(), 0);
}

// Without -f the command returns once the mount stands, and the mount stays.
TEST_F(Mount, DetachesUnlessToldToStay)
{
    const CliRun run = Run({"mount", Demo(), m_mountpoint});
    if (run.exit != 0)
        GTEST_SKIP() << "FUSE refused the mount here: " << run.err;
    EXPECT_TRUE(WaitUntilMounted());
    EXPECT_EQ(ReadFile(m_mountpoint + "/TOP.TXT"), "top");
    EXPECT_EQ(Unmount(), 0);
}

}  // namespace
}  // namespace vorn::testing
