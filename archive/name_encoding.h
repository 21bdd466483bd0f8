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

// Turns catalogue names into UTF-8 text: Windows-1252 through our own table,
// any other encoding through iconv. A byte sequence the encoding does not
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

private:
    struct Converter;
    explicit NameDecoder(std::string encoding, std::unique_ptr<Converter> converter);

    std::string m_encoding;
    std::unique_ptr<Converter> m_converter;  // null for Windows-1252
};

}  // namespace vorn
