// vorn-fuzz-seeds OUTPUT_DIR: writes a handful of small DIR and PCK archives
// (OUTPUT_DIR/dir/*.dir, OUTPUT_DIR/pck/*.pck) that start the fuzzers off on
// well-formed trees and on the irregular catalogues the readers must survive.

#include "archive/catalogue.h"
#include "tests/support/archive_writer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

using vorn::ArchiveFormat;
using vorn::testing::Record;
using vorn::testing::WriterFile;
using vorn::testing::WriterFolder;
using vorn::testing::WriterTree;

constexpr std::uint32_t kFile = 0;
constexpr std::uint32_t kFolder = 1;
constexpr std::uint32_t kEnd = 255;

WriterTree NestedTree()
{
    WriterFolder sub{"SUB", {{"B.BIN", "bee", "", 0}}, {}};
    WriterFolder data{"DATA", {{"A.BIN", "a", "", 0}, {"EMPTY.TXT", "", "", 0}}, {sub, {"SAVE", {}, {}}}};
    return {{}, {data}};
}

WriterTree SeveralTopLevels()
{
    WriterFolder gfx{"GFX", {{"TITLE.BMP", "BM..", "", 0}}, {}};
    WriterFolder data{"DATA", {{"CAF\xC9.TXT", "menu", "", 0}}, {gfx}};
    WriterFolder more{"MORE", {{"X", "x", "", 0}}, {{"GFX", {{"Y", "y", "", 0}}, {}}}};
    return {{{"README", "top", "", 0}}, {data, more}};
}

WriterTree UnsafeNames()
{
    WriterFolder bad{"..", {{"ESCAPE", "!", "", 0}}, {}};
    return {{{"a\\b", "1", "", 0}, {"C:x", "2", "", 0}, {".", "3", "", 0}}, {bad, {"OK", {{"/abs", "4", "", 0}}, {}}}};
}

// Folders L1/L2/... nested `levels` deep, each holding filesPerFolder files.
WriterTree DeepTree(int levels, int filesPerFolder)
{
    const auto files = [&] { return std::vector<WriterFile>(filesPerFolder, WriterFile{"F", "f", "", 0}); };
    WriterFolder folder{"L" + std::to_string(levels), files(), {}};
    for (int level = levels - 1; level > 0; --level)
        folder = WriterFolder{"L" + std::to_string(level), files(), {folder}};
    return {{}, {folder}};
}

std::string FullWidthName(ArchiveFormat format)
{
    return std::string(vorn::LayoutOf(format).nameField, 'N');
}

// DIR: a folder whose run leads back to the top-level run, an unknown record
// and a name that fills its field.
std::string DirLoop()
{
    const ArchiveFormat f = ArchiveFormat::Dir;
    return Record(f, "ROOT", kFolder, 0, 88) + Record(f, "", kEnd, 0, 0) + Record(f, "A", kFile, 1, 0) +
           Record(f, "BACK", kFolder, 0, 0) + Record(f, "", kEnd, 0, 0) + Record(f, "", 0x1202, 0, 0) +
           Record(f, FullWidthName(f), kFile, 4, 40);
}

// PCK: a folder pointing at itself, an unknown record and data past the end.
std::string PckLoop()
{
    const ArchiveFormat f = ArchiveFormat::Pck;
    return Record(f, "ROOT", kFolder, 0, 48) + Record(f, "A", kFile, 2, 300) + Record(f, "SELF", kFolder, 0, 96) +
           Record(f, "", 7, 0, 1) + Record(f, FullWidthName(f), kFile, 0xFFFFFFFF, 0xFFFFFF00) +
           Record(f, "", kEnd, 0, 1) + Record(f, "", kEnd, 0, 1) + Record(f, "", kEnd, 0, 0);
}

void Write(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("could not write " + path.string());
}

void WriteSeeds(const std::filesystem::path& dir, ArchiveFormat format, const char* extension)
{
    std::filesystem::create_directories(dir);
    const auto put = [&](const std::string& stem, const std::string& bytes) {
        Write(dir / (stem + "." + extension), bytes);
    };
    const auto build = [&](const WriterTree& tree) { return vorn::testing::BuildArchive(format, tree); };
    put("nested", build(NestedTree()));
    put("top-levels", build(SeveralTopLevels()));
    put("unsafe-names", build(UnsafeNames()));
    put("deep", build(DeepTree(12, 1)));
    put("too-deep", build(DeepTree(static_cast<int>(vorn::Catalogue::kMaxFolderDepth) + 4, 0)));
    const std::string nested = build(NestedTree());
    put("truncated", nested.substr(0, nested.size() / 2 + 5));
    put("loop", format == ArchiveFormat::Dir ? DirLoop() : PckLoop());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: vorn-fuzz-seeds OUTPUT_DIR\n", stderr);
        return 2;
    }
    try {
        WriteSeeds(std::filesystem::path(argv[1]) / "dir", ArchiveFormat::Dir, "dir");
        WriteSeeds(std::filesystem::path(argv[1]) / "pck", ArchiveFormat::Pck, "pck");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vorn-fuzz-seeds: %s\n", error.what());
        return 1;
    }
    return 0;
}
