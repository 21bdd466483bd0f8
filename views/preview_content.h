#pragma once

#include "archive/text_detection.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>

namespace vorn {

class ByteSource;
class CArchiveFile;
struct FileEntry;

// How the preview shows an entry, and what it read to decide.
struct PreviewContent {
    enum class Kind { Empty, PastEnd, Image, Text, Hex };

    static constexpr std::uint64_t kTextLimit = 1 << 20;    // text shows its first MiB
    static constexpr std::uint64_t kImageLimit = 64 << 20;  // larger pictures show as hex

    Kind kind = Kind::Empty;
    std::uint64_t size = 0;    // the entry's, as the catalogue says
    std::uint64_t stored = 0;  // how much of it lies inside the archive
    QImage image;
    QString imageFormat;  // "BMP", "PNG", ...
    QString text;         // up to kTextLimit bytes of it, decoded
    std::optional<TextEncoding> encoding;
    // Why a picture shows as hex: it could not be read, or is too large.
    QString note;
};

// The image format that Qt should read the entry as, from the signature its
// first bytes carry (BMP, PNG, JPEG, GIF, TIFF, WebP) or, for formats that
// have none (TGA, PCX), from its name's extension; empty when it is no picture
// or Qt has no reader for the format.
QString ImageFormatOf(std::string_view head, const QString& name);

// Decides how to show the entry, reading only what that takes: the first MiB
// for text and for telling what the data is, the whole entry only for a
// picture of at most kImageLimit bytes, and nothing more for hex, whose view
// reads the rows it shows. Runs on any thread.
PreviewContent LoadPreview(const ByteSource& source, const FileEntry& entry, bool forceHex);
PreviewContent LoadPreview(const CArchiveFile& archive, std::uint32_t entry, bool forceHex);

}  // namespace vorn
