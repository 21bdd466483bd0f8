#include "archive/catalogue_check.h"
#include "archive/describe_finding.h"
#include "tests/core/catalogue_test_helpers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace vorn::testing {
namespace {

using ::testing::ElementsAre;

constexpr auto kDir = ArchiveFormat::Dir;
constexpr auto kPck = ArchiveFormat::Pck;

// DATA holding A.BIN and SUB, which holds B.BIN, laid out record by record.
std::string ExampleDir()
{
    return FolderRecord(kDir, "DATA", 88) + EndRecord(kDir, 0) + FileRecord(kDir, "A.BIN", 3, 308) +
           FolderRecord(kDir, "SUB", 220) + EndRecord(kDir, 0) + FileRecord(kDir, "B.BIN", 2, 311) +
           EndRecord(kDir, 0) + "aaabb";
}

std::string ExamplePck()
{
    return FolderRecord(kPck, "DATA", 48) + FileRecord(kPck, "A.BIN", 3, 336) + FolderRecord(kPck, "SUB", 144) +
           FileRecord(kPck, "B.BIN", 2, 339) + EndRecord(kPck) + EndRecord(kPck) + EndRecord(kPck, 0) + "aaabb";
}

TEST(Loader, HandLaidExamplesOfBothFormatsGiveTheSameTree)
{
    for (const auto& [format, bytes] : {std::pair{kDir, ExampleDir()}, std::pair{kPck, ExamplePck()}}) {
        const Catalogue catalogue = Load(format, bytes);
        ASSERT_EQ(catalogue.topFolders.size(), 1u);
        const CDirNode& root = *catalogue.topFolders[0];
        EXPECT_EQ(root.m_name, "DATA");
        EXPECT_EQ(root.m_parent, nullptr);
        ASSERT_EQ(root.m_children.size(), 1u);
        EXPECT_EQ(root.m_children[0]->GetPath(), "\\DATA\\SUB");
        EXPECT_THAT(EntryPaths(catalogue), ElementsAre("\\DATA\\A.BIN", "\\DATA\\SUB\\B.BIN"));
        EXPECT_EQ(catalogue.entries[1].m_size, 2u);
        EXPECT_EQ(catalogue.entries[1].m_offset, format == kDir ? 311u : 339u);
        EXPECT_TRUE(catalogue.anomalies.empty()) << DescribeFinding(catalogue.anomalies[0]);
        EXPECT_THAT(root.m_files, ElementsAre(0u));
        EXPECT_THAT(root.m_children[0]->m_files, ElementsAre(1u));
    }
}

TEST(Loader, WriterOutputRoundTripsInBothFormats)
{
    const WriterTree tree{{{"TOP.TXT", "t", "", 0}},
                          {{"DATA", {{"A.BIN", "aa", "", 0}}, {{"SUB", {{"B.BIN", "b", "", 0}}, {}}, {"EMPTY", {}, {}}}},
                           {"SECOND", {{"C.BIN", "ccc", "", 0}}, {}}}};
    for (const auto format : {kDir, kPck}) {
        const Catalogue catalogue = Load(format, BuildArchive(format, tree));
        EXPECT_THAT(EntryPaths(catalogue),
                    ElementsAre("\\TOP.TXT", "\\DATA\\A.BIN", "\\DATA\\SUB\\B.BIN", "\\SECOND\\C.BIN"));
        EXPECT_THAT(FolderPaths(catalogue), ElementsAre("\\DATA", "\\DATA\\SUB", "\\DATA\\EMPTY", "\\SECOND"));
        EXPECT_THAT(catalogue.topFiles, ElementsAre(0u));
        EXPECT_TRUE(catalogue.anomalies.empty());
    }
}

TEST(Loader, PckFileAfterASubFolderBelongsToTheEnclosingFolder)
{
    const std::string bytes = FolderRecord(kPck, "DATA", 48) + FolderRecord(kPck, "SUB", 96) +
                              FileRecord(kPck, "B.BIN", 0, 1) + EndRecord(kPck) + FileRecord(kPck, "Z.BIN", 0, 1) +
                              EndRecord(kPck) + EndRecord(kPck, 0);
    EXPECT_THAT(EntryPaths(Load(kPck, bytes)), ElementsAre("\\DATA\\SUB\\B.BIN", "\\DATA\\Z.BIN"));
}

TEST(Loader, DirTopLevelFilesBelongToNoFolder)
{
    const std::string bytes = FileRecord(kDir, "FIRST", 0, 1) + FolderRecord(kDir, "DATA", 132) +
                              FileRecord(kDir, "LAST", 0, 1) + EndRecord(kDir) + EndRecord(kDir);
    const Catalogue catalogue = Load(kDir, bytes);
    EXPECT_THAT(EntryPaths(catalogue), ElementsAre("\\FIRST", "\\LAST"));
    EXPECT_EQ(catalogue.entries[0].GetPath(), "");
    EXPECT_THAT(catalogue.topFiles, ElementsAre(0u, 1u));
}

TEST(Loader, UnknownRecordsAreSkippedAndCountedOnce)
{
    const std::string pck = FolderRecord(kPck, "DATA", 48) + FileRecord(kPck, "A", 0, 1) +
                            Record(kPck, "?", 2, 0, 1) + Record(kPck, "?", 0x0107, 0, 1) +
                            FileRecord(kPck, "B", 0, 1) + EndRecord(kPck) + EndRecord(kPck, 0);
    const Catalogue catalogue = Load(kPck, pck);
    EXPECT_THAT(EntryPaths(catalogue), ElementsAre("\\DATA\\A", "\\DATA\\B"));
    EXPECT_EQ(catalogue.unknownRecords, 2u);

    // The upper bytes of the type word do not matter.
    const Catalogue upper = Load(kPck, FileRecord(kPck, "X", 0, 1).replace(37, 3, "\x7f\x7f\x7f") + EndRecord(kPck, 0));
    EXPECT_THAT(EntryPaths(upper), ElementsAre("\\X"));
}

TEST(Loader, DirUnknownRecordBeforeAFolderReadsTheFolderOnce)
{
    const std::string bytes = Record(kDir, "?", 9, 0, 0) + FolderRecord(kDir, "DATA", 132) + EndRecord(kDir) +
                              FileRecord(kDir, "A", 0, 1) + EndRecord(kDir);
    const Catalogue catalogue = Load(kDir, bytes);
    EXPECT_THAT(EntryPaths(catalogue), ElementsAre("\\DATA\\A"));
    EXPECT_THAT(FolderPaths(catalogue), ElementsAre("\\DATA"));
    EXPECT_EQ(catalogue.unknownRecords, 1u);
}

TEST(Loader, EmptyCatalogues)
{
    EXPECT_TRUE(Load(kPck, FolderRecord(kPck, "DATA", 0) + FileRecord(kPck, "A", 0, 1)).topFolders.empty());
    EXPECT_TRUE(Load(kDir, EndRecord(kDir) + FolderRecord(kDir, "DATA", 88)).topFolders.empty());
    EXPECT_TRUE(Load(kDir, "").entries.empty());
    EXPECT_TRUE(Load(ArchiveFormat::None, ExampleDir()).entries.empty());
}

TEST(Loader, PckFolderPositionPastTheNextRecordSkipsTheRecordsBetween)
{
    const std::string bytes = FolderRecord(kPck, "DATA", 96) + FileRecord(kPck, "SKIPPED", 0, 1) +
                              FileRecord(kPck, "READ", 0, 1) + EndRecord(kPck) + EndRecord(kPck, 0);
    EXPECT_THAT(EntryPaths(Load(kPck, bytes)), ElementsAre("\\DATA\\READ"));
}

TEST(Loader, SeveralTopLevelFoldersAreAllKept)
{
    const std::string pck = FolderRecord(kPck, "ONE", 48) + EndRecord(kPck) + FolderRecord(kPck, "TWO", 144) +
                            FileRecord(kPck, "F", 0, 1) + EndRecord(kPck) + EndRecord(kPck, 0);
    const Catalogue catalogue = Load(kPck, pck);
    EXPECT_THAT(FolderPaths(catalogue), ElementsAre("\\ONE", "\\TWO"));
    EXPECT_THAT(EntryPaths(catalogue), ElementsAre("\\TWO\\F"));
    EXPECT_EQ(catalogue.topFolders[1]->m_row, 1u);
}

TEST(Loader, NamesWithoutNulUseTheWholeFieldAndDecodeFromWindows1252)
{
    const std::string longName(36, 'N');
    const std::string pck = FileRecord(kPck, longName, 0, 1) + FileRecord(kPck, "CAF\xC9\x80", 0, 1) + EndRecord(kPck, 0);
    const Catalogue catalogue = Load(kPck, pck);
    ASSERT_EQ(catalogue.entries.size(), 2u);
    EXPECT_EQ(catalogue.entries[0].m_name, longName);
    EXPECT_EQ(catalogue.entries[1].m_name, "CAF\xC3\x89\xE2\x82\xAC");  // "CAFÉ€"

    // Bytes after the NUL are ignored.
    std::string record = FileRecord(kDir, "AB", 0, 1);
    record[3] = 'Z';
    EXPECT_EQ(Load(kDir, record + EndRecord(kDir)).entries[0].m_name, "AB");
}

TEST(Loader, TwoFoldersOfOneNameStayApart)
{
    const WriterTree tree{{}, {{"R", {}, {{"A", {}, {{"GFX", {{"X", "", "", 0}}, {}}}}, {"GFX", {{"Y", "", "", 0}}, {}}}}}};
    const Catalogue catalogue = Load(kPck, BuildArchive(kPck, tree));
    const CDirNode& root = *catalogue.topFolders[0];
    const CDirNode& nested = *root.m_children[0]->m_children[0];
    const CDirNode& direct = *root.m_children[1];
    EXPECT_EQ(catalogue.entries[nested.m_files.at(0)].m_name, "X");
    EXPECT_EQ(catalogue.entries[direct.m_files.at(0)].m_name, "Y");
}

// Folders 1 to depth, each inside the one before, the last holding one file.
WriterTree Chain(std::size_t depth)
{
    WriterFolder folder{std::to_string(depth), {{"F", "x", "", 0}}, {}};
    for (std::size_t level = depth - 1; level >= 1; --level)
        folder = WriterFolder{std::to_string(level), {}, {std::move(folder)}};
    return {{}, {std::move(folder)}};
}

TEST(Loader, DeepNestingIsReadUpToTheBound)
{
    for (const auto format : {kDir, kPck}) {
        const Catalogue ten = Load(format, BuildArchive(format, Chain(10)));
        ASSERT_EQ(ten.entries.size(), 1u);
        EXPECT_EQ(ten.entries[0].m_folder->Depth(), 10u);

        const Catalogue deepest = Load(format, BuildArchive(format, Chain(Catalogue::kMaxFolderDepth)));
        EXPECT_EQ(deepest.entries.size(), 1u);
        EXPECT_TRUE(deepest.anomalies.empty());

        const Catalogue tooDeep = Load(format, BuildArchive(format, Chain(Catalogue::kMaxFolderDepth + 5)));
        EXPECT_TRUE(tooDeep.entries.empty());
        EXPECT_EQ(CountAnomalies(tooDeep, AnomalyKind::TooDeep), 1u);
        EXPECT_EQ(FolderPaths(tooDeep).size(), Catalogue::kMaxFolderDepth);
    }
}

TEST(Loader, LoopsAreReportedAndNotFollowed)
{
    // A DIR folder whose run is the run that holds it, and one that points back to the top.
    const std::string dirSelf = FolderRecord(kDir, "DATA", 88) + EndRecord(kDir) + FileRecord(kDir, "A", 0, 1) +
                                FolderRecord(kDir, "AGAIN", 88) + FolderRecord(kDir, "TOP", 0) + EndRecord(kDir);
    const Catalogue dir = Load(kDir, dirSelf);
    EXPECT_THAT(EntryPaths(dir), ElementsAre("\\DATA\\A"));
    EXPECT_THAT(FolderPaths(dir), ElementsAre("\\DATA"));
    EXPECT_EQ(CountAnomalies(dir, AnomalyKind::Loop), 2u);
    EXPECT_EQ(dir.anomalies[0].path + " " + dir.anomalies[1].path, "DATA\\AGAIN DATA\\TOP");

    // A PCK folder pointing at itself or backwards is opened without moving.
    const std::string pckBack = FolderRecord(kPck, "DATA", 48) + FolderRecord(kPck, "BACK", 10) +
                                FileRecord(kPck, "A", 0, 1) + EndRecord(kPck) + EndRecord(kPck) + EndRecord(kPck, 0);
    const Catalogue pck = Load(kPck, pckBack);
    EXPECT_THAT(EntryPaths(pck), ElementsAre("\\DATA\\BACK\\A"));
    EXPECT_EQ(CountAnomalies(pck, AnomalyKind::Loop), 1u);
    EXPECT_EQ(pck.anomalies[0].path, "DATA\\BACK");
}

TEST(Loader, CheckReportsItsProgressAndStopsWhenAsked)
{
    WriterTree tree;
    for (int index = 0; index < 40000; ++index)
        tree.files.push_back({"F" + std::to_string(index), "x", {}, 0});
    const Catalogue catalogue = Load(kPck, BuildArchive(kPck, tree));
    std::vector<std::uint64_t> reported;
    const auto follow = [&](std::uint64_t done, std::uint64_t total) {
        EXPECT_EQ(total, 120000u);
        reported.push_back(done);
        return true;
    };
    EXPECT_FALSE(CheckCatalogue(catalogue, follow).stopped);
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()) && reported.size() >= 4 && reported.back() <= 120000);
    const CatalogueFindings stopped = CheckCatalogue(catalogue, [](std::uint64_t, std::uint64_t) { return false; });
    EXPECT_TRUE(stopped.stopped);
}

