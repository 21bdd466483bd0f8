#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vorn {

// Random-access bytes of an archive: a file on disk, or a buffer for tests and
// fuzzing. Reads never move shared state, so several threads may read at once.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Reads up to out.size() bytes at offset; returns how many were read, which is
    // less only at the end of the data or on a read error.
    virtual std::size_t ReadAt(std::uint64_t offset, std::span<unsigned char> out) const = 0;
};

class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(std::span<const unsigned char> bytes) : m_bytes(bytes) {}
    std::uint64_t Size() const override { return m_bytes.size(); }
    std::size_t ReadAt(std::uint64_t offset, std::span<unsigned char> out) const override;

private:
    std::span<const unsigned char> m_bytes;
};

// Why a file could not be opened as an archive: the system refused, or it is
// not a regular file (a folder, a FIFO, a device), whose reads could block or
// never end.
struct OpenError {
    enum class Kind { None, System, NotRegularFile };
    Kind kind = Kind::None;
    int code = 0;  // errno, for Kind::System
};

// "not a regular file", or the system's text for the error.
std::string OpenErrorText(const OpenError& error);

// An open, read-only regular file, closed on destruction.
class FileByteSource final : public ByteSource {
public:
    // Opens path read-only; IsOpen() tells whether that worked. Never blocks,
    // whatever the path names.
    explicit FileByteSource(const std::string& path);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    const OpenError& GetOpenError() const { return m_openError; }
    int Descriptor() const { return m_fd; }
    void Close();

    std::uint64_t Size() const override { return m_size; }
    std::size_t ReadAt(std::uint64_t offset, std::span<unsigned char> out) const override;

private:
    int m_fd = -1;
    OpenError m_openError;
    std::uint64_t m_size = 0;
};

}  // namespace vorn
