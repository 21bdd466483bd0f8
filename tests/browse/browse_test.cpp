// The file list's plain logic: natural order, the filter's patterns, Back and
// Forward, and the rows of a folder in each order.

#include "browse/folder_history.h"
#include "browse/glob_pattern.h"
#include "browse/list_rows.h"
#include "browse/row_items.h"
#include "browse/name_pattern.h"
#include "browse/natural_order.h"
#include "tests/core/catalogue_test_helpers.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

TEST(NaturalOrder, ComparesDigitsByValueAndLettersWithoutCase)
{
    const struct {
        const char* a;
        const char* b;
        int expected;
    } cases[] = {
        {"MAP2", "MAP10", -1}, {"map10", "MAP2", 1},  {"a", "B", -1},       {"ABC", "abc", 0},
        {"F007", "F7", 0},     {"F7", "F7A", -1},     {"", "A", -1},        {"99999999999999999999", "1", 1},
        {"A1B2", "A1B10", -1}, {"Z", "\xC9", -1},
    };
    for (const auto& [a, b, expected] : cases) {
        EXPECT_EQ(Sign(NaturalCompare(a, b)), expected) << a << " against " << b;
        EXPECT_EQ(Sign(NaturalCompare(b, a)), -expected) << b << " against " << a;
    }
}

TEST(NamePattern, MatchesContainedTextWithWildcardsIgnoringCase)
{
    const struct {
        const char* pattern;
        const char* name;
        bool matches;
    } cases[] = {
        {"", "ANY", true},          {"map", "WORLDMAP.BIN", true}, {"M*P", "MAP", true},
        {"M*P", "PM", false},       {"?.BIN", "A.BIN", true},      {"?.BIN", ".BIN", false},
        {"*", "", true},            {"a*b*c", "xAyBzC", true},     {"a*b*c", "xAyCzB", false},
        {"TXT", "readme.txt", true}, {"??", "A", false},
        {"[1]", "A[1].BIN", true},  {"A/B", "A/B", true},
    };
    for (const auto& [pattern, name, matches] : cases)
        EXPECT_EQ(NamePattern(pattern).Matches(name), matches) << pattern << " on " << name;
}

TEST(GlobPattern, MatchesPathsWithStarsSetsAndFolderRuns)
{
    const struct {
        const char* pattern;
        const char* folder;
        const char* name;
        bool matches;
    } cases[] = {
        {"*.wav", "\\DATA\\SOUND", "CLICK.WAV", true},  // no separator: the name in any folder
        {"*.wav", "", "CLICK.WAVE", false},
        {"DATA/*.WAV", "\\DATA\\SOUND", "CLICK.WAV", false},  // '*' stays in its name
        {"DATA/*/*.WAV", "\\DATA\\SOUND", "CLICK.WAV", true},
        {"DATA/**", "\\DATA\\SOUND\\DEEP", "X", true},
        {"DATA/**/CLICK.WAV", "\\DATA", "CLICK.WAV", true},  // "**/" for no folder
        {"DATA/**/CLICK.WAV", "\\DATA\\A\\B", "CLICK.WAV", true},
        {"DATA/**/CLICK.WAV", "\\DATAX\\A", "CLICK.WAV", false},
        {"**.WAV", "\\DATA\\A", "CLICK.WAV", true},
        {"\\DATA\\SOUND\\CLICK.WAV", "\\DATA\\SOUND", "CLICK.WAV", true},
        {"DATA?SOUND/CLICK.WAV", "\\DATA\\SOUND", "CLICK.WAV", false},  // '?' is no separator
        {"[a-c]*", "", "Click", true},
        {"[!a-c]*", "", "Click", false},
        {"[]x]", "", "]", true},
        {"[x", "", "[x", true},  // no closing bracket: a plain one
        {"caf?", "", "CAF\xC3\x89", true},  // '?' takes a whole character
        {"caf??", "", "CAF\xC3\x89", false},
        {"a*b*c*d*e*f*g*h*z", "", "abcdefghabcdefghabcdefghabcdefghy", false},
        {"[\\\\]", "", "\\", true},  // a backslash in a name is a character of it
        // Past 63 tokens the states no longer fit one word.
        {"D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/*.wav", "\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D", "X.WAV", true},
        {"D/**/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/*.wav", "\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D", "X.WAV", true},
        {"D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/D/*.wav", "\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D\\D", "X.WAVE", false},
    };
    for (const auto& [pattern, folder, name, matches] : cases)
        EXPECT_EQ(GlobPattern(pattern, LetterCase::Ignored).Matches(folder, name), matches)
            << pattern << " on " << folder << " " << name;
    EXPECT_FALSE(GlobPattern("DATA/*.wav", LetterCase::Exact).Matches("\\DATA", "CLICK.WAV"));
    EXPECT_FALSE(GlobPattern("[a-c]*", LetterCase::Exact).Matches("", "Click"));
    EXPECT_TRUE(GlobPattern("DATA/*.WAV", LetterCase::Exact).Matches("\\DATA", "CLICK.WAV"));
}

TEST(FolderHistory, GoesBackAndForwardAndForgetsForwardOnAVisit)
{
    const CDirNode a("A", nullptr), b("B", nullptr), c("C", nullptr);
    FolderHistory history;
    EXPECT_FALSE(history.Back());
    for (const CDirNode* folder : {&a, &b, &b, &c})
        history.Visit(folder);
    EXPECT_EQ(history.Back(), &b);
    EXPECT_EQ(history.Back(), &a);
    EXPECT_FALSE(history.Back());
    EXPECT_EQ(history.Forward(), &b);
    history.Visit(nullptr);  // the top level
    EXPECT_FALSE(history.Forward());
    EXPECT_EQ(history.Back(), &b);
}

TEST(ListRows, FoldersStayAboveFilesInEveryOrder)
{
    const auto file = [](const char* name, std::size_t size) { return testing::WriterFile{name, std::string(size, 'x'), {}, 0}; };
    const Catalogue catalogue = testing::Load(
        ArchiveFormat::Pck,
        testing::BuildArchive(ArchiveFormat::Pck,
                              {{file("b10.txt", 5), file("B2.BIN", 50), file("a.txt", 5), file("A.TXT", 1)},
                               {{"Z", {}, {}}, {"m", {}, {}}}}));
    const auto names = [&](const ListSort& sort) {
        ListRows rows = ContentOf(catalogue, nullptr);
        SortRows(rows, catalogue, CatalogueItems(catalogue), sort);
        std::vector<std::string> shown;
        for (const CDirNode* folder : rows.folders)
            shown.push_back(folder->GetName() + "/");
        for (const std::uint32_t entry : rows.files)
            shown.push_back(catalogue.entries[entry].GetName());
        return shown;
    };
    using Names = std::vector<std::string>;
    EXPECT_EQ(names({}), (Names{"Z/", "m/", "b10.txt", "B2.BIN", "a.txt", "A.TXT"}));
    EXPECT_EQ(names({NameColumn, false}), (Names{"m/", "Z/", "A.TXT", "a.txt", "B2.BIN", "b10.txt"}));
    EXPECT_EQ(names({SizeColumn, true}), (Names{"Z/", "m/", "B2.BIN", "b10.txt", "a.txt", "A.TXT"}));
}

}  // namespace
}  // namespace vorn
