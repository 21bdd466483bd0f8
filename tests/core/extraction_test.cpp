#include "archive/catalogue_check.h"
#include "tests/core/archive_fixture.h"
#include "tests/core/catalogue_test_helpers.h"

#include <climits>
#include <fcntl.h>
#include <map>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace vorn::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;
using K = FailureKind;

// Remembers what a run reported and plays the user: cancels when told to,
// answers overwrite questions from a list.
class ScriptedObserver final : public ExtractionObserver {
public:
    void Progress(const ExtractionProgress& progress) override
    {
        if (!m_first)
            m_first = progress;
        m_last = progress;
        if (m_finished.size() < progress.filesDone)
            m_finished.push_back(progress.currentPath);
    }
    bool CancelRequested() const override
    {
        return m_last.filesDone >= cancelAfterFiles || m_last.bytesDone >= cancelAfterBytes;
    }
    OverwriteAnswer AskOverwrite(const std::string& relativePath, std::uint64_t newSize) override
    {
        askedElsewhere = askedElsewhere || std::this_thread::get_id() != m_thread;
        asked.push_back(relativePath);
        askedSizes.push_back(newSize);
        const OverwriteAnswer answer = answers.at(0);
        answers.erase(answers.begin());
        return answer;
    }

    std::uint64_t cancelAfterFiles = UINT64_MAX;
    std::uint64_t cancelAfterBytes = UINT64_MAX;
    std::vector<OverwriteAnswer> answers;
    std::vector<std::string> asked;
    std::vector<std::uint64_t> askedSizes;
    bool askedElsewhere = false;  // from a thread other than the one that made the observer
    std::thread::id m_thread = std::this_thread::get_id();
    std::vector<std::string> m_finished;  // each file's path as it finished
    std::optional<ExtractionProgress> m_first;
    ExtractionProgress m_last;
};

WriterFile File(std::string name, std::string data) { return {std::move(name), std::move(data), "", 0}; }

// DATA holding A.BIN and B.BIN, then SND (holding X.WAV), then the empty MAPS.
WriterTree WorkedExample()
{
    return {{}, {{"DATA", {File("A.BIN", "aa"), File("B.BIN", "bbb")}, {{"SND", {File("X.WAV", "x")}, {}}, {"MAPS", {}, {}}}}}};
}

class Extraction : public ArchiveFixture {};

TEST_F(Extraction, FolderIsWrittenWithItsFilesBeforeItsSubFoldersDepthFirst)
{
    Open(WorkedExample());
    ScriptedObserver observer;
    const ExtractionResult result = Extract({ExtractionItem::Folder(Folder("\\DATA"))}, {}, &observer);
    EXPECT_THAT(ListTree(Target()), ElementsAre("DATA/", "DATA/A.BIN", "DATA/B.BIN", "DATA/MAPS/", "DATA/SND/",
                                                "DATA/SND/X.WAV"));
    EXPECT_THAT(observer.m_finished, ElementsAre("DATA/A.BIN", "DATA/B.BIN", "DATA/SND/X.WAV"));
    EXPECT_EQ(ReadFile(InTarget("DATA/B.BIN")), "bbb");
    EXPECT_THAT(result.failures, IsEmpty());
    EXPECT_EQ(result.filesWritten, 3u);
    EXPECT_EQ(result.foldersCreated, 3u);
    EXPECT_EQ(result.bytesWritten, 6u);
    EXPECT_EQ(observer.m_last.bytesDone, observer.m_last.bytesTotal);
    // The totals come before the first file.
    ASSERT_TRUE(observer.m_first);
    EXPECT_EQ(observer.m_first->filesDone, 0u);
    EXPECT_EQ(observer.m_first->filesTotal, 3u);
    EXPECT_EQ(observer.m_first->bytesTotal, 6u);
}

TEST_F(Extraction, PlanListsFoldersBeforeTheirContentWithSubtreeBounds)
{
    Open(WorkedExample());
    const ExtractionPlan plan = PlanExtraction(Loaded(), {ExtractionItem::Folder(Folder("\\DATA"))});
    std::vector<std::string> steps;
    for (std::size_t at = 0; at < plan.steps.size(); ++at) {
        const bool folder = plan.steps[at].GetAction() == PlanStep::Action::MakeFolder;
        steps.push_back(std::to_string(plan.Depth(at)) + (folder ? " mkdir " : " file ") + plan.RelativePath(at) +
                        (folder ? " until " + std::to_string(plan.SubtreeEnd(at)) : ""));
    }
    EXPECT_THAT(steps, ElementsAre("0 mkdir DATA until 6", "1 file DATA/A.BIN", "1 file DATA/B.BIN",
                                   "1 mkdir DATA/SND until 5", "2 file DATA/SND/X.WAV", "1 mkdir DATA/MAPS until 6"));
    EXPECT_EQ(plan.totalFiles, 3u);
    EXPECT_EQ(plan.totalBytes, 6u);
}

