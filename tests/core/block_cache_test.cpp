#include "framework/block_cache.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace vorn {
namespace {

std::vector<std::uint64_t> Cached(const BlockCache& cache, std::initializer_list<std::uint64_t> indices)
{
    std::vector<std::uint64_t> cached;
    for (const std::uint64_t index : indices)
        if (const BlockCache::Block* block = cache.Find(index))
            cached.push_back(block->index);
    return cached;
}

TEST(BlockCache, ANewBlockReplacesTheOneUsedLongestAgo)
{
    BlockCache cache(3);
    for (const std::uint64_t index : {10, 11, 12})
        cache.Add(index);
    ASSERT_NE(cache.Use(10), nullptr);   // 11 is now the one used longest ago
    ASSERT_NE(cache.Find(11), nullptr);  // looking at a block is no use of it
    EXPECT_EQ(cache.Use(99), nullptr);

    cache.Add(13);
    EXPECT_EQ(Cached(cache, {10, 11, 12, 13}), (std::vector<std::uint64_t>{10, 12, 13}));
    cache.Add(14);  // then 12, added before 13 and not used since
    EXPECT_EQ(Cached(cache, {10, 12, 13, 14}), (std::vector<std::uint64_t>{10, 13, 14}));
    EXPECT_EQ(cache.Size(), std::size_t{3});
}

}  // namespace
}  // namespace vorn
