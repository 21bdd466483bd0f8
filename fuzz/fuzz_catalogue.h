#pragma once

#include "archive/archive_format.h"

#include <cstddef>
#include <cstdint>

namespace vorn::fuzz {

// Loads bytes as a catalogue of the given format, its names in an encoding
// chosen by the first byte, walks it, checks it and plans the extraction of
// the top level, of every folder and of every file, and writes it again;
// aborts when any invariant breaks.
void FuzzCatalogue(const std::uint8_t* data, std::size_t size, ArchiveFormat format);

}  // namespace vorn::fuzz
