// vorn-gui-timing [--rounds N] [--cli PATH] [--peer OLDER-VORN-GUI-TIMING] [ARCHIVE]
// vorn-gui-timing --look [--rounds N] [ARCHIVE]
//
// Opens a 1,000,000-entry archive in the GUI (offscreen) and shows its folder
// of 100,000 files, and compares both times with loading the same catalogue
// alone and with `vorn-cli list`. Then it browses: sorts that folder by each
// column, types a filter into it and a whole-archive search, each key timed
// until the list is painted, and reports the longest stall of the window and
// the peak memory, against an older build's GUI (the peer) when one is given. Every measurement runs in a process of
// its own, so each peak RSS is that program's alone; the kinds alternate round by round and the report gives medians of
// the per-round ratios. Without ARCHIVE the archive is written to a temporary folder first.
//
// With --look it times looking inside instead: the preview's first screen of
// files of the big folder, reading the catalogue's names again in another
// encoding (and the longest stall meanwhile), and scrolling the hex view of a
// 1 GiB entry from end to end (the longest stall, and the peak memory above
// the archive's load) in an archive of its own.
//
// With --edit it times saving: one file of the archive replaced and saved in
// the window (the write, with the longest stall meanwhile, then the archive
// read again) against `vorn-cli update` of the same change, each on a fresh
// copy; and the memory that 10,000 pending replacements take.

#include "app/main_frame.h"
#include "app/morvath_doc.h"
#include "app/vorn_app.h"
#include "app/busy_state.h"
#include "edit/pending_archive.h"
#include "res/resource_ids.h"
#include "views/hex_view.h"
#include "views/preview_pane.h"
#include "archive/archive_file.h"
#include "tests/support/archive_writer.h"
#include "views/dir_view.h"
#include "views/files_pane.h"
#include "views/files_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

// The longest gap between the ticks of a 10 ms timer on the user-interface
// thread: how long the window could not react.
class StallWatch {
public:
    StallWatch()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Tick(); });
        m_timer.start(10);
        m_last = Clock::now();
    }
    double LongestMs() const { return m_longest; }

private:
    void Tick()
    {
        m_longest = std::max(m_longest, MillisecondsSince(m_last));
        m_last = Clock::now();
    }

    QTimer m_timer;
    Clock::time_point m_last;
    double m_longest = 0;
};

struct BrowseTimes {
    double sortMs = 0;          // the slowest sort of the big folder, to painted
    double filterMs = 0;        // the slowest filter keystroke in it
    double searchMs = 0;        // the slowest whole-archive keystroke, catalogue order, to results painted
    double orderMs = 0;         // the whole archive put in name order, once
    double sortedSearchMs = 0;  // the slowest whole-archive keystroke in name order
    double stallMs = 0;
};

// Types text into the filter box key by key and returns the slowest key, each
// timed until the list is painted with its rows (waiting for them when they
// come from the search thread).
double TypeSlowest(vorn::CMainFrame& frame, const char* text, bool waitForRows)
{
    QLineEdit* box = frame.FilesPane()->FilterBox();
    QSignalSpy shown(frame.FilesView()->model(), &QAbstractItemModel::modelReset);
    double slowest = 0;
    for (const char* key = text; *key; ++key) {
        shown.clear();
        const auto start = Clock::now();
        QTest::keyClick(box, *key);
        if (waitForRows && !shown.wait(10000))
            throw std::runtime_error("no search results");
        frame.repaint();
        slowest = std::max(slowest, MillisecondsSince(start));
    }
    return slowest;
}

