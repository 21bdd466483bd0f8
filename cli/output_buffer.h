#pragma once

#include "framework/message_reporter.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>

namespace vorn::cli {

// Collects what a command prints on standard output and writes it in large
// pieces: listing a million entries must not cost a million writes, nor a
// string's bookkeeping for every field. A failed write is kept, and what comes
// after it is dropped.
class OutputBuffer {
public:
    OutputBuffer() : m_bytes(std::make_unique<char[]>(kCapacity)) {}
    ~OutputBuffer() { Flush(); }
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    OutputBuffer& operator<<(std::string_view text)
    {
        Append(text.data(), text.size());
        return *this;
    }
    OutputBuffer& operator<<(char c)
    {
        if (m_used == kCapacity)
            Flush();
        m_bytes[m_used++] = c;
        return *this;
    }
    OutputBuffer& operator<<(std::uint64_t number);
    // The number right-aligned in a field of width characters (at most kMaxPadding).
    OutputBuffer& Padded(std::uint64_t number, std::size_t width);
    // Text from the archive or the user, its control characters escaped.
    OutputBuffer& Escaped(std::string_view text);

    void Flush();
    // Flushes and tells whether everything was written. A failure is reported,
    // except a closed pipe: the reader has gone and wants no message.
    bool Finish(MessageReporter& reporter);

    static constexpr std::size_t kMaxPadding = 64;

private:
    static constexpr std::size_t kCapacity = 1 << 20;

    void Append(const char* bytes, std::size_t count)
    {
        if (count > kCapacity - m_used) {
            Flush();
            if (count > kCapacity) {
                Write(bytes, count);
                return;
            }
        }
        std::memcpy(m_bytes.get() + m_used, bytes, count);
        m_used += count;
    }
    void Write(const char* bytes, std::size_t count);

    std::unique_ptr<char[]> m_bytes;
    std::size_t m_used = 0;
    int m_error = 0;  // errno of the first failed write
};

}  // namespace vorn::cli