TEST_F(Extraction, FoldersAreTakenByNodeNotByName)
{
    Open({{}, {{"R", {}, {{"SOUND", {File("S1", "1")}, {}}, {"SOUNDS", {File("S2", "2")}, {}},
                          {"A", {}, {{"GFX", {File("G1", "1")}, {{"DEEP", {}, {}}}}}}, {"GFX", {File("G2", "2")}, {}}}}}});
    EXPECT_TRUE(Extract({ExtractionItem::Folder(Folder("\\R\\SOUND"))}).failures.empty());
    EXPECT_TRUE(Extract({ExtractionItem::Folder(Folder("\\R\\GFX"))}).failures.empty());
    EXPECT_THAT(ListTree(Target()), ElementsAre("GFX/", "GFX/G2", "SOUND/", "SOUND/S1"));
}

TEST_F(Extraction, TopLevelGoesIntoAFolderNamedByTheCaller)
{
    Open({{File("README", "r")}, {{"ONE", {File("A", "a")}, {}}, {"TWO", {}, {}}}});
    EXPECT_TRUE(Extract({ExtractionItem::TopLevel("TEST.PCK")}).failures.empty());
    EXPECT_THAT(ListTree(Target()), ElementsAre("TEST.PCK/", "TEST.PCK/ONE/", "TEST.PCK/ONE/A", "TEST.PCK/README",
                                                "TEST.PCK/TWO/"));
}

TEST_F(Extraction, LaterRecordOfTheSameNameInOneRunReplacesTheEarlier)
{
    Open({{File("X", "first"), File("X", "second")}, {{"D", {File("Y", "1"), File("Y", "2")}, {}}}});
    const ExtractionResult result = Extract({ExtractionItem::Folder(Folder("\\D")), ExtractionItem::File(0),
                                             ExtractionItem::File(1)});
    EXPECT_EQ(ReadFile(InTarget("D/Y")), "2");
    EXPECT_EQ(ReadFile(InTarget("X")), "second");
    EXPECT_THAT(result.failures, IsEmpty());
    EXPECT_THAT(ListTree(Target()), ElementsAre("D/", "D/Y", "X"));
}

TEST_F(Extraction, OfAFileAndAFolderOfOneNameTheFirstInTheCatalogueIsWrittenWithAnyNumberOfJobs)
{
    constexpr auto pck = ArchiveFormat::Pck;
    const std::string fileFirst = FolderRecord(pck, "DATA", 48) + FileRecord(pck, "X", 4, 336) +
                                  FolderRecord(pck, "X", 144) + FileRecord(pck, "A", 1, 340) + EndRecord(pck) +
                                  EndRecord(pck) + EndRecord(pck, 0) + "xxxxa";
    const std::string folderFirst = FolderRecord(pck, "DATA", 48) + FolderRecord(pck, "X", 96) +
                                    FileRecord(pck, "A", 1, 340) + EndRecord(pck) + FileRecord(pck, "X", 4, 336) +
                                    EndRecord(pck) + EndRecord(pck, 0) + "xxxxa";
    struct Case {
        const std::string& bytes;
        std::vector<std::string> tree;  // in DATA
    };
    for (const Case& c : {Case{fileFirst, {"X"}}, Case{folderFirst, {"X/", "X/A"}}}) {
        OpenBytes(c.bytes);
        const ExtractionItem file = ExtractionItem::File(Folder("\\DATA").m_files.at(0));
        const ExtractionItem folder = ExtractionItem::Folder(Folder("\\DATA\\X"));
        for (const unsigned jobs : {1u, 4u}) {
            // The folder's content, and the two chosen side by side in either order.
            for (const auto& [items, where] :
                 {std::pair{std::vector{ExtractionItem::Folder(Folder("\\DATA"))}, "DATA/"},
                  {std::vector{file, folder}, ""}, {std::vector{folder, file}, ""}}) {
                std::filesystem::remove_all(Target());
                std::filesystem::create_directory(Target());
                const ExtractionResult result = Extract(items, {OverwritePolicy::Skip, ExistingFolder::Refuse, jobs});
                std::vector<std::string> tree = *where ? std::vector<std::string>{where} : std::vector<std::string>{};
                for (const std::string& path : c.tree)
                    tree.push_back(where + path);
                EXPECT_THAT(ListTree(Target()), ::testing::ElementsAreArray(tree)) << jobs << " jobs";
                EXPECT_THAT(KindsAndPaths(result.failures),
                            ElementsAre(KindAndPath{K::NameTaken, std::string(where) + "X"}))
                    << jobs << " jobs";
                if (c.tree.size() == 1) {
                    EXPECT_EQ(ReadFile(InTarget(std::string(where) + "X")), "xxxx");
                }
            }
        }
    }
}

