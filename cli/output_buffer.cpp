#include "cli/output_buffer.h"

#include "framework/escape_controls.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <string>

namespace vorn::cli {

OutputBuffer& OutputBuffer::operator<<(std::uint64_t number)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    Append(digits, static_cast<std::size_t>(end - digits));
    return *this;
}

// Written in place, right to left: the two numbers of each line of a listing
// of a million entries are worth no copies.
OutputBuffer& OutputBuffer::Padded(std::uint64_t number, std::size_t width)
{
    std::size_t digits = 1;
    for (std::uint64_t rest = number / 10; rest != 0; rest /= 10)
        ++digits;
    const std::size_t length = std::min(std::max(width, digits), kCapacity);
    if (length > kCapacity - m_used)
        Flush();
    char* const begin = m_bytes.get() + m_used;
    char* at = begin + length;
    do {
        *--at = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number != 0);
    while (at != begin)
        *--at = ' ';
    m_used += length;
    return *this;
}

OutputBuffer& OutputBuffer::Escaped(std::string_view text)
{
    const std::size_t clean = CleanPrefixLength(text);
    Append(text.data(), clean);
    if (clean < text.size()) {
        std::string rest;
        AppendEscapingControls(rest, text.substr(clean));
        Append(rest.data(), rest.size());
    }
    return *this;
}

void OutputBuffer::Write(const char* bytes, std::size_t count)
{
    if (m_error == 0 && count > 0 && std::fwrite(bytes, 1, count, stdout) != count)
        m_error = errno != 0 ? errno : EIO;
}

void OutputBuffer::Flush()
{
    Write(m_bytes.get(), m_used);
    m_used = 0;
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
