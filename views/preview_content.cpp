#include "views/preview_content.h"

#include "archive/archive_file.h"
#include "archive/entry_range.h"
#include "archive/windows1252.h"

#include <QBuffer>
#include <QImageReader>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <vector>

namespace vorn {
namespace {

struct Signature {
    std::string_view bytes;
    std::size_t at;  // where in the data they stand
    const char* format;
};

constexpr std::array kSignatures{
    Signature{"BM", 0, "bmp"},
    Signature{"\x89PNG\r\n\x1A\n", 0, "png"},
    Signature{"\xFF\xD8\xFF", 0, "jpeg"},
    Signature{"GIF87a", 0, "gif"},
    Signature{"GIF89a", 0, "gif"},
    Signature{{"II*\0", 4}, 0, "tiff"},
    Signature{{"MM\0*", 4}, 0, "tiff"},
    Signature{"WEBP", 8, "webp"},
};

// Formats known by their extension alone: their data carries no signature.
constexpr std::array kFormatsByExtension{"tga", "pcx"};

bool QtReads(const char* format)
{
    return QImageReader::supportedImageFormats().contains(QByteArray(format));
}

std::vector<unsigned char> ReadEntry(const ByteSource& source, const FileEntry& entry, std::uint64_t count)
{
    std::vector<unsigned char> bytes(static_cast<std::size_t>(count));
    bytes.resize(ReadEntryRange(source, entry, 0, bytes));
    return bytes;
}

std::string_view View(const std::vector<unsigned char>& bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

QString DecodeText(std::string_view bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Windows1252)
        return QString::fromStdString(DecodeWindows1252(bytes));
    // A sequence cut at the end of a head stays in the decoder, unseen.
    QStringDecoder decoder(QStringDecoder::Utf8);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

// Decodes a picture; false, with the reason in content.note, when Qt cannot.
bool ReadImage(std::string_view bytes, const QString& format, PreviewContent& content)
{
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format.toLatin1());
    content.image = reader.read();
    if (content.image.isNull()) {
        content.note = QObject::tr("Not a readable %1 picture: %2").arg(format.toUpper(), reader.errorString());
        return false;
    }
    content.imageFormat = format.toUpper();
    return true;
}

}  // namespace

QString ImageFormatOf(std::string_view head, const QString& name)
{
    for (const Signature& signature : kSignatures)
        if (head.substr(std::min(signature.at, head.size())).starts_with(signature.bytes) && QtReads(signature.format))
            return QString::fromLatin1(signature.format);
    const QString extension = name.section(QLatin1Char('.'), -1).toLower();
    if (name.contains(QLatin1Char('.')))
        for (const char* format : kFormatsByExtension)
            if (extension == QLatin1String(format) && QtReads(format))
                return extension;
    return {};
}

PreviewContent LoadPreview(const CArchiveFile& archive, std::uint32_t entry, bool forceHex)
{
    return LoadPreview(archive.Source(), archive.Entries()[entry], forceHex);
}

PreviewContent LoadPreview(const ByteSource& source, const FileEntry& entry, bool forceHex)
{
    PreviewContent content;
    content.size = entry.m_size;
    content.stored = StoredSize(entry, source.Size());
    if (content.size == 0)
        return content;
    if (content.stored == 0) {
        content.kind = PreviewContent::Kind::PastEnd;
        return content;
    }
    content.kind = PreviewContent::Kind::Hex;
    if (forceHex)
        return content;

    std::vector<unsigned char> head = ReadEntry(source, entry, std::min(content.stored, PreviewContent::kTextLimit));
    const QString format = ImageFormatOf(View(head), QString::fromStdString(entry.m_name));
    if (!format.isEmpty()) {
        if (content.stored > PreviewContent::kImageLimit) {
            content.note = QObject::tr("Too large to show as a picture; shown as hex.");
            return content;
        }
        const std::vector<unsigned char> whole =
            content.stored > head.size() ? ReadEntry(source, entry, content.stored) : std::move(head);
        if (ReadImage(View(whole), format, content)) {
            content.kind = PreviewContent::Kind::Image;
            return content;
        }
        head.assign(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(
                                                       std::min<std::size_t>(whole.size(), PreviewContent::kTextLimit)));
    }
    content.encoding = DetectText(View(head), head.size() == content.stored);
    if (content.encoding) {
        content.kind = PreviewContent::Kind::Text;
        content.text = DecodeText(View(head), *content.encoding);
        content.note.clear();  // a picture that was none after all: it is text
    }
    return content;
}

}  // namespace vorn
