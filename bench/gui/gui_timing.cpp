// vorn-gui-timing [--rounds N] [--cli PATH] [ARCHIVE]
//
// Opens a 1,000,000-entry archive in the GUI (offscreen) and shows its folder
// of 100,000 files, and compares both times with loading the same catalogue
// alone and with `vorn-cli list`. Every measurement runs in a process of its
// own, so each peak RSS is that program's alone; the kinds alternate round by
// round and the report gives medians of the per-round ratios. Without ARCHIVE
// the archive is written to a temporary folder first.

#include "app/main_frame.h"
#include "app/morvath_doc.h"
#include "app/vorn_app.h"
#include "archive/archive_file.h"
#include "tests/support/archive_writer.h"
#include "views/dir_view.h"
#include "views/files_view.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kFolders = 901;           // under DATA; one of them is BIG
constexpr int kBigFolderIndex = 450;
constexpr int kBigFolderFiles = 100000;
constexpr int kOtherFolderFiles = 1000;  // 900 x 1,000 + 100,000 = 1,000,000 entries
constexpr const char* kBigFolder = "BIG";

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long PeakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::string FileName(int index, int digits)
{
    char name[32];
    std::snprintf(name, sizeof name, "F%0*d.BIN", digits, index);
    return name;
}

void MakeArchive(const std::string& path)
{
    vorn::testing::WriterFolder data{"DATA", {}, {}};
    for (int folder = 0; folder < kFolders; ++folder) {
        const bool big = folder == kBigFolderIndex;
        char name[16];
        std::snprintf(name, sizeof name, "D%03d", folder);
        vorn::testing::WriterFolder child{big ? kBigFolder : name, {}, {}};
        const int files = big ? kBigFolderFiles : kOtherFolderFiles;
        child.files.reserve(static_cast<std::size_t>(files));
        for (int file = 0; file < files; ++file)
            child.files.push_back({FileName(file, big ? 6 : 4), std::string(16, 'v'), {}, 0});
        data.folders.push_back(std::move(child));
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    vorn::testing::WriteArchive(vorn::ArchiveFormat::Pck, {{}, {std::move(data)}}, out);
    out.close();
    if (!out)
        throw std::runtime_error("could not write " + path);
}

// Child: the catalogue alone. Prints "load_ms peak_kib".
int MeasureLoad(const std::string& path)
{
    vorn::StderrReporter reporter("vorn-gui-timing");
    const auto start = Clock::now();
    const vorn::CArchiveFile archive(path, reporter);
    const double loadMs = MillisecondsSince(start);
    std::printf("%.1f %ld\n", loadMs, PeakRssKiB());
    return archive.Entries().empty() ? 1 : 0;
}

// Child: the GUI. Prints "open_ms select_ms rows peak_kib".
int MeasureGui(int argc, char** argv, const std::string& path)
{
    QApplication application(argc, argv);
    vorn::StderrReporter reporter("vorn-gui-timing");
    vorn::CVornApp app(&reporter);

    // Open to shown: the archive loaded, the window up and painted once.
    const auto openStart = Clock::now();
    if (!app.InitInstance({QStringLiteral("vorn"), QString::fromStdString(path)}))
        return 1;
    vorn::CMainFrame& frame = *app.MainFrame();
    if (!QTest::qWaitForWindowExposed(&frame))
        return 1;
    frame.repaint();
    const double openMs = MillisecondsSince(openStart);

    const vorn::CDirNode* big = nullptr;
    for (const auto& child : app.Document()->GetArchive()->GetRoot()->m_children)
        if (child->m_name == kBigFolder)
            big = child.get();
    if (!big)
        return 1;

    // Select to shown: the tree's selection, the list filled, sized and painted.
    const auto selectStart = Clock::now();
    frame.DirView()->SelectFolder(*big);
    frame.repaint();
    const double selectMs = MillisecondsSince(selectStart);

    std::printf("%.1f %.1f %d %ld\n", openMs, selectMs, frame.FilesView()->model()->rowCount(), PeakRssKiB());
    return 0;
}

struct ChildRun {
    std::string output;
    double wallMs = 0;
    long peakRssKiB = 0;
};

// Runs argv with its standard output captured (or discarded), timing it.
ChildRun Run(const std::vector<std::string>& args, bool captureOutput)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        throw std::runtime_error("pipe failed");
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = captureOutput ? pipeFds[1] : open("/dev/null", O_WRONLY);
        dup2(out, STDOUT_FILENO);
        close(pipeFds[0]);
        std::vector<char*> argv;
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    ChildRun run;
    char buffer[4096];
    for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        run.output.append(buffer, static_cast<std::size_t>(got));
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.wallMs = MillisecondsSince(start);
    run.peakRssKiB = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("failed: " + args.front() + " " + args.back());
    return run;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void ReadFileOnce(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<char> buffer(1 << 20);
    while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0) {
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--child-load") == 0)
        return MeasureLoad(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--child-gui") == 0) {
        // Offscreen, and with settings of its own: the user's recent files stay as they are.
        const QTemporaryDir settings;
        setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return MeasureGui(argc, argv, argv[2]);
    }
    if (argc == 3 && std::strcmp(argv[1], "--child-make") == 0) {
        MakeArchive(argv[2]);
        return 0;
    }

    int rounds = 5;
    std::string cli;
#ifdef VORN_CLI_PATH
    cli = VORN_CLI_PATH;
#endif
    std::string archive;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rounds" && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--cli" && i + 1 < argc)
            cli = argv[++i];
        else if (!arg.empty() && arg[0] != '-')
            archive = arg;
        else {
            std::fputs("usage: vorn-gui-timing [--rounds N] [--cli PATH] [ARCHIVE]\n", stderr);
            return 2;
        }
    }

    const std::string self = "/proc/self/exe";
    QTemporaryDir scratch;
    try {
        if (archive.empty()) {
            archive = scratch.filePath(QStringLiteral("huge.pck")).toStdString();
            const ChildRun made = Run({self, "--child-make", archive}, false);
            std::printf("wrote %s in %.0f ms\n", archive.c_str(), made.wallMs);
        }
        std::printf("%-5s %10s %10s %10s %9s %10s %10s %10s %10s\n", "round", "load ms", "open ms", "select ms",
                    "rows", "cli ms", "load KiB", "gui KiB", "cli KiB");
        std::vector<double> selectToLoad, openToLoad, selectToCli, guiToCliRss;
        for (int round = 1; round <= rounds; ++round) {
            ReadFileOnce(archive);
            double loadMs = 0, openMs = 0, selectMs = 0;
            long loadKiB = 0, guiKiB = 0;
            int rows = 0;
            std::sscanf(Run({self, "--child-load", archive}, true).output.c_str(), "%lf %ld", &loadMs, &loadKiB);
            std::sscanf(Run({self, "--child-gui", archive}, true).output.c_str(), "%lf %lf %d %ld", &openMs,
                        &selectMs, &rows, &guiKiB);
            ChildRun cliRun;
            if (!cli.empty())
                cliRun = Run({cli, "list", archive}, false);
            std::printf("%-5d %10.1f %10.1f %10.1f %9d %10.1f %10ld %10ld %10ld\n", round, loadMs, openMs, selectMs,
                        rows, cliRun.wallMs, loadKiB, guiKiB, cliRun.peakRssKiB);
            selectToLoad.push_back(selectMs / loadMs);
            openToLoad.push_back(openMs / loadMs);
            if (!cli.empty()) {
                selectToCli.push_back(selectMs / cliRun.wallMs);
                guiToCliRss.push_back(static_cast<double>(guiKiB) / static_cast<double>(cliRun.peakRssKiB));
            }
        }
        std::printf("median select-to-shown / catalogue load: %.3f (aim: under 0.1)\n", Median(selectToLoad));
        std::printf("median open-to-shown / catalogue load:   %.2f\n", Median(openToLoad));
        if (!cli.empty()) {
            std::printf("median select-to-shown / vorn-cli list:  %.3f\n", Median(selectToCli));
            std::printf("median peak RSS gui / vorn-cli list:     %.2f\n", Median(guiToCliRss));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vorn-gui-timing: %s\n", error.what());
        return 1;
    }
    return 0;
}
