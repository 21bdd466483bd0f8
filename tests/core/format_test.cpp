#include "archive/archive_file.h"
#include "archive/name_encoding.h"
#include "disk/name_safety.h"
#include "archive/windows1252.h"
#include "tests/core/catalogue_test_helpers.h"
#include "tests/support/temp_dir.h"

#include <cerrno>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn::testing {
namespace {

TEST(Format, ChosenByTheTextAfterTheLastDotOfTheWholePath)
{
    EXPECT_EQ(FormatFromPath("D:\\games\\DATA.PCK"), ArchiveFormat::Pck);
    EXPECT_EQ(FormatFromPath("D:\\games\\data.Pck"), ArchiveFormat::Pck);
    EXPECT_EQ(FormatFromPath("/games/data.dir"), ArchiveFormat::Dir);
    EXPECT_EQ(FormatFromPath("x.DiR"), ArchiveFormat::Dir);
    EXPECT_EQ(FormatFromPath("D:\\games\\data.old\\archive"), ArchiveFormat::None);
    EXPECT_EQ(FormatFromPath("data.pak"), ArchiveFormat::None);
    EXPECT_EQ(FormatFromPath("archive"), ArchiveFormat::None);
    EXPECT_EQ(FormatFromPath("archive.pck.bak"), ArchiveFormat::None);
}

TEST(Windows1252, DecodesEveryByteAndEncodesBack)
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const std::string utf8 = DecodeWindows1252(all);
    EXPECT_EQ(EncodeWindows1252(utf8), all);
    EXPECT_EQ(DecodeWindows1252("\x80\x9F\xFF"), "\xE2\x82\xAC\xC5\xB8\xC3\xBF");
    EXPECT_EQ(EncodeWindows1252("\xE4\xB8\xAD"), std::nullopt);  // a CJK character
    EXPECT_EQ(EncodeWindows1252("\xC3"), std::nullopt);          // cut short
    EXPECT_EQ(EncodeWindows1252("\xC0\xAF"), std::nullopt);      // an overlong '/'
    EXPECT_EQ(EncodeWindows1252("\xED\xA0\x80"), std::nullopt);  // a surrogate
}

std::string Repeat(std::string_view text, std::size_t times)
{
    std::string out;
    for (std::size_t i = 0; i < times; ++i)
        out += text;
    return out;
}