BrowseTimes MeasureBrowsing(vorn::CMainFrame& frame)
{
    StallWatch stalls;
    BrowseTimes times;
    QHeaderView* header = frame.FilesView()->horizontalHeader();
    const std::pair<int, Qt::SortOrder> sorts[] = {
        {vorn::NameColumn, Qt::AscendingOrder}, {vorn::NameColumn, Qt::DescendingOrder},
        {vorn::SizeColumn, Qt::AscendingOrder}, {vorn::SizeColumn, Qt::DescendingOrder},
        {vorn::TypeColumn, Qt::AscendingOrder}, {vorn::ListSort::kCatalogueOrder, Qt::AscendingOrder},
    };
    for (const auto& [column, order] : sorts) {
        const auto start = Clock::now();
        header->setSortIndicator(column, order);
        frame.repaint();
        times.sortMs = std::max(times.sortMs, MillisecondsSince(start));
        QApplication::processEvents();
    }
    times.filterMs = TypeSlowest(frame, "F00042", false);

    QCheckBox* wholeArchive = frame.FilesPane()->WholeArchiveSwitch();
    frame.FilesPane()->FilterBox()->clear();
    wholeArchive->setChecked(true);
    QSignalSpy shown(frame.FilesView()->model(), &QAbstractItemModel::modelReset);
    shown.wait(10000);
    times.searchMs = TypeSlowest(frame, "F00042", true);

    frame.FilesPane()->FilterBox()->clear();
    shown.wait(10000);
    shown.clear();
    const auto orderStart = Clock::now();
    header->setSortIndicator(vorn::NameColumn, Qt::AscendingOrder);
    if (!shown.wait(60000))
        throw std::runtime_error("no sorted results");
    times.orderMs = MillisecondsSince(orderStart);
    times.sortedSearchMs = TypeSlowest(frame, "F00042", true);
    times.stallMs = stalls.LongestMs();
    return times;
}

// Child: the GUI. Prints "open_ms select_ms rows select_kib" (as the
// program's earlier versions did), then the browsing times and the peak.
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
    frame.DirView()->SelectFolder(big);
    frame.repaint();
    const double selectMs = MillisecondsSince(selectStart);
    const int rows = frame.FilesView()->model()->rowCount();
    const long selectKiB = PeakRssKiB();

    const BrowseTimes browse = MeasureBrowsing(frame);
    std::printf("%.1f %.1f %d %ld %.1f %.1f %.1f %.1f %.1f %.1f %ld\n", openMs, selectMs, rows, selectKiB,
                browse.sortMs, browse.filterMs, browse.searchMs, browse.orderMs, browse.sortedSearchMs,
                browse.stallMs, PeakRssKiB());
    return 0;
}

// A sparse archive of one 1 GiB file of zeros.
constexpr std::uint32_t kHugeEntry = 1u << 30;

void MakeHugeEntryArchive(const std::string& path)
{
    std::string bytes = vorn::testing::BuildArchive(vorn::ArchiveFormat::Pck, {{{"HUGE.BIN", "x", {}, 0}}, {}});
    const std::size_t record = bytes.find(std::string("HUGE.BIN") + '\0');
    std::uint32_t position = 0;
    std::memcpy(&position, bytes.data() + record + 44, 4);
    std::memcpy(bytes.data() + record + 40, &kHugeEntry, 4);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    if (truncate(path.c_str(), static_cast<off_t>(position) + kHugeEntry) != 0)
        throw std::runtime_error("could not size " + path);
}

// Selects the list's row and waits until the preview has painted it.
double PreviewMs(vorn::CMainFrame& frame, int row)
{
    QSignalSpy shown(frame.PreviewPane(), &vorn::CPreviewPane::ContentShown);
    const auto start = Clock::now();
    frame.FilesView()->selectRow(row);
    if (shown.isEmpty() && !shown.wait(10000))
        throw std::runtime_error("no preview");
    frame.repaint();
    return MillisecondsSince(start);
}

vorn::CVornApp* StartApp(int argc, char** argv, const std::string& path)
{
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
    static vorn::StderrReporter reporter("vorn-gui-timing");
    auto* app = new vorn::CVornApp(&reporter);
    if (!app->InitInstance({QStringLiteral("vorn"), QString::fromStdString(path)}) ||
        !QTest::qWaitForWindowExposed(app->MainFrame()))
        throw std::runtime_error("could not open " + path);
    app->MainFrame()->resize(1200, 800);  // the preview beside the list
    app->MainFrame()->CommandAction(vorn::res::ID_VIEW_PREVIEW)->setChecked(true);  // it starts hidden
    return app;
}

