// vorn-gui-extract-timing [--rounds N] [--cli PATH]
//
// Extracts the "many small" tree (100,000 files of 0-8 KiB in about 2,000
// folders, up to 6 deep) through the GUI's path (the engine on a worker thread
// under the progress dialog) and with `vorn-cli extract`, both with the default
// number of jobs, alternating round by
// round, each run into a new folder. It reports the medians, the median of the
// per-round ratios and the longest gap between the ticks of a 10 ms timer on
// the user-interface thread during the GUI runs. Which of the two goes first
// alternates too, and every run starts after a sync, so that neither pays for
// writing back the other's files. Runs offscreen.

#include "archive/archive_file.h"
#include "app/busy_state.h"
#include "app/extraction_job.h"
#include "tests/support/archive_writer.h"

#include <QApplication>
#include <QEventLoop>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// 2,000 folders in a random tree at most 6 deep below ROOT, and 100,000 files
// of 0-8 KiB spread over them.
vorn::testing::WriterTree ManySmall()
{
    std::mt19937 random(7);
    vorn::testing::WriterFolder root{"ROOT", {}, {}};
    std::vector<std::pair<std::vector<std::size_t>, int>> folders = {{{}, 1}};  // child-index path, depth
    const auto resolve = [&root](const std::vector<std::size_t>& path) {
        vorn::testing::WriterFolder* folder = &root;
        for (const std::size_t index : path)
            folder = &folder->folders[index];
        return folder;
    };
    while (folders.size() < 2000) {
        const auto& [path, depth] = folders[random() % folders.size()];
        if (depth >= 6)
            continue;
        vorn::testing::WriterFolder* parent = resolve(path);
        std::vector<std::size_t> childPath = path;
        childPath.push_back(parent->folders.size());
        parent->folders.push_back({std::to_string(folders.size()), {}, {}});
        folders.push_back({childPath, depth + 1});
    }
    for (int i = 0; i < 100000; ++i) {
        vorn::testing::WriterFolder* folder = resolve(folders[random() % folders.size()].first);
        folder->files.push_back({std::to_string(i) + ".BIN", std::string(random() % 8193, 'v'), "", 0});
    }
    return {{}, {std::move(root)}};
}

double RunCli(const std::string& cli, const std::string& archive, const std::string& target)
{
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(cli.c_str(), cli.c_str(), "extract", archive.c_str(), "-C", target.c_str(), "--quiet", "ROOT",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "vorn-cli failed\n");
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct GuiRun {
    double seconds;
    qint64 longestGapMs;
};

GuiRun RunGui(QWidget& window, const std::string& archivePath, const QString& target)
{
    qint64 longestGap = 0;
    QElapsedTimer sinceTick;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
    });
    const auto start = Clock::now();
    ticks.start(10);
    sinceTick.start();
    vorn::CollectingReporter reporter;
    const auto archive = std::make_shared<const vorn::CArchiveFile>(archivePath, reporter);
    vorn::ExtractionResult result;
    vorn::CBusyState busy;
    auto* job = new vorn::CExtractionJob(
        &window, archive, target, {vorn::ExtractionItem::Folder(*archive->GetRoot())},
        {vorn::OverwritePolicy::Ask, vorn::ExistingFolder::Refuse, vorn::DefaultExtractionJobs()});
    QEventLoop untilIdle;
    QObject::connect(job, &vorn::CExtractionJob::finished, [&result](const vorn::ExtractionResult& ended) { result = ended; });
    QObject::connect(&busy, &vorn::CBusyState::BusyChanged, &untilIdle, [&untilIdle](bool isBusy) {
        if (!isBusy)
            untilIdle.quit();
    });
    busy.Run(job);
    untilIdle.exec();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    longestGap = std::max(longestGap, sinceTick.elapsed());
    if (!result.failures.empty() || result.filesWritten != 100000)
        std::fprintf(stderr, "GUI run wrote %llu files with %zu failures\n",
                     static_cast<unsigned long long>(result.filesWritten), result.failures.size());
    return {seconds, longestGap};
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int rounds = 5;
    std::string cli = VORN_CLI_PATH;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::string(argv[i]) == "--rounds")
            rounds = std::stoi(argv[i + 1]);
        else if (std::string(argv[i]) == "--cli")
            cli = argv[i + 1];
    }

    QTemporaryDir work;
    const std::string archive = work.filePath(QStringLiteral("many-small.pck")).toStdString();
    {
        std::ofstream out(archive, std::ios::binary);
        vorn::testing::WriteArchive(vorn::ArchiveFormat::Pck, ManySmall(), out);
    }
    std::ifstream(archive, std::ios::binary).ignore(std::numeric_limits<std::streamsize>::max());  // warm the cache

    QWidget window;
    window.resize(800, 600);
    window.show();

    std::vector<double> cliSeconds, guiSeconds, ratios;
    qint64 longestGap = 0;
    for (int round = 0; round < rounds; ++round) {
        const QString cliTarget = work.filePath(QStringLiteral("cli-%1").arg(round));
        const QString guiTarget = work.filePath(QStringLiteral("gui-%1").arg(round));
        QDir().mkpath(cliTarget);
        QDir().mkpath(guiTarget);
        double cliTime = 0;
        GuiRun gui{};
        const auto runCli = [&] {
            ::sync();
            cliTime = RunCli(cli, archive, cliTarget.toStdString());
        };
        const auto runGui = [&] {
            ::sync();
            gui = RunGui(window, archive, guiTarget);
        };
        if (round % 2 == 0) {
            runCli();
            runGui();
        } else {
            runGui();
            runCli();
        }
        cliSeconds.push_back(cliTime);
        guiSeconds.push_back(gui.seconds);
        ratios.push_back(gui.seconds / cliTime);
        longestGap = std::max(longestGap, gui.longestGapMs);
        std::printf("round %d: vorn-cli %.3f s, GUI path %.3f s (%.2f x), longest UI gap %lld ms\n", round + 1,
                    cliTime, gui.seconds, gui.seconds / cliTime, static_cast<long long>(gui.longestGapMs));
        std::fflush(stdout);
    }
    std::printf("median: vorn-cli %.3f s, GUI path %.3f s, ratio %.2f; longest UI gap over all runs %lld ms\n",
                Median(cliSeconds), Median(guiSeconds), Median(ratios), static_cast<long long>(longestGap));
    return 0;
}
