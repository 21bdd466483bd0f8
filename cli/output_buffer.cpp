#include "cli/output_buffer.h"

#include "framework/escape_controls.h"

#include <cerrno>
#include <charconv>
#include <cstring>

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

OutputBuffer& OutputBuffer::Escaped(std::string_view text)
{
    AppendEscapingControls(m_text, text);
    return FlushIfFull();
}

void OutputBuffer::Flush()
{
    if (m_error == 0 && !m_text.empty() && std::fwrite(m_text.data(), 1, m_text.size(), stdout) != m_text.size())
        m_error = errno != 0 ? errno : EIO;
    m_text.clear();
    if (m_error == 0 && std::fflush(stdout) != 0)
        m_error = errno != 0 ? errno : EIO;
}

bool OutputBuffer::Finish(MessageReporter& reporter)
{
    Flush();
    if (m_error != 0 && m_error != EPIPE)
        reporter.ShowMessage({"Could not write to standard output", std::strerror(m_error)});
    return m_error == 0;
}

}  // namespace vorn::cli
