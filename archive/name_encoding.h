#pragma once

#include "disk/name_safety.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// The code pages catalogue names are offered in, by the names users and iconv
// know them by; Windows-1252 first, the default.
const std::vector<std::string>& NameEncodings();
inline const std::string kDefaultNameEncoding = "Windows-1252";

// Turns catalogue names into UTF-8 text: Windows-1252 and UTF-8 by our own
// code, any other encoding through iconv. A byte sequence the encoding does not
// define becomes U+FFFD, so such a name reads as damaged and is refused at
// extraction. Not to be shared between threads.
class NameDecoder {
public:
    // Nothing when iconv does not know the encoding.
    static std::optional<NameDecoder> For(const std::string& encoding);
    static NameDecoder Default();
    ~NameDecoder();
    NameDecoder(NameDecoder&&) noexcept;
    NameDecoder& operator=(NameDecoder&&) noexcept;

    const std::string& Encoding() const { return m_encoding; }
    std::string Decode(std::string_view bytes);
    // Whether bytes other than these could decode to text, which Decode made
    // of them: some code pages give one character for two byte sequences.
    // False for names that are refused anyway (holding U+FFFD), and always
    // false for Windows-1252 and UTF-8, where each text has one spelling.
    bool MayShareText(std::string_view bytes, std::string_view text);

private:
    friend class NameEncoder;
    enum class Method { Windows1252, Utf8, Iconv };
    struct Converter;
    NameDecoder(std::string encoding, Method method, std::unique_ptr<Converter> converter = nullptr);

    std::string m_encoding;
    Method m_method;
    std::unique_ptr<Converter> m_converter;  // Iconv only
};

// The other way, for writing archives: UTF-8 names into the bytes the
// encoding stores. Not to be shared between threads.
class NameEncoder {
public:
    // Nothing when iconv does not know the encoding.
    static std::optional<NameEncoder> For(const std::string& encoding);

    const std::string& Encoding() const { return m_decoder.Encoding(); }
    // Nothing when the text holds a character the encoding cannot store, or
    // its bytes would not read back as this very text.
    std::optional<std::string> Encode(std::string_view text);

private:
    explicit NameEncoder(NameDecoder decoder) : m_decoder(std::move(decoder)) {}

    NameDecoder m_decoder;
};

}  // namespace vorn
