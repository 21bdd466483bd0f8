#pragma once

#include "archive/catalogue.h"

namespace vorn {

// Walks a DIR catalogue: runs of 44-byte records, each folder record leading to
// its own run, which an end record closes.
void ReadDirCatalogue(const ByteSource& source, Catalogue& catalogue, NameDecoder& names, const FileSink& sink);

}  // namespace vorn