long ResidentKiB()
{
    long pages = 0, resident = 0;
    std::ifstream statm("/proc/self/statm");
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

const vorn::CDirNode* BigFolder(const vorn::CVornApp& app)
{
    for (const auto& child : app.Document()->GetArchive()->GetRoot()->m_children)
        if (child->m_name == kBigFolder)
            return child.get();
    throw std::runtime_error("no folder " + std::string(kBigFolder));
}

// Child: Save of the archive with one file of the big folder replaced.
// Prints "save_ms job_ms stall_ms": the whole command, its job (the write,
// then reading what was written), and the longest stall of the window.
int MeasureSave(int argc, char** argv, const std::string& path, const std::string& replacement)
{
    vorn::CVornApp& app = *StartApp(argc, argv, path);
    vorn::CMainFrame& frame = *app.MainFrame();
    vorn::PendingArchive& pending = *app.Document()->Pending();
    if (!pending.Replace(pending.ContentOf(BigFolder(app)).files.front(), replacement).empty())
        throw std::runtime_error("could not replace with " + replacement);
    app.Document()->ChangesMade();
    double jobMs = 0;
    const auto start = Clock::now();
    const StallWatch stalls;
    QObject::connect(&frame.Busy(), &vorn::CBusyState::BusyChanged, [&](bool busy) {
        if (!busy)
            jobMs = MillisecondsSince(start);
    });
    frame.CommandAction(vorn::res::ID_FILE_SAVE)->trigger();
    const double saveMs = MillisecondsSince(start);
    if (app.Document()->IsModified())
        throw std::runtime_error("the save failed");
    std::printf("%.1f %.1f %.1f\n", saveMs, jobMs, stalls.LongestMs());
    return 0;
}

// Child: 10,000 replacements pending in the big folder. Prints the resident
// memory they added, in KiB.
int MeasurePending(int argc, char** argv, const std::string& path, const std::string& replacement)
{
    vorn::CVornApp& app = *StartApp(argc, argv, path);
    vorn::PendingArchive& pending = *app.Document()->Pending();
    const vorn::ListRows rows = pending.ContentOf(BigFolder(app));
    const long before = ResidentKiB();
    for (std::size_t file = 0; file < 10000; ++file)
        if (!pending.Replace(rows.files[file], replacement).empty())
            throw std::runtime_error("could not replace with " + replacement);
    app.Document()->ChangesMade();
    std::printf("%ld\n", ResidentKiB() - before);
    return 0;
}

// Child: the preview and the names read again. Prints "preview_ms redecode_ms stall_ms".
int MeasureLook(int argc, char** argv, const std::string& path)
{
    vorn::CVornApp& app = *StartApp(argc, argv, path);
    vorn::CMainFrame& frame = *app.MainFrame();
    for (const auto& child : app.Document()->GetArchive()->GetRoot()->m_children)
        if (child->m_name == kBigFolder)
            frame.DirView()->SelectFolder(child.get());
    double previewMs = 0;
    for (const int row : {0, kBigFolderFiles / 2, kBigFolderFiles - 1, 1})
        previewMs = std::max(previewMs, PreviewMs(frame, row));

    StallWatch stalls;
    QAction* windows1251 = nullptr;
    for (QAction* action : frame.CommandAction(vorn::res::ID_VIEW_NAME_ENCODING)->menu()->actions())
        if (action->text() == QLatin1String("Windows-1251"))
            windows1251 = action;
    const auto start = Clock::now();
    windows1251->trigger();
    frame.repaint();
    const double redecodeMs = MillisecondsSince(start);
    std::printf("%.1f %.1f %.1f\n", previewMs, redecodeMs, stalls.LongestMs());
    return 0;
}

// Child: the hex view of a 1 GiB entry scrolled from end to end in 400 steps.
// Prints "first_screen_ms stall_ms load_kib peak_kib".
int MeasureHex(int argc, char** argv, const std::string& path)
{
    vorn::CVornApp& app = *StartApp(argc, argv, path);
    vorn::CMainFrame& frame = *app.MainFrame();
    frame.DirView()->SelectFolder(nullptr);
    const long loadKiB = PeakRssKiB();
    int row = 0;
    while (frame.FilesView()->model()->index(row, 0).data().toString() != QLatin1String("HUGE.BIN"))
        ++row;
    const double firstMs = PreviewMs(frame, row);
    QScrollBar* bar = frame.PreviewPane()->HexView()->verticalScrollBar();
    StallWatch stalls;
    constexpr int kSteps = 400;
    for (int step = 0; step <= kSteps; ++step) {
        bar->setValue(static_cast<int>(static_cast<qint64>(bar->maximum()) * step / kSteps));
        QApplication::processEvents();
        frame.repaint();
    }
    for (int page = 0; page < 50; ++page) {
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        QApplication::processEvents();
        frame.repaint();
    }
    std::printf("%.1f %.1f %ld %ld\n", firstMs, stalls.LongestMs(), loadKiB, PeakRssKiB());
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
    for (const char* child : {"--child-save", "--child-pending"}) {
        if (argc == 4 && std::strcmp(argv[1], child) == 0) {
            const QTemporaryDir settings;
            setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            try {
                return std::strcmp(child, "--child-save") == 0 ? MeasureSave(argc, argv, argv[2], argv[3])
                                                               : MeasurePending(argc, argv, argv[2], argv[3]);
            } catch (const std::exception& error) {
                std::fprintf(stderr, "vorn-gui-timing: %s\n", error.what());
                return 1;
            }
        }
    }
    for (const char* child : {"--child-look", "--child-hex"}) {
        if (argc == 3 && std::strcmp(argv[1], child) == 0) {
            const QTemporaryDir settings;
            setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            try {
                return std::strcmp(child, "--child-look") == 0 ? MeasureLook(argc, argv, argv[2])
                                                               : MeasureHex(argc, argv, argv[2]);
            } catch (const std::exception& error) {
                std::fprintf(stderr, "vorn-gui-timing: %s\n", error.what());
                return 1;
            }
        }
    }

    int rounds = 5;
    std::string cli;
#ifdef VORN_CLI_PATH
    cli = VORN_CLI_PATH;
#endif
    std::string peer;
    std::string archive;
    bool look = false;
    bool edit = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rounds" && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--cli" && i + 1 < argc)
            cli = argv[++i];
        else if (arg == "--peer" && i + 1 < argc)
            peer = argv[++i];
        else if (arg == "--look")
            look = true;
        else if (arg == "--edit")
            edit = true;
        else if (!arg.empty() && arg[0] != '-')
            archive = arg;
        else {
            std::fputs("usage: vorn-gui-timing [--look | --edit] [--rounds N] [--cli PATH] [--peer "
                       "OLDER-VORN-GUI-TIMING] [ARCHIVE]\n",
                       stderr);
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
        if (edit) {
            if (cli.empty())
                throw std::runtime_error("--edit needs --cli");
            const std::string replacement = scratch.filePath(QStringLiteral("NEW.BIN")).toStdString();
            std::ofstream(replacement) << std::string(4210, 'n');
            const std::string copy = scratch.filePath(QStringLiteral("copy.pck")).toStdString();
            std::printf("%-5s %9s %9s %9s %9s %9s %9s %9s\n", "round", "save ms", "job ms", "stall ms", "load ms",
                        "cli ms", "save/cli", "write/cli");
            std::vector<double> saveRatios, writeRatios, stalls;
            for (int round = 1; round <= rounds; ++round) {
                double saveMs = 0, jobMs = 0, stallMs = 0, loadMs = 0;
                long loadKiB = 0;
                Run({"/bin/cp", archive, copy}, false);
                std::sscanf(Run({self, "--child-save", copy, replacement}, true).output.c_str(), "%lf %lf %lf",
                            &saveMs, &jobMs, &stallMs);
                // What the job's reading of the saved archive takes, alone.
                std::sscanf(Run({self, "--child-load", copy}, true).output.c_str(), "%lf %ld", &loadMs, &loadKiB);
                Run({"/bin/cp", archive, copy}, false);
                const ChildRun update =
                    Run({cli, "update", copy, "--replace", "DATA/BIG/F000000.BIN=" + replacement}, false);
                std::printf("%-5d %9.1f %9.1f %9.1f %9.1f %9.1f %9.2f %9.2f\n", round, saveMs, jobMs, stallMs, loadMs,
                            update.wallMs, saveMs / update.wallMs, (jobMs - loadMs) / update.wallMs);
                saveRatios.push_back(saveMs / update.wallMs);
                writeRatios.push_back((jobMs - loadMs) / update.wallMs);
                stalls.push_back(stallMs);
            }
            long pendingKiB = 0;
            std::sscanf(Run({self, "--child-pending", archive, replacement}, true).output.c_str(), "%ld",
                        &pendingKiB);
            std::printf("\nmedian save / vorn-cli update:       %.2f (the write alone: %.2f; aim: 1.2)\n",
                        Median(saveRatios), Median(writeRatios));
            std::printf("median longest stall of the save:    %.1f ms (aim: 100)\n", Median(stalls));
            std::printf("memory of 10,000 pending changes:    %ld KiB (aim: 2048)\n", pendingKiB);
            return 0;
        }
        if (look) {
            const std::string huge = scratch.filePath(QStringLiteral("huge-entry.pck")).toStdString();
            MakeHugeEntryArchive(huge);
            std::printf("%-5s %11s %11s %11s %9s %9s %13s\n", "round", "preview ms", "redecode ms", "stall ms",
                        "hex 1st ms", "hex stall", "hex peak+KiB");
            std::vector<double> preview, redecode, stall, hexFirst, hexStall, hexPeak;
            for (int round = 1; round <= rounds; ++round) {
                ReadFileOnce(archive);
                double previewMs = 0, redecodeMs = 0, stallMs = 0, firstMs = 0, hexStallMs = 0;
                long loadKiB = 0, peakKiB = 0;
                std::sscanf(Run({self, "--child-look", archive}, true).output.c_str(), "%lf %lf %lf", &previewMs,
                            &redecodeMs, &stallMs);
                std::sscanf(Run({self, "--child-hex", huge}, true).output.c_str(), "%lf %lf %ld %ld", &firstMs,
                            &hexStallMs, &loadKiB, &peakKiB);
                std::printf("%-5d %11.1f %11.1f %11.1f %9.1f %9.1f %13ld\n", round, previewMs, redecodeMs, stallMs,
                            firstMs, hexStallMs, peakKiB - loadKiB);
                preview.push_back(previewMs);
                redecode.push_back(redecodeMs);
                stall.push_back(stallMs);
                hexFirst.push_back(firstMs);
                hexStall.push_back(hexStallMs);
                hexPeak.push_back(static_cast<double>(peakKiB - loadKiB));
            }
            std::printf("\nmedian slowest preview, first screen:   %.1f ms (aim: 100)\n", Median(preview));
            std::printf("median re-decode of the names:         %.1f ms (aim: 1000), longest stall %.1f ms\n",
                        Median(redecode), Median(stall));
            std::printf("median hex of 1 GiB: first screen %.1f ms, longest stall %.1f ms (aim: 50), "
                        "peak %.0f KiB above the load (aim: 32768)\n",
                        Median(hexFirst), Median(hexStall), Median(hexPeak));
            return 0;
        }
        std::printf("%-5s %9s %9s %9s %7s %9s %9s %9s %9s %9s %9s\n", "round", "load ms", "open ms", "select ms",
                    "rows", "cli ms", "load KiB", "gui KiB", "peak KiB", "peer KiB", "cli KiB");
        std::vector<double> selectToLoad, openToLoad, selectToCli, guiToCliRss, peakToPeer;
        std::vector<BrowseTimes> browsing;
        for (int round = 1; round <= rounds; ++round) {
            ReadFileOnce(archive);
            double loadMs = 0, openMs = 0, selectMs = 0;
            long loadKiB = 0, guiKiB = 0, peakKiB = 0, peerKiB = 0;
            int rows = 0;
            BrowseTimes times;
            std::sscanf(Run({self, "--child-load", archive}, true).output.c_str(), "%lf %ld", &loadMs, &loadKiB);
            std::sscanf(Run({self, "--child-gui", archive}, true).output.c_str(),
                        "%lf %lf %d %ld %lf %lf %lf %lf %lf %lf %ld", &openMs, &selectMs, &rows, &guiKiB,
                        &times.sortMs, &times.filterMs, &times.searchMs, &times.orderMs, &times.sortedSearchMs,
                        &times.stallMs, &peakKiB);
            browsing.push_back(times);
            if (!peer.empty()) {
                double ignored = 0;
                int ignoredRows = 0;
                std::sscanf(Run({peer, "--child-gui", archive}, true).output.c_str(), "%lf %lf %d %ld", &ignored,
                            &ignored, &ignoredRows, &peerKiB);
                peakToPeer.push_back(static_cast<double>(peakKiB) / static_cast<double>(peerKiB));
            }
            ChildRun cliRun;
            if (!cli.empty())
                cliRun = Run({cli, "list", archive}, false);
            std::printf("%-5d %9.1f %9.1f %9.1f %7d %9.1f %9ld %9ld %9ld %9ld %9ld\n", round, loadMs, openMs,
                        selectMs, rows, cliRun.wallMs, loadKiB, guiKiB, peakKiB, peerKiB, cliRun.peakRssKiB);
            selectToLoad.push_back(selectMs / loadMs);
            openToLoad.push_back(openMs / loadMs);
            if (!cli.empty()) {
                selectToCli.push_back(selectMs / cliRun.wallMs);
                guiToCliRss.push_back(static_cast<double>(guiKiB) / static_cast<double>(cliRun.peakRssKiB));
            }
        }
        std::printf("\n%-5s %9s %9s %9s %9s %9s %9s\n", "round", "sort ms", "filter ms", "search ms", "order ms",
                    "sorted ms", "stall ms");
        for (std::size_t round = 0; round < browsing.size(); ++round) {
            const BrowseTimes& times = browsing[round];
            std::printf("%-5zu %9.1f %9.1f %9.1f %9.1f %9.1f %9.1f\n", round + 1, times.sortMs, times.filterMs,
                        times.searchMs, times.orderMs, times.sortedSearchMs, times.stallMs);
        }
        const auto median = [&browsing](double BrowseTimes::*field) {
            std::vector<double> values;
            for (const BrowseTimes& times : browsing)
                values.push_back(times.*field);
            return Median(values);
        };
        std::printf("\nmedian select-to-shown / catalogue load: %.3f (aim: under 0.1)\n", Median(selectToLoad));
        std::printf("median open-to-shown / catalogue load:   %.2f\n", Median(openToLoad));
        std::printf("median slowest sort of %d rows:     %.1f ms (aim: 100)\n", kBigFolderFiles,
                    median(&BrowseTimes::sortMs));
        std::printf("median slowest filter keystroke:      %.1f ms (aim: 30)\n", median(&BrowseTimes::filterMs));
        std::printf("median slowest search keystroke:      %.1f ms (aim: 100)\n", median(&BrowseTimes::searchMs));
        std::printf("median slowest sorted search keystroke: %.1f ms (aim: 100), after %.0f ms to order the archive\n",
                    median(&BrowseTimes::sortedSearchMs), median(&BrowseTimes::orderMs));
        std::printf("median longest UI stall:              %.1f ms (aim: 100)\n", median(&BrowseTimes::stallMs));
        if (!peer.empty())
            std::printf("median peak RSS / peer's:             %.2f (aim: 1.25)\n", Median(peakToPeer));
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