TEST_F(Extraction, NamesThatDecodeAlikeFromOtherBytesAreNeverMerged)
{
    struct Case {
        const char* encoding;
        std::vector<std::string> names;  // files of D, in catalogue order
        std::vector<std::string> tree;
        std::vector<KindAndPath> failures;
        std::string kanjiData;  // what D's kanji file holds
    };
    const std::string kanji = "\xE7\xBA\x8A";  // U+7E8A, at ED 40 and at FA 5C in Shift-JIS
    for (const Case& c : {
             Case{"Shift-JIS", {"\xED\x40", "\xFA\x5C"}, {"D/", "D/" + kanji}, {{K::NameSpelledTwice, "D/" + kanji}}, "0"},
             // Records spelled alike still replace one another.
             Case{"Shift-JIS", {"\xFA\x5C", "\xED\x40", "\xFA\x5C"}, {"D/", "D/" + kanji},
                  {{K::NameSpelledTwice, "D/" + kanji}}, "2"},
             Case{"Shift-JIS", {"\xED\x40", "\xED\x40"}, {"D/", "D/" + kanji}, {}, "1"},
             Case{"TCVN5712-1", {"A\xA1", "A\xA2"}, {"D/", "D/A\xC3\x82", "D/A\xC4\x82"}, {}, ""},
         }) {
        WriterFolder folder{"D", {}, {}};
        for (std::size_t i = 0; i < c.names.size(); ++i)
            folder.files.push_back(File(c.names[i], std::to_string(i)));
        Open({{}, {folder}}, ArchiveFormat::Pck, *NameDecoder::For(c.encoding));
        for (const unsigned jobs : {1u, 4u}) {
            std::filesystem::remove_all(Target());
            std::filesystem::create_directory(Target());
            const ExtractionResult result =
                Extract({ExtractionItem::Folder(Folder("\\D"))}, {OverwritePolicy::Skip, ExistingFolder::Refuse, jobs});
            EXPECT_THAT(ListTree(Target()), ::testing::ElementsAreArray(c.tree)) << c.encoding;
            EXPECT_THAT(KindsAndPaths(result.failures), ::testing::ElementsAreArray(c.failures)) << c.encoding;
        }
        if (!c.kanjiData.empty()) {
            EXPECT_EQ(ReadFile(InTarget("D/" + kanji)), c.kanjiData);
        }
    }
    // Folders too: the second spelling is left out with its content.
    Open({{}, {{"D", {}, {{"\xFA\x5C", {File("A", "a")}, {}}, {"\xED\x40", {File("B", "b")}, {}}}}}},
         ArchiveFormat::Pck, *NameDecoder::For("Shift-JIS"));
    std::filesystem::remove_all(Target());
    std::filesystem::create_directory(Target());
    const ExtractionResult result = Extract({ExtractionItem::Folder(Folder("\\D"))});
    EXPECT_THAT(ListTree(Target()), ElementsAre("D/", "D/" + kanji + "/", "D/" + kanji + "/A"));
    EXPECT_THAT(KindsAndPaths(result.failures), ElementsAre(KindAndPath{K::NameSpelledTwice, "D/" + kanji}));
}

TEST_F(Extraction, ExistingFolderIsRefusedOrMergedIntoButNeverThroughALink)
{
    Open(WorkedExample());
    const std::string outside = m_dir / "outside";
    std::filesystem::create_directory(outside);
    struct Case {
        ExistingFolder existingFolder;
        OverwritePolicy overwrite;
        std::vector<KindAndPath> failures;
        const char* fileAfter;
    };
    for (const Case& c : {Case{ExistingFolder::Refuse, OverwritePolicy::Replace, {{K::FolderExists, "DATA"}}, "old"},
                          Case{ExistingFolder::Merge, OverwritePolicy::Skip,
                               {{K::KeptExisting, "DATA/A.BIN"}, {K::FolderNotEntered, "DATA/SND"}}, "old"},
                          Case{ExistingFolder::Merge, OverwritePolicy::Replace, {{K::FolderNotEntered, "DATA/SND"}}, "aa"}}) {
        std::filesystem::remove_all(InTarget("DATA"));
        std::filesystem::create_directory(InTarget("DATA"));
        WriteFile(InTarget("DATA/A.BIN"), "old");
        std::filesystem::create_directory_symlink(outside, InTarget("DATA/SND"));
        const ExtractionResult result = Extract({ExtractionItem::Folder(Folder("\\DATA"))},
                                                {c.overwrite, c.existingFolder});
        EXPECT_THAT(KindsAndPaths(result.failures), ::testing::ElementsAreArray(c.failures));
        EXPECT_EQ(ReadFile(InTarget("DATA/A.BIN")), c.fileAfter);
    }
    EXPECT_TRUE(ListTree(outside).empty());
    EXPECT_TRUE(std::filesystem::is_symlink(InTarget("DATA/SND")));
    std::filesystem::remove(InTarget("DATA/SND"));
    EXPECT_THAT(ListTree(Target()), ElementsAre("DATA/", "DATA/A.BIN", "DATA/B.BIN", "DATA/MAPS/"));

    // A folder this run made holds only what the run wrote, so a second record replaces the first.
    std::filesystem::remove_all(InTarget("DATA"));
    const ExtractionItem data = ExtractionItem::Folder(Folder("\\DATA"));
    const ExtractionResult twice =
        Extract({data, data}, {OverwritePolicy::Skip, ExistingFolder::Merge});
    EXPECT_THAT(twice.failures, IsEmpty());
    EXPECT_EQ(twice.filesWritten, 6u);
}

