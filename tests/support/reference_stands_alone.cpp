// Links the reference with nothing of the program but its types: a call from the reference into
// the code it judges fails to build here.
#include "reference.h"
#include "reference_markings.h"
#include "reference_reading.h"

int main() {
    using namespace pruhomat::testing::reference;
    const bool read = readValue("4k7").value.has_value();
    const bool valued = valueOf(47, 2, ",").caption == "4,7";
    const bool listed = !palette(pruhomat::PaletteMode::Digit)[1].empty() && e96[0] == 100;
    return read && valued && listed ? 0 : 1;
}