TEST(Loader, DirFoldersSharingAClosedRunEachHoldItsContent)
{
    const std::string bytes = FolderRecord(kDir, "ONE", 132) + FolderRecord(kDir, "TWO", 132) + EndRecord(kDir) +
                              FileRecord(kDir, "F", 0, 1) + FolderRecord(kDir, "SUB", 264) + EndRecord(kDir) +
                              FileRecord(kDir, "G", 0, 1) + EndRecord(kDir) +
                              std::string(400, 'd');  // file data, which also leaves the walk room to read twice
    const Catalogue catalogue = Load(kDir, bytes);
    EXPECT_THAT(FolderPaths(catalogue), ElementsAre("\\ONE", "\\ONE\\SUB", "\\TWO", "\\TWO\\SUB"));
    EXPECT_THAT(EntryPaths(catalogue), ElementsAre("\\ONE\\F", "\\ONE\\SUB\\G", "\\TWO\\F", "\\TWO\\SUB\\G"));
    EXPECT_TRUE(catalogue.anomalies.empty()) << DescribeFinding(catalogue.anomalies[0]);
}

TEST(Loader, SharedDirRunsCannotMakeTheWalkQuadratic)
{
    // Many folders whose runs all lie in one long run, starting each at its own
    // record or all at the first: each run read again would cost the whole tail.
    constexpr std::uint32_t kFolders = 2000;
    const std::uint32_t tail = (kFolders + 1) * 44;
    for (const std::uint32_t step : {44u, 0u}) {
        std::string bytes;
        for (std::uint32_t i = 0; i < kFolders; ++i)
            bytes += FolderRecord(kDir, std::to_string(i), tail + i * step);
        bytes += EndRecord(kDir);
        for (std::uint32_t i = 0; i < kFolders; ++i)
            bytes += FileRecord(kDir, "X", 0, 1);
        bytes += EndRecord(kDir);
        const Catalogue catalogue = Load(kDir, bytes);
        EXPECT_LE(catalogue.entries.size(), 2u * kFolders) << step;
        EXPECT_EQ(CountAnomalies(catalogue, AnomalyKind::Overrun), 1u) << step;
    }
}