TEST_F(Extraction, TheArchiveBeingReadIsNeitherReplacedNorAskedAbout)
{
    Open({{File("GAME.PCK", "new")}, {}});
    const std::string archiveBytes = ReadFile(m_archivePath);
    std::filesystem::create_hard_link(m_archivePath, InTarget("GAME.PCK"));
    for (const OverwritePolicy policy : {OverwritePolicy::Skip, OverwritePolicy::Replace, OverwritePolicy::Ask}) {
        ScriptedObserver observer;
        observer.answers = {OverwriteAnswer::Yes};
        const ExtractionResult result =
            Extract({ExtractionItem::File(0)}, {policy}, &observer);
        EXPECT_THAT(KindsAndPaths(result.failures), ElementsAre(KindAndPath{K::WouldReplaceArchive, "GAME.PCK"}));
        EXPECT_THAT(observer.asked, IsEmpty());
    }
    EXPECT_EQ(ReadFile(m_archivePath), archiveBytes);
}

TEST_F(Extraction, UnsafeNamesAreRefusedAndNothingLandsOutsideTheTarget)
{
    const std::string sentinel = m_dir / "SENTINEL";
    WriteFile(sentinel, "untouched");
    // Control characters could drive a terminal or split a line; 0x81 is one of
    // the bytes Windows-1252 leaves undefined, read as the control U+0081.
    Open({{File("..", "x"), File("C:EVIL", "x"), File("", "x")},
          {{"DATA",
            {File("../../SENTINEL", "overwritten"), File("/abs", "x"), File("\\BACK", "x"), File("OK", "ok"),
             File("ESC\x1b[2J", "x"), File("DEL\x7f", "x"), File("C1\x81", "x"), File("CAF\xC9", "ok")},
            {{"..", {File("SENTINEL", "overwritten")}, {}}, {".", {}, {}}, {"FINE", {}, {}}, {"TAB\tDIR", {}, {}}}}}});
    const ExtractionResult result = Extract({ExtractionItem::TopLevel("ALL")});
    EXPECT_EQ(ReadFile(sentinel), "untouched");
    EXPECT_THAT(ListTree(Target()),
                ElementsAre("ALL/", "ALL/DATA/", "ALL/DATA/CAF\xC3\x89", "ALL/DATA/FINE/", "ALL/DATA/OK"));
    std::vector<std::pair<std::string, UnsafeName>> refused;
    for (const Failure& failure : result.failures)
        if (failure.kind == K::RefusedName && failure.unsafeName)
            refused.emplace_back(failure.path, *failure.unsafeName);
    using enum UnsafeName;
    EXPECT_THAT(refused, ElementsAre(Pair("\\..", FolderItself), Pair("\\C:EVIL", Drive), Pair("\\", Empty),
                                     Pair("\\DATA\\../../SENTINEL", PathSeparator), Pair("\\DATA\\/abs", PathSeparator),
                                     Pair("\\DATA\\\\BACK", PathSeparator), Pair("\\DATA\\ESC\x1b[2J", ControlCharacter),
                                     Pair("\\DATA\\DEL\x7f", ControlCharacter), Pair("\\DATA\\C1\xC2\x81", ControlCharacter),
                                     Pair("\\DATA\\..", FolderItself), Pair("\\DATA\\.", FolderItself),
                                     Pair("\\DATA\\TAB\tDIR", ControlCharacter)));
    // check counts what extraction refuses.
    std::size_t unsafe = 0;
    for (const CatalogueAnomaly& anomaly : CheckCatalogue(Loaded()).anomalies)
        unsafe += anomaly.kind == AnomalyKind::UnsafeName;
    EXPECT_EQ(unsafe, result.failures.size());
}

