#include "compare/entry_bytes.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vorn {
namespace {

constexpr std::size_t kPiece = 64 * 1024;

bool ReadPiece(const EntryBytes& bytes, std::uint64_t from, std::span<unsigned char> out)
{
    return bytes.source->ReadAt(std::uint64_t{bytes.offset} + from, out) == out.size();
}

}  // namespace

std::optional<bool> SameBytes(const EntryBytes& a, const EntryBytes& b)
{
    if (a.size != b.size)
        return false;
    std::array<unsigned char, kPiece> pieceA;
    std::array<unsigned char, kPiece> pieceB;
    for (std::uint64_t from = 0; from < a.size; from += kPiece) {
        const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, a.size - from));
        if (!ReadPiece(a, from, std::span(pieceA).first(count)) || !ReadPiece(b, from, std::span(pieceB).first(count)))
            return std::nullopt;
        if (std::memcmp(pieceA.data(), pieceB.data(), count) != 0)
            return false;
    }
    return true;
}

std::optional<std::uint64_t> ContentHash(const EntryBytes& bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    std::array<unsigned char, kPiece> piece;
    for (std::uint64_t from = 0; from < bytes.size; from += kPiece) {
        const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, bytes.size - from));
        if (!ReadPiece(bytes, from, std::span(piece).first(count)))
            return std::nullopt;
        for (std::size_t i = 0; i < count; ++i)
            hash = (hash ^ piece[i]) * 1099511628211ull;
    }
    return hash;
}

}  // namespace vorn
