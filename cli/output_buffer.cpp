#include "cli/output_buffer.h"

#include <charconv>

namespace vorn::cli {

OutputBuffer& OutputBuffer::operator<<(std::uint64_t number)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    return *this << std::string_view(digits, static_cast<std::size_t>(end - digits));
}

OutputBuffer& OutputBuffer::Padded(std::uint64_t number, std::size_t width)
{
    char digits[24];
    const auto length = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, number).ptr - digits);
    if (length < width)
        m_text.append(width - length, ' ');
    return *this << std::string_view(digits, length);
}

void OutputBuffer::Flush()
{
    if (!m_text.empty())
        std::fwrite(m_text.data(), 1, m_text.size(), m_stream);
    m_text.clear();
    std::fflush(m_stream);
}

}  // namespace vorn::cli
