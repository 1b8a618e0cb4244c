// The course table as the tournament reads it from its file at start-up: any file gives a
// table within its limits, whose names and hole lists are the file's.
#include <cstddef>
#include <cstdint>

#include "fuzz/Checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    const std::string path = fuzzcheck::scratchDir() + "/TeebrookConfig.ini";
    if (!fuzzcheck::writeFile(path, contents)) return 0;
    fuzzcheck::require(fuzzcheck::checkCourseTable(contents, path));
    return 0;
}