// A cut inside a record, or one that leaves a folder leading past the end, is
// damage; a cut between records that only misses the closing record is a note.
TEST(Loader, EveryPrefixOfAnArchiveLoadsWhatItHolds)
{
    for (const auto format : {kDir, kPck}) {
        const std::string whole = format == kDir ? ExampleDir() : ExamplePck();
        const std::size_t recordSize = format == kDir ? 44 : 48;
        const std::vector<std::string> all = EntryPaths(Load(format, whole));
        for (std::size_t length = 0; length < whole.size(); ++length) {
            const Catalogue prefix = Load(format, whole.substr(0, length));
            const std::vector<std::string> paths = EntryPaths(prefix);
            ASSERT_LE(paths.size(), all.size());
            EXPECT_TRUE(std::equal(paths.begin(), paths.end(), all.begin())) << "prefix " << length;
            const bool catalogueComplete = length >= whole.size() - 5;  // only file data missing
            const bool folderLeadsPastEnd = format == kDir && (length == 44 || length == 176);
            const bool noteOnly = length % recordSize == 0 && !folderLeadsPastEnd;
            EXPECT_EQ(CountAnomalies(prefix, AnomalyKind::MissingEnd), !catalogueComplete && noteOnly ? 1u : 0u)
                << length;
            EXPECT_EQ(CountAnomalies(prefix, AnomalyKind::Truncated), !catalogueComplete && !noteOnly ? 1u : 0u)
                << length;
        }
    }
}

TEST(Loader, DataPastTheEndOfTheFileIsFlagged)
{
    const std::string bytes = FileRecord(kPck, "INSIDE", 4, 144) +
                              FileRecord(kPck, "OUTSIDE", 0xFFFFFFFF, 0xFFFFFFFF) + EndRecord(kPck, 0) + "data";
    const Catalogue catalogue = Load(kPck, bytes);
    ASSERT_EQ(catalogue.entries.size(), 2u);
    EXPECT_EQ(catalogue.entries[1].DataEnd(), 0x1FFFFFFFEull);  // no 32-bit wrap-around
    ASSERT_EQ(CountAnomalies(catalogue, AnomalyKind::DataPastEnd), 1u);
    EXPECT_EQ(catalogue.anomalies[0].path, "OUTSIDE");
}

}  // namespace
}  // namespace vorn::testing