TEST_F(Extraction, SymbolicLinksInTheTargetAreNeverFollowed)
{
    const std::string outside = m_dir / "outside";
    std::filesystem::create_directory(outside);
    WriteFile(outside + "/TOP.TXT", "untouched");
    std::filesystem::create_directory_symlink(outside, InTarget("DATA"));
    std::filesystem::create_symlink(outside + "/TOP.TXT", InTarget("TOP.TXT"));
    Open({{File("TOP.TXT", "new")}, {{"DATA", {File("TOP.TXT", "new")}, {}}}});

    const ExtractionResult kept = Extract({ExtractionItem::Folder(Folder("\\DATA")), ExtractionItem::File(0)});
    EXPECT_THAT(KindsAndPaths(kept.failures),
                ElementsAre(KindAndPath{K::FolderExists, "DATA"}, KindAndPath{K::KeptExisting, "TOP.TXT"}));
    EXPECT_TRUE(std::filesystem::is_symlink(InTarget("TOP.TXT")));

    const ExtractionResult replaced = Extract({ExtractionItem::File(0)}, {OverwritePolicy::Replace});
    EXPECT_THAT(replaced.failures, IsEmpty());
    EXPECT_FALSE(std::filesystem::is_symlink(InTarget("TOP.TXT")));
    EXPECT_EQ(ReadFile(InTarget("TOP.TXT")), "new");
    EXPECT_THAT(ListTree(outside), ElementsAre("TOP.TXT"));
    EXPECT_EQ(ReadFile(outside + "/TOP.TXT"), "untouched");
}

TEST_F(Extraction, ExistingFilesFollowThePolicyAndTheUsersAnswers)
{
    Open({{File("A", "new a"), File("B", "new b"), File("C", "new c"), File("D", "new d"), File("E", "new e")}, {}});
    for (const char* name : {"A", "B", "C", "D", "E"})
        WriteFile(InTarget(name), "old");
    std::vector<ExtractionItem> all;
    for (std::uint32_t i = 0; i < 5; ++i)
        all.push_back(ExtractionItem::File(i));

    ScriptedObserver observer;
    observer.answers = {OverwriteAnswer::No, OverwriteAnswer::Yes, OverwriteAnswer::YesToAll};
    const ExtractionResult result = Extract(all, {OverwritePolicy::Ask}, &observer);
    EXPECT_THAT(observer.asked, ElementsAre("A", "B", "C"));
    EXPECT_EQ(ReadFile(InTarget("A")), "old");
    EXPECT_EQ(ReadFile(InTarget("B")), "new b");
    EXPECT_EQ(ReadFile(InTarget("E")), "new e");
    EXPECT_EQ(result.filesKept, 1u);
    EXPECT_EQ(result.filesWritten, 4u);
    EXPECT_THAT(result.failures, IsEmpty());

    for (const char* name : {"A", "B", "C"})
        WriteFile(InTarget(name), "old");
    ScriptedObserver cancelling;
    cancelling.answers = {OverwriteAnswer::Cancel};
    const ExtractionResult cancelled = Extract(all, {OverwritePolicy::Ask}, &cancelling);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cancelled.filesWritten, 0u);
    EXPECT_EQ(ReadFile(InTarget("B")), "old");

    // No to All keeps the rest without asking, counted as kept rather than reported.
    for (const char* name : {"A", "B", "C", "D", "E"})
        WriteFile(InTarget(name), "old");
    ScriptedObserver keeping;
    keeping.answers = {OverwriteAnswer::Yes, OverwriteAnswer::NoToAll};
    const ExtractionResult kept = Extract(all, {OverwritePolicy::Ask}, &keeping);
    EXPECT_THAT(keeping.asked, ElementsAre("A", "B"));
    EXPECT_THAT(keeping.askedSizes, ElementsAre(5u, 5u));
    EXPECT_EQ(ReadFile(InTarget("A")), "new a");
    EXPECT_EQ(ReadFile(InTarget("E")), "old");
    EXPECT_EQ(kept.filesKept, 4u);
    EXPECT_THAT(kept.failures, IsEmpty());

    const ExtractionResult skipped = Extract(all);
    EXPECT_EQ(skipped.failures.size(), 5u);
    EXPECT_EQ(KindsAndPaths(skipped.failures)[0], (KindAndPath{K::KeptExisting, "A"}));
}

TEST_F(Extraction, CancelStopsAfterTheCurrentFileAndRemovesAPartialOne)
{
    Open({{}, {{"DATA", {File("SMALL", "s"), File("BIG", std::string(3 << 20, 'b')), File("LATER", "l")}, {}}}});
    ScriptedObserver observer;
    observer.cancelAfterBytes = 2;  // during BIG, after its first chunk
    const ExtractionResult result = Extract({ExtractionItem::Folder(Folder("\\DATA"))}, {}, &observer);
    EXPECT_TRUE(result.cancelled);
    EXPECT_THAT(ListTree(Target()), ElementsAre("DATA/", "DATA/SMALL"));
    EXPECT_EQ(result.filesWritten, 1u);
    EXPECT_EQ(result.filesPlanned, 3u);

    ScriptedObserver lastFile;  // stopped in the middle of the run's last file
    lastFile.cancelAfterBytes = 2;
    std::filesystem::remove_all(InTarget("DATA"));
    const ExtractionResult last = Extract({ExtractionItem::File(1)}, {}, &lastFile);
    EXPECT_TRUE(last.cancelled);
    EXPECT_TRUE(ListTree(Target()).empty());

    ScriptedObserver betweenFiles;
    betweenFiles.cancelAfterFiles = 1;
    std::filesystem::remove_all(InTarget("DATA"));
    const ExtractionResult stopped = Extract({ExtractionItem::Folder(Folder("\\DATA"))}, {}, &betweenFiles);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_THAT(ListTree(Target()), ElementsAre("DATA/", "DATA/SMALL"));
}

