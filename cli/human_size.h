#pragma once

#include <cstdint>
#include <string>

namespace vorn::cli {

// "512 B", "1.5 KiB", "3.0 GiB".
std::string HumanSize(std::uint64_t bytes);

// "1,234,567".
std::string GroupDigits(std::uint64_t value);

}  // namespace vorn::cli
