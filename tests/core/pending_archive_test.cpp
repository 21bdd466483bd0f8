#include "archive/archive_file.h"
#include "edit/pending_archive.h"
#include "edit/save_changes.h"
#include "tests/support/archive_writer.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace vorn::testing {
namespace {

using Listing = std::map<std::string, std::uint32_t>;  // path: size, folders as "PATH\\"

void ListPending(const PendingArchive& pending, const CDirNode* folder, Listing& listing)
{
    const ListRows rows = pending.ContentOf(folder);
    for (const std::uint32_t entry : rows.files)
        listing[pending.PathOf(PendingItem::File(entry))] = pending.File(entry).m_size;
    for (const CDirNode* child : rows.folders) {
        listing[pending.PathOf(PendingItem::Folder(*child)) + '\\'] = 0;
        ListPending(pending, child, listing);
    }
}

Listing ListOf(const PendingArchive& pending)
{
    Listing listing;
    ListPending(pending, nullptr, listing);
    return listing;
}

class PendingArchiveTest : public ::testing::Test {
protected:
    std::shared_ptr<const CArchiveFile> Open(const std::string& path)
    {
        return std::make_shared<const CArchiveFile>(path, m_reporter);
    }

    void SetUp() override
    {
        const WriterTree tree{{{"TOP.BIN", "top", "", 0}},
                              {{"DATA",
                                {{"A.BIN", "aaaa", "", 0}, {"B.BIN", "bb", "", 0}},
                                {{"SUB", {{"C.BIN", "c", "", 0}}, {}}}}}};
        WriteFile(m_dir / "IN.PCK", BuildArchive(ArchiveFormat::Pck, tree));
        WriteFile(m_dir / "NEW.BIN", "new bytes");
        std::filesystem::create_directories(m_dir / "disk/INNER");
        WriteFile(m_dir / "disk/ONE.TXT", "1");
        WriteFile(m_dir / "disk/INNER/TWO.TXT", "22");
    }

    TempDir m_dir;
    CollectingReporter m_reporter;
};

const CDirNode* FolderNamed(const PendingArchive& pending, const CDirNode* in, std::string_view name)
{
    for (const CDirNode* folder : pending.FoldersOf(in))
        if (pending.FolderName(*folder) == name)
            return folder;
    return nullptr;
}

std::uint32_t FileNamed(const PendingArchive& pending, const CDirNode* in, std::string_view name)
{
    for (const std::uint32_t entry : pending.ContentOf(in).files)
        if (pending.File(entry).m_name == name)
            return entry;
    ADD_FAILURE() << "no file " << name;
    return 0;
}

// What the window shows of the pending changes is what a save writes: every
// kind of change, each applied to items the ones before made or renamed, some
// undone and redone, then saved and read back.
TEST_F(PendingArchiveTest, TheSavedArchiveIsWhatWasShown)
{
    PendingArchive pending(Open(m_dir / "IN.PCK"));
    const CDirNode* data = FolderNamed(pending, nullptr, "DATA");
    ASSERT_TRUE(data);
    EXPECT_TRUE(pending.Replace(FileNamed(pending, data, "A.BIN"), m_dir / "NEW.BIN").empty());
    EXPECT_TRUE(pending.Rename(PendingItem::Folder(*data), "GAME").empty());
    EXPECT_TRUE(pending.Add(data, {m_dir / "disk"}).empty());
    const CDirNode* disk = FolderNamed(pending, data, "disk");
    ASSERT_TRUE(disk);
    EXPECT_TRUE(pending.Rename(PendingItem::File(FileNamed(pending, disk, "ONE.TXT")), "UNO.TXT").empty());
    EXPECT_TRUE(pending.MakeFolder(nullptr, "EMPTY").empty());
    pending.Delete({PendingItem::File(FileNamed(pending, data, "B.BIN")),
                    PendingItem::Folder(*FolderNamed(pending, data, "SUB"))});
    EXPECT_TRUE(pending.Rename(PendingItem::File(FileNamed(pending, nullptr, "TOP.BIN")), "T.BIN").empty());
    pending.Undo();
    pending.Undo();
    pending.Redo();
    ASSERT_TRUE(pending.NextRedo());
    EXPECT_EQ(pending.NextRedo()->kind, PendingStep::Kind::Rename);
    // Steps made again after an undo replace the ones undone, and what they had added.
    pending.Undo();
    pending.Undo();
    pending.Undo();
    EXPECT_TRUE(pending.MakeFolder(nullptr, "EMPTY").empty());
    EXPECT_FALSE(pending.NextRedo());
    EXPECT_TRUE(pending.Rename(PendingItem::File(FileNamed(pending, disk, "ONE.TXT")), "UNO.TXT").empty());
    pending.Delete({PendingItem::File(FileNamed(pending, data, "B.BIN")),
                    PendingItem::Folder(*FolderNamed(pending, data, "SUB"))});
    EXPECT_EQ(pending.PendingSteps(), 6u);

    const Listing shown = ListOf(pending);
    EXPECT_EQ(shown, (Listing{{"TOP.BIN", 3},
                              {"EMPTY\\", 0},
                              {"GAME\\", 0},
                              {"GAME\\A.BIN", 9},
                              {"GAME\\disk\\", 0},
                              {"GAME\\disk\\UNO.TXT", 1},
                              {"GAME\\disk\\INNER\\", 0},
                              {"GAME\\disk\\INNER\\TWO.TXT", 2}}));

    const auto& saved = pending.Saved();
    const WriteResult result =
        SaveChanges({saved->Descriptor(), saved->GetFormat(), saved->GetNameEncoding(), pending.Changes(),
                     ArchiveFormat::Pck, {m_dir / "OUT.PCK"}});
    ASSERT_TRUE(result.problems.empty()) << result.problems.front().path;
    EXPECT_EQ(ListOf(PendingArchive(Open(m_dir / "OUT.PCK"))), shown);
    TempDir out;
    ASSERT_TRUE(std::make_shared<CArchiveFile>(m_dir / "OUT.PCK", m_reporter)->WriteEntryByName("A.BIN", out.Path()));
    EXPECT_EQ(ReadFile(out / "A.BIN"), "new bytes");

    // A file picked for the change and changed since fails the save, and nothing is written.
    WriteFile(m_dir / "NEW.BIN", "other bytes");
    const WriteResult changed =
        SaveChanges({saved->Descriptor(), saved->GetFormat(), saved->GetNameEncoding(), pending.Changes(),
                     ArchiveFormat::Pck, {m_dir / "OUT2.PCK"}});
    ASSERT_FALSE(changed.problems.empty());
    EXPECT_EQ(changed.problems.front().kind, WriteProblemKind::SourceChanged);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "OUT2.PCK"));
}

