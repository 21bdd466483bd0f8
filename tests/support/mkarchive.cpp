// vorn-mkarchive FORMAT SOURCE_DIR OUTPUT: writes the folder tree under
// SOURCE_DIR (sorted by name) as a DIR or PCK archive.

#include "tests/support/archive_writer.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

int main(int argc, char** argv)
{
    const std::string format = argc == 4 ? argv[1] : "";
    if (format != "dir" && format != "pck") {
        std::fputs("usage: vorn-mkarchive dir|pck SOURCE_DIR OUTPUT\n", stderr);
        return 2;
    }
    try {
        const auto tree = vorn::testing::TreeFromDirectory(argv[2]);
        std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
        vorn::testing::WriteArchive(format == "pck" ? vorn::ArchiveFormat::Pck : vorn::ArchiveFormat::Dir, tree, out);
        out.close();
        if (!out)
            throw std::runtime_error(std::string("could not write ") + argv[3]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vorn-mkarchive: %s\n", error.what());
        return 1;
    }
    return 0;
}
