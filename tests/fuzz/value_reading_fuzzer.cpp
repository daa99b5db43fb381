// Any bytes typed or pasted into the value dialog, read by the program and by the grammar the
// tests keep apart from it: both must give the same value, tolerance, temperature coefficient,
// reading as an SMD code and reason.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "reference_reading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const pruhomat::ValueReading read = pruhomat::readValue(text);
    const pruhomat::ValueReading expected = pruhomat::testing::reference::readValue(text);
    const bool agree = read.value == expected.value && read.tolerance == expected.tolerance &&
                       read.coefficient == expected.coefficient && read.asCode == expected.asCode &&
                       (read.value || read.problem == expected.problem);
    if (!agree) {
        std::fprintf(stderr, "read \"%.*s\" as %s %llu e%d, reason %d; the reference as %s %llu e%d, reason %d\n",
                     static_cast<int>(size), text.data(), read.value ? "value" : "no value",
                     read.value ? static_cast<unsigned long long>(read.value->significant) : 0ULL,
                     read.value ? read.value->exponent : 0, static_cast<int>(read.problem),
                     expected.value ? "value" : "no value",
                     expected.value ? static_cast<unsigned long long>(expected.value->significant) : 0ULL,
                     expected.value ? expected.value->exponent : 0, static_cast<int>(expected.problem));
        std::abort();
    }
    return 0;
}
