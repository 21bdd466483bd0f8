// libFuzzer entry point: the input is the bytes of a DIR archive.

#include "fuzz/fuzz_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vorn::fuzz::FuzzCatalogue(data, size, vorn::ArchiveFormat::Dir);
    return 0;
}
