#pragma once

#include "archive/byte_source.h"

#include <cstdint>
#include <optional>

namespace vorn {

// Where an entry's bytes lie: size bytes at offset of source.
struct EntryBytes {
    const ByteSource* source;
    std::uint32_t offset;
    std::uint32_t size;
};

// Whether both hold the same bytes, read side by side in pieces; nothing when
// either cannot be read whole (a read error, or data past the archive's end).
std::optional<bool> SameBytes(const EntryBytes& a, const EntryBytes& b);

// A 64-bit FNV-1a hash of the bytes, a key to find equal contents among many;
// nothing when they cannot be read whole.
std::optional<std::uint64_t> ContentHash(const EntryBytes& bytes);

}  // namespace vorn
