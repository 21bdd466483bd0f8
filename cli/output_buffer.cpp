#include "cli/output_buffer.h"

#include "framework/escape_controls.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <charconv>
#include <string>

namespace vorn::cli {
namespace {

std::size_t DigitCount(std::uint64_t number)
{
    static constexpr auto kPowers = [] {
        std::array<std::uint64_t, 20> powers{1};
        for (std::size_t at = 1; at < powers.size(); ++at)
            powers[at] = powers[at - 1] * 10;
        return powers;
    }();
    // 1233 / 4096 is log10(2) within the precision needed here: guess is one
    // less than the digits of the largest number of the same bit width, or as many.
    const std::size_t guess = (static_cast<std::size_t>(std::bit_width(number)) * 1233) >> 12;
    return number == 0 ? 1 : guess + (number >= kPowers[guess] ? 1 : 0);
}

}  // namespace

OutputBuffer& OutputBuffer::operator<<(std::uint64_t number)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    Append(digits, static_cast<std::size_t>(end - digits));
    return *this;
}

// Written in place, right to left, two digits at a time: the two numbers of
// each line of a listing of a million entries are worth no copies.
OutputBuffer& OutputBuffer::Padded(std::uint64_t number, std::size_t width)
{
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                     "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                     "8081828384858687888990919293949596979899";
    const std::size_t length = std::max(std::min(width, kMaxPadding), DigitCount(number));
    if (length > kCapacity - m_used)
        Flush();
    char* const begin = m_bytes.get() + m_used;
    m_used += length;
    char* at = begin + length;
    while (number >= 100) {
        const auto pair = static_cast<std::size_t>(number % 100) * 2;
        number /= 100;
        at -= 2;
        at[0] = kPairs[pair];
        at[1] = kPairs[pair + 1];
    }
    if (number >= 10) {
        at -= 2;
        at[0] = kPairs[number * 2];
        at[1] = kPairs[number * 2 + 1];
    } else {
        *--at = static_cast<char>('0' + number);
    }
    while (at != begin)
        *--at = ' ';
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
