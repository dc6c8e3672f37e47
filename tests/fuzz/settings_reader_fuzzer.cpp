// libFuzzer entry: any bytes as tarv.ini, with the checks every input must pass.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/settings_reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string& fault : {quivra::fuzzing::round_trip_fault(bytes),
                                     quivra::fuzzing::reading_time_fault(bytes)}) {
        if (fault.empty()) continue;
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
