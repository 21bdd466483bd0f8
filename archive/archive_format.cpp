#include "archive/archive_format.h"

#include "archive/name_encoding.h"

#include <cstring>

namespace vorn {
namespace {

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::uint32_t ReadWord(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

}  // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

ArchiveFormat FormatFromPath(std::string_view path)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return ArchiveFormat::None;
    const std::string_view extension = path.substr(dot + 1);
    if (EqualsIgnoringAsciiCase(extension, "pck"))
        return ArchiveFormat::Pck;
    if (EqualsIgnoringAsciiCase(extension, "dir"))
        return ArchiveFormat::Dir;
    return ArchiveFormat::None;
}

const char* FormatName(ArchiveFormat format)
{
    switch (format) {
    case ArchiveFormat::Dir:
        return "dir";
    case ArchiveFormat::Pck:
        return "pck";
    case ArchiveFormat::None:
        break;
    }
    return "none";
}

RecordLayout LayoutOf(ArchiveFormat format)
{
    return format == ArchiveFormat::Pck ? kPckLayout : kDirLayout;
}

RawRecord DecodeRecord(const unsigned char* bytes, RecordLayout layout, NameDecoder& names)
{
    const void* nul = std::memchr(bytes, 0, layout.nameField);
    const std::size_t nameLength =
        nul ? static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - bytes) : layout.nameField;
    RawRecord record;
    const std::string_view nameBytes(reinterpret_cast<const char*>(bytes), nameLength);
    record.name = names.Decode(nameBytes);
    if (names.MayShareText(nameBytes, record.name))
        record.sharedNameBytes = std::string(nameBytes);
    const unsigned char* words = bytes + layout.nameField;
    record.type = words[0];
    record.size = ReadWord(words + 4);
    record.position = ReadWord(words + 8);
    return record;
}

}  // namespace vorn
