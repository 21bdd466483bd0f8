#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorn {

// Up to a fixed number of equal-sized blocks of a file, found by their index;
// once it is full, a new block takes the place, and the memory, of the one
// used longest ago.
class BlockCache {
public:
    struct Block {
        std::uint64_t index = 0;
        std::vector<unsigned char> bytes;  // as many as could be read
    };

    explicit BlockCache(std::size_t capacity) : m_capacity(capacity) {}

    // The cached block of that index, or null; Find leaves the order of use
    // alone, Use counts the block as used now.
    const Block* Find(std::uint64_t index) const;
    const Block* Use(std::uint64_t index);
    // The place for the block of that index, counted as used now; its bytes
    // are what the block it replaces held, to be overwritten.
    Block& Add(std::uint64_t index);
    void Clear();
    std::size_t Size() const { return m_slots.size(); }

private:
    struct Slot {
        Block block;
        std::uint64_t lastUse = 0;
    };

    std::size_t SlotOf(std::uint64_t index) const;  // m_slots.size() when absent

    std::size_t m_capacity;
    std::vector<Slot> m_slots;
    std::size_t m_lastUsed = 0;  // looked at first: reads walking through a block find it at once
    std::uint64_t m_uses = 0;
};

}  // namespace vorn
