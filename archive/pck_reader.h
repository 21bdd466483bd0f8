#pragma once

#include "archive/catalogue.h"

namespace vorn {

// Walks a PCK catalogue: one forward stream of 48-byte records in depth-first
// order, ended by a record whose position word is 0.
void ReadPckCatalogue(const ByteSource& source, Catalogue& catalogue, NameDecoder& names, const FileSink& sink);

}  // namespace vorn
