#pragma once

#include "framework/message_reporter.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace vorn::cli {

// Collects what a command prints on standard output and writes it in large
// pieces: listing a million entries must not cost a million writes. A failed
// write is kept, and what comes after it is dropped.
class OutputBuffer {
public:
    OutputBuffer() { m_text.reserve(kFlushAt + 4096); }
    ~OutputBuffer() { Flush(); }
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    OutputBuffer& operator<<(std::string_view text)
    {
        m_text += text;
        return FlushIfFull();
    }
    OutputBuffer& operator<<(char c) { return *this << std::string_view(&c, 1); }
    OutputBuffer& operator<<(std::uint64_t number);
    // The number right-aligned in a field of width characters.
    OutputBuffer& Padded(std::uint64_t number, std::size_t width);
    // Text from the archive or the user, its control characters escaped.
    OutputBuffer& Escaped(std::string_view text);

    void Flush();
    // Flushes and tells whether everything was written. A failure is reported,
    // except a closed pipe: the reader has gone and wants no message.
    bool Finish(MessageReporter& reporter);

private:
    static constexpr std::size_t kFlushAt = 1 << 20;

    OutputBuffer& FlushIfFull()
    {
        if (m_text.size() >= kFlushAt)
            Flush();
        return *this;
    }

    std::string m_text;
    int m_error = 0;  // errno of the first failed write
};

}  // namespace vorn::cli
