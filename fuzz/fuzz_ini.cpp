// INI reading: any bytes parse, write out stably and read back the same values.
#include <cstddef>
#include <cstdint>

#include "fuzz/Checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzcheck::require(fuzzcheck::checkIniFile({reinterpret_cast<const char*>(data), size}));
    return 0;
}