TEST(NameDecoder, DecodesEachEncodingAndMarksWhatItDoesNotDefine)
{
    const struct {
        const char* encoding;
        std::string bytes;
        std::string text;
    } cases[] = {
        {"Windows-1252", "CAF\xC9", "CAF\xC3\x89"},
        {"Windows-1251", "\xD7\xC8\xD2\xC0\xC9.TXT", "\xD0\xA7\xD0\x98\xD0\xA2\xD0\x90\xD0\x99.TXT"},
        {"Shift-JIS", "\x83\x5C.BIN", "\xE3\x82\xBD.BIN"},  // the second byte is a backslash, not a separator
        {"UTF-8", "CAF\xC9.TXT", "CAF\xEF\xBF\xBD.TXT"},
        {"UTF-8", "\xC3\x89\xC3", "\xC3\x89\xEF\xBF\xBD"},  // cut short
        {"Windows-1253", "\xAA", "\xEF\xBF\xBD"},  // undefined in the code page
        // A last character that a combining mark could still follow is not lost.
        {"TCVN5712-1", "A\xA1", "A\xC4\x82"},
        {"WINDOWS-1258", "A\xA1", "A\xC2\xA1"},
        {"WINDOWS-1255", "\xE0", "\xD7\x90"},
        // Code pages that are no ASCII superset: EBCDIC dots, a UTF-7 sequence.
        {"IBM037", "\x4B\x4B", ".."},
        {"IBM037", "\xC1\xC2", "AB"},
        {"UTF-7", "A+AGE-", "Aa"},
        // Five- and six-byte forms, past U+10FFFF, overlong and surrogates are no UTF-8.
        {"UTF-8", "A\xF8\x88\x80\x80\x80", "A" + Repeat(kUndecodable, 5)},
        {"UTF-8", "\xFC\x84\x80\x80\x80\x80", Repeat(kUndecodable, 6)},
        {"UTF-8", "\xF4\x90\x80\x80", Repeat(kUndecodable, 4)},
        {"UTF-8", "\xC0\xAE\xED\xA0\x80", Repeat(kUndecodable, 5)},
        {"UTF-8", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
    };
    for (const auto& [encoding, bytes, text] : cases) {
        std::optional<NameDecoder> names = NameDecoder::For(encoding);
        ASSERT_TRUE(names) << encoding;
        EXPECT_EQ(names->Decode(bytes), text) << encoding;
        EXPECT_EQ(UnsafeNameReason(text) == UnsafeName::Undecodable, text.find("\xEF\xBF\xBD") != std::string::npos);
    }
    EXPECT_FALSE(NameDecoder::For("NO-SUCH-ENCODING"));
}

TEST(NameDecoder, StartsEveryNameAndGoesOnAfterAnUndecodableByteInTheInitialState)
{
    const struct {
        const char* encoding;
        std::vector<std::string> names;  // decoded one after the other by one decoder
        std::vector<std::string> texts;
    } cases[] = {
        // A UTF-7 sequence left open, then a name that would read as its continuation.
        {"UTF-7", {"+AGE", "AGE-"}, {"a", "AGE-"}},
        // Kanji mode that a name switched on without switching it off.
        {"ISO-2022-JP", {"\x1b$B\x30\x21", "\x30\x21\x7f"}, {"\xE4\xBA\x9C", "0!\x7f"}},
        // After a byte it does not define, the rest of the name reads as ASCII again.
        {"ISO-2022-JP", {"\x1b$B\x30\x21\xFF\x30\x21\x7f"}, {"\xE4\xBA\x9C\xEF\xBF\xBD" "0!\x7f"}},
        // A lead byte without its second byte takes nothing from what follows.
        {"Shift-JIS", {"\x83", "\x5C\x83\x5C"}, {"\xEF\xBF\xBD", "\\\xE3\x82\xBD"}},
        {"Shift-JIS", {"\x83\x20\x83\x5C"}, {"\xEF\xBF\xBD \xE3\x82\xBD"}},
    };
    for (const auto& [encoding, names, texts] : cases) {
        std::optional<NameDecoder> decoder = NameDecoder::For(encoding);
        ASSERT_TRUE(decoder) << encoding;
        std::vector<std::string> decoded;
        for (const std::string& name : names)
            decoded.push_back(decoder->Decode(name));
        EXPECT_EQ(decoded, texts) << encoding;
    }
}

TEST(NameDecoder, KnowsWhichNamesOtherBytesCouldDecodeTo)
{
    const struct {
        const char* encoding;
        std::string bytes;
        bool mayShare;
    } cases[] = {
        {"Shift-JIS", "\xED\x40", true},   // an NEC-selected copy of the IBM extension at FA 5C
        {"Shift-JIS", "\xFA\x5C", false},  // the spelling the text is written back as
        {"Shift-JIS", "\x83\x5C.BIN", false},
        {"Shift-JIS", "\x83", false},       // refused anyway
        {"UTF-8", "\xC3\x89", false},
        {"UTF-8", "\xC0\x80", false},
        {"Windows-1252", "\xC9\x81", false},
    };
    for (const auto& [encoding, bytes, mayShare] : cases) {
        std::optional<NameDecoder> decoder = NameDecoder::For(encoding);
        ASSERT_TRUE(decoder) << encoding;
        const std::string text = decoder->Decode(bytes);
        EXPECT_EQ(decoder->MayShareText(bytes, text), mayShare) << encoding << " " << text;
    }
    std::optional<NameDecoder> japanese = NameDecoder::For("Shift-JIS");
    EXPECT_EQ(japanese->Decode("\xED\x40"), japanese->Decode("\xFA\x5C"));
}

TEST(Windows1252, FoldCaseMakesEveryCapitalOfTheCodePageSmall)
{
    EXPECT_EQ(FoldCase(DecodeWindows1252("README.TXT CAF\xC9 \xC0\xDE\x8A\x8C\x8E\x9F \xD7\xDF\xB5 \x80")),
              DecodeWindows1252("readme.txt caf\xE9 \xE0\xFE\x9A\x9C\x9E\xFF \xD7\xDF\xB5 \x80"));
    EXPECT_EQ(FoldCase("\xF0\x9F\x98\x80 \xC3"), "\xF0\x9F\x98\x80 \xC3");  // kept: beyond the page, cut short
}

class ArchiveFileTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes)
    {
        const std::string path = m_dir / name;
        WriteFile(path, bytes);
        return path;
    }

    TempDir m_dir;
    CollectingReporter m_reporter;
};