TEST_F(Extraction, DataPastTheEndFailsCleanlyAndTheRestIsWritten)
{
    const auto pck = ArchiveFormat::Pck;
    OpenBytes(FolderRecord(pck, "DATA", 48) + FileRecord(pck, "BAD", 10, 240) + FileRecord(pck, "GOOD", 2, 240) +
              EndRecord(pck) + EndRecord(pck, 0) + "ok");
    const ExtractionResult result = Extract({ExtractionItem::Folder(Folder("\\DATA"))});
    EXPECT_THAT(ListTree(Target()), ElementsAre("DATA/", "DATA/GOOD"));
    EXPECT_THAT(KindsAndPaths(result.failures), ElementsAre(KindAndPath{K::ShortRead, "DATA/BAD"}));
    EXPECT_EQ(result.filesWritten, 1u);
}

TEST_F(Extraction, AFailedReplacementKeepsTheOldFileAndItsBytesLeaveTheProgress)
{
    const auto pck = ArchiveFormat::Pck;
    // BAD's data runs past the end of the archive: its copy fails after two bytes.
    OpenBytes(FolderRecord(pck, "DATA", 48) + FileRecord(pck, "BAD", 10, 240) + FileRecord(pck, "GOOD", 2, 240) +
              EndRecord(pck) + EndRecord(pck, 0) + "ok");
    for (const unsigned jobs : {1u, 2u}) {
        std::filesystem::create_directories(InTarget("DATA"));
        WriteFile(InTarget("DATA/BAD"), "old bytes");
        WriteFile(InTarget("DATA/GOOD"), "old");
        ScriptedObserver observer;
        const ExtractionResult result = Extract({ExtractionItem::Folder(Folder("\\DATA"))},
                                                {OverwritePolicy::Replace, ExistingFolder::Merge, jobs}, &observer);
        EXPECT_THAT(KindsAndPaths(result.failures), ElementsAre(KindAndPath{K::ShortRead, "DATA/BAD"})) << jobs;
        EXPECT_EQ(ReadFile(InTarget("DATA/BAD")), "old bytes") << jobs;
        EXPECT_EQ(ReadFile(InTarget("DATA/GOOD")), "ok") << jobs;
        EXPECT_THAT(ListTree(Target()), ElementsAre("DATA/", "DATA/BAD", "DATA/GOOD")) << jobs;  // no temporary
        EXPECT_EQ(observer.m_last.filesDone, 2u) << jobs;
        EXPECT_EQ(observer.m_last.bytesDone, 2u) << jobs;
    }
}

