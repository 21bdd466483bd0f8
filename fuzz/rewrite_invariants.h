#pragma once

#include "archive/archive_format.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace vorn::fuzz {

// Writes the archive again as an update without changes does, where it can
// be (an undamaged catalogue of writable names and at most a MiB of data):
// what is written reads back as the same tree, in the same order, with the
// same bytes, and writing it again gives the very same archive.
void CheckRewrite(const std::uint8_t* data, std::size_t size, ArchiveFormat format, const std::string& encoding);

}  // namespace vorn::fuzz