TEST_F(ArchiveFileTest, OpensLoadsAndCountsUnknownRecordsWithoutReportingThem)
{
    const std::string path = Write("data.pck", FolderRecord(ArchiveFormat::Pck, "DATA", 48) +
                                                    Record(ArchiveFormat::Pck, "", 7, 0, 1) +
                                                    Record(ArchiveFormat::Pck, "", 8, 0, 1) +
                                                    EndRecord(ArchiveFormat::Pck) + EndRecord(ArchiveFormat::Pck, 0));
    CArchiveFile archive(path, m_reporter);
    EXPECT_TRUE(archive.IsOpen());
    EXPECT_EQ(archive.GetFormat(), ArchiveFormat::Pck);
    ASSERT_NE(archive.GetRoot(), nullptr);
    EXPECT_EQ(archive.GetRoot()->m_name, "DATA");
    EXPECT_EQ(archive.GetCatalogue().unknownRecords, 2u);
    EXPECT_TRUE(m_reporter.Messages().empty());  // the caller shows what the load found
}

TEST_F(ArchiveFileTest, UnrecognisedExtensionOpensEmptyWithoutAMessage)
{
    CArchiveFile archive(Write("data.pak", FolderRecord(ArchiveFormat::Pck, "DATA", 48)), m_reporter);
    EXPECT_TRUE(archive.IsOpen());
    EXPECT_EQ(archive.GetRoot(), nullptr);
    EXPECT_TRUE(archive.Entries().empty());
    EXPECT_TRUE(m_reporter.Messages().empty());
    archive.Close();
    EXPECT_FALSE(archive.IsOpen());
    EXPECT_EQ(archive.GetPathName(), "");
    archive.Close();
}

TEST_F(ArchiveFileTest, ForcedFormatIgnoresTheExtension)
{
    CArchiveFile archive(Write("data.bin", FolderRecord(ArchiveFormat::Pck, "DATA", 48) +
                                               EndRecord(ArchiveFormat::Pck) + EndRecord(ArchiveFormat::Pck, 0)),
                         m_reporter, ArchiveFormat::Pck);
    EXPECT_NE(archive.GetRoot(), nullptr);
}

TEST_F(ArchiveFileTest, FileThatCannotBeOpenedLeavesAnEmptyClosedArchive)
{
    const std::string fifo = m_dir / "fifo.pck";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int writer = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);  // so that a FIFO read as a file fails, not hangs
    ASSERT_GE(writer, 0);
    for (const auto& [path, reason] : {std::pair{m_dir / "missing.pck", "No such file or directory"},
                                       {m_dir.Path().string(), "not a regular file"},
                                       {fifo, "not a regular file"},
                                       {std::string("/dev/null"), "not a regular file"}}) {
        CArchiveFile archive(path, m_reporter);
        EXPECT_FALSE(archive.IsOpen());
        EXPECT_EQ(OpenErrorText(archive.GetOpenError()), reason);
        EXPECT_EQ(archive.GetPathName(), "");
        EXPECT_EQ(archive.GetFileName(), "");
        EXPECT_EQ(archive.GetRoot(), nullptr);
        archive.Close();
    }
    EXPECT_TRUE(m_reporter.Messages().empty());
    ::close(writer);
}

TEST_F(ArchiveFileTest, FileNameIsTheWholeLastComponent)
{
    const std::string path = Write("A_RATHER_LONG_NAME.PCK", "");
    EXPECT_EQ(CArchiveFile(path, m_reporter).GetFileName(), "A_RATHER_LONG_NAME.PCK");
    const std::string plain = Write("plain.dir", "");
    EXPECT_EQ(CArchiveFile(plain, m_reporter).GetFileName(), "plain.dir");
}

}  // namespace
}  // namespace vorn::testing
