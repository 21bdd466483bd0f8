#include "archive/name_encoding.h"

#include "archive/windows1252.h"

#include <cerrno>
#include <iconv.h>

namespace vorn {
namespace {

// iconv's name for an encoding of the menu: Shift-JIS as Windows writes it.
std::string IconvName(const std::string& encoding)
{
    return encoding == "Shift-JIS" ? std::string("CP932") : encoding;
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

struct NameDecoder::Converter {
    explicit Converter(iconv_t opened) : handle(opened) {}
    ~Converter() { iconv_close(handle); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    iconv_t handle;
};

NameDecoder NameDecoder::Default()
{
    return NameDecoder(kDefaultNameEncoding, nullptr);
}

std::optional<NameDecoder> NameDecoder::For(const std::string& encoding)
{
    if (encoding == kDefaultNameEncoding)
        return Default();
    const iconv_t handle = iconv_open("UTF-8", IconvName(encoding).c_str());
    if (handle == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    return NameDecoder(encoding, std::make_unique<Converter>(handle));
}

NameDecoder::NameDecoder(std::string encoding, std::unique_ptr<Converter> converter)
    : m_encoding(std::move(encoding)), m_converter(std::move(converter))
{
}

NameDecoder::~NameDecoder() = default;
NameDecoder::NameDecoder(NameDecoder&&) noexcept = default;
NameDecoder& NameDecoder::operator=(NameDecoder&&) noexcept = default;

std::string NameDecoder::Decode(std::string_view bytes)
{
    if (!m_converter)
        return DecodeWindows1252(bytes);
    // Most names are plain ASCII, which reads the same in every encoding offered.
    if (IsAscii(bytes))
        return std::string(bytes);
    iconv(m_converter->handle, nullptr, nullptr, nullptr, nullptr);  // a fresh shift state
    std::string out(bytes.size() * 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    std::size_t used = 0;
    while (inLeft > 0) {
        if (out.size() - used < 2 * kUndecodable.size())
            out.resize(out.size() * 2);
        char* to = out.data() + used;
        std::size_t toLeft = out.size() - used;
        const std::size_t result = iconv(m_converter->handle, &in, &inLeft, &to, &toLeft);
        used = static_cast<std::size_t>(to - out.data());
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: a byte the encoding does not define, or a sequence cut short.
        out.replace(used, kUndecodable.size(), kUndecodable);
        used += kUndecodable.size();
        ++in;
        --inLeft;
        iconv(m_converter->handle, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(used);
    return out;
}

}  // namespace vorn
