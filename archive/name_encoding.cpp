#include "archive/name_encoding.h"

#include "archive/archive_format.h"
#include "archive/utf8.h"
#include "archive/windows1252.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace vorn {
namespace {

// iconv's name for an encoding of the menu: Shift-JIS as Windows writes it.
std::string IconvName(const std::string& encoding)
{
    return encoding == "Shift-JIS" ? std::string("CP932") : encoding;
}

bool IsUtf8(const std::string& encoding)
{
    return EqualsIgnoringAsciiCase(encoding, "UTF-8") || EqualsIgnoringAsciiCase(encoding, "UTF8");
}

bool IsPrintableAscii(std::string_view bytes)
{
    return std::ranges::all_of(bytes, [](char c) { return c >= 0x20 && c <= 0x7E; });
}

const iconv_t kNoHandle = reinterpret_cast<iconv_t>(-1);

// What iconv makes of input (all of it, or null to write out what it holds
// back), appended at out[used...]; false on EILSEQ or EINVAL.
bool Convert(iconv_t handle, char** in, std::size_t* inLeft, std::string& out, std::size_t& used)
{
    for (;;) {
        if (out.size() - used < 2 * kUndecodable.size())
            out.resize(out.size() * 2 + 16);
        char* to = out.data() + used;
        std::size_t toLeft = out.size() - used;
        const std::size_t result = iconv(handle, in, inLeft, &to, &toLeft);
        used = static_cast<std::size_t>(to - out.data());
        if (result != static_cast<std::size_t>(-1))
            return true;
        if (errno != E2BIG)
            return false;
        out.resize(out.size() * 2);
    }
}

// The whole of text converted, or nothing when any of it does not convert.
std::optional<std::string> ConvertExactly(iconv_t handle, std::string_view text)
{
    iconv(handle, nullptr, nullptr, nullptr, nullptr);
    std::string out(text.size() * 4, '\0');
    std::size_t used = 0;
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    if (!Convert(handle, &in, &inLeft, out, used) || !Convert(handle, nullptr, nullptr, out, used))
        return std::nullopt;
    out.resize(used);
    return out;
}

std::string DecodeUtf8(std::string_view bytes)
{
    if (IsAscii(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + 8);
    for (std::size_t at = 0; at < bytes.size();) {
        const Utf8Sequence sequence = ReadUtf8(bytes, at);
        if (sequence.status == Utf8Sequence::Status::Valid)
            out.append(bytes.substr(at, sequence.length));
        else
            out += kUndecodable;
        at += sequence.length;
    }
    return out;
}

}  // namespace

const std::vector<std::string>& NameEncodings()
{
    static const std::vector<std::string> encodings = {
        kDefaultNameEncoding, "Windows-1250", "Windows-1251", "Windows-1253", "Windows-1254", "Windows-1257",
        "Shift-JIS",          "GBK",          "Big5",         "EUC-KR",       "UTF-8",        "ISO-8859-1",
        "CP437",              "CP866",
    };
    return encodings;
}

// iconv both ways: names to UTF-8, and back to tell which texts have more
// than one spelling.
struct NameDecoder::Converter {
    Converter(iconv_t decoding, iconv_t encoding) : decode(decoding), encode(encoding)
    {
        std::string printable;
        for (char c = 0x20; c <= 0x7E; ++c)
            printable += c;
        const auto isItself = [&](std::string_view text) {
            return ConvertExactly(decode, text) == text &&
                   (encode == kNoHandle || ConvertExactly(encode, text) == text);
        };
        printableAsciiIsItself = isItself(printable) && std::ranges::all_of(printable, [&](const char& c) {
                                     return isItself(std::string_view(&c, 1));
                                 });
    }
    ~Converter()
    {
        iconv_close(decode);
        if (encode != kNoHandle)
            iconv_close(encode);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    iconv_t decode;
    iconv_t encode;  // kNoHandle when iconv cannot write the encoding
    // Checked once: then names of printable ASCII, most names, skip iconv.
    // Not so in EBCDIC code pages, nor in UTF-7, where '+' starts a sequence.
    bool printableAsciiIsItself = false;
};

NameDecoder NameDecoder::Default()
{
    return NameDecoder(kDefaultNameEncoding, Method::Windows1252);
}

std::optional<NameDecoder> NameDecoder::For(const std::string& encoding)
{
    if (encoding == kDefaultNameEncoding)
        return Default();
    if (IsUtf8(encoding))
        return NameDecoder(encoding, Method::Utf8);
    const std::string iconvName = IconvName(encoding);
    const iconv_t decode = iconv_open("UTF-8", iconvName.c_str());
    if (decode == kNoHandle)
        return std::nullopt;
    return NameDecoder(encoding, Method::Iconv,
                       std::make_unique<Converter>(decode, iconv_open(iconvName.c_str(), "UTF-8")));
}

NameDecoder::NameDecoder(std::string encoding, Method method, std::unique_ptr<Converter> converter)
    : m_encoding(std::move(encoding)), m_method(method), m_converter(std::move(converter))
{
}

NameDecoder::~NameDecoder() = default;
NameDecoder::NameDecoder(NameDecoder&&) noexcept = default;
NameDecoder& NameDecoder::operator=(NameDecoder&&) noexcept = default;

std::string NameDecoder::Decode(std::string_view bytes)
{
    if (m_method == Method::Windows1252)
        return DecodeWindows1252(bytes);
    if (m_method == Method::Utf8)
        return DecodeUtf8(bytes);
    if (m_converter->printableAsciiIsItself && IsPrintableAscii(bytes))
        return std::string(bytes);
    std::string out(bytes.size() * 4, '\0');
    std::size_t used = 0;
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    // A converter may hold a character back until it knows whether a combining
    // mark follows: each flush (null input) writes it out and ends in the
    // initial state, so neither the last character nor any shift state is left
    // behind for what comes next.
    while (!Convert(m_converter->decode, &in, &inLeft, out, used)) {
        // EILSEQ or EINVAL: a byte the encoding does not define, or a sequence cut short.
        Convert(m_converter->decode, nullptr, nullptr, out, used);
        out.resize(used);
        out += kUndecodable;
        used = out.size();
        ++in;
        --inLeft;
    }
    Convert(m_converter->decode, nullptr, nullptr, out, used);
    out.resize(used);
    return out;
}

bool NameDecoder::MayShareText(std::string_view bytes, std::string_view text)
{
    if (m_method != Method::Iconv || text.find(kUndecodable) != std::string_view::npos)
        return false;
    if (m_converter->printableAsciiIsItself && IsPrintableAscii(bytes))
        return false;
    return m_converter->encode == kNoHandle || ConvertExactly(m_converter->encode, text) != bytes;
}

std::optional<NameEncoder> NameEncoder::For(const std::string& encoding)
{
    std::optional<NameDecoder> decoder = NameDecoder::For(encoding);
    if (!decoder)
        return std::nullopt;
    return NameEncoder(std::move(*decoder));
}

std::optional<std::string> NameEncoder::Encode(std::string_view text)
{
    std::optional<std::string> bytes;
    switch (m_decoder.m_method) {
    case NameDecoder::Method::Windows1252:
        bytes = EncodeWindows1252(text);
        break;
    case NameDecoder::Method::Utf8:
        bytes = std::string(text);
        break;
    case NameDecoder::Method::Iconv: {
        const NameDecoder::Converter& converter = *m_decoder.m_converter;
        if (converter.printableAsciiIsItself && IsPrintableAscii(text))
            return std::string(text);
        if (converter.encode != kNoHandle)
            bytes = ConvertExactly(converter.encode, text);
        break;
    }
    }
    // Reading the bytes back catches what a conversion let through: invalid
    // UTF-8 taken as it is, a character stored as one that reads differently.
    if (!bytes || m_decoder.Decode(*bytes) != text)
        return std::nullopt;
    return bytes;
}

}  // namespace vorn
