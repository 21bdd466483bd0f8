// vorn-cli stopped in the middle of a large file, by signals it handles and by
// one it cannot, extracting or packing, and vorn-cli where unnamed files
// cannot be linked in.

#include "tests/core/catalogue_test_helpers.h"
#include "tests/support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vorn::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Starts the program with the signals at their defaults and, if given, a limit
// on the size of the files it writes.
pid_t Spawn(const std::vector<std::string>& arguments, const std::string& errPath,
            rlim_t fileSizeLimit = RLIM_INFINITY)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    const int in = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    const int out = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const rlimit limit{fileSizeLimit, fileSizeLimit};
    if (in < 0 || out < 0 || err < 0 || ::dup2(in, STDIN_FILENO) < 0 || ::dup2(out, STDOUT_FILENO) < 0 ||
        ::dup2(err, STDERR_FILENO) < 0 || (fileSizeLimit != RLIM_INFINITY && ::setrlimit(RLIMIT_FSIZE, &limit) != 0))
        ::_exit(127);
    for (const int signal : {SIGINT, SIGTERM, SIGXFSZ})
        ::signal(signal, SIG_DFL);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
}

// Waits until the process holds a file open in folder, which it only does
// while writing one.
bool WaitUntilWritingInto(pid_t pid, const std::string& folder)
{
    const std::string fds = "/proc/" + std::to_string(pid) + "/fd";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        std::error_code error;
        for (const auto& fd : std::filesystem::directory_iterator(fds, error)) {
            const std::string target = std::filesystem::read_symlink(fd.path(), error).string();
            if (target.starts_with(folder + "/"))
                return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

std::string Outcome(int status)
{
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    return "exit " + std::to_string(WEXITSTATUS(status));
}

// big.pck in dir: one file BIG.BIN of 256 MiB, long enough for a run to be
// caught in the middle of it; sparse, so it costs no disk.
std::string BigArchive(const TempDir& dir)
{
    constexpr std::uint32_t kSize = 256u << 20;
    const std::string archive = dir / "big.pck";
    WriteFile(archive, FileRecord(ArchiveFormat::Pck, "BIG.BIN", kSize, 96) + EndRecord(ArchiveFormat::Pck, 0));
    std::filesystem::resize_file(archive, 96 + std::uint64_t{kSize});
    return archive;
}

// Stops the command (which writes `name` into target, replacing it with
// --overwrite) in the middle of its large file, by SIGKILL, SIGINT and SIGTERM
// (replacing), and checks that nothing was left under the name nor beside
// it, and that what it was to replace is whole.
void ExpectStoppedRunsLeaveNothing(const TempDir& dir, std::vector<std::string> command, const std::string& target,
                                   const std::string& name, const std::string& stopped)
{
    struct Case {
        int signal;
        bool replacing;
        std::string outcome;
        std::string err;
    };
    for (const Case& c : {Case{SIGKILL, false, "killed by signal 9", ""}, Case{SIGINT, false, "exit 130", stopped},
                          Case{SIGTERM, true, "exit 143", stopped}}) {
        std::vector<std::string> arguments = command;
        if (c.replacing) {
            WriteFile(target + "/" + name, "old");
            arguments.push_back("--overwrite");
        }
        const pid_t pid = Spawn(arguments, dir / "stderr");
        ASSERT_GT(pid, 0);
        const bool caught = WaitUntilWritingInto(pid, target);
        ::kill(pid, c.signal);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(caught) << "vorn-cli was not seen writing";
        EXPECT_EQ(Outcome(status), c.outcome) << c.signal;
        EXPECT_EQ(ReadFile(dir / "stderr"), c.err) << c.signal;
        if (c.replacing) {
            EXPECT_THAT(ListTree(target), ElementsAre(name)) << c.signal;
            EXPECT_EQ(ReadFile(target + "/" + name), "old");
        } else {
            EXPECT_THAT(ListTree(target), IsEmpty()) << c.signal;
        }
    }
}

TEST(InterruptedExtract, LeavesNoFileUnderTheNameNorATemporaryBesideIt)
{
    TempDir dir;
    const std::string target = dir / "out";
    std::filesystem::create_directory(target);
    ExpectStoppedRunsLeaveNothing(dir, {VORN_CLI_PATH, "extract", BigArchive(dir), "-C", target}, target, "BIG.BIN",
                                  "vorn-cli: cancelled: 0 of 1 files extracted; the rest was left out\n");
}

// A pack stopped in the middle leaves no archive, and an archive it was to
// replace as it was.
TEST(InterruptedPack, LeavesNoArchiveAndTheOldOneWhole)
{
    TempDir dir;
    std::filesystem::create_directories(dir / "src/DATA");
    WriteFile(dir / "src/DATA/BIG.BIN", "");
    std::filesystem::resize_file(dir / "src/DATA/BIG.BIN", std::uint64_t{256} << 20);
    const std::string target = dir / "out";
    std::filesystem::create_directory(target);
    ExpectStoppedRunsLeaveNothing(dir, {VORN_CLI_PATH, "pack", dir / "src", "-o", target + "/GAME.PCK"}, target,
                                  "GAME.PCK", "vorn-cli: Stopped: nothing was written\n");
}

// Past a file-size limit a write fails instead of ending the program: that
// file is reported and left out, whatever stood under its name stays, and the
// rest is written.
TEST(LimitedExtract, AFileOverTheSizeLimitFailsAloneAndLeavesNothingPartial)
{
    TempDir dir;
    const std::string archive = dir / "game.pck";
    WriteFile(archive, BuildArchive(ArchiveFormat::Pck, {{{"A", "small", "", 0},
                                                          {"BIG", std::string(256 << 10, 'b'), "", 0},
                                                          {"C", std::string(1000, 'c'), "", 0}},
                                                         {}}));
    const std::string target = dir / "out";
    std::filesystem::create_directory(target);
    for (const char* jobs : {"1", "2"}) {
        for (const bool replacing : {false, true}) {
            std::filesystem::remove_all(target);
            std::filesystem::create_directory(target);
            if (replacing)
                WriteFile(target + "/BIG", "old");
            std::vector<std::string> arguments{VORN_CLI_PATH, "extract", archive, "-C", target, "--jobs", jobs};
            if (replacing)
                arguments.push_back("--overwrite");
            const pid_t pid = Spawn(arguments, dir / "stderr", 64 << 10);
            ASSERT_GT(pid, 0);
            int status = 0;
            ::waitpid(pid, &status, 0);
            EXPECT_EQ(Outcome(status), "exit 1") << jobs << replacing;
            EXPECT_EQ(ReadFile(dir / "stderr"), "vorn-cli: Could not write file BIG (File too large)\n")
                << jobs << replacing;
            EXPECT_EQ(ReadFile(target + "/C"), std::string(1000, 'c')) << jobs << replacing;
            if (replacing) {
                EXPECT_EQ(ReadFile(target + "/BIG"), "old") << jobs;
            }
            const std::vector<std::string> expected =
                replacing ? std::vector<std::string>{"A", "BIG", "C"} : std::vector<std::string>{"A", "C"};
            EXPECT_EQ(ListTree(target), expected) << jobs << replacing;
        }
    }
}

// Why a run without /proc cannot be tried here; null when it can.
const char* WhyNoProcCannotBeTried()
{
#ifdef __SANITIZE_ADDRESS__
    return "the sanitizers read their options and run their leak check through /proc";
#endif
    if (std::system("unshare -rm true >/dev/null 2>&1") != 0)
        return "no user and mount namespaces here";
    return nullptr;
}

// Without /proc an unnamed file cannot be linked in, so each file is written
// as a hidden temporary beside its name and renamed. /proc is hidden in a
// mount namespace of its own.
TEST(ExtractWithoutProc, RenamesTemporariesBesideTheNames)
{
    if (const char* why = WhyNoProcCannotBeTried())
        GTEST_SKIP() << why;
    TempDir dir;
    const std::string archive = dir / "game.pck";
    WriteFile(archive, BuildArchive(ArchiveFormat::Pck, {{{"A", "new", "", 0}}, {{"DATA", {{"B", "b", "", 0}}, {}}}}));
    const std::string target = dir / "out";
    std::filesystem::create_directory(target);
    const auto run = [&](const std::string& options) {
        const std::string command = "unshare -rm sh -c "
                                    "'mount -t tmpfs none /proc && test ! -e /proc/self && exec \"$0\" \"$@\"' " +
                                    std::string(VORN_CLI_PATH) + " extract " + archive + " -C " + target + options +
                                    " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run(""), 0);
    EXPECT_THAT(ListTree(target), ElementsAre("A", "DATA/", "DATA/B"));
    WriteFile(target + "/A", "old");
    EXPECT_EQ(run(" A"), 1);
    EXPECT_EQ(ReadFile(target + "/A"), "old");
    EXPECT_EQ(run(" --overwrite A"), 0);
    EXPECT_EQ(ReadFile(target + "/A"), "new");
    EXPECT_THAT(ListTree(target), ElementsAre("A", "DATA/", "DATA/B"));
}

// There a killed run leaves its temporary beside the name; the next run that
// enters the folder removes it and says so.
TEST(ExtractWithoutProc, TheNextRunRemovesTheTemporaryOfAKilledOne)
{
    if (const char* why = WhyNoProcCannotBeTried())
        GTEST_SKIP() << why;
    TempDir dir;
    const std::string big = BigArchive(dir);
    const std::string small = dir / "small.pck";
    WriteFile(small, BuildArchive(ArchiveFormat::Pck, {{{"A", "a", "", 0}}, {}}));
    const std::string target = dir / "out";
    std::filesystem::create_directory(target);

    const pid_t killed = Spawn({"unshare", "-rm", "sh", "-c", "mount -t tmpfs none /proc && exec \"$0\" \"$@\"",
                                VORN_CLI_PATH, "extract", big, "-C", target},
                               dir / "stderr");
    ASSERT_GT(killed, 0);
    const bool caught = WaitUntilWritingInto(killed, target);
    ::kill(killed, SIGKILL);
    int status = 0;
    ::waitpid(killed, &status, 0);
    ASSERT_TRUE(caught) << "vorn-cli was not seen writing";
    const std::vector<std::string> left = ListTree(target);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_TRUE(left[0].starts_with(".BIG.BIN.vorn-")) << left[0];

    const pid_t next = Spawn({VORN_CLI_PATH, "extract", small, "-C", target}, dir / "stderr");
    ::waitpid(next, &status, 0);
    EXPECT_EQ(Outcome(status), "exit 0");
    EXPECT_EQ(ReadFile(dir / "stderr"), "vorn-cli: Removed 1 leftover temporary file of an interrupted run\n");
    EXPECT_THAT(ListTree(target), ElementsAre("A"));
}

}  // namespace
}  // namespace vorn::testing