// What a killed run leaves is removed from the folders a later run enters;
// anything else of a like name stays.
TEST_F(Extraction, EnteringAFolderRemovesTheLeftoversOfKilledRunsOnly)
{
    Open(WorkedExample());
    std::filesystem::create_directories(InTarget("DATA/SND"));
    WriteFile(m_dir / "outside", "outside");
    enum class Kind { File, Folder, Link, OtherUsersFile, LockedFile };
    struct Case {
        const char* path;
        Kind kind;
        bool removed;
    };
    const Case cases[] = {
        {".A.BIN.vorn-0a1b2c3d", Kind::File, true},
        {"DATA/.B.BIN.vorn-zz09zz09", Kind::File, true},
        {"DATA/SND/.X.WAV.vorn-00000000", Kind::File, true},
        {"DATA/.B.BIN.vorn-0A1B2C3D", Kind::File, false},
        {"DATA/.B.BIN.vorn-0a1b2c3", Kind::File, false},
        {"DATA/.B.BIN.vorn-0a1b2c3de", Kind::File, false},
        {"DATA/B.BIN.vorn-0a1b2c3d", Kind::File, false},
        {"DATA/.vorn-0a1b2c3d", Kind::File, false},
        {"DATA/.B.BIN.vorn-11111111", Kind::Folder, false},
        {"DATA/.B.BIN.vorn-22222222", Kind::Link, false},
        {"DATA/.B.BIN.vorn-33333333", Kind::LockedFile, false},
        {"DATA/.B.BIN.vorn-44444444", Kind::OtherUsersFile, ::getuid() != 0},  // only root can make one
    };
    std::vector<int> locks;
    for (const Case& c : cases) {
        const std::string path = InTarget(c.path);
        if (c.kind == Kind::Folder)
            std::filesystem::create_directory(path);
        else if (c.kind == Kind::Link)
            std::filesystem::create_symlink(m_dir / "outside", path);
        else
            WriteFile(path, "partial");
        if (c.kind == Kind::OtherUsersFile && ::chown(path.c_str(), 65534, 65534) != 0)
            std::filesystem::remove(path);
        if (c.kind == Kind::LockedFile) {
            locks.push_back(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
            ::flock(locks.back(), LOCK_EX);
        }
    }
    const ExtractionResult result =
        Extract({ExtractionItem::Folder(Folder("\\DATA"))}, {OverwritePolicy::Skip, ExistingFolder::Merge});
    for (const int fd : locks)
        ::close(fd);
    EXPECT_THAT(result.failures, IsEmpty());
    EXPECT_EQ(result.leftoversRemoved, 3u);
    for (const Case& c : cases)
        EXPECT_EQ(std::filesystem::exists(std::filesystem::symlink_status(InTarget(c.path))), !c.removed) << c.path;
    EXPECT_EQ(ReadFile(m_dir / "outside"), "outside");
}

TEST_F(Extraction, MissingTargetIsReported)
{
    Open(WorkedExample());
    std::filesystem::remove(Target());
    const ExtractionResult result = Extract({ExtractionItem::Folder(Folder("\\DATA"))});
    EXPECT_THAT(KindsAndPaths(result.failures), ElementsAre(KindAndPath{K::TargetNotOpened, Target()}));
    EXPECT_EQ(WorstSeverity(result.failures), Severity::RunFailed);
    EXPECT_FALSE(std::filesystem::exists(Target()));
}

// Root ignores permission bits, so these run as an ordinary user. A target that
// can be written and entered is enough, even if it cannot be listed.
TEST_F(Extraction, TargetPermissionsDecideWhatIsWritten)
{
    Open(WorkedExample());
    ::chmod(m_dir.Path().c_str(), 0755);
    for (const mode_t mode : {0555, 0733}) {
        ::chmod(Target().c_str(), mode);
        EXPECT_EXIT(
            {
                if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                    std::_Exit(3);
                const ExtractionResult result = Extract({ExtractionItem::Folder(Folder("\\DATA"))});
                const bool refused = result.failures.size() == 1 && result.failures[0].kind == K::FolderNotCreated &&
                                     result.failures[0].error == EACCES && result.filesWritten == 0;
                const bool written = result.failures.empty() && result.filesWritten == 3;
                std::_Exit((mode == 0555 ? refused : written) ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "")
            << std::oct << mode;
    }
    EXPECT_THAT(ListTree(Target()), ElementsAre("DATA/", "DATA/A.BIN", "DATA/B.BIN", "DATA/MAPS/", "DATA/SND/",
                                                "DATA/SND/X.WAV"));
}


// Folders two deep with files of assorted sizes and contents, a folder whose 70
// files span two batches with one name at the end of the first and the start
// of the second, and a refused name.
WriterTree GeneratedTree()
{
    int made = 0;
    const auto file = [&made](std::string name) {
        ++made;
        return File(std::move(name), std::string(static_cast<std::size_t>(made * 37 % 5000), char('a' + made % 26)));
    };
    WriterTree tree;
    for (int f = 0; f < 8; ++f) {
        WriterFolder folder{"F" + std::to_string(f), {}, {}};
        for (int i = 0; i < 20; ++i)
            folder.files.push_back(file("N" + std::to_string(i)));
        for (int s = 0; s < 3; ++s) {
            WriterFolder sub{"S" + std::to_string(s), {}, {}};
            for (int i = 0; i < 10; ++i)
                sub.files.push_back(file("N" + std::to_string(i)));
            folder.folders.push_back(std::move(sub));
        }
        tree.folders.push_back(std::move(folder));
    }
    WriterFolder wide{"WIDE", {}, {}};
    for (int i = 0; i < 70; ++i)
        wide.files.push_back(file("N" + std::to_string(i == 64 ? 63 : i)));
    tree.folders.push_back(std::move(wide));
    tree.files = {file("TOP"), File("..", "refused")};
    return tree;
}

// Every file under root with its bytes.
std::map<std::string, std::string> Contents(const std::string& root)
{
    std::map<std::string, std::string> contents;
    for (const std::string& path : ListTree(root))
        contents[path] = path.ends_with('/') ? "" : ReadFile(root + "/" + path);
    return contents;
}

class ParallelExtraction : public ArchiveFixture {
protected:
    void SetUp() override
    {
        ArchiveFixture::SetUp();
        Open(GeneratedTree());
        for (const auto& folder : Loaded().topFolders)
            m_items.push_back(ExtractionItem::Folder(*folder));
        for (const std::uint32_t index : Loaded().topFiles)
            m_items.push_back(ExtractionItem::File(index));
    }

    std::string FreshTarget(const std::string& name)
    {
        const std::string target = m_dir / name;
        std::filesystem::create_directory(target);
        return target;
    }

    std::vector<ExtractionItem> m_items;
};

TEST_F(ParallelExtraction, WritesTheSameFilesBytesAndFailuresAsOneJob)
{
    struct Outcome {
        std::map<std::string, std::string> contents;
        std::vector<KindAndPath> failures;
        std::uint64_t written, kept, bytes, filesDone, bytesDone;
        bool operator==(const Outcome&) const = default;
    };
    const auto run = [&](unsigned jobs) {
        const std::string target = FreshTarget("jobs" + std::to_string(jobs));
        std::filesystem::create_directories(target + "/F3/S1");
        for (const char* existing : {"F3/N5", "F3/S1/N2", "TOP"})
            WriteFile(target + "/" + existing, "old");
        ScriptedObserver observer;
        const ExtractionResult result = RunExtraction(*m_archive, target, m_items,
                                                      {OverwritePolicy::Skip, ExistingFolder::Merge, jobs}, &observer);
        return Outcome{Contents(target), KindsAndPaths(result.failures), result.filesWritten, result.filesKept,
                       result.bytesWritten, observer.m_last.filesDone, observer.m_last.bytesDone};
    };
    const Outcome one = run(1);
    EXPECT_EQ(one.contents.size(), 8u * (1 + 20 + 3 * 11) + 1 + 69 + 1);
    EXPECT_EQ(one.contents.at("WIDE/N63").size(), 465u * 37 % 5000);  // the later record
    EXPECT_EQ(one.contents.at("F3/N5"), "old");
    EXPECT_THAT(one.failures, ElementsAre(KindAndPath{K::RefusedName, "\\.."}, KindAndPath{K::KeptExisting, "F3/N5"},
                                          KindAndPath{K::KeptExisting, "F3/S1/N2"}, KindAndPath{K::KeptExisting, "TOP"}));
    EXPECT_EQ(one.filesDone, 8u * 50 + 70 + 1);
    EXPECT_EQ(one.bytesDone, one.bytes);
    for (const unsigned jobs : {2u, 3u, 8u})
        EXPECT_TRUE(run(jobs) == one) << jobs << " jobs";
}

TEST_F(ParallelExtraction, CancelStopsEveryWorkerAndLeavesOnlyWholeFiles)
{
    const std::map<std::string, std::string> whole = [&] {
        const std::string target = FreshTarget("whole");
        static_cast<void>(RunExtraction(*m_archive, target, m_items, {}));  // what it wrote is what counts
        return Contents(target);
    }();
    ScriptedObserver observer;
    observer.cancelAfterFiles = 40;
    const ExtractionResult result =
        RunExtraction(*m_archive, Target(), m_items, {OverwritePolicy::Skip, ExistingFolder::Refuse, 4}, &observer);
    EXPECT_TRUE(result.cancelled);
    EXPECT_LT(result.filesWritten, result.filesPlanned);
    std::uint64_t files = 0;
    for (const auto& [path, bytes] : Contents(Target())) {
        EXPECT_EQ(bytes, whole.at(path)) << path;  // which also rules out a temporary
        files += !path.ends_with('/');
    }
    EXPECT_EQ(files, result.filesWritten);
    EXPECT_EQ(observer.m_last.filesDone, result.filesWritten);
    EXPECT_EQ(observer.m_last.bytesDone, result.bytesWritten);
}

TEST_F(ParallelExtraction, QuestionsComeOneAtATimeFromTheCallingThreadInPlanOrder)
{
    const auto run = [&](unsigned jobs) {
        const std::string target = FreshTarget("asked" + std::to_string(jobs));
        std::filesystem::create_directories(target + "/WIDE");
        for (const char* existing : {"WIDE/N3", "WIDE/N40", "WIDE/N68", "WIDE/N0"})
            WriteFile(target + "/" + existing, "old");
        ScriptedObserver observer;
        observer.answers = {OverwriteAnswer::No, OverwriteAnswer::Yes, OverwriteAnswer::No, OverwriteAnswer::YesToAll};
        const ExtractionResult result = RunExtraction(*m_archive, target, m_items,
                                                      {OverwritePolicy::Ask, ExistingFolder::Merge, jobs}, &observer);
        EXPECT_FALSE(observer.askedElsewhere) << jobs << " jobs";
        EXPECT_EQ(result.filesKept, 2u);
        return std::pair(observer.asked, Contents(target));
    };
    const auto one = run(1);
    EXPECT_THAT(one.first, ElementsAre("WIDE/N0", "WIDE/N3", "WIDE/N40", "WIDE/N68"));
    EXPECT_EQ(one.second.at("WIDE/N40"), "old");
    EXPECT_NE(one.second.at("WIDE/N68"), "old");
    EXPECT_EQ(run(4), one);
}

}  // namespace
}  // namespace vorn::testing
