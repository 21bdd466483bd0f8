#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace vorn::cli {

// Collects output and writes it to a stream in large pieces: listing a million
// entries must not cost a million writes.
class OutputBuffer {
public:
    explicit OutputBuffer(std::FILE* stream = stdout) : m_stream(stream) { m_text.reserve(kFlushAt + 4096); }
    ~OutputBuffer() { Flush(); }
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    OutputBuffer& operator<<(std::string_view text)
    {
        m_text += text;
        if (m_text.size() >= kFlushAt)
            Flush();
        return *this;
    }
    OutputBuffer& operator<<(char c) { return *this << std::string_view(&c, 1); }
    OutputBuffer& operator<<(std::uint64_t number);
    // The number right-aligned in a field of width characters.
    OutputBuffer& Padded(std::uint64_t number, std::size_t width);

    void Flush();

private:
    static constexpr std::size_t kFlushAt = 1 << 20;
    std::FILE* m_stream;
    std::string m_text;
};

}  // namespace vorn::cli
