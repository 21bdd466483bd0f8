// Looking inside entries without extracting them: reading part of an entry,
// telling text from other data, and the figures of a whole archive.

#include "archive/archive_summary.h"
#include "archive/entry_range.h"
#include "archive/text_detection.h"
#include "tests/core/archive_fixture.h"
#include "tests/core/catalogue_test_helpers.h"

namespace vorn::testing {
namespace {

constexpr auto kPck = ArchiveFormat::Pck;

TEST(TextDetection, UnicodeOrTheWindowsCodePageWithoutControls)
{
    struct Case {
        std::string bytes;
        bool complete;
        std::optional<TextEncoding> expected;
    };
    const Case cases[] = {
        {"[Video]\r\nWidth=640\r\n\tx", true, TextEncoding::Ascii},
        {"caf\xC3\xA9 cr\xC3\xAApes \xE2\x82\xAC \xF0\x9F\x8E\xAE", true, TextEncoding::Utf8},
        {"caf\xE9 \x80 \x9F", true, TextEncoding::Windows1252},
        {"caf\xC3", false, TextEncoding::Utf8},          // a head cut inside a sequence
        {"caf\xC3", true, TextEncoding::Windows1252},    // the same bytes as a whole file
        {"ab\xC3\xA9\xE2\x82", false, TextEncoding::Utf8},
        {"ab\x81", true, std::nullopt},                  // undefined in the code page
        {std::string("ab\0cd", 5), true, std::nullopt},
        {"bell\x07", true, std::nullopt},
        {"del\x7F", true, std::nullopt},
        {"next line \xC2\x85", true, TextEncoding::Windows1252},  // U+0085 is a control; the bytes are not
        {"\xC0\xAF", true, TextEncoding::Windows1252},             // overlong, so not UTF-8
        {"\xED\xA0\x80", true, TextEncoding::Windows1252},         // a surrogate
        {"", true, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DetectText(c.bytes, c.complete), c.expected) << c.bytes;
}

class EntryContentTest : public ArchiveFixture {
protected:
    // DATA holds A (10 bytes, 6 of them past the archive's end), B (wholly past
    // it), C and D (inside it); the byte between C and D belongs to no file.
    void OpenSample()
    {
        const std::string catalogue = FolderRecord(kPck, "DATA", 48) + FileRecord(kPck, "A", 10, 340) +
                                      FileRecord(kPck, "B", 5, 1000) + FileRecord(kPck, "C", 2, 337) +
                                      FileRecord(kPck, "D", 2, 336) + EndRecord(kPck) + EndRecord(kPck, 0);
        ASSERT_EQ(catalogue.size(), 336u);
        OpenBytes(catalogue + "abcdefgh", kPck);
    }

    std::string Read(std::size_t entry, std::uint64_t from, std::size_t count)
    {
        std::vector<unsigned char> out(count);
        const std::size_t got = ReadEntryRange(m_archive->Source(), m_archive->Entries()[entry], from, out);
        return std::string(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(got));
    }
};

TEST_F(EntryContentTest, ReadsOnlyWithinTheEntryAndTheArchive)
{
    OpenSample();
    const std::uint64_t archiveSize = m_archive->Source().Size();
    const auto& entries = m_archive->Entries();
    EXPECT_EQ(StoredSize(entries[0], archiveSize), 4u);
    EXPECT_EQ(StoredSize(entries[1], archiveSize), 0u);
    EXPECT_EQ(StoredSize(entries[3], archiveSize), 2u);

    EXPECT_EQ(Read(0, 0, 16), "efgh");  // the archive ends before the entry does
    EXPECT_EQ(Read(0, 3, 16), "h");
    EXPECT_EQ(Read(0, 4, 16), "");
    EXPECT_EQ(Read(0, 1u << 31, 16), "");
    EXPECT_EQ(Read(1, 0, 16), "");
    EXPECT_EQ(Read(3, 0, 16), "ab");    // the entry ends before the archive does
    EXPECT_EQ(Read(2, 1, 8), "c");
    EXPECT_EQ(Read(2, 0, 1), "b");
}

TEST_F(EntryContentTest, SummaryCountsRecordsFilesAndBytesNoEntryCovers)
{
    OpenSample();
    const ArchiveSummary summary = Summarize(*m_archive);
    EXPECT_EQ(summary.format, kPck);
    EXPECT_EQ(summary.records, 7u);
    EXPECT_EQ(summary.folders, 1u);
    EXPECT_EQ(summary.files, 4u);
    EXPECT_EQ(summary.totalBytes, 19u);
    EXPECT_EQ(summary.archiveSize, 344u);
    EXPECT_EQ(summary.uncoveredBytes, 1u);  // C and D overlap, A runs past the end: only "d" is left

    // A well-formed archive: records and data cover it all.
    Open({{}, {{"DATA", {{"A.BIN", "aaa", "", 0}}, {{"SUB", {{"B.BIN", "bb", "", 0}}, {}}}}}});
    const ArchiveSummary whole = Summarize(*m_archive);
    EXPECT_EQ(whole.folders, 2u);
    EXPECT_EQ(whole.totalBytes, 5u);
    EXPECT_EQ(whole.records * 48 + whole.totalBytes, whole.archiveSize);
    EXPECT_EQ(whole.uncoveredBytes, 0u);
}

}  // namespace
}  // namespace vorn::testing
