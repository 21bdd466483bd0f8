#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// The two catalogue formats, told apart by the archive's extension.
enum class ArchiveFormat { None, Dir, Pck };

// Compares ignoring the case of the letters A to Z only, as the catalogue's
// names and extensions are compared.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// The text after the last '.' of the whole path, compared ignoring case:
// "pck" first, then "dir"; anything else (or no '.') is None.
ArchiveFormat FormatFromPath(std::string_view path);

const char* FormatName(ArchiveFormat format);  // "pck", "dir" or "none"

enum class RecordType : std::uint8_t { File = 0, Folder = 1, End = 255 };

// Fixed record layout: name field, then type, size and position words
// (little-endian). A PCK record is a DIR record with a wider name field.
struct RecordLayout {
    std::size_t recordSize;
    std::size_t nameField;
};

constexpr RecordLayout kDirLayout{44, 32};
constexpr RecordLayout kPckLayout{48, 36};

RecordLayout LayoutOf(ArchiveFormat format);

class NameDecoder;

struct RawRecord {
    std::string name;  // UTF-8, decoded from the archive's name encoding, up to the first NUL
    // The name's bytes, kept only where other bytes could decode to the same name.
    std::optional<std::string> sharedNameBytes;
    std::uint8_t type = 0;  // low byte of the type word
    std::uint32_t size = 0;
    std::uint32_t position = 0;
};

// Decodes one record of `layout.recordSize` bytes. A name field without NUL
// contributes all of its bytes.
RawRecord DecodeRecord(const unsigned char* bytes, RecordLayout layout, NameDecoder& names);

}  // namespace vorn