// A change that could not be saved is refused when it is made, and leaves
// nothing pending.
TEST_F(PendingArchiveTest, RefusesWhatCouldNotBeSaved)
{
    struct Case {
        const char* newName;
        WriteProblemKind expected;
    };
    const Case cases[] = {
        {"data", WriteProblemKind::NameTaken},  // another item's name in another case
        {"..", WriteProblemKind::UnsafeName},
        {"A\\B", WriteProblemKind::UnsafeName},
        {"\xe6\x97\xa5.BIN", WriteProblemKind::NameNotEncodable},
        {"A_NAME_LONGER_THAN_THE_FIELD_HOLDS.BIN", WriteProblemKind::NameTooLong},
    };
    PendingArchive pending(Open(m_dir / "IN.PCK"));
    const PendingItem topFile = PendingItem::File(FileNamed(pending, nullptr, "TOP.BIN"));
    for (const Case& test : cases) {
        SCOPED_TRACE(test.newName);
        for (const bool asNewFolder : {false, true}) {
            const WriteProblems problems =
                asNewFolder ? pending.MakeFolder(nullptr, test.newName) : pending.Rename(topFile, test.newName);
            ASSERT_EQ(problems.size(), 1u);
            EXPECT_EQ(problems[0].kind, test.expected);
        }
    }
    // Adding a folder whose name is taken refuses all of it, and keeps what can be redone.
    EXPECT_TRUE(pending.MakeFolder(nullptr, "KEPT").empty());
    pending.Undo();
    WriteFile(m_dir / "DATA", "a file named as the folder");
    EXPECT_EQ(pending.Add(nullptr, {m_dir / "NEW.BIN", m_dir / "DATA"}).size(), 1u);
    EXPECT_EQ(pending.PendingSteps(), 0u);
    ASSERT_TRUE(pending.NextRedo());
    EXPECT_EQ(pending.NextRedo()->name, "KEPT");
    EXPECT_EQ(ListOf(pending), ListOf(PendingArchive(Open(m_dir / "IN.PCK"))));
}

}  // namespace
}  // namespace vorn::testing
