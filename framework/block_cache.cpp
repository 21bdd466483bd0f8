#include "framework/block_cache.h"

#include <algorithm>

namespace vorn {

std::size_t BlockCache::SlotOf(std::uint64_t index) const
{
    if (m_lastUsed < m_slots.size() && m_slots[m_lastUsed].block.index == index)
        return m_lastUsed;
    const auto found =
        std::find_if(m_slots.begin(), m_slots.end(), [index](const Slot& slot) { return slot.block.index == index; });
    return static_cast<std::size_t>(found - m_slots.begin());
}

const BlockCache::Block* BlockCache::Find(std::uint64_t index) const
{
    const std::size_t slot = SlotOf(index);
    return slot < m_slots.size() ? &m_slots[slot].block : nullptr;
}

const BlockCache::Block* BlockCache::Use(std::uint64_t index)
{
    const std::size_t slot = SlotOf(index);
    if (slot == m_slots.size())
        return nullptr;
    m_slots[slot].lastUse = ++m_uses;
    m_lastUsed = slot;
    return &m_slots[slot].block;
}

BlockCache::Block& BlockCache::Add(std::uint64_t index)
{
    if (m_slots.size() < m_capacity) {
        m_lastUsed = m_slots.size();
        m_slots.emplace_back();
    } else {
        m_lastUsed = static_cast<std::size_t>(
            std::min_element(m_slots.begin(), m_slots.end(),
                             [](const Slot& a, const Slot& b) { return a.lastUse < b.lastUse; }) -
            m_slots.begin());
    }
    Slot& slot = m_slots[m_lastUsed];
    slot.block.index = index;
    slot.lastUse = ++m_uses;
    return slot.block;
}

void BlockCache::Clear()
{
    m_slots.clear();
    m_lastUsed = 0;
}

}  // namespace vorn
